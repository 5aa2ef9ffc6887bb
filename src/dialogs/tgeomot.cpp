#include "dialogs/tgeomot.h"

#include "dialogs/ratiorules.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/imagelist.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int FirstSignRow = 35; // LongTexts: "k positivo", "k negativo"

} // namespace

Tgeomot::Tgeomot(QWidget *parent)
    : ParameterDialog(parent, HomothetyDialogGroup, HelpContext::HomothetyDialog)
    , m_segnoBox(new QGroupBox(contentArea()))
    , segno(new QButtonGroup(this))
    , m_ratio(contentArea(), ratioLabel(PositiveItem), QStringLiteral("edangolo"), QStringLiteral("pangolo"),
              HomothetyRatioRange, SpinDisplay::Tenths)
    , m_centreX(contentArea(), QString::fromUtf8(FixedTexts::HomothetyCentreXLabel), QStringLiteral("xo"),
                QStringLiteral("pxo"), HomothetyCentreXRange)
    , m_centreY(contentArea(), QString::fromUtf8(FixedTexts::HomothetyCentreYLabel), QStringLiteral("yo"),
                QStringLiteral("pyo"), HomothetyCentreYRange)
    , centro(new QCheckBox(contentArea()))
{
    setObjectName(QStringLiteral("Tgeomot"));
    m_segnoBox->setObjectName(QStringLiteral("segno"));
    segno->setObjectName(QStringLiteral("segnoButtons"));
    m_ratio.label->setObjectName(QStringLiteral("Label3"));
    centro->setObjectName(QStringLiteral("centro"));

    auto *signs = new QVBoxLayout(m_segnoBox);
    for (int item : {PositiveItem, NegativeItem}) {
        auto *button = new QRadioButton(m_segnoBox);
        button->setObjectName(QStringLiteral("segno%1").arg(item));
        signs->addWidget(button);
        segno->addButton(button, item);
    }
    connect(segno, &QButtonGroup::idClicked, this, &Tgeomot::segnoClick);

    auto *grid = new QGridLayout(contentArea());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_segnoBox, 0, 0, 1, 3);
    m_ratio.addTo(grid, 0, 3);
    m_centreX.addTo(grid, 1, 0);
    m_centreY.addTo(grid, 1, 3);
    grid->addWidget(centro, 2, 0, 1, 6);
    grid->setRowStretch(3, 1);
    setTabOrder({segno->button(PositiveItem), segno->button(NegativeItem), m_ratio.spin, m_centreX.spin,
                 m_centreY.spin, centro});
}

void Tgeomot::FormActivate()
{
    setWindowTitle(LongTexts.text(8));
    segno->button(PositiveItem)->setText(LongTexts.text(FirstSignRow));
    segno->button(NegativeItem)->setText(LongTexts.text(FirstSignRow + 1));
    m_ratio.setHint(hint(49));
    m_centreX.setHint(hint(47));
    m_centreY.setHint(hint(48));
    centro->setText(LongTexts.text(37));
    centro->setCursor(pointingCursor());

    const TransformSettingsValues &s = TransformSettings;
    const int slot = s.CurrentSlot;
    centro->setChecked(s.ShowHomothetyCentre[slot]);
    m_centreX.setPosition(s.HomothetyCentreX[slot]);
    m_centreY.setPosition(s.HomothetyCentreY[slot]);
    const int item = signItem(s.HomothetySign[slot]);
    segno->button(item)->setChecked(true);
    m_ratio.label->setText(ratioLabel(item));
    m_ratio.setPosition(tenthsPosition(s.HomothetyRatio[slot], HomothetyRatioRange));
}

void Tgeomot::segnoClick(int item)
{
    // Stored at once, not on OK: the sign survives a cancelled dialog.
    TransformSettings.HomothetySign[TransformSettings.CurrentSlot] = signOfItem(item);
    m_ratio.label->setText(ratioLabel(item));
}

bool Tgeomot::storeValues()
{
    TransformSettingsValues &s = TransformSettings;
    const int slot = s.CurrentSlot;
    s.ShowHomothetyCentre[slot] = centro->isChecked();
    s.HomothetyCentreX[slot] = m_centreX.position();
    s.HomothetyCentreY[slot] = m_centreY.position();
    s.HomothetyRatio[slot] = std::abs(tenthsValue(m_ratio.position()));
    return true;
}
