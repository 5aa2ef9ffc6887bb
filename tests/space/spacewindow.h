#pragma once

#include "shell/ratioimage.h"
#include "shell/shellvalues.h"
#include "space/cubeframe.h"
#include "space/tuncubo.h"

#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

// A space window in a frame of its own, at the size a 1000 x 700 main
// window's client area gives it, shown and so activated once.
struct SpaceWindow {
    SpaceWindow()
    {
        Shell.ChildAreaWidth = 1000;
        Shell.ChildAreaHeight = 700;
        area.resize(1004, 704);
        window = new Tuncubo;
        area.addSubWindow(window);
        area.show();
        window->show();
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QPushButton *step(int k) const { return find<QPushButton>(QStringLiteral("BitBtn%1").arg(k)); }
    bool arrowShown(int image) const { return find(QStringLiteral("Image%1").arg(image))->isVisible(); }

    // Ticks the timer of an axis through its handler until the timer stops.
    int run(CubeAxis axis) const
    {
        const QString name = QStringLiteral("cadenza") + QLatin1Char("xyz"[axis]);
        const QTimer *timer = find<QTimer>(name);
        int ticks = 0;
        for (; timer->isActive() && ticks < 1000; ++ticks)
            QMetaObject::invokeMethod(window, qPrintable(name + QStringLiteral("Timer")), Qt::DirectConnection);
        return ticks;
    }

    // The picture shown in a third of the window, in image pixels.
    QImage third(int panel) const
    {
        const QSize client = window->clientSize();
        const QRect place(QPoint(client.width() * panel / 3, client.height() / 4), window->dimensions().bitmapSize);
        return window->canvas().copy(imageRect(window->canvas(), place));
    }

    // One frame drawn on its own, at the window's sizes and ratio.
    QImage frame(CubeAxis axis, int phase, const CubeRings &rings) const
    {
        QImage bitmap = newCubeBitmap(window->dimensions(), window->canvas().devicePixelRatio());
        drawCubeFrame(bitmap, axis, phase, rings, window->dimensions());
        return bitmap;
    }

    QMdiArea area;
    QPointer<Tuncubo> window;
};
