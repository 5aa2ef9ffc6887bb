#include "plane/tgeo.h"

#include "info/tnote.h"
#include "lang/languagetables.h"
#include "plane/lightboard.h"
#include "shell/helpcontexts.h"
#include "shell/helpviewer.h"
#include "shell/hintswitch.h"
#include "shell/shellvalues.h"
#include "transform/transformsettings.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolBar>

Tgeo::Tgeo(QWidget *parent)
    : MdiChildWindow(Shell.PlaneWindowClosed, parent)
    , m_surface(new QWidget)
{
    setObjectName(QStringLiteral("geo"));
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(LongTexts.text(2));
    setWidget(m_surface);
    // The canvas covers the whole client area, so Qt need not clear it first.
    m_surface->setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface->setMouseTracking(true);
    m_surface->setAccessibleName(noticeText(DrawingName));
    m_surface->installEventFilter(this);

    createControls();
    setGeometry(0, 0, Shell.ChildAreaWidth, Shell.ChildAreaHeight);
    m_hints = new HintSwitch(this, Shell.MainShowHints);
    mostra->setChecked(Shell.MainShowHints);

    applyWorkspaceStartValues(Shell.MainShowHints);
    applyFlow();
    connect(this, &QMdiSubWindow::aboutToActivate, this, &Tgeo::FormActivate);
}

bool Tgeo::event(QEvent *event)
{
    const bool handled = MdiChildWindow::event(event);
    // The client area's size is known once the frame has adopted the window
    // (or, shown on its own, once it is shown); nothing is drawn before.
    if ((event->type() == QEvent::ParentChange && parentWidget()) || event->type() == QEvent::Show)
        finishCreation();
    return handled;
}

bool Tgeo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *receiver = static_cast<QWidget *>(watched);
        // Only keys meant for this window: a dialog or an open list is
        // another window and keeps its keys.
        if ((receiver == this || isAncestorOf(receiver)) && !QApplication::activeModalWidget()) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (kindBoxKey(watched, key) || transportKey(key))
                return true;
        }
    }
    if (watched == m_surface) {
        if (event->type() == QEvent::Paint && m_blank) {
            QPainter(m_surface).fillRect(m_surface->rect(), QColor(*m_blank));
            return true;
        }
        if (event->type() == QEvent::Paint && viewMoved()) {
            QPainter painter(m_surface);
            paintView(painter, static_cast<QPaintEvent *>(event)->region());
            return true;
        }
        if (event->type() == QEvent::Paint) {
            QPainter painter(m_surface);
            const QRect canvas(QPoint(), m_canvas.size());
            // Frames change scattered cells: each is copied alone.
            for (const QRect &exposed : static_cast<QPaintEvent *>(event)->region()) {
                if (!canvas.contains(exposed))
                    painter.fillRect(exposed, QColor(m_lightBoard ? LightBoard::colour(PlaneColour::Black) : 0xFF000000));
                // The source rectangle is in image pixels, the target in ours.
                const QRect source = m_canvas.imageRect(exposed);
                if (m_lightBoard || m_thickLines)
                    painter.drawImage(exposed.topLeft(), shownPart(source));
                else
                    painter.drawImage(exposed.topLeft(), m_canvas.image(), source);
            }
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            FormMouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
            return false;
        }
    }
    return MdiChildWindow::eventFilter(watched, event);
}

QImage Tgeo::shownPart(const QRect &source) const
{
    QImage part = m_thickLines ? LightBoard::thickened(m_canvas.image(), source) : m_canvas.image().copy(source);
    return m_lightBoard ? LightBoard::recoloured(part) : part;
}

void Tgeo::FormActivate()
{
    if (!m_created)
        return;
    // Only the grid and the axes: the figure and the results come back with
    // the next frame, drawn over the background, or with `cancella`.
    drawStaticScene();
    present();
}

void Tgeo::FormMouseMove(QPoint position)
{
    // The readout names the point of the plane under the mouse, wherever
    // the view shows it.
    const QPointF program = m_viewOrigin + QPointF(position) / m_magnification;
    Label5->setText(m_map.readout(viewMoved() ? program.toPoint() : position));
}

void Tgeo::mostraClick()
{
    m_hints->toggle(mostra);
}

void Tgeo::piattoClick()
{
    for (QToolBar *bar : {ToolBar1, ToolBar2, ToolBar3, ToolBar4, ToolBar8})
        setToolBarFlat(bar, !bar->property("flat").toBool());
    Shell.FlatToolbars = ToolBar1->property("flat").toBool();
    piatto->setChecked(Shell.FlatToolbars);
}

void Tgeo::aiutoClick()
{
    HelpViewer::showTopic(HelpContext::PlaneWindow);
}

void Tgeo::memoClick()
{
    Tnote notes(this);
    notes.exec();
}
