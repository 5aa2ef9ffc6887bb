#pragma once

#include "plane/steppreparation.h"

#include <QString>

// When the workspace's frames come, never what they are: the speeds a
// teacher can pick, the timer interval each gives, and where a paused step
// stands. Every frame is still the kind's own pure function of the prepared
// values, so a step paused, stepped and resumed at any speed ends exactly as
// one run straight through.
namespace AnimationTransport {

// ×0.25, ×0.5, ×1, ×2 and ×4: halving and doubling, so a speed is found
// again by counting presses. ×1 gives the nominal intervals.
inline constexpr int SpeedCount = 5;
inline constexpr int NormalSpeed = 2;

// The interval of a timer whose nominal one is `nominalMs` at speed
// `speed`, rounded to whole milliseconds (ties to even), as a timer counts:
// 50 ms at ×4 is 12, the shear's 2 ms at ×0.25 is 8.
int interval(int nominalMs, int speed);
// The timers' intervals at ×1: every animation's 50 ms, and the shear's
// 2 ms, which is over before anyone sees it.
inline constexpr int FrameInterval = 50;
inline constexpr int ShearInterval = 2;

// "×0.25" to "×4".
QString speedText(int speed);
int faster(int speed);
int slower(int speed);

// Whether `kind` runs frame by frame on a timer; symmetry and affinity are
// drawn at once and have nothing to pause.
bool animated(int kind);
// The end test and the step from one frame to the next of an animated kind.
bool ended(int kind, const StepValues &values, const SlotParameters &parameters);
void advance(int kind, StepValues &values, const SlotParameters &parameters);

// Where a step stands once `shown` of its frames are on the screen: "22/91"
// and the value the last one reached, in the units a teacher talks in (the
// angle, k, the two factors, the shear's amount, the share of the vector).
struct Readout {
    QString frames;
    QString value;
};
Readout readout(int kind, const StepValues &prepared, const SlotParameters &parameters, int shown);

} // namespace AnimationTransport
