#pragma once

#include "plane/tgeo.h"

#include <QMdiArea>
#include <QPointer>

class QComboBox;
class QToolButton;

// The design's colours, written out here so that a wrong entry in the code's
// palette shows.
namespace Colour {
constexpr QRgb Black = 0x000000;
constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Silver = 0xC0C0C0;
constexpr QRgb Grey = 0x808080;
constexpr QRgb Aqua = 0x00FFFF;
constexpr QRgb Lime = 0x00FF00;
constexpr QRgb Red = 0xFF0000;
} // namespace Colour

// A workspace window inside a 1000 x 700 frame, as the main window holds it,
// driven through its controls by objectName. Create it inside a
// GuiTest::Fixture: the window assigns the lesson's start values on creation,
// so a test sets the store after this harness exists.
class PlaneHarness
{
public:
    PlaneHarness();
    ~PlaneHarness();

    Tgeo *window() const { return m_window; }
    QToolButton *button(const char *name) const;
    QComboBox *combo(const char *name) const;
    QString labelText(const char *name) const;
    bool isShown(const char *name) const;
    // The red message, with the button pictures shown after it.
    QString messageLine() const;
    // The enabling of the controls in the order of the lesson's table, then
    // `sovra`: E enabled, D disabled.
    QString controls() const;

    QPoint origin() const;
    QRgb pixel(QPoint at) const;
    // The screen point of a grid point at the present scale.
    QPoint screen(double x, double y) const;
    // Whether the canvas shows `text` with its top-left corner at `at`, in
    // `colour` on black, exactly as the canvas writes it.
    bool textAt(QPoint at, const QString &text, QRgb colour) const;
    // Whether the letters A, B, ... of a figure with these vertices (grid
    // units) are written in `colour` where the label rule puts them.
    bool lettersAt(std::initializer_list<QPointF> vertices, QRgb colour, const QString &suffix = QString()) const;

    // `nuova` pressed and the figure dialog confirmed with the store's figure.
    void confirmFigure();
    // `kind` chosen in the combo box of `slot` and its dialog confirmed with
    // the store's values of that slot.
    void confirmKind(int slot, int kind);
    // The number of transformations set in `pnum`.
    void setTransformations(int count);
    // Two transformations, the figure confirmed, then `first` in slot 1 and
    // `second` in slot 2, each with the store's values.
    void confirmTwoSteps(int first, int second);
    // An item chosen in a combo box as the user chooses it.
    void choose(const char *comboName, int item);
    // The timer's handler called until the step ends; returns the number of
    // frames drawn (the event that ends the step draws none). The kinds
    // drawn at once have ended with `continua`: 0.
    int runStep(int kind);
    // One event of the running step's timer, handled; false when the timer
    // is off (or the kind has none).
    bool frame(int kind);
    // `continua` pressed and the step it starts run to its end; the frames
    // drawn, as runStep counts them.
    int continueStep(int kind);
    // A new figure with `kind` in slot 1, and `continua`; the step is run to
    // its end in figure mode. Returns the frames drawn.
    int runLesson(int kind);
    void moveMouse(QPoint at);

private:
    QMdiArea m_frame;
    QPointer<Tgeo> m_window;
};

// The store's figure: `type` 0..3 with its vertices, or a circle (type 4)
// with centre and radius in the first two entries.
void setFigure(int type, std::initializer_list<QPoint> vertices);
void setTranslation(int slot, int dx, int dy, bool vector = false);
void setRotation(int slot, int angle, int cx, int cy);
// The coordinates recorded for `stage`, as "x;y" per vertex.
QStringList recordedTexts(int stage, int vertices);
