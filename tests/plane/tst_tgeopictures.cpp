#include "planeharness.h"

#include "lang/languagetables.h"
#include "shell/picturefile.h"
#include "support/guitest.h"
#include "support/picturedialogs.h"
#include "support/settingsbytes.h"

#include <QAction>
#include <QMenu>
#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QSvgRenderer>
#include <QTest>
#include <QToolButton>

#include <numeric>

namespace {

// The canvas's drawing area worked out here: everything above the bottom
// panel, which holds only controls.
QImage expectedDrawing(const Tgeo *window)
{
    const QImage &canvas = window->canvas();
    return canvas.copy(0, 0, canvas.width(), canvas.height() - window->panelHeight())
        .convertToFormat(QImage::Format_RGB32);
}

int colourCount(const QImage &picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    return int(colours.size());
}

// Ctrl+key with the focus in the workspace, as a user types it: the
// shortcuts answer only in the active window.
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

} // namespace

class TestTgeoPictures : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // Ctrl+C and Ctrl+S give the drawing area, pixel for pixel; saved with
    // no suffix typed, the dialog adds ".png".
    void copyAndSaveTheDrawing()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        runTranslatedTriangle(plane);
        const QImage expected = expectedDrawing(plane.window());
        QVERIFY(colourCount(expected) >= 3); // black, the grid, the figures

        GuiTest::clearClipboard();
        QVERIFY(pressInWindow(plane.window(), Qt::Key_C));
        const QImage copied = GuiTest::clipboardPicture();
        QCOMPARE(copied.size(), expected.size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), expected);

        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(fixture.filePath(u"disegno"_qs), seen);
        QVERIFY(pressInWindow(plane.window(), Qt::Key_S));
        QVERIFY(seen.saveDialog);
        QCOMPARE(seen.defaultSuffix, u"png"_qs);
        QCOMPARE(seen.failureMessage, QString());
        const QString path = fixture.filePath(u"disegno.png"_qs);
        QCOMPARE(fileBytes(path).left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), expected);
    }

    // The name's ending gives the format, and the file's density the
    // screen's: 96 dots per inch per device pixel.
    void savedFormatFollowsTheName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("png at x2") << "a.png" << QByteArray("\x89PNG") << 2.0;
        QTest::newRow("jpg") << "b.jpg" << QByteArray("\xff\xd8\xff") << 1.0;
        QTest::newRow("JPEG at x1.5") << "c.JPEG" << QByteArray("\xff\xd8\xff") << 1.5;
        QTest::newRow("bmp at x3") << "d.bmp" << QByteArray("BM") << 3.0;
        QTest::newRow("gif is refused") << "e.gif" << QByteArray() << 1.0;
        QTest::newRow("png in the middle") << "f.png.txt" << QByteArray() << 1.0;
    }

    void savedFormatFollowsTheName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(qreal, ratio);
        GuiTest::Fixture fixture;
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.setDevicePixelRatio(ratio);
        const QString path = fixture.filePath(name);
        const auto failure = writePictureFile(picture, path);
        QCOMPARE(fileBytes(path).left(start.size()), start);
        if (start.isEmpty()) {
            QCOMPARE(failure, noticeText(PictureNameUnknown));
            QVERIFY(!QFile::exists(path));
            return;
        }
        QVERIFY(!failure);
        const QImage saved(path);
        QCOMPARE(saved.size(), picture.size());
        const int dotsPerMetre = qRound(96 * ratio / 0.0254);
        QVERIFY2(qAbs(saved.dotsPerMeterX() - dotsPerMetre) <= 20, qPrintable(QString::number(saved.dotsPerMeterX())));
        QCOMPARE(saved.dotsPerMeterY(), saved.dotsPerMeterX());
    }

    // "Light board" recolours what the screen shows and "Thick lines" widens
    // it by a pixel on each side, leaving the grid's dots alone; neither
    // touches the canvas, and off again the screen is as before.
    void screenOnlyViews()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        runTranslatedTriangle(plane);
        const QImage canvas = plane.window()->canvas().copy();
        QWidget *surface = plane.window()->widget();
        const QImage dark = surface->grab().toImage();
        auto *lightBoard = plane.window()->findChild<QAction *>(u"lavagna"_qs);
        auto *thickLines = plane.window()->findChild<QAction *>(u"lineespesse"_qs);
        const QPoint paper = plane.screen(-30.5, -20.5); // between the grid's dots
        const QPoint axis = plane.screen(-20, 0);        // the x axis, one pixel high
        const QPoint image = plane.screen(8, 3);         // A', aqua on the canvas
        const QPoint dot = plane.screen(-30, -20);
        auto shown = [surface](QPoint at) { return surface->grab().toImage().pixel(at) & 0xFFFFFF; };

        lightBoard->trigger();
        QCOMPARE(shown(paper), 0xFFFFFFu);
        QCOMPARE(shown(axis), 0x000000u);
        QCOMPARE(canvas.pixel(image) & 0xFFFFFF, 0x00FFFFu);
        QCOMPARE(shown(image), 0x00707Au);
        lightBoard->trigger();
        // The drawing, below the tool bars, whose buttons may have changed their look.
        const int top = plane.window()->topBarHeight();
        const QRect drawing(0, top, dark.width(), dark.height() - top - plane.window()->panelHeight());
        QCOMPARE(surface->grab(drawing).toImage(), dark.copy(drawing));

        thickLines->trigger();
        QCOMPARE(shown(axis + QPoint(0, 1)), 0xFFFFFFu);
        QCOMPARE(shown(axis - QPoint(0, 1)), 0xFFFFFFu);
        QCOMPARE(shown(axis + QPoint(0, 2)), 0x000000u);
        QCOMPARE(canvas.pixel(dot) & 0xFFFFFF, 0xC0C0C0u);
        QCOMPARE(shown(dot + QPoint(1, 0)), 0x000000u);
        lightBoard->trigger();
        QCOMPARE(shown(axis + QPoint(0, 1)), 0x000000u);
        QCOMPARE(plane.window()->canvas(), canvas);
    }

    // Cropped to the figures and on white, the SVG is drawn by shapes at
    // the canvas's geometry: rendered again, A'B' and a grid dot are where
    // and in the colour the light board shows them, on white paper.
    void vectorPictureHoldsTheFigure()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        runTranslatedTriangle(plane);
        plane.window()->findChild<QAction *>(u"solofigure"_qs)->trigger();
        plane.window()->findChild<QAction *>(u"fondobianco"_qs)->trigger();
        const QImage cropped = plane.window()->drawingPicture();
        // The figures span (0; 0) to (11; 7), their letters a little more,
        // and the margin is two grid units.
        const QRect part = plane.window()->picturePart();
        const QRect figures = QRect(plane.screen(0, 7), plane.screen(11, 0)).adjusted(-20, -20, 20, 20);
        QVERIFY2(part.contains(figures) && figures.adjusted(-30, -30, 30, 30).contains(part),
                 qPrintable(u"%1 %2 %3 %4"_qs.arg(part.x()).arg(part.y()).arg(part.width()).arg(part.height())));
        QCOMPARE(cropped.size(), part.size());
        const QPoint corner = part.topLeft();
        for (const char *name : {"disegno.svg", "disegno.pdf"}) {
            GuiTest::SaveAnswer seen;
            GuiTest::answerSaveDialog(fixture.filePath(QString::fromLatin1(name)), seen);
            QVERIFY(pressInWindow(plane.window(), Qt::Key_S));
            QCOMPARE(seen.failureMessage, QString());
        }
        QSvgRenderer svg(fixture.filePath(u"disegno.svg"_qs));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox().size(), cropped.size());
        QImage rendered(cropped.size(), QImage::Format_RGB32);
        QPainter painter(&rendered);
        svg.render(&painter);
        painter.end();
        const auto at = [&](double x, double y) { return rendered.pixel(plane.screen(x, y) - corner) & 0xFFFFFF; };
        QCOMPARE(at(8, 3), 0x00707Au);  // A'B'
        QCOMPARE(at(5, 5), 0x00707Au);  // A'C'
        QCOMPARE(at(2, 1), 0xB4B4B4u);  // a grid dot
        QCOMPARE(at(2.5, 1.5), 0xFFFFFFu);
        QCOMPARE(at(3, 0), 0x000000u);  // the x axis
        for (const QPoint &edge : {plane.screen(8, 3), plane.screen(2, 1)})
            QCOMPARE(cropped.pixel(edge - corner), rendered.pixel(edge - corner));

        const QByteArray pdf = fileBytes(fixture.filePath(u"disegno.pdf"_qs));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
        // One page of the picture's size, a point a pixel.
        const QString box = u"/MediaBox [0 0 %1.000000 %2.000000]"_qs.arg(cropped.width()).arg(cropped.height());
        QVERIFY2(pdf.contains(box.toLatin1()), pdf.left(2000).constData());
    }

    // The GIF of the last step, or of both steps after a sequence: the
    // picture before, each frame the workspace drew, the picture between
    // two steps, and the picture after, pixel for pixel, at the frames' own
    // interval; the start and the end held longer. Making it leaves the
    // canvas alone.
    void animation_data()
    {
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("rotation by 90") << QList<int>{Rotazione};
        QTest::newRow("translation, then rotation") << QList<int>{Traslazione, Rotazione};
    }

    void animation()
    {
        QFETCH(QList<int>, kinds);
        GuiTest::Fixture fixture;
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
        if (kinds.size() == 1)
            QCOMPARE(drawn.first(), 91); // 0° to 90°
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

        plane.window()->findChild<QAction *>(u"animazioneciclo"_qs)->trigger();
        plane.window()->findChild<QAction *>(u"solofigure"_qs)->trigger();
        QCOMPARE(plane.window()->animation(bytes), std::nullopt);
        QBuffer once(&bytes);
        QImageReader cropped(&once, "gif");
        QCOMPARE(cropped.loopCount(), 0);
        QCOMPARE(cropped.imageCount(), frames.size());
        // Cropped to every frame's figures, which hold the end's, and far
        // smaller than the drawing area.
        const QSize part = cropped.size();
        const QRect end = plane.window()->picturePart();
        QVERIFY(part.width() >= end.width() && part.height() >= end.height());
        QVERIFY(part.width() < stills.first().width() / 2 && part.height() < stills.first().height() / 2);
    }

    // Ctrl+P previews the lesson's worksheet: two pages, titled after the
    // lesson, with the start coordinates the table records.
    void worksheetPreview()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        runTranslatedTriangle(plane);
        const Worksheet::Sheet sheet = plane.window()->worksheet();
        QCOMPARE(sheet.stages.size(), size_t(2));
        QCOMPARE(sheet.stages[0].labels.front(), u"A(0;0)"_qs);
        QCOMPARE(sheet.stages[1].vertices.front(), QPointF(5, 3));
        QString opened;
        int pages = 0;
        GuiTest::whenModalOpens([&](QWidget *window) {
            opened = window->objectName();
            if (auto *preview = window->findChild<QPrintPreviewWidget *>())
                pages = preview->pageCount();
            window->close();
        });
        QVERIFY(pressInWindow(plane.window(), Qt::Key_P));
        QCOMPARE(opened, u"anteprimascheda"_qs);
        QCOMPARE(pages, 2);
    }

    // Ctrl+0 brings an image that left the drawing area back into view;
    // Ctrl++ magnifies sharply, and Ctrl+- back to x1 shows the canvas as
    // before. The canvas never changes.
    void projectorView()
    {
        GuiTest::Fixture fixture;
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
        // A'B' between two grid dots, aqua.
        const QPointF between = window->viewPoint(QPointF(plane.screen(7.5, 30)) + QPointF(0.5, 0.5));
        // Smaller than x1, a line is less than a pixel wide: it is in one
        // of the pixels about its place.
        QSet<QRgb> near;
        for (int dy = -1; dy <= 1; ++dy)
            near.insert(fitted.pixel(between.toPoint() + QPoint(0, dy)) & 0xFFFFFF);
        QVERIFY(near.contains(0x00FFFFu));
        QCOMPARE(window->canvas(), canvas);

        QVERIFY(pressInWindow(window, Qt::Key_0)); // no further once fitted
        QCOMPARE(surface->grab().toImage(), fitted);
        for (int i = 0; i < 12; ++i)
            QVERIFY(pressInWindow(window, Qt::Key_Minus));
        const QRect drawing = visible;
        QCOMPARE(surface->grab(drawing).toImage(), shown.copy(drawing));
        QVERIFY(pressInWindow(window, Qt::Key_Plus));
        // x1.25 about the middle: the origin moves away from the middle.
        const QPointF origin(plane.screen(0, 0));
        const QPointF centre = QRectF(visible).center();
        const QPointF moved = window->viewPoint(origin);
        QVERIFY(std::abs((moved - centre).x() - 1.25 * (origin - centre).x()) < 1);
        QCOMPARE(window->canvas(), canvas);
    }

    void failedSaveIsTold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("old"); // empty: no earlier file
        QTest::addColumn<bool>("animation"); // "Save animation..." rather than Ctrl+S
        QTest::addColumn<QString>("headline");
        const QString picture = u"L'image ne peut pas être enregistrée:"_qs;
        const QString animation = u"L'animation n'a pas été enregistrée:"_qs;
        QTest::newRow("folder that takes no file") << "/proc/disegno.png" << QByteArray() << false << picture;
        QTest::newRow("full disk over an old picture") << "old.png" << QByteArray("an old picture") << false << picture;
        QTest::newRow("full disk over an old SVG") << "old.svg" << QByteArray("<svg/>") << false << picture;
        QTest::newRow("PDF in a folder that takes no file") << "/proc/disegno.pdf" << QByteArray() << false << picture;
        QTest::newRow("GIF on a full disk") << "old.gif" << QByteArray("GIF89a") << true << animation;
        QTest::newRow("animation named as a picture") << "moto.png" << QByteArray() << true << animation;
    }

    // The user reads why, in the language in force; an earlier file stays
    // as it was and no file is left behind.
    void failedSaveIsTold()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, old);
        QFETCH(bool, animation);
        QFETCH(QString, headline);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = French;
        PlaneHarness plane;
        runTranslatedTriangle(plane);
        const QString path = QDir(fixture.folder()).absoluteFilePath(name);
        if (!old.isEmpty())
            writeFileBytes(path, old);
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(path, seen);
        {
            const FileSizeLimit limit(old.size());
            if (animation)
                plane.window()->findChild<QAction *>(u"salvaanimazione"_qs)->trigger();
            else
                QVERIFY(pressInWindow(plane.window(), Qt::Key_S));
        }
        QVERIFY(seen.saveDialog);
        QVERIFY2(seen.failureMessage.startsWith(headline + u"\n"_qs + path), qPrintable(seen.failureMessage));
        QCOMPARE(QFile::exists(path), !old.isEmpty());
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(fixture.folder()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 old.isEmpty() ? QStringList() : QStringList(name));
    }

    // Before any step there is nothing to animate, and the user is told so.
    void noAnimationBeforeAStep()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        QString told;
        GuiTest::whenModalOpens([&told](QWidget *window) {
            if (auto *box = qobject_cast<QMessageBox *>(window))
                told = box->text();
            window->close();
        });
        plane.window()->findChild<QAction *>(u"salvaanimazione"_qs)->trigger();
        QCOMPARE(told, noticeText(NoAnimation));
    }

    void popupItems_data() { GuiTest::pictureItemRows(); }

    void popupItems()
    {
        QFETCH(int, language);
        QFETCH(QString, copy);
        QFETCH(QString, save);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = quint8(language);
        PlaneHarness plane;
        const auto *popup = plane.window()->findChild<QMenu *>(u"PopupMenu1"_qs);
        QVERIFY(popup);
        QStringList items;
        for (const QAction *action : popup->actions()) {
            if (!action->isSeparator())
                items.append(action->text());
        }
        QVERIFY2(items.contains(copy) && items.contains(save), qPrintable(items.join(u" | "_qs)));
        const auto *copyAction = plane.window()->findChild<QAction *>(u"copiaimmagine"_qs);
        const auto *saveAction = plane.window()->findChild<QAction *>(u"salvaimmagine"_qs);
        QCOMPARE(copyAction->shortcut(), QKeySequence(QKeySequence::Copy));
        QCOMPARE(saveAction->shortcut(), QKeySequence(QKeySequence::Save));
    }
};

QTEST_MAIN(TestTgeoPictures)
#include "tst_tgeopictures.moc"
