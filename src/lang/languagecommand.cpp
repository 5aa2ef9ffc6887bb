#include "lang/languagecommand.h"

#include "lang/fixedtexts.h"
#include "lang/languagecheck.h"
#include "lang/regularfile.h"

#include <QTextStream>

#include <cerrno>

namespace LanguageCommand {

namespace {

QString text(const char *fixed)
{
    return QString::fromUtf8(fixed);
}

} // namespace

int checkLanguage(const QByteArray &name, QTextStream &out, QTextStream &err)
{
    const auto report = LanguageCheck::checkFile(name);
    if (!report) {
        err << text(FixedTexts::CannotRead).arg(LanguageCheck::printableName(name)) << Qt::endl;
        return 2;
    }
    for (const QString &line : report->lines)
        out << line << '\n';
    return report->accepted ? 0 : 1;
}

int writeTemplate(const QByteArray &name, QTextStream &err)
{
    const QString shown = LanguageCheck::printableName(name);
    // A translator's work is never overwritten: the template takes the name
    // only where nothing stands, not even a dangling link.
    const auto failure = RegularFile::write(name, LanguageCheck::templateBytes(), RegularFile::Existing::Keep);
    if (failure && failure->error == EEXIST) {
        err << text(FixedTexts::AlreadyExists).arg(shown) << Qt::endl;
        return 1;
    }
    if (failure) {
        err << text(FixedTexts::CannotWrite).arg(shown, failure->reason()) << Qt::endl;
        return 2;
    }
    return 0;
}

} // namespace LanguageCommand
