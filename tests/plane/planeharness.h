#pragma once

#include "plane/tgeo.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QSpinBox>
#include <QToolButton>

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

// A workspace in a 1000 x 700 frame, driven by objectName. It assigns the
// start values on creation: set the store after it exists.
class PlaneHarness
{
public:
    PlaneHarness();
    ~PlaneHarness() { delete m_window; }

    Tgeo *window() const { return m_window; }
    template<typename Control>
    Control *find(const char *name) const { return m_window->findChild<Control *>(QString::fromLatin1(name)); }
    QToolButton *button(const char *name) const { return find<QToolButton>(name); }
    QComboBox *combo(const char *name) const { return find<QComboBox>(name); }
    QString labelText(const char *name) const { return find<QLabel>(name)->text(); }
    // The red message, with the button pictures shown after it.
    QString messageLine() const;
    // E or D for each control in the lesson table's order, then `sovra`.
    QString controls() const;

    QPoint origin() const { return QPoint(m_window->mapping().originX(), m_window->mapping().originY()); }
    QRgb pixel(QPoint at) const { return m_window->canvasPixel(at) & 0xFFFFFF; }
    // The screen point of a grid point at the present scale.
    QPoint screen(double x, double y) const { return m_window->mapping().fromGrid(x, y); }
    // Whether the canvas shows `text` at `at` in `colour` on black.
    bool textAt(QPoint at, const QString &text, QRgb colour) const;
    // Whether A, B, ... of these vertices stand where the label rule puts them.
    bool lettersAt(const QList<QPointF> &vertices, QRgb colour, const QString &suffix = QString()) const;

    // `nuova` pressed and the figure dialog confirmed with the store's figure.
    void confirmFigure();
    // `kind` chosen for `slot` and its dialog confirmed with the store's values.
    void confirmKind(int slot, int kind);
    void setTransformations(int count) { find<QSpinBox>("pnum")->setValue(count); }
    // Two transformations: the figure, then `first` and `second` confirmed.
    void confirmTwoSteps(int first, int second)
    {
        setTransformations(2);
        confirmFigure();
        confirmKind(1, first);
        confirmKind(2, second);
    }
    // An item chosen in a combo box as the user chooses it.
    void choose(const char *comboName, int item)
    {
        combo(comboName)->setCurrentIndex(item);
        emit combo(comboName)->activated(item);
    }
    // One timer event handled; false when the timer is off or the kind has none.
    bool frame(int kind);
    // Frames drawn until the step ends (the event that ends it draws none).
    int runStep(int kind);
    // `continua` pressed and the step it starts run to its end.
    int continueStep(int kind)
    {
        button("continua")->click();
        return runStep(kind);
    }
    // A new figure with `kind` in slot 1, and `continua`, run to its end.
    int runLesson(int kind)
    {
        confirmFigure();
        confirmKind(1, kind);
        return continueStep(kind);
    }

private:
    QMdiArea m_frame;
    QPointer<Tgeo> m_window;
};

// `type` 0..3 with its vertices, or a circle (4): centre, then (radius, radius).
void setFigure(int type, std::initializer_list<QPoint> vertices);
void setTranslation(int slot, int dx, int dy, bool vector = false);
void setRotation(int slot, int angle, int cx, int cy);
// The coordinates recorded for `stage`, as "x;y" per vertex.
QStringList recordedTexts(int stage, int vertices);
