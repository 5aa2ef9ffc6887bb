#include "everydialog.h"
#include "startedwindow.h"

#include "app/tnumeria.h"
#include "lang/languagetables.h"
#include "plane/tgeo.h"
#include "shell/screenfit.h"
#include "shell/shellvalues.h"
#include "support/guitest.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QTest>

#include <map>

namespace {

// Below this the drawing is too small to teach with.
constexpr int UsefulDrawingHeight = 300;

using Measures = std::map<QString, QSize>;

// The workspace's need: the main window's menu and borders around the
// workspace's frame, its whole row of tool bars (as wide as it asks, so
// that nothing hides behind "»"), a useful drawing and the bottom panel.
QSize workspaceNeed(Tnumeria &window)
{
    window.Trasformazioni1Click();
    auto *plane = window.findChild<Tgeo *>();
    const QWidget *row = plane->findChild<QWidget *>(QStringLiteral("barrasotto"));
    const QMdiArea *area = window.findChild<QMdiArea *>();
    const QSize planeFrame = plane->size() - plane->widget()->size();
    const QSize windowFrame = window.size() - area->viewport()->size();
    return QSize(row->sizeHint().width(), row->sizeHint().height() + UsefulDrawingHeight + Shell.PanelHeight)
        + planeFrame + windowFrame;
}

// Every dialog as it opens, its layout's wish included.
void measureDialogs(Measures &measures)
{
    EveryDialog dialogs;
    for (const auto &[name, dialog] : dialogs.all()) {
        dialog->show();
        QCoreApplication::processEvents();
        QSize &need = measures[QString::fromLatin1(name)];
        need = need.expandedTo(dialog->size().expandedTo(dialog->sizeHint()));
        dialog->hide();
    }
}

// What each window needs, the largest over the three languages.
Measures measureWindows()
{
    Measures measures;
    for (int language : {Italian, English, French}) {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = quint8(language);
        const auto window = startedWindow();
        QSize &workspace = measures[QStringLiteral("workspace")];
        workspace = workspace.expandedTo(workspaceNeed(*window));
        measureDialogs(measures);
    }
    return measures;
}

} // namespace

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    // The table of needs stands for the windows: each window it names needs
    // no more than it says (and not much less, or the factor is wasted), and
    // every other window is no larger than one of them.
    void needsStandForTheWindows()
    {
        const Measures measured = measureWindows();
        for (const auto &[name, size] : measured) {
            const auto named = std::find_if(std::begin(ScreenFit::Needs), std::end(ScreenFit::Needs),
                                            [&name](const ScreenFit::Need &need) { return name == QLatin1String(need.window); });
            const QString seen = QStringLiteral("%1 %2 x %3").arg(name).arg(size.width()).arg(size.height());
            if (named == std::end(ScreenFit::Needs)) {
                QVERIFY2(std::any_of(std::begin(ScreenFit::Needs), std::end(ScreenFit::Needs),
                                     [&size](const ScreenFit::Need &need) {
                                         return size.width() <= need.size.width() && size.height() <= need.size.height();
                                     }),
                         qPrintable(seen));
                continue;
            }
            const QSize need = named->size;
            QVERIFY2(size.width() <= need.width() && size.height() <= need.height(), qPrintable(seen));
            QVERIFY2(need.width() <= size.width() * 21 / 20 && need.height() <= size.height() * 21 / 20, qPrintable(seen));
        }
    }

    // The largest quarter step at which every window fits, on the screens
    // schools have, and at the edge of a fit.
    void factorForTheScreen_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("factor");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 1.0;
        QTest::newRow("1280 x 800") << QSize(1280, 800) << 1.25;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 1.25;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.75;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 2.5;
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << 3.0;
        QTest::newRow("smaller than the workspace") << QSize(800, 600) << 1.0;
        // 981 x 1.25 = 1226.25, a pixel more, and the frame's 16.
        QTest::newRow("just wide enough for 1.25") << QSize(1243, 2000) << 1.25;
        QTest::newRow("a pixel short of 1.25") << QSize(1242, 2000) << 1.0;
        // The workspace, 418 high: 418 x 2.5 and the frame's 40.
        QTest::newRow("just high enough for 2.5") << QSize(4000, 1085) << 2.5;
        QTest::newRow("a pixel short of 2.5") << QSize(4000, 1084) << 2.25;
    }

    void factorForTheScreen()
    {
        QFETCH(QSize, available);
        QFETCH(double, factor);
        QCOMPARE(ScreenFit::largestFittingFactor(available), factor);
        QVERIFY(ScreenFit::fits(factor, available) || factor == ScreenFit::SmallestFactor);
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
