#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <span>
#include <vector>

// Columns of the language tables.
enum LanguageColumn : quint8 {
    Italian = 0,
    English = 1,
    French = 2,
    LoadedLanguage = 3,
};

constexpr int LanguageColumns = 4;

// One row of built-in texts in the three columns the program ships with
// (UTF-8 literals, all of them inside Windows-1252).
struct BuiltInTexts {
    const char *italian;
    const char *english;
    const char *french;
};

// A table of fixed-capacity cells, four language columns per row. A text
// written into a cell is cut at the capacity, as the single-byte cells of the
// language files are.
class TextTable
{
public:
    TextTable(int capacity, std::span<const BuiltInTexts> builtIn);

    int rowCount() const { return int(m_cells.size()); }
    int capacity() const { return m_capacity; }

    // The cell of the language in force.
    QString text(int row) const;
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    void clearColumn(int column);

private:
    int m_capacity;
    std::vector<std::array<QString, LanguageColumns>> m_cells;
};

// Program-wide language state. LanguageIndex is 0..3 once the main window
// exists; 4, 5 and 6 only occur during start-up as a request to load the
// Spanish, Portuguese or German default file.
struct LanguageValues {
    quint8 LanguageIndex = English;
    QString LanguageFilePath;
    QStringList LanguageLines;
    bool LanguageLoaded = false;
};

extern LanguageValues Language;
extern TextTable ShortTexts; // hints, labels, captions: 40 characters
extern TextTable LongTexts;  // titles, messages: 60 characters
extern TextTable MenuTexts;  // main menu captions: 32 characters

// Start values of the whole module: English, nothing loaded, column 3 empty.
void resetLanguageValues();

// The tooltip of ShortTexts row `row` in the language in force: hints are
// written "short|long" and the short part is shown.
QString hint(int row);

// Texts the program shows beyond the three tables above (message windows,
// the help viewer, the picture items of the windows' pop-up menus), kept
// apart so that language files keep their 277 lines. A loaded language has no column for them and reads the
// English one.
enum NoticeRow {
    SettingsUnreadable,
    SettingsNotSaved,
    SettingsFileNotRegular,
    HelpCaption,
    HelpBack,
    HelpForward,
    HelpContents,
    HelpPageMissing,
    AffinityNotConfirmed,
    CopyPictureItem,
    SavePictureItem,
    PictureNotSaved,
    TransportPauseHint,
    TransportFrameHint,
    TransportSpeedHint,
    TransportAgainHint,
    PictureNameUnknown,
    FirstKindBoxName,
    SecondKindBoxName,
    DrawingName,
    DrawingImageAfter,
    CubeStepName,
    CalculatorExpressionName,
    CalculatorResultName,
    LessonMissingKey,
    LessonBadValue,
    LessonOutOfRange,
    LessonFrameNoAffinity,
    LessonCircleKinds,
    LessonNoEquals,
    LessonRepeatedKey,
    LessonNewerVersion,
    LessonNotALesson,
    LessonNotText,
    LessonMissing,
    LessonNotRegular,
    LessonTooLarge,
    LessonUnreadable,
    LessonFrameOneStep,
    LessonLine,
    LessonNotOpened,
    LessonNotSaved,
    LessonUnknownKeys,
    OpenLessonItem,
    SaveLessonItem,
    ReadyLessonsItem,
    LessonFilterName,
    TableCopyItem,
    TableLatexItem,
    PrimesItem,
    LightBoardItem,
    ThickLinesItem,
    PictureNotDrawn,
    PictureOrVectorNameUnknown,
    OnlyFiguresItem,
    LightPictureItem,
    SaveAnimationItem,
    LoopAnimationItem,
    AnimationNameUnknown,
    NoAnimation,
    AnimationNotSaved,
    AnimationFilterName,
    PrintWorksheetItem,
    ZoomInItem,
    ZoomOutItem,
    FitFiguresItem,
    WorksheetTitle,
    WorksheetName,
    WorksheetScale,
    WorksheetTask,
    WorksheetPoint,
    WorksheetStart,
    WorksheetAfter,
    WorksheetKey,
    WorksheetStep,
    WorksheetMatrix,
    NoticeRowCount
};

QString noticeText(NoticeRow row);
