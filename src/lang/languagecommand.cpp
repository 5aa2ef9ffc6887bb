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

// Each byte of the command line one character, so that a file name comes
// back byte for byte: QCoreApplication::arguments() reads UTF-8 and would
// turn a name spelt in Latin-1, "caf\xe9.lng", into another name.
QStringList byteArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    return arguments;
}

int usageError(const QString &error, QTextStream &err)
{
    if (!error.isEmpty())
        err << error << '\n';
    err << FixedTexts::LanguageCommandUsage << Qt::endl;
    return 2;
}

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

} // namespace

bool requested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (names(argv[i], CheckOption) || names(argv[i], TemplateOption))
            return true;
    }
    return false;
}

int run(int argc, char *argv[], QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption check(QString::fromLatin1(CheckOption), {}, QStringLiteral("file"));
    const QCommandLineOption writeTemplateOption(QString::fromLatin1(TemplateOption), {}, QStringLiteral("file"));
    parser.addOption(check);
    parser.addOption(writeTemplateOption);
    if (!parser.parse(byteArguments(argc, argv)))
        return usageError(parser.errorText(), err);
    if (!parser.positionalArguments().isEmpty() || parser.isSet(check) == parser.isSet(writeTemplateOption)
        || parser.values(check).size() + parser.values(writeTemplateOption).size() != 1)
        return usageError({}, err);
    if (parser.isSet(check))
        return checkLanguage(parser.value(check).toLatin1(), out, err);
    return writeTemplate(parser.value(writeTemplateOption).toLatin1(), err);
}

} // namespace LanguageCommand
