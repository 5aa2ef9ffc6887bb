#include "shell/ratioimage.h"

QImage ratioImage(QSize programSize, qreal ratio, QImage::Format format)
{
    QImage image(QSizeF(programSize * ratio).toSize(), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

QSize programSize(const QImage &image)
{
    return image.deviceIndependentSize().toSize();
}

QRect imageRect(const QImage &image, const QRect &programRect)
{
    const qreal ratio = image.devicePixelRatio();
    const QRectF scaled(programRect.x() * ratio, programRect.y() * ratio, programRect.width() * ratio,
                        programRect.height() * ratio);
    return scaled.toAlignedRect() & image.rect();
}

qreal penOffset(qreal ratio)
{
    return ratio == 1 ? 0 : 0.5;
}
