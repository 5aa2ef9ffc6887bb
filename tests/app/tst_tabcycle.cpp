#include "app/tnumeria.h"
#include "calc/tcalcola.h"
#include "dialogs/taffina.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tdilatazioni.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tgeorota.h"
#include "dialogs/tgeosim.h"
#include "dialogs/tgeotrasla.h"
#include "dialogs/tinclinazioni.h"
#include "info/tinfo.h"
#include "info/tnote.h"
#include "info/tversione.h"
#include "lang/languagetables.h"
#include "plane/tgeo.h"
#include "plane/tgeotab.h"
#include "shell/shellvalues.h"
#include "space/tcuborot.h"
#include "space/tuncubo.h"
#include "plane/planeharness.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <memory>

namespace {

enum class Window {
    Workspace,
    WorkspaceContinua, // the message line ends in the continua picture
    WorkspaceInversa,  // and, during the second step, in the inversa one
    Cube,
    CubeDialog,
    Calculator,
    Coordinates,
    Translation,
    Rotation,
    Symmetry,
    Homothety,
    Dilation,
    Shear,
    Affinity,
    DataTable,
    Information,
    Notes,
    FileError,
};

// Qt's own parts of a composite control (the text of a spin or a combo box,
// a tool bar's extension button) take focus through their owner.
bool partOfComposite(const QWidget *widget, const QWidget *window)
{
    if (widget->objectName().startsWith(u"qt_"_qs))
        return true;
    for (const QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<const QAbstractSpinBox *>(up) || qobject_cast<const QComboBox *>(up))
            return true;
    return false;
}

// The kinds of control a user works. A read-only single-line field only shows
// a value that the spin beside it sets (or the calculator's result, which the
// program puts there): the spin is the stop, not the field.
bool worksWithKeys(const QWidget *widget)
{
    if (qobject_cast<const QScrollBar *>(widget))
        return false; // part of the memo it scrolls
    if (const auto *field = qobject_cast<const QLineEdit *>(widget))
        return !field->isReadOnly();
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSlider *>(widget)
        || qobject_cast<const QTabBar *>(widget) || qobject_cast<const QPlainTextEdit *>(widget)
        || qobject_cast<const QTextEdit *>(widget);
}

// The items of one exclusive choice (radio items, the calculator's angle
// units) form one stop: Tab reaches the chosen one, the arrow keys the rest.
const QObject *stopOf(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget); button && button->group()
        && button->group()->exclusive())
        return button->group();
    if (const auto *radio = qobject_cast<const QRadioButton *>(widget)) {
        if (radio->group())
            return radio->group();
        if (radio->autoExclusive())
            return radio->parent();
    }
    return widget;
}

QString describe(const QWidget *widget)
{
    const QString name = widget->objectName();
    if (!name.isEmpty())
        return name;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return QString::fromLatin1(widget->metaObject()->className()) + u" \""_qs + button->text() + u'"';
    return QString::fromLatin1(widget->metaObject()->className());
}

QWidget *firstStop(QWidget *window)
{
    for (QWidget *next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain())
        if (window->isAncestorOf(next) && next->isVisible() && next->isEnabled()
            && (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            return next;
    return nullptr;
}

struct Cycle
{
    QList<QWidget *> visited;
    bool closed = false; // focus came back to where it started
};

// Focus on `first`, then Tab until it comes back, as the user presses it.
Cycle tabFrom(QWidget *first)
{
    Cycle cycle;
    first->setFocus(Qt::TabFocusReason);
    // A control that hands its focus on (a page control to its tab bar)
    // starts the cycle with the one that takes it.
    first = QApplication::focusWidget();
    if (!first)
        return cycle;
    cycle.visited.append(first);
    for (int press = 0; press < 400; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        if (now == first) {
            cycle.closed = true;
            break;
        }
        if (!now || cycle.visited.contains(now))
            break; // caught in a loop that skips the start, or focus lost
        cycle.visited.append(now);
    }
    return cycle;
}

// The controls of `window` that Tab never reached.
QStringList unreached(const QWidget *window, const QList<QWidget *> &visited)
{
    QSet<const QObject *> reached;
    for (const QWidget *widget : visited)
        reached.insert(stopOf(widget));
    QStringList missing;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible() || !widget->isEnabled() || partOfComposite(widget, window) || !worksWithKeys(widget))
            continue;
        if (!reached.contains(stopOf(widget)))
            missing.append(describe(widget));
    }
    return missing;
}

// A translation then a rotation, the kinds confirmed; with `secondStep`
// the first step is run and the second begun.
void startTwoStepLesson(PlaneHarness &plane, bool secondStep)
{
    setFigure(1, {{1, 0}, {2, 2}});
    setTranslation(1, 3, 0);
    setRotation(2, 90, 0, 0);
    plane.confirmTwoSteps(Traslazione, Rotazione);
    if (!secondStep)
        return;
    plane.continueStep(Traslazione);
    plane.button("continua")->click();
}

void activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window->window());
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestTabCycle : public QObject
{
    Q_OBJECT

private slots:
    void everyControlInTheCycle_data()
    {
        QTest::addColumn<Window>("which");
        QTest::addColumn<int>("fewestStops");
        QTest::newRow("workspace Tgeo") << Window::Workspace << 7;
        QTest::newRow("workspace Tgeo, tcontinua shown") << Window::WorkspaceContinua << 8;
        QTest::newRow("workspace Tgeo, tinversa shown") << Window::WorkspaceInversa << 6;
        QTest::newRow("cube window Tuncubo") << Window::Cube << 4;
        QTest::newRow("cube dialog Tcuborot") << Window::CubeDialog << 15;
        QTest::newRow("calculator TCalcola") << Window::Calculator << 10;
        QTest::newRow("figure Tcoordinate") << Window::Coordinates << 6;
        QTest::newRow("translation Tgeotrasla") << Window::Translation << 6;
        QTest::newRow("rotation Tgeorota") << Window::Rotation << 7;
        QTest::newRow("symmetry Tgeosim") << Window::Symmetry << 4;
        QTest::newRow("homothety Tgeomot") << Window::Homothety << 6;
        QTest::newRow("dilation Tdilatazioni") << Window::Dilation << 5;
        QTest::newRow("shear Tinclinazioni") << Window::Shear << 5;
        QTest::newRow("affinity Taffina") << Window::Affinity << 9;
        QTest::newRow("data table Tgeotab") << Window::DataTable << 2;
        QTest::newRow("information Tinfo") << Window::Information << 3;
        QTest::newRow("notes Tnote") << Window::Notes << 2;
        QTest::newRow("file error Tversione") << Window::FileError << 1;
    }

    void everyControlInTheCycle()
    {
        QFETCH(Window, which);
        QFETCH(int, fewestStops);
        GuiTest::Fixture fixture;
        std::unique_ptr<PlaneHarness> plane;
        QMdiArea frame;
        std::unique_ptr<QWidget> owned;
        QWidget *window = nullptr;
        CubeSchedule schedule;
        CubeDialogHints hints;
        switch (which) {
        case Window::Workspace:
            plane = std::make_unique<PlaneHarness>();
            plane->confirmFigure();
            window = plane->window();
            break;
        case Window::WorkspaceContinua:
        case Window::WorkspaceInversa:
            plane = std::make_unique<PlaneHarness>();
            startTwoStepLesson(*plane, which == Window::WorkspaceInversa);
            QVERIFY(plane->isShown(which == Window::WorkspaceInversa ? "tinversa" : "tcontinua"));
            window = plane->window();
            break;
        case Window::Cube: {
            // The window takes the size of the main window's client area.
            Shell.ChildAreaWidth = 996;
            Shell.ChildAreaHeight = 696;
            frame.resize(1000, 700);
            frame.show();
            auto *cube = new Tuncubo;
            frame.addSubWindow(cube);
            window = cube;
            break;
        }
        case Window::CubeDialog: owned = std::make_unique<Tcuborot>(schedule, hints); break;
        case Window::Calculator: owned = std::make_unique<TCalcola>(); break;
        case Window::Coordinates: owned = std::make_unique<Tcoordinate>(); break;
        case Window::Translation: owned = std::make_unique<Tgeotrasla>(); break;
        case Window::Rotation: owned = std::make_unique<Tgeorota>(); break;
        case Window::Symmetry: owned = std::make_unique<Tgeosim>(); break;
        case Window::Homothety: owned = std::make_unique<Tgeomot>(); break;
        case Window::Dilation: owned = std::make_unique<Tdilatazioni>(); break;
        case Window::Shear: owned = std::make_unique<Tinclinazioni>(); break;
        case Window::Affinity: owned = std::make_unique<Taffina>(); break;
        case Window::DataTable: owned = std::make_unique<Tgeotab>(2, u"a"_qs, u"b"_qs); break;
        case Window::Information: owned = std::make_unique<Tinfo>(); break;
        case Window::Notes: owned = std::make_unique<Tnote>(); break;
        case Window::FileError: owned = std::make_unique<Tversione>(u"/nowhere/lingua.lng"_qs); break;
        }
        if (owned) {
            // The calculator deletes itself on closing; the test owns it here.
            owned->setAttribute(Qt::WA_DeleteOnClose, false);
            window = owned.get();
        }
        activate(window);
        QVERIFY(QTest::qWaitForWindowActive(window->window()));

        QWidget *first = firstStop(window);
        QVERIFY2(first, "no control takes focus with Tab");
        const Cycle cycle = tabFrom(first);
        QStringList visited;
        for (const QWidget *widget : cycle.visited)
            visited.append(describe(widget));
        QVERIFY2(cycle.closed, qPrintable(u"Tab never came back to "_qs + describe(first) + u" after "_qs
                                          + visited.join(u", "_qs)));
        QVERIFY2(unreached(window, cycle.visited).isEmpty(),
                 qPrintable(u"unreached: "_qs + unreached(window, cycle.visited).join(u", "_qs) + u"; cycle: "_qs
                            + visited.join(u", "_qs)));
        QVERIFY2(cycle.visited.size() >= fewestStops, qPrintable(visited.join(u", "_qs)));
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }
};

QTEST_MAIN(TestTabCycle)
#include "tst_tabcycle.moc"
