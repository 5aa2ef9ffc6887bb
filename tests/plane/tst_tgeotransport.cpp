#include "planeharness.h"

#include "support/guitest.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

struct Run {
    QList<QImage> frames;
    QStringList texts;
};

void prepare(int kind)
{
    setFigure(2, {{15, 11}, {10, 9}, {21, 4}});
    setTranslation(1, 3, -2, true);
    setRotation(1, -30, 2, -2);
    TransformSettings.ShowRotationArcs[1] = true;
    TransformSettings.HomothetyRatio[1] = 0.5f;
    TransformSettings.HomothetySign[1] = -1;
    TransformSettings.DilationX[1] = 1.5f;
    TransformSettings.DilationY[1] = 0.5f;
    if (kind == Inclinazione) {
        setFigure(4, {{3, 2}, {5, 5}});
        TransformSettings.ShearX[1] = 0.6f;
    }
}

// One step of `kind`, with the canvas after every frame; `interrupt` pauses
// it after three frames, steps two frames, speeds it up and resumes.
Run runStep(int kind, bool interrupt)
{
    PlaneHarness plane;
    prepare(kind);
    plane.confirmFigure();
    plane.confirmKind(1, kind);
    plane.button("continua")->click();
    Tgeo *geo = plane.window();
    Run run;
    for (int events = 0;; ++events) {
        if (interrupt && events == 3) {
            QTest::keyClick(geo->widget(), Qt::Key_Space);
            if (plane.frame(kind))
                return {};
            for (int i = 0; i < 2; ++i) {
                QTest::keyClick(geo->widget(), Qt::Key_Period);
                run.frames << geo->canvas().copy();
            }
            QTest::keyClick(geo->widget(), Qt::Key_Plus);
            QTest::keyClick(geo->widget(), Qt::Key_Space);
        }
        if (!plane.frame(kind))
            break;
        run.frames << geo->canvas().copy();
    }
    run.texts = recordedTexts(1, 3) << plane.labelText("Label1") << plane.labelText("Label2");
    return run;
}

// What the lesson shows after a step: the canvas, the messages and the
// enabling, which together follow the lesson's flow.
struct Shown {
    QImage canvas;
    QString texts;
    bool operator==(const Shown &) const = default;
};

Shown shown(const PlaneHarness &plane)
{
    return {plane.window()->canvas().copy(), plane.messageLine() + QLatin1Char('|') + plane.labelText("Panel1")
                                                 + QLatin1Char('|') + plane.labelText("Label2") + QLatin1Char('|')
                                                 + plane.controls() + recordedTexts(2, 3).join(QLatin1Char(' '))};
}

} // namespace

class TgeoTransportTest : public QObject
{
    Q_OBJECT

private slots:
    // Pausing, stepping and a new speed change when frames come, never
    // which frames come: every picture and text is the straight run's.
    void interruptedStepEndsAsStraightOne_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("translation with its vector") << int(Traslazione);
        QTest::newRow("rotation with arcs") << int(Rotazione);
        QTest::newRow("homothety, k < 0") << int(Omotetia);
        QTest::newRow("dilation") << int(Dilatazione);
        QTest::newRow("shear of a circle") << int(Inclinazione);
    }

    void interruptedStepEndsAsStraightOne()
    {
        QFETCH(int, kind);
        GuiTest::Fixture fixture;
        const Run straight = runStep(kind, false);
        const Run interrupted = runStep(kind, true);
        QVERIFY(straight.frames.size() > 6);
        QCOMPARE(interrupted.frames.size(), straight.frames.size());
        for (int i = 0; i < straight.frames.size(); ++i)
            QVERIFY2(interrupted.frames[i] == straight.frames[i], qPrintable(QString::number(i)));
        QCOMPARE(interrupted.texts, straight.texts);
    }

    // The speeds halve and double the nominal intervals; the read-out says
    // where a paused rotation stands.
    void speedsAndReadout()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        prepare(Rotazione);
        setRotation(1, 90, 2, -2);
        plane.confirmFigure();
        plane.confirmKind(1, Rotazione);
        Tgeo *geo = plane.window();
        auto interval = [geo](const char *name) { return geo->findChild<QTimer *>(QString::fromLatin1(name))->interval(); };
        QCOMPARE(interval("rotazione"), 50);
        QTest::keyClick(geo->widget(), Qt::Key_Minus);
        QTest::keyClick(geo->widget(), Qt::Key_Minus);
        QTest::keyClick(geo->widget(), Qt::Key_Minus);
        QCOMPARE(interval("rotazione"), 200);
        QCOMPARE(interval("inclinazione"), 8);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(geo->widget(), Qt::Key_Plus);
        QCOMPARE(interval("rotazione"), 12);
        QCOMPARE(interval("inclinazione"), 0);

        QTest::keyClick(geo->widget(), Qt::Key_PageDown);
        QVERIFY(interval("rotazione") && geo->findChild<QTimer *>(QStringLiteral("rotazione"))->isActive());
        for (int i = 0; i < 22; ++i)
            geo->rotazioneTimer();
        plane.button("pausa")->click();
        QVERIFY(plane.button("fotogramma")->isEnabled());
        QCOMPARE(geo->findChild<QLabel *>(QStringLiteral("lettura"))->text(), QStringLiteral("22/91  α = 21°"));
    }

    // B and W blank the drawing until the next key, which brings back the
    // same picture; "again" replays the step to the same end.
    void blankAndAgain()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        prepare(Traslazione);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        QVERIFY(!plane.button("ancora")->isEnabled());
        QTest::keyClick(plane.window()->widget(), Qt::Key_PageDown);
        plane.runStep(Traslazione);
        const QImage end = plane.window()->canvas().copy();
        const QStringList texts = recordedTexts(1, 3);
        QWidget *surface = plane.window()->widget();
        const QImage shown = surface->grab().toImage();
        for (auto [key, colour] : {std::pair{Qt::Key_B, Colour::Black}, std::pair{Qt::Key_W, Colour::White}}) {
            QTest::keyClick(surface, key);
            QCOMPARE(surface->grab().toImage().pixel(300, 300) & 0xFFFFFF, colour);
            QTest::keyClick(surface, Qt::Key_X);
            QCOMPARE(surface->grab().toImage().pixel(300, 300), shown.pixel(300, 300));
            QCOMPARE(plane.window()->canvas(), end);
        }
        QCOMPARE(plane.combo("trasfuno")->currentIndex(), int(Traslazione));
        QVERIFY(plane.button("ancora")->isEnabled());
        QTest::keyClick(surface, Qt::Key_PageUp);
        QVERIFY(plane.window()->canvas() != end);
        QCOMPARE(plane.runStep(Traslazione), 31);
        QCOMPARE(plane.window()->canvas(), end);
        QCOMPARE(recordedTexts(1, 3), texts);
        plane.button("cancella")->click();
        QVERIFY(!plane.button("ancora")->isEnabled());
    }

    // "Again" replays the second step of the direct sequence from the first
    // step's image and the inverse sequence's last step, and the lesson
    // goes on from where it stood.
    void againKeepsTheLessonFlow()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        prepare(Traslazione);
        setRotation(2, 60, 1, 1);
        plane.confirmTwoSteps(Traslazione, Rotazione);
        auto stepAndAgain = [&plane](int kind) {
            plane.continueStep(kind);
            const Shown after = shown(plane);
            QTest::keyClick(plane.window()->widget(), Qt::Key_PageUp);
            QVERIFY(plane.runStep(kind) > 6);
            QCOMPARE(shown(plane), after);
        };
        stepAndAgain(Traslazione);
        stepAndAgain(Rotazione);
        QVERIFY(plane.messageLine().endsWith(QStringLiteral(" [inversa]")));
        plane.button("inversa")->click();
        stepAndAgain(Rotazione);
        stepAndAgain(Traslazione);
        QVERIFY(!plane.button("continua")->isEnabled());
    }
};

QTEST_MAIN(TgeoTransportTest)
#include "tst_tgeotransport.moc"
