#include "shell/picturefile.h"

#include "lang/regularfile.h"

#include <QBuffer>
#include <QImageWriter>

std::optional<QString> writePngFile(const QImage &picture, const QString &path)
{
    // Encoded whole before the file is touched, so that every failure of the
    // file system is met by the writer, which checks each step.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "PNG");
    if (!encoder.write(picture))
        return encoder.errorString();
    if (const auto failure = RegularFile::write(path, bytes, RegularFile::Existing::Replace))
        return failure->reason();
    return std::nullopt;
}
