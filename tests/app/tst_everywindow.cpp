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
#include "mainwindowtest.h"
#include "plane/planeharness.h"
#include "plane/tgeotab.h"
#include "shell/helpviewer.h"
#include "shell/screenfit.h"
#include "shell/shellvalues.h"
#include "space/tcuborot.h"
#include "space/tuncubo.h"
#include "support/guitest.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

namespace {

// One of each dialog of the program, made as the program makes them, each
// with the name a test reports it by. They give their controls their texts
// as they open: show one before looking at its texts.
struct EveryDialog {
    TCalcola calculator;
    Tinfo info;
    Tnote notes;
    Taffina affinity;
    Tcoordinate figure;
    Tdilatazioni dilation;
    Tgeomot homothety;
    Tgeorota rotation;
    Tgeosim symmetry;
    Tgeotrasla translation;
    Tinclinazioni shear;
    Tgeotab table{2, QStringLiteral("rotazione"), QStringLiteral("traslazione")};
    CubeSchedule schedule;
    CubeDialogHints hints;
    Tcuborot cube{schedule, hints};

    std::vector<std::pair<const char *, QWidget *>> all()
    {
        return {{"calculator", &calculator}, {"about", &info},       {"affinity", &affinity},
                {"figure dialog", &figure},  {"dilation", &dilation}, {"homothety", &homothety},
                {"rotation", &rotation},     {"symmetry", &symmetry}, {"translation", &translation},
                {"shear", &shear},           {"data table", &table},  {"cube schedule", &cube},
                {"notes", &notes}};
    }
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

QWidget *firstStop(QWidget *window)
{
    for (QWidget *next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain())
        if (window->isAncestorOf(next) && next->isVisible() && next->isEnabled()
            && (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            return next;
    return nullptr;
}

// Focus on `first`, then Tab as the user presses it until focus comes back
// (true) or is lost or caught in a loop that skips the start (false).
bool tabFrom(QWidget *first, QList<QWidget *> &visited)
{
    first->setFocus(Qt::TabFocusReason);
    // A control that hands its focus on (a page control to its tab bar)
    // starts the cycle with the one that takes it.
    first = QApplication::focusWidget();
    for (QWidget *now = first; now && !visited.contains(now) && visited.size() < 400; now = QApplication::focusWidget()) {
        visited.append(now);
        QTest::keyClick(now, Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            return true;
    }
    return false;
}

// "Class objectName" for every control of `window` a user can reach or
// change that a screen reader could not name: no name, a picture alone, or a
// lone letter or question mark (digits and operator signs are read out as
// they are); and for every named picture button whose name is not its hint.
// Scroll bars are their owner's.
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
        // The accessible name, else the caption, else the text of the label
        // whose buddy the control is.
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed();
        const auto *tool = qobject_cast<QToolButton *>(control);
        const bool hinted = !tool || tool->icon().isNull() || tool->objectName().isEmpty()
            || (!tool->accessibleName().isEmpty() && tool->accessibleName() == tool->toolTip());
        if (hinted && (name.size() > 1 || (name.size() == 1 && !name[0].isLetter() && name[0] != u'?')))
            continue;
        wrong.append(QString::fromLatin1(control->metaObject()->className()) + u' ' + control->objectName() + u": "_qs
                     + control->accessibleName() + u" | "_qs + control->toolTip());
    }
    return wrong;
}

// "menu: key shared by item and item" for every clash among the visible
// entries of `actions`, then the same for every submenu.
void findClashes(const QString &menuName, const QList<QAction *> &actions, QStringList &clashes)
{
    QHash<QString, QString> taken;
    for (const QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        // The access key as the menus read it: the letter after a single "&".
        if (const QString key = QKeySequence::mnemonic(action->text()).toString(); !key.isEmpty()) {
            if (taken.contains(key))
                clashes.append(menuName + u": "_qs + key + u" shared by \""_qs + taken[key] + u"\" and \""_qs
                               + action->text() + u'"');
            taken.insert(key, action->text());
        }
        if (const QMenu *menu = action->menu())
            findClashes(action->text(), menu->actions(), clashes);
    }
}

// Below this the drawing is too small to teach with.
constexpr int UsefulDrawingHeight = 300;

} // namespace

// What holds for every window and dialog the main window opens: reached
// with the keyboard, named for a screen reader, and fitting the screens
// that schools have.
class TestEveryWindow : public MainWindowCases
{
    Q_OBJECT

private slots:
    // In each built-in language: each menu of the main window, walked as the
    // user opens it, gives each access key once; every control a screen
    // reader meets has a name, picture buttons their hint, in the language in
    // force when their window opens (a change of language closes the
    // windows, so they reopen named anew). And the table of needs stands for
    // the windows: each window it names needs no more than it says (and, in
    // its widest language, not much less, or the factor is wasted), every
    // other no more than one of them. The workspace needs the main window's menu and borders around its
    // frame, its whole row of tool bars (as wide as it asks, so that nothing
    // hides behind "»"), a useful drawing and the bottom panel; a dialog its
    // size as it opens, its layout's wish included.
    void everyWindowInEachLanguage()
    {
        QMap<QString, QSize> largest; // of each named window over the languages
        for (int language : {Italian, English, French}) {
            const auto fits = [&largest](const QString &name, QSize size) {
                const auto holds = [&size](const ScreenFit::Need &need) {
                    return size.width() <= need.size.width() && size.height() <= need.size.height();
                };
                const auto named = std::find_if(std::begin(ScreenFit::Needs), std::end(ScreenFit::Needs),
                                                [&name](const auto &need) { return name == QLatin1String(need.window); });
                const QString seen = QStringLiteral("%1 %2 x %3").arg(name).arg(size.width()).arg(size.height());
                QVERIFY2(named == std::end(ScreenFit::Needs) ? std::any_of(std::begin(ScreenFit::Needs),
                                                                           std::end(ScreenFit::Needs), holds)
                                                             : holds(*named),
                         qPrintable(seen));
                if (named != std::end(ScreenFit::Needs))
                    largest[name] = largest.value(name).expandedTo(size);
            };
            GuiTest::Fixture fixture;
            const auto started = startedWindow();
            Tnumeria &window = *started;
            item(window, QStringList{u"Italiano1"_qs, u"Inglese1"_qs, u"Francese1"_qs}[language])->trigger();
            QCOMPARE(int(Language.LanguageIndex), language);
            QVERIFY(item(window, u"Ambiente1"_qs)->isVisible()); // the walk skips what is hidden
            QStringList clashes;
            findClashes(u"menu bar"_qs, window.menuBar()->actions(), clashes);
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_qs)));

            window.Trasformazioni1Click();
            window.Spaziali1Click();
            const auto *plane = window.findChild<Tgeo *>();
            QVERIFY(plane->findChildren<QToolButton *>().size() >= 8);
            QCOMPARE(unnamedControls(&window), QStringList()); // the workspace's and the cube window's too
            // Each step button says which turn of the schedule it starts.
            QCOMPARE(window.findChild<Tuncubo *>()->findChild<QPushButton *>(u"BitBtn3"_qs)->accessibleName(),
                     noticeText(CubeStepName).arg(3).arg(u"z"_qs).arg(3).arg(hint(42)));
            const QSize row = plane->findChild<QWidget *>(QStringLiteral("barrasotto"))->sizeHint();
            const QSize frames = plane->size() - plane->widget()->size() + window.size()
                - window.mdiArea()->viewport()->size();
            fits(u"workspace"_qs, row.grownBy({0, 0, 0, UsefulDrawingHeight + Shell.PanelHeight}) + frames);
            EveryDialog dialogs;
            for (const auto &[name, dialog] : dialogs.all()) {
                dialog->show();
                QCoreApplication::processEvents();
                fits(QString::fromLatin1(name), dialog->size().expandedTo(dialog->sizeHint()));
                const QStringList wrong = unnamedControls(dialog);
                QVERIFY2(wrong.isEmpty(), qPrintable(name + u": "_qs + wrong.join(u", "_qs)));
                dialog->hide();
            }
            // The help key speaks the language in force, as every help button does.
            QCOMPARE(dialogs.calculator.findChild<QPushButton *>(u"BitBtn3"_qs)->accessibleName(), hint(4));
            QCOMPARE(dialogs.cube.findChild<QToolButton *>(u"rota1d"_qs)->accessibleName(), hint(42));
        }
        for (const ScreenFit::Need &need : ScreenFit::Needs) {
            const QSize size = largest.value(QLatin1String(need.window));
            QVERIFY2(need.size.width() <= size.width() * 21 / 20 && need.size.height() <= size.height() * 21 / 20,
                     need.window);
        }
    }

    // Tab visits every control a user works once, and comes back: a read-only
    // field beside its spin is no stop, and the items of one exclusive choice
    // (radio items, the calculator's angle units) are one, the chosen one.
    // Rows named as EveryDialog names its dialogs, or one of the windows below.
    void everyControlInTheCycle_data()
    {
        QTest::addColumn<int>("stops");
        const std::pair<const char *, int> rows[] = {
            {"workspace", 8}, {"workspace, tcontinua shown", 11}, {"workspace, tinversa shown", 8},
            {"cube window", 4}, {"cube schedule", 18}, {"calculator", 40}, {"figure dialog", 12},
            {"translation", 6}, {"rotation", 7}, {"symmetry", 7}, {"homothety", 8}, {"dilation", 5},
            {"shear", 6}, {"affinity", 10}, {"data table", 2}, {"about", 3}, {"notes", 2}, {"file error", 1}};
        for (const auto &[name, stops] : rows)
            QTest::newRow(name) << stops;
    }

    void everyControlInTheCycle()
    {
        QFETCH(int, stops);
        const QString which = QString::fromLatin1(QTest::currentDataTag());
        std::unique_ptr<PlaneHarness> plane;
        QMdiArea frame;
        EveryDialog dialogs;
        Tversione fileError(u"/nowhere/lingua.lng"_qs);
        QWidget *window = which == u"file error"_qs ? &fileError : nullptr;
        for (const auto &[name, dialog] : dialogs.all())
            if (which == QLatin1String(name))
                window = dialog;
        if (which.startsWith(u"workspace"_qs)) {
            plane = std::make_unique<PlaneHarness>();
            if (which == u"workspace"_qs) {
                plane->confirmFigure();
            } else {
                // A translation then a rotation; the translation run and the rotation begun.
                setFigure(1, {{1, 0}, {2, 2}});
                setTranslation(1, 3, 0);
                setRotation(2, 90, 0, 0);
                plane->confirmTwoSteps(Traslazione, Rotazione);
                if (which.contains(u"tinversa"_qs)) {
                    plane->continueStep(Traslazione);
                    plane->button("continua")->click();
                }
                QVERIFY(!plane->find<QWidget>(which.contains(u"tinversa"_qs) ? "tinversa" : "tcontinua")->isHidden());
            }
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
        QList<QWidget *> cycle;
        const bool closed = tabFrom(first, cycle);
        QStringList visited;
        for (const QWidget *widget : cycle)
            visited.append(widget->objectName() + u':' + QString::fromLatin1(widget->metaObject()->className()));
        QVERIFY2(closed && cycle.size() == stops, qPrintable(visited.join(u", "_qs) + (closed ? u""_qs : u", not back"_qs)));
    }

    // The largest quarter step at which every window fits, on the screens
    // schools have, and at the edge of a fit.
    void factorForTheScreen()
    {
        const std::pair<QSize, double> rows[] = {
            {{800, 600}, 1.0}, {{1024, 768}, 1.0}, {{1366, 768}, 1.25}, {{1920, 1080}, 1.75}, {{3840, 2160}, 3.0},
            // 985 x 1.25 = 1231.25, a pixel more, and the frame's 16.
            {{1248, 2000}, 1.25}, {{1247, 2000}, 1.0},
            // The workspace, 418 high: 418 x 2.5 and the frame's 40.
            {{4000, 1085}, 2.5}, {{4000, 1084}, 2.25}};
        for (const auto &[available, factor] : rows) {
            QCOMPARE(ScreenFit::largestFittingFactor(available), factor);
            QVERIFY(ScreenFit::fits(factor, available) || factor == ScreenFit::SmallestFactor);
        }
    }

};

QTEST_MAIN(TestEveryWindow)
#include "tst_everywindow.moc"
