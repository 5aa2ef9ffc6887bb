#pragma once

#include <QImage>
#include <QObject>

#include <functional>

class QAction;
class QWidget;

// A file dialog's title: the menu item that opens it, without its access key
// and dots.
QString dialogTitle(const QString &item);

// "Copy picture" (Ctrl+C) and "Save picture..." (Ctrl+S) for a window that
// shows a drawing: the clipboard gets the picture, or a PNG file chosen in
// Qt's own file dialog (the same on every platform, and one tests can
// drive). A failed write is told in a message window; the file dialog and
// the message are the window's modal children.
class PictureCommands : public QObject
{
    Q_OBJECT

public:
    // The actions work while focus is in `window` or its children;
    // `picture` gives what the window shows at the moment of the command.
    PictureCommands(QWidget *window, std::function<QImage()> picture);

    QAction *copyAction() const { return m_copy; }
    QAction *saveAction() const { return m_save; }

    void copyPicture();
    void savePicture();

private:
    QWidget *m_window;
    std::function<QImage()> m_picture;
    QAction *m_copy;
    QAction *m_save;
};
