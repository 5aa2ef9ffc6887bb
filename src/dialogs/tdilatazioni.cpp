#include "dialogs/tdilatazioni.h"

#include "dialogs/ratiorules.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"

#include <QFrame>
#include <QGridLayout>

Tdilatazioni::Tdilatazioni(QWidget *parent)
    : ParameterDialog(parent, DilationShearDialogGroup, HelpContext::DilationDialog)
    , m_x(contentArea(), QString::fromUtf8(FixedTexts::DilationXLabel), QStringLiteral("dilx"),
          QStringLiteral("pdilx"), DilationRange, SpinDisplay::Tenths)
    , m_y(contentArea(), QString::fromUtf8(FixedTexts::DilationYLabel), QStringLiteral("dily"),
          QStringLiteral("pdily"), DilationRange, SpinDisplay::Tenths)
{
    setObjectName(QStringLiteral("Tdilatazioni"));
    // This dialog gives the pointing cursor to its buttons alone.
    m_x.spin->unsetCursor();
    m_y.spin->unsetCursor();

    contentArea()->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(contentArea());
    m_x.addTo(grid, 0, 0);
    m_y.addTo(grid, 1, 0);
    grid->setRowStretch(2, 1);
    setTabOrder({m_x.spin, m_y.spin});
}

void Tdilatazioni::FormActivate()
{
    setWindowTitle(LongTexts.text(9));
    m_x.setHint(hint(45));
    m_y.setHint(hint(46));

    const int slot = TransformSettings.CurrentSlot;
    m_x.setPosition(tenthsPosition(TransformSettings.DilationX[slot], DilationRange));
    m_y.setPosition(tenthsPosition(TransformSettings.DilationY[slot], DilationRange));
}

bool Tdilatazioni::storeValues()
{
    const int slot = TransformSettings.CurrentSlot;
    TransformSettings.DilationX[slot] = tenthsValue(m_x.position());
    TransformSettings.DilationY[slot] = tenthsValue(m_y.position());
    return true;
}
