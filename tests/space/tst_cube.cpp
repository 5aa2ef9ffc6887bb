#include "shell/helpviewer.h"
#include "shell/ratioimage.h"
#include "shell/shellvalues.h"
#include "space/cubeframe.h"
#include "space/cubesequence.h"
#include "space/directionarrow.h"
#include "space/tcuborot.h"
#include "space/tuncubo.h"
#include "support/guitest.h"
#include "support/picturedialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <optional>
#include <random>

// The cube's window runs at device pixel ratio 2 (as `--scale 2` starts it),
// where a picture placed or sized in the wrong pixels shows.
namespace {

// Screen 1280 wide, client 1200 x 800: S = 160, the cube's centre at (200, 200) of a 398 x 400 picture.
const CubeDimensions Reference = cubeDimensions(1280, QSize(1200, 800));

constexpr QRgb Black = 0xFF000000, White = 0xFFFFFFFF; // white: the outlines
// Faces 1 to 6
constexpr QRgb Cyan = 0xFF00FFFF, Red = 0xFFFF0000, Green = 0xFF008000, Lime = 0xFF00FF00, Magenta = 0xFFFF00FF,
               Blue = 0xFF0000FF;

QImage frame(CubeAxis axis, int phase, const CubeRings &rings, const CubeDimensions &dimensions = Reference,
             qreal ratio = 1)
{
    QImage bitmap = newCubeBitmap(dimensions, ratio);
    drawCubeFrame(bitmap, axis, phase, rings, dimensions);
    return bitmap;
}

bool painted(const QImage &image, QPointF at)
{
    const QPoint pixel(int(std::floor(at.x())), int(std::floor(at.y())));
    return image.rect().contains(pixel) && qAlpha(image.pixel(pixel)) > 127;
}

// A space window at the size a 1000 x 700 main window's client area gives it, shown and so activated.
struct SpaceWindow {
    SpaceWindow()
    {
        Shell.ChildAreaWidth = 1000;
        Shell.ChildAreaHeight = 700;
        area.resize(1004, 704);
        window = new Tuncubo;
        area.addSubWindow(window);
        area.show();
        window->show();
    }

    template <typename T = QWidget>
    T *find(const QString &name) const { return window->findChild<T *>(name); }
    QPushButton *step(int k) const { return find<QPushButton>(QStringLiteral("BitBtn%1").arg(k)); }

    // Ticks the timer of an axis through its handler until the timer stops.
    int run(CubeAxis axis) const
    {
        const QString name = QStringLiteral("cadenza") + QLatin1Char("xyz"[axis]);
        int ticks = 0;
        for (; find<QTimer>(name)->isActive() && ticks < 1000; ++ticks)
            QMetaObject::invokeMethod(window, qPrintable(name + QStringLiteral("Timer")), Qt::DirectConnection);
        return ticks;
    }

    // The picture in a third of the canvas, or of what the window shows, in image pixels.
    QImage third(int panel, bool shown = false) const
    {
        const QSize client = window->clientSize();
        const QRect place(QPoint(client.width() * panel / 3, client.height() / 4), window->dimensions().bitmapSize);
        const QImage image = shown ? window->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32)
                                   : window->canvas();
        return image.copy(imageRect(image, place));
    }

    QImage frame(CubeAxis axis, int phase, const CubeRings &rings) const
    {
        return ::frame(axis, phase, rings, window->dimensions(), 2);
    }

    QMdiArea area;
    QPointer<Tuncubo> window;
};

const QStringList StepRows{"prima", "seconda", "terza"};

// Sets step k (0..2) of the schedule dialog: its axis, turns and direction.
void setStep(QWidget *dialog, int k, CubeAxis axis, int turns, bool clockwise)
{
    dialog->findChild<QGroupBox *>(StepRows[k])->findChildren<QRadioButton *>()[axis]->click();
    dialog->findChild<QSpinBox *>(QLatin1Char('p') + StepRows[k])->setValue(turns);
    dialog->findChild<QToolButton *>(u"rota%1%2"_qs.arg(k + 1).arg(clockwise ? 'd' : 's'))->setChecked(true);
}

} // namespace

class TestCube : public QObject
{
    Q_OBJECT

private slots:
    void init() { fixture.emplace(); }

    void cleanup()
    {
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
        delete HelpViewer::current();
        fixture.reset();
    }

    void faceColours()
    {
        const QRgb colours[] = {Black, Cyan, Red, Green, Lime, Magenta, Blue, Black}; // out of range: no face
        for (int face = -1; face <= 7; ++face)
            QCOMPARE(QColor(FaceColour(face)).name(), QColor(colours[qMax(face, 0)]).name());
    }

    // Thousands of random moves keep the rings one cube: shared faces agree, opposite faces sum to 7.
    void invariantsAfterAnySteps()
    {
        std::mt19937 random(20240611);
        CubeRings rings;
        for (int step = 0; step < 2000; ++step) {
            ApplyQuarterTurns(rings, CubeAxis(random() % 3), int(random() % 4), random() % 2 == 0);
            const auto &[x, y, z] = rings;
            const std::array shared{x[0], z[1], x[1], y[1], x[2], z[3], x[3], y[3], y[0], z[0], y[2], z[2]};
            for (size_t i = 0; i < shared.size(); i += 2)
                QCOMPARE(shared[i], shared[i + 1]);
            for (const FaceRing &ring : {x, y, z})
                QVERIFY(ring[0] + ring[2] == 7 && ring[1] + ring[3] == 7);
        }
    }

    // Worked by hand with S = 160 (x spans 160 / 1.8 = 88.9 across, a ratio of 2 would give 80);
    // sizes 5 and 7 put a corner on a half, which rounds to even.
    void cornerOffsets()
    {
        const double S = Reference.CubeSize;
        for (const auto &[axis, phase, size, corners] :
             {std::tuple{AxisX, 0, S, QPolygon({{89, 0}, {0, 80}, {-89, 0}, {0, -80}})},
              {AxisX, 50, S, QPolygon({{63, 57}, {-63, 57}, {-63, -57}, {63, -57}})},
              {AxisX, 263, S, QPolygon({{-49, -67}, {74, -44}, {49, 67}, {-74, 44}})},
              {AxisY, 0, S, QPolygon({{36, -28}, {0, -80}, {-36, 28}, {0, 80}})},
              {AxisY, 137, S, QPolygon({{-20, -51}, {-30, 67}, {20, 51}, {30, -67}})},
              {AxisZ, 50, S, QPolygon({{-92, 23}, {33, 23}, {92, -23}, {-33, -23}})},
              {AxisZ, 263, S, QPolygon({{84, -27}, {-51, -18}, {-84, 27}, {51, 18}})},
              {AxisX, 0, 5.0, QPolygon({{3, 0}, {0, 2}, {-3, 0}, {0, -2}})},
              {AxisX, 0, 7.0, QPolygon({{4, 0}, {0, 4}, {-4, 0}, {0, -4}})}}) {
            const CornerOffsets offsets = ProjectCorners(axis, phase, size);
            QCOMPARE(QPolygon(QList<QPoint>(offsets.begin(), offsets.end())), corners);
        }
    }

    // The end face is drawn last: two pixels either side of an edge's middle
    // show it and what lies beyond, so a corner a few pixels off shows.
    void endFaceEdgePixels()
    {
        for (const auto &[axis, phase, inside, outside, face, beyond] :
             {std::tuple{AxisX, 50, QPoint(176, 271), QPoint(176, 275), Red, Black},
              {AxisX, 50, QPoint(237, 216), QPoint(241, 216), Red, Green},
              {AxisX, 137, QPoint(236, 227), QPoint(239, 228), Red, Blue},
              {AxisY, 50, QPoint(241, 220), QPoint(237, 220), Green, Red},
              {AxisZ, 50, QPoint(170, 164), QPoint(170, 168), Cyan, Red},
              {AxisZ, 137, QPoint(159, 164), QPoint(158, 167), Cyan, Lime}}) {
            const QImage picture = frame(axis, phase, CubeRings{});
            QCOMPARE((QStringList{QColor(picture.pixel(inside)).name(), QColor(picture.pixel(outside)).name()}),
                     (QStringList{QColor(face).name(), QColor(beyond).name()}));
        }
        // A picture narrower than 1.5 times its height is cleared to its bottom too.
        const CubeDimensions narrow = cubeDimensions(1280, QSize(600, 800));
        QImage bitmap = newCubeBitmap(narrow);
        bitmap.fill(Qt::yellow);
        drawCubeFrame(bitmap, AxisX, StartPhase, CubeRings{}, narrow);
        QCOMPARE(bitmap.pixel(100, 390), Black);
    }

    // At ratio 2 nothing is blended and the outlines stay a program pixel wide: four times the pixels.
    void frameAtRatioTwo()
    {
        CubeRings rings;
        ApplyQuarterTurns(rings, AxisY, 1, true);
        const QSet<QRgb> palette{Black, White, Cyan, Red, Green, Lime, Magenta, Blue};
        for (int run = 0; run < 6; ++run) {
            const auto axis = CubeAxis(run / 2);
            const int phase = run % 2 ? 137 : StartPhase;
            const QImage single = frame(axis, phase, rings);
            const QImage twice = frame(axis, phase, rings, Reference, 2);
            QCOMPARE(twice.size(), Reference.bitmapSize * 2);
            int blends = 0;
            int outlines[2] = {0, 0};
            for (int y = 1; y < single.height() - 1; ++y)
                for (int x = 1; x < single.width() - 1; ++x) {
                    const QRgb colour = single.pixel(x, y);
                    bool flat = true; // so the block of 2 x 2 pixels keeps its colour
                    for (int d = 0; d < 9; ++d)
                        flat = flat && single.pixel(x + d % 3 - 1, y + d / 3 - 1) == colour;
                    outlines[0] += colour == White;
                    for (int d = 0; d < 4; ++d) {
                        const QRgb shown = twice.pixel(2 * x + d % 2, 2 * y + d / 2);
                        outlines[1] += shown == White;
                        blends += (flat && shown != colour) || !palette.contains(shown);
                    }
                }
            QCOMPARE(blends, 0);
            const double outlineRatio = double(outlines[1]) / outlines[0];
            QVERIFY2(outlineRatio > 3.4 && outlineRatio < 4.6, qPrintable(QString::number(outlineRatio)));
        }
    }

    // The cube after a step, drawn at the start phase, is the step's last frame: no jump.
    void afterStepEqualsLastFrame()
    {
        for (int step = 0; step < 3 * 2 * 3; ++step) {
            const auto axis = CubeAxis(step / 6);
            const bool clockwise = step / 3 % 2;
            const int turns = step % 3 + 1;
            CubeRings rings; // away from the start cube, so every face differs
            ApplyQuarterTurns(rings, AxisX, 1, true);
            ApplyQuarterTurns(rings, AxisY, 1, false);
            int phase = StartPhase;
            for (int frame = 0; frame < turns * QuarterTurn / PhaseStep; ++frame)
                phase = nextPhase(phase, clockwise);
            const QImage lastFrame = frame(axis, phase, rings);
            QVERIFY(lastFrame != frame(axis, StartPhase, rings));
            ApplyQuarterTurns(rings, axis, turns, clockwise);
            QVERIFY2(frame(axis, StartPhase, rings) == lastFrame, qPrintable(QString::number(step)));
        }
    }

    // A step of n turns draws 50 n + 1 frames, then turns the rings; step 1
    // pressed before the start cube's tick came still runs.
    void framesPerStep()
    {
        CubeSequence early;
        early.restart();
        QVERIFY(!early.tick(early.startStep(1)).stopTimer);
        // the first, second and last phases drawn
        for (const auto &[turns, clockwise, phases] :
             {std::tuple{0, true, QList<int>{50, -1, 50}}, {1, true, QList<int>{50, 48, 350}},
              {2, true, QList<int>{50, 48, 250}}, {3, false, QList<int>{50, 52, 350}}}) {
            CubeSequence sequence;
            sequence.schedule.StepTurns[0] = turns;
            sequence.schedule.StepClockwise[0] = clockwise;
            sequence.tick(sequence.restart());
            const CubeAxis axis = sequence.startStep(1);
            QList<int> drawn;
            for (CubeTick tick; !tick.stopTimer && drawn.size() < 1000;) {
                tick = sequence.tick(axis);
                if (tick.drawFrame)
                    drawn << tick.phase;
            }
            QCOMPARE(drawn.size(), 50 * turns + 1);
            QCOMPARE((QList<int>{drawn.first(), drawn.value(1, -1), drawn.last()}), phases);
            QCOMPARE(sequence.rings == CubeRings{}, turns == 0);
        }
    }

    // 16 as both windows use, 32 for larger icons; the head points down on the right for clockwise.
    void directionArrows()
    {
        for (int side : {16, 32}) {
            const QSize size(side, side);
            const QImage clockwise = directionArrow(size, true);
            const QImage anticlockwise = directionArrow(size, false);
            QCOMPARE(clockwise.size(), size);
            QCOMPARE(qAlpha(clockwise.pixel(0, 0)) + qAlpha(clockwise.pixel(side - 1, side - 1)), 0);
            QCOMPARE(anticlockwise, clockwise.mirrored(true, false));
            QVERIFY(anticlockwise != clockwise);
            const QPointF tip = directionArrowTip(size, true);
            const QPointF otherTip = directionArrowTip(size, false);
            QVERIFY2(tip.x() > side / 2.0, qPrintable(QString::number(tip.x())));
            QCOMPARE(otherTip.x(), side - tip.x());
            for (const auto &[image, at] : {std::pair{clockwise, tip}, std::pair{anticlockwise, otherTip}}) {
                QVERIFY(painted(image, at - QPointF(0, 1.5)) && !painted(image, at + QPointF(0, 2)));
                const QPointF inside = at - QPointF(0, side * 0.2);
                QCOMPARE(image.pixel(int(inside.x()), int(inside.y())), 0xFFFF8000);
            }
        }
    }

    // The start cube shows in the first third, each step is labelled, the last third shows the result.
    void schedule()
    {
        // the labels, the arrows shown per step (1 anticlockwise, 2 clockwise, 0 none), the rings after
        for (const auto &[fromDialog, schedule, labels, arrows, result] :
             {std::tuple{false, CubeSchedule{}, QStringList{"X 2", "Y 1", "Z 3"}, QList<int>{2, 2, 2},
                         CubeRings{{1, 2, 6, 5}, {3, 2, 4, 5}, {3, 1, 4, 6}}},
              {true, CubeSchedule{{AxisZ, AxisX, AxisY}, {1, 0, 3}, {false, false, true}},
               QStringList{"Z 1", "X 0", "Y 3"}, QList<int>{1, 0, 2}, CubeRings{{2, 3, 5, 4}, {1, 3, 6, 4}, {1, 2, 6, 5}}}}) {
            SpaceWindow space;
            if (fromDialog) {
                GuiTest::whenModalOpens([&schedule = schedule](QWidget *dialog) {
                    for (int k = 0; k < StepCount; ++k)
                        setStep(dialog, k, schedule.StepAxis[k], schedule.StepTurns[k], schedule.StepClockwise[k]);
                    dialog->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
                });
                space.window->nuovoClick();
            }
            QCOMPARE(space.run(schedule.StepAxis[0]), 1);
            QCOMPARE(space.third(0), space.frame(schedule.StepAxis[0], StartPhase, CubeRings{}));
            QCOMPARE(space.third(0, true), space.third(0));
            for (int step = 1; step <= StepCount; ++step) {
                QVERIFY(!space.find(QStringLiteral("nuovo"))->isEnabled());
                space.step(step)->click();
                QCOMPARE(space.find<QLabel>(QStringLiteral("Label%1").arg(step))->text(), labels[step - 1]);
                const auto shown = [&space](int image) { return space.find(u"Image%1"_qs.arg(image))->isVisible(); };
                QCOMPARE(shown(step) + 2 * shown(step + StepCount), arrows[step - 1]);
                space.run(schedule.StepAxis[step - 1]);
            }
            QVERIFY(space.find(QStringLiteral("nuovo"))->isEnabled());
            QCOMPARE(space.third(2), space.frame(schedule.StepAxis[2], StartPhase, result));
        }
    }

    // Deactivation stops every axis timer; activation restarts, disables later steps, clears the picture.
    void reactivationPauseAndSpeed()
    {
        SpaceWindow space;
        QMdiSubWindow *other = space.area.addSubWindow(new QWidget);
        other->show();
        space.area.setActiveSubWindow(space.window);
        space.run(AxisX);
        space.step(1)->click();
        space.run(AxisX);
        space.step(2)->click();
        space.window->cadenzayTimer();
        space.area.setActiveSubWindow(other);
        QVERIFY(!space.find<QTimer>(QStringLiteral("cadenzay"))->isActive());
        space.area.setActiveSubWindow(space.window);
        space.run(AxisX);
        QCOMPARE(space.third(0), space.frame(AxisX, StartPhase, CubeRings{}));
        QCOMPARE(space.third(1), newCubeBitmap(space.window->dimensions(), 2));
        space.step(1)->click();
        QCOMPARE(space.run(AxisX), 102);
        space.area.setActiveSubWindow(other);
        space.area.setActiveSubWindow(space.window);
        QVERIFY(!space.step(2)->isEnabled());
        // The pause holds the phase; the speed sets every axis timer.
        space.run(AxisX);
        space.step(1)->click();
        auto *pausab = space.find<QToolButton>(QStringLiteral("pausab"));
        for (int tick = 0; tick < 15; ++tick) {
            if (tick == 10)
                pausab->click();
            space.window->cadenzaxTimer();
        }
        pausab->click();
        space.window->cadenzaxTimer();
        QCOMPARE(space.third(0), space.frame(AxisX, 30, CubeRings{}));
        for (const auto &[position, interval] : {std::pair{195, 5}, std::pair{5, 195}}) {
            space.find<QSlider>(QStringLiteral("velo"))->setValue(position);
            for (const char *name : {"cadenzax", "cadenzay", "cadenzaz"})
                QCOMPARE(space.find<QTimer>(QString::fromLatin1(name))->interval(), interval);
        }
    }

    // OK stores the edited step and the others as loaded, Cancel nothing; both directions up is anticlockwise.
    void dialog()
    {
        // the clicks on the direction buttons, from clockwise down
        for (const auto &[axis, turns, clicks, clockwise, cancel] :
             {std::tuple{AxisZ, 1, "", true, false}, {AxisY, 3, "s", false, false}, {AxisX, 0, "d", false, false},
              {AxisY, 2, "sd", true, false}, {AxisY, 2, "s", false, true}}) {
            CubeSchedule schedule{{AxisZ, AxisZ, AxisX}, {0, 3, 1}, {false, true, true}};
            CubeDialogHints hints;
            Tcuborot dialog(schedule, hints);
            dialog.findChild<QGroupBox *>(StepRows[2])->findChildren<QRadioButton *>()[axis]->click();
            dialog.findChild<QSpinBox *>(QStringLiteral("pterza"))->setValue(turns);
            for (QChar side : QString::fromLatin1(clicks))
                dialog.findChild<QToolButton *>(QStringLiteral("rota3") + side)->click();
            dialog.findChild<QPushButton *>(cancel ? u"BitBtn2"_qs : u"BitBtn1"_qs)->click();
            QCOMPARE(dialog.result(), int(cancel ? QDialog::Rejected : QDialog::Accepted));
            QCOMPARE(schedule.StepAxis, (std::array<CubeAxis, 3>{AxisZ, AxisZ, cancel ? AxisX : axis}));
            QCOMPARE(schedule.StepTurns, (std::array<int, 3>{0, 3, cancel ? 1 : turns}));
            QCOMPARE(schedule.StepClockwise, (std::array<bool, 3>{false, true, cancel || clockwise}));
        }
        // Turns wrap and cannot be typed, so never leave their range.
        CubeSchedule schedule;
        CubeDialogHints hints;
        Tcuborot dialog(schedule, hints);
        auto *spin = dialog.findChild<QSpinBox *>(QStringLiteral("pseconda"));
        auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("eseconda"));
        spin->setValue(3);
        spin->stepBy(1);
        QVERIFY(field->text() == u"0"_qs && field->isReadOnly());
        dialog.findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("809.html"));
    }

    // The pictures have twice the pixels each way, the controls stay in program pixels: the step
    // buttons under the middle of their thirds (by the image's width the last two would leave the
    // window), the arrows 16 pixels at full resolution. The pop-up, Ctrl+C and Ctrl+S copy and save.
    void windowInProgramPixels()
    {
        SpaceWindow space;
        const QSize client = space.window->clientSize();
        QCOMPARE(client, space.window->contentsRect().size());
        QCOMPARE(space.window->canvas().size(), client * 2);
        for (int k = 1; k <= StepCount; ++k) {
            const int centre = space.step(k)->geometry().center().x();
            QVERIFY2(qAbs(centre - client.width() * (2 * k - 1) / 6) <= 1, qPrintable(QString::number(centre)));
        }
        for (int image = 1; image <= 2 * StepCount; ++image) {
            const QPixmap arrow = space.find<QLabel>(QStringLiteral("Image%1").arg(image))->pixmap();
            QVERIFY(arrow.devicePixelRatio() == 2.0 && arrow.size() == QSize(32, 32));
        }
        // The legend in sixths of its unit from its corner: the left, back and bottom faces, the top,
        // front and right faces, the z axis, whose line is two image pixels wide.
        space.window->Timer1Timer();
        const auto [x0, t, s] = space.window->legendPlace();
        QList<QRgb> colours;
        for (QPoint sixths : {QPoint(1, 4), {8, 4}, {5, 7}, {23, 1}, {21, 5}, {26, 4}, {42, 3}})
            colours << space.window->canvas().pixel(2 * (x0 + sixths.x() * s / 6), 2 * (t + sixths.y() * s / 6));
        QCOMPARE(colours, (QList<QRgb>{Lime, Magenta, Blue, Cyan, Red, Green, Black}));
        colours.clear();
        for (int dx = -1; dx <= 2; ++dx)
            colours << (space.window->canvas().pixel(2 * (x0 + 7 * s) + dx, 2 * (t + s / 5)) & 0xFFFFFF);
        QCOMPARE(colours, (QList<QRgb>{WindowSilver, 0x000000, 0x000000, WindowSilver}));

        QStringList items;
        for (const QAction *action : space.window->widget()->actions())
            items.append(action->text());
        QCOMPARE(space.window->widget()->contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(items.filter(u"picture"_qs), (QStringList{u"&Copy picture"_qs, u"&Save picture..."_qs}));
        space.window->FormActivate();
        for (int tick = 0; tick < 5; ++tick)
            space.window->cadenzaxTimer();
        const QImage expected = space.window->canvas().convertToFormat(QImage::Format_RGB32);
        // Ctrl+key with the focus in the window: the shortcuts answer only in the active window.
        const auto press = [&space](Qt::Key key) {
            space.area.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&space.area));
            space.window->widget()->setFocus();
            QTest::keyClick(space.window->widget(), key, Qt::ControlModifier);
        };
        GuiTest::clearClipboard();
        press(Qt::Key_C);
        QCOMPARE(GuiTest::clipboardPicture().convertToFormat(QImage::Format_RGB32), expected);
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(fixture->filePath(u"cubo"_qs), seen);
        press(Qt::Key_S);
        QVERIFY(seen.saveDialog && seen.failureMessage.isEmpty());
        QImage saved(fixture->filePath(u"cubo.png"_qs), "PNG"); // full resolution, the ratio not recorded
        saved.setDevicePixelRatio(2);
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), expected);
        space.find<QToolButton>(QStringLiteral("aiuto"))->click();
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("202.html"));

        // The client paints all of itself: grown past its canvas, it shows silver, not what lay under it.
        space.area.resize(space.area.size() + QSize(200, 200));
        space.window->resize(space.window->size() + QSize(100, 100));
        QVERIFY(space.window->widget()->width() > client.width());
        const QImage shown = space.window->widget()->grab().toImage();
        QCOMPARE(shown.pixel(2 * client.width() + 100, client.height()) & 0xFFFFFF, WindowSilver);
    }

private:
    std::optional<GuiTest::Fixture> fixture;
};

QTEST_MAIN(TestCube)
#include "tst_cube.moc"
