#include "shell/shellvalues.h"

ShellValues Shell;

void resetShellValues()
{
    Shell = ShellValues{};
}
