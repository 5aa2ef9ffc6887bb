#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The program's files (settings, language files) and the expression evaluator
// work on single-byte Windows-1252 text; Qt 6 Core has no codec for it, so the
// conversion lives here.
namespace Cp1252 {

QString decode(const QByteArray &bytes);
QChar decodeByte(unsigned char byte);

// 0x81, 0x8D, 0x8F, 0x90 and 0x9D: Windows-1252 gives them no character, so
// they decode to the invisible C1 control of the same value.
bool isUndefinedByte(unsigned char byte);

// Empty when a character has no Windows-1252 byte.
std::optional<QByteArray> encode(const QString &text);
std::optional<unsigned char> encodeChar(QChar character);

} // namespace Cp1252
