#include "lesson/lessonfile.h"

#include "calc/expressionevaluator.h"
#include "dialogs/affinityrules.h"
#include "dialogs/figurerules.h"
#include "dialogs/motionrules.h"
#include "dialogs/ratiorules.h"
#include "dialogs/symmetryrules.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "lang/regularfile.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <map>
#include <span>

namespace {

using Names = std::span<const char *const>;

constexpr const char *KindNames[] = {"translation", "rotation", "symmetry", "homothety",
                                     "dilation",    "shear",    "affinity"};
constexpr const char *FigureNames[] = {"point", "segment", "triangle", "quadrilateral", "circle"};
constexpr const char *SymmetryNames[] = {"point", "vertical", "horizontal", "bisector", "antibisector", "line"};
constexpr const char *ModeNames[] = {"figure", "frame"};
constexpr const char *YesNo[] = {"no", "yes"};
constexpr const char *AxisNames[] = {"x", "y"};
constexpr const char *VertexKeys[] = {"a", "b", "c", "d"};
// In the order of AffineField: c, a, b, c', a', b'.
constexpr const char *AffineKeys[] = {"c", "a", "b", "c'", "a'", "b'"};
constexpr const char *LanguageCodes[] = {"it", "en", "fr"};
constexpr SpinRange TransformCountRange{1, 2};
constexpr SpinRange PresetRange{0, AffinePresetCount - 1};

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

QString slotKey(int slot, const char *key)
{
    return QString::number(slot) + QLatin1Char('.') + latin(key);
}

struct Entry {
    QString value;
    int line = 0;
    bool taken = false;
};

// Takes the lesson's keys one by one, each checked against what the control
// that shows it accepts; the first fault stops the reading.
class Reader
{
public:
    Reader(std::map<QString, Entry> entries, int lastLine) : m_entries(std::move(entries)), m_lastLine(lastLine) {}

    bool failed() const { return !m_reason.isEmpty(); }
    int faultLine() const { return m_line; }
    QString reason() const { return m_reason; }

    void fault(int line, const QString &reason)
    {
        if (failed())
            return;
        m_line = line;
        m_reason = reason;
    }

    // The entry of `key`, marked as read; none, or a fault when `required`.
    const Entry *take(const QString &key, bool required = true)
    {
        const auto found = m_entries.find(key);
        if (found == m_entries.end()) {
            if (required)
                fault(m_lastLine, noticeText(LessonMissingKey).arg(key));
            return nullptr;
        }
        found->second.taken = true;
        return &found->second;
    }

    QString text(const QString &key)
    {
        const Entry *entry = take(key, false);
        return entry ? entry->value : QString();
    }

    // The index of the name given, `fallback` when the key is absent and
    // may be.
    int choice(const QString &key, Names names, std::optional<int> fallback = std::nullopt)
    {
        const Entry *entry = take(key, !fallback);
        if (!entry)
            return fallback.value_or(0);
        for (size_t i = 0; i < names.size(); ++i)
            if (entry->value == latin(names[i]))
                return int(i);
        badValue(*entry, key);
        return fallback.value_or(0);
    }

    bool yes(const QString &key) { return choice(key, YesNo, 0) == 1; }

    int integer(const QString &key, SpinRange range)
    {
        const Entry *entry = take(key);
        return entry ? wholeNumber(*entry, key, entry->value, range) : range.minimum;
    }

    // "x y", each in its range.
    std::pair<int, int> pair(const QString &key, SpinRange xRange, SpinRange yRange)
    {
        const Entry *entry = take(key);
        if (!entry)
            return {xRange.minimum, yRange.minimum};
        const QStringList parts = entry->value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() != 2) {
            badValue(*entry, key);
            return {xRange.minimum, yRange.minimum};
        }
        return {wholeNumber(*entry, key, parts[0], xRange), wholeNumber(*entry, key, parts[1], yRange)};
    }

    // A real with at most one decimal, as a spin of tenths shows it: its
    // position, whose magnitude must lie in `range`; negative only when
    // `signedValue`.
    int tenths(const Entry &entry, const QString &key, const QString &text, SpinRange range, bool signedValue)
    {
        static const QRegularExpression shape(QStringLiteral("^(-?)(\\d{1,3})(?:\\.(\\d))?$"));
        const QRegularExpressionMatch match = shape.match(text);
        if (!match.hasMatch() || (!signedValue && !match.captured(1).isEmpty())) {
            badValue(entry, key, text);
            return range.minimum;
        }
        const int magnitude = match.captured(2).toInt() * 10 + match.captured(3).toInt();
        if (magnitude < range.minimum || magnitude > range.maximum) {
            outOfRange(entry, key, QString::number(range.minimum / 10.0, 'f', 1),
                       QString::number(range.maximum / 10.0, 'f', 1));
            return range.minimum;
        }
        return match.captured(1).isEmpty() ? magnitude : -magnitude;
    }

    int tenths(const QString &key, SpinRange range, bool signedValue)
    {
        const Entry *entry = take(key);
        return entry ? tenths(*entry, key, entry->value, range, signedValue) : range.minimum;
    }

    QStringList untaken() const
    {
        QStringList keys;
        for (const auto &[key, entry] : m_entries)
            if (!entry.taken)
                keys << key;
        return keys;
    }

private:
    int wholeNumber(const Entry &entry, const QString &key, const QString &text, SpinRange range)
    {
        bool number = false;
        const int value = text.toInt(&number);
        if (!number) {
            badValue(entry, key, text);
            return range.minimum;
        }
        if (value < range.minimum || value > range.maximum) {
            outOfRange(entry, key, QString::number(range.minimum), QString::number(range.maximum));
            return range.minimum;
        }
        return value;
    }

    void badValue(const Entry &entry, const QString &key, const QString &text = QString())
    {
        fault(entry.line, noticeText(LessonBadValue).arg(text.isNull() ? entry.value : text, key));
    }

    void outOfRange(const Entry &entry, const QString &key, const QString &minimum, const QString &maximum)
    {
        fault(entry.line, noticeText(LessonOutOfRange).arg(key, minimum, maximum));
    }

    std::map<QString, Entry> m_entries;
    int m_lastLine;
    int m_line = 0;
    QString m_reason;
};

void readFigure(Reader &reader, TransformSettingsValues &s)
{
    const int type = reader.choice(QStringLiteral("figure"), FigureNames);
    s.SelectedFigureType = quint8(type);
    s.ClearScreen = reader.choice(QStringLiteral("clear"), YesNo, 1) == 1;
    if (type == CircleFigure) {
        const auto [x, y] = reader.pair(QStringLiteral("centre"), VertexXRange, VertexYRange);
        s.FigureX[0] = x;
        s.FigureY[0] = y;
        s.FigureX[1] = s.FigureY[1] = reader.integer(QStringLiteral("radius"), RadiusRange);
        return;
    }
    for (int vertex = 0; vertex <= type; ++vertex) {
        const auto [x, y] = reader.pair(latin(VertexKeys[vertex]), VertexXRange, VertexYRange);
        s.FigureX[vertex] = x;
        s.FigureY[vertex] = y;
    }
}

void readSymmetry(Reader &reader, int slot, TransformSettingsValues &s)
{
    const int kind = reader.choice(slotKey(slot, "symmetry"), SymmetryNames);
    s.SymmetryKind[slot] = quint8(kind);
    switch (kind) {
    case PointSymmetry: {
        const auto [x, y] = reader.pair(slotKey(slot, "centre"), SymmetryCentreXRange, SymmetryCentreYRange);
        s.SymmetryCentreX[slot] = x;
        s.SymmetryCentreY[slot] = y;
        break;
    }
    case VerticalLineSymmetry:
        s.SymmetryCentreX[slot] = reader.integer(slotKey(slot, "x"), SymmetryCentreXRange);
        break;
    case HorizontalLineSymmetry:
        s.SymmetryCentreY[slot] = reader.integer(slotKey(slot, "y"), SymmetryCentreYRange);
        break;
    case GeneralLineSymmetry:
        s.SymmetryAxisAngle[slot] = reader.integer(slotKey(slot, "angle"), SymmetryAngleRange);
        s.SymmetryAxisQ[slot] = reader.integer(slotKey(slot, "intercept"), SymmetryQRange);
        break;
    default:
        break;
    }
    s.ShowSymmetryElement[slot] = reader.yes(slotKey(slot, "trace"));
}

void readAffinity(Reader &reader, int slot, TransformSettingsValues &s)
{
    s.AffinePreset = quint8(reader.integer(QStringLiteral("preset"), PresetRange));
    for (int field = 0; field < AffineFieldCount; ++field) {
        const QString key = slotKey(slot, AffineKeys[field]);
        const Entry *entry = reader.take(key);
        if (!entry)
            return;
        if (entry->value.size() > ExpressionEvaluator::TextCapacity || !applyAffineText(s, slot, field, entry->value))
            reader.fault(entry->line, noticeText(LessonBadValue).arg(entry->value, key));
    }
    s.AffineConfirmed[slot] = true;
}

void readSlot(Reader &reader, int slot, Lesson &lesson)
{
    TransformSettingsValues &s = lesson.values;
    const int kind = reader.choice(slotKey(slot, "kind"), KindNames);
    lesson.kinds[slot - 1] = kind;
    switch (kind) {
    case Traslazione: {
        const auto [dx, dy] = reader.pair(slotKey(slot, "vector"), TranslationDXRange, TranslationDYRange);
        s.TranslationDX[slot] = dx;
        s.TranslationDY[slot] = dy;
        s.ShowTranslationVector[slot] = reader.yes(slotKey(slot, "trace"));
        break;
    }
    case Rotazione: {
        const auto [x, y] = reader.pair(slotKey(slot, "centre"), RotationCentreRange, RotationCentreRange);
        s.RotationCentreX[slot] = x;
        s.RotationCentreY[slot] = y;
        s.RotationAngle[slot] = reader.integer(slotKey(slot, "angle"), RotationAngleRange);
        s.ShowRotationArcs[slot] = reader.yes(slotKey(slot, "trace"));
        break;
    }
    case Simmetria:
        readSymmetry(reader, slot, s);
        break;
    case Omotetia: {
        const auto [x, y] = reader.pair(slotKey(slot, "centre"), HomothetyCentreXRange, HomothetyCentreYRange);
        s.HomothetyCentreX[slot] = x;
        s.HomothetyCentreY[slot] = y;
        const int ratio = reader.tenths(slotKey(slot, "ratio"), HomothetyRatioRange, true);
        s.HomothetySign[slot] = ratio < 0 ? -1 : 1;
        s.HomothetyRatio[slot] = tenthsValue(std::abs(ratio));
        s.ShowHomothetyCentre[slot] = reader.yes(slotKey(slot, "trace"));
        break;
    }
    case Dilatazione: {
        const QString key = slotKey(slot, "factors");
        const Entry *entry = reader.take(key);
        const QStringList parts = entry ? entry->value.split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
        if (entry && parts.size() != 2)
            reader.fault(entry->line, noticeText(LessonBadValue).arg(entry->value, key));
        else if (entry) {
            s.DilationX[slot] = tenthsValue(reader.tenths(*entry, key, parts[0], DilationRange, false));
            s.DilationY[slot] = tenthsValue(reader.tenths(*entry, key, parts[1], DilationRange, false));
        }
        break;
    }
    case Inclinazione: {
        const int axis = reader.choice(slotKey(slot, "axis"), AxisNames);
        const int amount = reader.tenths(slotKey(slot, "amount"), ShearRange, true);
        const ShearCoefficients coefficients = shearCoefficients(axis, tenthsValue(std::abs(amount)));
        s.ShearAxis[slot] = quint8(axis);
        s.ShearSign[slot] = amount < 0 ? NegativeItem : PositiveItem;
        s.ShearX[slot] = coefficients.x;
        s.ShearY[slot] = coefficients.y;
        break;
    }
    case Affinita:
        readAffinity(reader, slot, lesson.values);
        break;
    default:
        break;
    }
}

// What the workspace itself refuses to combine.
void checkCombination(Reader &reader, const Lesson &lesson, int line)
{
    const bool circle = lesson.values.SelectedFigureType == CircleFigure;
    for (int slot = 1; slot <= lesson.transformCount; ++slot) {
        const int kind = lesson.kinds[slot - 1];
        if (lesson.frameMode && kind == Affinita)
            reader.fault(line, noticeText(LessonFrameNoAffinity));
        const bool composable = kind == Traslazione || kind == Rotazione || kind == Simmetria || kind == Omotetia;
        if (circle && lesson.transformCount == 2 && !composable)
            reader.fault(line, noticeText(LessonCircleKinds));
    }
}

// "key = value" lines after the first; '#' starts a comment line.
bool collectEntries(const QStringList &lines, std::map<QString, Entry> &entries, Reader &errors)
{
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int number = int(i) + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            errors.fault(number, noticeText(LessonNoEquals));
            return false;
        }
        const QString key = line.left(equals).trimmed();
        auto [place, added] = entries.emplace(key, Entry{line.mid(equals + 1).trimmed(), number});
        // Several note lines make a note of several lines.
        if (!added && key.startsWith(QLatin1String("note"))) {
            place->second.value += QLatin1Char('\n') + line.mid(equals + 1).trimmed();
        } else if (!added) {
            errors.fault(number, noticeText(LessonRepeatedKey).arg(key));
            return false;
        }
    }
    return true;
}

QString localised(Reader &reader, const char *key, int language)
{
    QString text = reader.text(latin(key));
    for (int code = 0; code < int(std::size(LanguageCodes)); ++code) {
        const QString own = reader.text(latin(key) + QLatin1Char('.') + latin(LanguageCodes[code]));
        const bool wanted = code == language || (language >= int(std::size(LanguageCodes)) && code == English);
        if (wanted && !own.isEmpty())
            text = own;
    }
    return text;
}

LessonFile::ReadResult failure(int line, const QString &reason)
{
    LessonFile::ReadResult result;
    result.line = line;
    result.reason = reason;
    return result;
}

// The first line names the format; a later version is refused by name.
std::optional<LessonFile::ReadResult> checkFirstLine(const QString &first)
{
    const QString words = latin(LessonFile::FirstWords);
    if (first == latin(LessonFile::FirstLine))
        return std::nullopt;
    bool number = false;
    const int version = first.startsWith(words) ? first.mid(words.size()).toInt(&number) : 0;
    if (number && version > LessonFile::Version)
        return failure(1, noticeText(LessonNewerVersion).arg(version));
    return failure(1, noticeText(LessonNotALesson).arg(latin(LessonFile::FirstLine)));
}

QString tenthsText(int position)
{
    return QString::number(position / 10.0, 'f', 1);
}

} // namespace

namespace LessonFile {

ReadResult parse(const QByteArray &bytes, int language)
{
    auto decode = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(bytes);
    if (decode.hasError() || text.contains(QChar(0)))
        return failure(0, noticeText(LessonNotText));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (auto refused = checkFirstLine(lines.value(0).trimmed()))
        return *refused;

    std::map<QString, Entry> entries;
    Reader reader({}, int(lines.size()));
    if (!collectEntries(lines, entries, reader))
        return failure(reader.faultLine(), reader.reason());
    reader = Reader(std::move(entries), int(lines.size()));

    Lesson lesson;
    lesson.title = localised(reader, "title", language);
    lesson.note = localised(reader, "note", language);
    lesson.frameMode = reader.choice(QStringLiteral("mode"), ModeNames, 0) == 1;
    lesson.values.FrameMode = lesson.frameMode ? 1 : 0;
    const Entry *count = reader.take(QStringLiteral("transformations"), false);
    lesson.transformCount = count ? reader.integer(QStringLiteral("transformations"), TransformCountRange) : 1;
    if (lesson.frameMode && lesson.transformCount != 1 && count)
        reader.fault(count->line, noticeText(LessonFrameOneStep));
    lesson.zoomDivisor = reader.choice(QStringLiteral("zoom"), FixedTexts::ZoomLevels, 0) + 1;
    lesson.primes = reader.yes(QStringLiteral("primes"));
    readFigure(reader, lesson.values);
    for (int slot = 1; slot <= lesson.transformCount && !reader.failed(); ++slot)
        readSlot(reader, slot, lesson);
    checkCombination(reader, lesson, count ? count->line : 1);
    if (reader.failed())
        return failure(reader.faultLine(), reader.reason());
    ReadResult result;
    result.lesson = lesson;
    result.unknownKeys = reader.untaken();
    return result;
}

ReadResult read(const QString &path, int language)
{
    const RegularFile::Contents contents = RegularFile::read(path, SizeLimit, RegularFile::Links::Follow);
    switch (contents.status) {
    case RegularFile::Status::Read:
        return parse(contents.bytes, language);
    case RegularFile::Status::Missing:
        return failure(0, noticeText(LessonMissing));
    case RegularFile::Status::NotRegular:
        return failure(0, noticeText(LessonNotRegular));
    case RegularFile::Status::TooLarge:
        return failure(0, noticeText(LessonTooLarge).arg(SizeLimit / 1024));
    default:
        return failure(0, noticeText(LessonUnreadable));
    }
}

QByteArray compose(const Lesson &lesson)
{
    const TransformSettingsValues &s = lesson.values;
    QStringList lines{latin(FirstLine)};
    auto add = [&lines](const QString &key, const QString &value) { lines << key + QStringLiteral(" = ") + value; };
    auto number = [](int value) { return QString::number(value); };
    auto pair = [](int x, int y) { return QString::number(x) + QLatin1Char(' ') + QString::number(y); };
    auto yesNo = [](bool yes) { return latin(YesNo[yes ? 1 : 0]); };
    if (!lesson.title.isEmpty())
        add(QStringLiteral("title"), lesson.title.simplified());
    for (const QString &line : lesson.note.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        add(QStringLiteral("note"), line.simplified());
    add(QStringLiteral("mode"), latin(ModeNames[lesson.frameMode ? 1 : 0]));
    add(QStringLiteral("transformations"), number(lesson.transformCount));
    add(QStringLiteral("zoom"), latin(FixedTexts::ZoomLevels[std::clamp(lesson.zoomDivisor, 1, 3) - 1]));
    add(QStringLiteral("primes"), yesNo(lesson.primes));
    const int type = std::clamp(int(s.SelectedFigureType), 0, int(CircleFigure));
    add(QStringLiteral("figure"), latin(FigureNames[type]));
    if (type == CircleFigure) {
        add(QStringLiteral("centre"), pair(s.FigureX[0], s.FigureY[0]));
        add(QStringLiteral("radius"), number(s.FigureX[1]));
    } else {
        for (int vertex = 0; vertex <= type; ++vertex)
            add(latin(VertexKeys[vertex]), pair(s.FigureX[vertex], s.FigureY[vertex]));
    }
    add(QStringLiteral("clear"), yesNo(s.ClearScreen));
    for (int slot = 1; slot <= lesson.transformCount; ++slot) {
        const int kind = lesson.kinds[slot - 1];
        if (kind < 0 || kind >= int(std::size(KindNames)))
            continue;
        add(slotKey(slot, "kind"), latin(KindNames[kind]));
        switch (kind) {
        case Traslazione:
            add(slotKey(slot, "vector"), pair(s.TranslationDX[slot], s.TranslationDY[slot]));
            add(slotKey(slot, "trace"), yesNo(s.ShowTranslationVector[slot]));
            break;
        case Rotazione:
            add(slotKey(slot, "centre"), pair(s.RotationCentreX[slot], s.RotationCentreY[slot]));
            add(slotKey(slot, "angle"), number(s.RotationAngle[slot]));
            add(slotKey(slot, "trace"), yesNo(s.ShowRotationArcs[slot]));
            break;
        case Simmetria: {
            const int symmetry = std::clamp(int(s.SymmetryKind[slot]), 0, SymmetryKindCount - 1);
            add(slotKey(slot, "symmetry"), latin(SymmetryNames[symmetry]));
            if (symmetry == PointSymmetry)
                add(slotKey(slot, "centre"), pair(s.SymmetryCentreX[slot], s.SymmetryCentreY[slot]));
            if (symmetry == VerticalLineSymmetry)
                add(slotKey(slot, "x"), number(s.SymmetryCentreX[slot]));
            if (symmetry == HorizontalLineSymmetry)
                add(slotKey(slot, "y"), number(s.SymmetryCentreY[slot]));
            if (symmetry == GeneralLineSymmetry) {
                add(slotKey(slot, "angle"), number(s.SymmetryAxisAngle[slot]));
                add(slotKey(slot, "intercept"), number(s.SymmetryAxisQ[slot]));
            }
            add(slotKey(slot, "trace"), yesNo(s.ShowSymmetryElement[slot]));
            break;
        }
        case Omotetia:
            add(slotKey(slot, "centre"), pair(s.HomothetyCentreX[slot], s.HomothetyCentreY[slot]));
            add(slotKey(slot, "ratio"),
                tenthsText(s.HomothetySign[slot] * tenthsPosition(s.HomothetyRatio[slot], HomothetyRatioRange)));
            add(slotKey(slot, "trace"), yesNo(s.ShowHomothetyCentre[slot]));
            break;
        case Dilatazione:
            add(slotKey(slot, "factors"), tenthsText(tenthsPosition(s.DilationX[slot], DilationRange))
                                               + QLatin1Char(' ')
                                               + tenthsText(tenthsPosition(s.DilationY[slot], DilationRange)));
            break;
        case Inclinazione: {
            const int axis = s.ShearAxis[slot] == ShearAlongY ? ShearAlongY : ShearAlongX;
            const int amount = tenthsPosition(shownShear(axis, {s.ShearX[slot], s.ShearY[slot]}), ShearRange);
            add(slotKey(slot, "axis"), latin(AxisNames[axis]));
            add(slotKey(slot, "amount"), tenthsText(s.ShearSign[slot] == NegativeItem ? -amount : amount));
            break;
        }
        case Affinita:
            add(QStringLiteral("preset"), number(std::clamp(int(s.AffinePreset), 0, AffinePresetCount - 1)));
            for (int field = 0; field < AffineFieldCount; ++field)
                add(slotKey(slot, AffineKeys[field]), s.AffineText[slot][field].simplified());
            break;
        default:
            break;
        }
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

std::optional<QString> write(const Lesson &lesson, const QString &path)
{
    if (const auto failure = RegularFile::write(path, compose(lesson), RegularFile::Existing::Replace))
        return failure->reason();
    return std::nullopt;
}

void putFigure(const TransformSettingsValues &lesson, TransformSettingsValues &store)
{
    store.SelectedFigureType = lesson.SelectedFigureType;
    // As if the teacher had confirmed this type before: the dialog opens
    // with its rows and, for a circle, its radius.
    store.FigureType = lesson.SelectedFigureType;
    store.FigureIsCircle = lesson.SelectedFigureType == CircleFigure;
    store.FigureX = lesson.FigureX;
    store.FigureY = lesson.FigureY;
    store.ClearScreen = lesson.ClearScreen;
}

void putSlot(const TransformSettingsValues &lesson, int slot, TransformSettingsValues &store)
{
    store.TranslationDX[slot] = lesson.TranslationDX[slot];
    store.TranslationDY[slot] = lesson.TranslationDY[slot];
    store.ShowTranslationVector[slot] = lesson.ShowTranslationVector[slot];
    store.RotationCentreX[slot] = lesson.RotationCentreX[slot];
    store.RotationCentreY[slot] = lesson.RotationCentreY[slot];
    store.RotationAngle[slot] = lesson.RotationAngle[slot];
    store.ShowRotationArcs[slot] = lesson.ShowRotationArcs[slot];
    store.SymmetryKind[slot] = lesson.SymmetryKind[slot];
    store.SymmetryCentreX[slot] = lesson.SymmetryCentreX[slot];
    store.SymmetryCentreY[slot] = lesson.SymmetryCentreY[slot];
    store.SymmetryAxisAngle[slot] = lesson.SymmetryAxisAngle[slot];
    store.SymmetryAxisQ[slot] = lesson.SymmetryAxisQ[slot];
    store.ShowSymmetryElement[slot] = lesson.ShowSymmetryElement[slot];
    store.HomothetyCentreX[slot] = lesson.HomothetyCentreX[slot];
    store.HomothetyCentreY[slot] = lesson.HomothetyCentreY[slot];
    store.HomothetyRatio[slot] = lesson.HomothetyRatio[slot];
    store.HomothetySign[slot] = lesson.HomothetySign[slot];
    store.ShowHomothetyCentre[slot] = lesson.ShowHomothetyCentre[slot];
    store.DilationX[slot] = lesson.DilationX[slot];
    store.DilationY[slot] = lesson.DilationY[slot];
    store.ShearX[slot] = lesson.ShearX[slot];
    store.ShearY[slot] = lesson.ShearY[slot];
    store.ShearAxis[slot] = lesson.ShearAxis[slot];
    store.ShearSign[slot] = lesson.ShearSign[slot];
    store.AffineText[slot] = lesson.AffineText[slot];
    store.AffineCoeff[slot] = lesson.AffineCoeff[slot];
    store.AffinePreset = lesson.AffinePreset;
}

QString refusal(const QString &path, const ReadResult &result)
{
    const QString where = result.line > 0 ? noticeText(LessonLine).arg(result.line).arg(result.reason) : result.reason;
    return noticeText(LessonNotOpened) + QLatin1Char('\n') + path + QLatin1Char('\n') + where;
}

} // namespace LessonFile
