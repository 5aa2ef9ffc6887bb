#include "everydialog.h"

#include "app/tnumeria.h"
#include "info/tnote.h"
#include "info/tversione.h"
#include "lang/languagetables.h"
#include "plane/planeharness.h"
#include "plane/tgeo.h"
#include "shell/shellvalues.h"
#include "space/tuncubo.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
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

// "objectName: accessible name | tooltip" for every tool button of `window`
// whose accessible name is empty or not its hint.
QStringList unnamedButtons(const QWidget *window)
{
    QStringList wrong;
    for (const QToolButton *button : window->findChildren<QToolButton *>()) {
        if (button->objectName().isEmpty() || button->objectName().startsWith(u"qt_"_qs))
            continue; // Qt's own parts of tool bars and frames
        if (button->accessibleName().isEmpty() || button->accessibleName() != button->toolTip())
            wrong.append(button->objectName() + u": "_qs + button->accessibleName() + u" | "_qs + button->toolTip());
    }
    return wrong;
}

// "Class objectName" for every control of `window` a user can reach or
// change that a screen reader could not name: no name, a picture alone, or a
// lone letter or question mark (digits and operator signs are read out as
// they are). Scroll bars are their owner's.
QStringList unnamedControls(const QWidget *window)
{
    QStringList wrong;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const bool interactive = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
            || qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QLineEdit *>(control)
            || (qobject_cast<QAbstractSlider *>(control) && !qobject_cast<QScrollBar *>(control))
            || qobject_cast<QAbstractScrollArea *>(control);
        if (!interactive || partOfComposite(control, window) || qobject_cast<QMdiArea *>(control))
            continue;
        // What a screen reader reads: the accessible name, else the caption,
        // else the text of the label whose buddy the control is.
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed();
        if (name.size() > 1 || (name.size() == 1 && !name[0].isLetter() && name[0] != u'?'))
            continue;
        wrong.append(QString::fromLatin1(control->metaObject()->className()) + u' ' + control->objectName());
    }
    return wrong;
}

// The access key of a menu text, lower case: the letter after a single "&"
// ("&&" is a written ampersand); none when the text has no such letter.
QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// "menu: key shared by item and item" for every clash among the visible
// entries of `actions`, then the same for every submenu.
void findClashes(const QString &menuName, const QList<QAction *> &actions, QStringList &clashes)
{
    QHash<QChar, QString> taken;
    for (const QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QChar key = accessKey(action->text());
        if (!key.isNull()) {
            if (taken.contains(key))
                clashes.append(menuName + u": "_qs + key + u" shared by \""_qs + taken[key] + u"\" and \""_qs
                               + action->text() + u'"');
            taken.insert(key, action->text());
        }
        if (const QMenu *menu = action->menu())
            findClashes(action->text(), menu->actions(), clashes);
    }
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void namedControlsAndUniqueAccessKeys_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Italian") << int(Italian);
        QTest::newRow("English") << int(English);
        QTest::newRow("French") << int(French);
    }

    // In each built-in language: each menu of the main window, walked as the
    // user opens it, gives each access key once; every control a screen
    // reader meets has a name, tool buttons their hint, in the language in
    // force when their window opens (a change of language closes the
    // windows, so they reopen named anew).
    void namedControlsAndUniqueAccessKeys()
    {
        QFETCH(int, language);
        GuiTest::Fixture fixture;
        Tnumeria window;
        window.show();
        window.completeStartUp();
        window.findChild<QAction *>(QStringList{u"Italiano1"_qs, u"Inglese1"_qs, u"Francese1"_qs}.at(language))->trigger();
        QCOMPARE(int(Language.LanguageIndex), language);
        const QList<QAction *> bar = window.menuBar()->actions();
        QVERIFY(bar.size() >= 4);
        QStringList clashes;
        findClashes(u"menu bar"_qs, bar, clashes);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_qs)));
        // The walk reached the help menu's entries.
        const auto *about = window.findChild<QAction *>(u"Informazioni1"_qs);
        QCOMPARE(about->text(), MenuTexts.cell(14, language));
        QVERIFY(!::accessKey(about->text()).isNull());

        window.Trasformazioni1Click();
        window.Spaziali1Click();
        const auto *plane = window.findChild<Tgeo *>();
        const auto *space = window.findChild<Tuncubo *>();
        QVERIFY(plane && space);
        QVERIFY(plane->findChildren<QToolButton *>().size() >= 8);
        QCOMPARE(unnamedButtons(plane), QStringList());
        QCOMPARE(unnamedButtons(space), QStringList());
        QCOMPARE(unnamedControls(&window), QStringList());
        // Each step button says which turn of the schedule it starts.
        QCOMPARE(space->findChild<QPushButton *>(u"BitBtn1"_qs)->accessibleName(),
                 noticeText(CubeStepName).arg(1).arg(u"x"_qs).arg(2).arg(hint(42)));
        QCOMPARE(space->findChild<QPushButton *>(u"BitBtn3"_qs)->accessibleName(),
                 noticeText(CubeStepName).arg(3).arg(u"z"_qs).arg(3).arg(hint(42)));
        EveryDialog dialogs;
        for (const auto &[name, dialog] : dialogs.all()) {
            dialog->show();
            const QStringList wrong = unnamedControls(dialog);
            QVERIFY2(wrong.isEmpty(), qPrintable(name + u": "_qs + wrong.join(u", "_qs)));
            dialog->hide();
        }
        QVERIFY(dialogs.calculator.findChildren<QPushButton *>().size() > 30);
        // The help key speaks the language in force, as every help button does.
        QCOMPARE(dialogs.calculator.findChild<QPushButton *>(u"BitBtn3"_qs)->accessibleName(), hint(4));
        QCOMPARE(unnamedButtons(&dialogs.cube), QStringList());
        QCOMPARE(dialogs.cube.findChild<QToolButton *>(u"rota1d"_qs)->accessibleName(), hint(42));
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

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

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
