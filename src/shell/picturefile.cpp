#include "shell/picturefile.h"

#include "lang/languagetables.h"
#include "lang/regularfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include <cmath>

namespace {

constexpr double ScreenDotsPerMetre = 96 / 0.0254;

} // namespace

QByteArray pictureFormat(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "PNG";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "JPEG";
    if (suffix == QLatin1String("bmp"))
        return "BMP";
    return {};
}

std::optional<QString> writePictureFile(const QImage &picture, const QString &path)
{
    const QByteArray format = pictureFormat(path);
    if (format.isEmpty())
        return noticeText(PictureNameUnknown);
    QImage dense = picture;
    const int dotsPerMetre = int(std::lround(ScreenDotsPerMetre * picture.devicePixelRatio()));
    dense.setDotsPerMeterX(dotsPerMetre);
    dense.setDotsPerMeterY(dotsPerMetre);
    // Encoded whole before the file is touched, so that every failure of the
    // file system is met by the writer, which checks each step.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, format);
    if (!encoder.write(dense))
        return encoder.errorString();
    if (const auto failure = RegularFile::write(path, bytes, RegularFile::Existing::Replace))
        return failure->reason();
    return std::nullopt;
}
