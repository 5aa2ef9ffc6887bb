#include "planeharness.h"

#include "plane/vertexlabels.h"
#include "shell/shellvalues.h"
#include "support/guitest.h"

#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

void pressOk(QWidget *dialog)
{
    dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
}

} // namespace

PlaneHarness::PlaneHarness()
{
    const QSize frameSize(1000, 700);
    const int textHeight = m_frame.fontMetrics().height();
    Shell.PanelHeight = 2 * textHeight;
    Shell.SmallControlHeight = textHeight + 4;
    Shell.ChildAreaWidth = frameSize.width() - 4;
    Shell.ChildAreaHeight = frameSize.height() - 4;
    m_frame.resize(frameSize);
    m_frame.show();
    m_window = new Tgeo;
    m_frame.addSubWindow(m_window);
    m_window->show();
}

QString PlaneHarness::messageLine() const
{
    return labelText("Label1") + (find<QWidget>("tcontinua")->isHidden() ? QString() : QStringLiteral(" [continua]"))
        + (find<QWidget>("tinversa")->isHidden() ? QString() : QStringLiteral(" [inversa]"));
}

QString PlaneHarness::controls() const
{
    QString text;
    for (const char *name : {"trasfuno", "trasfdue", "continua", "nuova", "inversa", "cancella", "Tabel", "czoom", "pnum"})
        text += find<QWidget>(name)->isEnabled() ? QLatin1Char('E') : QLatin1Char('D');
    return text + (button("sovra")->isEnabled() ? QLatin1Char('E') : QLatin1Char('D'));
}

bool PlaneHarness::textAt(QPoint at, const QString &text, QRgb colour) const
{
    const QFontMetrics metrics(m_window->canvasFont());
    QImage expected(metrics.horizontalAdvance(text), metrics.height(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    painter.setFont(m_window->canvasFont());
    painter.setPen(QColor(colour));
    painter.drawText(0, metrics.ascent(), text);
    painter.end();
    return m_window->canvas().copy(QRect(at, expected.size())) == expected;
}

bool PlaneHarness::lettersAt(const QList<QPointF> &vertices, QRgb colour, const QString &suffix) const
{
    const ScreenMapping &map = m_window->mapping();
    FigurePoints points;
    int count = 0;
    for (const QPointF &v : vertices) {
        points.x[count] = float(map.workingX(v.x()));
        points.y[count++] = float(map.workingY(v.y()));
    }
    const QFontMetrics metrics(m_window->canvasFont());
    const LabelPositions labels =
        vertexLabelPositions(points, count, metrics.horizontalAdvance(QStringLiteral("A")), metrics.height());
    for (int i = 0; i < count; ++i)
        if (!textAt(map.fromWorking(labels.x[i], labels.y[i]), QString(QChar(u'A' + i)) + suffix, colour))
            return false;
    return true;
}

void PlaneHarness::confirmFigure()
{
    GuiTest::whenModalOpens(pressOk);
    button("nuova")->click();
}

void PlaneHarness::confirmKind(int slot, int kind)
{
    GuiTest::whenModalOpens(pressOk);
    choose(slot == 1 ? "trasfuno" : "trasfdue", kind);
}

bool PlaneHarness::frame(int kind)
{
    // The timer and handler of each kind; the symmetry and the affinity are
    // drawn at once by `continua`.
    static const struct {
        const char *timer;
        void (Tgeo::*handler)();
    } steps[] = {{"traslazione", &Tgeo::traslazioneTimer}, {"rotazione", &Tgeo::rotazioneTimer}, {nullptr, nullptr},
                 {"omotetia", &Tgeo::omotetiaTimer},       {"dilatazione", &Tgeo::dilatazioneTimer},
                 {"inclinazione", &Tgeo::inclinazioneTimer}, {nullptr, nullptr}};
    const auto &step = steps[kind];
    if (!step.timer || !find<QTimer>(step.timer)->isActive())
        return false;
    (m_window->*step.handler)();
    return true;
}

int PlaneHarness::runStep(int kind)
{
    int events = 0;
    while (frame(kind))
        ++events;
    return std::max(events - 1, 0);
}

void setFigure(int type, std::initializer_list<QPoint> vertices)
{
    TransformSettings.SelectedFigureType = quint8(type);
    TransformSettings.FigureIsCircle = type == 4;
    int i = 0;
    for (const QPoint &vertex : vertices) {
        TransformSettings.FigureX[i] = vertex.x();
        TransformSettings.FigureY[i++] = vertex.y();
    }
}

void setTranslation(int slot, int dx, int dy, bool vector)
{
    TransformSettings.TranslationDX[slot] = dx;
    TransformSettings.TranslationDY[slot] = dy;
    TransformSettings.ShowTranslationVector[slot] = vector;
}

void setRotation(int slot, int angle, int cx, int cy)
{
    TransformSettings.RotationAngle[slot] = angle;
    TransformSettings.RotationCentreX[slot] = cx;
    TransformSettings.RotationCentreY[slot] = cy;
}

QStringList recordedTexts(int stage, int vertices)
{
    QStringList texts;
    for (int v = 0; v < vertices; ++v)
        texts << TransformSettings.VertexTextX[v][stage] + u';' + TransformSettings.VertexTextY[v][stage];
    return texts;
}
