#include "plane/worksheet.h"

#include <QGuiApplication>
#include <QImage>
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
    const char *xs[2][3] = {{"1", "5", "1"}, {"4", "8", "4"}};
    const char *ys[2][3] = {{"1", "1", "4"}, {"3", "3", "6"}};
    for (int stage = 0; stage < 2; ++stage)
        for (int vertex = 0; vertex < 3; ++vertex) {
            inputs.textX[vertex][stage] = QString::fromLatin1(xs[stage][vertex]);
            inputs.textY[vertex][stage] = QString::fromLatin1(ys[stage][vertex]);
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

// The grid's spacing in pixels, from the grey runs where its lines cross a
// row of the plane: the median gap on the first row with eight gaps and no
// letter, whose grey edges lie closer than 2 mm. An axis or a figure may
// stand in for a grid line.
double gridSpacing(const QImage &page)
{
    for (int row = 300; row < 1500; ++row) {
        QList<double> gaps;
        double last = -1;
        bool letter = false;
        for (int x = 0, runStart = -1; x <= page.width(); ++x) {
            const QRgb pixel = x < page.width() ? page.pixel(x, row) : 0xFFFFFFFF;
            const bool grey = qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) > 0x80
                && qRed(pixel) < 0xF0;
            if (grey && runStart < 0)
                runStart = x;
            if (!grey && runStart >= 0) {
                const double centre = (runStart + x - 1) / 2.0;
                if (last >= 0)
                    gaps << centre - last;
                letter |= last >= 0 && centre - last < 2 * PixelsPerMm;
                last = centre;
                runStart = -1;
            }
        }
        if (!letter && gaps.size() >= 8) {
            std::sort(gaps.begin(), gaps.end());
            return gaps[gaps.size() / 2];
        }
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
        const Worksheet::Sheet &sheet = Translated;
        QCOMPARE(sheet.stages.size(), size_t(2));
        QCOMPARE(sheet.stages[1].vertices, (std::vector<QPointF>{{4, 3}, {8, 3}, {4, 6}}));
        QCOMPARE(sheet.stages[0].labels.front(), QStringLiteral("A(1;1)"));
        QCOMPARE(sheet.stepNames, std::vector<QString>{QStringLiteral("translation (dx = 3, dy = 2)")});
        QCOMPARE(sheet.matrices[0][0][2], QStringLiteral("3"));
    }

    void planePart_data()
    {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QRectF>("part");
        // As wide as the page, 24 units high at most, centred on the figures.
        QTest::newRow("near the origin") << QPointF(1, 1) << QPointF(8, 6) << QRectF(-14, -9, 36, 24);
        QTest::newRow("far") << QPointF(20, 30) << QPointF(24, 33) << QRectF(4, 19, 36, 24);
        QTest::newRow("wider than the page") << QPointF(-30, 0) << QPointF(30, 1) << QRectF(-18, -12, 36, 24);
        QTest::newRow("one point") << QPointF(3, 3) << QPointF(3, 3) << QRectF(-15, -9, 36, 24);
    }

    void planePart()
    {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QRectF, part);
        Worksheet::Stage stage;
        stage.vertices = {from, to};
        QCOMPARE(Worksheet::planePart({stage}, 180, 120), part);
    }

    // A student measures the grid: a unit is 5 mm on the page, within a
    // tenth of a millimetre, on both pages.
    void unitMeasuresFiveMillimetres()
    {
        const Worksheet::Sheet &sheet = Translated;
        for (int page = 0; page < 2; ++page) {
            const double unitMm = gridSpacing(pageImage(sheet, page)) / PixelsPerMm;
            QVERIFY2(std::abs(unitMm - 5) <= 0.1, qPrintable(QString::number(unitMm)));
        }
    }

    // The questions draw the figure alone on the plane; the answer key its
    // image too. (The step's name below is in its colour on both.)
    void imagesOnTheKeyOnly()
    {
        const Worksheet::Sheet &sheet = Translated;
        const auto darkAqua = [](const QImage &image) {
            for (int y = 0; y < 165 * PixelsPerMm; y += 2)
                for (int x = 0; x < image.width(); x += 2)
                    if ((image.pixel(x, y) & 0xFFFFFF) == 0x00707A)
                        return true;
            return false;
        };
        QVERIFY(!darkAqua(pageImage(sheet, 0)));
        QVERIFY(darkAqua(pageImage(sheet, 1)));
    }

    // With the figure alone, the questions draw the plane as the key does.
    void questionsDrawTheFigure()
    {
        Worksheet::Sheet sheet = Translated;
        sheet.stages.resize(1);
        sheet.stepNames.clear();
        sheet.stepKinds.clear();
        sheet.matrices.clear();
        // Below the header, which names the key or the task.
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
