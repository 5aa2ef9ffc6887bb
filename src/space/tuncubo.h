#pragma once

#include "app/mdichildwindow.h"

// The space-rotation window: a coloured cube turned in quarter turns about
// x, y and z, to show that rotations in space do not commute.
class Tuncubo : public MdiChildWindow
{
    Q_OBJECT

public:
    explicit Tuncubo(QWidget *parent = nullptr);
};
