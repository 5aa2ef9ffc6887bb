#include "shell/gifanimation.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTest>

namespace {

struct Played { QList<QImage> frames; QList<int> delays; int loops = 0; };

// What a reader plays of the animation made of `frames`; no frames when it was not made.
Played play(const QList<QImage> &frames, const QList<int> &delays, bool loop, QByteArray &bytes)
{
    GifAnimation gif(frames.value(0).size(), loop);
    for (int i = 0; i < frames.size(); ++i)
        gif.addFrame(frames[i], delays[i]);
    if (gif.finish(bytes))
        bytes.clear();
    QBuffer file(&bytes);
    QImageReader reader(&file, "gif");
    Played played;
    for (QImage frame; reader.read(&frame);) {
        played.frames.append(frame.convertToFormat(QImage::Format_RGB32));
        played.delays.append(reader.nextImageDelay());
    }
    played.loops = reader.loopCount();
    return played;
}

// A black frame with a square of `colour` at `x`.
QImage flatFrame(int x, QRgb colour)
{
    QImage frame(40, 30, QImage::Format_RGB32);
    frame.fill(0xFF000000);
    QPainter(&frame).fillRect(x, 10, 6, 6, QColor::fromRgb(colour));
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
    void framesComeBackAsGiven()
    {
        const QList<QImage> frames{flatFrame(2, 0xFF00FFFF), flatFrame(5, 0xFF00FFFF), flatFrame(5, 0xFF00FFFF),
                                   flatFrame(30, 0xFFFF8000)};
        for (bool loop : {true, false}) {
            QByteArray bytes;
            const Played played = play(frames, {1000, 2, 50, 54}, loop, bytes);
            QVERIFY(bytes.startsWith("GIF89a"));
            QCOMPARE(played.frames, frames);
            QCOMPARE(played.delays, (QList<int>{1000, 20, 50, 50}));
            QCOMPARE(played.loops, loop ? -1 : 0);
            QCOMPARE(bytes.contains("NETSCAPE2.0"), loop);
        }
    }

    // 400 colours, more than a frame's table holds: each pixel takes the
    // nearest of the 256 most frequent, so no colour moves far.
    void manyColoursTakeTheNearest()
    {
        QImage frame(20, 20, QImage::Format_RGB32);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                frame.setPixel(x, y, qRgb(x * 12, y * 12, (x * 20 + y) % 256));
        QByteArray bytes;
        const QImage shown = play({frame}, {50}, false, bytes).frames.value(0);
        QSet<QRgb> table;
        for (int i = 0; i < 400; ++i)
            table.insert(shown.pixel(i % 20, i / 20));
        const auto distance = [](QRgb a, QRgb b) {
            const int r = qRed(a) - qRed(b), g = qGreen(a) - qGreen(b), bl = qBlue(a) - qBlue(b);
            return r * r + g * g + bl * bl;
        };
        int exact = 0;
        for (int i = 0; i < 400; ++i) {
            const QRgb given = frame.pixel(i % 20, i / 20), got = shown.pixel(i % 20, i / 20);
            exact += given == got;
            for (QRgb other : table)
                QVERIFY(distance(given, got) <= distance(given, other));
        }
        QCOMPARE(exact, 256);
    }
};

QTEST_MAIN(TestGifAnimation)
#include "tst_gifanimation.moc"
