#include "dialogs/tgeorota.h"

#include "dialogs/motionrules.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/imagelist.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>

Tgeorota::Tgeorota(QWidget *parent)
    : ParameterDialog(parent, RotationDialogGroup, HelpContext::RotationDialog)
    , m_centreX(contentArea(), QString::fromUtf8(FixedTexts::RotationCentreXLabel), QStringLiteral("orix"),
                QStringLiteral("porix"), RotationCentreRange)
    , m_centreY(contentArea(), QString::fromUtf8(FixedTexts::RotationCentreYLabel), QStringLiteral("oriy"),
                QStringLiteral("poriy"), RotationCentreRange)
    , m_angle(contentArea(), QString::fromUtf8(FixedTexts::RotationAngleLabel), QStringLiteral("edangolo"),
              QStringLiteral("pangolo"), RotationAngleRange)
    , raggic(new QCheckBox(contentArea()))
{
    setObjectName(QStringLiteral("Tgeorota"));
    raggic->setObjectName(QStringLiteral("raggic"));

    contentArea()->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(contentArea());
    m_centreX.addTo(grid, 0, 0);
    m_centreY.addTo(grid, 1, 0);
    m_angle.addTo(grid, 2, 0);
    grid->addWidget(raggic, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    setTabOrder({m_centreX.spin, m_centreY.spin, m_angle.spin, raggic});
}

void Tgeorota::FormActivate()
{
    setWindowTitle(LongTexts.text(6));
    m_centreX.setHint(hint(51));
    m_centreY.setHint(hint(52));
    m_angle.setHint(hint(50));
    raggic->setText(LongTexts.text(38));

    const int slot = TransformSettings.CurrentSlot;
    // With the axes moving the rotation is a turn of the frame about the
    // origin, so the centre is fixed there, in the store too.
    if (TransformSettings.FrameMode == 1) {
        m_centreX.setEnabled(false);
        m_centreY.setEnabled(false);
        TransformSettings.RotationCentreX[slot] = 0;
        TransformSettings.RotationCentreY[slot] = 0;
    }
    raggic->setCursor(pointingCursor());

    raggic->setChecked(TransformSettings.ShowRotationArcs[slot]);
    m_centreX.setPosition(TransformSettings.RotationCentreX[slot]);
    m_centreY.setPosition(TransformSettings.RotationCentreY[slot]);
    m_angle.setPosition(TransformSettings.RotationAngle[slot]);
}

bool Tgeorota::storeValues()
{
    const int slot = TransformSettings.CurrentSlot;
    TransformSettings.ShowRotationArcs[slot] = raggic->isChecked();
    TransformSettings.RotationCentreX[slot] = m_centreX.position();
    TransformSettings.RotationCentreY[slot] = m_centreY.position();
    TransformSettings.RotationAngle[slot] = m_angle.position();
    return true;
}
