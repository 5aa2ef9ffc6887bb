#include "shell/gifanimation.h"

#include <gif_lib.h>

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int ColourLimit = 256;

int writeBytes(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

// The rectangle where two frames of one size differ; empty when they agree.
QRect changedPart(const QImage &before, const QImage &after)
{
    int top = -1;
    int bottom = -1;
    int left = after.width();
    int right = -1;
    const qsizetype lineBytes = qsizetype(after.width()) * 4;
    for (int y = 0; y < after.height(); ++y) {
        const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *now = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::equal(was, was + lineBytes / 4, now))
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (x < left && was[x] == now[x])
            ++x;
        left = std::min(left, x);
        int r = after.width() - 1;
        while (r > right && was[r] == now[r])
            --r;
        right = std::max(right, r);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

int squaredDistance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// The colour table of `part` of `frame` and each pixel's entry in it.
struct IndexedPart {
    std::vector<GifColorType> colours;
    std::vector<GifByteType> pixels;
};

IndexedPart indexed(const QImage &frame, const QRect &part)
{
    QHash<QRgb, int> counts;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        // The drawing is made of runs of one colour: one look-up a run.
        QRgb run = line[part.left()];
        int length = 0;
        for (int x = part.left(); x <= part.right(); ++x) {
            if (line[x] != run) {
                counts[run & 0xFFFFFF] += length;
                run = line[x];
                length = 0;
            }
            ++length;
        }
        counts[run & 0xFFFFFF] += length;
    }
    std::vector<std::pair<int, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    // The most frequent first, ties by colour, so that the file depends on
    // the frame alone.
    std::sort(byCount.begin(), byCount.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (byCount.size() > ColourLimit)
        byCount.resize(ColourLimit);
    IndexedPart result;
    QHash<QRgb, GifByteType> entry;
    for (const auto &[count, colour] : byCount) {
        entry.insert(colour, GifByteType(result.colours.size()));
        result.colours.push_back({GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))});
    }
    const auto nearest = [&](QRgb colour) {
        int best = 0;
        for (int i = 1; i < int(byCount.size()); ++i)
            if (squaredDistance(byCount[i].second, colour) < squaredDistance(byCount[best].second, colour))
                best = i;
        return GifByteType(best);
    };
    result.pixels.reserve(size_t(part.width()) * part.height());
    QRgb last = 0xFFFFFFFF;
    GifByteType lastEntry = 0;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        for (int x = part.left(); x <= part.right(); ++x) {
            const QRgb colour = line[x] & 0xFFFFFF;
            if (colour != last) {
                last = colour;
                const auto found = entry.constFind(colour);
                lastEntry = found != entry.cend() ? *found : entry.insert(colour, nearest(colour)).value();
            }
            result.pixels.push_back(lastEntry);
        }
    }
    return result;
}

// The smallest table of a power of two entries that holds `colours`.
ColorMapObject *colourTable(std::vector<GifColorType> colours)
{
    int size = 2;
    while (size < int(colours.size()))
        size *= 2;
    colours.resize(size_t(size), GifColorType{0, 0, 0});
    return GifMakeMapObject(size, colours.data());
}

} // namespace

struct GifAnimation::Encoder {
    QByteArray bytes;
    GifFileType *gif = nullptr;
    int error = E_GIF_SUCCEEDED;

    bool failed() const { return error != E_GIF_SUCCEEDED || !gif; }
    void check(int result)
    {
        if (result == GIF_ERROR && error == E_GIF_SUCCEEDED)
            error = gif->Error ? gif->Error : E_GIF_ERR_WRITE_FAILED;
    }
};

GifAnimation::GifAnimation(QSize size, bool loop)
    : m_encoder(std::make_unique<Encoder>())
{
    Encoder &e = *m_encoder;
    e.gif = EGifOpen(&e.bytes, writeBytes, &e.error);
    if (e.failed())
        return;
    EGifSetGifVersion(e.gif, true);
    // No table of the whole file: each frame brings its own.
    e.check(EGifPutScreenDesc(e.gif, size.width(), size.height(), 8, 0, nullptr));
    if (loop) {
        // The Netscape extension, which every player reads: repeat forever.
        static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType repeatForever[] = {1, 0, 0};
        e.check(EGifPutExtensionLeader(e.gif, APPLICATION_EXT_FUNC_CODE));
        e.check(EGifPutExtensionBlock(e.gif, sizeof application, application));
        e.check(EGifPutExtensionBlock(e.gif, sizeof repeatForever, repeatForever));
        e.check(EGifPutExtensionTrailer(e.gif));
    }
}

GifAnimation::~GifAnimation()
{
    if (m_encoder->gif)
        EGifCloseFile(m_encoder->gif, nullptr);
}

void GifAnimation::addFrame(const QImage &frame, int delayMs)
{
    Encoder &e = *m_encoder;
    if (e.failed())
        return;
    const QImage image = frame.convertToFormat(QImage::Format_RGB32);
    QRect part = m_previous.isNull() ? image.rect() : changedPart(m_previous, image);
    // A frame the same as the one before is still a frame, held as long:
    // one pixel, unchanged.
    if (part.isEmpty())
        part = QRect(0, 0, 1, 1);
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = (std::max(ShortestDelay, delayMs) + 5) / 10; // hundredths of a second
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    e.check(EGifPutExtension(e.gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension));

    IndexedPart pixels = indexed(image, part);
    ColorMapObject *table = colourTable(std::move(pixels.colours));
    e.check(EGifPutImageDesc(e.gif, part.left(), part.top(), part.width(), part.height(), false, table));
    GifFreeMapObject(table);
    for (int y = 0; y < part.height() && !e.failed(); ++y)
        e.check(EGifPutLine(e.gif, pixels.pixels.data() + size_t(y) * part.width(), part.width()));
    m_previous = image;
    ++m_frames;
}

std::optional<QString> GifAnimation::finish(QByteArray &bytes)
{
    Encoder &e = *m_encoder;
    if (!e.gif)
        return QString::fromUtf8(GifErrorString(e.error));
    int closeError = E_GIF_SUCCEEDED;
    const int closed = EGifCloseFile(e.gif, &closeError);
    e.gif = nullptr;
    if (e.error == E_GIF_SUCCEEDED && closed == GIF_ERROR)
        e.error = closeError;
    if (e.error != E_GIF_SUCCEEDED)
        return QString::fromUtf8(GifErrorString(e.error));
    bytes = std::move(e.bytes);
    return std::nullopt;
}
