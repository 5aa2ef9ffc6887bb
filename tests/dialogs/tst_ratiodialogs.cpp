#include "dialogs/tdilatazioni.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tinclinazioni.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QTest>
#include <optional>

using namespace DialogDriver;

// The homothety's sign, stored as soon as it is clicked, and the shear's
// axis, which decides where its one coefficient is kept; with the dilation,
// the reals with one decimal that these dialogs edit as ten times their value.
namespace {

const QStringList ShearShown{"sceltasseButtons", "segnokappaButtons", "dily"};

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

    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // A stored real is shown at the nearest position inside the range.
    void dilationOpensOnTheNearestPosition()
    {
        TransformSettings.DilationX[2] = 0.2f;
        TransformSettings.DilationY[2] = 1.26f;
        TransformSettings.CurrentSlot = 2;
        Tdilatazioni dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, {"dilx", "dily"}), (QStringList{"0.5", "1.3"}));
    }

    void homothetySignIsStoredAtOnce_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        for (int slot : {1, 2})
            for (bool confirm : {true, false})
                QTest::addRow("slot %d, %s", slot, confirm ? "OK" : "cancel") << slot << confirm;
    }

    // Opened negative, the dialog shows item 1 and "k = -"; each click stores
    // the sign of the slot at once. The sign changed behind the dialog then
    // shows that neither OK nor cancel stores it again, and that OK stores
    // the ratio without its sign.
    void homothetySignIsStoredAtOnce()
    {
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        TransformSettings.HomothetySign[slot] = -1;
        TransformSettings.CurrentSlot = quint8(slot);
        Tgeomot dialog;
        dialog.show();
        QCOMPARE(shown(&dialog, {"segnoButtons", "Label3"}), (QStringList{"1", "k = -"}));
        const QMap<QString, QString> before = storeValues();
        const QString positive = QStringLiteral("HomothetySign[%1]=1").arg(slot);
        chooseItem(&dialog, "segno0");
        QCOMPARE(text(&dialog, "Label3"), QStringLiteral("k = "));
        QCOMPARE(changedValues(before, storeValues()), QStringList{positive});
        chooseItem(&dialog, "segno1");
        QCOMPARE(text(&dialog, "Label3"), QStringLiteral("k = -"));
        QCOMPARE(changedValues(before, storeValues()), QStringList());
        TransformSettings.HomothetySign[slot] = 1;
        confirm ? pressOk(&dialog) : pressCancel(&dialog);
        QCOMPARE(changedValues(before, storeValues()), QStringList{positive});
    }

    void shearOpensOnItsSlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("sign");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("slot 1, axis y") << 1 << 1 << 0 << QStringList{"1", "0", "3.4"};
        QTest::newRow("slot 2, axis x") << 2 << 0 << 1 << QStringList{"0", "1", "4.1"};
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
        QCOMPARE(shown(&dialog, ShearShown), values);
    }

    void shearOkAndCancel_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("axis"); // chosen in the dialog
        QTest::addColumn<int>("sign"); // chosen in the dialog
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("slot 1, x, positive") << 1 << 0 << 0 << true
                                             << QStringList{"ShearX[1]=1.29999995", "ShearY[1]=0"};
        QTest::newRow("slot 2, x, negative")
            << 2 << 0 << 1 << true << QStringList{"ShearSign[2]=1", "ShearX[2]=1.29999995", "ShearY[2]=0"};
        QTest::newRow("slot 1, y, positive")
            << 1 << 1 << 0 << true << QStringList{"ShearAxis[1]=1", "ShearX[1]=0", "ShearY[1]=1.29999995"};
        QTest::newRow("slot 2, y, negative")
            << 2 << 1 << 1 << true
            << QStringList{"ShearAxis[2]=1", "ShearSign[2]=1", "ShearX[2]=0", "ShearY[2]=1.29999995"};
        QTest::newRow("slot 2, y, negative, cancelled") << 2 << 1 << 1 << false << QStringList();
    }

    // Both slots hold both coefficients, so that the zeroing of the unused
    // one shows. The axis is changed to y and back before the final choice:
    // the coefficient shown is not reloaded. Nothing is stored before OK.
    void shearOkAndCancel()
    {
        QFETCH(int, slot);
        QFETCH(int, axis);
        QFETCH(int, sign);
        QFETCH(bool, confirm);
        QFETCH(QStringList, changed);
        TransformSettingsValues &s = TransformSettings;
        s.ShearX = PerSlot<float>(1.2f);
        s.ShearY = PerSlot<float>(3.4f);
        s.CurrentSlot = quint8(slot);
        Tinclinazioni dialog;
        dialog.show();
        const QMap<QString, QString> before = storeValues();
        chooseItem(&dialog, "sceltasse1");
        chooseItem(&dialog, QStringLiteral("sceltasse%1").arg(axis));
        chooseItem(&dialog, "segnokappa1");
        chooseItem(&dialog, QStringLiteral("segnokappa%1").arg(sign));
        step(&dialog, "pdily", 1);
        QCOMPARE(shown(&dialog, ShearShown), (QStringList{QString::number(axis), QString::number(sign), "1.3"}));
        QCOMPARE(storeValues(), before);
        confirm ? pressOk(&dialog) : pressCancel(&dialog);
        QCOMPARE(changedValues(before, storeValues()), changed);
    }
};

QTEST_MAIN(TestRatioDialogs)
#include "tst_ratiodialogs.moc"
