#pragma once

#include "plane/tgeo.h"

#include <QMdiArea>
#include <QPointer>

class QComboBox;
class QTimer;
class QToolButton;

// A workspace window inside a frame of a fixed size, as the main window
// holds it, driven through its controls by objectName. Create it inside a
// GuiTest::Fixture: the window assigns the lesson's start values on creation,
// so a test sets the store after this harness exists.
class PlaneHarness
{
public:
    explicit PlaneHarness(QSize frameSize = QSize(1000, 700));
    ~PlaneHarness();

    Tgeo *window() const { return m_window; }
    QToolButton *button(const char *name) const;
    QComboBox *combo(const char *name) const;
    QTimer *timer(const char *name) const;
    QString labelText(const char *name) const;
    bool isShown(const char *name) const;

    QPoint origin() const;
    QRgb pixel(QPoint at) const;
    QRgb pixel(int x, int y) const { return pixel(QPoint(x, y)); }

    // Whether the canvas shows `text` with its top-left corner at `at`, in
    // `colour` on black, exactly as the canvas writes it.
    bool textAt(QPoint at, const QString &text, QRgb colour) const;
    // The screen point of a grid point at the present scale.
    QPoint screen(double x, double y) const;

    // `nuova` pressed and the figure dialog confirmed with the store's
    // figure as set by the caller.
    void confirmFigure();
    // The kind chosen in `trasfuno` (slot 1) or `trasfdue` (slot 2) and its
    // dialog confirmed with the store's values of that slot.
    void confirmKind(int slot, int kind);
    // The timer's handler called until the step ends; returns the number of
    // frames drawn (the event that ends the step draws none).
    int runStep(const char *timerName);
    // A scale chosen in `czoom` as the user chooses it.
    void chooseZoom(int item);
    // The mouse moved over the client area.
    void moveMouse(QPoint at);

private:
    QMdiArea m_frame;
    QPointer<Tgeo> m_window;
};

// The store's figure: `type` 0..3 with its vertices, or a circle (type 4)
// with centre and radius in the first two entries.
void setFigure(int type, std::initializer_list<QPoint> vertices);
