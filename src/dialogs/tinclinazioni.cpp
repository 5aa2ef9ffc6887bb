#include "dialogs/tinclinazioni.h"

#include "dialogs/ratiorules.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int FirstSignRow = 35; // LongTexts: "k positivo", "k negativo"

QGroupBox *choice(QWidget *parent, QButtonGroup *group, const QString &name)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(name);
    group->setObjectName(name + QStringLiteral("Buttons"));
    auto *items = new QHBoxLayout(box);
    for (int item = 0; item < 2; ++item) {
        auto *button = new QRadioButton(box);
        button->setObjectName(name + QString::number(item));
        items->addWidget(button);
        group->addButton(button, item);
    }
    return box;
}

} // namespace

Tinclinazioni::Tinclinazioni(QWidget *parent)
    : ParameterDialog(parent, DilationShearDialogGroup, HelpContext::ShearDialog)
    , sceltasse(new QButtonGroup(this))
    , segnokappa(new QButtonGroup(this))
    , m_coefficient(contentArea(), QString::fromUtf8(FixedTexts::ShearLabel), QStringLiteral("dily"),
                    QStringLiteral("pdily"), ShearRange, SpinDisplay::Tenths)
{
    setObjectName(QStringLiteral("Tinclinazioni"));
    m_sceltasseBox = choice(contentArea(), sceltasse, QStringLiteral("sceltasse"));
    m_segnokappaBox = choice(contentArea(), segnokappa, QStringLiteral("segnokappa"));
    for (int axis : {ShearAlongX, ShearAlongY})
        sceltasse->button(axis)->setText(QString::fromUtf8(FixedTexts::ShearAxisItems[axis]));
    // This dialog gives the pointing cursor to its buttons alone.
    m_coefficient.spin->unsetCursor();

    auto *grid = new QGridLayout(contentArea());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_sceltasseBox, 0, 0, 1, 3);
    grid->addWidget(m_segnokappaBox, 1, 0, 1, 3);
    m_coefficient.addTo(grid, 2, 0);
    grid->setRowStretch(3, 1);
    setTabOrder({sceltasse->button(ShearAlongX), sceltasse->button(ShearAlongY), segnokappa->button(PositiveItem),
                 segnokappa->button(NegativeItem), m_coefficient.spin});
}

void Tinclinazioni::FormActivate()
{
    setWindowTitle(LongTexts.text(56));
    m_sceltasseBox->setTitle(LongTexts.text(57));
    // " x" alone says little out of the box's sight.
    for (int axis : {ShearAlongX, ShearAlongY})
        sceltasse->button(axis)->setAccessibleName(LongTexts.text(57) + sceltasse->button(axis)->text());
    segnokappa->button(PositiveItem)->setText(LongTexts.text(FirstSignRow));
    segnokappa->button(NegativeItem)->setText(LongTexts.text(FirstSignRow + 1));
    m_coefficient.setHint(hint(49));

    const TransformSettingsValues &s = TransformSettings;
    const int slot = s.CurrentSlot;
    const int axis = s.ShearAxis[slot] == ShearAlongY ? ShearAlongY : ShearAlongX;
    sceltasse->button(axis)->setChecked(true);
    segnokappa->button(s.ShearSign[slot] == NegativeItem ? NegativeItem : PositiveItem)->setChecked(true);
    // Changing the axis later does not reload the coefficient: the one shown
    // is the one OK stores, under whichever axis is then chosen.
    const float stored = shownShear(axis, {s.ShearX[slot], s.ShearY[slot]});
    m_coefficient.setPosition(tenthsPosition(stored, ShearRange));
}

bool Tinclinazioni::storeValues()
{
    TransformSettingsValues &s = TransformSettings;
    const int slot = s.CurrentSlot;
    const int axis = sceltasse->checkedId();
    const ShearCoefficients coefficients = shearCoefficients(axis, tenthsValue(m_coefficient.position()));
    s.ShearX[slot] = coefficients.x;
    s.ShearY[slot] = coefficients.y;
    s.ShearSign[slot] = quint8(segnokappa->checkedId());
    s.ShearAxis[slot] = quint8(axis);
    return true;
}
