#include "planeharness.h"

#include "app/shellvalues.h"
#include "support/guitest.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void pressOk(QWidget *dialog)
{
    dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
}

} // namespace

PlaneHarness::PlaneHarness(QSize frameSize)
{
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

PlaneHarness::~PlaneHarness()
{
    delete m_window;
}

QToolButton *PlaneHarness::button(const char *name) const
{
    return m_window->findChild<QToolButton *>(QString::fromLatin1(name));
}

QComboBox *PlaneHarness::combo(const char *name) const
{
    return m_window->findChild<QComboBox *>(QString::fromLatin1(name));
}

QTimer *PlaneHarness::timer(const char *name) const
{
    return m_window->findChild<QTimer *>(QString::fromLatin1(name));
}

QString PlaneHarness::labelText(const char *name) const
{
    return m_window->findChild<QLabel *>(QString::fromLatin1(name))->text();
}

bool PlaneHarness::isShown(const char *name) const
{
    return !m_window->findChild<QWidget *>(QString::fromLatin1(name))->isHidden();
}

QPoint PlaneHarness::origin() const
{
    return QPoint(m_window->mapping().originX(), m_window->mapping().originY());
}

QRgb PlaneHarness::pixel(QPoint at) const
{
    return m_window->canvas().pixel(at) & 0xFFFFFF;
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

QPoint PlaneHarness::screen(double x, double y) const
{
    return m_window->mapping().fromGrid(x, y);
}

void PlaneHarness::chooseZoom(int item)
{
    QComboBox *zoom = combo("czoom");
    zoom->setCurrentIndex(item);
    emit zoom->activated(item);
}

void PlaneHarness::moveMouse(QPoint at)
{
    QWidget *surface = m_window->widget();
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
}

void PlaneHarness::confirmFigure()
{
    GuiTest::whenModalOpens(pressOk);
    button("nuova")->click();
}

void PlaneHarness::confirmKind(int slot, int kind)
{
    QComboBox *box = combo(slot == 1 ? "trasfuno" : "trasfdue");
    box->setCurrentIndex(kind);
    GuiTest::whenModalOpens(pressOk);
    emit box->activated(kind);
}

int PlaneHarness::runStep(const char *timerName)
{
    QTimer *running = timer(timerName);
    const QMetaObject *meta = m_window->metaObject();
    const QByteArray handler = QByteArray(timerName) + "Timer";
    int events = 0;
    while (running->isActive()) {
        meta->invokeMethod(m_window, handler.constData());
        ++events;
    }
    return events - 1;
}

void setFigure(int type, std::initializer_list<QPoint> vertices)
{
    TransformSettingsValues &s = TransformSettings;
    s.SelectedFigureType = quint8(type);
    s.FigureIsCircle = type == 4;
    int i = 0;
    for (const QPoint &vertex : vertices) {
        s.FigureX[i] = vertex.x();
        s.FigureY[i] = vertex.y();
        ++i;
    }
}
