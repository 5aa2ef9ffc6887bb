#include "lang/cp1252.h"
#include "lang/infotexts.h"
#include "lang/languagecheck.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/records.h"
#include "lang/regularfile.h"
#include "lang/symbolfont.h"
#include "support/languagefilechecks.h"
#include "support/settingsbytes.h"
#include "support/specialfiles.h"
#include "support/workfolder.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

using RegularFile::Existing;
using RegularFile::Links;
using RegularFile::Status;

Q_DECLARE_METATYPE(Existing)
Q_DECLARE_METATYPE(Links)
Q_DECLARE_METATYPE(Status)

namespace {

// "abc..." so that where a text is cut can be read off what is lost.
QString textOfLength(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(u'a' + i % 26));
    return text;
}

// A translator's file: the template with the language's own names.
QByteArray languageBytes()
{
    QStringList lines = LanguageCheck::templateLines();
    lines[86] = QStringLiteral(u"## Español");
    lines[109 + 3] = QStringLiteral("## nuevo|");
    return *Cp1252::encode(lines.join(QStringLiteral("\r\n")));
}

// Puts at `path` what `kind` names: "file:" and its bytes, a link to the
// ten-byte file "ten", a dangling link, a link to a device, a folder, a
// named pipe, or nothing.
bool place(const QString &kind, const QString &path)
{
    writeFileBytes(QStringLiteral("ten"), "0123456789");
    if (kind.startsWith(QLatin1String("file:")))
        writeFileBytes(path, kind.mid(5).toLatin1());
    return kind == "link" ? makeLink(QStringLiteral("ten"), path)
         : kind == "dangling" ? makeLink(QStringLiteral("gone"), path)
         : kind == "device" ? makeLink(QStringLiteral("/dev/zero"), path)
         : kind == "folder" ? QDir().mkdir(path)
         : kind == "pipe" ? makeFifo(path) : kind == "nothing" || kind.startsWith(QLatin1String("file:"));
}

// What stands at `path` itself in one line: kind, owner, mode, the target
// of a link and the bytes of a file.
QString described(const QString &path)
{
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return QStringLiteral("%1 %2:%3 %4 -> %5: %6").arg(QChar::fromLatin1(entryKind(path))).arg(info.st_uid).arg(info.st_gid)
        .arg(info.st_mode, 0, 8).arg(linkTarget(path), QString::fromLatin1(fileBytes(path)));
}

// The real program's exit code, output and errors, with no window system to
// reach (see CMakeLists.txt), started as a shell starts it: a file size
// limit ends it by SIGXFSZ unless the program itself says otherwise.
QStringList aralda(const QStringList &arguments)
{
    QProcess program;
    program.setChildProcessModifier([] { std::signal(SIGXFSZ, SIG_DFL); });
    program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return {QStringLiteral("no normal exit")};
    return {QString::number(program.exitCode()), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace

class TestLanguageFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }

    // Every text of the 277-line layout, in each built-in language, against
    // the language files recorded in records/ (UTF-8 there, for reading):
    // the built-in cells and windows must say what the record says, and so
    // must the loaded column once the record is loaded as a language file.
    void builtInTextsMatchTheirRecord()
    {
        const std::pair<int, const char *> languages[] = {{Italian, "italian"}, {English, "english"}, {French, "french"}};
        for (const auto &[column, record] : languages) {
            const QStringList lines = Records::lines(QString::fromLatin1(record) + QStringLiteral(".txt"));
            QCOMPARE(lines.size(), LanguageFile::LineCount);
            // The English record is the template a translator starts from.
            if (column == English)
                QCOMPARE(LanguageCheck::templateLines(), lines);
            QStringList recorded, builtIn, loaded;
            LanguageFile::fillLoadedColumn(lines);
            for (int line = 0; line < LanguageFile::LineCount; ++line) {
                const auto fed = LanguageFile::cellFedBy(line);
                // The language's own names (lines 84..87) are the file's alone.
                if (!fed || fed->column != LoadedLanguage || (fed->table == &MenuTexts && fed->row == 21))
                    continue;
                const QString where = QStringLiteral("%1 line %2: ").arg(QLatin1String(record)).arg(line + 1);
                recorded << where + LanguageFile::textOf(lines.at(line)).mid(fed->dropsFirstCharacter ? 1 : 0);
                builtIn << where + fed->table->cell(fed->row, column);
                loaded << where + fed->table->cell(fed->row, LoadedLanguage);
            }
            QCOMPARE(builtIn, recorded);
            QCOMPARE(loaded, recorded);
            QStringList information, notes{QString()}; // the notes' first line is always empty
            for (int line = 0; line < InfoTexts::InformationLineCount; ++line)
                information << LanguageFile::textOf(lines.at(line));
            for (int line = InfoTexts::NotesFirstFileLine; line < LanguageFile::LineCount; ++line)
                notes << LanguageFile::textOf(lines.at(line));
            for (int language : {column, int(LoadedLanguage)}) {
                QCOMPARE(InfoTexts::informationLines(language), information);
                QCOMPARE(InfoTexts::notesLines(language), notes);
            }
        }
    }

    // The texts beyond the 277 lines, one row of the record per notice; a
    // loaded language has no column of its own and reads the English one.
    void noticesMatchTheirRecord()
    {
        const QStringList rows = Records::lines(QStringLiteral("notices.tsv")); // a column per language, tab-separated
        QCOMPARE(rows.size(), int(NoticeRowCount));
        const std::pair<int, int> languages[] = {{Italian, 0}, {English, 1}, {French, 2}, {LoadedLanguage, 1}};
        for (const auto &[language, column] : languages) {
            Language.LanguageIndex = quint8(language);
            QStringList shown, recorded;
            for (int row = 0; row < NoticeRowCount; ++row) {
                const QString where = QStringLiteral("language %1 row %2: ").arg(language).arg(row);
                shown << where + noticeText(NoticeRow(row));
                recorded << where + rows.at(row).section(u'\t', column, column);
            }
            QCOMPARE(shown, recorded);
        }
    }

    // Each byte both ways against the record of the high block (Latin-1
    // elsewhere), undefined exactly where the code page gives it no
    // character of its own.
    void everyByteBothWays()
    {
        std::array<int, 0x100> codes;
        std::iota(codes.begin(), codes.end(), 0);
        for (const QString &row : Records::lines(QStringLiteral("cp1252.tsv")))
            codes[row.section(u'\t', 0, 0).toInt(nullptr, 16)] = row.section(u'\t', 1, 1).toInt(nullptr, 16);
        QStringList found, expected;
        for (int byte = 0; byte < 0x100; ++byte) {
            const auto back = Cp1252::encodeChar(QChar(char16_t(codes[byte])));
            found << QString::asprintf("%02X: U+%04X, back %d, undefined %d", byte,
                                       Cp1252::decodeByte(uchar(byte)).unicode(), back ? int(*back) : -1,
                                       Cp1252::isUndefinedByte(uchar(byte)));
            expected << QString::asprintf("%02X: U+%04X, back %d, undefined %d", byte, codes[byte], byte,
                                          byte >= 0x80 && byte < 0xA0 && codes[byte] == byte);
        }
        QCOMPARE(found, expected);
    }

    // One character without a byte spoils the whole text: a path or a line
    // is never written with a character silently dropped.
    void wholeTexts()
    {
        const std::pair<QString, QByteArray> texts[] = { // no bytes: no encoding
            {QString(), QByteArray()},
            {u"Fenêtre può € ‘a’ \u008D"_qs, QByteArray("Fen\xeatre pu\xf2 \x80 \x91" "a\x92 \x8d")},
            {u"abc日"_qs, {}}, {u"πr"_qs, {}}, {u"l\u0092a"_qs, {}}}; // the last: the right quote's byte as a C1 control
        for (const auto &[text, bytes] : texts) {
            const std::optional<QByteArray> encoded = Cp1252::encode(text);
            QCOMPARE(encoded.value_or("none"), text.isEmpty() || !bytes.isEmpty() ? bytes : QByteArray("none"));
            if (!bytes.isEmpty())
                QCOMPARE(Cp1252::decode(bytes), text);
        }
    }

    // Latin letters become the Greek letters Symbol puts in their place, not
    // their Latin look-alikes in order (c is chi, q theta, j the open phi).
    void symbolFont()
    {
        const std::pair<QString, QString> cases[] = {
            {"a = -45", u"\u03B1 = \u221245"_qs},
            {u"0123456789 .,+=()/<>\u00B0\u00E0\u03B1"_qs, u"0123456789 .,+=()/<>\u00B0\u00E0\u03B1"_qs},
            {"bcjpqvw", u"\u03B2\u03C7\u03D5\u03C0\u03B8\u03D6\u03C9"_qs},
            {"ABCDFGJQSVWZ", u"\u0391\u0392\u03A7\u0394\u03A6\u0393\u03D1\u0398\u03A3\u03C2\u03A9\u0396"_qs},
            {" ~\"$'*@\\^", u" \u223C\u2200\u2203\u220B\u2217\u2245\u2234\u22A5"_qs}};
        for (const auto &[text, shown] : cases)
            QCOMPARE(symbolFontText(text), shown);
    }

    void extensionMustBeExactlyLng()
    {
        const std::pair<const char *, bool> paths[] = {
            {"es.lng", true}, {"/a.b/es.lng", true}, {"es.LNG", false}, {"/x.lng/es", false}, {"", false}};
        for (const auto &[path, accepted] : paths)
            QVERIFY2(LanguageFile::hasLanguageExtension(QString::fromLatin1(path)) == accepted, path);
    }

    // Spanish, Portuguese and German read the file of their fixed name, the
    // loaded language the file the settings name; English when that fails.
    void startUpRule()
    {
        const struct {
            int requested;
            const char16_t *settingsPath, *fileOnDisk;
            int result; // refused silently: -1 the file is one line short, -2 its signature is wrong
        } cases[] = {{4, u"", u"traespañol.lng", 3}, {4, u"", u"", 1}, {5, u"", u"traportuguês.lng", 3},
                     {6, u"", u"tradeutsch.lng", 3}, {3, u"mine.lng", u"mine.lng", 3}, {3, u"gone.lng", u"", 1},
                     {3, u"mine.LNG", u"mine.LNG", 1}, {9, u"mine.lng", u"mine.lng", 1}, {2, u"mine.lng", u"mine.lng", 2},
                     {6, u"", u"tradeutsch.lng", -1}, {3, u"mine.lng", u"mine.lng", -2}};
        for (const auto &c : cases) {
            WorkFolder folder;
            QByteArray bytes = languageBytes();
            if (c.result == -1)
                bytes.truncate(bytes.lastIndexOf("N46"));
            else if (c.result == -2)
                bytes.replace("SIG m", "SIG M");
            if (*c.fileOnDisk)
                writeFileBytes(QString::fromUtf16(c.fileOnDisk), bytes);
            resetLanguageValues();
            Language.LanguageIndex = quint8(c.requested);
            Language.LanguageFilePath = QString::fromUtf16(c.settingsPath);
            LanguageFile::loadAtStartUp();
            const int result = c.result < 0 ? int(English) : c.result;
            QVERIFY2(Language.LanguageIndex == result && Language.LanguageLoaded == (result == LoadedLanguage),
                     qPrintable(QStringLiteral("case %1 gave %2").arg(&c - cases).arg(Language.LanguageIndex)));
        }
    }

    // What stands at the name is read through the one bounded reader (its
    // kinds of file are whatIsRead's); a language file may be a link, and so
    // may the flag beside it, found by the flag's own name.
    void linksAreFollowed()
    {
        WorkFolder folder;
        writeFileBytes(QStringLiteral("real.lng"), languageBytes());
        QVERIFY(makeLink(QStringLiteral("real.lng"), QStringLiteral("es.lng")));
        const auto lines = LanguageFile::readLines(QStringLiteral("es.lng"));
        QVERIFY(lines && LanguageFile::isValid(*lines));
        QCOMPARE(LanguageFile::readFlagPicture(QStringLiteral("es.lng")), std::nullopt);
        const QByteArray picture = QByteArray("BM").append(QByteArray(200, '\x7f'));
        writeFileBytes(QStringLiteral("real.bmp"), picture);
        QVERIFY(makeLink(QStringLiteral("real.bmp"), QStringLiteral("es.bmp")));
        QCOMPARE(LanguageFile::readFlagPicture(QStringLiteral("es.lng")).value_or("none"), picture);
        QVERIFY(QFile::remove(QStringLiteral("es.bmp")) && makeLink(QStringLiteral("/dev/zero"), QStringLiteral("es.bmp")));
        QCOMPARE(LanguageFile::readFlagPicture(QStringLiteral("es.lng")), std::nullopt);
    }

    // The cases and their reports are in records/reports.txt.
    void report_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        const QRegularExpression marks(QStringLiteral(R"(\{(\d+)\}|\\x([0-9A-F]{2}))"));
        QString name = QStringLiteral("no record");
        QStringList lines;
        QStringList expected{QStringLiteral("the record's cases")};
        const auto add = [&] { QTest::newRow(qPrintable(name)) << lines << expected; };
        for (const QString &record : Records::lines(QStringLiteral("reports.txt"))) {
            if (record.startsWith(QLatin1String("= "))) {
                if (!lines.isEmpty())
                    add();
                name = record.mid(2);
                lines = LanguageCheck::templateLines();
                expected.clear();
            } else if (record.startsWith(QLatin1String("lines "))) {
                const int count = record.mid(6).toInt();
                while (lines.size() < count)
                    lines.append(QStringLiteral("---"));
                lines = lines.mid(0, count);
            } else if (record.startsWith(QLatin1Char('@'))) {
                QString text = record.section(QLatin1Char(' '), 1);
                for (auto match = marks.match(text); match.hasMatch(); match = marks.match(text, match.capturedStart()))
                    text.replace(match.capturedStart(), match.capturedLength(),
                                 match.captured(1).isEmpty() ? QString(QChar(char16_t(match.captured(2).toInt(nullptr, 16))))
                                                             : textOfLength(match.captured(1).toInt()));
                lines[record.section(QLatin1Char(' '), 0, 0).mid(1).toInt()] = text;
            } else {
                expected.append(record.mid(2));
            }
        }
        add();
    }

    void report()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        const LanguageCheck::Report report = LanguageCheck::check(lines);
        QCOMPARE(report.lines, expected);
        QCOMPARE(report.accepted, expected.constLast() == QLatin1String("accepted: Aralda would load this file"));
        QCOMPARE(report.accepted, LanguageFile::isValid(lines));
    }

    // The template's texts are those of the English record (see above); here
    // only its bytes: Windows-1252, CR LF each, no character turned into "?".
    void templateBytesAreWindows1252WithCrLf()
    {
        const QByteArray bytes = LanguageCheck::templateBytes();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 277);
        QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * 277);
        QCOMPARE(bytes.count('?'), LanguageCheck::templateLines().join(QString()).count(QLatin1Char('?')));
        QCOMPARE(LanguageFile::decodeLines(bytes), LanguageCheck::templateLines());
    }

    // The last line lengthened up to the limit, its end of line kept, and
    // one byte past it: refused by the checker as by the program.
    void fileTooLargeToBeALanguageFile()
    {
        WorkFolder folder;
        QByteArray bytes = LanguageCheck::templateBytes();
        bytes.chop(2);
        bytes += QByteArray(LanguageFile::MaximumFileSize - bytes.size() - 2, 'x');
        writeFileBytes(QStringLiteral("limit.lng"), bytes + "\r\n");
        const auto atLimit = LanguageCheck::checkFile("limit.lng");
        QVERIFY(atLimit && atLimit->lines.first() == QLatin1String("line count: 277 (277 expected)"));
        QVERIFY(LanguageFile::readLines(QStringLiteral("limit.lng")));
        writeFileBytes(QStringLiteral("large.lng"), bytes + "x\r\n");
        const auto large = LanguageCheck::checkFile("large.lng");
        QVERIFY(large && !large->accepted);
        QCOMPARE(large->lines, QStringList({"size: more than 1048576 bytes: refused",
                                            "refused: Aralda would not load this file"}));
        QVERIFY(!LanguageFile::readLines(QStringLiteral("large.lng")));
    }

    // Generated and mutated files with a fixed seed, in every run; the fuzz
    // target (tests/lang/fuzz/) runs the same checks on what libFuzzer finds.
    void everyFileIsSplitValidatedAndFilledByTheRules()
    {
        std::mt19937 random(20240611);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        // The ends of line, alone, paired and reversed.
        const QByteArray ends[] = {"\r\n", "\n", "\r", "\n\r", "\r\r\n"};
        const auto character = [&] {
            constexpr char special[] = {'m', '#', ' ', '\0', '\x80', '\x81', '\x9d', '\xf1', '\xff', '|'};
            return pick(0, 3) ? char(pick(0x20, 0x7e)) : special[pick(0, int(std::size(special)) - 1)];
        };
        // Lines drawn once and then picked, so that the time goes to the reader.
        QList<QByteArray> pool(600);
        for (QByteArray &text : pool) {
            text.resize(pick(0, 5) ? pick(3, 75) : pick(0, 4));
            for (char &c : text)
                c = character();
        }
        WorkFolder folder;
        int counts[2] = {};
        for (int i = 0; i < 5000; ++i) {
            // 277 lines, the signature mostly right, then a few mutations.
            const QByteArray &end = ends[pick(0, 2)];
            const bool mixedEnds = pick(0, 3) == 0;
            QByteArray bytes;
            for (int line = 0; line < 277; ++line) {
                bytes += line == 82 && pick(0, 4) ? QByteArray("###").append(pick(0, 5) ? 'm' : character()).prepend(character())
                                                  : pool[pick(0, int(pool.size()) - 1)];
                if (line < 276 || pick(0, 1))
                    bytes += mixedEnds && !pick(0, 30) ? ends[pick(0, 4)] : end;
            }
            for (int mutation = pick(0, 4); mutation > 0; --mutation) {
                const int at = pick(0, int(bytes.size()));
                switch (pick(0, 4)) {
                case 0: bytes.insert(at, ends[pick(0, 4)]); break;
                case 1: bytes.remove(at, pick(1, 6)); break;
                case 2: bytes.insert(at, QByteArray(pick(1, 80), character())); break;
                case 3: bytes.truncate(pick(0, 9) ? pick(int(bytes.size()) - 20, int(bytes.size())) : at); break;
                default: bytes.replace(end, ends[pick(0, 4)]);
                }
            }
            bool valid = false;
            QString failure = LanguageFileChecks::bytesFailure(bytes, &valid);
            if (failure.isEmpty() && i % 10 == 0) // through the file reader too
                failure = LanguageFileChecks::fileFailure(bytes, QStringLiteral("es.lng"));
            QVERIFY2(failure.isEmpty(), qPrintable(failure + QStringLiteral(": ") + QString::fromLatin1(bytes.toHex())));
            ++counts[valid];
        }
        QVERIFY2(counts[0] > 1000 && counts[1] > 1000, qPrintable(QStringLiteral("%1 %2").arg(counts[0]).arg(counts[1])));
    }

    void whatIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Links>("links");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("nonRegular"); // something stands there, and no regular file
        const QByteArray ten("0123456789");
        QTest::newRow("empty file") << "file:" << Links::Refuse << Status::Read << QByteArray() << false;
        QTest::newRow("at the limit") << "file:0123456789" << Links::Refuse << Status::Read << ten << false;
        QTest::newRow("one byte past the limit") << "file:0123456789a" << Links::Refuse << Status::TooLarge << ten << false;
        QTest::newRow("nothing") << "nothing" << Links::Follow << Status::Missing << QByteArray() << false;
        QTest::newRow("link followed") << "link" << Links::Follow << Status::Read << ten << true;
        QTest::newRow("link refused") << "link" << Links::Refuse << Status::NotRegular << QByteArray() << true;
        QTest::newRow("dangling link followed") << "dangling" << Links::Follow << Status::Missing << QByteArray() << true;
        QTest::newRow("dangling link refused") << "dangling" << Links::Refuse << Status::NotRegular << QByteArray() << true;
        QTest::newRow("link to a device") << "device" << Links::Follow << Status::NotRegular << QByteArray() << true;
        QTest::newRow("folder") << "folder" << Links::Follow << Status::NotRegular << QByteArray() << true;
        QTest::newRow("pipe") << "pipe" << Links::Follow << Status::NotRegular << QByteArray() << true;
        QTest::newRow("link to a pipe with a writer") << "written pipe" << Links::Follow << Status::NotRegular
                                                      << QByteArray() << true;
    }

    void whatIsRead()
    {
        QFETCH(QString, kind);
        QFETCH(Links, links);
        QFETCH(Status, status);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, nonRegular);
        WorkFolder folder;
        const QString path = QStringLiteral("f");
        std::unique_ptr<FifoWriter> writer;
        if (kind == QLatin1String("written pipe")) {
            writer = std::make_unique<FifoWriter>(QStringLiteral("pipe"), QByteArray("0123"));
            QVERIFY(writer->ready() && makeLink(QStringLiteral("pipe"), path));
        } else {
            QVERIFY(place(kind, path));
        }
        const RegularFile::Contents contents = RegularFile::read(path, 10, links);
        QCOMPARE(contents.status, status);
        QCOMPARE(contents.bytes, bytes);
        QCOMPARE(RegularFile::isNonRegular(path), nonRegular);
        if (writer) // never opened, so never waited on
            QVERIFY(!writer->delivered(0));
    }

    void whatIsWritten_data()
    {
        QTest::addColumn<QString>("kind"); // what stands at the name
        QTest::addColumn<QString>("path");
        QTest::addColumn<Existing>("existing");
        QTest::addColumn<int>("error"); // 0: written
        QTest::addColumn<int>("sizeLimit"); // 0: none
        QTest::newRow("new file") << "nothing" << "f" << Existing::Replace << 0 << 0;
        QTest::newRow("replaced, owner and mode kept") << "file:old" << "f" << Existing::Replace << 0 << 0;
        QTest::newRow("full disk keeps the old file") << "file:old" << "f" << Existing::Replace << EFBIG << 100;
        QTest::newRow("link replaced, not its target") << "link" << "f" << Existing::Replace << 0 << 0;
        QTest::newRow("missing folder") << "nothing" << "no/f" << Existing::Replace << ENOENT << 0;
        QTest::newRow("kept: nothing there") << "nothing" << "f" << Existing::Keep << 0 << 0;
        QTest::newRow("kept: regular file") << "file:old" << "f" << Existing::Keep << EEXIST << 0;
        QTest::newRow("kept: dangling link") << "dangling" << "f" << Existing::Keep << EEXIST << 0;
        QTest::newRow("kept: taken in a folder that takes no file") << "nothing" << "/proc/version"
                                                                    << Existing::Keep << EEXIST << 0;
    }

    void whatIsWritten()
    {
        QFETCH(QString, kind);
        QFETCH(QString, path);
        QFETCH(Existing, existing);
        QFETCH(int, error);
        QFETCH(int, sizeLimit);
        WorkFolder folder;
        QVERIFY(place(kind, path));
        if (kind.startsWith(QLatin1String("file:"))) {
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0604) == 0);
            QVERIFY(::chown(QFile::encodeName(path).constData(), 4321, 4321) == 0 || ::geteuid() != 0);
        }
        QStringList entries = folderEntries();
        const QString before = described(path);
        const QByteArray written(1000, 'n');
        std::optional<FileSizeLimit> limit;
        if (sizeLimit)
            limit.emplace(sizeLimit);
        const auto failure = RegularFile::write(path, written, existing);
        limit.reset();
        QCOMPARE(failure ? failure->error : 0, error);
        QVERIFY(!failure || !failure->reason().isEmpty());
        QCOMPARE(fileBytes(QStringLiteral("ten")), QByteArray("0123456789"));
        // A failed write leaves all as it was; a good one leaves a regular
        // file, with the owner and mode of the file it replaced.
        const QString now = described(path);
        QCOMPARE(now, failure ? before : QStringLiteral("f %1 -> : ").arg((before.startsWith(u'f') ? before : now).section(u' ', 1, 2)) + written);
        if (!failure && !entries.contains(path))
            entries.append(path);
        entries.sort();
        QCOMPARE(folderEntries(), entries); // no temporary file left
    }

    // The start-up clean-up removes leftovers by their name, so every
    // temporary must carry the whole pattern; a name is drawn at random, so
    // many writes are watched (the rename that puts a file in place is no
    // creation).
    void temporariesAreNamedAsLeftovers()
    {
        WorkFolder folder;
        const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0 && ::inotify_add_watch(watch, ".", IN_CREATE) >= 0);
        const QRegularExpression leftover(QStringLiteral("^\\.f\\.aralda-tmp-[A-Za-z0-9]{6}$"));
        QStringList created;
        for (int write = 0; write < 100; ++write) {
            QVERIFY(!RegularFile::write(QStringLiteral("f"), "x", Existing::Replace));
            alignas(inotify_event) char events[4096];
            for (ssize_t size; (size = ::read(watch, events, sizeof events)) > 0;)
                for (const char *at = events; at < events + size;) {
                    const auto *event = reinterpret_cast<const inotify_event *>(at);
                    created << QString::fromLatin1(event->name);
                    at += sizeof(inotify_event) + event->len;
                }
        }
        ::close(watch);
        QCOMPARE(created.size(), 100);
        QCOMPARE(created.filter(leftover), created);
    }

    // The checker's report reaches the terminal with every control byte
    // shown, never sent, and a folder is no file to check.
    void checkingFiles()
    {
        WorkFolder folder;
        QByteArray cut = LanguageCheck::templateBytes();
        cut.replace("S06rotation", QByteArrayLiteral("S06rotation of the figure about its centre,\x1b[2J\x07\x00\x7f slowly\x81"));
        cut.replace("SIG m", "SIG \x1b");
        writeFileBytes(QStringLiteral("es.lng"), cut);
        QCOMPARE(aralda({QStringLiteral("--check-language=") + folder.filePath(QStringLiteral("es.lng"))}),
                 (QStringList{"1",
                              "line count: 277 (277 expected)\n"
                              "line 83: signature: fifth character \"\\x1b\", must be \"m\": refused\n"
                              "line 116: ShortTexts row 6: cut after 40 characters, losing \"\\x1b[2J\\x07\\x00\\x7f slowly\\x81\"\n"
                              "line 116, column 58: byte 0x81 is undefined in Windows-1252\n"
                              "refused: Aralda would not load this file\n",
                              ""}));
        QVERIFY(QDir().mkdir(QStringLiteral("folder.lng")));
        const QString path = folder.filePath(QStringLiteral("folder.lng"));
        QCOMPARE(aralda({QStringLiteral("--check-language=") + path}),
                 (QStringList{"2", "", QStringLiteral("aralda: cannot read %1\n").arg(path)}));
    }

    // The written template is the program's, and the program accepts it; a
    // name in Latin-1 is no UTF-8: its bytes are the name, as the shell gave them.
    void nameKeepsItsBytes()
    {
        WorkFolder folder;
        QProcess shell;
        shell.setWorkingDirectory(folder.path());
        const QString twiceAndChecked = QStringLiteral(R"(name=$(printf 'caf\351.lng'); "$0" --write-language-template)"
                                                       R"( "$name" && "$0" --check-language "$name" && "$0")"
                                                       R"( --write-language-template "$name")");
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), twiceAndChecked, qEnvironmentVariable("ARALDA_EXECUTABLE")});
        QVERIFY(shell.waitForFinished(30000));
        QCOMPARE(shell.exitCode(), 1);
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("line count: 277 (277 expected)\n"
                                                          "line 83: signature: fifth character \"m\"\n"
                                                          "accepted: Aralda would load this file\n"));
        QCOMPARE(shell.readAllStandardError(), QByteArray("aralda: caf\\xe9.lng already exists; nothing written\n"));
        std::ifstream written((QFile::encodeName(folder.path()) + "/caf\xe9.lng").toStdString(), std::ios::binary);
        QCOMPARE(QByteArray::fromStdString({std::istreambuf_iterator<char>(written), {}}), LanguageCheck::templateBytes());
    }

    // A translator's work is never overwritten; a missing folder, and a disk
    // that fills up halfway (a file size limit, which binds root too and
    // passes to the program), leave no file, not half a template. Each time
    // the reason is said and nothing is left behind.
    void failedWriteIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("existing"); // empty: nothing there
        QTest::addColumn<int>("sizeLimit");       // 0: none
        QTest::addColumn<QString>("error");       // %1: the path
        QTest::newRow("a translator's work") << "es.lng" << QByteArray("S00pausa|\r\n\x81 half done") << 0
                                             << "1 %1 already exists; nothing written";
        QTest::newRow("missing folder") << "no folder/es.lng" << QByteArray() << 0
                                        << "2 cannot write %1: " + qt_error_string(ENOENT);
        QTest::newRow("disk full halfway") << "es.lng" << QByteArray() << 1000 << "2 cannot write %1: " + qt_error_string(EFBIG);
    }

    void failedWriteIsReported()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, existing);
        QFETCH(int, sizeLimit);
        QFETCH(QString, error);
        WorkFolder folder;
        const QString path = folder.filePath(name);
        if (!existing.isEmpty())
            writeFileBytes(path, existing);
        std::optional<FileSizeLimit> limit;
        if (sizeLimit)
            limit.emplace(sizeLimit);
        const QStringList run = aralda({QStringLiteral("--write-language-template=") + path});
        limit.reset();
        QCOMPARE(run, (QStringList{error.section(u' ', 0, 0), "", QStringLiteral("aralda: %1\n").arg(error.section(u' ', 1).arg(path))}));
        QCOMPARE(fileBytes(path), existing);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 existing.isEmpty() ? QStringList() : QStringList{"es.lng"});
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
