#include "space/tcuborot.h"

#include "shell/helpviewer.h"
#include "support/guitest.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <optional>

Q_DECLARE_METATYPE(CubeAxis)

namespace {

// A dialog on a schedule of its own.
struct Dialog {
    explicit Dialog(CubeSchedule start = {})
        : schedule(start)
        , dialog(schedule, hints)
    {
    }

    CubeSchedule schedule;
    CubeDialogHints hints;
    Tcuborot dialog;
};

} // namespace

class TestTcuborot : public QObject
{
    Q_OBJECT

private slots:
    void init() { fixture.emplace(); }

    void cleanup()
    {
        delete HelpViewer::current();
        fixture.reset();
    }

    void ok_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("turns");
        QTest::addColumn<QString>("clicks"); // on the direction buttons, from clockwise down
        QTest::addColumn<bool>("clockwise");
        QTest::newRow("z 1 clockwise") << AxisZ << 1 << "" << true;
        QTest::newRow("y 3, anticlockwise releases clockwise") << AxisY << 3 << "s" << false;
        QTest::newRow("x 0, both up is anticlockwise") << AxisX << 0 << "d" << false;
        QTest::newRow("clockwise releases anticlockwise") << AxisY << 2 << "sd" << true;
    }

    // OK stores the edited third step and the other two as they were loaded.
    void ok()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, turns);
        QFETCH(QString, clicks);
        QFETCH(bool, clockwise);
        Dialog d({{AxisZ, AxisZ, AxisX}, {0, 3, 1}, {false, true, true}});
        d.dialog.findChild<QGroupBox *>(QStringLiteral("terza"))->findChildren<QRadioButton *>()[axis]->click();
        d.dialog.findChild<QSpinBox *>(QStringLiteral("pterza"))->setValue(turns);
        for (QChar side : clicks)
            d.dialog.findChild<QToolButton *>(QStringLiteral("rota3") + side)->click();
        d.dialog.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(d.schedule.StepAxis, (std::array<CubeAxis, 3>{AxisZ, AxisZ, axis}));
        QCOMPARE(d.schedule.StepTurns, (std::array<int, 3>{0, 3, turns}));
        QCOMPARE(d.schedule.StepClockwise, (std::array<bool, 3>{false, true, clockwise}));
    }

    void cancelStoresNothing()
    {
        Dialog d;
        d.dialog.findChild<QSpinBox *>(QStringLiteral("pprima"))->setValue(0);
        d.dialog.findChild<QToolButton *>(QStringLiteral("rota1s"))->click();
        d.dialog.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
        QVERIFY(d.schedule.StepTurns[0] == 2 && d.schedule.StepClockwise[0]);
    }

    // Turns are set with the arrows only, wrapping; the field shows them and
    // takes no typing, so it never holds a number out of range.
    void turnsWrap()
    {
        Dialog d;
        auto *spin = d.dialog.findChild<QSpinBox *>(QStringLiteral("pseconda"));
        auto *field = d.dialog.findChild<QLineEdit *>(QStringLiteral("eseconda"));
        spin->setValue(3);
        spin->stepBy(1);
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY(field->isReadOnly());
    }

    void help()
    {
        Dialog d;
        d.dialog.findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("809.html"));
    }

private:
    std::optional<GuiTest::Fixture> fixture;
};

QTEST_MAIN(TestTcuborot)
#include "tst_tcuborot.moc"
