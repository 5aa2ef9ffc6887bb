#include "planeharness.h"

#include "dialogs/affinityrules.h"
#include "lang/languagetables.h"
#include "lesson/lessonfile.h"
#include "plane/composition.h"
#include "shell/picturefile.h"
#include "support/guitest.h"
#include "support/picturedialogs.h"
#include "support/settingsbytes.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QSvgRenderer>
#include <QTest>

#include <numeric>
#include <optional>
#include <random>

namespace {

// The drawing area: the canvas above the bottom panel, which holds controls.
QImage expectedDrawing(const Tgeo *window)
{
    const QImage &canvas = window->canvas();
    return canvas.copy(0, 0, canvas.width(), canvas.height() - window->panelHeight()).convertToFormat(QImage::Format_RGB32);
}

// Ctrl+key in the workspace: the shortcuts answer only in the active window.
bool pressInWindow(Tgeo *window, Qt::Key key)
{
    QWidget *frame = window->window();
    frame->activateWindow();
    if (!QTest::qWaitForWindowActive(frame))
        return false;
    window->widget()->setFocus();
    QTest::keyClick(window->widget(), key, Qt::ControlModifier);
    return true;
}

// The triangle (0; 0), (6; 0), (0; 4) translated by (5; 3), run to its end.
void runTranslatedTriangle(PlaneHarness &plane)
{
    setFigure(2, {{0, 0}, {6, 0}, {0, 4}});
    setTranslation(1, 5, 3);
    plane.runLesson(Traslazione);
}

// Digests of the canvas after every frame, direct then inverse: the
// pictures themselves would not fit in memory.
QList<size_t> runLesson(PlaneHarness &plane, const std::array<int, 2> &kinds, int count)
{
    QList<size_t> frames;
    auto step = [&](int kind) {
        plane.button("continua")->click();
        do {
            const QImage &canvas = plane.window()->canvas();
            frames << qHashBits(canvas.constBits(), size_t(canvas.sizeInBytes()));
        } while (plane.frame(kind));
    };
    step(kinds[0]);
    if (count == 2) {
        step(kinds[1]);
        plane.button("inversa")->click();
        step(kinds[1]);
        step(kinds[0]);
    }
    return frames;
}

// Parameters drawn from each dialog's ranges, every trace on.
void setRandomParameters(int slot, int kind, std::mt19937 &random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    TransformSettingsValues &s = TransformSettings;
    s.ShowTranslationVector[slot] = s.ShowRotationArcs[slot] = s.ShowSymmetryElement[slot] =
        s.ShowHomothetyCentre[slot] = true;
    switch (kind) {
    case Traslazione: setTranslation(slot, pick(-10, 10), pick(-8, 8), true); break;
    case Rotazione: setRotation(slot, pick(-359, 359), pick(-5, 5), pick(-5, 5)); break;
    case Simmetria:
        s.SymmetryKind[slot] = quint8(pick(0, 5));
        s.SymmetryCentreX[slot] = pick(-5, 5);
        s.SymmetryCentreY[slot] = pick(-5, 5);
        s.SymmetryAxisAngle[slot] = pick(0, 179);
        s.SymmetryAxisQ[slot] = pick(-5, 5);
        break;
    case Omotetia:
        s.HomothetyCentreX[slot] = pick(-5, 5);
        s.HomothetyCentreY[slot] = pick(-5, 5);
        s.HomothetyRatio[slot] = float(pick(3, 15)) / 10;
        s.HomothetySign[slot] = qint8(pick(0, 1) ? 1 : -1);
        break;
    case Dilatazione:
        s.DilationX[slot] = float(pick(5, 20)) / 10;
        s.DilationY[slot] = float(pick(5, 20)) / 10;
        break;
    case Inclinazione:
        s.ShearAxis[slot] = quint8(pick(0, 1));
        s.ShearSign[slot] = quint8(pick(0, 1));
        (s.ShearAxis[slot] == 0 ? s.ShearX : s.ShearY)[slot] = float(pick(5, 15)) / 10;
        (s.ShearAxis[slot] == 0 ? s.ShearY : s.ShearX)[slot] = 0;
        break;
    default:
        s.AffinePreset = quint8(pick(0, AffinePresetCount - 1));
        s.AffineText[slot] = affinePresetTexts(s.AffinePreset);
        break;
    }
}

// One way through the lesson: a figure and one or two kinds (-1: none).
const struct {
    const char *name;
    int figure;
    std::initializer_list<QPoint> vertices;
    std::array<int, 2> kinds;
    bool frame = false;
} Rows[] = {
    {"triangle: translation, rotation", 2, {{15, 11}, {10, 9}, {21, 4}}, {Traslazione, Rotazione}},
    {"quadrilateral: rotation, symmetry about a line", 3, {{2, 2}, {8, 2}, {8, 6}, {2, 6}}, {Rotazione, Simmetria}},
    {"segment: symmetry about x = 3, homothety", 1, {{1, 0}, {5, 3}}, {Simmetria, Omotetia}},
    {"point: homothety, dilation", 0, {{6, -4}}, {Omotetia, Dilatazione}},
    {"triangle: dilation, shear along y", 2, {{-6, 2}, {-2, 2}, {-5, 7}}, {Dilatazione, Inclinazione}},
    {"quadrilateral: shear, affinity", 3, {{-4, 0}, {2, 0}, {2, 6}, {-4, 6}}, {Inclinazione, Affinita}},
    {"segment: affinity, translation", 1, {{3, 1}, {9, 4}}, {Affinita, Traslazione}},
    {"circle: homothety, symmetry", 4, {{4, 3}, {3, 3}}, {Omotetia, Simmetria}},
    {"frame: rotation of the axes", 2, {{6, 2}, {12, 2}, {6, 7}}, {Rotazione, -1}, true},
};

} // namespace

class TestTgeoFiles : public QObject
{
    Q_OBJECT

    std::optional<GuiTest::Fixture> m_fixture;

private slots:
    void init() { m_fixture.emplace(); }
    void cleanup()
    {
        m_fixture.reset();
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    // Ctrl+C and Ctrl+S, also in the pop-up menu, give the drawing area; the
    // dialog adds ".png". Ctrl+P previews the worksheet.
    void copyAndSaveTheDrawing()
    {
        PlaneHarness plane;
        const QList<QAction *> popup = plane.find<QMenu>("PopupMenu1")->actions();
        QVERIFY(popup.contains(plane.find<QAction>("copiaimmagine")) && popup.contains(plane.find<QAction>("salvaimmagine")));
        runTranslatedTriangle(plane);
        const QImage expected = expectedDrawing(plane.window());
        GuiTest::clearClipboard();
        QVERIFY(pressInWindow(plane.window(), Qt::Key_C));
        QCOMPARE(GuiTest::clipboardPicture().convertToFormat(QImage::Format_RGB32), expected);
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(m_fixture->filePath(u"disegno"_qs), seen);
        QVERIFY(pressInWindow(plane.window(), Qt::Key_S));
        QVERIFY(seen.saveDialog);
        QCOMPARE(seen.defaultSuffix, u"png"_qs);
        QCOMPARE(seen.failureMessage, QString());
        QCOMPARE(QImage(m_fixture->filePath(u"disegno.png"_qs)).convertToFormat(QImage::Format_RGB32), expected);
        QString opened;
        int pages = 0;
        GuiTest::whenModalOpens([&](QWidget *window) {
            opened = window->objectName();
            if (auto *preview = window->findChild<QPrintPreviewWidget *>())
                pages = preview->pageCount();
            window->close();
        });
        QVERIFY(pressInWindow(plane.window(), Qt::Key_P));
        QCOMPARE(opened + QString::number(pages), u"anteprimascheda2"_qs); // the worksheet's two pages
    }

    // The ending gives the format, the screen the density (96 dpi a device
    // pixel). Rows: name, first bytes in hex ("-": refused), ratio.
    void savedFormatFollowsTheName_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : {"a.png 89504e47 2", "b.jpg ffd8ff 1", "c.JPEG ffd8ff 1.5", "d.bmp 424d 3", "e.gif - 1",
                                "f.png.txt - 1"})
            QTest::newRow(row) << QString::fromLatin1(row);
    }

    void savedFormatFollowsTheName()
    {
        QFETCH(QString, row);
        const QStringList fields = row.split(u' ');
        const QByteArray start = QByteArray::fromHex(fields[1].toLatin1());
        const qreal ratio = fields[2].toDouble();
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.setDevicePixelRatio(ratio);
        const QString path = m_fixture->filePath(fields[0]);
        const auto failure = writePictureFile(picture, path);
        if (start.isEmpty()) {
            QCOMPARE(failure, noticeText(PictureNameUnknown));
            QVERIFY(!QFile::exists(path));
            return;
        }
        QVERIFY(!failure);
        QCOMPARE(fileBytes(path).left(start.size()), start);
        const QImage saved(path);
        QCOMPARE(saved.size(), picture.size());
        QVERIFY2(qAbs(saved.dotsPerMeterX() - qRound(96 * ratio / 0.0254)) <= 20, qPrintable(QString::number(saved.dotsPerMeterX())));
        QCOMPARE(saved.dotsPerMeterY(), saved.dotsPerMeterX());
    }

    // "Light board" recolours the screen and "Thick lines" widens lines by a
    // pixel each side, not the dots; neither touches the canvas.
    void viewsAndVectorPictures()
    {
        PlaneHarness plane;
        runTranslatedTriangle(plane);
        const QImage canvas = plane.window()->canvas().copy();
        QWidget *surface = plane.window()->widget();
        const QImage dark = surface->grab().toImage();
        auto *lightBoard = plane.find<QAction>("lavagna");
        const QPoint axis = plane.screen(-20, 0); // the x axis, one pixel high
        const QPoint dot = plane.screen(-30, -20);
        auto shown = [surface](QPoint at) { return surface->grab().toImage().pixel(at) & 0xFFFFFF; };
        lightBoard->trigger();
        QCOMPARE(shown(plane.screen(-30.5, -20.5)), 0xFFFFFFu); // paper between the grid's dots
        QCOMPARE(shown(axis), 0x000000u);
        QCOMPARE(shown(plane.screen(8, 3)), 0x00707Au); // A', aqua on the canvas
        lightBoard->trigger();
        // The drawing, below the tool bars, whose buttons may have changed their look.
        const int top = plane.window()->topBarHeight();
        const QRect drawing(0, top, dark.width(), dark.height() - top - plane.window()->panelHeight());
        QCOMPARE(surface->grab(drawing).toImage(), dark.copy(drawing));

        plane.find<QAction>("lineespesse")->trigger();
        QCOMPARE(shown(axis + QPoint(0, 1)), 0xFFFFFFu);
        QCOMPARE(shown(axis - QPoint(0, 1)), 0xFFFFFFu);
        QCOMPARE(shown(axis + QPoint(0, 2)), 0x000000u);
        QCOMPARE(canvas.pixel(dot) & 0xFFFFFF, 0xC0C0C0u);
        QCOMPARE(shown(dot + QPoint(1, 0)), 0x000000u);
        lightBoard->trigger();
        QCOMPARE(shown(axis + QPoint(0, 1)), 0x000000u);
        QCOMPARE(plane.window()->canvas(), canvas);

        // Cropped to the figures with a margin of two units and on white, the
        // SVG holds the canvas's shapes; the PDF is one page, a point a pixel.
        plane.find<QAction>("solofigure")->trigger();
        plane.find<QAction>("fondobianco")->trigger();
        const QImage cropped = plane.window()->drawingPicture();
        // The figures span (0; 0) to (11; 7), their letters a little more.
        const QRect part = plane.window()->picturePart();
        const QRect figures = QRect(plane.screen(0, 7), plane.screen(11, 0)).adjusted(-20, -20, 20, 20);
        QVERIFY2(part.contains(figures) && figures.adjusted(-30, -30, 30, 30).contains(part),
                 qPrintable(u"%1 %2 %3 %4"_qs.arg(part.x()).arg(part.y()).arg(part.width()).arg(part.height())));
        QCOMPARE(cropped.size(), part.size());
        for (const char *name : {"disegno.svg", "disegno.pdf"}) {
            GuiTest::SaveAnswer seen;
            GuiTest::answerSaveDialog(m_fixture->filePath(QString::fromLatin1(name)), seen);
            QVERIFY(pressInWindow(plane.window(), Qt::Key_S));
            QCOMPARE(seen.failureMessage, QString());
        }
        QSvgRenderer svg(m_fixture->filePath(u"disegno.svg"_qs));
        QCOMPARE(svg.viewBox().size(), cropped.size());
        QImage rendered(cropped.size(), QImage::Format_RGB32);
        QPainter painter(&rendered);
        svg.render(&painter);
        painter.end();
        const auto at = [&](double x, double y) { return rendered.pixel(plane.screen(x, y) - part.topLeft()) & 0xFFFFFF; };
        QCOMPARE(at(8, 3), 0x00707Au); // A'B'
        QCOMPARE(at(2, 1), 0xB4B4B4u); // a grid dot
        QCOMPARE(at(2.5, 1.5), 0xFFFFFFu);
        const QByteArray pdf = fileBytes(m_fixture->filePath(u"disegno.pdf"_qs));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
        const QString box = u"/MediaBox [0 0 %1.000000 %2.000000]"_qs.arg(cropped.width()).arg(cropped.height());
        QVERIFY2(pdf.contains(box.toLatin1()), pdf.left(2000).constData());
    }

    // The GIF of the last step, or both: the picture before, every frame
    // drawn, the pictures after each step, the ends held longer.
    void animation_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("rotation by 90") << QList<int>{Rotazione};
        QTest::newRow("translation, then rotation") << QList<int>{Traslazione, Rotazione};
    }

    void animation()
    {
        QFETCH(QList<int>, kinds);
        PlaneHarness plane;
        setFigure(2, {{0, 0}, {6, 0}, {0, 4}});
        setTranslation(1, 5, 3);
        setRotation(1, 90, 0, 0);
        setRotation(2, 30, 0, 0);
        plane.setTransformations(int(kinds.size()));
        plane.confirmFigure();
        for (int slot = 1; slot <= kinds.size(); ++slot)
            plane.confirmKind(slot, kinds[slot - 1]);
        QList<QImage> stills{expectedDrawing(plane.window())};
        QList<int> drawn;
        for (int kind : kinds) {
            drawn << plane.continueStep(kind);
            stills << expectedDrawing(plane.window());
        }
        const QImage canvas = plane.window()->canvas().copy();
        QByteArray bytes;
        QCOMPARE(plane.window()->animation(bytes), std::nullopt);
        QCOMPARE(plane.window()->canvas(), canvas);
        QBuffer file(&bytes);
        QImageReader gif(&file, "gif");
        QList<QImage> frames;
        QList<int> delays;
        for (QImage frame; gif.read(&frame);) {
            frames.append(frame.convertToFormat(QImage::Format_RGB32));
            delays.append(gif.nextImageDelay());
        }
        QCOMPARE(frames.size(), std::accumulate(drawn.begin(), drawn.end(), 0) + int(kinds.size()) + 1);
        QCOMPARE(frames.first(), stills.first());
        QCOMPARE(frames[drawn.first() + 1], stills[1]);
        QCOMPARE(frames.last(), stills.last());
        QVERIFY(frames[1] != stills.first() && frames[45] != frames[44]);
        QCOMPARE(delays.first(), 1000);
        QCOMPARE(delays[1], 50);
        QCOMPARE(delays.last(), 2000);
        QCOMPARE(gif.loopCount(), -1); // over and over

        // Once, and cropped to every frame's figures, which hold the end's.
        plane.find<QAction>("animazioneciclo")->trigger();
        plane.find<QAction>("solofigure")->trigger();
        QCOMPARE(plane.window()->animation(bytes), std::nullopt);
        QBuffer once(&bytes);
        QImageReader cropped(&once, "gif");
        QCOMPARE(cropped.loopCount(), 0);
        QCOMPARE(cropped.imageCount(), frames.size());
        const QRect end = plane.window()->picturePart();
        QVERIFY(cropped.size().width() >= end.width() && cropped.size().width() < stills.first().width() / 2);
    }

    // Ctrl+0 brings an image back into view, Ctrl+- returns to x1, Ctrl++
    // magnifies about the middle; the canvas never changes.
    void projectorView()
    {
        PlaneHarness plane;
        setFigure(2, {{0, 10}, {6, 10}, {0, 14}});
        setTranslation(1, 5, 20);
        plane.runLesson(Traslazione);
        Tgeo *window = plane.window();
        const QImage canvas = window->canvas().copy();
        QWidget *surface = window->widget();
        const QImage shown = surface->grab().toImage();
        const QRect visible(0, window->topBarHeight(), surface->width(),
                            surface->height() - window->topBarHeight() - window->panelHeight());
        const QList<QPoint> images{plane.screen(5, 30), plane.screen(11, 30), plane.screen(5, 34)};
        QVERIFY(!visible.contains(images[2]));
        QVERIFY(pressInWindow(window, Qt::Key_0));
        for (const QPoint &vertex : images)
            QVERIFY2(visible.contains(window->viewPoint(vertex).toPoint()), qPrintable(QString::number(vertex.y())));
        const QImage fitted = surface->grab().toImage();
        QVERIFY(pressInWindow(window, Qt::Key_0));
        QCOMPARE(surface->grab().toImage(), fitted);
        for (int i = 0; i < 12; ++i)
            QVERIFY(pressInWindow(window, Qt::Key_Minus));
        QCOMPARE(surface->grab(visible).toImage(), shown.copy(visible));
        QVERIFY(pressInWindow(window, Qt::Key_Plus));
        const QPointF origin(plane.screen(0, 0));
        const QPointF centre = QRectF(visible).center();
        QVERIFY(std::abs((window->viewPoint(origin) - centre).x() - 1.25 * (origin - centre).x()) < 1);
        QCOMPARE(window->canvas(), canvas);
    }

    // Told why, in the language in force; an earlier file stays, no file is left.
    void failedSaveIsTold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("old"); // empty: no earlier file
        QTest::addColumn<bool>("animation"); // "Save animation..." rather than Ctrl+S
        const auto row = [](const char *tag, const char *name, const char *old, bool animation) {
            QTest::newRow(tag) << QString::fromLatin1(name) << QByteArray(old) << animation;
        };
        row("folder that takes no file", "/proc/disegno.png", "", false);
        row("full disk over an old picture", "old.png", "an old picture", false);
        row("full disk over an old SVG", "old.svg", "<svg/>", false);
        row("PDF in a folder that takes no file", "/proc/disegno.pdf", "", false);
        row("GIF on a full disk", "old.gif", "GIF89a", true);
        row("animation named as a picture", "moto.png", "", true);
    }

    void failedSaveIsTold()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, old);
        QFETCH(bool, animation);
        Language.LanguageIndex = French;
        PlaneHarness plane;
        runTranslatedTriangle(plane);
        const QString path = QDir(m_fixture->folder()).absoluteFilePath(name);
        if (!old.isEmpty())
            writeFileBytes(path, old);
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(path, seen);
        {
            const FileSizeLimit limit(old.size());
            if (animation)
                plane.find<QAction>("salvaanimazione")->trigger();
            else
                QVERIFY(pressInWindow(plane.window(), Qt::Key_S));
        }
        const QString headline = animation ? u"L'animation n'a pas été enregistrée:"_qs
                                           : u"L'image ne peut pas être enregistrée:"_qs;
        QVERIFY(seen.saveDialog);
        QVERIFY2(seen.failureMessage.startsWith(headline + u"\n"_qs + path), qPrintable(seen.failureMessage));
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(m_fixture->folder()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 old.isEmpty() ? QStringList() : QStringList(name));
    }

    // Before any step there is nothing to animate, and the user is told so.
    void noAnimationBeforeAStep()
    {
        PlaneHarness plane;
        QString told;
        GuiTest::whenModalOpens([&told](QWidget *window) {
            if (auto *box = qobject_cast<QMessageBox *>(window))
                told = box->text();
            window->close();
        });
        plane.find<QAction>("salvaanimazione")->trigger();
        QCOMPARE(told, noticeText(NoAnimation));
    }

    // Saved and opened in a fresh workspace, a lesson gives the store, the
    // picture and the frames of the lesson entered through the dialogs.
    void openedLessonIsTheLessonEnteredByHand_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Rows)); ++i)
            QTest::newRow(Rows[i].name) << i;
    }

    void openedLessonIsTheLessonEnteredByHand()
    {
        QFETCH(int, row);
        const auto &r = Rows[row];
        const int count = r.kinds[1] < 0 ? 1 : 2;
        QByteArray saved;
        QImage confirmed;
        QList<size_t> byHand;
        {
            PlaneHarness plane;
            setFigure(r.figure, r.vertices);
            std::mt19937 random{uint(row)};
            for (int slot = 1; slot <= count; ++slot)
                setRandomParameters(slot, r.kinds[slot - 1], random);
            if (r.frame)
                plane.choose("tipi", 1);
            plane.setTransformations(count);
            plane.confirmFigure();
            for (int slot = 1; slot <= count; ++slot)
                plane.confirmKind(slot, r.kinds[slot - 1]);
            QVERIFY(plane.button("continua")->isEnabled());
            saved = LessonFile::compose(plane.window()->lesson());
            confirmed = plane.window()->canvas().copy();
            byHand = runLesson(plane, r.kinds, count);
        }
        GuiTest::resetProgramValues();
        writeFileBytes(QStringLiteral("lesson.aralda"), saved);
        PlaneHarness plane;
        plane.window()->openLessonFile(QStringLiteral("lesson.aralda"));
        QCOMPARE(LessonFile::compose(plane.window()->lesson()), saved);
        QCOMPARE(plane.window()->canvas(), confirmed);
        QVERIFY(plane.messageLine().endsWith(QStringLiteral("[continua]")));
        const QList<size_t> opened = runLesson(plane, r.kinds, count);
        QVERIFY(opened.size() >= count);
        QCOMPARE(opened, byHand);
    }

    // Every pair of kinds, at random: each order's matrix product takes A
    // where the steps took it, to the recorded tenth.
    void productsAgreeWithTheSteps_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        for (int first = Traslazione; first <= Affinita; ++first)
            for (int second = Traslazione; second <= Affinita; ++second)
                QTest::addRow("%d then %d", first, second) << first << second;
    }

    void productsAgreeWithTheSteps()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        std::mt19937 random(uint(first * 7 + second));
        PlaneHarness plane;
        setFigure(2, {{2, 1}, {5, 1}, {2, 3}});
        setRandomParameters(1, first, random);
        setRandomParameters(2, second, random);
        plane.confirmTwoSteps(first, second);
        runLesson(plane, {first, second}, 2);
        const Composition::Rows m1 = kindMatrix(first, slotParameters(TransformSettings, 1));
        const Composition::Rows m2 = kindMatrix(second, slotParameters(TransformSettings, 2));
        for (auto [stage, product] : {std::pair{2, Composition::product(m2, m1)}, std::pair{4, Composition::product(m1, m2)}}) {
            const QPointF computed = Composition::apply(product, QPointF(2, 1));
            const QPointF recorded(TransformSettings.VertexTextX[0][stage].toDouble(),
                                   TransformSettings.VertexTextY[0][stage].toDouble());
            QVERIFY2(std::abs(computed.x() - recorded.x()) < 0.15 && std::abs(computed.y() - recorded.y()) < 0.15,
                     qPrintable(QStringLiteral("stage %1: %2;%3").arg(stage).arg(computed.x()).arg(computed.y())));
        }
    }

    // Every ready lesson opens without a message and runs to its end.
    void readyLessonsRun_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(":/lessons"));
        const QStringList names = folder.entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 12);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void readyLessonsRun()
    {
        QFETCH(QString, path);
        PlaneHarness plane;
        plane.window()->openLessonFile(path);
        const Lesson lesson = plane.window()->lesson();
        QVERIFY(!lesson.title.isEmpty() && !lesson.note.isEmpty());
        QVERIFY(plane.window()->windowTitle().endsWith(lesson.title));
        QVERIFY(plane.messageLine().endsWith(QStringLiteral("[continua]")));
        runLesson(plane, lesson.kinds, lesson.transformCount);
        // A change of frame records no image of the figure.
        QCOMPARE(TransformSettings.VertexTextX[0][lesson.transformCount == 2 ? 4 : 1].isEmpty(), lesson.frameMode);
        QVERIFY(!plane.button("continua")->isEnabled());
    }

    // Saving asks in Qt's own dialog and adds the ending; a failed write says why.
    void savedThroughTheDialog()
    {
        PlaneHarness plane;
        plane.window()->openLessonFile(QStringLiteral(":/lessons/10-order-matters.aralda"));
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(m_fixture->filePath(QStringLiteral("mine")), seen);
        plane.window()->askToSaveLesson();
        QVERIFY(seen.saveDialog);
        QCOMPARE(seen.defaultSuffix, QStringLiteral("aralda"));
        QCOMPARE(fileBytes(m_fixture->filePath(QStringLiteral("mine.aralda"))), LessonFile::compose(plane.window()->lesson()));
        GuiTest::SaveAnswer failed;
        GuiTest::answerSaveDialog(QStringLiteral("/proc/mine.aralda"), failed);
        plane.window()->askToSaveLesson();
        QVERIFY2(failed.failureMessage.startsWith(noticeText(LessonNotSaved) + QStringLiteral("\n/proc/mine.aralda\n")),
                 qPrintable(failed.failureMessage));
    }

    // A refused file says where and why and leaves the lesson as it was; an
    // unknown key is skipped and named. Both boxes bear the program's name.
    void openingTells_data()
    {
        QTest::addColumn<QByteArray>("extra"); // after ready lesson 10; empty: a broken file
        QTest::addColumn<QString>("box");
        QTest::newRow("refused") << QByteArray() << "lessonRefused";
        QTest::newRow("unknown key") << QByteArray("sfondo = nero\n") << "lessonKeysSkipped";
    }

    void openingTells()
    {
        QFETCH(QByteArray, extra);
        QFETCH(QString, box);
        Language.LanguageIndex = French;
        PlaneHarness plane;
        plane.window()->openLessonFile(QStringLiteral(":/lessons/04-parallel-axes.aralda"));
        const QImage before = plane.window()->canvas().copy();
        const QByteArray shownLesson = LessonFile::compose(plane.window()->lesson());
        const QString controls = plane.controls();
        const QByteArray ready = fileBytes(QStringLiteral(":/lessons/10-order-matters.aralda"));
        writeFileBytes(QStringLiteral("next.aralda"),
                       extra.isEmpty() ? QByteArray("Aralda lesson 1\nfigure = triangle\na = 1 1\nb = 2\n") : ready + extra);
        QString shown;
        GuiTest::whenModalOpens([&shown](QWidget *window) {
            shown = window->objectName() + u'|' + window->windowTitle() + u'|' + static_cast<QMessageBox *>(window)->text();
            window->close();
        });
        plane.window()->openLessonFile(QStringLiteral("next.aralda"));
        if (!extra.isEmpty()) {
            QCOMPARE(shown, box + u"|Aralda|"_qs + noticeText(LessonUnknownKeys).arg(u"sfondo"_qs));
            QCOMPARE(LessonFile::compose(plane.window()->lesson()),
                     LessonFile::compose(*LessonFile::parse(ready, French).lesson));
            return;
        }
        QCOMPARE(shown, box + u"|Aralda|"_qs + noticeText(LessonNotOpened) + u"\nnext.aralda\n"_qs
                            + noticeText(LessonLine).arg(4).arg(noticeText(LessonBadValue).arg("2", "b")));
        QCOMPARE(plane.window()->canvas(), before);
        QCOMPARE(LessonFile::compose(plane.window()->lesson()), shownLesson);
        QCOMPARE(plane.controls(), controls);
    }
};

QTEST_MAIN(TestTgeoFiles)
#include "tst_tgeofiles.moc"
