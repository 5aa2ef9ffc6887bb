#pragma once

#include <QStringList>

class QPlainTextEdit;

// Shows `lines` in `memo`, one text line to a line of the memo: the memo's
// font is made smaller, down to a floor, until the widest line fits, so that
// the text keeps the line breaks it was written with on any platform font.
void showLines(QPlainTextEdit *memo, const QStringList &lines);
