#include "dialogs/tgeotrasla.h"

#include "dialogs/motionrules.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"
#include "shell/imagelist.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>

Tgeotrasla::Tgeotrasla(QWidget *parent)
    : ParameterDialog(parent, TranslationDialogGroup, HelpContext::TranslationDialog)
    , m_x(contentArea(), QString::fromUtf8(FixedTexts::TranslationXLabel), QStringLiteral("orix"),
          QStringLiteral("porix"), TranslationDXRange)
    , m_y(contentArea(), QString::fromUtf8(FixedTexts::TranslationYLabel), QStringLiteral("oriy"),
          QStringLiteral("poriy"), TranslationDYRange)
    , vettore(new QCheckBox(contentArea()))
{
    setObjectName(QStringLiteral("Tgeotrasla"));
    vettore->setObjectName(QStringLiteral("vettore"));

    contentArea()->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(contentArea());
    m_x.addTo(grid, 0, 0);
    m_y.addTo(grid, 1, 0);
    grid->addWidget(vettore, 2, 0, 1, 3);
    grid->setRowStretch(3, 1);
    setTabOrder({m_x.spin, m_y.spin, vettore});
}

void Tgeotrasla::FormActivate()
{
    setWindowTitle(LongTexts.text(5));
    m_x.setHint(hint(59));
    m_y.setHint(hint(60));
    vettore->setText(LongTexts.text(41));
    vettore->setCursor(pointingCursor());

    const int slot = TransformSettings.CurrentSlot;
    vettore->setChecked(TransformSettings.ShowTranslationVector[slot]);
    m_x.setPosition(TransformSettings.TranslationDX[slot]);
    m_y.setPosition(TransformSettings.TranslationDY[slot]);
}

bool Tgeotrasla::storeValues()
{
    const int slot = TransformSettings.CurrentSlot;
    TransformSettings.ShowTranslationVector[slot] = vettore->isChecked();
    TransformSettings.TranslationDX[slot] = m_x.position();
    TransformSettings.TranslationDY[slot] = m_y.position();
    return true;
}
