#include "dialogs/tgeosim.h"

#include "dialogs/symmetryrules.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/imagelist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

Tgeosim::Tgeosim(QWidget *parent)
    : ParameterDialog(parent, SymmetryDialogGroup, HelpContext::SymmetryDialog)
    , m_tiposimBox(new QGroupBox(contentArea()))
    , tiposim(new QButtonGroup(this))
    , m_x(contentArea(), QString::fromUtf8(FixedTexts::SymmetryXLabel), QStringLiteral("xzero"),
          QStringLiteral("pxzero"), SymmetryCentreXRange)
    , m_y(contentArea(), QString::fromUtf8(FixedTexts::SymmetryYLabel), QStringLiteral("yzero"),
          QStringLiteral("pyzero"), SymmetryCentreYRange)
    , m_angle(contentArea(), QString::fromUtf8(FixedTexts::SymmetryAngleLabel), QStringLiteral("angolo"),
              QStringLiteral("pangolo"), SymmetryAngleRange)
    , Edit3(new QLineEdit(contentArea()))
    , m_q(contentArea(), QString::fromUtf8(FixedTexts::SymmetryQLabel), QStringLiteral("qu"), QStringLiteral("pqu"),
          SymmetryQRange)
    , centrasse(new QCheckBox(contentArea()))
{
    setObjectName(QStringLiteral("Tgeosim"));
    m_tiposimBox->setObjectName(QStringLiteral("tiposim"));
    tiposim->setObjectName(QStringLiteral("tiposimButtons"));
    centrasse->setObjectName(QStringLiteral("centrasse"));
    Edit3->setObjectName(QStringLiteral("Edit3"));

    auto *kinds = new QVBoxLayout(m_tiposimBox);
    for (int kind = 0; kind < SymmetryKindCount; ++kind) {
        auto *item = new QRadioButton(QString::fromUtf8(FixedTexts::SymmetryKindItems[kind]), m_tiposimBox);
        item->setObjectName(QStringLiteral("tiposim%1").arg(kind));
        kinds->addWidget(item);
        tiposim->addButton(item, kind);
    }
    connect(tiposim, &QButtonGroup::idClicked, this, &Tgeosim::tiposimClick);

    // The slope is shown, never edited: it follows the inclination.
    Edit3->setReadOnly(true);
    Edit3->setFocusPolicy(Qt::NoFocus);
    Edit3->setAlignment(Qt::AlignRight);
    Edit3->setAccessibleName(QString::fromUtf8(FixedTexts::SymmetrySlopeLabel));
    Edit3->setFixedWidth(m_x.field->width());
    Edit3->setStyleSheet(m_x.field->styleSheet());
    connect(m_angle.spin, &QSpinBox::valueChanged, this, &Tgeosim::pangoloClick);

    auto *left = new QVBoxLayout;
    left->addWidget(m_tiposimBox);
    left->addWidget(centrasse);
    left->addStretch();

    auto *rows = new QGridLayout;
    m_x.addTo(rows, 0, 0);
    m_y.addTo(rows, 1, 0);
    m_angle.addTo(rows, 2, 0);
    rows->addWidget(new QLabel(QString::fromUtf8(FixedTexts::SymmetrySlopeLabel), contentArea()), 3, 0,
                    Qt::AlignRight);
    rows->addWidget(Edit3, 3, 1);
    m_q.addTo(rows, 4, 0);
    rows->setRowStretch(5, 1);

    auto *layout = new QHBoxLayout(contentArea());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left);
    layout->addSpacing(12);
    layout->addLayout(rows);

    QList<QWidget *> order(tiposim->buttons().cbegin(), tiposim->buttons().cend());
    order << centrasse << m_x.spin << m_y.spin << m_angle.spin << m_q.spin;
    setTabOrder(order);
}

void Tgeosim::FormActivate()
{
    setWindowTitle(LongTexts.text(7));
    m_tiposimBox->setTitle(LongTexts.text(39));
    m_x.setHint(hint(54));
    m_y.setHint(hint(55));
    m_angle.setHint(hint(56));
    Edit3->setToolTip(hint(57));
    m_q.setHint(hint(58));
    centrasse->setText(LongTexts.text(40));
    centrasse->setCursor(pointingCursor());
    for (QAbstractButton *item : tiposim->buttons())
        item->setCursor(pointingCursor());

    const TransformSettingsValues &s = TransformSettings;
    const int slot = s.CurrentSlot;
    centrasse->setChecked(s.ShowSymmetryElement[slot]);
    const int kind = s.SymmetryKind[slot] < SymmetryKindCount ? int(s.SymmetryKind[slot]) : int(PointSymmetry);
    tiposim->button(kind)->setChecked(true);
    tiposimClick(kind);
    m_x.setPosition(s.SymmetryCentreX[slot]);
    m_y.setPosition(s.SymmetryCentreY[slot]);
    m_angle.setPosition(s.SymmetryAxisAngle[slot]);
    // The spin signals no change when the stored angle is the position it
    // already has, and the slope must be shown all the same.
    pangoloClick();
    m_q.setPosition(s.SymmetryAxisQ[slot]);
}

void Tgeosim::tiposimClick(int kind)
{
    const SymmetryRows rows = rowsForSymmetryKind(kind);
    m_x.setEnabled(rows.x);
    m_y.setEnabled(rows.y);
    m_angle.setEnabled(rows.line);
    Edit3->setEnabled(rows.line);
    m_q.setEnabled(rows.line);
}

void Tgeosim::pangoloClick()
{
    Edit3->setText(slopeText(m_angle.position()));
}

bool Tgeosim::storeValues()
{
    // Every value is stored whatever the kind, those of disabled rows too,
    // so that the next opening shows them as they were left.
    TransformSettingsValues &s = TransformSettings;
    const int slot = s.CurrentSlot;
    s.ShowSymmetryElement[slot] = centrasse->isChecked();
    s.SymmetryKind[slot] = quint8(tiposim->checkedId());
    s.SymmetryCentreX[slot] = m_x.position();
    s.SymmetryCentreY[slot] = m_y.position();
    s.SymmetryAxisQ[slot] = m_q.position();
    s.SymmetryAxisAngle[slot] = m_angle.position();
    return true;
}
