#include "info/memotext.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

// Below this the text is no longer comfortable to read: a longer line is
// wrapped or cut, as the memo says.
constexpr qreal MinimumPointSize = 7;
constexpr qreal PointStep = 0.5;

// The width a line may take: the memo inside its frame, less its vertical
// scroll bar, the document's margins and the text cursor.
int lineSpace(const QPlainTextEdit *memo)
{
    const int scrollBar = memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, memo->verticalScrollBar());
    const int margins = 2 * int(std::ceil(memo->document()->documentMargin()));
    return memo->contentsRect().width() - scrollBar - margins - memo->cursorWidth();
}

int widestLine(const QStringList &lines, const QFont &font)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

void showLines(QPlainTextEdit *memo, const QStringList &lines)
{
    QFont font = memo->font();
    const int space = lineSpace(memo);
    while (font.pointSizeF() - PointStep >= MinimumPointSize && widestLine(lines, font) > space)
        font.setPointSizeF(font.pointSizeF() - PointStep);
    memo->setFont(font);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
}
