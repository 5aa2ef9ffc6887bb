#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>
#include <optional>

// An animated GIF made frame by frame with giflib, kept in memory until it
// is written whole. Each frame after the first is stored as the rectangle
// where it differs from the one before, over it, with a colour table of its
// own: a drawing of a few flat colours is kept pixel for pixel, and a frame
// of more than 256 colours takes its 256 most frequent ones, each other
// colour given the nearest of them.
class GifAnimation
{
public:
    // Frames of `size` pixels, played once or over and over.
    GifAnimation(QSize size, bool loop);
    ~GifAnimation();
    GifAnimation(const GifAnimation &) = delete;
    GifAnimation &operator=(const GifAnimation &) = delete;

    // The shortest time a frame is shown: most players show a frame of less
    // for a tenth of a second, and some not at all.
    static constexpr int ShortestDelay = 20;

    // `frame`, of the animation's size, shown for `delayMs` milliseconds
    // (rounded to hundredths, at least ShortestDelay).
    void addFrame(const QImage &frame, int delayMs);
    int frameCount() const { return m_frames; }
    // The file's bytes, or why there are none.
    std::optional<QString> finish(QByteArray &bytes);

private:
    struct Encoder;
    std::unique_ptr<Encoder> m_encoder;
    QImage m_previous;
    int m_frames = 0;
};
