#include "shell/picturefile.h"

#include <QSaveFile>

std::optional<QString> writePngFile(const QImage &picture, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!picture.save(&file, "PNG")) {
        file.cancelWriting();
        return file.error() != QFileDevice::NoError ? file.errorString() : QString();
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
