#pragma once

// Limits of a spin control. A wrapping spin steps past one end to the other,
// as the angle spins do, so a full turn can be dialled either way.
struct SpinRange {
    int minimum;
    int maximum;
    bool wraps = false;
};

// The position a spin control moves to when stepped `steps` times from
// `position` (negative steps go down).
int steppedPosition(int position, int steps, SpinRange range);

// A position brought inside the range, for values read from the store.
int boundedPosition(int position, SpinRange range);
