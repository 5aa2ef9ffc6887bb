#include "lang/cp1252.h"

#include <QTest>

#include <array>

namespace {

struct HighByte
{
    unsigned char byte;
    char16_t codePoint;
    const char *name;
};

// The code page's published mapping of the only bytes where it parts from
// Latin-1. The five bytes it leaves undefined are read as the C1 control of
// the same value, so that any file still decodes and writes back unchanged.
constexpr std::array<HighByte, 32> HighBlock{{
    {0x80, 0x20AC, "euro sign"},
    {0x81, 0x0081, "undefined, C1 control"},
    {0x82, 0x201A, "single low-9 quotation mark"},
    {0x83, 0x0192, "f with hook"},
    {0x84, 0x201E, "double low-9 quotation mark"},
    {0x85, 0x2026, "horizontal ellipsis"},
    {0x86, 0x2020, "dagger"},
    {0x87, 0x2021, "double dagger"},
    {0x88, 0x02C6, "modifier circumflex"},
    {0x89, 0x2030, "per mille sign"},
    {0x8A, 0x0160, "S with caron"},
    {0x8B, 0x2039, "single left-pointing angle quotation mark"},
    {0x8C, 0x0152, "ligature OE"},
    {0x8D, 0x008D, "undefined, C1 control"},
    {0x8E, 0x017D, "Z with caron"},
    {0x8F, 0x008F, "undefined, C1 control"},
    {0x90, 0x0090, "undefined, C1 control"},
    {0x91, 0x2018, "left single quotation mark"},
    {0x92, 0x2019, "right single quotation mark"},
    {0x93, 0x201C, "left double quotation mark"},
    {0x94, 0x201D, "right double quotation mark"},
    {0x95, 0x2022, "bullet"},
    {0x96, 0x2013, "en dash"},
    {0x97, 0x2014, "em dash"},
    {0x98, 0x02DC, "small tilde"},
    {0x99, 0x2122, "trade mark sign"},
    {0x9A, 0x0161, "s with caron"},
    {0x9B, 0x203A, "single right-pointing angle quotation mark"},
    {0x9C, 0x0153, "ligature oe"},
    {0x9D, 0x009D, "undefined, C1 control"},
    {0x9E, 0x017E, "z with caron"},
    {0x9F, 0x0178, "Y with diaeresis"},
}};

constexpr bool inByteOrder()
{
    for (std::size_t i = 0; i < HighBlock.size(); ++i)
        if (HighBlock[i].byte != 0x80 + i)
            return false;
    return true;
}
static_assert(inByteOrder(), "the block is looked up by byte - 0x80");

char16_t expectedCodePoint(int byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return HighBlock[byte - 0x80].codePoint;
    return char16_t(byte);
}

// Byte for each of the 65536 UTF-16 code units, -1 where the code page has none.
std::array<int, 0x10000> expectedBytes()
{
    std::array<int, 0x10000> bytes;
    bytes.fill(-1);
    for (int byte = 0; byte < 0x100; ++byte)
        bytes[expectedCodePoint(byte)] = byte;
    return bytes;
}

QString codePointName(char16_t code)
{
    return QStringLiteral("U+%1").arg(int(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString byteName(std::optional<unsigned char> byte)
{
    return byte ? QStringLiteral("0x") + QStringLiteral("%1").arg(int(*byte), 2, 16, QLatin1Char('0')).toUpper()
                : QStringLiteral("no byte");
}

} // namespace

class TestCp1252 : public QObject
{
    Q_OBJECT

private slots:
    void everyByteBothWays_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("codePoint");
        for (int byte = 0x00; byte < 0x80; ++byte)
            QTest::addRow("0x%02X ASCII", byte) << byte << byte;
        for (const HighByte &entry : HighBlock)
            QTest::addRow("0x%02X %s", entry.byte, entry.name) << int(entry.byte) << int(entry.codePoint);
        for (int byte = 0xA0; byte < 0x100; ++byte)
            QTest::addRow("0x%02X Latin-1", byte) << byte << byte;
    }

    void everyByteBothWays()
    {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        QCOMPARE(codePointName(Cp1252::decodeByte(static_cast<unsigned char>(byte)).unicode()),
                 codePointName(char16_t(codePoint)));
        QCOMPARE(byteName(Cp1252::encodeChar(QChar(char16_t(codePoint)))),
                 byteName(static_cast<unsigned char>(byte)));
        const QByteArray single(1, static_cast<char>(byte));
        QCOMPARE(Cp1252::decode(single), QString(QChar(char16_t(codePoint))));
        QCOMPARE(Cp1252::encode(QString(QChar(char16_t(codePoint)))).value_or("none"), single);
    }

    void exactlyFiveBytesAreUndefined()
    {
        QList<int> undefined;
        for (int byte = 0; byte < 0x100; ++byte) {
            if (Cp1252::isUndefinedByte(static_cast<unsigned char>(byte)))
                undefined << byte;
        }
        QCOMPARE(undefined, QList<int>({0x81, 0x8D, 0x8F, 0x90, 0x9D}));
    }

    // The C1 controls of the 27 defined high bytes, and everything past
    // Latin-1 but the 27 characters of the block, must find no byte.
    void onlyTheCodePageHasBytes()
    {
        const std::array<int, 0x10000> bytes = expectedBytes();
        for (int code = 0; code < 0x10000; ++code) {
            const std::optional<unsigned char> expected =
                bytes[code] < 0 ? std::nullopt : std::optional<unsigned char>(bytes[code]);
            const QString character = QLatin1String(" for ") + codePointName(char16_t(code));
            QCOMPARE(byteName(Cp1252::encodeChar(QChar(char16_t(code)))) + character, byteName(expected) + character);
        }
    }

    void wholeTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes"); // empty when the text has no encoding
        QTest::addColumn<bool>("encodable");
        QTest::newRow("empty") << QString() << QByteArray() << true;
        QTest::newRow("ASCII") << "Aralda" << QByteArray("Aralda") << true;
        QTest::newRow("French accents") << u"Fenêtres dans l'écran"_qs << QByteArray("Fen\xeatres dans l'\xe9" "cran")
                                        << true;
        QTest::newRow("Italian grave accent") << u"può"_qs << QByteArray("pu\xf2") << true;
        QTest::newRow("euro, quotes and dash") << u"€ ‘a’ “b” –"_qs
                                               << QByteArray("\x80 \x91" "a\x92 \x93" "b\x94 \x96") << true;
        QTest::newRow("undefined byte kept") << u"a\u008Db"_qs << QByteArray("a\x8d" "b") << true;
        QTest::newRow("last character outside") << u"abc日"_qs << QByteArray() << false;
        QTest::newRow("first character outside") << u"πr"_qs << QByteArray() << false;
        QTest::newRow("C1 control of the euro's byte") << u"\u0080"_qs << QByteArray() << false;
        QTest::newRow("C1 control of the right quote's byte") << u"l\u0092a"_qs << QByteArray() << false;
        QTest::newRow("first past Latin-1") << u"\u0100"_qs << QByteArray() << false;
    }

    // One character without a byte spoils the whole text: a path or a line
    // is never written with a character silently dropped.
    void wholeTexts()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, encodable);
        const std::optional<QByteArray> encoded = Cp1252::encode(text);
        QCOMPARE(encoded.has_value(), encodable);
        if (encodable) {
            QCOMPARE(*encoded, bytes);
            QCOMPARE(Cp1252::decode(bytes), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
