#include "lang/cp1252.h"
#include "lang/records.h"

#include <QTest>

#include <array>

namespace {

// The code point of each byte: Latin-1 but where the record of the high
// block says otherwise.
std::array<char16_t, 0x100> expectedCodePoints()
{
    std::array<char16_t, 0x100> codes;
    for (int byte = 0; byte < 0x100; ++byte)
        codes[byte] = char16_t(byte);
    for (const QStringList &row : Records::rows(QStringLiteral("cp1252.tsv")))
        codes[row.at(0).toInt(nullptr, 16)] = char16_t(row.at(1).toInt(nullptr, 16));
    return codes;
}

QString codePointName(char16_t code)
{
    return QStringLiteral("U+%1").arg(int(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString byteName(std::optional<unsigned char> byte)
{
    return byte ? QStringLiteral("0x%1").arg(int(*byte), 2, 16, QLatin1Char('0')).toUpper() : QStringLiteral("no byte");
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
        const auto codes = expectedCodePoints();
        for (int byte = 0; byte < 0x100; ++byte)
            QTest::addRow("0x%02X", byte) << byte << int(codes[byte]);
    }

    void everyByteBothWays()
    {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        QCOMPARE(codePointName(Cp1252::decodeByte(static_cast<unsigned char>(byte)).unicode()),
                 codePointName(char16_t(codePoint)));
        QCOMPARE(byteName(Cp1252::encodeChar(QChar(char16_t(codePoint)))),
                 byteName(static_cast<unsigned char>(byte)));
        // Undefined exactly where the code page gives the byte no character of its own.
        QCOMPARE(Cp1252::isUndefinedByte(static_cast<unsigned char>(byte)),
                 byte >= 0x80 && byte < 0xA0 && codePoint == byte);
    }

    // The C1 controls of the 27 defined high bytes, and everything past
    // Latin-1 but the 27 characters of the block, must find no byte.
    void onlyTheCodePageHasBytes()
    {
        QCOMPARE(Records::rows(QStringLiteral("cp1252.tsv")).size(), 32);
        std::array<int, 0x10000> bytes;
        bytes.fill(-1);
        const auto codes = expectedCodePoints();
        for (int byte = 0; byte < 0x100; ++byte)
            bytes[codes[byte]] = byte;
        for (int code = 0; code < 0x10000; ++code) {
            const auto expected = bytes[code] < 0 ? std::nullopt : std::optional<unsigned char>(bytes[code]);
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
        QTest::newRow("accents, euro, quotes, undefined byte") << u"Fenêtre può € ‘a’ \u008D"_qs
                                                               << QByteArray("Fen\xeatre pu\xf2 \x80 \x91" "a\x92 \x8d")
                                                               << true;
        QTest::newRow("last character outside") << u"abc日"_qs << QByteArray() << false;
        QTest::newRow("first character outside") << u"πr"_qs << QByteArray() << false;
        QTest::newRow("C1 control of the right quote's byte") << u"l\u0092a"_qs << QByteArray() << false;
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
