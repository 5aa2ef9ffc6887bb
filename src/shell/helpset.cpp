#include "shell/helpset.h"

#include "lang/languagetables.h"
#include "lang/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace HelpSet {

namespace {

constexpr int HelpFileRow = 58;
constexpr int HelpFileNameCapacity = 64;

QString builtInFolder(int column)
{
    switch (column) {
    case Italian: return QStringLiteral(":/help/it");
    case French: return QStringLiteral(":/help/fr");
    default: return QStringLiteral(":/help/en");
    }
}

QUrl pageUrl(const QString &path)
{
    return path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
}

} // namespace

QString helpFileName()
{
    return (LongTexts.text(HelpFileRow) + QStringLiteral(".hlp")).left(HelpFileNameCapacity);
}

QString folder()
{
    if (Language.LanguageIndex != LoadedLanguage)
        return builtInFolder(Language.LanguageIndex);
    const QDir besideLanguageFile = QFileInfo(Language.LanguageFilePath).absoluteDir();
    const QString ownSet = besideLanguageFile.filePath(helpFileName());
    if (!Language.LanguageFilePath.isEmpty() && QFileInfo::exists(ownSet + QStringLiteral("/index.html")))
        return ownSet;
    return builtInFolder(English);
}

QUrl contentsUrl()
{
    return pageUrl(folder() + QStringLiteral("/index.html"));
}

QUrl topicUrl(int context)
{
    const QString page = folder() + QStringLiteral("/%1.html").arg(context);
    return QFileInfo::exists(page) ? pageUrl(page) : contentsUrl();
}

QByteArray pageBytes(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qrc")) {
        QFile resource(QLatin1Char(':') + url.path());
        return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
    }
    if (!url.isLocalFile())
        return {};
    const RegularFile::Contents file =
        RegularFile::read(url.toLocalFile(), MaximumPageSize, RegularFile::Links::Follow);
    return file.status == RegularFile::Status::Read ? file.bytes : QByteArray();
}

} // namespace HelpSet
