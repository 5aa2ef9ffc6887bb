#include "space/cubemodel.h"

#include <algorithm>

QRgb FaceColour(int face)
{
    static constexpr std::array<QRgb, 7> colours{
        0x000000, // no face
        0x00FFFF, // 1 cyan
        0xFF0000, // 2 red
        0x008000, // 3 green
        0x00FF00, // 4 lime
        0xFF00FF, // 5 magenta
        0x0000FF, // 6 blue
    };
    return face >= 1 && face <= 6 ? colours[face] : colours[0];
}

namespace {

// One "forward" shift takes (r0, r1, r2, r3) to (r1, r2, r3, r0). Which way
// a clockwise turn shifts a ring follows from how its faces are drawn round
// the axis: x and z forward, y backward. Taken the other way, z would leave
// the picture after a step of one or three quarter turns showing the
// opposite faces of those in the step's last frame.
void shiftRing(FaceRing &ring, int turns, bool forward)
{
    const int left = forward ? turns : 4 - turns;
    std::rotate(ring.begin(), ring.begin() + left % 4, ring.end());
}

} // namespace

void ApplyQuarterTurns(CubeRings &rings, CubeAxis axis, int turns, bool clockwise)
{
    turns = ((turns % 4) + 4) % 4;
    auto &[x, y, z] = rings;
    switch (axis) {
    case AxisX:
        shiftRing(x, turns, clockwise);
        z[1] = x[0];
        y[1] = x[1];
        z[3] = x[2];
        y[3] = x[3];
        break;
    case AxisY:
        shiftRing(y, turns, !clockwise);
        z[0] = y[0];
        x[1] = y[1];
        z[2] = y[2];
        x[3] = y[3];
        break;
    case AxisZ:
        shiftRing(z, turns, clockwise);
        y[0] = z[0];
        x[0] = z[1];
        y[2] = z[2];
        x[2] = z[3];
        break;
    }
}

int nextPhase(int phase, bool clockwise)
{
    if (!clockwise)
        return (phase + PhaseStep) % FullTurn;
    phase -= PhaseStep;
    return phase == 0 ? FullTurn : phase;
}
