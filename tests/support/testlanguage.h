#pragma once

#include "lang/cp1252.h"

#include <QFile>
#include <QStringList>

// A translator's file for a Spanish Aralda, 277 lines in Windows-1252, each
// behind a three-character prefix that names it ("000".."276"). The texts
// the information and notes windows read say which line they are, so that a
// line taken from the wrong place shows.
namespace TestLanguage {

inline QString informationText(int line) { return QStringLiteral(u"Información, línea %1").arg(line); }
// Window line `line` (1..46) of the notes, kept in file line 230 + line.
inline QString notesText(int line) { return QStringLiteral(u"Nota número %1").arg(line); }

inline const QString ProductName = QStringLiteral("E S P A R A L D A");
inline const QString Credit = QStringLiteral(u"Traducción: el equipo Aralda");
inline const QString VisitSite = QStringLiteral("Visitad el sitio:");
inline const QString SiteName = QStringLiteral("Aralda en la red");
inline const QString SiteSubtitle = QStringLiteral(u"geometría para la secundaria");
inline const QString Instructions = QStringLiteral("Instrucciones");

inline QStringList lines()
{
    // Long texts (lines 171..229) carry one more leading character, here a blank.
    const std::pair<int, QString> named[] = {{82, QStringLiteral("#m firma")}, {127, Credit},
        {172, QLatin1Char(' ') + ProductName}, {204, QLatin1Char(' ') + Instructions},
        {224, QLatin1Char(' ') + VisitSite}, {225, QLatin1Char(' ') + SiteName},
        {226, QLatin1Char(' ') + SiteSubtitle}};
    QStringList lines;
    for (int line = 0; line < 277; ++line) {
        QString text = line <= 81 ? informationText(line)
            : line >= 83 && line <= 86 ? QStringLiteral(u"Español")
            : line >= 231 ? notesText(line - 230)
            : (line >= 171 && line <= 229 ? QStringLiteral(" texto %1") : QStringLiteral("texto %1")).arg(line);
        for (const auto &[at, namedText] : named)
            if (line == at)
                text = namedText;
        lines.append(QString::number(line).rightJustified(3, QLatin1Char('0')) + text);
    }
    return lines;
}

// `lines`, ended by CR LF, written to `path`; false when it cannot be written.
inline bool write(const QString &path, const QStringList &lines = TestLanguage::lines())
{
    QFile file(path);
    const QByteArray bytes = Cp1252::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).value();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace TestLanguage
