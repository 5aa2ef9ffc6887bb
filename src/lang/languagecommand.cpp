#include "lang/languagecommand.h"

#include "lang/fixedtexts.h"
#include "lang/languagecheck.h"
#include "lang/regularfile.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cerrno>
#include <cstring>

namespace LanguageCommand {

namespace {

constexpr const char *CheckOption = "check-language";
constexpr const char *TemplateOption = "write-language-template";

bool names(const char *argument, const char *option)
{
    const std::size_t length = std::strlen(option);
    return argument[0] == '-' && argument[1] == '-' && std::strncmp(argument + 2, option, length) == 0
           && (argument[2 + length] == '\0' || argument[2 + length] == '=');
}

QString text(const char *fixed)
{
    return QString::fromUtf8(fixed);
}

int usageError(const QString &error, QTextStream &err)
{
    if (!error.isEmpty())
        err << error << '\n';
    err << FixedTexts::LanguageCommandUsage << Qt::endl;
    return 2;
}

int checkLanguage(const QString &path, QTextStream &out, QTextStream &err)
{
    const auto report = LanguageCheck::checkFile(path);
    if (!report) {
        err << text(FixedTexts::CannotRead).arg(path) << Qt::endl;
        return 2;
    }
    for (const QString &line : report->lines)
        out << line << '\n';
    out.flush();
    return report->accepted ? 0 : 1;
}

int writeTemplate(const QString &path, QTextStream &err)
{
    // A translator's work is never overwritten: the template takes the name
    // only where nothing stands, not even a dangling link.
    const auto failure = RegularFile::write(path, LanguageCheck::templateBytes(), RegularFile::Existing::Keep);
    if (failure && failure->error == EEXIST) {
        err << text(FixedTexts::AlreadyExists).arg(path) << Qt::endl;
        return 1;
    }
    if (failure) {
        err << text(FixedTexts::CannotWrite).arg(path, failure->reason()) << Qt::endl;
        return 2;
    }
    return 0;
}

} // namespace

bool requested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (names(argv[i], CheckOption) || names(argv[i], TemplateOption))
            return true;
    }
    return false;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption check(QString::fromLatin1(CheckOption), {}, QStringLiteral("file"));
    const QCommandLineOption writeTemplateOption(QString::fromLatin1(TemplateOption), {}, QStringLiteral("file"));
    parser.addOption(check);
    parser.addOption(writeTemplateOption);
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), err);
    if (!parser.positionalArguments().isEmpty() || parser.isSet(check) == parser.isSet(writeTemplateOption)
        || parser.values(check).size() + parser.values(writeTemplateOption).size() != 1)
        return usageError({}, err);
    if (parser.isSet(check))
        return checkLanguage(parser.value(check), out, err);
    return writeTemplate(parser.value(writeTemplateOption), err);
}

} // namespace LanguageCommand
