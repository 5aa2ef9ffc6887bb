#include "spacewindow.h"

#include "shell/shellvalues.h"

#include <QPushButton>
#include <QTimer>

SpaceWindow::SpaceWindow()
{
    Shell.ChildAreaWidth = 1000;
    Shell.ChildAreaHeight = 700;
    area.resize(1004, 704);
    window = new Tuncubo;
    area.addSubWindow(window);
    area.show();
    window->show();
}

QPushButton *SpaceWindow::step(int k) const
{
    return find<QPushButton>(QStringLiteral("BitBtn%1").arg(k));
}

bool SpaceWindow::arrowShown(int image) const
{
    return find(QStringLiteral("Image%1").arg(image))->isVisible();
}

int SpaceWindow::run(CubeAxis axis) const
{
    const QString name = QStringLiteral("cadenza") + QLatin1Char("xyz"[axis]);
    const QTimer *timer = find<QTimer>(name);
    int ticks = 0;
    for (; timer->isActive() && ticks < 1000; ++ticks)
        QMetaObject::invokeMethod(window, qPrintable(name + QStringLiteral("Timer")), Qt::DirectConnection);
    return ticks;
}

QImage SpaceWindow::third(int panel) const
{
    const QSize client = window->clientSize();
    const QRect place(QPoint(client.width() * panel / 3, client.height() / 4), window->dimensions().bitmapSize);
    return window->canvas().copy(imageRect(window->canvas(), place));
}

QImage SpaceWindow::frame(CubeAxis axis, int phase, const CubeRings &rings) const
{
    QImage bitmap = newCubeBitmap(window->dimensions(), window->canvas().devicePixelRatio());
    drawCubeFrame(bitmap, axis, phase, rings, window->dimensions());
    return bitmap;
}
