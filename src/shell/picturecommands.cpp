#include "shell/picturecommands.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/picturefile.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

QAction *windowAction(QWidget *window, NoticeRow textRow, QKeySequence::StandardKey key, const char *name)
{
    auto *action = new QAction(noticeText(textRow), window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    // Ctrl+C and Ctrl+S belong to this window only: the other child of the
    // main window has its own picture.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window->addAction(action);
    return action;
}

} // namespace

QString dialogTitle(const QString &item)
{
    QString title = item;
    title.remove(QLatin1Char('&'));
    while (title.endsWith(QLatin1Char('.')) || title.endsWith(QChar(0x2026)))
        title.chop(1);
    return title;
}

PictureCommands::PictureCommands(QWidget *window, std::function<QImage()> picture)
    : QObject(window)
    , m_window(window)
    , m_picture(std::move(picture))
    , m_copy(windowAction(window, CopyPictureItem, QKeySequence::Copy, "copiaimmagine"))
    , m_save(windowAction(window, SavePictureItem, QKeySequence::Save, "salvaimmagine"))
{
    connect(m_copy, &QAction::triggered, this, &PictureCommands::copyPicture);
    connect(m_save, &QAction::triggered, this, &PictureCommands::savePicture);
}

void PictureCommands::copyPicture()
{
    QGuiApplication::clipboard()->setImage(m_picture());
}

void PictureCommands::savePicture()
{
    const QImage picture = m_picture();
    QFileDialog dialog(m_window, dialogTitle(m_save->text()));
    dialog.setObjectName(QStringLiteral("salvaimmagine"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const auto &[filter, suffix] : FixedTexts::PictureFilters)
        filters << QString::fromLatin1(filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(FixedTexts::PictureFilters[0][1]));
    // A name typed without an ending takes the format chosen in the list.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString &filter) {
        if (const qsizetype chosen = filters.indexOf(filter); chosen >= 0)
            dialog.setDefaultSuffix(QString::fromLatin1(FixedTexts::PictureFilters[chosen][1]));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (const auto failure = writePictureFile(picture, path)) {
        QMessageBox box(QMessageBox::Warning, LongTexts.text(0),
                        noticeText(PictureNotSaved) + QLatin1Char('\n') + path + QLatin1Char('\n') + *failure,
                        QMessageBox::Ok, m_window);
        box.exec();
    }
}
