#pragma once

#include "plane/planepoints.h"

// The values `continua` prepares for the step it starts and the animation
// advances frame by frame. Which ones a kind uses is the kind's own business;
// the others keep what they had.
struct StepValues {
    // The slot whose parameters drive the step, fixed while it runs.
    int Slot = 1;
    int AnimDX = 0;    // translation vector, grid units; symmetry: k of x = k
    int AnimDY = 0;    // symmetry: k of y = k
    int AnimAngle = 0; // degrees: the rotation's angle, the symmetry axis's direction
    int AnimCentreX = 0; // grid units; the centre RelX/RelY are measured from
    int AnimCentreY = 0;
    int StepCount = 0;
    int StepIndex = 0;
    float AnimProgress = 0; // translation: 0..StepCount; homothety: the ratio
    float AnimFactorX = 0;
    float AnimFactorY = 0;
    float AnimDeltaX = 0;
    float AnimDeltaY = 0;
    float DilationLargestDelta = 0;
    int HomothetyDirection = 1;
    std::array<int, VertexCount> RotationRadii{}; // working units
};

// What a step works on: the figure at its start (grid units; a circle keeps
// its centre in entry 0 and its radius in entry 1) and how many vertices move.
struct StepFigure {
    FigurePoints cur;
    int figureType = 2; // 0..3 once the step is prepared
    bool isCircle = false;

    int vertexCount() const { return figureType + 1; }
    int last() const { return lastVertex(figureType, isCircle); }
};

// A frame's points relative to the centre, each point carried by `place`
// (grid point in, working offsets out). A circle carries its centre and the
// two corners of its box (entries 0, 1, 2), so that its box follows the map.
template <typename Place>
void placeFramePoints(const StepFigure &figure, FigurePoints &rel, Place place)
{
    if (figure.isCircle) {
        const long double x0 = figure.cur.x[0];
        const long double y0 = figure.cur.y[0];
        const long double r = figure.cur.x[1];
        const long double r2 = figure.cur.y[1];
        place(x0, y0, rel.x[0], rel.y[0]);
        place(x0 - r, y0 - r2, rel.x[1], rel.y[1]);
        place(x0 + r, y0 + r2, rel.x[2], rel.y[2]);
        repeatLastVertex(rel, 2);
        return;
    }
    for (int i = 0; i <= figure.figureType; ++i)
        place(figure.cur.x[i], figure.cur.y[i], rel.x[i], rel.y[i]);
    repeatLastVertex(rel, figure.figureType);
}

// The points a step computes: the image (grid units), and the frame's points
// relative to the centre (RelX/RelY) and made absolute (WorkX/WorkY).
struct StepPoints {
    FigurePoints image;
    FigurePoints rel;
    FigurePoints work;
};

// Prepares the step of `kind` with the parameters of `slot`, as `continua`
// does before it starts the kind's animation. The centre is reset first.
// A symmetry is drawn at once, so its image and working points are computed
// here too.
void prepareStep(int kind, int slot, const SlotParameters &parameters, const StepFigure &figure, int originY,
                 StepValues &values, StepPoints &points);

// The coordinates a step's image leaves for the data table, vertex by vertex,
// one decimal. A circle leaves its centre as vertex A and, in B's place, its
// radius along x and along y: the radius a translation, a rotation or a
// symmetry keeps and a homothety scales, or the half-axes of the ellipse a
// dilation, or an affinity along the axes, stretches it into. The ellipse a
// shear or any other affinity leans off the axes has no such pair, and B is
// left empty.
struct ImageTexts {
    std::array<QString, VertexCount> x;
    std::array<QString, VertexCount> y;
};

ImageTexts imageTexts(int kind, const SlotParameters &parameters, const StepFigure &figure, const FigurePoints &image);
