#include "plane/datatable.h"
#include "slotvalues.h"

#include <QTest>

using namespace SlotValues;

namespace {

// A hidden parameter label, whatever text it keeps.
const QString Hidden = QStringLiteral("(hidden)");

QStringList parameterTexts(const KindTable &table)
{
    QStringList texts;
    for (const TableCell &cell : table.parameters)
        texts << (cell.shown ? cell.text : Hidden);
    return texts;
}

// Recorded coordinates of the triangle A (15, 11), B (10, 9), C (21, 4) and
// of a fourth vertex D, at every stage, as the workspace records them.
struct Recorded {
    const char *x[VertexCount];
    const char *y[VertexCount];
};
constexpr Recorded Stages[VertexStageCount] = {
    {{"15", "10", "21", "19"}, {"11", "9", "4", "9"}},
    {{"9.0", "4.0", "15.0", "13.0"}, {"3.0", "1.0", "-4.0", "1.0"}},
    {{"-3.0", "-1.0", "4.0", "-1.0"}, {"9.0", "4.0", "15.0", "13.0"}},
    {{"-11.0", "-9.0", "-4.0", "-9.0"}, {"15.0", "10.0", "21.0", "19.0"}},
    {{"-17.0", "-15.0", "-10.0", "-15.0"}, {"7.0", "2.0", "17.0", "11.0"}},
};

DataTableInputs recordedInputs(int figureType, const QList<int> &stages)
{
    DataTableInputs inputs;
    inputs.figureType = figureType;
    for (int stage : stages)
        for (int vertex = 0; vertex < VertexCount; ++vertex) {
            inputs.textX[vertex][stage] = QString::fromLatin1(Stages[stage].x[vertex]);
            inputs.textY[vertex][stage] = QString::fromLatin1(Stages[stage].y[vertex]);
        }
    inputs.kindNames = {QStringLiteral("traslazione"), QStringLiteral("rotazione")};
    return inputs;
}

QStringList rowOf(const DataTable &table, int stage)
{
    return QStringList(table.vertices[stage].begin(), table.vertices[stage].end());
}

} // namespace

class TestDataTable : public QObject
{
    Q_OBJECT

private slots:
    // Rounded as held, ties to even: 0.25 and 0.125 are exact halves, the
    // single 0.35f lies below its half and 0.15f above it.
    void realFormats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("shown");
        QTest::newRow("r1 tie down to even") << 0.25 << 1 << "0.2";
        QTest::newRow("r1 tie up to even") << 0.75 << 1 << "0.8";
        QTest::newRow("r1 single just below the half") << double(0.35f) << 1 << "0.3";
        QTest::newRow("r1 single just above the half") << double(0.15f) << 1 << "0.2";
        QTest::newRow("r1 carry into the units") << 9.95001 << 1 << "10.0";
        QTest::newRow("r1 large value, no leading blanks") << 123456.78 << 1 << "123456.8";
        QTest::newRow("r1 negative zero") << -0.0 << 1 << "0.0";
        QTest::newRow("r1 negative rounding to zero") << -0.04 << 1 << "0.0";
        QTest::newRow("r2 tie down to even") << 0.125 << 2 << "0.12";
        QTest::newRow("r2 just below the half") << 1.005 << 2 << "1.00"; // the double is 1.00499...
        QTest::newRow("r3 example") << -0.34202 << 3 << "-0.342";
        QTest::newRow("r3 smallest shown") << 0.0005 << 3 << "0.001"; // the double is 0.000500...01
        QTest::newRow("r3 a hair below zero") << -4.4e-8 << 3 << "0.000";
    }

    void realFormats()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, shown);
        QCOMPARE(realText(value, decimals), shown);
    }

    // The four parameter labels, row 1 left and right, then row 2, "~" for
    // a hidden one; the matrix's first two rows (the third is always 0 0 1).
    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("matrix");
        const auto row = [](const char *name, int kind, const SlotParameters &p, const char *labels, const char *matrix) {
            QTest::newRow(name) << kind << p << QString::fromUtf8(labels) << QString::fromLatin1(matrix);
        };
        row("translation", Traslazione, translation(-6, -8), "dx = -6|~|dy = -8|~", "1 0 -6 0 1 -8");
        // The cosine of 90 degrees is a hair off zero in floating point;
        // Symbol draws "-" as the minus sign.
        row("rotation 90", Rotazione, rotation(90, 0, 0), "Xc = 0|\u03B1 = 90|Yc = 0|~",
            "0.000 -1.000 0.0 1.000 0.000 0.0");
        row("rotation 70", Rotazione, rotation(70, 2, -2), "Xc = 2|\u03B1 = 70|Yc = -2|~",
            "0.342 -0.940 -0.6 0.940 0.342 -3.2");
        row("rotation -45", Rotazione, rotation(-45, 1, 1), "Xc = 1|\u03B1 = \u221245|Yc = 1|~",
            "0.707 0.707 -0.4 -0.707 0.707 1.0");
        row("rotation 180", Rotazione, rotation(180, 3, -1), "Xc = 3|\u03B1 = 180|Yc = -1|~",
            "-1.000 0.000 6.0 0.000 -1.000 -2.0");
        row("symmetry P", Simmetria, symmetry(0, 3, -2, 60, -3), "rispetto a P(3, -2)|~|~|~", "-1 0 6 0 -1 -4");
        row("symmetry x = k", Simmetria, symmetry(1, -4, 2, 60, -3), "rispetto ad x = -4|~|~|~", "-1 0 -8 0 1 0");
        row("symmetry y = k", Simmetria, symmetry(2, -4, 5, 60, -3), "rispetto ad y = 5|~|~|~", "1 0 0 0 -1 10");
        row("symmetry y = x", Simmetria, symmetry(3, -4, 5, 60, -3), "rispetto ad y = x|~|~|~", "0 1 0 1 0 0");
        row("symmetry y = -x", Simmetria, symmetry(4, -4, 5, 60, -3), "rispetto ad y = - x|~|~|~", "0 -1 0 -1 0 0");
        row("symmetry at 90, q ignored", Simmetria, symmetry(5, -4, 5, 90, -3), "rispetto ad x = 0|~|~|~",
            "-1 0 0 0 1 0");
        row("symmetry at 60", Simmetria, symmetry(5, -4, 5, 60, -3), "rispetto ad y = mx + q|m = 1.73|~|q = -3",
            "-0.50 0.87 2.60 0.87 0.50 -1.50");
        // -2mq/d is -0 here, and 1 - m squared a hair below zero at 135.
        row("symmetry at 0", Simmetria, symmetry(5, 0, 0, 0, 2), "rispetto ad y = mx + q|m = 0.00|~|q = 2",
            "1.00 0.00 0.00 0.00 -1.00 4.00");
        row("symmetry at 135", Simmetria, symmetry(5, 0, 0, 135, 0), "rispetto ad y = mx + q|m = -1.00|~|q = 0",
            "0.00 -1.00 0.00 -1.00 0.00 0.00");
        row("homothety -1.5", Omotetia, homothety(-1, 1.5f, -1, 1), "Xc = -1|K = -1.5|Yc = 1|~",
            "-1.5 0 -2.5 0 -1.5 2.5");
        row("homothety 0.5", Omotetia, homothety(1, 0.5f, 3, -5), "Xc = 3|K = 0.5|Yc = -5|~", "0.5 0 1.5 0 0.5 -2.5");
        row("dilation", Dilatazione, dilation(1.5f, 0.5f), "\u03B1 = 1.5|~|\u03B2 = 0.5|~", "1.5 0 0 0 0.5 0");
        row("shear along y, negative", Inclinazione, shear(1, -0.5f), "k = 0.0|~|k = -0.5|~", "1 0.0 0 -0.5 1 0");
        row("shear along x", Inclinazione, shear(0, 2.3f), "k = 2.3|~|k = 0.0|~", "1 2.3 0 0.0 1 0");
        // Terms are a-term, b-term, c-term, one blank apart, an empty term
        // leaving its blanks.
        row("affinity, b = 0", Affinita, affinity(2, 0, -6, 1, 1.5f, -12),
            "x' = +2.00 x  -6.00|~|y' = +1.00 x +1.50 y -12.00|~", "2.00 0 -6.00 1.00 1.50 -12.00");
        row("affinity, constants 0, a tie in b", Affinita, affinity(-0.5f, 0.125f, 0, 0, -1, 3),
            "x' = -0.50 x +0.12 y |~|y' =  -1.00 y +3.00|~", "-0.50 0.12 0 0 -1.00 3.00");
        row("affinity, all zero", Affinita, affinity(0, 0, 0, 0, 0, 0), "x' =   |~|y' =   |~", "0 0 0 0 0 0");
        // Not exactly 0, so written, though it rounds to nothing.
        row("affinity rounding to zero", Affinita, affinity(0.001f, 0, -0.004f, -0.0f, 1, 0),
            "x' = +0.00 x  +0.00|~|y' =  +1.00 y |~", "0.00 0 0.00 0 1.00 0");
        row("no kind", 7, translation(-6, -8), "~|~|~|~", "");
        row("no symmetry kind", Simmetria, symmetry(6, 1, 1, 60, -3), "~|~|~|~", "");
    }

    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(QString, labels);
        QFETCH(QString, matrix);
        const KindTable table = kindTable(kind, parameters);
        QCOMPARE(parameterTexts(table).join(u'|'), QString(labels).replace(u'~', Hidden));
        QStringList entries;
        for (const auto &row : table.matrix)
            for (const QString &entry : row)
                entries << entry;
        const QStringList rows = matrix.isEmpty() ? QStringList(6) : matrix.split(u' ');
        QCOMPARE(entries, rows + QStringList({"0", "0", "1"}));
    }

    // Which rows of the first page are listed and shown, by the stages
    // recorded for vertex A, for a triangle unless the row says otherwise.
    void coordinatePage_data()
    {
        QTest::addColumn<int>("figureType");
        QTest::addColumn<QList<int>>("stages");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("shown"); // direct, its second row, inverse, its second row: 1 shown
        QTest::newRow("figure only") << 2 << QList<int>{0} << 3 << "0000";
        QTest::newRow("one step") << 2 << QList<int>{0, 1} << 3 << "1000";
        QTest::newRow("direct sequence") << 2 << QList<int>{0, 1, 2} << 3 << "1100";
        QTest::newRow("inverse first step") << 2 << QList<int>{0, 1, 2, 3} << 3 << "1110";
        QTest::newRow("both sequences") << 2 << QList<int>{0, 1, 2, 3, 4} << 3 << "1111";
        QTest::newRow("point") << 0 << QList<int>{0, 1, 2, 3, 4} << 1 << "1111";
        QTest::newRow("segment") << 1 << QList<int>{0, 1, 2} << 2 << "1100";
        QTest::newRow("quadrilateral") << 3 << QList<int>{0, 1} << 4 << "1000";
    }

    void coordinatePage()
    {
        QFETCH(int, figureType);
        QFETCH(QList<int>, stages);
        QFETCH(int, listed);
        QFETCH(QString, shown);
        const DataTable table = dataTable(recordedInputs(figureType, stages));
        for (int stage = 0; stage < VertexStageCount; ++stage) {
            QStringList row(VertexCount);
            for (int vertex = 0; vertex < listed && stages.contains(stage); ++vertex)
                row[vertex] = QStringLiteral("%1(%2;%3)").arg(QChar(u'A' + vertex), Stages[stage].x[vertex],
                                                              Stages[stage].y[vertex]);
            QCOMPARE(rowOf(table, stage), row);
        }
        QString panels;
        for (bool on : {table.directShown, table.directSecondShown, table.inverseShown, table.inverseSecondShown,
                        table.parametersShown[0], table.parametersShown[1]})
            panels += on ? u'1' : u'0';
        QCOMPARE(panels, shown + (stages.contains(1) ? u'1' : u'0') + (stages.contains(2) ? u'1' : u'0'));
        QCOMPARE((QStringList{table.initialTitle, table.directTitle, table.inverseTitle}),
                 (QStringList{"Coordinate iniziali", "Sequenza diretta", "Sequenza inversa"}));
    }

    // A circle of centre (5, 5) and radius 3 confirmed after the default
    // triangle, whose B, C and D the figure dialog records all the same: the
    // page lists the centre and the radius alone, before the first step
    // (type 4) and after it (type 2), from what the step left in B's place.
    void circlePage_data()
    {
        QTest::addColumn<int>("figureType");
        QTest::addColumn<QString>("recorded"); // "x;y" of A to D after the step
        QTest::addColumn<QString>("listed");
        QTest::newRow("at start") << 4 << "; ; ; ;" << "|||";
        QTest::newRow("homothety by 2, C left over") << 2 << "10.0;10.0 6.0;6.0 42.0;8.0 ;" << "A(10.0;10.0)|R = 6.0||";
        QTest::newRow("dilation by 1.5 x 0.5") << 2 << "7.5;2.5 4.5;1.5 ; ;" << "A(7.5;2.5)|R = 4.5;1.5||";
        QTest::newRow("shear, no radius") << 2 << "10.0;5.0 ; ; ;" << "A(10.0;5.0)|||";
    }

    void circlePage()
    {
        QFETCH(int, figureType);
        QFETCH(QString, recorded);
        QFETCH(QString, listed);
        TransformSettingsValues store;
        store.FigureType = quint8(figureType);
        store.FigureIsCircle = true;
        store.FigureX[1] = 3;
        store.FigureY[1] = 3;
        const QStringList texts[] = {QStringList{"5;5", "10;9", "21;4", "19;9"}, recorded.split(u' ')};
        for (int stage = 0; stage < 2; ++stage)
            for (int vertex = 0; vertex < VertexCount; ++vertex) {
                store.VertexTextX[vertex][stage] = texts[stage][vertex].section(u';', 0, 0);
                store.VertexTextY[vertex][stage] = texts[stage][vertex].section(u';', 1, 1);
            }
        const DataTable table = dataTable(dataTableInputs(store, 1, QStringLiteral("omotetia"), QString()));
        QCOMPARE(rowOf(table, 0), (QStringList{"A(5;5)", "R = 3", "", ""}));
        QCOMPARE(rowOf(table, 1), listed.split(u'|'));
    }

    // A row needs its x text; vertex A's x text alone decides the panels.
    void rowsKeyedOnTheXText()
    {
        DataTableInputs inputs = recordedInputs(2, {0, 1, 3});
        inputs.textX[0][1].clear();
        inputs.textX[2][3].clear();
        const DataTable table = dataTable(inputs);
        QCOMPARE(rowOf(table, 1), (QStringList{"", "B(4.0;1.0)", "C(15.0;-4.0)", ""}));
        QCOMPARE(rowOf(table, 3), (QStringList{"A(-11.0;15.0)", "B(-9.0;10.0)", "", ""}));
        QCOMPARE(table.directShown, false);
        QCOMPARE(table.parametersShown[0], false);
        QCOMPARE(table.inverseShown, true);
    }

    // From the store: each transformation's panel from its own slot's kind
    // and parameters, the second matrix only with two transformations, the
    // inverse sequence running the second transformation first.
    void fromTheStore()
    {
        TransformSettingsValues store;
        store.FigureType = 3;
        for (int stage = 0; stage < VertexStageCount; ++stage)
            for (int vertex = 0; vertex < VertexCount; ++vertex) {
                store.VertexTextX[vertex][stage] = QString::fromLatin1(Stages[stage].x[vertex]);
                store.VertexTextY[vertex][stage] = QString::fromLatin1(Stages[stage].y[vertex]);
            }
        store.SlotKind[1] = Omotetia;
        store.HomothetySign[1] = -1;
        store.HomothetyRatio[1] = 1.5f;
        store.HomothetyCentreX[1] = -1;
        store.HomothetyCentreY[1] = 1;
        store.SlotKind[2] = Traslazione;
        store.TranslationDX[2] = 4;
        store.TranslationDY[2] = -2;
        QCOMPARE(dataTable(dataTableInputs(store, 1, u"omotetia"_qs, QString())).secondMatrixShown, false);
        const DataTable table = dataTable(dataTableInputs(store, 2, u"omotetia"_qs, u"traslazione"_qs));
        QCOMPARE(table.secondMatrixShown, true);
        QCOMPARE(parameterTexts(table.kinds[0]), (QStringList{"Xc = -1", "K = -1.5", "Yc = 1", Hidden}));
        QCOMPARE(parameterTexts(table.kinds[1]), (QStringList{"dx = 4", Hidden, "dy = -2", Hidden}));
        QCOMPARE(QStringList(table.stageNames.begin(), table.stageNames.end()),
                 (QStringList{"", "omotetia", "traslazione", "traslazione", "omotetia"}));
        QCOMPARE(QStringList(table.kindNames.begin(), table.kindNames.end()), (QStringList{"omotetia", "traslazione"}));
        QCOMPARE(rowOf(table, 4).last(), QStringLiteral("D(-15.0;11.0)"));
    }
};

QTEST_GUILESS_MAIN(TestDataTable)
#include "tst_datatable.moc"
