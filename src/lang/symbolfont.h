#pragma once

#include <QString>

// Text meant for the "Symbol" typeface, whose letters are Greek and some of
// whose signs are mathematical: that typeface is missing on most systems, so
// the text is shown in the window's own font with the characters Symbol
// would have drawn. Printable ASCII is mapped as Symbol maps it (a to alpha,
// b to beta, '-' to the minus sign); every other character is kept.
QString symbolFontText(const QString &text);
