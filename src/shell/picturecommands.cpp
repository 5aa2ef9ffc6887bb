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

QAction *windowAction(QWidget *window, NoticeRow textRow, const QKeySequence &key, const char *name)
{
    auto *action = new QAction(noticeText(textRow), window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    // The keys belong to this window only: the other children of the main
    // window have their own pictures.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window->addAction(action);
    return action;
}

QString dialogTitle(const QString &item)
{
    QString title = item;
    title.remove(QLatin1Char('&'));
    while (title.endsWith(QLatin1Char('.')) || title.endsWith(QChar(0x2026)))
        title.chop(1);
    return title;
}

QString askSaveName(QWidget *parent, const QString &item, const char *objectName, const QStringList &filters,
                    const QStringList &suffixes)
{
    QFileDialog dialog(parent, dialogTitle(item));
    dialog.setObjectName(QString::fromLatin1(objectName));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.value(0));
    // A name typed without an ending takes the format chosen in the list.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, suffixes](const QString &filter) {
        if (const qsizetype chosen = filters.indexOf(filter); chosen >= 0)
            dialog.setDefaultSuffix(suffixes.value(chosen));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void tellNotSaved(QWidget *parent, NoticeRow headline, const QString &path, const QString &failure)
{
    QMessageBox box(QMessageBox::Warning, LongTexts.text(0),
                    noticeText(headline) + QLatin1Char('\n') + path + QLatin1Char('\n') + failure, QMessageBox::Ok,
                    parent);
    box.exec();
}

PictureCommands::PictureCommands(QWidget *window, std::function<QImage()> picture, VectorDrawing vector)
    : QObject(window)
    , m_window(window)
    , m_picture(std::move(picture))
    , m_vector(std::move(vector))
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
    const bool vector = bool(m_vector.paint);
    QStringList filters;
    QStringList suffixes;
    const auto offer = [&](const auto &table) {
        for (const auto &[filter, suffix] : table) {
            filters << QString::fromLatin1(filter);
            suffixes << QString::fromLatin1(suffix);
        }
    };
    offer(FixedTexts::PictureFilters);
    if (vector)
        offer(FixedTexts::VectorPictureFilters);
    const QString path = askSaveName(m_window, m_save->text(), "salvaimmagine", filters, suffixes);
    if (path.isEmpty())
        return;
    std::optional<QString> failure;
    if (vector && isVectorPictureName(path))
        failure = writeVectorPicture(m_vector, path, m_window->windowTitle().trimmed());
    else if (vector && pictureFormat(path).isEmpty())
        failure = noticeText(PictureOrVectorNameUnknown);
    else
        failure = writePictureFile(picture, path);
    if (failure)
        tellNotSaved(m_window, PictureNotSaved, path, *failure);
}
