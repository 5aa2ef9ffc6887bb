#include "calc/expressionevaluator.h"
#include "dialogs/taffina.h"
#include "lang/languagetables.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <optional>

using namespace DialogDriver;

// The affinity dialog worked as the user works it: typed expressions,
// presets picked from the list, OK refused while a field is invalid.
namespace {

// The fields from top to bottom: a, b, c, a', b', c'.
const QStringList FieldsTopDown{"bis", "Edit1", "nome", "Edit3", "Edit4", "Edit2"};

QStringList fieldTexts(const QWidget *dialog)
{
    QStringList texts;
    for (const QString &name : FieldsTopDown)
        texts << text(dialog, name);
    return texts;
}

// A field's text replaced as the user replaces it: all selected, then typed.
void type(const QWidget *dialog, const char *field, const QString &typed)
{
    auto *edit = child<QLineEdit>(dialog, QString::fromLatin1(field));
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

// The slot's stored texts and values, in the order c, a, b, c', a', b'.
QStringList storedTexts(int slot)
{
    const AffineTexts &texts = TransformSettings.AffineText[slot];
    return QStringList(texts.cbegin(), texts.cend());
}

QStringList storedValues(int slot)
{
    QStringList values;
    for (int field = 0; field < AffineFieldCount; ++field)
        values << real(TransformSettings.AffineCoeff[slot][affineRow(field)][affineColumn(field)]);
    return values;
}

bool errorLineShown(const QWidget *dialog)
{
    return child<QLabel>(dialog, QStringLiteral("Label1"))->isVisible();
}

const QStringList StartTexts{"-6", "2", "0", "-12", "1", "1.5"};
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

    void cleanup()
    {
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    void opensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("shown"); // a, b, c, a', b', c'
        QTest::newRow("slot 1") << 1 << QStringList{"1/2", "sqrt(2)", "3", "0", "4", "-1"};
        QTest::newRow("slot 2") << 2 << QStringList{"2", "0", "-6", "1", "1.5", "-12"};
    }

    // The fields show the slot's texts, the list the stored preset without
    // applying it, and no error line.
    void opensOnItsSlot()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, shown);
        TransformSettings.AffineText[1] = {"3", "1/2", "sqrt(2)", "-1", "0", "4"};
        TransformSettings.AffinePreset = 4;
        TransformSettings.CurrentSlot = quint8(slot);
        Taffina dialog;
        dialog.show();
        QCOMPARE(fieldTexts(&dialog), shown);
        QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("combinato"))->currentIndex(), 4);
        QVERIFY(!errorLineShown(&dialog));
        QCOMPARE(storedTexts(2), StartTexts);
    }

    // Opening evaluates the texts it shows: a value the store lost comes
    // back from its text.
    void openingEvaluatesTheTexts()
    {
        TransformSettings.AffineText[2] = {"1", "2", "3", "4", "5", "sqrt(3)/2"};
        TransformSettings.CurrentSlot = 2;
        Taffina dialog;
        dialog.show();
        QCOMPARE(storedValues(2), (QStringList{"1", "2", "3", "4", "5", "0.866025388"}));
        QCOMPARE(storedValues(1), StartValues);
    }

    void labels()
    {
        Taffina dialog;
        dialog.show();
        QStringList labels;
        for (const QString &name : FieldsTopDown) {
            const auto buddies = dialog.findChildren<QLabel *>();
            for (const QLabel *label : buddies)
                if (label->buddy() == child(&dialog, name))
                    labels << label->text();
        }
        QCOMPARE(labels, (QStringList{"a =", "b =", "c = ", "a' = ", "b' = ", "c' = "}));
        QStringList formulas;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->text().contains(u"  =  "))
                formulas << label->text();
        QCOMPARE(formulas, (QStringList{"x'  =  a x +  b y  +  c", "y'  =  a' x +  b' y  +  c'"}));
    }

    void presets_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QStringList>("shown");  // a, b, c, a', b', c'
        QTest::addColumn<QStringList>("values"); // c, a, b, c', a', b'
        QTest::newRow("generica") << 0 << QStringList{"2", "0", "-8", "0", "2", "-3"}
                                  << QStringList{"-8", "2", "0", "-3", "0", "2"};
        QTest::newRow("traslazione") << 1 << QStringList{"1", "0", "-4", "0", "1", "3"}
                                     << QStringList{"-4", "1", "0", "3", "0", "1"};
        QTest::newRow("rotazione") << 2 << QStringList{"1/2", "-sqrt(3)/2", "0", "sqrt(3)/2", "1/2", "0"}
                                   << QStringList{"0", "0.5", real(-0.8660254f), "0", real(0.8660254f), "0.5"};
        QTest::newRow("simmetria") << 3 << QStringList{"0", "-1", "-2", "-1", "0", "-3"}
                                   << QStringList{"-2", "0", "-1", "-3", "-1", "0"};
        QTest::newRow("omotetia") << 4 << QStringList{"1.5", "0", "0", "0", "1.5", "0"}
                                  << QStringList{"0", "1.5", "0", "0", "0", "1.5"};
        QTest::newRow("dilatazione") << 5 << QStringList{"2", "0", "0", "0", "1.5", "0"}
                                     << QStringList{"0", "2", "0", "0", "0", "1.5"};
        QTest::newRow("inclinazione") << 6 << QStringList{"1", "0,5", "0", "0", "1", "0"}
                                      << QStringList{"0", "1", "0.5", "0", "0", "1"};
    }

    // A pick fills the fields, whose changes store texts and values at once,
    // in slot 2 only; the list's index is stored by OK, not by the pick.
    void presets()
    {
        QFETCH(int, preset);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, values);
        TransformSettings.CurrentSlot = 2;
        TransformSettings.AffinePreset = 3;
        Taffina dialog;
        dialog.show();
        pickPreset(&dialog, preset);
        QCOMPARE(fieldTexts(&dialog), shown);
        const QStringList texts{shown[2], shown[0], shown[1], shown[5], shown[3], shown[4]};
        QCOMPARE(storedTexts(2), texts);
        QCOMPARE(storedValues(2), values);
        QCOMPARE(storedTexts(1), StartTexts);
        QCOMPARE(storedValues(1), StartValues);
        QCOMPARE(int(TransformSettings.AffinePreset), 3);
        pressOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(TransformSettings.AffinePreset), preset);
    }

    // The rotation's entries: a = b' = 0.5 and b, a' the singles nearest to
    // -sqrt(3)/2 and sqrt(3)/2.
    void rotationPresetValues()
    {
        Taffina dialog;
        dialog.show();
        pickPreset(&dialog, 2);
        const AffineMatrix &m = TransformSettings.AffineCoeff[1];
        QCOMPARE((QList<float>{m[0][1], m[0][2], m[1][1], m[1][2], m[0][0], m[1][0]}),
                 (QList<float>{0.5f, -0.8660254f, 0.8660254f, 0.5f, 0.0f, 0.0f}));
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

    // Every change of a field is evaluated and stored at once, valid or not.
    void typingStoresAtOnce()
    {
        Taffina dialog;
        dialog.show();
        type(&dialog, "Edit3", QStringLiteral("sqrt(")); // a'
        QCOMPARE(storedTexts(1)[AffineAPrime], QStringLiteral("sqrt("));
        QVERIFY(!Evaluator.EvalOk);
        QCOMPARE(storedValues(1), StartValues);
        QTest::keyClicks(child<QLineEdit>(&dialog, QStringLiteral("Edit3")), QStringLiteral("9)"));
        QVERIFY(Evaluator.EvalOk);
        QCOMPARE(storedTexts(1)[AffineAPrime], QStringLiteral("sqrt(9)"));
        QCOMPARE(storedValues(1), (QStringList{"-6", "2", "0", "-12", "3", "1.5"}));
        type(&dialog, "Edit3", QString());
        QCOMPARE(storedTexts(1)[AffineAPrime], QString());
        QCOMPARE(Evaluator.EvalMessage, QStringLiteral("Stringa vuota"));
        QCOMPARE(storedValues(1), (QStringList{"-6", "2", "0", "-12", "3", "1.5"}));
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
        QTest::newRow("every field") << FieldsTopDown << QStringList(6, QString()) << "Error in:  c  a  b  c'  a'  b'  ";
    }

    // OK with invalid fields beeps, stays open and names them in the order
    // c, a, b, c', a', b'; the evaluator's flag and the slot's confirmation
    // are cleared. A change hides the line; once every field is valid OK
    // closes, sets both and stores the list's index.
    void errorLine()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, typed);
        QFETCH(QString, line);
        TransformSettings.CurrentSlot = 2;
        Taffina dialog;
        dialog.show();
        QSignalSpy beeps(&dialog, &Taffina::okRefused);
        pickPreset(&dialog, 5);
        for (qsizetype i = 0; i < fields.size(); ++i)
            type(&dialog, qPrintable(fields[i]), typed[i]);
        Evaluator.EvalOk = true;
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(beeps.count(), 1);
        QVERIFY(errorLineShown(&dialog));
        QCOMPARE(text(&dialog, QStringLiteral("Label1")), line);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[2]}), (QList<bool>{false, false}));
        QCOMPARE(int(TransformSettings.AffinePreset), 5);
        for (const QString &field : fields)
            type(&dialog, qPrintable(field), QStringLiteral("1"));
        QVERIFY(!errorLineShown(&dialog));
        Evaluator.EvalOk = false;
        pressOk(&dialog);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[1],
                              TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{true, false, true}));
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
    // going, the second OK ends it with the OK result.
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
        QVERIFY(TransformSettings.AffineConfirmed[1]);
    }

    // A valid OK on slot 1 confirms slot 1 only.
    void validOkConfirmsItsSlotOnly()
    {
        Taffina dialog;
        dialog.show();
        QVERIFY(!TransformSettings.AffineConfirmed[1]);
        pressOk(&dialog);
        QCOMPARE((QList<bool>{TransformSettings.AffineConfirmed[1], TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{true, false}));
    }

    // A slot confirmed before loses its confirmation to a refused OK, even
    // when the dialog is then cancelled, as the evaluator's flag does.
    void refusedOkWithdrawsAConfirmation()
    {
        TransformSettings.AffineConfirmed = PerSlot<bool>(true);
        TransformSettings.CurrentSlot = 2;
        Taffina dialog;
        dialog.show();
        type(&dialog, "Edit1", QStringLiteral("2+"));
        pressOk(&dialog);
        pressCancel(&dialog);
        QCOMPARE((QList<bool>{TransformSettings.AffineConfirmed[1], TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{true, false}));
    }

    void cancelKeepsWhatTheChangesStored_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("slot 1") << 1;
        QTest::newRow("slot 2") << 2;
    }

    // The texts and values the change rule stored stay; nothing else changes:
    // neither the list's index nor the confirmation.
    void cancelKeepsWhatTheChangesStored()
    {
        QFETCH(int, slot);
        TransformSettings.CurrentSlot = quint8(slot);
        Taffina dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        type(&dialog, "bis", QStringLiteral("sqrt(2)"));
        type(&dialog, "Edit2", QStringLiteral("2,5"));
        pickPreset(&dialog, 6);
        type(&dialog, "bis", QStringLiteral("sqrt(2)"));
        pressCancel(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QStringList expected;
        for (const QString &entry : {QStringLiteral("AffineText[%1][1]=sqrt(2)"),
                                     QStringLiteral("AffineCoeff[%1][0][1]=1.41421354"),
                                     QStringLiteral("AffineText[%1][2]=0,5"), QStringLiteral("AffineCoeff[%1][0][2]=0.5"),
                                     QStringLiteral("AffineText[%1][3]=0"), QStringLiteral("AffineCoeff[%1][1][0]=0"),
                                     QStringLiteral("AffineText[%1][4]=0"), QStringLiteral("AffineCoeff[%1][1][1]=0"),
                                     QStringLiteral("AffineText[%1][5]=1"), QStringLiteral("AffineCoeff[%1][1][2]=1"),
                                     QStringLiteral("AffineText[%1][0]=0"), QStringLiteral("AffineCoeff[%1][0][0]=0")})
            expected << entry.arg(slot);
        expected.sort();
        QCOMPARE(changedValues(before, storeValues()), expected);
    }

    // An invalid text left by a cancelled edit is shown again, and refused.
    void reopeningShowsAnInvalidText()
    {
        TransformSettings.CurrentSlot = 2;
        {
            Taffina dialog;
            dialog.show();
            type(&dialog, "Edit4", QStringLiteral("2+")); // b'
            pressCancel(&dialog);
        }
        // Typed a key at a time: "2" was valid and is the value kept.
        QCOMPARE(storedTexts(2)[AffineBPrime], QStringLiteral("2+"));
        QCOMPARE(storedValues(2), (QStringList{"-6", "2", "0", "-12", "1", "2"}));
        Taffina again;
        again.show();
        QCOMPARE(text(&again, QStringLiteral("Edit4")), QStringLiteral("2+"));
        pressOk(&again);
        QVERIFY(again.isVisible());
        QCOMPARE(text(&again, QStringLiteral("Label1")), QStringLiteral("Error in:  b'  "));
    }

    void texts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions"); // title, then the presets
        QTest::newRow("English") << int(English)
                                 << QStringList{"Affinities", "generic", "translation", "rotation", "simmetry",
                                                "homothetia", "scaling", "shear"};
        QTest::newRow("Italian") << int(Italian)
                                 << QStringList{"Affinità", "generica", "traslazione", "rotazione", "simmetria",
                                                "omotetia", "dilatazione", "inclinazione"};
    }

    void texts()
    {
        QFETCH(int, language);
        QFETCH(QStringList, captions);
        Language.LanguageIndex = quint8(language);
        Taffina dialog;
        dialog.show();
        QStringList shown{dialog.windowTitle()};
        auto *list = child<QComboBox>(&dialog, QStringLiteral("combinato"));
        for (int item = 0; item < list->count(); ++item)
            shown << list->itemText(item);
        QCOMPARE(shown, captions);
        QCOMPARE(child(&dialog, QStringLiteral("BitBtn1"))->toolTip(), language == Italian ? "conferma" : "OK");
    }

    // Only the three buttons point with the hand.
    void cursors()
    {
        Taffina dialog;
        dialog.show();
        QCOMPARE(pointingHands(&dialog, {"BitBtn1", "BitBtn2", "BitBtn3", "nome", "bis", "Edit4", "combinato"}),
                 QStringLiteral("1110000"));
    }
};

QTEST_MAIN(TestTaffina)
#include "tst_taffina.moc"
