#include "lang/languagecommand.h"

#include "lang/fixedtexts.h"
#include "lang/languagecheck.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

// QSaveFile's way of writing for a name kept as its bytes, which QSaveFile
// cannot spell: the bytes go to a temporary file beside the target, which
// takes the target's name only once they are all on the disk.
class SaveFileByName : public QFile
{
public:
    explicit SaveFileByName(const QByteArray &name) : m_name(name), m_temporary(name + ".XXXXXX") {}
    ~SaveFileByName() override { discard(); }
    SaveFileByName(const SaveFileByName &) = delete;
    SaveFileByName &operator=(const SaveFileByName &) = delete;

    bool create()
    {
        const int descriptor = ::mkostemp(m_temporary.data(), O_CLOEXEC);
        if (descriptor < 0)
            return failed();
        m_created = true;
        // mkstemp keeps the file to its owner; a template is shared as any new file is.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(descriptor, 0666 & ~mask);
        return QFile::open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    }

    bool commit()
    {
        if (::fsync(handle()) != 0 || ::rename(m_temporary.constData(), m_name.constData()) != 0)
            return failed();
        m_created = false;
        close();
        return true;
    }

    void discard()
    {
        close();
        if (std::exchange(m_created, false))
            ::unlink(m_temporary.constData());
    }

private:
    bool failed()
    {
        setErrorString(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }

    QByteArray m_name;
    QByteArray m_temporary;
    bool m_created = false;
};

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
    // The temporary file replaces what it finds, so an existing name (a
    // dangling link too) is refused first: a translator's work is never
    // overwritten.
    struct stat existing {};
    if (::lstat(name.constData(), &existing) == 0) {
        err << text(FixedTexts::AlreadyExists).arg(shown) << Qt::endl;
        return 1;
    }
    SaveFileByName file(name);
    if (!file.create()) {
        err << text(FixedTexts::CannotWrite).arg(shown, file.errorString()) << Qt::endl;
        return 2;
    }
    const QByteArray bytes = LanguageCheck::templateBytes();
    // A short write (a full disk) leaves no telling error text of its own,
    // so the file is flushed and measured: half a template is no template.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        const QString reason = text(FixedTexts::ShortWrite).arg(bytes.size());
        file.discard();
        err << text(FixedTexts::CannotWrite).arg(shown, reason) << Qt::endl;
        return 2;
    }
    if (!file.commit()) {
        err << text(FixedTexts::CannotWrite).arg(shown, file.errorString()) << Qt::endl;
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
