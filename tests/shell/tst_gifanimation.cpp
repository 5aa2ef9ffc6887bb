#include "shell/gifanimation.h"

#include <QBuffer>
#include <QImageReader>
#include <QSet>
#include <QTest>

namespace {

struct Played {
    QList<QImage> frames;
    QList<int> delays;
    int loops = 0;
};

Played play(QByteArray bytes)
{
    QBuffer file(&bytes);
    QImageReader gif(&file, "gif");
    Played played;
    for (QImage frame; gif.read(&frame);) {
        played.frames.append(frame.convertToFormat(QImage::Format_RGB32));
        played.delays.append(gif.nextImageDelay());
    }
    played.loops = gif.loopCount();
    return played;
}

// A frame of flat colours with a square of `colour` at `x`.
QImage flatFrame(int x, QRgb colour)
{
    QImage frame(40, 30, QImage::Format_RGB32);
    frame.fill(0xFF000000);
    for (int y = 10; y < 16; ++y)
        for (int i = x; i < x + 6; ++i)
            frame.setPixel(i, y, colour);
    return frame;
}

// 400 greys and colours, more than a frame's table holds.
QImage manyColours()
{
    QImage frame(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            frame.setPixel(x, y, qRgb(x * 12, y * 12, (x * 20 + y) % 256));
    return frame;
}

} // namespace

class TestGifAnimation : public QObject
{
    Q_OBJECT

private slots:
    // Frames come back pixel for pixel, a frame like the one before stays a
    // frame, and each is shown for its time in hundredths, at least 20 ms;
    // the loop is there only when asked for.
    void framesComeBackAsGiven_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::newRow("looping") << true;
        QTest::newRow("once") << false;
    }

    void framesComeBackAsGiven()
    {
        QFETCH(bool, loop);
        const QList<QImage> frames{flatFrame(2, 0xFF00FFFF), flatFrame(5, 0xFF00FFFF), flatFrame(5, 0xFF00FFFF),
                                   flatFrame(30, 0xFFFF8000)};
        const QList<int> delays{1000, 2, 50, 54};
        GifAnimation gif(QSize(40, 30), loop);
        for (int i = 0; i < frames.size(); ++i)
            gif.addFrame(frames[i], delays[i]);
        QCOMPARE(gif.frameCount(), 4);
        QByteArray bytes;
        QCOMPARE(gif.finish(bytes), std::nullopt);
        QVERIFY(bytes.startsWith("GIF89a"));
        const Played played = play(bytes);
        QCOMPARE(played.frames, frames);
        QCOMPARE(played.delays, (QList<int>{1000, 20, 50, 50}));
        QCOMPARE(played.loops, loop ? -1 : 0);
        QCOMPARE(bytes.contains("NETSCAPE2.0"), loop);
    }

    // More than 256 colours: each pixel takes the nearest of the 256 most
    // frequent, so no colour moves far.
    void manyColoursTakeTheNearest()
    {
        const QImage frame = manyColours();
        GifAnimation gif(frame.size(), false);
        gif.addFrame(frame, 50);
        QByteArray bytes;
        QCOMPARE(gif.finish(bytes), std::nullopt);
        const QImage shown = play(bytes).frames.value(0);
        QCOMPARE(shown.size(), frame.size());
        QSet<QRgb> table;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                table.insert(shown.pixel(x, y));
        const auto distance = [](QRgb a, QRgb b) {
            const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
            return r * r + g * g + bl * bl;
        };
        int exact = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const QRgb given = frame.pixel(x, y);
                const QRgb got = shown.pixel(x, y);
                exact += given == got;
                for (QRgb other : table)
                    QVERIFY(distance(given, got) <= distance(given, other));
            }
        QCOMPARE(exact, 256);
    }
};

QTEST_MAIN(TestGifAnimation)
#include "tst_gifanimation.moc"
