#include "planeharness.h"

#include "support/guitest.h"

#include <QComboBox>
#include <QLabel>
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
    QWidget *surface = plane.window()->widget();
    Run run;
    for (int events = 0;; ++events) {
        if (interrupt && events == 3) {
            QTest::keyClick(surface, Qt::Key_Space);
            if (plane.frame(kind))
                return {};
            for (int i = 0; i < 2; ++i) {
                QTest::keyClick(surface, Qt::Key_Period);
                run.frames << plane.window()->canvas().copy();
            }
            QTest::keyClick(surface, Qt::Key_Plus);
            QTest::keyClick(surface, Qt::Key_Space);
        }
        if (!plane.frame(kind))
            break;
        run.frames << plane.window()->canvas().copy();
    }
    run.texts = recordedTexts(1, 3) << plane.labelText("Label1") << plane.labelText("Label2");
    return run;
}

// What the lesson shows after a step: the canvas, the messages and the
// enabling, which together follow the lesson's flow.
QPair<QImage, QString> shown(const PlaneHarness &plane)
{
    return {plane.window()->canvas().copy(), plane.messageLine() + u'|' + plane.labelText("Panel1") + u'|'
                                                 + plane.labelText("Label2") + u'|' + plane.controls()
                                                 + recordedTexts(2, 3).join(u' ')};
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

    // The speeds halve and double the nominal intervals (50 ms, the shear's
    // 2 ms), none of which runs at rest.
    void speeds()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        QWidget *surface = plane.window()->widget();
        auto intervals = [&plane] {
            QStringList shown;
            for (const char *name : {"traslazione", "rotazione", "omotetia", "dilatazione", "inclinazione"}) {
                const auto *timer = plane.window()->findChild<QTimer *>(QString::fromLatin1(name));
                shown << QString::number(timer->interval()) + (timer->isActive() ? u" running"_qs : QString());
            }
            return shown.join(u' ');
        };
        QCOMPARE(intervals(), u"50 50 50 50 2"_qs);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(surface, Qt::Key_Minus);
        QCOMPARE(intervals(), u"200 200 200 200 8"_qs);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(surface, Qt::Key_Plus);
        QCOMPARE(intervals(), u"12 12 12 12 0"_qs);
    }

    // The read-out of a paused step: frames shown of all, and the value the
    // last frame drew. A shear reads the coefficient of its own axis, which
    // grows by 0.05 a frame; the other one stays 0.
    void readoutWhenPaused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("events");
        QTest::addColumn<QString>("readout");
        QTest::newRow("rotation by 90") << int(Rotazione) << 0 << 22 << u"22/91  α = 21°"_qs;
        QTest::newRow("shear 0.6 along x") << int(Inclinazione) << 0 << 5 << u"5/13  k = 0.20"_qs;
        QTest::newRow("shear -0.6 along y") << int(Inclinazione) << 1 << 5 << u"5/13  k = -0.20"_qs;
    }

    void readoutWhenPaused()
    {
        QFETCH(int, kind);
        QFETCH(int, axis);
        QFETCH(int, events);
        QFETCH(QString, readout);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setRotation(1, 90, 2, -2);
        TransformSettings.ShearAxis[1] = quint8(axis);
        TransformSettings.ShearSign[1] = quint8(axis);
        (axis == 0 ? TransformSettings.ShearX : TransformSettings.ShearY)[1] = 0.6f;
        (axis == 0 ? TransformSettings.ShearY : TransformSettings.ShearX)[1] = 0;
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        QTest::keyClick(plane.window()->widget(), Qt::Key_PageDown);
        for (int i = 0; i < events; ++i)
            QVERIFY(plane.frame(kind));
        plane.button("pausa")->click();
        QVERIFY(plane.button("fotogramma")->isEnabled());
        QCOMPARE(plane.labelText("lettura"), readout);
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
        const QRgb before = surface->grab().toImage().pixel(300, 300);
        for (auto [key, colour] : {std::pair{Qt::Key_B, Colour::Black}, std::pair{Qt::Key_W, Colour::White}}) {
            QTest::keyClick(surface, key);
            QCOMPARE(surface->grab().toImage().pixel(300, 300) & 0xFFFFFF, colour);
            QTest::keyClick(surface, Qt::Key_X);
            QCOMPARE(surface->grab().toImage().pixel(300, 300), before);
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

    // "Again" replays each step of both sequences from where that step
    // started, and the lesson goes on from where it stood.
    void againKeepsTheLessonFlow()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        prepare(Traslazione);
        setRotation(2, 60, 1, 1);
        plane.confirmTwoSteps(Traslazione, Rotazione);
        auto stepAndAgain = [&plane](int kind) {
            plane.continueStep(kind);
            const auto after = shown(plane);
            QTest::keyClick(plane.window()->widget(), Qt::Key_PageUp);
            QVERIFY(plane.runStep(kind) > 6);
            QCOMPARE(shown(plane), after);
        };
        stepAndAgain(Traslazione);
        stepAndAgain(Rotazione);
        QVERIFY(plane.messageLine().endsWith(u" [inversa]"_qs));
        plane.button("inversa")->click();
        stepAndAgain(Rotazione);
        stepAndAgain(Traslazione);
        QVERIFY(!plane.button("continua")->isEnabled());
    }
};

QTEST_MAIN(TgeoTransportTest)
#include "tst_tgeotransport.moc"
