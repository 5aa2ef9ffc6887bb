#include "plane/worksheet.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTest>

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

// The spacing of grid lines crossed at `centres`, in pixels: each gap a
// whole number of the smallest, as where an axis or a figure stands in
// for a grid line; 0 for centres that are not a grid's.
double gridSpacing(const QList<double> &centres)
{
    if (centres.size() < 8)
        return 0;
    double least = HUGE_VAL;
    for (int i = 1; i < centres.size(); ++i)
        least = std::min(least, centres[i] - centres[i - 1]);
    // Letters have grey edges too, closer together than 2 mm.
    if (least < 2 * PixelsPerMm)
        return 0;
    for (int i = 1; i < centres.size(); ++i) {
        const double gap = centres[i] - centres[i - 1];
        if (std::abs(gap - least * std::round(gap / least)) > 2)
            return 0;
    }
    const double span = centres.last() - centres.first();
    return span / std::round(span / least);
}

// The centres of the grey runs along `row`: where the grid's lines cross it.
QList<double> greyCentres(const QImage &page, int row)
{
    QList<double> centres;
    int runStart = -1;
    for (int x = 0; x <= page.width(); ++x) {
        const QRgb pixel = x < page.width() ? page.pixel(x, row) : 0xFFFFFFFF;
        const bool grey = qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) > 0x80
            && qRed(pixel) < 0xF0;
        if (grey && runStart < 0)
            runStart = x;
        if (!grey && runStart >= 0) {
            centres.append((runStart + x - 1) / 2.0);
            runStart = -1;
        }
    }
    return centres;
}

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

private slots:
    void sheetOfTheTable()
    {
        const Worksheet::Sheet sheet = Worksheet::sheet(translatedTriangle(), Words);
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
        const Worksheet::Sheet sheet = Worksheet::sheet(translatedTriangle(), Words);
        for (int page = 0; page < 2; ++page) {
            const QImage image = pageImage(sheet, page);
            // A row of the plane between two horizontal grid lines.
            QList<double> columns;
            for (int row = 300; row < 1500; ++row) {
                columns = greyCentres(image, row);
                if (gridSpacing(columns) > 0)
                    break;
            }
            const double unitMm = gridSpacing(columns) / PixelsPerMm;
            QVERIFY2(std::abs(unitMm - 5) <= 0.1, qPrintable(QString::number(unitMm)));
        }
    }

    // The questions draw the figure alone on the plane; the answer key its
    // image too. (The step's name below is in its colour on both.)
    void imagesOnTheKeyOnly()
    {
        const Worksheet::Sheet sheet = Worksheet::sheet(translatedTriangle(), Words);
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
        Worksheet::Sheet sheet = Worksheet::sheet(translatedTriangle(), Words);
        sheet.stages.resize(1);
        sheet.stepNames.clear();
        sheet.stepKinds.clear();
        sheet.matrices.clear();
        // Below the header, which names the key or the task.
        const QRect below(0, 40 * PixelsPerMm, 210 * PixelsPerMm, 257 * PixelsPerMm);
        QCOMPARE(pageImage(sheet, 0).copy(below), pageImage(sheet, 1).copy(below));
    }

    void pdfHasTwoPagesOfThePaper_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QSizeF>("paper"); // points
        QTest::newRow("Italy: A4") << "it_IT" << QSizeF(595.3, 841.9);
        QTest::newRow("United States: Letter") << "en_US" << QSizeF(612, 792);
    }

    void pdfHasTwoPagesOfThePaper()
    {
        QFETCH(QString, locale);
        QFETCH(QSizeF, paper);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(Worksheet::paperForLocale(QLocale(locale)));
        pdf.setPageMargins(QMarginsF());
        Worksheet::paint(pdf, Worksheet::sheet(translatedTriangle(), Words));
        buffer.close();
        QCOMPARE(bytes.count("/Type /Page\n"), 2);
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(bytes));
        QVERIFY(box.hasMatch());
        QVERIFY(std::abs(box.captured(1).toDouble() - paper.width()) < 1);
        QVERIFY(std::abs(box.captured(2).toDouble() - paper.height()) < 1);
    }
};

QTEST_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
