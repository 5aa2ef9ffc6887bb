#include "support/dialogdriver.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace DialogDriver {

QString text(const QWidget *dialog, const QString &name)
{
    if (auto *edit = child<QLineEdit>(dialog, name))
        return edit->text();
    if (auto *label = child<QLabel>(dialog, name))
        return label->text();
    if (auto *box = child<QCheckBox>(dialog, name))
        return QString::number(box->isChecked());
    if (auto *group = child<QButtonGroup>(dialog, name))
        return QString::number(group->checkedId());
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

} // namespace DialogDriver
