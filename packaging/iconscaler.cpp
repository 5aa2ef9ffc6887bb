// Build-time tool: draws the program's scalable picture at one icon size, so
// that the theme's PNG icons are derived at build time, never committed, and
// sharp at every size rather than enlarged from a small bitmap.
// Usage: aralda_iconscaler SOURCE.svg SIZE OUTPUT
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: aralda_iconscaler SOURCE.svg SIZE OUTPUT\n";
        return 2;
    }
    bool sizeRead = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeRead);
    if (!sizeRead || size < 1) {
        err << "aralda_iconscaler: not a size: " << argv[2] << '\n';
        return 2;
    }
    QSvgRenderer source(QString::fromLocal8Bit(argv[1]));
    if (!source.isValid()) {
        err << "aralda_iconscaler: cannot read " << argv[1] << '\n';
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        source.render(&painter, QRectF(0, 0, size, size));
    }
    if (!icon.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        err << "aralda_iconscaler: cannot write " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
