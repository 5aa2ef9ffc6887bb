#include "plane/worksheet.h"

#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QTest>

#include <algorithm>

namespace {

// A triangle A(1;1) B(5;1) C(1;4) and its image under the translation by
// (3; 2), as the table records them.
DataTableInputs translatedTriangle()
{
    DataTableInputs inputs;
    for (int stage = 0; stage < 2; ++stage)
        for (int vertex = 0; vertex < 3; ++vertex) {
            inputs.textX[vertex][stage] = QString::number((vertex == 1 ? 5 : 1) + 3 * stage);
            inputs.textY[vertex][stage] = QString::number((vertex == 2 ? 4 : 1) + 2 * stage);
        }
    inputs.figureType = 2;
    inputs.transformCount = 1;
    inputs.kinds = {Traslazione, 0};
    inputs.parameters[0].TranslationDX = 3;
    inputs.parameters[0].TranslationDY = 2;
    inputs.kindNames = {QStringLiteral("translation"), QString()};
    return inputs;
}

const Worksheet::Texts Words{QStringLiteral("Lesson"), QStringLiteral("Name:"), QStringLiteral("1 unit = 5 mm"),
                             QStringLiteral("Draw"),   QStringLiteral("Start"), QStringLiteral("After %1"),
                             QStringLiteral("Key"),    QStringLiteral("Step %1: %2"), QStringLiteral("Matrix")};

const Worksheet::Sheet Translated = Worksheet::sheet(translatedTriangle(), Words);

constexpr int PixelsPerMm = 10;

// A page of A4 at ten pixels a millimetre.
QImage pageImage(const Worksheet::Sheet &sheet, int page)
{
    QImage image(210 * PixelsPerMm, 297 * PixelsPerMm, QImage::Format_RGB32);
    image.setDotsPerMeterX(PixelsPerMm * 1000);
    image.setDotsPerMeterY(PixelsPerMm * 1000);
    image.fill(Qt::white);
    QPainter p(&image);
    Worksheet::paintPage(p, sheet, page);
    return image;
}

// The grid's spacing in pixels: the median gap between grey runs on the first
// row of the plane with eight gaps and no letter (grey edges closer than 2
// mm); an axis or a figure may stand in for a grid line.
double gridSpacing(const QImage &page)
{
    for (int row = 300; row < 1500; ++row) {
        QList<double> gaps;
        double last = -1;
        for (int x = 0, runStart = -1; x <= page.width(); ++x) {
            const int v = x < page.width() ? qRed(page.pixel(x, row)) : 0xFF;
            const bool grey = x < page.width() && page.pixel(x, row) == qRgb(v, v, v) && v > 0x80 && v < 0xF0;
            if (grey && runStart < 0)
                runStart = x;
            if (!grey && runStart >= 0) {
                const double centre = (runStart + x - 1) / 2.0;
                if (last >= 0)
                    gaps << centre - last;
                last = centre;
                runStart = -1;
            }
        }
        std::sort(gaps.begin(), gaps.end());
        if (gaps.size() >= 8 && gaps.front() >= 2 * PixelsPerMm)
            return gaps[gaps.size() / 2];
    }
    return 0;
}

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void sheetOfTheTable()
    {
        QCOMPARE(Translated.stages.size(), size_t(2));
        QCOMPARE(Translated.stages[1].vertices, (std::vector<QPointF>{{4, 3}, {8, 3}, {4, 6}}));
        QCOMPARE(Translated.stages[0].labels.front(), QStringLiteral("A(1;1)"));
        QCOMPARE(Translated.stepNames, std::vector<QString>{QStringLiteral("translation (dx = 3, dy = 2)")});
        QCOMPARE(Translated.matrices[0][0][2], QStringLiteral("3"));
    }

    // As wide as the page, 24 units high at most, centred on the figures:
    // near the origin, far, wider than the page, one point.
    void planePart()
    {
        const struct { QPointF from, to; QRectF part; } rows[] = {
            {{1, 1}, {8, 6}, {-14, -9, 36, 24}}, {{20, 30}, {24, 33}, {4, 19, 36, 24}},
            {{-30, 0}, {30, 1}, {-18, -12, 36, 24}}, {{3, 3}, {3, 3}, {-15, -9, 36, 24}}};
        for (const auto &row : rows) {
            Worksheet::Stage stage;
            stage.vertices = {row.from, row.to};
            QCOMPARE(Worksheet::planePart({stage}, 180, 120), row.part);
        }
    }

    // A student measures the grid: a unit is 5 mm on the page, within a
    // tenth of a millimetre, on both pages.
    void unitMeasuresFiveMillimetres()
    {
        for (int page = 0; page < 2; ++page) {
            const double unitMm = gridSpacing(pageImage(Translated, page)) / PixelsPerMm;
            QVERIFY2(std::abs(unitMm - 5) <= 0.1, qPrintable(QString::number(unitMm)));
        }
    }

    // The questions draw the figure alone, the key its image too (the step's
    // name below is in its colour on both); a lone figure's pages agree.
    void imagesOnTheKeyOnly()
    {
        const auto darkAqua = [](const QImage &image) {
            for (int y = 0; y < 165 * PixelsPerMm; y += 2)
                for (int x = 0; x < image.width(); x += 2)
                    if ((image.pixel(x, y) & 0xFFFFFF) == 0x00707A)
                        return true;
            return false;
        };
        QVERIFY(!darkAqua(pageImage(Translated, 0)));
        QVERIFY(darkAqua(pageImage(Translated, 1)));
        Worksheet::Sheet sheet = Translated;
        sheet.stages.resize(1);
        sheet.stepNames.clear();
        sheet.stepKinds.clear();
        sheet.matrices.clear();
        const QRect below(0, 40 * PixelsPerMm, 210 * PixelsPerMm, 257 * PixelsPerMm);
        QCOMPARE(pageImage(sheet, 0).copy(below), pageImage(sheet, 1).copy(below));
    }

    // Letter where the locale measures in inches, A4 elsewhere. (The
    // preview's two pages are the window's to check.)
    void paperOfTheLocale()
    {
        QCOMPARE(Worksheet::paperForLocale(QLocale(u"it_IT"_qs)).id(), QPageSize::A4);
        QCOMPARE(Worksheet::paperForLocale(QLocale(u"en_US"_qs)).id(), QPageSize::Letter);
    }
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
