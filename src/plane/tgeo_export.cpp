// What leaves the room: pictures of the drawing, whole or cropped to the
// figures, on black or on white, as pixels or as shapes; and the last step
// as an animated GIF for slides; and a worksheet to print.
#include "plane/tgeo.h"

#include "lang/languagetables.h"
#include "lang/regularfile.h"
#include "plane/worksheet.h"
#include "shell/gifanimation.h"
#include "shell/picturecommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

void Tgeo::createPictureItems()
{
    const VectorDrawing vector{[this] { return m_canvas.picturePart(m_pictureLook.onlyFigures).size(); },
                               [this](QPainter &p) { paintDrawingPicture(p); }};
    m_pictures = new PictureCommands(this, [this] { return drawingPicture(); }, vector);
    PopupMenu1->addActions({m_pictures->copyAction(), m_pictures->saveAction()});
    const auto option = [this](NoticeRow text, const char *name, bool PictureLook::*field) {
        QAction *item = PopupMenu1->addAction(noticeText(text), this, [this, field](bool on) { m_pictureLook.*field = on; });
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
    };
    option(OnlyFiguresItem, "solofigure", &PictureLook::onlyFigures);
    option(LightPictureItem, "fondobianco", &PictureLook::light);
    QAction *save = PopupMenu1->addAction(noticeText(SaveAnimationItem), this, &Tgeo::askToSaveAnimation);
    save->setObjectName(QStringLiteral("salvaanimazione"));
    QAction *loop = PopupMenu1->addAction(noticeText(LoopAnimationItem), this, [this](bool on) { m_loopAnimation = on; });
    loop->setObjectName(QStringLiteral("animazioneciclo"));
    loop->setCheckable(true);
    loop->setChecked(m_loopAnimation);
    QAction *print = windowAction(this, PrintWorksheetItem, QKeySequence::Print, "stampascheda");
    connect(print, &QAction::triggered, this, &Tgeo::printWorksheet);
    PopupMenu1->addAction(print);
    PopupMenu1->addSeparator();
    createViewItems();
}

namespace {

// How long the picture before the step and the one after it are held.
constexpr int StartHold = 1000;
constexpr int EndHold = 2000;

} // namespace

void Tgeo::replayLastStep(const std::function<void(int delayMs)> &frame)
{
    const PlaneCanvas::Kept shown = m_canvas.kept();
    if (m_sequenceStart)
        replayStep(*m_sequenceStart, frame);
    replayStep(*m_stepStart, frame);
    frame(EndHold);
    m_canvas.restore(shown);
    present();
    updateTransport();
}

void Tgeo::replayStep(const StepStart &start, const std::function<void(int delayMs)> &frame)
{
    restoreStepStart(start);
    frame(StartHold);
    m_frameRecorder = frame;
    startStep(start.kind);
    // Each kind's frame handler, called as its timer would call it, until
    // the step ends; the kinds drawn at once have ended already.
    if (!m_flow.FrameMode && AnimationTransport::animated(RunningKind)) {
        while (stepTimer()->isActive())
            runStepFrame();
    }
    m_frameRecorder = nullptr;
}

void Tgeo::askToSaveAnimation()
{
    if (!m_stepStart || stepAnimating()) {
        QMessageBox box(QMessageBox::Information, LongTexts.text(0), noticeText(NoAnimation), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("noAnimation"));
        box.exec();
        return;
    }
    const QString path = askSaveName(this, noticeText(SaveAnimationItem), "salvaanimazione",
                                     {noticeText(AnimationFilterName)}, {QStringLiteral("gif")});
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().toLower() != QLatin1String("gif")) {
        tellNotSaved(this, AnimationNotSaved, path, noticeText(AnimationNameUnknown));
        return;
    }
    QByteArray bytes;
    std::optional<QString> failure = animation(bytes);
    if (!failure) {
        if (const auto written = RegularFile::write(path, bytes, RegularFile::Existing::Replace))
            failure = written->reason();
    }
    if (failure)
        tellNotSaved(this, AnimationNotSaved, path, *failure);
}

std::optional<QString> Tgeo::animation(QByteArray &bytes)
{
    // Cropped, the part shown holds every frame's figures: the step is
    // replayed once to find it.
    QRect part;
    if (m_pictureLook.onlyFigures)
        replayLastStep([this, &part](int) { part |= m_canvas.picturePart(true); });
    else
        part = m_canvas.drawingArea();
    GifAnimation gif(m_canvas.imageRect(part).size(), m_loopAnimation);
    replayLastStep([&](int delay) { gif.addFrame(m_canvas.picture(m_pictureLook, part), delay); });
    return gif.finish(bytes);
}

Worksheet::Sheet Tgeo::worksheet() const
{
    const Worksheet::Texts texts{m_lessonTitle.isEmpty() ? noticeText(WorksheetTitle) : m_lessonTitle,
                                 noticeText(WorksheetName),
                                 noticeText(WorksheetScale),
                                 noticeText(WorksheetTask),
                                 noticeText(WorksheetStart),
                                 noticeText(WorksheetAfter),
                                 noticeText(WorksheetKey),
                                 noticeText(WorksheetStep),
                                 noticeText(WorksheetMatrix)};
    return Worksheet::sheet(
        dataTableInputs(TransformSettings, m_flow.TransformCount, m_tableKindName1, m_tableKindName2), texts);
}

void Tgeo::printWorksheet()
{
    const Worksheet::Sheet sheet = worksheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(Worksheet::paperForLocale(QLocale()));
    printer.setFullPage(true);
    printer.setDocName(sheet.texts.title);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("anteprimascheda"));
    preview.setWindowTitle(dialogTitle(noticeText(PrintWorksheetItem)));
    // A page high, whole, as the main window leaves room for.
    preview.resize(window()->size() * 0.9);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&sheet](QPrinter *device) { Worksheet::paint(*device, sheet); });
    preview.exec();
}
