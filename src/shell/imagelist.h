#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The pictures of menus and tool buttons, addressed by their fixed positions
// (flags at 24..26, window and help pictures at 12..14, tool buttons below);
// flags of loaded languages are appended after the built-in positions.
namespace ImageList1 {

constexpr int BuiltInCount = 27;

// The pictures more than one window shows.
enum SharedPicture {
    HelpPicture = 12,
    PreviousPicture = 13,
    NextPicture = 14,
    FrenchFlag = 24,
    EnglishFlag = 25,
    ItalianFlag = 26,
};

QIcon image(int index);
int append(const QPixmap &picture);
void removeAppended();

} // namespace ImageList1

// Cursor 5, the pointing hand over every button and spin control.
QCursor pointingCursor();
