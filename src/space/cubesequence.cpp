#include "space/cubesequence.h"

CubeAxis CubeSequence::restart()
{
    for (AxisAnimation &axis : axes) {
        axis.FirstFrame = true;
        axis.AxisPhase = StartPhase;
    }
    rings = CubeRings{};
    StepProgress = StartPhase;
    CurrentStep = 1;
    const CubeAxis first = schedule.StepAxis[0];
    axes[first].AxisPanel = 0;
    return first;
}

CubeAxis CubeSequence::startStep(int step)
{
    CurrentStep = step;
    const CubeAxis axis = schedule.StepAxis[step - 1];
    AxisAnimation &animation = axes[axis];
    animation.AxisPhase = StartPhase;
    animation.AxisPanel = step - 1;
    // Also for step 1: had the start cube's tick not come yet, it would
    // otherwise take the step's first tick and stop the step there.
    animation.FirstFrame = false;
    return axis;
}

CubeTick CubeSequence::tick(CubeAxis axis)
{
    AxisAnimation &animation = axes[axis];
    CubeTick tick;
    if (!Paused) {
        const int turns = schedule.StepTurns[CurrentStep - 1];
        const bool clockwise = schedule.StepClockwise[CurrentStep - 1];
        // Frames run from StartPhase to StartPhase + turns * QuarterTurn both
        // included: 50 n + 1 of them, one for a step of no turns.
        if (StepProgress != StartPhase + turns * QuarterTurn + PhaseStep) {
            tick.drawFrame = true;
            tick.phase = animation.AxisPhase;
            animation.AxisPhase = nextPhase(animation.AxisPhase, clockwise);
            if (animation.FirstFrame) {
                animation.FirstFrame = false;
                tick.stopTimer = true;
            } else {
                StepProgress += PhaseStep;
            }
        } else {
            StepProgress = StartPhase;
            ApplyQuarterTurns(rings, axis, turns, clockwise);
            tick.stopTimer = true;
            tick.stepCompleted = true;
            // The result of a step is shown at once in the next third too,
            // where the next step will start from it.
            if (CurrentStep < StepCount) {
                for (AxisAnimation &each : axes)
                    each.AxisPanel = CurrentStep;
            }
        }
    }
    tick.panel = animation.AxisPanel;
    return tick;
}
