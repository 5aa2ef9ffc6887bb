#include "dialogs/tdilatazioni.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tinclinazioni.h"
#include "lang/languagetables.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <memory>
#include <optional>

using namespace DialogDriver;

// The homothety, dilation and shear dialogs, whose reals with one decimal
// are edited as ten times their value, worked as the user works them.
namespace {

enum Kind { Homothety, Dilation, Shear };

std::unique_ptr<ParameterDialog> makeDialog(int kind)
{
    switch (kind) {
    case Homothety: return std::make_unique<Tgeomot>();
    case Dilation: return std::make_unique<Tdilatazioni>();
    default: return std::make_unique<Tinclinazioni>();
    }
}

int checkedItem(const QWidget *dialog, const char *group)
{
    return child<QButtonGroup>(dialog, QString::fromLatin1(group) + QStringLiteral("Buttons"))->checkedId();
}

// What the homothety dialog shows: sign item, ratio label and field, centre,
// check box.
QStringList homothetyShown(const QWidget *dialog)
{
    return {QString::number(checkedItem(dialog, "segno")), text(dialog, QStringLiteral("Label3")),
            text(dialog, QStringLiteral("edangolo")), text(dialog, QStringLiteral("xo")),
            text(dialog, QStringLiteral("yo")),
            QString::number(child<QCheckBox>(dialog, QStringLiteral("centro"))->isChecked())};
}

// What the shear dialog shows: axis item, sign item, coefficient.
QStringList shearShown(const QWidget *dialog)
{
    return {QString::number(checkedItem(dialog, "sceltasse")), QString::number(checkedItem(dialog, "segnokappa")),
            text(dialog, QStringLiteral("dily"))};
}

void setHomothety(int slot, int x, int y, float ratio, int sign, bool centre)
{
    TransformSettingsValues &s = TransformSettings;
    s.HomothetyCentreX[slot] = x;
    s.HomothetyCentreY[slot] = y;
    s.HomothetyRatio[slot] = ratio;
    s.HomothetySign[slot] = qint8(sign);
    s.ShowHomothetyCentre[slot] = centre;
}

QStringList entries(std::initializer_list<const char *> lines, int slot)
{
    QStringList expanded;
    for (const char *line : lines)
        expanded << QString::fromLatin1(line).arg(slot);
    expanded.sort();
    return expanded;
}

} // namespace

class TestRatioDialogs : public QObject
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

    void startValues()
    {
        Tgeomot homothety;
        homothety.show();
        QCOMPARE(homothetyShown(&homothety), (QStringList{"0", "k = ", "1.5", "-1", "1", "0"}));
        Tdilatazioni dilation;
        dilation.show();
        QCOMPARE((QStringList{text(&dilation, QStringLiteral("dilx")), text(&dilation, QStringLiteral("dily"))}),
                 (QStringList{"1.5", "0.5"}));
        // The shear coefficients start at 0, below the range: 0.5 is shown.
        Tinclinazioni shear;
        shear.show();
        QCOMPARE(shearShown(&shear), (QStringList{"0", "0", "0.5"}));
    }

    void homothetyOpensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("slot 1") << 1 << QStringList{"1", "k = -", "0.7", "36", "-25", "1"};
        QTest::newRow("slot 2") << 2 << QStringList{"0", "k = ", "2.0", "-36", "25", "0"};
    }

    void homothetyOpensOnItsSlot()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, values);
        setHomothety(1, 36, -25, 0.7f, -1, true);
        setHomothety(2, -36, 25, 2.0f, 1, false);
        TransformSettings.CurrentSlot = quint8(slot);
        Tgeomot dialog;
        dialog.show();
        QCOMPARE(homothetyShown(&dialog), values);
    }

    void dilationOpensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("slot 1") << 1 << QStringList{"3.7", "5.0"};
        QTest::newRow("slot 2") << 2 << QStringList{"0.5", "1.3"};
    }

    // 1.26 rounds to 1.3; 7 and 0.2 lie outside and show as the limits.
    void dilationOpensOnItsSlot()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, values);
        TransformSettings.DilationX[1] = 3.7f;
        TransformSettings.DilationY[1] = 7.0f;
        TransformSettings.DilationX[2] = 0.2f;
        TransformSettings.DilationY[2] = 1.26f;
        TransformSettings.CurrentSlot = quint8(slot);
        Tdilatazioni dialog;
        dialog.show();
        QCOMPARE((QStringList{text(&dialog, QStringLiteral("dilx")), text(&dialog, QStringLiteral("dily"))}), values);
    }

    void shearOpensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("slot 1, axis x") << 1 << 0 << 1 << QStringList{"0", "1", "1.2"};
        QTest::newRow("slot 1, axis y") << 1 << 1 << 0 << QStringList{"1", "0", "3.4"};
        QTest::newRow("slot 2, axis x") << 2 << 0 << 0 << QStringList{"0", "0", "4.1"};
        QTest::newRow("slot 2, axis y") << 2 << 1 << 1 << QStringList{"1", "1", "2.6"};
    }

    // The axis, the sign and the coefficient shown are the slot's own: the
    // other slot holds the other axis and sign.
    void shearOpensOnItsSlot()
    {
        QFETCH(int, slot);
        QFETCH(int, axis);
        QFETCH(int, sign);
        QFETCH(QStringList, values);
        TransformSettingsValues &s = TransformSettings;
        s.ShearX[1] = 1.2f;
        s.ShearY[1] = 3.4f;
        s.ShearX[2] = 4.1f;
        s.ShearY[2] = 2.6f;
        s.ShearAxis = PerSlot<quint8>(quint8(1 - axis));
        s.ShearSign = PerSlot<quint8>(quint8(1 - sign));
        s.ShearAxis[slot] = quint8(axis);
        s.ShearSign[slot] = quint8(sign);
        s.CurrentSlot = quint8(slot);
        Tinclinazioni dialog;
        dialog.show();
        QCOMPARE(shearShown(&dialog), values);
    }

    void spinSingleStepsAtTheEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("shownAfterEachStep");
        QTest::newRow("ratio, up past 2.0") << int(Homothety) << "pangolo" << "edangolo" << 18 << 1
                                            << QStringList{"1.9", "2.0", "0.1", "0.2"};
        QTest::newRow("ratio, down past 0.1") << int(Homothety) << "pangolo" << "edangolo" << 3 << -1
                                              << QStringList{"0.2", "0.1", "2.0", "1.9"};
        QTest::newRow("centre x, up past 36") << int(Homothety) << "pxo" << "xo" << 34 << 1
                                              << QStringList{"35", "36", "36", "36"};
        QTest::newRow("centre x, down past -36") << int(Homothety) << "pxo" << "xo" << -34 << -1
                                                 << QStringList{"-35", "-36", "-36", "-36"};
        QTest::newRow("centre y, up past 25") << int(Homothety) << "pyo" << "yo" << 23 << 1
                                              << QStringList{"24", "25", "25", "25"};
        QTest::newRow("centre y, down past -25") << int(Homothety) << "pyo" << "yo" << -23 << -1
                                                 << QStringList{"-24", "-25", "-25", "-25"};
        for (const char *name : {"dilx", "dily"}) {
            const QString spinName = QStringLiteral("pd") + QLatin1String(name + 1);
            QTest::addRow("dilation %s, up past 5.0", name) << int(Dilation) << spinName << name << 48 << 1
                                                            << QStringList{"4.9", "5.0", "5.0", "5.0"};
            QTest::addRow("dilation %s, down past 0.5", name) << int(Dilation) << spinName << name << 7 << -1
                                                              << QStringList{"0.6", "0.5", "0.5", "0.5"};
        }
        QTest::newRow("shear, up past 5.0") << int(Shear) << "pdily" << "dily" << 48 << 1
                                            << QStringList{"4.9", "5.0", "5.0", "5.0"};
        QTest::newRow("shear, down past 0.5") << int(Shear) << "pdily" << "dily" << 7 << -1
                                              << QStringList{"0.6", "0.5", "0.5", "0.5"};
    }

    // One step at a time, each shown with one decimal: the ratio wraps
    // exactly at its ends, the others stop there.
    void spinSingleStepsAtTheEnds()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(QStringList, shownAfterEachStep);
        auto dialog = makeDialog(kind);
        dialog->show();
        spin(dialog.get(), name)->setValue(start);
        QStringList texts;
        for (qsizetype i = 0; i < shownAfterEachStep.size(); ++i) {
            step(dialog.get(), name, direction);
            texts << text(dialog.get(), field);
        }
        QCOMPARE(texts, shownAfterEachStep);
    }

    void homothetyOkAndCancel_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        for (int slot : {1, 2})
            for (bool confirm : {true, false})
                QTest::addRow("slot %d, %s", slot, confirm ? "OK" : "cancel") << slot << confirm;
    }

    // The sign is stored when clicked, so it stays after a cancel; OK stores
    // the ratio, the centre and the check box of the slot, and nothing else.
    void homothetyOkAndCancel()
    {
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        setHomothety(slot, 3, -4, 0.7f, 1, false);
        TransformSettings.CurrentSlot = quint8(slot);
        Tgeomot dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, QStringLiteral("segno1"));
        QCOMPARE(text(&dialog, QStringLiteral("Label3")), QStringLiteral("k = -"));
        QCOMPARE(changedValues(before, storeValues()), entries({"HomothetySign[%1]=-1"}, slot));
        step(&dialog, QStringLiteral("pangolo"), 1);
        step(&dialog, QStringLiteral("pxo"), 1);
        step(&dialog, QStringLiteral("pyo"), -1);
        QTest::mouseClick(child<QCheckBox>(&dialog, QStringLiteral("centro")), Qt::LeftButton);
        QCOMPARE(homothetyShown(&dialog), (QStringList{"1", "k = -", "0.8", "4", "-5", "1"}));
        confirm ? pressOk(&dialog) : pressCancel(&dialog);
        QCOMPARE(dialog.result(), int(confirm ? QDialog::Accepted : QDialog::Rejected));
        const QStringList expected =
            confirm ? entries({"HomothetySign[%1]=-1", "HomothetyRatio[%1]=0.800000012", "HomothetyCentreX[%1]=4",
                               "HomothetyCentreY[%1]=-5", "ShowHomothetyCentre[%1]=1"},
                              slot)
                    : entries({"HomothetySign[%1]=-1"}, slot);
        QCOMPARE(changedValues(before, storeValues()), expected);
    }

    // Back to positive, stored at once; a dialog opened with a negative sign
    // shows item 1 and "k = -", and its OK does not store the sign again.
    void homothetySignBothWays()
    {
        TransformSettings.HomothetySign[2] = -1;
        TransformSettings.CurrentSlot = 2;
        Tgeomot dialog;
        dialog.show();
        QCOMPARE(homothetyShown(&dialog).mid(0, 2), (QStringList{"1", "k = -"}));
        chooseItem(&dialog, QStringLiteral("segno0"));
        QCOMPARE(text(&dialog, QStringLiteral("Label3")), QStringLiteral("k = "));
        QCOMPARE((QList<int>{TransformSettings.HomothetySign[1], TransformSettings.HomothetySign[2]}),
                 (QList<int>{1, 1}));
        TransformSettings.HomothetySign[2] = -1;
        pressOk(&dialog);
        QCOMPARE(int(TransformSettings.HomothetySign[2]), -1);
    }

    void dilationOkAndCancel_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        for (int slot : {1, 2})
            for (bool confirm : {true, false})
                QTest::addRow("slot %d, %s", slot, confirm ? "OK" : "cancel") << slot << confirm;
    }

    void dilationOkAndCancel()
    {
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        TransformSettings.CurrentSlot = quint8(slot);
        Tdilatazioni dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        step(&dialog, QStringLiteral("pdilx"), 1);
        step(&dialog, QStringLiteral("pdily"), -1);
        step(&dialog, QStringLiteral("pdily"), 1);
        step(&dialog, QStringLiteral("pdily"), 1);
        confirm ? pressOk(&dialog) : pressCancel(&dialog);
        const QStringList expected =
            confirm ? entries({"DilationX[%1]=1.60000002", "DilationY[%1]=0.699999988"}, slot) : QStringList();
        QCOMPARE(changedValues(before, storeValues()), expected);
    }

    void shearOk_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("axis");      // chosen in the dialog
        QTest::addColumn<int>("sign");      // chosen in the dialog
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("slot 1, x, positive") << 1 << 0 << 0 << QStringList{"ShearX[1]=1.29999995", "ShearY[1]=0"};
        QTest::newRow("slot 2, x, negative")
            << 2 << 0 << 1 << QStringList{"ShearSign[2]=1", "ShearX[2]=1.29999995", "ShearY[2]=0"};
        QTest::newRow("slot 1, y, positive")
            << 1 << 1 << 0 << QStringList{"ShearAxis[1]=1", "ShearX[1]=0", "ShearY[1]=1.29999995"};
        QTest::newRow("slot 2, y, negative") << 2 << 1 << 1
                                             << QStringList{"ShearAxis[2]=1", "ShearSign[2]=1", "ShearX[2]=0",
                                                            "ShearY[2]=1.29999995"};
    }

    // Both slots hold both coefficients, so that the zeroing of the unused
    // one shows. The axis is changed to y and back before the final choice:
    // the coefficient shown is not reloaded.
    void shearOk()
    {
        QFETCH(int, slot);
        QFETCH(int, axis);
        QFETCH(int, sign);
        QFETCH(QStringList, changed);
        TransformSettingsValues &s = TransformSettings;
        s.ShearX = PerSlot<float>(1.2f);
        s.ShearY = PerSlot<float>(3.4f);
        s.CurrentSlot = quint8(slot);
        Tinclinazioni dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, QStringLiteral("sceltasse1"));
        chooseItem(&dialog, QStringLiteral("sceltasse%1").arg(axis));
        chooseItem(&dialog, QStringLiteral("segnokappa1"));
        chooseItem(&dialog, QStringLiteral("segnokappa%1").arg(sign));
        step(&dialog, QStringLiteral("pdily"), 1);
        QCOMPARE(shearShown(&dialog), (QStringList{QString::number(axis), QString::number(sign), "1.3"}));
        QCOMPARE(storeValues(), before);
        pressOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(changedValues(before, storeValues()), changed);
    }

    void shearCancel()
    {
        TransformSettings.CurrentSlot = 2;
        Tinclinazioni dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, QStringLiteral("sceltasse1"));
        chooseItem(&dialog, QStringLiteral("segnokappa1"));
        step(&dialog, QStringLiteral("pdily"), 1);
        pressCancel(&dialog);
        QCOMPARE(changedValues(before, storeValues()), QStringList());
    }

    // The start values: 0.5 shown, stored only by OK, in ShearX.
    void shearStartStoredByOk()
    {
        Tinclinazioni dialog;
        dialog.show();
        pressOk(&dialog);
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE((QList<float>{s.ShearX[1], s.ShearY[1], s.ShearX[2], s.ShearY[2]}),
                 (QList<float>{0.5f, 0.0f, 0.0f, 0.0f}));
    }

    // Slot 1 confirmed along y, then slot 2 along x with the negative sign:
    // slot 2 opens on its own start values, and slot 1 keeps its axis, its
    // sign and its coefficient in ShearY.
    void shearAxisOfEachSlot()
    {
        TransformSettingsValues &s = TransformSettings;
        Tinclinazioni first;
        first.show();
        chooseItem(&first, QStringLiteral("sceltasse1"));
        spin(&first, QStringLiteral("pdily"))->setValue(20);
        pressOk(&first);
        s.CurrentSlot = 2;
        Tinclinazioni second;
        second.show();
        QCOMPARE(shearShown(&second), (QStringList{"0", "0", "0.5"}));
        chooseItem(&second, QStringLiteral("segnokappa1"));
        pressOk(&second);
        QCOMPARE((QList<int>{s.ShearAxis[1], s.ShearSign[1], s.ShearAxis[2], s.ShearSign[2]}),
                 (QList<int>{1, 0, 0, 1}));
        QCOMPARE((QList<float>{s.ShearX[1], s.ShearY[1], s.ShearX[2], s.ShearY[2]}),
                 (QList<float>{0.0f, 2.0f, 0.5f, 0.0f}));
    }

    void texts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<QStringList>("captions"); // title, then named captions
        const QStringList homothetyNames{"edangolo", "pangolo", "xo", "pxo", "yo", "pyo"};
        QTest::newRow("homothety") << int(Homothety) << int(English) << homothetyNames
                                   << QStringList{"ratio", "ratio", "abscissa of the centre of homothetia",
                                                  "abscissa of the centre of homothetia",
                                                  "ordinate of the centre of homothetia",
                                                  "ordinate of the centre of homothetia"}
                                   << QStringList{"Homotheties", "k positive", "k negative", "centre of homothetia"};
        QTest::newRow("homothety, Italian")
            << int(Homothety) << int(Italian) << homothetyNames
            << QStringList{"rapporto", "rapporto", "ascissa del centro dell'omotetia",
                           "ascissa del centro dell'omotetia", "ordinata del centro dell'omotetia",
                           "ordinata del centro dell'omotetia"}
            << QStringList{"Omotetie", "k positivo", "k negativo", "centro dell'omotetia"};
        QTest::newRow("dilation") << int(Dilation) << int(English) << QStringList{"dilx", "pdilx", "dily", "pdily"}
                                  << QStringList{"scaling factor along x", "scaling factor along x",
                                                 "scaling factor along y", "scaling factor along y"}
                                  << QStringList{"Scalings"};
        QTest::newRow("dilation, French")
            << int(Dilation) << int(French) << QStringList{"dilx", "dily"}
            << QStringList{"coefficient de dilatation selon x", "coefficient de dilatation selon y"}
            << QStringList{"Dilatations"};
        QTest::newRow("shear") << int(Shear) << int(English) << QStringList{"dily", "pdily"}
                               << QStringList{"ratio", "ratio"}
                               << QStringList{"Shear", "Axis", " x", " y", "k positive", "k negative"};
        QTest::newRow("shear, Italian") << int(Shear) << int(Italian) << QStringList{"dily", "pdily"}
                                        << QStringList{"rapporto", "rapporto"}
                                        << QStringList{"Inclinazione", "Asse", " x", " y", "k positivo",
                                                       "k negativo"};
    }

    void texts()
    {
        QFETCH(int, kind);
        QFETCH(int, language);
        QFETCH(QStringList, names);
        QFETCH(QStringList, tips);
        QFETCH(QStringList, captions);
        Language.LanguageIndex = quint8(language);
        auto dialog = makeDialog(kind);
        dialog->show();
        QStringList shownTips;
        for (const QString &name : names)
            shownTips << child(dialog.get(), name)->toolTip();
        QCOMPARE(shownTips, tips);
        QStringList shownCaptions{dialog->windowTitle()};
        if (kind == Homothety) {
            shownCaptions << child<QAbstractButton>(dialog.get(), QStringLiteral("segno0"))->text()
                          << child<QAbstractButton>(dialog.get(), QStringLiteral("segno1"))->text()
                          << child<QCheckBox>(dialog.get(), QStringLiteral("centro"))->text();
        } else if (kind == Shear) {
            shownCaptions << child<QGroupBox>(dialog.get(), QStringLiteral("sceltasse"))->title();
            for (const char *item : {"sceltasse0", "sceltasse1", "segnokappa0", "segnokappa1"})
                shownCaptions << child<QAbstractButton>(dialog.get(), QString::fromLatin1(item))->text();
        }
        QCOMPARE(shownCaptions, captions);
    }

    void cursors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("hands");
        const QStringList buttons{"BitBtn1", "BitBtn2", "BitBtn3"};
        QTest::newRow("homothety: the buttons, the three spins and the check box")
            << int(Homothety) << buttons + QStringList{"pangolo", "pxo", "pyo", "centro", "segno0", "edangolo"}
            << "111111100";
        QTest::newRow("dilation: the buttons alone")
            << int(Dilation) << buttons + QStringList{"pdilx", "pdily", "dilx"} << "111000";
        QTest::newRow("shear: the buttons alone")
            << int(Shear) << buttons + QStringList{"pdily", "sceltasse0", "segnokappa1"} << "111000";
    }

    void cursors()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, names);
        QFETCH(QString, hands);
        auto dialog = makeDialog(kind);
        dialog->show();
        QCOMPARE(pointingHands(dialog.get(), names), hands);
    }

    // The dilation and the shear share one first opening: whichever opens
    // second follows the dialogs' switch.
    void dilationAndShearShareTheFirstOpening()
    {
        Shell.MainShowHints = true;
        applyWorkspaceStartValues(true);
        TransformSettings.DialogShowHints = false;
        Tdilatazioni dilation;
        dilation.show();
        Tinclinazioni shear;
        shear.show();
        QCOMPARE((QList<bool>{dilation.hintsShown(), shear.hintsShown()}), (QList<bool>{true, false}));
    }
};

QTEST_MAIN(TestRatioDialogs)
#include "tst_ratiodialogs.moc"
