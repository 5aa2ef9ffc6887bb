#pragma once

#include "lang/languagetables.h"
#include "shell/vectorpicture.h"

#include <QImage>
#include <QKeySequence>
#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QWidget;

// A file dialog's title: the menu item that opens it, without its access key
// and dots.
QString dialogTitle(const QString &item);

// An action of `window` named `name`, whose `key` works while focus is in
// the window or its children.
QAction *windowAction(QWidget *window, NoticeRow textRow, const QKeySequence &key, const char *name);

// A file to save into, chosen in Qt's own file dialog titled after `item`:
// a name typed without an ending takes the one of the filter chosen
// (`suffixes` go with `filters`, in order). Empty when the dialog is left.
QString askSaveName(QWidget *parent, const QString &item, const char *objectName, const QStringList &filters,
                    const QStringList &suffixes);

// A failed write told in a message window: `headline`, the file, and why.
void tellNotSaved(QWidget *parent, NoticeRow headline, const QString &path, const QString &failure);

// "Copy picture" (Ctrl+C) and "Save picture..." (Ctrl+S) for a window that
// shows a drawing: the clipboard gets the picture, or a PNG, JPEG or BMP
// file chosen in Qt's own file dialog (the same on every platform, and one
// tests can drive); a window that can paint its drawing again as shapes
// also offers SVG and PDF. A failed write is told in a message window; the
// file dialog and the message are the window's modal children.
class PictureCommands : public QObject
{
    Q_OBJECT

public:
    // The actions work while focus is in `window` or its children;
    // `picture` gives what the window shows at the moment of the command.
    PictureCommands(QWidget *window, std::function<QImage()> picture, VectorDrawing vector = {});

    QAction *copyAction() const { return m_copy; }
    QAction *saveAction() const { return m_save; }

    void copyPicture();
    void savePicture();

private:
    QWidget *m_window;
    std::function<QImage()> m_picture;
    VectorDrawing m_vector;
    QAction *m_copy;
    QAction *m_save;
};
