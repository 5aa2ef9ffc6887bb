#include "app/shellvalues.h"

ShellValues Shell;

void resetShellValues()
{
    Shell = ShellValues{};
}
