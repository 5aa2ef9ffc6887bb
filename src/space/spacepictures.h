#pragma once

#include <QString>

// The pictures of the space window and its dialog, compiled in: the arrows
// "oraria" and "antioraria", the tool buttons' "pausa" and "nuovo", the step
// buttons' "via".
inline QString spacePicture(const char *name)
{
    return QStringLiteral(":/pictures/space/%1.png").arg(QLatin1String(name));
}
