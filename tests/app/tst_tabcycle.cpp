#include "everydialog.h"

#include "info/tnote.h"
#include "info/tversione.h"
#include "plane/planeharness.h"
#include "shell/shellvalues.h"
#include "space/tuncubo.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

namespace {

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

} // namespace

class TestTabCycle : public QObject
{
    Q_OBJECT

private slots:
    // Rows named as EveryDialog names its dialogs, or one of the windows below.
    void everyControlInTheCycle_data()
    {
        QTest::addColumn<int>("fewestStops");
        const std::pair<const char *, int> rows[] = {
            {"workspace", 7}, {"workspace, tcontinua shown", 8}, {"workspace, tinversa shown", 6},
            {"cube window", 4}, {"cube schedule", 15}, {"calculator", 10}, {"figure dialog", 6},
            {"translation", 6}, {"rotation", 7}, {"symmetry", 4}, {"homothety", 6}, {"dilation", 5},
            {"shear", 5}, {"affinity", 9}, {"data table", 2}, {"about", 3}, {"notes", 2}, {"file error", 1}};
        for (const auto &[name, stops] : rows)
            QTest::newRow(name) << stops;
    }

    void everyControlInTheCycle()
    {
        QFETCH(int, fewestStops);
        const QString which = QString::fromLatin1(QTest::currentDataTag());
        GuiTest::Fixture fixture;
        std::unique_ptr<PlaneHarness> plane;
        QMdiArea frame;
        EveryDialog dialogs;
        Tnote notes;
        Tversione fileError(u"/nowhere/lingua.lng"_qs);
        QWidget *window = which == u"notes"_qs ? static_cast<QWidget *>(&notes) : which == u"file error"_qs ? &fileError : nullptr;
        for (const auto &[name, dialog] : dialogs.all()) {
            if (which == QLatin1String(name))
                window = dialog;
        }
        if (which.startsWith(u"workspace"_qs)) {
            plane = std::make_unique<PlaneHarness>();
            if (which == u"workspace"_qs)
                plane->confirmFigure();
            else
                startTwoStepLesson(*plane, which.contains(u"tinversa"_qs));
            QVERIFY(which == u"workspace"_qs || plane->isShown(which.contains(u"tinversa"_qs) ? "tinversa" : "tcontinua"));
            window = plane->window();
        } else if (which == u"cube window"_qs) {
            // The window takes the size of the main window's client area.
            Shell.ChildAreaWidth = 996;
            Shell.ChildAreaHeight = 696;
            frame.resize(1000, 700);
            frame.show();
            window = new Tuncubo;
            frame.addSubWindow(window);
        }
        QVERIFY(window);
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window->window());
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
