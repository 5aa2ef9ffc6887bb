// Lessons: opened through the workspace's own controls and dialogs, so that
// what follows is what a lesson entered by hand gives, and saved from what
// those dialogs confirmed.
#include "plane/tgeo.h"

#include "dialogs/spincontrol.h"
#include "lang/languagetables.h"
#include "shell/picturecommands.h"
#include "shell/shellvalues.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

namespace {

QString lessonFilter()
{
    return noticeText(LessonFilterName) + QStringLiteral(" (*.") + QString::fromLatin1(LessonFile::Suffix)
        + QLatin1Char(')');
}

// Ready lessons are kept in the resources, which only Qt's files reach.
LessonFile::ReadResult readLesson(const QString &path)
{
    if (!path.startsWith(QStringLiteral(":/")))
        return LessonFile::read(path, Language.LanguageIndex);
    QFile resource(path);
    if (!resource.open(QIODevice::ReadOnly))
        return LessonFile::read(QString(), Language.LanguageIndex);
    return LessonFile::parse(resource.read(LessonFile::SizeLimit), Language.LanguageIndex);
}

// Qt's own file dialog, as the picture's, for a lesson to open or save; the
// name chosen, or nothing.
QString askLessonName(QWidget *parent, QFileDialog::AcceptMode mode)
{
    const bool opening = mode == QFileDialog::AcceptOpen;
    QFileDialog dialog(parent, dialogTitle(noticeText(opening ? OpenLessonItem : SaveLessonItem)), QString(),
                       lessonFilter());
    dialog.setObjectName(QLatin1String(opening ? "aprilezione" : "salvalezione"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!opening)
        dialog.setDefaultSuffix(QString::fromLatin1(LessonFile::Suffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void Tgeo::createLessonItems()
{
    m_primesItem = PopupMenu1->addAction(noticeText(PrimesItem), this, [this](bool on) { m_primes = on; });
    m_primesItem->setObjectName(QStringLiteral("apici"));
    m_primesItem->setCheckable(true);
    QAction *lightBoard = PopupMenu1->addAction(noticeText(LightBoardItem), this, [this](bool on) {
        m_lightBoard = on;
        m_surface->update();
    });
    lightBoard->setObjectName(QStringLiteral("lavagna"));
    lightBoard->setCheckable(true);
    QAction *thick = PopupMenu1->addAction(noticeText(ThickLinesItem), this, [this](bool on) {
        m_thickLines = on;
        m_surface->update();
    });
    thick->setObjectName(QStringLiteral("lineespesse"));
    thick->setCheckable(true);
    PopupMenu1->addSeparator();
    m_openLesson = PopupMenu1->addAction(noticeText(OpenLessonItem), this, &Tgeo::askToOpenLesson);
    m_openLesson->setObjectName(QStringLiteral("aprilezione"));
    m_saveLesson = PopupMenu1->addAction(noticeText(SaveLessonItem), this, &Tgeo::askToSaveLesson);
    m_saveLesson->setObjectName(QStringLiteral("salvalezione"));
}

void Tgeo::openLesson(const Lesson &lesson)
{
    // A step under way ends here, as no dialog of the workspace could open
    // while it ran.
    for (QTimer *timer : {traslazione, rotazione, omotetia, dilatazione, inclinazione})
        timer->stop();
    m_paused = false;
    pausa->setChecked(false);

    const auto byUser = qScopeGuard([this] { m_dialogAnswer = ParameterDialog::Answer::User; });
    m_dialogAnswer = ParameterDialog::Answer::OkAsStored;
    // What a teacher chooses before "nuova".
    tipi->setCurrentIndex(lesson.frameMode ? 1 : 0);
    tipiChange();
    pnum->setValue(lesson.transformCount);
    {
        // "nuova" reads the zoom; the drawing it would clear is drawn anew.
        const QSignalBlocker quiet(czoom);
        czoom->setCurrentIndex(lesson.zoomDivisor - 1);
    }
    LessonFile::putFigure(lesson.values, TransformSettings);
    nuovaClick();
    for (int slot = 1; slot <= lesson.transformCount; ++slot) {
        LessonFile::putSlot(lesson.values, slot, TransformSettings);
        kindBox(slot)->setCurrentIndex(lesson.kinds[slot - 1]);
        transformationChosen(slot);
    }
    m_lessonTitle = lesson.title;
    m_lessonNote = lesson.note;
    m_primesItem->setChecked(lesson.primes);
    setWindowTitle(lesson.title.isEmpty() ? LongTexts.text(2) : LongTexts.text(2) + QStringLiteral(" — ") + lesson.title);
    m_surface->setToolTip(lesson.note);
}

Lesson Tgeo::lesson() const
{
    Lesson lesson;
    lesson.title = m_lessonTitle;
    lesson.note = m_lessonNote;
    lesson.frameMode = TransformSettings.FrameMode == 1;
    lesson.transformCount = m_flow.TransformCount;
    lesson.zoomDivisor = czoom->currentIndex() + 1;
    lesson.primes = m_primes;
    lesson.values = TransformSettings;
    // The figure the dialog confirmed, not one it showed and was cancelled.
    lesson.values.SelectedFigureType = TransformSettings.FigureType;
    for (int slot = 1; slot <= 2; ++slot)
        lesson.kinds[slot - 1] = confirmedKind(slot);
    return lesson;
}

void Tgeo::openLessonFile(const QString &path)
{
    const LessonFile::ReadResult result = readLesson(path);
    if (!result.lesson) {
        QMessageBox box(QMessageBox::Warning, LongTexts.text(0), LessonFile::refusal(path, result), QMessageBox::Ok,
                        this);
        box.setObjectName(QStringLiteral("lessonRefused"));
        box.exec();
        placeFocus();
        return;
    }
    openLesson(*result.lesson);
    if (!result.unknownKeys.isEmpty()) {
        QMessageBox box(QMessageBox::Information, LongTexts.text(0),
                        noticeText(LessonUnknownKeys).arg(result.unknownKeys.join(QStringLiteral(", "))),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("lessonKeysSkipped"));
        box.exec();
    }
    placeFocus();
}

void Tgeo::askToOpenLesson()
{
    const QString path = askLessonName(this, QFileDialog::AcceptOpen);
    if (!path.isEmpty())
        openLessonFile(path);
    placeFocus();
}

void Tgeo::askToSaveLesson()
{
    const QString path = askLessonName(this, QFileDialog::AcceptSave);
    if (path.isEmpty()) {
        placeFocus();
        return;
    }
    if (const auto failure = LessonFile::write(lesson(), path)) {
        QMessageBox box(QMessageBox::Warning, LongTexts.text(0),
                        noticeText(LessonNotSaved) + QLatin1Char('\n') + path + QLatin1Char('\n') + *failure,
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("lessonNotSaved"));
        box.exec();
    }
    placeFocus();
}
