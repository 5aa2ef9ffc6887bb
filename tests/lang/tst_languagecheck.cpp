#include "lang/cp1252.h"
#include "lang/languagecheck.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "support/settingsbytes.h"
#include "support/workfolder.h"

#include <QFile>
#include <QTest>

using ChangedLines = QMap<int, QString>;

namespace {

const QString Count = QStringLiteral("line count: 277 (277 expected)");
const QString Signature = QStringLiteral("line 83: signature: fifth character \"m\"");
const QString Accepted = QStringLiteral("accepted: Aralda would load this file");
const QString Refused = QStringLiteral("refused: Aralda would not load this file");

// A line of `length` characters behind the prefix: "abc..." so that the cut
// and the lost part can be told apart.
QString textOfLength(int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(u'a' + i % 26));
    return text;
}

} // namespace

class TestLanguageCheck : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }

    // Each row changes file lines (counted from 0, as the loader counts them)
    // of the template, which on its own has nothing to report.
    void report_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<ChangedLines>("changed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("accepted");
        using Lines = ChangedLines;

        QTest::newRow("template") << 277 << Lines{} << QStringList{Count, Signature, Accepted} << true;
        QTest::newRow("276 lines") << 276 << Lines{}
                                   << QStringList{"line count: 276 (277 expected): refused", Signature, Refused}
                                   << false;
        QTest::newRow("278 lines") << 278 << Lines{}
                                   << QStringList{"line count: 278 (277 expected): refused", Signature, Refused}
                                   << false;
        QTest::newRow("no signature line")
            << 82 << Lines{}
            << QStringList{"line count: 82 (277 expected): refused", "line 83: signature: missing: refused", Refused}
            << false;
        QTest::newRow("signature too short")
            << 277 << Lines{{82, "SIG"}}
            << QStringList{Count, "line 83: signature: 3 characters, the fifth must be \"m\": refused", Refused}
            << false;
        QTest::newRow("m in the fourth place")
            << 277 << Lines{{82, "SIGm"}}
            << QStringList{Count, "line 83: signature: 4 characters, the fifth must be \"m\": refused", Refused}
            << false;
        QTest::newRow("other fifth character")
            << 277 << Lines{{82, "SIG M"}}
            << QStringList{Count, "line 83: signature: fifth character \"M\", must be \"m\": refused", Refused}
            << false;
        QTest::newRow("bare signature") << 277 << Lines{{82, "1234m"}}
                                        << QStringList{Count, Signature, Accepted} << true;

        // Each cell holds up to its capacity; the long texts' extra character
        // counts in their 60.
        QTest::newRow("every kind of cell full")
            << 277
            << Lines{{87 + 3, "M03" + textOfLength(32)}, {109 + 6, "S06" + textOfLength(40)},
                     {171 + 8, "L08:" + textOfLength(59)}}
            << QStringList{Count, Signature, Accepted} << true;
        QTest::newRow("every kind of cell one past")
            << 277
            << Lines{{87 + 3, "M03" + textOfLength(33)}, {109 + 6, "S06" + textOfLength(41)},
                     {171 + 8, "L08:" + textOfLength(60)}}
            << QStringList{Count, Signature, "line 91: MenuTexts row 3: cut after 32 characters, losing \"g\"",
                           "line 116: ShortTexts row 6: cut after 40 characters, losing \"o\"",
                           "line 180: LongTexts row 8: cut after 60 characters, losing \"h\"", Accepted}
            << true;
        QTest::newRow("first and last rows, the language's names")
            << 277
            << Lines{{83, "it=" + textOfLength(33)}, {86, "xx=" + textOfLength(34)}, {107, "M20" + textOfLength(35)},
                     {109, "S00" + textOfLength(45)}, {169, "S60" + textOfLength(41)}}
            << QStringList{Count, Signature,
                           "line 84: MenuTexts row 21 column 0: cut after 32 characters, losing \"g\"",
                           "line 87: MenuTexts row 21 column 3: cut after 32 characters, losing \"gh\"",
                           "line 108: MenuTexts row 20: cut after 32 characters, losing \"ghi\"",
                           "line 110: ShortTexts row 0: cut after 40 characters, losing \"opqrs\"",
                           "line 170: ShortTexts row 60: cut after 40 characters, losing \"o\"", Accepted}
            << true;
        QTest::newRow("long texts without their mark, the last too long")
            << 277 << Lines{{171 + 5, "L05Translations"}, {229, "L58" + textOfLength(62)}}
            << QStringList{Count, Signature, "line 177: LongTexts row 5: first character \"T\" is dropped",
                           "line 230: LongTexts row 58: first character \"a\" is dropped",
                           "line 230: LongTexts row 58: cut after 60 characters, losing \"ij\"", Accepted}
            << true;
        QTest::newRow("unused lines and free texts are never cut")
            << 277
            << Lines{{0, "I00" + textOfLength(90)}, {108, "---" + textOfLength(90)}, {170, "---" + textOfLength(90)},
                     {230, "---" + textOfLength(90)}, {276, "N46" + textOfLength(90)}}
            << QStringList{Count, Signature, Accepted} << true;

        QTest::newRow("undefined byte")
            << 277 << Lines{{12, QStringLiteral(u"I12ab\u0081c")}}
            << QStringList{Count, "line 13, column 6: byte 0x81 is undefined in Windows-1252", Signature, Accepted}
            << true;
        QTest::newRow("the five undefined bytes, by column")
            << 277 << Lines{{276, QStringLiteral(u"N46\u008D\u008F\u0090\u009D")}}
            << QStringList{Count, Signature, "line 277, column 4: byte 0x8D is undefined in Windows-1252",
                           "line 277, column 5: byte 0x8F is undefined in Windows-1252",
                           "line 277, column 6: byte 0x90 is undefined in Windows-1252",
                           "line 277, column 7: byte 0x9D is undefined in Windows-1252", Accepted}
            << true;
        QTest::newRow("defined neighbours") << 277 << Lines{{12, QStringLiteral(u"I12\u20AC\u201A\u017D\u2018")}}
                                            << QStringList{Count, Signature, Accepted} << true;
        QTest::newRow("by line number")
            << 277 << Lines{{82, "SIG x"}, {109, QStringLiteral(u"S00\u0090") + textOfLength(41)}, {50, QStringLiteral(u"I50\u0081")}}
            << QStringList{Count, "line 51, column 4: byte 0x81 is undefined in Windows-1252",
                           "line 83: signature: fifth character \"x\", must be \"m\": refused",
                           "line 110: ShortTexts row 0: cut after 40 characters, losing \"no\"",
                           "line 110, column 4: byte 0x90 is undefined in Windows-1252", Refused}
            << false;
    }

    void report()
    {
        QFETCH(int, lineCount);
        QFETCH(ChangedLines, changed);
        QFETCH(QStringList, expected);
        QFETCH(bool, accepted);
        QStringList lines = LanguageCheck::templateLines();
        for (auto it = changed.cbegin(); it != changed.cend(); ++it)
            lines[it.key()] = it.value();
        while (lines.size() < lineCount)
            lines.append(QStringLiteral("---"));
        lines = lines.mid(0, lineCount);
        const LanguageCheck::Report report = LanguageCheck::check(lines);
        QCOMPARE(report.lines, expected);
        QCOMPARE(report.accepted, accepted);
        QCOMPARE(report.accepted, LanguageFile::isValid(lines));
    }

    // What the report says is cut is what the loader leaves out of the cell.
    void cutsAreTheLoadersCuts_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("textLength");
        QTest::newRow("menu") << 87 + 4 << 40;
        QTest::newRow("language's name") << 86 << 40;
        QTest::newRow("short") << 109 + 30 << 50;
        QTest::newRow("long") << 171 + 30 << 70;
    }

    void cutsAreTheLoadersCuts()
    {
        QFETCH(int, line);
        QFETCH(int, textLength);
        QStringList lines = LanguageCheck::templateLines();
        const QString text = textOfLength(textLength);
        lines[line] = QStringLiteral("###") + text;
        const QString reported = LanguageCheck::check(lines).lines.filter(QStringLiteral("cut after")).value(0);
        const QString lost = reported.section(QLatin1Char('"'), 1, 1);
        QVERIFY2(!lost.isEmpty(), qPrintable(reported));
        QVERIFY(text.endsWith(lost));
        LanguageFile::fillLoadedColumn(lines);
        const auto fed = LanguageFile::cellFedBy(line);
        QVERIFY(fed);
        QString kept = text.left(text.size() - lost.size());
        if (fed->dropsFirstCharacter)
            kept = kept.mid(1);
        QCOMPARE(fed->table->cell(fed->row, fed->column), kept);
    }

    // The template's texts are those of the English record (see
    // tst_languagetables); here only its bytes: Windows-1252, CR LF each.
    void templateBytesAreWindows1252WithCrLf()
    {
        const QByteArray bytes = LanguageCheck::templateBytes();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 277);
        QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * 277);
        // No character stood in for by a question mark.
        QCOMPARE(bytes.count('?'), LanguageCheck::templateLines().join(QString()).count(QLatin1Char('?')));
        QCOMPARE(LanguageFile::decodeLines(bytes), LanguageCheck::templateLines());
    }

    void fileTooLargeToBeALanguageFile()
    {
        WorkFolder folder;
        // The last line lengthened up to the limit, its end of line kept.
        QByteArray bytes = LanguageCheck::templateBytes();
        bytes.chop(2);
        bytes += QByteArray(LanguageFile::MaximumFileSize - bytes.size() - 2, 'x');
        writeFileBytes(QStringLiteral("limit.lng"), bytes + "\r\n");
        const auto atLimit = LanguageCheck::checkFile("limit.lng");
        QVERIFY(atLimit);
        QCOMPARE(atLimit->lines.first(), QStringLiteral("line count: 277 (277 expected)"));
        writeFileBytes(QStringLiteral("large.lng"), bytes + "x\r\n");
        const auto large = LanguageCheck::checkFile("large.lng");
        QVERIFY(large);
        QCOMPARE(large->lines, QStringList({"size: more than 1048576 bytes: refused", Refused}));
        QVERIFY(!large->accepted);
        QVERIFY(!LanguageFile::readLines(QStringLiteral("large.lng"))); // as the program refuses it
    }
};

QTEST_GUILESS_MAIN(TestLanguageCheck)
#include "tst_languagecheck.moc"
