#include "shell/vectorpicture.h"

#include "lang/languagetables.h"
#include "lang/regularfile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

constexpr int ScreenDotsPerInch = 96;
// A PDF page measures whole points: one program pixel a point keeps the page
// exactly the picture's size.
constexpr int PdfDotsPerInch = 72;

QString suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// The painter's work, which the devices report only as an inactive
// painter or an unfinished end.
bool paintInto(QPaintDevice &device, const VectorDrawing &drawing)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    drawing.paint(painter);
    return painter.end();
}

bool writeSvg(QBuffer &buffer, const VectorDrawing &drawing, QSize size, const QString &title)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(ScreenDotsPerInch);
    svg.setTitle(title);
    return paintInto(svg, drawing);
}

bool writePdf(QBuffer &buffer, const VectorDrawing &drawing, QSize size, const QString &title)
{
    QPdfWriter pdf(&buffer);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Aralda"));
    pdf.setResolution(PdfDotsPerInch);
    const QPageSize page(size, QString(), QPageSize::ExactMatch);
    pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
    return paintInto(pdf, drawing);
}

} // namespace

bool isVectorPictureName(const QString &path)
{
    const QString suffix = suffixOf(path);
    return suffix == QLatin1String("svg") || suffix == QLatin1String("pdf");
}

std::optional<QString> writeVectorPicture(const VectorDrawing &drawing, const QString &path, const QString &title)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize size = drawing.size();
    const bool painted = suffixOf(path) == QLatin1String("svg") ? writeSvg(buffer, drawing, size, title)
                                                                : writePdf(buffer, drawing, size, title);
    if (!painted || bytes.isEmpty())
        return noticeText(PictureNotDrawn);
    if (const auto failure = RegularFile::write(path, bytes, RegularFile::Existing::Replace))
        return failure->reason();
    return std::nullopt;
}
