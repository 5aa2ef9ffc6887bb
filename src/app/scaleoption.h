#pragma once

#include <QString>

// `--scale F` of the command line: the factor by which the windows are
// enlarged, 1 to 3, for a classroom projector.
namespace ScaleOption {

struct Result
{
    bool given = false;
    double factor = 1;
    QString error; // empty when the command line can be read
};

Result read(int argc, char *argv[]);

// Asks Qt to enlarge every window, font and picture by `factor`. Must run
// before the application object exists: Qt reads it only then.
void apply(double factor);

} // namespace ScaleOption
