#pragma once

#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "support/testlanguage.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>

// What the information and notes windows' tests share: the language in
// force, the window's parts by name, and what a memo and a pixel show.
namespace WindowParts {

inline constexpr QRgb Silver = 0xC0C0C0;

// LanguageIndex set to `column`; the loaded language read from a language
// file by the start-up rule, as a settings file naming it would ask.
inline bool useLanguage(int column)
{
    if (column != LoadedLanguage) {
        Language.LanguageIndex = quint8(column);
        return true;
    }
    if (!TestLanguage::write(QStringLiteral("es.lng")))
        return false;
    Language.LanguageIndex = LoadedLanguage;
    Language.LanguageFilePath = QStringLiteral("es.lng");
    LanguageFile::loadAtStartUp();
    return Language.LanguageIndex == LoadedLanguage;
}

template<typename Control = QWidget>
inline Control *part(const QWidget &window, const char *name)
{
    auto *control = window.findChild<Control *>(QString::fromLatin1(name));
    if (!control)
        qFatal("no %s", name);
    return control;
}

inline QStringList memoLines(const QWidget &window)
{
    return part<QPlainTextEdit>(window, "Memo1")->toPlainText().split(QLatin1Char('\n'));
}

// The memo's lines each fit its width in the font it chose, so none is
// wrapped or cut.
inline bool linesFit(const QPlainTextEdit *memo)
{
    const QFontMetrics metrics(memo->font());
    const int space = memo->viewport()->width() - 2 * int(memo->document()->documentMargin());
    for (const QString &line : memo->toPlainText().split(QLatin1Char('\n')))
        if (metrics.horizontalAdvance(line) > space)
            return false;
    return true;
}

inline QRgb pixelOf(const QImage &shot, const QWidget &window, const QWidget *widget, QPoint at)
{
    return shot.pixel(widget->mapTo(&window, at)) & 0xFFFFFF;
}

inline bool showsColour(QWidget *widget, QRgb colour)
{
    const QImage image = widget->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                return true;
    return false;
}

} // namespace WindowParts
