#pragma once

#include <QString>
#include <QUrl>

// The help file the program names (for example "Aralda.hlp") is served as a
// set of HTML pages, one page per help context: "index.html" for the contents
// and "<context>.html" for each topic. The built-in languages ship theirs as
// resources; a loaded language may bring its own, in a folder named as its
// help file beside the language file, and reads the English set otherwise.
namespace HelpSet {

// The application's help file name: LongTexts row 58 and ".hlp", 64 at most.
QString helpFileName();

// Folder of the help set for the language in force.
QString folder();

QUrl contentsUrl();
// The topic page, or the contents when the set has no page for the context.
QUrl topicUrl(int context);

// The most a page, or a picture or style sheet it links to, may hold: a
// page has a few kilobytes, a picture some hundreds.
constexpr qsizetype MaximumPageSize = 4 << 20;

// The bytes at `url`, absolute: a built-in page as it is; a translator's
// file as a language file is read, a regular file of at most
// MaximumPageSize bytes (never a pipe or a device). Empty for anything else.
QByteArray pageBytes(const QUrl &url);

} // namespace HelpSet
