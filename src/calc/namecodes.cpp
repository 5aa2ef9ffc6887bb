#include "calc/namecodes.h"

#include <array>
#include <string_view>

namespace {

struct NameCode {
    std::string_view name;
    char code;
};

// The name of each function and constant, and its code, in the order of
// their replacement: ARCCOS before COS, EXP- before EXP before E.
constexpr NameCode NameCodes[] = {
    {",", '.'},     {"ABS", 'h'},  {"ARCCOS", 'd'}, {"ARCSIN", 'b'}, {"ARCTAN", 'a'}, {"COS", 'o'},
    {"EXP-", 'f'},  {"EXP", 'c'},  {"E", 'e'},      {"^-", '#'},     {"LN", 'l'},     {"LOG", 'g'},
    {"PI", 'p'},    {"SIN", 's'},  {"SQRT", 'r'},   {"RAD", 'r'},
};

// Replacing the names one after the other, each everywhere, gives the same
// text as one scan that takes at each position the first name of the table
// that starts there, provided that no code is part of a name (a code never
// joins its neighbours into a new name) and that no name starts inside a
// later name nor reaches into one from inside it (a later name never claims
// the bytes of an earlier one).
constexpr bool oneScanReplacesInOrder()
{
    for (const NameCode &entry : NameCodes) {
        for (const NameCode &other : NameCodes) {
            if (other.name.find(entry.code) != std::string_view::npos)
                return false;
        }
    }
    for (std::size_t later = 0; later < std::size(NameCodes); ++later) {
        const std::string_view name = NameCodes[later].name;
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const std::string_view before = NameCodes[earlier].name;
            for (std::size_t offset = 1; offset < name.size(); ++offset) {
                const std::string_view rest = name.substr(offset);
                if (rest.starts_with(before) || before.starts_with(rest))
                    return false;
            }
        }
    }
    return true;
}
static_assert(oneScanReplacesInOrder());

// The entries of NameCodes that start with one byte.
struct NameRun {
    int begin = 0;
    int end = 0;
};

constexpr std::array<NameRun, 256> NamesByFirstByte = [] {
    std::array<NameRun, 256> runs{};
    for (int i = 0; i < int(std::size(NameCodes)); ++i) {
        NameRun &run = runs[static_cast<unsigned char>(NameCodes[i].name.front())];
        if (run.begin == run.end)
            run.begin = i;
        run.end = i + 1;
    }
    return runs;
}();

// The runs hold only their own byte's names: the names sharing a first
// byte stand together in the table.
constexpr bool namesRunTogether()
{
    for (const NameRun &run : NamesByFirstByte) {
        for (int i = run.begin; i < run.end; ++i) {
            if (NameCodes[i].name.front() != NameCodes[run.begin].name.front())
                return false;
        }
    }
    return true;
}
static_assert(namesRunTogether());

bool isCapital(char character)
{
    return character >= 'A' && character <= 'Z';
}

const NameCode *nameAt(std::string_view at)
{
    const NameRun run = NamesByFirstByte[static_cast<unsigned char>(at.front())];
    for (int i = run.begin; i < run.end; ++i) {
        if (at.starts_with(NameCodes[i].name))
            return &NameCodes[i];
    }
    return nullptr;
}

} // namespace

bool replaceNames(QByteArray &text)
{
    const std::string_view from(text.constData(), std::size_t(text.size()));
    char *const begin = text.data();
    char *end = begin; // never past the next byte read: the text only shrinks
    bool capitalLeft = false;
    for (std::size_t i = 0; i < from.size();) {
        if (const NameCode *name = nameAt(from.substr(i))) {
            *end++ = name->code;
            i += name->name.size();
        } else {
            capitalLeft = capitalLeft || isCapital(from[i]);
            *end++ = from[i++];
        }
    }
    text.resize(end - begin);
    return !capitalLeft;
}
