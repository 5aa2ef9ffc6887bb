#pragma once

#include "lang/cp1252.h"

#include <QFile>
#include <QStringList>

// A translator's file for a Spanish Aralda, 277 lines in Windows-1252, each
// line behind a three-character prefix that names it ("000".."276"). The
// texts the information and notes windows read say which line they are, so
// that a line taken from the wrong place shows.
namespace TestLanguage {

inline QString informationText(int line)
{
    return QStringLiteral(u"Información, línea %1").arg(line);
}

// Window line `line` (1..46) of the notes, kept in file line 230 + line.
inline QString notesText(int line)
{
    return QStringLiteral(u"Nota número %1").arg(line);
}

inline const QString ProductName = QStringLiteral("E S P A R A L D A");
inline const QString Credit = QStringLiteral(u"Traducción: el equipo Aralda");
inline const QString VisitSite = QStringLiteral("Visitad el sitio:");
inline const QString SiteName = QStringLiteral("Aralda en la red");
inline const QString SiteSubtitle = QStringLiteral(u"geometría para la secundaria");
inline const QString Instructions = QStringLiteral("Instrucciones");

inline QStringList lines()
{
    QStringList lines;
    for (int line = 0; line < 277; ++line) {
        QString text = QStringLiteral("texto %1").arg(line);
        if (line <= 81)
            text = informationText(line);
        else if (line == 82)
            text = QStringLiteral("#m firma");
        else if (line >= 83 && line <= 86)
            text = QStringLiteral(u"Español");
        else if (line == 109 + 18)
            text = Credit;
        else if (line >= 171 && line <= 229)
            // Long texts carry one more leading character, here a blank.
            text = QLatin1Char(' ') + (line == 171 + 1    ? ProductName
                                       : line == 171 + 33 ? Instructions
                                       : line == 171 + 53 ? VisitSite
                                       : line == 171 + 54 ? SiteName
                                       : line == 171 + 55 ? SiteSubtitle
                                                          : text);
        else if (line >= 231)
            text = notesText(line - 230);
        lines.append(QString::number(line).rightJustified(3, QLatin1Char('0')) + text);
    }
    return lines;
}

// `lines`, ended by CR LF, written to `path`; false when it cannot be written.
inline bool write(const QString &path, const QStringList &lines = TestLanguage::lines())
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines)
        file.write(Cp1252::encode(line).value() + "\r\n");
    return true;
}

} // namespace TestLanguage
