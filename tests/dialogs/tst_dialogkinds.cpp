#include "calc/expressionevaluator.h"
#include "dialogchecks.h"
#include "dialogs/symmetryrules.h"
#include "dialogs/taffina.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tgeorota.h"
#include "dialogs/tgeosim.h"
#include "dialogs/tinclinazioni.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <tuple>

using namespace DialogDriver;

// Each parameter dialog's own wiring: the rows its kind enables, what it stores at
// once and what only on OK, the figure's radius, the affinity's texts, presets and
// error line. What all dialogs share is tst_dialogcommon's, the values tst_dialogrules'.
namespace {

QString enabling(const QWidget *dialog, const QStringList &names)
{
    QString states;
    for (const QString &name : names)
        states += child(dialog, name)->isEnabled() ? u'1' : u'0';
    return states;
}

// Whether B x, B y, C y, C x, D x, D y, the radius field and its spin take input.
const QStringList FigureRowNames{"xb", "pyb", "yc", "pxc", "xd", "pyd", "raggio", "praggio"};

// The affinity's fields in the order of the stored texts: c, a, b, c', a', b'.
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
    return QStringList(TransformSettings.AffineText[slot].cbegin(), TransformSettings.AffineText[slot].cend());
}

QStringList storedValues(int slot, const TransformSettingsValues &store = TransformSettings)
{
    QStringList values;
    for (int field = 0; field < AffineFieldCount; ++field)
        values << real(store.AffineCoeff[slot][affineRow(field)][affineColumn(field)]);
    return values;
}

const QStringList StartValues{"-6", "2", "0", "-12", "1", "1.5"};

} // namespace

class TestDialogKinds : public DialogTestCase
{
    Q_OBJECT

private slots:
    // With the axes moving the rotation turns about the origin, so opening
    // fixes the centre there, in the store too and at once. Focus starts on
    // the first control that takes input, here the angle.
    void axesModeFixesTheCentreAtTheOrigin()
    {
        TransformSettings.FrameMode = 1;
        TransformSettings.CurrentSlot = 2;
        const QMap<QString, QString> before = storeValues();
        Tgeorota dialog;
        dialog.show();
        QCOMPARE(enabling(&dialog, {"orix", "porix", "oriy", "poriy", "pangolo"}), QStringLiteral("00001"));
        QCOMPARE(shown(&dialog, {"orix", "oriy", "edangolo"}), (QStringList{"0", "0", "70"}));
        QVERIFY(activate(&dialog));
        QCOMPARE(QApplication::focusWidget(), spin(&dialog, "pangolo"));
        pressCancel(&dialog);
        QCOMPARE(changedValues(before),
                 (QStringList{"DialogFirstActivation[2]=0", "RotationCentreX[2]=0", "RotationCentreY[2]=0"}));
    }

    // The choice is stored at once and outlives a cancel; the figure does
    // not. Reopened, the rows follow the confirmed triangle unless a circle
    // is shown.
    void figureTypeChoice()
    {
        for (const auto &[type, rows, reopened] : {std::tuple{0, "00000001", "11110001"}, {1, "11000001", "11110001"},
                                                   {3, "11111101", "11110001"}, {4, "00000011", "00000011"}}) {
            Tcoordinate dialog;
            dialog.show();
            chooseItem(&dialog, QStringLiteral("tipo%1").arg(type));
            QCOMPARE(enabling(&dialog, FigureRowNames), QLatin1String(rows));
            spin(&dialog, "pxa")->stepBy(5);
            click(&dialog, "pulizia");
            pressCancel(&dialog);
            const TransformSettingsValues &s = TransformSettings;
            QCOMPARE((QList<int>{s.SelectedFigureType, s.FigureIsCircle, s.FigureType, s.FigureX[0], s.ClearScreen}),
                     (QList<int>{type, type == CircleFigure, 2, 15, true}));
            Tcoordinate again;
            again.show();
            QCOMPARE(text(&again, "tipoButtons"), QString::number(type));
            QCOMPARE(enabling(&again, FigureRowNames), QLatin1String(reopened));
        }
    }

    // The store holds B and D out of range, so the rows the point leaves
    // unused are stored as shown, which differs from unchanged.
    void figureOkStoresWhatIsShown()
    {
        TransformSettings.FigureType = 3;
        TransformSettings.FigureX[1] = 50;
        TransformSettings.FigureY[3] = -40;
        Tcoordinate dialog;
        dialog.show();
        spin(&dialog, "pxa")->stepBy(-20);
        QTest::keyClick(spin(&dialog, "pyd"), Qt::Key_Up);
        chooseItem(&dialog, "tipo0");
        click(&dialog, "pulizia");
        pressOk(&dialog);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE((QList<int>{s.FigureType, s.ClearScreen, s.FigureX[0], s.FigureY[0], s.FigureX[1], s.FigureY[3]}),
                 (QList<int>{0, false, -5, 11, 39, -25}));
        QCOMPARE((QStringList{s.VertexTextX[0][0], s.VertexTextX[1][0], s.VertexTextY[3][0], s.VertexTextX[0][1]}),
                 (QStringList{"-5", "39", "-25", ""}));
    }

    // Enter ends the typing and confirms the dialog: the field shows, and OK
    // stores, the radius typed brought into range (letters are refused),
    // kept in entry 1 of both arrays and shown again at the next opening.
    void typedRadius()
    {
        for (const auto &[typed, radius] : {std::pair{"ab", 5}, {"12", 12}, {"40", 15}, {"1", 2}}) {
            Tcoordinate dialog;
            dialog.show();
            chooseItem(&dialog, "tipo4");
            type(&dialog, "raggio", QLatin1String(typed));
            QTest::keyClick(child<QLineEdit>(&dialog, "raggio"), Qt::Key_Return);
            QCOMPARE(text(&dialog, "raggio"), QString::number(radius));
            const TransformSettingsValues &s = TransformSettings;
            QCOMPARE((QList<int>{s.FigureType, s.FigureX[1], s.FigureY[1], s.FigureX[2], s.FigureY[3]}),
                     (QList<int>{CircleFigure, radius, radius, 21, 9}));
            Tcoordinate again;
            again.show();
            QCOMPARE(text(&again, "raggio"), QString::number(radius));
        }
    }

    // Each kind clicked after another one, the other slot holding yet
    // another: the rows follow the rules, OK stores the kind in the slot, and
    // the next opening shows it with the same rows. The stored angle is the
    // spin's first position, 0: the slope is shown all the same, and follows
    // a step of the angle.
    void symmetryKinds()
    {
        const QStringList rowNames{"xzero", "pxzero", "yzero", "pyzero", "angolo", "pangolo", "Edit3", "qu", "pqu"};
        const auto rowsOf = [](int kind) {
            const SymmetryRows on = rowsForSymmetryKind(kind);
            return QStringLiteral("%1%1%2%2%3%3%3%3%3").arg(int(on.x)).arg(int(on.y)).arg(int(on.line));
        };
        TransformSettings.SymmetryAxisAngle[2] = 0;
        TransformSettings.CurrentSlot = 2;
        for (int kind = 0; kind < SymmetryKindCount; ++kind) {
            TransformSettings.SymmetryKind[1] = quint8(kind == 3 ? 4 : 3);
            TransformSettings.SymmetryKind[2] = quint8(kind == 5 ? 0 : 5);
            Tgeosim dialog;
            dialog.show();
            chooseItem(&dialog, QStringLiteral("tiposim%1").arg(kind));
            QCOMPARE(enabling(&dialog, rowNames), rowsOf(kind));
            pressOk(&dialog);
            QCOMPARE((QList<int>{TransformSettings.SymmetryKind[1], TransformSettings.SymmetryKind[2]}),
                     (QList<int>{kind == 3 ? 4 : 3, kind}));
            Tgeosim reopened;
            reopened.show();
            QCOMPARE(shown(&reopened, {"tiposimButtons", "Edit3"}), (QStringList{QString::number(kind), slopeText(0)}));
            QCOMPARE(enabling(&reopened, rowNames), rowsOf(kind));
            spin(&reopened, "pangolo")->stepBy(1);
            QCOMPARE(text(&reopened, "Edit3"), slopeText(1));
        }
    }

    // Opened negative, the dialog shows item 1 and "k = -"; each click stores
    // the sign of the slot at once. The sign changed behind the dialog then
    // shows that OK does not store it again, and stores the ratio without
    // its sign.
    void homothetySignIsStoredAtOnce()
    {
        TransformSettings.HomothetySign[2] = -1;
        TransformSettings.CurrentSlot = 2;
        Tgeomot dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, {"segnoButtons", "Label3"}), (QStringList{"1", "k = -"}));
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, "segno0");
        QCOMPARE(text(&dialog, "Label3"), QStringLiteral("k = "));
        QCOMPARE(changedValues(before), QStringList{"HomothetySign[2]=1"});
        chooseItem(&dialog, "segno1");
        QCOMPARE(changedValues(before), QStringList());
        TransformSettings.HomothetySign[2] = 1;
        pressOk(&dialog);
        QCOMPARE(changedValues(before), QStringList{"HomothetySign[2]=1"});
    }

    // The dialog opens on the slot's own axis y and negative sign, the other
    // slot holding x and positive, and both slots both coefficients, so that
    // the zeroing of the unused one shows. A change of axis does not reload
    // the coefficient shown. Nothing is stored before OK.
    void shearStoresItsAxisAndSign()
    {
        const QStringList shownNames{"sceltasseButtons", "segnokappaButtons", "dily"};
        TransformSettingsValues &s = TransformSettings;
        s.ShearX = PerSlot<float>(1.2f);
        s.ShearY = PerSlot<float>(3.4f);
        s.ShearAxis[2] = 1;
        s.ShearSign[2] = 1;
        s.CurrentSlot = 2;
        Tinclinazioni dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, shownNames), (QStringList{"1", "1", "3.4"}));
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, "sceltasse0");
        chooseItem(&dialog, "segnokappa0");
        QTest::keyClick(spin(&dialog, "pdily"), Qt::Key_Up);
        QCOMPARE(shown(&dialog, shownNames), (QStringList{"0", "0", "3.5"}));
        QCOMPARE(storeValues(), before);
        pressOk(&dialog);
        QCOMPARE(changedValues(before), (QStringList{"ShearAxis[2]=0", "ShearSign[2]=0", "ShearX[2]=3.5", "ShearY[2]=0"}));
    }

    // The fields show the slot's texts under the two formulas, the list the
    // stored preset without applying it, and no error line. Opening
    // evaluates the texts it shows: a value the store lost comes back, and
    // the other slot is left alone.
    void affinityOpensOnItsSlot()
    {
        TransformSettings.AffineText[1] = {"3", "1/2", "sqrt(3)/2", "-1", "0", "4"};
        TransformSettings.AffinePreset = 4;
        Taffina dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, Fields), (QStringList{"3", "1/2", "sqrt(3)/2", "-1", "0", "4"}));
        QCOMPARE(child<QComboBox>(&dialog, "combinato")->currentIndex(), 4);
        QVERIFY(!child<QLabel>(&dialog, "Label1")->isVisible());
        QCOMPARE(storedValues(1), (QStringList{"3", "0.5", "0.866025388", "-1", "0", "4"}));
        QCOMPARE(storedTexts(2) + storedValues(2), StartValues + StartValues);
        QStringList formulas;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            if (label->text().contains(u"  =  "))
                formulas << label->text();
        QCOMPARE(formulas, (QStringList{"x'  =  a x +  b y  +  c", "y'  =  a' x +  b' y  +  c'"}));
    }

    // A pick fills the fields with the preset's texts, whose changes store
    // texts and values at once, in slot 2 only; the list's index is stored
    // by OK, not by the pick. "generica" stores its values even where a
    // field's text does not change and so is not evaluated again: the
    // store's matrix is changed behind the dialog, as the change of frame does.
    void affinityPresets()
    {
        TransformSettings.CurrentSlot = 2;
        for (int preset = 0; preset < AffinePresetCount; ++preset) {
            TransformSettings.AffinePreset = 3;
            TransformSettingsValues evaluated = TransformSettings;
            const AffineTexts texts = affinePresetTexts(preset);
            for (int field = 0; field < AffineFieldCount; ++field)
                applyAffineText(evaluated, 2, field, texts[field]);
            Taffina dialog;
            dialog.show();
            if (preset == 0)
                TransformSettings.AffineCoeff[2] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
            pickPreset(&dialog, preset);
            QCOMPARE(shown(&dialog, Fields), QStringList(texts.cbegin(), texts.cend()));
            QCOMPARE(storedTexts(2), QStringList(texts.cbegin(), texts.cend()));
            QCOMPARE(storedValues(2), storedValues(2, evaluated));
            QCOMPARE(storedTexts(1) + storedValues(1), StartValues + StartValues);
            QCOMPARE(int(TransformSettings.AffinePreset), 3);
            pressOk(&dialog);
            QCOMPARE(int(TransformSettings.AffinePreset), preset);
        }
    }

    // OK with b' dividing by 0 and c empty (typed in that order) beeps, stays
    // open and names them; the evaluator's flag and the slot's confirmation
    // are withdrawn, the other slot's stays. A change hides the line; once
    // all are valid OK closes and sets both. OK evaluates every field again,
    // c first and b' last: the message is that of b', and values changed behind
    // the dialog come back from the texts.
    void affinityErrorLine()
    {
        TransformSettings.CurrentSlot = 2;
        TransformSettings.AffineConfirmed = PerSlot<bool>(true);
        Taffina dialog;
        dialog.show();
        QSignalSpy beeps(&dialog, &Taffina::okRefused);
        pickPreset(&dialog, 5);
        type(&dialog, "Edit4", QStringLiteral("1/0"));
        type(&dialog, "nome", QString());
        Evaluator.EvalOk = true;
        pressOk(&dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(beeps.count(), 1);
        QVERIFY(child<QLabel>(&dialog, "Label1")->isVisible());
        QCOMPARE(text(&dialog, "Label1"), QStringLiteral("Error in:  c  b'  "));
        QCOMPARE(Evaluator.EvalMessage, QStringLiteral("division by 0"));
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[1], TransformSettings.AffineConfirmed[2]}),
                 (QList<bool>{false, true, false}));
        QCOMPARE(int(TransformSettings.AffinePreset), 5);
        type(&dialog, "Edit4", QStringLiteral("1"));
        QVERIFY(!child<QLabel>(&dialog, "Label1")->isVisible());
        type(&dialog, "nome", QStringLiteral("1"));
        Evaluator.EvalOk = false;
        TransformSettings.AffineCoeff[2] = AffineMatrix{{{7, 7, 7}, {7, 7, 7}}};
        pressOk(&dialog);
        QCOMPARE(storedValues(2), storedTexts(2)); // dilatazione's and the 1s typed read as their values
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE((QList<bool>{Evaluator.EvalOk, TransformSettings.AffineConfirmed[1], TransformSettings.AffineConfirmed[2]}),
                 QList<bool>(3, true));
    }

    // Every change is evaluated and stored at once, valid or not, and cancel
    // keeps it all and nothing else: the texts, the values of the valid ones
    // (b' was "2" a key before "2+"). Reopened, the invalid text is refused.
    void affinityCancelKeepsWhatTheChangesStored()
    {
        TransformSettings.CurrentSlot = 2;
        Taffina dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        type(&dialog, "bis", QStringLiteral("sqrt(2)"));
        type(&dialog, "Edit2", QStringLiteral("2,5"));
        pickPreset(&dialog, 6);
        type(&dialog, "bis", QStringLiteral("sqrt(2)"));
        type(&dialog, "Edit4", QStringLiteral("2+"));
        pressCancel(&dialog);
        QCOMPARE(storedTexts(2), (QStringList{"0", "sqrt(2)", "0,5", "0", "0", "2+"}));
        QCOMPARE(storedValues(2), (QStringList{"0", "1.41421354", "0.5", "0", "0", "2"}));
        QCOMPARE(changedValues(before).size(), 2 * AffineFieldCount);
        Taffina again;
        again.show();
        QCOMPARE(text(&again, "Edit4"), QStringLiteral("2+"));
        pressOk(&again);
        QVERIFY(again.isVisible());
        QCOMPARE(text(&again, "Label1"), QStringLiteral("Error in:  b'  "));
    }
};

QTEST_MAIN(TestDialogKinds)
#include "tst_dialogkinds.moc"
