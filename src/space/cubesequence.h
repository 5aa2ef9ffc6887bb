#pragma once

#include "space/cubemodel.h"

#include <array>

constexpr int StepCount = 3;

// Three rotation steps; step k (1..3) is entry k - 1.
struct CubeSchedule {
    std::array<CubeAxis, StepCount> StepAxis{AxisX, AxisY, AxisZ};
    std::array<int, StepCount> StepTurns{2, 1, 3}; // quarter turns, 0..3
    std::array<bool, StepCount> StepClockwise{true, true, true};
};

// The animation of one axis: its phase, the third of the window it is shown
// in (0..2), and whether its next tick only shows the start cube.
struct AxisAnimation {
    int AxisPhase = StartPhase;
    int AxisPanel = 0;
    bool FirstFrame = true;
};

// What one tick of an axis timer asks of its window, in this order: draw the
// frame of `phase` with the rings as they now are, stop the timer, offer the
// next step, show the picture in third `panel`.
struct CubeTick {
    bool drawFrame = false;
    int phase = 0;
    bool stopTimer = false;
    bool stepCompleted = false;
    int panel = 0;
};

// The sequence of three steps played on the cube, free of any window: the
// schedule, the rings and the progress of each axis's animation.
class CubeSequence
{
public:
    // Back to the start cube, ready for step 1. Returns the axis of step 1,
    // whose first tick shows the start cube in the first third.
    CubeAxis restart();

    // Step k (1..3) begins; returns its axis, whose timer runs the step.
    CubeAxis startStep(int step);

    CubeTick tick(CubeAxis axis);

    // Phase units the running step has advanced, from StartPhase; a step of
    // n quarter turns ends when this passes StartPhase + n * QuarterTurn.
    int StepProgress = StartPhase;
    int CurrentStep = 1;
    bool Paused = false;
    CubeSchedule schedule;
    CubeRings rings;
    std::array<AxisAnimation, CubeAxisCount> axes;
};
