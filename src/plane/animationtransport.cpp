#include "plane/animationtransport.h"

#include "plane/dilationframes.h"
#include "plane/homothetyframes.h"
#include "plane/rotationframes.h"
#include "plane/shearframes.h"
#include "plane/translationframes.h"

#include <cmath>

namespace AnimationTransport {

namespace {

constexpr double SpeedFactors[SpeedCount] = {0.25, 0.5, 1, 2, 4};
constexpr const char *SpeedTexts[SpeedCount] = {"×0.25", "×0.5", "×1", "×2", "×4"};

QString twoDecimals(double value)
{
    return QString::number(value, 'f', 2);
}

// The values of the frame drawn after `frames` steps from the prepared ones.
StepValues valuesAfter(int kind, StepValues values, const SlotParameters &parameters, int frames)
{
    for (int i = 0; i < frames && !ended(kind, values, parameters); ++i)
        advance(kind, values, parameters);
    return values;
}

int frameTotal(int kind, StepValues values, const SlotParameters &parameters)
{
    // A translation by (0, 0) draws no frame; every other kind draws at
    // least the start.
    if (kind == Traslazione && values.StepCount == 0)
        return 0;
    int total = 0;
    for (; !ended(kind, values, parameters); ++total)
        advance(kind, values, parameters);
    return total;
}

QString valueText(int kind, const StepValues &v, const SlotParameters &parameters)
{
    switch (kind) {
    case Traslazione:
        return QStringLiteral("t = ") + twoDecimals(v.StepCount == 0 ? 0.0 : v.AnimProgress / v.StepCount);
    case Rotazione:
        return QStringLiteral("α = %1°").arg(v.StepIndex);
    case Omotetia:
        return QStringLiteral("k = ") + twoDecimals(v.AnimProgress);
    case Dilatazione:
        return QStringLiteral("a = %1; b = %2").arg(twoDecimals(v.AnimFactorX), twoDecimals(v.AnimFactorY));
    default: {
        const float amount = parameters.ShearAxis == 0 ? v.AnimFactorX : v.AnimFactorY;
        return QStringLiteral("k = ") + twoDecimals(ShearFrames::sign(parameters) * amount);
    }
    }
}

} // namespace

int interval(int nominalMs, int speed)
{
    return int(std::nearbyint(nominalMs / SpeedFactors[speed]));
}

QString speedText(int speed)
{
    return QString::fromUtf8(SpeedTexts[speed]);
}

int faster(int speed)
{
    return std::min(speed + 1, SpeedCount - 1);
}

int slower(int speed)
{
    return std::max(speed - 1, 0);
}

bool animated(int kind)
{
    return kind == Traslazione || kind == Rotazione || kind == Omotetia || kind == Dilatazione
        || kind == Inclinazione;
}

bool ended(int kind, const StepValues &values, const SlotParameters &parameters)
{
    switch (kind) {
    case Traslazione:
        return TranslationFrames::ended(values);
    case Rotazione:
        return RotationFrames::ended(values);
    case Omotetia:
        return HomothetyFrames::ended(values, parameters);
    case Dilatazione:
        return DilationFrames::ended(values);
    default:
        return ShearFrames::ended(values);
    }
}

void advance(int kind, StepValues &values, const SlotParameters &parameters)
{
    switch (kind) {
    case Traslazione:
        TranslationFrames::advance(values);
        break;
    case Rotazione:
        RotationFrames::advance(values);
        break;
    case Omotetia:
        HomothetyFrames::advance(values, parameters);
        break;
    case Dilatazione:
        DilationFrames::advance(values);
        break;
    default:
        ShearFrames::advance(values, parameters);
        break;
    }
}

Readout readout(int kind, const StepValues &prepared, const SlotParameters &parameters, int shown)
{
    const int total = frameTotal(kind, prepared, parameters);
    const StepValues last = valuesAfter(kind, prepared, parameters, std::max(shown - 1, 0));
    return {QStringLiteral("%1/%2").arg(shown).arg(total), valueText(kind, last, parameters)};
}

} // namespace AnimationTransport
