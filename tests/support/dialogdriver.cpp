#include "support/dialogdriver.h"

#include "dialogs/spincontrol.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace DialogDriver {

SpinControl *spin(const QWidget *dialog, const QString &name)
{
    return child<SpinControl>(dialog, name);
}

QString text(const QWidget *dialog, const QString &name)
{
    if (auto *edit = child<QLineEdit>(dialog, name))
        return edit->text();
    if (auto *label = child<QLabel>(dialog, name))
        return label->text();
    return QStringLiteral("<no control %1>").arg(name);
}

void click(const QWidget *dialog, const QString &name)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

void chooseItem(const QWidget *dialog, const QString &name)
{
    auto *item = child<QAbstractButton>(dialog, name);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

void pressOk(const QWidget *dialog)
{
    click(dialog, QStringLiteral("BitBtn1"));
}

void pressCancel(const QWidget *dialog)
{
    click(dialog, QStringLiteral("BitBtn2"));
}

} // namespace DialogDriver
