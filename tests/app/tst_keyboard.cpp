#include "everydialog.h"

#include "app/tnumeria.h"
#include "calc/tcalcola.h"
#include "lang/languagetables.h"
#include "plane/tgeo.h"
#include "space/tcuborot.h"
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

// "objectName: caption" for every push button of `window` whose caption
// alone names nothing to a screen reader (a picture, or a lone letter or
// question mark) and that has no accessible name. Digits and operator signs
// are read out as they are.
QStringList unnamedPushButtons(const QWidget *window)
{
    QStringList wrong;
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        const QString caption = button->text().remove(u'&').trimmed();
        const bool mute = caption.isEmpty()
            || (caption.size() == 1 && (caption[0].isLetter() || caption[0] == u'?'));
        if (mute && button->accessibleName().isEmpty())
            wrong.append(button->objectName() + u": "_qs + caption);
    }
    return wrong;
}

// "Class objectName" for every control of `window` a user can reach or
// change that a screen reader could not name (a lone letter names nothing). The parts Qt builds inside a spin box or
// a list, and scroll bars, are their owner's.
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

// The language command of `language` (0..2), as the user picks it.
void chooseLanguage(Tnumeria &window, int language)
{
    switch (language) {
    case Italian: window.Italiano1Click(); break;
    case English: window.Inglese1Click(); break;
    default: window.Francese1Click();
    }
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void accessKey_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("first") << u"&Aide"_qs << u"a"_qs;
        QTest::newRow("inside") << u"A &propos"_qs << u"p"_qs;
        QTest::newRow("written ampersand") << u"&Q&&R Home page"_qs << u"q"_qs;
        QTest::newRow("after a written one") << u"Q&&R &Home"_qs << u"h"_qs;
        QTest::newRow("none") << u"   ?   "_qs << QString();
    }

    void accessKey()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        const QChar found = ::accessKey(text);
        QCOMPARE(found.isNull() ? QString() : QString(found), key);
    }

    // Each menu of the main window, walked as the user opens it, in each
    // built-in language.
    void uniqueInEveryMenu_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Italian") << int(Italian);
        QTest::newRow("English") << int(English);
        QTest::newRow("French") << int(French);
    }

    void uniqueInEveryMenu()
    {
        QFETCH(int, language);
        GuiTest::Fixture fixture;
        Tnumeria window;
        window.show();
        window.completeStartUp();
        chooseLanguage(window, language);
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
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    // Tool buttons show pictures only; each is named by its hint, in the
    // language in force when its window opens (a change of language closes
    // the windows, so they reopen named anew).
    void toolButtonsNamed_data() { uniqueInEveryMenu_data(); }

    void toolButtonsNamed()
    {
        QFETCH(int, language);
        GuiTest::Fixture fixture;
        Tnumeria window;
        window.show();
        window.completeStartUp();
        chooseLanguage(window, language);
        window.Trasformazioni1Click();
        window.Spaziali1Click();
        const auto *plane = window.findChild<Tgeo *>();
        const auto *space = window.findChild<Tuncubo *>();
        QVERIFY(plane && space);
        QVERIFY(plane->findChildren<QToolButton *>().size() >= 8);
        QCOMPARE(unnamedButtons(plane), QStringList());
        QCOMPARE(unnamedButtons(space), QStringList());
        // Nor may any other control of any window go unnamed.
        QCOMPARE(unnamedControls(&window), QStringList());
        EveryDialog dialogs;
        for (const auto &[name, dialog] : dialogs.all()) {
            dialog->show();
            QVERIFY2(unnamedControls(dialog).isEmpty(), qPrintable(name + u": "_qs + unnamedControls(dialog).join(u", "_qs)));
            dialog->hide();
        }
        CubeSchedule schedule;
        CubeDialogHints hints;
        Tcuborot dialog(schedule, hints);
        QCOMPARE(unnamedButtons(&dialog), QStringList());
        const auto *clockwise = dialog.findChild<QToolButton *>(u"rota1d"_qs);
        QCOMPARE(clockwise->accessibleName(), hint(42));
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    // Push buttons that show only a picture or a lone letter carry a name.
    void pictureButtonsNamed_data() { uniqueInEveryMenu_data(); }

    void pictureButtonsNamed()
    {
        QFETCH(int, language);
        GuiTest::Fixture fixture;
        Tnumeria window;
        window.show();
        window.completeStartUp();
        chooseLanguage(window, language);
        window.Spaziali1Click();
        const auto *space = window.findChild<Tuncubo *>();
        QVERIFY(space);
        QCOMPARE(unnamedPushButtons(space), QStringList());
        // Each step button says which turn of the schedule it starts.
        QCOMPARE(space->findChild<QPushButton *>(u"BitBtn1"_qs)->accessibleName(),
                 noticeText(CubeStepName).arg(1).arg(u"x"_qs).arg(2).arg(hint(42)));
        QCOMPARE(space->findChild<QPushButton *>(u"BitBtn3"_qs)->accessibleName(),
                 noticeText(CubeStepName).arg(3).arg(u"z"_qs).arg(3).arg(hint(42)));
        TCalcola calculator;
        QVERIFY(calculator.findChildren<QPushButton *>().size() > 30);
        QCOMPARE(unnamedPushButtons(&calculator), QStringList());
        // The help key speaks the language in force, as every help button does.
        QCOMPARE(calculator.findChild<QPushButton *>(u"BitBtn3"_qs)->accessibleName(), hint(4));
        CubeSchedule schedule;
        CubeDialogHints hints;
        Tcuborot dialog(schedule, hints);
        QCOMPARE(unnamedPushButtons(&dialog), QStringList());
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
