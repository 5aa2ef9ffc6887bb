#pragma once

#include "app/mdichildwindow.h"

// The plane workspace: a figure on a Cartesian plane carried through one or
// two transformations.
class Tgeo : public MdiChildWindow
{
    Q_OBJECT

public:
    explicit Tgeo(QWidget *parent = nullptr);
};
