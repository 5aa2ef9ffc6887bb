#include "shell/helpviewer.h"
#include "shell/ratioimage.h"
#include "shell/shellvalues.h"
#include "space/cubeframe.h"
#include "space/cubelegend.h"
#include "space/tcuborot.h"
#include "space/tuncubo.h"
#include "support/guitest.h"
#include "support/picturedialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
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
#include <optional>

Q_DECLARE_METATYPE(CubeSchedule)
Q_DECLARE_METATYPE(CubeRings)
Q_DECLARE_METATYPE(CubeAxis)

// The cube window on a screen of device pixel ratio 2 (Qt's scale factor 2,
// as `--scale 2` starts it), where a picture placed or sized in the wrong
// pixels shows; the frames themselves are checked at both ratios with the cube.
namespace {

// A space window in a frame of its own, at the size a 1000 x 700 main
// window's client area gives it, shown and so activated once.
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
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QPushButton *step(int k) const { return find<QPushButton>(QStringLiteral("BitBtn%1").arg(k)); }
    bool arrowShown(int image) const { return find(QStringLiteral("Image%1").arg(image))->isVisible(); }

    // Ticks the timer of an axis through its handler until the timer stops.
    int run(CubeAxis axis) const
    {
        const QString name = QStringLiteral("cadenza") + QLatin1Char("xyz"[axis]);
        const QTimer *timer = find<QTimer>(name);
        int ticks = 0;
        for (; timer->isActive() && ticks < 1000; ++ticks)
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

    // One frame drawn on its own, at the window's sizes and ratio.
    QImage frame(CubeAxis axis, int phase, const CubeRings &rings) const
    {
        QImage bitmap = newCubeBitmap(window->dimensions(), window->canvas().devicePixelRatio());
        drawCubeFrame(bitmap, axis, phase, rings, window->dimensions());
        return bitmap;
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
    const QString direction = QStringLiteral("rota%1%2").arg(k + 1).arg(clockwise ? 'd' : 's');
    dialog->findChild<QToolButton *>(direction)->setChecked(true);
}

// Ctrl+key with the focus in the window: the shortcuts answer only in the active window.
bool press(SpaceWindow &space, Qt::Key key)
{
    space.area.activateWindow();
    if (!QTest::qWaitForWindowActive(&space.area))
        return false;
    space.window->widget()->setFocus();
    QTest::keyClick(space.window->widget(), key, Qt::ControlModifier);
    return true;
}

} // namespace

class TestTuncubo : public QObject
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

    void schedule_data()
    {
        QTest::addColumn<bool>("fromDialog");
        QTest::addColumn<CubeSchedule>("schedule");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("arrows"); // per step: 1 anticlockwise arrow shown, 2 clockwise, 0 none
        QTest::addColumn<CubeRings>("result");
        QTest::newRow("start") << false << CubeSchedule{} << QStringList{"X 2", "Y 1", "Z 3"} << QList<int>{2, 2, 2}
                               << CubeRings{{1, 2, 6, 5}, {3, 2, 4, 5}, {3, 1, 4, 6}};
        QTest::newRow("new, with 0 turns")
            << true << CubeSchedule{{AxisZ, AxisX, AxisY}, {1, 0, 3}, {false, false, true}}
            << QStringList{"Z 1", "X 0", "Y 3"} << QList<int>{1, 0, 2}
            << CubeRings{{2, 3, 5, 4}, {1, 3, 6, 4}, {1, 2, 6, 5}};
    }

    // The start cube shows in the first third, each step is labelled, the last third shows the result.
    void schedule()
    {
        QFETCH(bool, fromDialog);
        QFETCH(CubeSchedule, schedule);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, arrows);
        QFETCH(CubeRings, result);
        SpaceWindow space;
        if (fromDialog) {
            GuiTest::whenModalOpens([schedule](QWidget *dialog) {
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
            QCOMPARE(space.arrowShown(step) + 2 * space.arrowShown(step + StepCount), arrows[step - 1]);
            space.run(schedule.StepAxis[step - 1]);
        }
        QVERIFY(space.find(QStringLiteral("nuovo"))->isEnabled());
        QCOMPARE(space.third(2), space.frame(schedule.StepAxis[2], StartPhase, result));
    }

    // The client paints all of itself: where a window grown past its
    // canvas has no picture it shows the window's silver, not whatever the
    // main window held there.
    void grownWindowShowsSilverPastTheCanvas()
    {
        SpaceWindow space;
        const QSize canvas = space.window->clientSize();
        space.area.resize(space.area.size() + QSize(200, 200));
        space.window->resize(space.window->size() + QSize(100, 100));
        QVERIFY(space.window->widget()->width() > canvas.width());
        const QImage shown = space.window->widget()->grab().toImage();
        QCOMPARE(shown.pixel(2 * canvas.width() + 100, canvas.height()) & 0xFFFFFF, WindowSilver);
    }

    // Activation restarts from the start cube. Deactivation stops every axis timer, not only x's, and
    // activation disables the later steps and clears the picture: no step goes on with old rings, no
    // third keeps a cube the new run has not reached.
    void reactivationRestarts()
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
    }

    // Ten frames in, the pause holds the phase at 30 however many ticks
    // come; the speed sets every axis timer, from the slider's either end.
    void pauseAndSpeed()
    {
        SpaceWindow space;
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

    // Points in sixths of the legend unit from its corner: the left, back and
    // bottom faces, the top, front and right faces, the z axis. A legend
    // line is two image pixels wide, silver on both sides.
    void legend()
    {
        SpaceWindow space;
        space.window->Timer1Timer();
        const auto [x0, t, s] = space.window->legendPlace();
        const QImage &canvas = space.window->canvas();
        QList<QRgb> colours;
        for (QPoint sixths : {QPoint(1, 4), {8, 4}, {5, 7}, {23, 1}, {21, 5}, {26, 4}, {42, 3}})
            colours << canvas.pixel(2 * (x0 + sixths.x() * s / 6), 2 * (t + sixths.y() * s / 6));
        QCOMPARE(colours,
                 (QList<QRgb>{0xFF00FF00, 0xFFFF00FF, 0xFF0000FF, 0xFF00FFFF, 0xFFFF0000, 0xFF008000, 0xFF000000}));
        colours.clear();
        for (int dx = -1; dx <= 2; ++dx)
            colours << (canvas.pixel(2 * (x0 + 7 * s) + dx, 2 * (t + s / 5)) & 0xFFFFFF);
        QCOMPARE(colours, (QList<QRgb>{WindowSilver, 0x000000, 0x000000, WindowSilver}));
    }

    // The pictures have twice the pixels each way; the step buttons stand
    // under the middle of their thirds in program pixels (placed by the
    // image's width, the last two would leave the window), and the turning
    // arrows are 16 program pixels drawn at full resolution.
    void controlsStayInProgramPixels()
    {
        SpaceWindow space;
        const QSize client = space.window->clientSize();
        QCOMPARE(client, space.window->contentsRect().size());
        QCOMPARE(space.window->canvas().size(), client * 2);
        QCOMPARE(space.window->canvas().devicePixelRatio(), 2.0);
        QCOMPARE(space.frame(AxisX, StartPhase, CubeRings{}).size(), space.window->dimensions().bitmapSize * 2);
        for (int k = 1; k <= StepCount; ++k) {
            const int centre = space.step(k)->geometry().center().x();
            QVERIFY2(qAbs(centre - client.width() * (2 * k - 1) / 6) <= 1, qPrintable(QString::number(centre)));
        }
        for (int image = 1; image <= 2 * StepCount; ++image) {
            const QPixmap arrow = space.find<QLabel>(QStringLiteral("Image%1").arg(image))->pixmap();
            QCOMPARE(arrow.devicePixelRatio(), 2.0);
            QCOMPARE(arrow.size(), QSize(32, 32));
        }
    }

    void dialogOk_data()
    {
        QTest::addColumn<CubeAxis>("axis");
        QTest::addColumn<int>("turns");
        QTest::addColumn<QString>("clicks"); // on the direction buttons, from clockwise down
        QTest::addColumn<bool>("clockwise");
        QTest::newRow("z 1 clockwise") << AxisZ << 1 << "" << true;
        QTest::newRow("y 3, anticlockwise releases clockwise") << AxisY << 3 << "s" << false;
        QTest::newRow("x 0, both up is anticlockwise") << AxisX << 0 << "d" << false;
        QTest::newRow("clockwise releases anticlockwise") << AxisY << 2 << "sd" << true;
        QTest::newRow("cancel stores nothing") << AxisY << 2 << "s" << false;
    }

    // OK stores the edited third step and the other two as they were loaded;
    // Cancel stores none of it.
    void dialogOk()
    {
        QFETCH(CubeAxis, axis);
        QFETCH(int, turns);
        QFETCH(QString, clicks);
        QFETCH(bool, clockwise);
        const bool cancel = QByteArray(QTest::currentDataTag()).startsWith("cancel");
        CubeSchedule schedule{{AxisZ, AxisZ, AxisX}, {0, 3, 1}, {false, true, true}};
        CubeDialogHints hints;
        Tcuborot dialog(schedule, hints);
        dialog.findChild<QGroupBox *>(StepRows[2])->findChildren<QRadioButton *>()[axis]->click();
        dialog.findChild<QSpinBox *>(QStringLiteral("pterza"))->setValue(turns);
        for (QChar side : clicks)
            dialog.findChild<QToolButton *>(QStringLiteral("rota3") + side)->click();
        dialog.findChild<QPushButton *>(cancel ? u"BitBtn2"_qs : u"BitBtn1"_qs)->click();
        QCOMPARE(dialog.result(), int(cancel ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(schedule.StepAxis, (std::array<CubeAxis, 3>{AxisZ, AxisZ, cancel ? AxisX : axis}));
        QCOMPARE(schedule.StepTurns, (std::array<int, 3>{0, 3, cancel ? 1 : turns}));
        QCOMPARE(schedule.StepClockwise, (std::array<bool, 3>{false, true, cancel || clockwise}));
    }

    // Turns are set with the arrows only, wrapping; the field shows them and
    // takes no typing, so it never holds a number out of range. Both windows'
    // help buttons open their own topics.
    void dialogTurnsWrapAndHelpPages()
    {
        CubeSchedule schedule;
        CubeDialogHints hints;
        Tcuborot dialog(schedule, hints);
        auto *spin = dialog.findChild<QSpinBox *>(QStringLiteral("pseconda"));
        auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("eseconda"));
        spin->setValue(3);
        spin->stepBy(1);
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY(field->isReadOnly());
        dialog.findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("809.html"));
        SpaceWindow space;
        space.find<QToolButton>(QStringLiteral("aiuto"))->click();
        QCOMPARE(HelpViewer::current()->currentPage().fileName(), QStringLiteral("202.html"));
    }

    // The client area's pop-up holds the picture's items; Ctrl+C and Ctrl+S
    // copy and save what the window shows.
    void copyAndSaveThePicture()
    {
        SpaceWindow space;
        QStringList items;
        for (const QAction *action : space.window->widget()->actions())
            items.append(action->text());
        QCOMPARE(space.window->widget()->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY2(items.contains(u"&Copy picture"_qs) && items.contains(u"&Save picture..."_qs),
                 qPrintable(items.join(u" | "_qs)));
        // The start cube drawn into every third, and a few frames of the first step.
        space.window->FormActivate();
        for (int tick = 0; tick < 5; ++tick)
            space.window->cadenzaxTimer();
        const QImage expected = space.window->canvas().convertToFormat(QImage::Format_RGB32);
        GuiTest::clearClipboard();
        QVERIFY(press(space, Qt::Key_C));
        QCOMPARE(GuiTest::clipboardPicture().convertToFormat(QImage::Format_RGB32), expected);
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(fixture->filePath(u"cubo"_qs), seen);
        QVERIFY(press(space, Qt::Key_S));
        QVERIFY(seen.saveDialog);
        QCOMPARE(seen.failureMessage, QString());
        QImage saved(fixture->filePath(u"cubo.png"_qs), "PNG"); // full resolution, the ratio not recorded
        saved.setDevicePixelRatio(2);
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), expected);
    }

private:
    std::optional<GuiTest::Fixture> fixture;
};

QTEST_MAIN(TestTuncubo)
#include "tst_tuncubo.moc"
