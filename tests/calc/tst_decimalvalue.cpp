#include "calc/decimalvalue.h"

#include <QTest>

#include <charconv>
#include <cstdio>
#include <random>

namespace {

QByteArray hex(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%La", value);
    return text;
}

// Whether decimalValue reads the text to the last bit as the library's
// from_chars rounds it.
bool readLikeTheLibrary(const QByteArray &text)
{
    long double library = 0;
    std::from_chars(text.cbegin(), text.cend(), library, std::chars_format::fixed);
    const std::optional<long double> value = decimalValue(text);
    return value && hex(*value) == hex(library);
}

} // namespace

// The evaluator reads its numbers with decimalValue.
class TestDecimalValue : public QObject
{
    Q_OBJECT

private slots:
    void likeTheLibrary()
    {
        const char *const edges[] = {
            "0", "7", "0.5", ".5", "5.", "0.1", "0.3", "1.0000000000000000001", "2500.1", "2800.09", "19.99",
            "12345.678", "0.001",
            // 19 digits, the most one 64-bit whole number holds whatever they are
            "9999999999999999999", "999999999.9999999999", ".9999999999999999999", "0.0000000000000000001",
            // 20 digits, past the exact reading
            "99999999999999999999", "18446744073709551615", "18446744073709551616", "1844674407370955161.5",
            "12345678901234567890",
            // halfway between two extended values: 2^64 + 1 and 2^64 + 3
            "18446744073709551617", "18446744073709551619",
            // leading zeros are digits too
            "00000000000000000001", "0000000000000000000.1",
        };
        for (const char *text : edges)
            QVERIFY2(readLikeTheLibrary(text), text);
        std::mt19937 random(7);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        for (int i = 0; i < 200000; ++i) {
            QByteArray text;
            for (int length = pick(1, 20); text.size() < length;)
                text.append(char('0' + pick(0, 9)));
            if (pick(0, 3) > 0)
                text.insert(pick(0, int(text.size())), '.');
            QVERIFY2(readLikeTheLibrary(text), text.constData());
        }
    }

    void notANumber()
    {
        // nothing, a point alone, two points, a constant after digits, a sign,
        // a comma, a blank, and 20 digits with a letter
        for (const char *text : {"", ".", "1.2.3", "2e", "-1", "0,5", "1 ", "12345678901234567890p"})
            QVERIFY2(!decimalValue(text), text);
    }
};

QTEST_GUILESS_MAIN(TestDecimalValue)
#include "tst_decimalvalue.moc"
