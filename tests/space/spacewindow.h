#pragma once

#include "space/tuncubo.h"

#include <QMdiArea>
#include <QPointer>

class QPushButton;

// A space window in a frame of its own, at the size a 1000 x 700 main
// window's client area gives it, shown and so activated once.
struct SpaceWindow {
    SpaceWindow();

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QPushButton *step(int k) const;
    bool arrowShown(int image) const;

    // Ticks the timer of an axis through its handler until the timer stops.
    int run(CubeAxis axis) const;

    // The picture shown in a third of the window, in image pixels.
    QImage third(int panel) const;

    // One frame drawn on its own, at the window's sizes and ratio.
    QImage frame(CubeAxis axis, int phase, const CubeRings &rings) const;

    QMdiArea area;
    QPointer<Tuncubo> window;
};
