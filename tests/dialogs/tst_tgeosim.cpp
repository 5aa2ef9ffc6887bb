#include "dialogs/tgeosim.h"
#include "lang/languagetables.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <optional>

using namespace DialogDriver;

// The symmetry dialog worked as the user works it, on the store as a
// freshly created workspace leaves it.
namespace {

const QStringList ValueRows{"xzero", "pxzero", "yzero", "pyzero", "angolo", "pangolo", "Edit3", "qu", "pqu"};

// What the dialog shows: the kind, the five value fields and the check box.
QStringList shown(const QWidget *dialog)
{
    QStringList values{QString::number(child<QButtonGroup>(dialog, QStringLiteral("tiposimButtons"))->checkedId())};
    for (const char *name : {"xzero", "yzero", "angolo", "Edit3", "qu"})
        values << text(dialog, QString::fromLatin1(name));
    values << QString::number(child<QCheckBox>(dialog, QStringLiteral("centrasse"))->isChecked());
    return values;
}

void setSymmetry(int slot, int kind, int x, int y, int angle, int q, bool shown)
{
    TransformSettingsValues &s = TransformSettings;
    s.SymmetryKind[slot] = quint8(kind);
    s.SymmetryCentreX[slot] = x;
    s.SymmetryCentreY[slot] = y;
    s.SymmetryAxisAngle[slot] = angle;
    s.SymmetryAxisQ[slot] = q;
    s.ShowSymmetryElement[slot] = shown;
}

} // namespace

class TestTgeosim : public QObject
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

    // The start values: kind "P (x, y)" at (0, 0), angle 60 with slope 1.73
    // and intercept -3 shown disabled, the check box clear.
    void startValues()
    {
        Tgeosim dialog;
        dialog.show();
        QCOMPARE(shown(&dialog), (QStringList{"0", "0", "0", "60", "1.73", "-3", "0"}));
        QCOMPARE(enabling(&dialog, ValueRows), QStringLiteral("111100000"));
    }

    void opensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("rows");
        QTest::newRow("slot 1") << 1 << QStringList{"5", "-7", "3", "135", "-1.00", "4", "1"} << "000011111";
        QTest::newRow("slot 2") << 2 << QStringList{"2", "9", "-5", "90", "inf", "-5", "0"} << "001100000";
    }

    // The two slots hold different values; the dialog shows those of the
    // current slot, with the enabling of its kind.
    void opensOnItsSlot()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, values);
        QFETCH(QString, rows);
        setSymmetry(1, 5, -7, 3, 135, 4, true);
        setSymmetry(2, 2, 9, -5, 90, -5, false);
        TransformSettings.CurrentSlot = quint8(slot);
        Tgeosim dialog;
        dialog.show();
        QCOMPARE(shown(&dialog), values);
        QCOMPARE(enabling(&dialog, ValueRows), rows);
    }

    void enablingByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("rows"); // as ValueRows
        QTest::newRow("P (x, y)") << 0 << "111100000";
        QTest::newRow("x = cost") << 1 << "110000000";
        QTest::newRow("y = cost") << 2 << "001100000";
        QTest::newRow("y = x") << 3 << "000000000";
        QTest::newRow("y = -x") << 4 << "000000000";
        QTest::newRow("y = mx + q") << 5 << "000011111";
    }

    // Each kind clicked after another one, and each kind stored and opened.
    void enablingByKind()
    {
        QFETCH(int, kind);
        QFETCH(QString, rows);
        TransformSettings.SymmetryKind[1] = quint8(kind == 5 ? 0 : 5);
        Tgeosim dialog;
        dialog.show();
        chooseItem(&dialog, QStringLiteral("tiposim%1").arg(kind));
        QCOMPARE(child<QButtonGroup>(&dialog, QStringLiteral("tiposimButtons"))->checkedId(), kind);
        QCOMPARE(enabling(&dialog, ValueRows), rows);
        TransformSettings.SymmetryKind[1] = quint8(kind);
        Tgeosim opened;
        opened.show();
        QCOMPARE(enabling(&opened, ValueRows), rows);
    }

    void kindItems()
    {
        Tgeosim dialog;
        dialog.show();
        QStringList items;
        for (int kind = 0; kind < 6; ++kind)
            items << child<QAbstractButton>(&dialog, QStringLiteral("tiposim%1").arg(kind))->text();
        QCOMPARE(items, (QStringList{"P (x, y)", "x = cost", "y = cost", "y = x", "y = -x", "y = mx + q"}));
    }

    void spinSingleStepsAtTheEnds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QStringList>("shownAfterEachStep");
        QTest::newRow("x, up past 10") << "pxzero" << "xzero" << 8 << 1 << QStringList{"9", "10", "10", "10"};
        QTest::newRow("x, down past -10") << "pxzero" << "xzero" << -8 << -1
                                          << QStringList{"-9", "-10", "-10", "-10"};
        QTest::newRow("y, up past 5") << "pyzero" << "yzero" << 3 << 1 << QStringList{"4", "5", "5", "5"};
        QTest::newRow("y, down past -5") << "pyzero" << "yzero" << -3 << -1 << QStringList{"-4", "-5", "-5", "-5"};
        QTest::newRow("angle, up past 179") << "pangolo" << "angolo" << 177 << 1
                                            << QStringList{"178", "179", "0", "1"};
        QTest::newRow("angle, down past 0") << "pangolo" << "angolo" << 2 << -1
                                            << QStringList{"1", "0", "179", "178"};
        QTest::newRow("q, up past 5") << "pqu" << "qu" << 3 << 1 << QStringList{"4", "5", "5", "5"};
        QTest::newRow("q, down past -5") << "pqu" << "qu" << -3 << -1 << QStringList{"-4", "-5", "-5", "-5"};
    }

    // One step at a time, so that a spin wrapping one step early or late
    // shows it.
    void spinSingleStepsAtTheEnds()
    {
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(int, start);
        QFETCH(int, direction);
        QFETCH(QStringList, shownAfterEachStep);
        TransformSettings.SymmetryKind[1] = name == u"pxzero" || name == u"pyzero" ? 0 : 5;
        Tgeosim dialog;
        dialog.show();
        spin(&dialog, name)->setValue(start);
        QStringList texts;
        for (qsizetype i = 0; i < shownAfterEachStep.size(); ++i) {
            step(&dialog, name, direction);
            texts << text(&dialog, field);
        }
        QCOMPARE(texts, shownAfterEachStep);
    }

    // The slope follows each step of the angle, through the vertical line.
    void slopeFollowsTheAngle()
    {
        TransformSettings.SymmetryKind[1] = 5;
        TransformSettings.SymmetryAxisAngle[1] = 88;
        Tgeosim dialog;
        dialog.show();
        QStringList slopes{text(&dialog, QStringLiteral("Edit3"))};
        for (int i = 0; i < 3; ++i) {
            step(&dialog, QStringLiteral("pangolo"), 1);
            slopes << text(&dialog, QStringLiteral("Edit3"));
        }
        step(&dialog, QStringLiteral("pangolo"), -1);
        slopes << text(&dialog, QStringLiteral("Edit3"));
        QCOMPARE(slopes, (QStringList{"28.64", "57.29", "inf", "-57.29", "inf"}));
    }

    // The stored angle equals the spin's first position, 0: the slope is
    // shown all the same.
    void slopeOfTheFirstPosition()
    {
        TransformSettings.SymmetryAxisAngle[2] = 0;
        TransformSettings.CurrentSlot = 2;
        Tgeosim dialog;
        dialog.show();
        QCOMPARE(text(&dialog, QStringLiteral("Edit3")), QStringLiteral("0.00"));
    }

    void okAndCancel_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        for (int slot : {1, 2})
            for (bool confirm : {true, false})
                QTest::addRow("slot %d, %s", slot, confirm ? "OK" : "cancel") << slot << confirm;
    }

    // Every value is edited through its control, and the kind left on
    // "y = x", which disables every row: OK stores all six values of the
    // slot all the same and nothing else; cancel stores nothing.
    void okAndCancel()
    {
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        setSymmetry(slot, 1, 4, -2, 100, 2, true);
        TransformSettings.CurrentSlot = quint8(slot);
        Tgeosim dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, QStringLiteral("tiposim5"));
        step(&dialog, QStringLiteral("pangolo"), 1);
        step(&dialog, QStringLiteral("pqu"), 1);
        chooseItem(&dialog, QStringLiteral("tiposim0"));
        step(&dialog, QStringLiteral("pxzero"), 1);
        step(&dialog, QStringLiteral("pyzero"), 1);
        chooseItem(&dialog, QStringLiteral("tiposim3"));
        QTest::mouseClick(child<QCheckBox>(&dialog, QStringLiteral("centrasse")), Qt::LeftButton);
        QCOMPARE(shown(&dialog), (QStringList{"3", "5", "-1", "101", "-5.14", "3", "0"}));
        QCOMPARE(storeValues(), before);
        confirm ? pressOk(&dialog) : pressCancel(&dialog);
        QCOMPARE(dialog.result(), int(confirm ? QDialog::Accepted : QDialog::Rejected));
        QStringList expected;
        if (confirm) {
            for (const char *entry : {"ShowSymmetryElement[%1]=0", "SymmetryAxisAngle[%1]=101", "SymmetryAxisQ[%1]=3",
                                      "SymmetryCentreX[%1]=5", "SymmetryCentreY[%1]=-1", "SymmetryKind[%1]=3"})
                expected << QString::fromLatin1(entry).arg(slot);
        }
        QCOMPARE(changedValues(before, storeValues()), expected);
    }

    void hints()
    {
        Tgeosim dialog;
        dialog.show();
        QStringList tips;
        for (const QString &name : ValueRows)
            tips << child(&dialog, name)->toolTip();
        QCOMPARE(tips, (QStringList{"abscissa of the centre of simmetry", "abscissa of the centre of simmetry",
                                    "ordinate of the centre of simmetry", "ordinate of the centre of simmetry",
                                    "inclination on the x axis", "inclination on the x axis", "slope",
                                    "intercept on the y axis", "intercept on the y axis"}));
        QCOMPARE((QStringList{dialog.windowTitle(), child<QGroupBox>(&dialog, QStringLiteral("tiposim"))->title(),
                              child<QCheckBox>(&dialog, QStringLiteral("centrasse"))->text()}),
                 (QStringList{"Simmetries", "with respect to", "centre or axis of simmetry"}));
        QCOMPARE((QStringList{child(&dialog, QStringLiteral("BitBtn1"))->toolTip(),
                              child(&dialog, QStringLiteral("BitBtn2"))->toolTip(),
                              child(&dialog, QStringLiteral("BitBtn3"))->toolTip()}),
                 (QStringList{"OK", "cancel", "help"}));
    }

    void italianTexts()
    {
        Language.LanguageIndex = Italian;
        Tgeosim dialog;
        dialog.show();
        QCOMPARE((QStringList{dialog.windowTitle(), child(&dialog, QStringLiteral("Edit3"))->toolTip(),
                              child<QCheckBox>(&dialog, QStringLiteral("centrasse"))->text()}),
                 (QStringList{"Simmetrie", "coefficiente angolare", "centro o asse di simmetria"}));
    }

    // The buttons, the spins, the kinds and the check box point with the
    // hand; the value fields do not.
    void cursors()
    {
        Tgeosim dialog;
        dialog.show();
        QCOMPARE(pointingHands(&dialog, {"BitBtn1", "BitBtn2", "BitBtn3", "pxzero", "pyzero", "pangolo", "pqu",
                                         "tiposim0", "tiposim5", "centrasse", "xzero", "Edit3"}),
                 QStringLiteral("111111111100"));
    }
};

QTEST_MAIN(TestTgeosim)
#include "tst_tgeosim.moc"
