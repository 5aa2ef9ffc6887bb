#include "lang/symbolfont.h"

#include <array>

namespace {

// The Symbol typeface's characters for the codes 0x20..0x7E. The code 0x60
// is the radical's extender, which has no character of its own; an overline
// stands in for it.
constexpr std::array<char16_t, 0x7F - 0x20> Symbol = {
    u' ',      u'!',      u'\u2200', u'#',      u'\u2203', u'%',      u'&',      u'\u220B', // 0x20
    u'(',      u')',      u'\u2217', u'+',      u',',      u'\u2212', u'.',      u'/',      // 0x28
    u'0',      u'1',      u'2',      u'3',      u'4',      u'5',      u'6',      u'7',      // 0x30
    u'8',      u'9',      u':',      u';',      u'<',      u'=',      u'>',      u'?',      // 0x38
    u'\u2245', u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6', u'\u0393', // 0x40
    u'\u0397', u'\u0399', u'\u03D1', u'\u039A', u'\u039B', u'\u039C', u'\u039D', u'\u039F', // 0x48
    u'\u03A0', u'\u0398', u'\u03A1', u'\u03A3', u'\u03A4', u'\u03A5', u'\u03C2', u'\u03A9', // 0x50
    u'\u039E', u'\u03A8', u'\u0396', u'[',      u'\u2234', u']',      u'\u22A5', u'_',      // 0x58
    u'\u203E', u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03C6', u'\u03B3', // 0x60
    u'\u03B7', u'\u03B9', u'\u03D5', u'\u03BA', u'\u03BB', u'\u03BC', u'\u03BD', u'\u03BF', // 0x68
    u'\u03C0', u'\u03B8', u'\u03C1', u'\u03C3', u'\u03C4', u'\u03C5', u'\u03D6', u'\u03C9', // 0x70
    u'\u03BE', u'\u03C8', u'\u03B6', u'{',      u'|',      u'}',      u'\u223C',            // 0x78
};

} // namespace

QString symbolFontText(const QString &text)
{
    QString shown = text;
    for (QChar &c : shown) {
        const char16_t code = c.unicode();
        if (code >= 0x20 && code < 0x7F)
            c = QChar(Symbol[code - 0x20]);
    }
    return shown;
}
