#pragma once

#include <QRgb>
#include <array>

// Faces of the cube are numbered 1..6; opposite faces sum to 7.
QRgb FaceColour(int face);

enum CubeAxis : quint8 {
    AxisX,
    AxisY,
    AxisZ,
};

constexpr int CubeAxisCount = 3;

// Angles about an axis are phases in units of 1/400 turn.
constexpr int StartPhase = 50;
constexpr int QuarterTurn = 100;
constexpr int FullTurn = 400;
constexpr int PhaseStep = 2; // per animation frame

using FaceRing = std::array<quint8, 4>;

// The faces met going round each axis. The rings share faces, and every step
// keeps XRing[0] = ZRing[1], XRing[1] = YRing[1], XRing[2] = ZRing[3],
// XRing[3] = YRing[3], YRing[0] = ZRing[0], YRing[2] = ZRing[2].
// The start cube, with x towards the viewer, y to the right and z up, has
// face 1 on top, 2 in front, 3 on the right.
struct CubeRings {
    FaceRing XRing{3, 1, 4, 6};
    FaceRing YRing{2, 1, 5, 6};
    FaceRing ZRing{2, 3, 5, 4};

    bool operator==(const CubeRings &) const = default;
};

// The rings after a completed step of `turns` quarter turns about `axis`.
void ApplyQuarterTurns(CubeRings &rings, CubeAxis axis, int turns, bool clockwise);

// The phase of the next frame of a step. A clockwise step runs the phase down
// and writes a whole turn as 400 rather than 0; both draw the same picture.
int nextPhase(int phase, bool clockwise);
