#include "dialogs/taffina.h"

#include "calc/expressionevaluator.h"
#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpcontexts.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

// Component names in `AffineField` order.
constexpr const char *FieldNames[AffineFieldCount] = {"nome", "bis", "Edit1", "Edit2", "Edit3", "Edit4"};
// The fields from top to bottom: a, b, c, then a', b', c'.
constexpr int FieldsTopDown[AffineFieldCount] = {AffineA, AffineB, AffineC, AffineAPrime, AffineBPrime, AffineCPrime};
// ShortTexts rows of the presets, in `AffinePreset` order: generica,
// traslazione, rotazione, simmetria, omotetia, dilatazione, inclinazione.
constexpr int PresetRows[AffinePresetCount] = {29, 5, 6, 7, 8, 9, 19};

} // namespace

Taffina::Taffina(QWidget *parent)
    : ParameterDialog(parent, AffinityDialogGroup, HelpContext::AffinityDialog)
    , combinato(new QComboBox(contentArea()))
    , Label1(new QLabel(contentArea()))
{
    setObjectName(QStringLiteral("Taffina"));
    combinato->setObjectName(QStringLiteral("combinato"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    Label1->hide();

    contentArea()->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(contentArea());
    grid->addWidget(new QLabel(QString::fromUtf8(FixedTexts::AffineFormulaX), contentArea()), 0, 0, 1, 2);
    grid->addWidget(new QLabel(QString::fromUtf8(FixedTexts::AffineFormulaY), contentArea()), 1, 0, 1, 2);
    QList<QWidget *> order;
    for (int row = 0; row < AffineFieldCount; ++row) {
        const int field = FieldsTopDown[row];
        auto *edit = new QLineEdit(contentArea());
        edit->setObjectName(QString::fromLatin1(FieldNames[field]));
        edit->setMaxLength(ExpressionEvaluator::TextCapacity);
        auto *label = new QLabel(QString::fromUtf8(FixedTexts::AffineFieldLabels[field]), contentArea());
        label->setBuddy(edit);
        grid->addWidget(label, row + 2, 0, Qt::AlignRight);
        grid->addWidget(edit, row + 2, 1);
        connect(edit, &QLineEdit::textChanged, this, [this, field] { fieldChange(field); });
        m_fields[field] = edit;
        order << edit;
    }
    grid->addWidget(combinato, AffineFieldCount + 2, 0, 1, 2);
    grid->addWidget(Label1, AffineFieldCount + 3, 0, 1, 2);
    grid->setRowStretch(AffineFieldCount + 4, 1);
    // Only a pick by the user applies a preset; selecting the stored one on
    // opening does not.
    connect(combinato, &QComboBox::activated, this, &Taffina::combinatoChange);
    order << combinato;
    setTabOrder(order);
}

void Taffina::FormActivate()
{
    setWindowTitle(LongTexts.text(10));
    for (int row : PresetRows)
        combinato->addItem(ShortTexts.text(row));

    const TransformSettingsValues &s = TransformSettings;
    const int slot = s.CurrentSlot;
    m_valid.fill(false);
    combinato->setCurrentIndex(s.AffinePreset < AffinePresetCount ? s.AffinePreset : 0);
    const AffineTexts texts = s.AffineText[slot];
    for (int field = 0; field < AffineFieldCount; ++field)
        m_fields[field]->setText(texts[field]);
}

void Taffina::fieldChange(int field)
{
    Label1->hide();
    m_valid[field] = applyAffineText(TransformSettings, TransformSettings.CurrentSlot, field,
                                     m_fields[field]->text());
}

void Taffina::combinatoChange(int preset)
{
    const AffineTexts texts = affinePresetTexts(preset);
    for (int field = 0; field < AffineFieldCount; ++field)
        m_fields[field]->setText(texts[field]);
    if (const std::optional<AffineMatrix> values = affinePresetMatrix(preset))
        TransformSettings.AffineCoeff[TransformSettings.CurrentSlot] = *values;
}

bool Taffina::storeValues()
{
    for (int field = 0; field < AffineFieldCount; ++field)
        fieldChange(field);
    TransformSettingsValues &s = TransformSettings;
    s.AffinePreset = quint8(combinato->currentIndex());
    const bool valid = std::find(m_valid.cbegin(), m_valid.cend(), false) == m_valid.cend();
    // The step of this slot trusts its own flag rather than the evaluator's,
    // which the calculator may overwrite before the step runs.
    Evaluator.EvalOk = valid;
    s.AffineConfirmed[s.CurrentSlot] = valid;
    if (valid)
        return true;
    QApplication::beep();
    Label1->setText(affineErrorLine(m_valid));
    Label1->show();
    emit okRefused();
    return false;
}
