#pragma once

#include <QString>

// The pictures of the space window and its dialog, compiled in: the tool
// buttons' "pausa" and "nuovo", the step buttons' "via". The turning arrows
// are drawn (space/directionarrow.h).
inline QString spacePicture(const char *name)
{
    return QStringLiteral(":/pictures/space/%1.png").arg(QLatin1String(name));
}
