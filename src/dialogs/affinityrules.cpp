#include "dialogs/affinityrules.h"

#include "calc/expressionevaluator.h"
#include "lang/fixedtexts.h"

#include <algorithm>

namespace {

constexpr int GenericPreset = 0;

// Rows in preset order: generica, traslazione, rotazione, simmetria,
// omotetia, dilatazione, inclinazione; columns c, a, b, c', a', b'. The
// rotation is by 60 degrees; the shear's "0,5" shows that the decimal comma
// is accepted.
constexpr const char *PresetTexts[AffinePresetCount][AffineFieldCount] = {
    {"-8", "2", "0", "-3", "0", "2"},
    {"-4", "1", "0", "3", "0", "1"},
    {"0", "1/2", "-sqrt(3)/2", "0", "sqrt(3)/2", "1/2"},
    {"-2", "0", "-1", "-3", "-1", "0"},
    {"0", "1.5", "0", "0", "0", "1.5"},
    {"0", "2", "0", "0", "0", "1.5"},
    {"0", "1", "0,5", "0", "0", "1"},
};

constexpr AffineMatrix GenericMatrix{{{-8.0f, 2.0f, 0.0f}, {-3.0f, 0.0f, 2.0f}}};

} // namespace

bool applyAffineText(TransformSettingsValues &store, int slot, int field, const QString &text)
{
    Evaluator.Start(text);
    if (text.isEmpty())
        Evaluator.EvalMessage = QString::fromUtf8(FixedTexts::EmptyExpression);
    else
        Evaluator.CheckText();
    store.AffineText[slot][field] = text;
    const float value = Evaluator.ParseAndEvaluate();
    // A failed text leaves the last good value in place, so the matrix in
    // the store always holds numbers.
    if (Evaluator.EvalOk)
        store.AffineCoeff[slot][affineRow(field)][affineColumn(field)] = value;
    return Evaluator.EvalOk;
}

AffineTexts affinePresetTexts(int preset)
{
    AffineTexts texts;
    if (preset < 0 || preset >= AffinePresetCount)
        return texts;
    for (int field = 0; field < AffineFieldCount; ++field)
        texts[field] = QString::fromLatin1(PresetTexts[preset][field]);
    return texts;
}

std::optional<AffineMatrix> affinePresetMatrix(int preset)
{
    if (preset == GenericPreset)
        return GenericMatrix;
    return std::nullopt;
}

QString affineErrorLine(const AffineValidity &valid)
{
    QString line = QString::fromUtf8(FixedTexts::AffineErrorPrefix);
    for (int field = 0; field < AffineFieldCount; ++field) {
        if (!valid[field])
            line += QString::fromUtf8(FixedTexts::AffineErrorLabels[field]);
    }
    return line;
}
