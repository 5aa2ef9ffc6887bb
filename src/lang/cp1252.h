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

// Empty when a character has no Windows-1252 byte.
std::optional<QByteArray> encode(const QString &text);
std::optional<unsigned char> encodeChar(QChar character);

} // namespace Cp1252
