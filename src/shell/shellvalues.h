#pragma once

// Program-wide values of the application shell, read by every window.
struct ShellValues {
    bool MainShowHints = true;
    bool FlatToolbars = true;
    bool PlaneWindowClosed = true;
    bool SpaceWindowClosed = true;
    int ChildAreaWidth = 0;
    int ChildAreaHeight = 0;
    int PanelHeight = 0;        // bottom panels of the child windows
    int SmallControlHeight = 0; // small controls in those panels
};

extern ShellValues Shell;

void resetShellValues();
