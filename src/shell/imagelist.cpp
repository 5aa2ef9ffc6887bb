#include "shell/imagelist.h"

#include <QList>

namespace ImageList1 {

namespace {

QList<QIcon> &appended()
{
    static QList<QIcon> pictures;
    return pictures;
}

} // namespace

QIcon image(int index)
{
    if (index >= BuiltInCount)
        return appended().value(index - BuiltInCount);
    if (index < 0)
        return {};
    const QPixmap picture(QStringLiteral(":/pictures/imagelist/%1.png").arg(index));
    return picture.isNull() ? QIcon() : QIcon(picture);
}

int append(const QPixmap &picture)
{
    appended().append(QIcon(picture));
    return BuiltInCount + int(appended().size()) - 1;
}

void removeAppended()
{
    appended().clear();
}

} // namespace ImageList1

QCursor pointingCursor()
{
    // The fingertip of the hand is the hot spot.
    static const QCursor cursor(QPixmap(QStringLiteral(":/pictures/destra.png")), 30, 11);
    return cursor;
}
