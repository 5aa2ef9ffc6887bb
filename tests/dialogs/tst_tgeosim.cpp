#include "dialogs/symmetryrules.h"
#include "dialogs/tgeosim.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QTest>
#include <optional>

using namespace DialogDriver;

// The symmetry dialog's own wiring: the rows each kind enables, and the
// slope that follows the inclination.
namespace {

const QStringList ValueRows{"xzero", "pxzero", "yzero", "pyzero", "angolo", "pangolo", "Edit3", "qu", "pqu"};

// ValueRows as the rules enable them for `kind`.
QString rowsOfKind(int kind)
{
    const SymmetryRows rows = rowsForSymmetryKind(kind);
    const auto bits = [](bool on, int count) { return QString(count, on ? u'1' : u'0'); };
    return bits(rows.x, 2) + bits(rows.y, 2) + bits(rows.line, 5);
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

    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    void enablingByKind_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind = 0; kind < SymmetryKindCount; ++kind)
            QTest::addRow("kind %d", kind) << kind;
    }

    // Each kind clicked after another one, the other slot holding yet
    // another: the rows follow the rules, OK stores the kind in the slot, and
    // the next opening shows it with the same rows.
    void enablingByKind()
    {
        QFETCH(int, kind);
        const int other = kind == 5 ? 0 : 5;
        TransformSettings.SymmetryKind = PerSlot<quint8>(quint8(other));
        TransformSettings.SymmetryKind[1] = quint8(kind == 3 ? 4 : 3);
        TransformSettings.CurrentSlot = 2;
        Tgeosim dialog;
        dialog.show();
        QCOMPARE(enabling(&dialog, ValueRows), rowsOfKind(other));
        chooseItem(&dialog, QStringLiteral("tiposim%1").arg(kind));
        QCOMPARE(enabling(&dialog, ValueRows), rowsOfKind(kind));
        pressOk(&dialog);
        QCOMPARE((QList<int>{TransformSettings.SymmetryKind[1], TransformSettings.SymmetryKind[2]}),
                 (QList<int>{kind == 3 ? 4 : 3, kind}));
        Tgeosim opened;
        opened.show();
        QCOMPARE(shown(&opened, {"tiposimButtons"}), QStringList{QString::number(kind)});
        QCOMPARE(enabling(&opened, ValueRows), rowsOfKind(kind));
    }

    // The slope follows each step of the angle, through the vertical line
    // and back.
    void slopeFollowsTheAngle()
    {
        TransformSettings.SymmetryKind[1] = 5;
        TransformSettings.SymmetryAxisAngle[1] = 88;
        Tgeosim dialog;
        dialog.show();
        QStringList slopes{text(&dialog, "Edit3")};
        for (int direction : {1, 1, 1, -1}) {
            step(&dialog, "pangolo", direction);
            slopes << text(&dialog, "Edit3");
        }
        QCOMPARE(slopes, (QStringList{slopeText(88), slopeText(89), slopeText(90), slopeText(91), slopeText(90)}));
    }

    // The stored angle equals the spin's first position, 0: the slope is
    // shown all the same.
    void slopeOfTheFirstPosition()
    {
        TransformSettings.SymmetryAxisAngle[2] = 0;
        TransformSettings.CurrentSlot = 2;
        Tgeosim dialog;
        dialog.show();
        QCOMPARE(text(&dialog, "Edit3"), QStringLiteral("0.00"));
    }
};

QTEST_MAIN(TestTgeosim)
#include "tst_tgeosim.moc"
