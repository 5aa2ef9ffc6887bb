#include "calc/expressionevaluator.h"
#include "dialogs/affinityrules.h"
#include "dialogs/taffina.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <optional>

using namespace DialogDriver;

// The affinity dialog worked as the user works it: typed expressions,
// presets picked from the list, OK refused while a field is invalid. What
// a text evaluates to, and what each preset holds, are the rules' own.
namespace {

// The fields in the order of the stored texts: c, a, b, c', a', b'.
const QStringList Fields{"nome", "bis", "Edit1", "Edit2", "Edit3", "Edit4"};

// A field's text replaced as the user replaces it: all selected, then typed.
void type(const QWidget *dialog, const QString &field, const QString &typed)
{
    auto *edit = child<QLineEdit>(dialog, field);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::SelectAll);
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, typed);
}

// An item of the preset list picked with the keyboard, which is a pick by
// the user: the neighbouring item is made current first.
void pickPreset(const QWidget *dialog, int preset)
{
    auto *list = child<QComboBox>(dialog, QStringLiteral("combinato"));
    list->setCurrentIndex(preset == 0 ? 1 : preset - 1);
    list->setFocus();
    QTest::keyClick(list, preset == 0 ? Qt::Key_Up : Qt::Key_Down);
}

QStringList storedTexts(int slot)
{
    const AffineTexts &texts = TransformSettings.AffineText[slot];
    return QStringList(texts.cbegin(), texts.cend());
}

// The slot's values in the order of the texts.
QStringList storedValues(int slot, const TransformSettingsValues &store = TransformSettings)
{
    QStringList values;
    for (int field = 0; field < AffineFieldCount; ++field)
        values << real(store.AffineCoeff[slot][affineRow(field)][affineColumn(field)]);
    return values;
}

bool errorLineShown(const QWidget *dialog)
{
    return child<QLabel>(dialog, QStringLiteral("Label1"))->isVisible();
}

const QStringList StartValues{"-6", "2", "0", "-12", "1", "1.5"};

} // namespace

class TestTaffina : public QObject
{
    Q_OBJECT

    std::optional<GuiTest::Fixture> m_fixture;

private slots:
    void init()
    {
        m_fixture.emplace();
        applyWorkspaceStartValues(Shell.MainShowHints);
    }

    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    void opensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("shown"); // c, a, b, c', a', b'
        QTest::newRow("slot 1") << 1 << QStringList{"3", "1/2", "sqrt(3)/2", "-1", "0", "4"};
        QTest::newRow("slot 2") << 2 << StartValues;
    }

    // The fields show the slot's texts under the two formulas, the list the
    // stored preset without applying it, and no error line. Opening
    // evaluates the texts it shows: a value the store lost comes back.
    void opensOnItsSlot()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, shown);
        TransformSettings.AffineText[1] = {"3", "1/2", "sqrt(3)/2", "-1", "0", "4"};
        TransformSettings.AffinePreset = 4;
        TransformSettings.CurrentSlot = quint8(slot);
        Taffina dialog;
        dialog.show();
        QCOMPARE(DialogDriver::shown(&dialog, Fields), shown);
        QCOMPARE(child<QComboBox>(&dialog, "combinato")->currentIndex(), 4);
        QVERIFY(!errorLineShown(&dialog));
        QCOMPARE(storedTexts(2), StartValues);
        QCOMPARE(storedValues(1), slot == 1 ? QStringList({"3", "0.5", "0.866025388", "-1", "0", "4"}) : StartValues);
        QStringList formulas;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->text().contains(u"  =  "))
                formulas << label->text();
        QCOMPARE(formulas, (QStringList{"x'  =  a x +  b y  +  c", "y'  =  a' x +  b' y  +  c'"}));
    }

    void presets_data()
    {
        QTest::addColumn<int>("preset");
        for (int preset = 0; preset < AffinePresetCount; ++preset)
            QTest::addRow("preset %d", preset) << preset;
    }

    // A pick fills the fields with the preset's texts, whose changes store
    // texts and values at once, in slot 2 only; the list's index is stored
    // by OK, not by the pick.
    void presets()
    {
        QFETCH(int, preset);
        TransformSettings.CurrentSlot = 2;
        TransformSettings.AffinePreset = 3;
        TransformSettingsValues evaluated = TransformSettings;
        const AffineTexts texts = affinePresetTexts(preset);
        for (int field = 0; field < AffineFieldCount; ++field)
            applyAffineText(evaluated, 2, field, texts[field]);
        Taffina dialog;
        dialog.show();
        pickPreset(&dialog, preset);
        QCOMPARE(shown(&dialog, Fields), QStringList(texts.cbegin(), texts.cend()));
        QCOMPARE(storedTexts(2), QStringList(texts.cbegin(), texts.cend()));
        QCOMPARE(storedValues(2), storedValues(2, evaluated));
        QCOMPARE(storedTexts(1), StartValues);
        QCOMPARE(storedValues(1), StartValues);
        QCOMPARE(int(TransformSettings.AffinePreset), 3);
        pressOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(TransformSettings.AffinePreset), preset);
    }

    // "generica" stores its values even where a field's text does not change
    // and so is not evaluated again: here the store's matrix was changed
    // behind the dialog, as the change of frame does.
    void genericaStoresItsValuesDirectly()
    {
        TransformSettings.AffineText[1] = {"-8", "2", "0", "-3", "0", "2"};
        Taffina dialog;
        dialog.show();
        TransformSettings.AffineCoeff[1] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
        pickPreset(&dialog, 0);
        QCOMPARE(storedValues(1), (QStringList{"-8", "2", "0", "-3", "0", "2"}));
    }

    void errorLine_data()
    {
        QTest::addColumn<QStringList>("fields"); // the fields made invalid
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("c and b' empty") << QStringList{"Edit4", "nome"} << QStringList{"", ""}
                                        << "Error in:  c  b'  ";
        QTest::newRow("a' with a letter") << QStringList{"Edit3"} << QStringList{"2y"} << "Error in:  a'  ";
        QTest::newRow("b divides by 0") << QStringList{"Edit1"} << QStringList{"1/0"} << "Error in:  b  ";
        QTest::newRow("c' and a, an open bracket and a trailing sign")
            << QStringList{"Edit2", "bis"} << QStringList{"(1", "3-"} << "Error in:  a  c'  ";
        QTest::newRow("every field") << Fields << QStringList(6, QString()) << "Error in:  c  a  b  c'  a'  b'  ";
    }

    // OK with invalid fields beeps, stays open and names them; the
    // evaluator's flag and the slot's earlier confirmation are withdrawn. A
    // change hides the line; once every field is valid OK closes, sets both
    // and stores the list's index.
    void errorLine()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, typed);
        QFETCH(QString, line);
        TransformSettings.CurrentSlot = 2;
        TransformSettings.AffineConfirmed = PerSlot<bool>(true);
        Taffina dialog;
        dialog.show();
        QSignalSpy beeps(&dialog, &Taffina::okRefused);
        pickPreset(&dialog, 5);
        for (qsizetype i = 0; i < fields.size(); ++i)
            type(&dialog, fields[i], typed[i]);
        Evaluator.EvalOk = true;
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(beeps.count(), 1);
        QVERIFY(errorLineShown(&dialog));
        QCOMPARE(text(&dialog, "Label1"), line);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[1],
                              TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{false, true, false}));
        QCOMPARE(int(TransformSettings.AffinePreset), 5);
        for (const QString &field : fields)
            type(&dialog, field, QStringLiteral("1"));
        QVERIFY(!errorLineShown(&dialog));
        Evaluator.EvalOk = false;
        pressOk(&dialog);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[1],
                              TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{true, true, true}));
    }

    // OK runs every field's change again, in the order c, a, b, c', a', b':
    // values changed behind the dialog come back from the texts, and the
    // evaluator is left with the message of b', the last one evaluated.
    void okEvaluatesEveryFieldAgain()
    {
        Taffina dialog;
        dialog.show();
        TransformSettings.AffineCoeff[1] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
        pressOk(&dialog);
        QCOMPARE(storedValues(1), StartValues);
        Taffina refused;
        refused.show();
        type(&refused, "Edit4", QStringLiteral("1/0"));
        type(&refused, "nome", QString());
        QCOMPARE(Evaluator.EvalMessage, QStringLiteral("Stringa vuota"));
        pressOk(&refused);
        QCOMPARE(Evaluator.EvalMessage, QStringLiteral("division by 0"));
    }

    // In the modal loop the workspace runs: the refused OK keeps the loop
    // going, the second OK ends it with the OK result and confirms slot 1.
    void refusedOkKeepsTheModalLoop()
    {
        Taffina dialog;
        bool stayedOpen = false;
        GuiTest::whenModalOpens([&](QWidget *modal) {
            type(modal, "nome", QString());
            pressOk(modal);
            QApplication::processEvents();
            stayedOpen = QApplication::activeModalWidget() == modal && errorLineShown(modal);
            type(modal, "nome", QStringLiteral("-1"));
            pressOk(modal);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(stayedOpen);
        QCOMPARE(storedValues(1)[AffineC], QStringLiteral("-1"));
        QCOMPARE((QList<bool>{TransformSettings.AffineConfirmed[1], TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{true, false}));
    }

    // Every change of a field is evaluated and stored at once, valid or not,
    // and a cancel keeps it all: the texts, the values of those that were
    // valid (b' was "2" a key before "2+"), and nothing else, neither the
    // list's index nor the confirmation. Reopened, the invalid text is shown
    // again, and refused.
    void cancelKeepsWhatTheChangesStored()
    {
        TransformSettings.CurrentSlot = 2;
        QMap<QString, QString> before;
        {
            Taffina dialog;
            dialog.show();
            before = storeValues();
            type(&dialog, "bis", QStringLiteral("sqrt(2)"));
            type(&dialog, "Edit2", QStringLiteral("2,5"));
            pickPreset(&dialog, 6);
            type(&dialog, "bis", QStringLiteral("sqrt(2)"));
            type(&dialog, "Edit4", QStringLiteral("2+"));
            QVERIFY(!Evaluator.EvalOk);
            pressCancel(&dialog);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(storedTexts(2), (QStringList{"0", "sqrt(2)", "0,5", "0", "0", "2+"}));
        QCOMPARE(storedValues(2), (QStringList{"0", "1.41421354", "0.5", "0", "0", "2"}));
        QCOMPARE(changedValues(before, storeValues()).size(), 2 * AffineFieldCount);
        Taffina again;
        again.show();
        QCOMPARE(text(&again, "Edit4"), QStringLiteral("2+"));
        pressOk(&again);
        QVERIFY(again.isVisible());
        QCOMPARE(text(&again, "Label1"), QStringLiteral("Error in:  b'  "));
    }
};

QTEST_MAIN(TestTaffina)
#include "tst_taffina.moc"
