#include "everydialog.h"

#include "app/tnumeria.h"
#include "lang/languagetables.h"
#include "plane/tgeo.h"
#include "space/tuncubo.h"
#include "support/guitest.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QToolButton>

namespace {

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
// they are). The parts Qt builds inside a spin box or a list, and scroll
// bars, are their owner's.
QStringList unnamedControls(const QWidget *window)
{
    QStringList wrong;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const bool interactive = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
            || qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QLineEdit *>(control)
            || (qobject_cast<QAbstractSlider *>(control) && !qobject_cast<QScrollBar *>(control))
            || qobject_cast<QAbstractScrollArea *>(control);
        bool part = control->objectName().startsWith(u"qt_"_qs) || qobject_cast<QMdiArea *>(control);
        for (const QWidget *owner = control->parentWidget(); owner && owner != window; owner = owner->parentWidget())
            part = part || qobject_cast<const QAbstractSpinBox *>(owner) || qobject_cast<const QComboBox *>(owner);
        if (!interactive || part)
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
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
