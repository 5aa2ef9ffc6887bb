// Build-time tool: writes the program's picture at one icon size, so that the
// theme's PNG icons are derived at build time and never committed.
// Usage: aralda_iconscaler SOURCE SIZE OUTPUT
#include <QImage>
#include <QString>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: aralda_iconscaler SOURCE SIZE OUTPUT\n";
        return 2;
    }
    bool sizeRead = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&sizeRead);
    if (!sizeRead || size < 1) {
        err << "aralda_iconscaler: not a size: " << argv[2] << '\n';
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    if (source.isNull()) {
        err << "aralda_iconscaler: cannot read " << argv[1] << '\n';
        return 1;
    }
    // Premultiplied alpha keeps the transparent border's colour out of the
    // averaged edge pixels.
    const QImage icon = source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        err << "aralda_iconscaler: cannot write " << argv[3] << '\n';
        return 1;
    }
    return 0;
}
