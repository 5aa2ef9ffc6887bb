#include "lang/cp1252.h"

#include <array>

namespace Cp1252 {

namespace {

// 0x80..0x9F are the only bytes that differ from Latin-1; the five bytes
// Windows-1252 leaves undefined map to the C1 control of the same value.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(HighControls[byte - 0x80]);
    return QChar(char16_t(byte));
}

bool isUndefinedByte(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] == byte;
}

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *character = text.data();
    for (char byte : bytes)
        *character++ = decodeByte(static_cast<unsigned char>(byte));
    return text;
}

std::optional<unsigned char> encodeChar(QChar character)
{
    const char16_t code = character.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<unsigned char>(code);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == code)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<QByteArray> encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar character : text) {
        const auto byte = encodeChar(character);
        if (!byte)
            return std::nullopt;
        bytes.append(static_cast<char>(*byte));
    }
    return bytes;
}

} // namespace Cp1252
