#include "plane/planeharness.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QTest>

using namespace DialogDriver;

// The workspace opens each kind's dialog for the slot whose combo box
// changed, and records the kind only when the dialog closes with OK.
class TestDialogWiring : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    void kindOpensItsDialog_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("confirm");
        const char *dialogs[] = {"Tgeotrasla", "Tgeorota", "Tgeosim", "Tgeomot", "Tdilatazioni", "Tinclinazioni",
                                 "Taffina"};
        // One dispatch serves both slots: each kind once a slot, OK in one.
        for (int kind = 0; kind < 7; ++kind)
            for (bool confirm : {true, false})
                QTest::addRow("%s, %s", dialogs[kind], confirm ? "OK" : "cancel")
                    << 1 + (kind + confirm) % 2 << kind << dialogs[kind] << confirm;
    }

    void kindOpensItsDialog()
    {
        QFETCH(int, slot);
        QFETCH(int, kind);
        QFETCH(QString, dialog);
        QFETCH(bool, confirm);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.setTransformations(2);
        plane.confirmFigure();
        if (slot == 2)
            plane.confirmKind(1, Traslazione);
        TransformSettings.SlotKind[slot] = 9;
        QString opened;
        int slotSeen = 0;
        GuiTest::whenModalOpens([&](QWidget *modal) {
            opened = modal->objectName();
            slotSeen = TransformSettings.CurrentSlot;
            confirm ? pressOk(modal) : pressCancel(modal);
        });
        plane.choose(slot == 1 ? "trasfuno" : "trasfdue", kind);
        QCOMPARE(opened, dialog);
        QCOMPARE(slotSeen, slot);
        QCOMPARE(int(TransformSettings.SlotKind[slot]), confirm ? kind : 9);
    }
};

QTEST_MAIN(TestDialogWiring)
#include "tst_dialogwiring.moc"
