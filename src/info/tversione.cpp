#include "info/tversione.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/imagelist.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr QSize WindowSize(309, 134);

QLabel *boldLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

Tversione::Tversione(const QString &refusedPath, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("versione"));
    setWindowTitle(LongTexts.text(0));
    setStyleSheet(QStringLiteral("Tversione { background: silver; }"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    auto *ok = new QPushButton(QString::fromLatin1(FixedTexts::OkCaption), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setCursor(pointingCursor());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(boldLabel(LongTexts.text(52), "Label1", this));
    texts->addWidget(boldLabel(QFileInfo(refusedPath).fileName(), "Label2", this));
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // A dialog of fixed size, wider only when a long file name needs it.
    setFixedSize(sizeHint().expandedTo(WindowSize));
}

void Tversione::mousePressEvent(QMouseEvent *event)
{
    QApplication::beep();
    QDialog::mousePressEvent(event);
}
