#include "plane/datatable.h"
#include "slotvalues.h"

#include <QTest>

Q_DECLARE_METATYPE(SlotParameters)

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

QStringList matrixTexts(const KindTable &table)
{
    QStringList texts;
    for (const auto &row : table.matrix)
        for (const QString &entry : row)
            texts << entry;
    return texts;
}







// In the order of the equations: x' = a x + b y + c, y' = a' x + b' y + c'.
SlotParameters affinity(float a, float b, float c, float a2, float b2, float c2)
{
    SlotParameters p;
    p.AffineCoeff = AffineMatrix{{{c, a, b}, {c2, a2, b2}}};
    return p;
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
const QStringList Shown[VertexStageCount] = {
    {"A(15;11)", "B(10;9)", "C(21;4)", "D(19;9)"},
    {"A(9.0;3.0)", "B(4.0;1.0)", "C(15.0;-4.0)", "D(13.0;1.0)"},
    {"A(-3.0;9.0)", "B(-1.0;4.0)", "C(4.0;15.0)", "D(-1.0;13.0)"},
    {"A(-11.0;15.0)", "B(-9.0;10.0)", "C(-4.0;21.0)", "D(-9.0;19.0)"},
    {"A(-17.0;7.0)", "B(-15.0;2.0)", "C(-10.0;17.0)", "D(-15.0;11.0)"},
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

// The labels of one stage's row: the first `listed` vertices as shown, the
// others empty.
QStringList row(int stage, int listed)
{
    QStringList texts = Shown[stage].mid(0, listed);
    while (texts.size() < VertexCount)
        texts << QString();
    return texts;
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
        QTest::newRow("r1 whole number") << 5.0 << 1 << "5.0";
        QTest::newRow("r1 negative") << -0.342 << 1 << "-0.3";
        QTest::newRow("r1 tie down to even") << 0.25 << 1 << "0.2";
        QTest::newRow("r1 tie up to even") << 0.75 << 1 << "0.8";
        QTest::newRow("r1 negative tie to even") << -0.25 << 1 << "-0.2";
        QTest::newRow("r1 single just below the half") << double(0.35f) << 1 << "0.3";
        QTest::newRow("r1 single just above the half") << double(0.15f) << 1 << "0.2";
        QTest::newRow("r1 just below a carry") << 9.949 << 1 << "9.9";
        QTest::newRow("r1 carry into the units") << 9.95001 << 1 << "10.0";
        QTest::newRow("r1 large value, no leading blanks") << 123456.78 << 1 << "123456.8";
        QTest::newRow("r1 negative zero") << -0.0 << 1 << "0.0";
        QTest::newRow("r1 negative rounding to zero") << -0.04 << 1 << "0.0";
        QTest::newRow("r1 negative rounding away from zero") << -0.05001 << 1 << "-0.1";
        QTest::newRow("r2 tie down to even") << 0.125 << 2 << "0.12";
        QTest::newRow("r2 tie up to even") << 0.375 << 2 << "0.38";
        QTest::newRow("r2 just below the half") << 1.005 << 2 << "1.00"; // the double is 1.00499...
        QTest::newRow("r2 just above the half") << -0.005 << 2 << "-0.01"; // the double is -0.005000...01
        QTest::newRow("r2 negative rounding to zero") << -0.004 << 2 << "0.00";
        QTest::newRow("r2 padded with zeros") << -12.0 << 2 << "-12.00";
        QTest::newRow("r3 example") << -0.34202 << 3 << "-0.342";
        QTest::newRow("r3 tie to even") << 0.0625 << 3 << "0.062";
        QTest::newRow("r3 smallest shown") << 0.0005 << 3 << "0.001"; // the double is 0.000500...01
        QTest::newRow("r3 a hair below zero") << -4.4e-8 << 3 << "0.000";
        QTest::newRow("r3 a hair above zero") << 6.1e-17 << 3 << "0.000";
        QTest::newRow("r3 one") << 0.9999996 << 3 << "1.000";
    }

    void realFormats()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, shown);
        QCOMPARE(realText(value, decimals), shown);
    }

    void integerFormat()
    {
        QCOMPARE(integerText(-6), QStringLiteral("-6"));
        QCOMPARE(integerText(0), QStringLiteral("0"));
        QCOMPARE(integerText(359), QStringLiteral("359"));
    }

    // Parameters row 1 left, row 1 right, row 2 left, row 2 right; the matrix
    // row by row.
    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SlotParameters>("parameters");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("matrix");

        QTest::newRow("translation (-6, -8)")
            << int(Traslazione) << translation(-6, -8) << QStringList{"dx = -6", Hidden, "dy = -8", Hidden}
            << QStringList{"1", "0", "-6", "0", "1", "-8", "0", "0", "1"};
        QTest::newRow("translation (30, 0)")
            << int(Traslazione) << translation(30, 0) << QStringList{"dx = 30", Hidden, "dy = 0", Hidden}
            << QStringList{"1", "0", "30", "0", "1", "0", "0", "0", "1"};

        // The cosine of 90 degrees is a hair off zero in floating point.
        QTest::newRow("rotation 90 about (0, 0)")
            << int(Rotazione) << rotation(90, 0, 0)
            << QStringList{"Xc = 0", QStringLiteral("\u03B1 = 90"), "Yc = 0", Hidden}
            << QStringList{"0.000", "-1.000", "0.0", "1.000", "0.000", "0.0", "0", "0", "1"};
        QTest::newRow("rotation 70 about (2, -2)")
            << int(Rotazione) << rotation(70, 2, -2)
            << QStringList{"Xc = 2", QStringLiteral("\u03B1 = 70"), "Yc = -2", Hidden}
            << QStringList{"0.342", "-0.940", "-0.6", "0.940", "0.342", "-3.2", "0", "0", "1"};
        // Symbol draws "-" as the minus sign.
        QTest::newRow("rotation -45 about (1, 1)")
            << int(Rotazione) << rotation(-45, 1, 1)
            << QStringList{"Xc = 1", QStringLiteral("\u03B1 = \u221245"), "Yc = 1", Hidden}
            << QStringList{"0.707", "0.707", "-0.4", "-0.707", "0.707", "1.0", "0", "0", "1"};
        QTest::newRow("rotation 180 about (3, -1), sin a hair off zero")
            << int(Rotazione) << rotation(180, 3, -1)
            << QStringList{"Xc = 3", QStringLiteral("\u03B1 = 180"), "Yc = -1", Hidden}
            << QStringList{"-1.000", "0.000", "6.0", "0.000", "-1.000", "-2.0", "0", "0", "1"};

        QTest::newRow("symmetry about P(3, -2)")
            << int(Simmetria) << symmetry(0, 3, -2, 60, -3)
            << QStringList{"rispetto a P(3, -2)", Hidden, Hidden, Hidden}
            << QStringList{"-1", "0", "6", "0", "-1", "-4", "0", "0", "1"};
        QTest::newRow("symmetry about x = -4")
            << int(Simmetria) << symmetry(1, -4, 2, 60, -3) << QStringList{"rispetto ad x = -4", Hidden, Hidden, Hidden}
            << QStringList{"-1", "0", "-8", "0", "1", "0", "0", "0", "1"};
        QTest::newRow("symmetry about y = 5")
            << int(Simmetria) << symmetry(2, -4, 5, 60, -3) << QStringList{"rispetto ad y = 5", Hidden, Hidden, Hidden}
            << QStringList{"1", "0", "0", "0", "-1", "10", "0", "0", "1"};
        QTest::newRow("symmetry about y = x")
            << int(Simmetria) << symmetry(3, -4, 5, 60, -3) << QStringList{"rispetto ad y = x", Hidden, Hidden, Hidden}
            << QStringList{"0", "1", "0", "1", "0", "0", "0", "0", "1"};
        QTest::newRow("symmetry about y = -x")
            << int(Simmetria) << symmetry(4, -4, 5, 60, -3)
            << QStringList{"rispetto ad y = - x", Hidden, Hidden, Hidden}
            << QStringList{"0", "-1", "0", "-1", "0", "0", "0", "0", "1"};
        QTest::newRow("symmetry about the axis at 90, q ignored")
            << int(Simmetria) << symmetry(5, -4, 5, 90, -3)
            << QStringList{"rispetto ad x = 0", Hidden, Hidden, Hidden}
            << QStringList{"-1", "0", "0", "0", "1", "0", "0", "0", "1"};
        QTest::newRow("symmetry about y = mx + q at 60, q = -3")
            << int(Simmetria) << symmetry(5, -4, 5, 60, -3)
            << QStringList{"rispetto ad y = mx + q", "m = 1.73", Hidden, "q = -3"}
            << QStringList{"-0.50", "0.87", "2.60", "0.87", "0.50", "-1.50", "0", "0", "1"};
        QTest::newRow("symmetry about y = mx + q at 30, q = 5")
            << int(Simmetria) << symmetry(5, 0, 0, 30, 5)
            << QStringList{"rispetto ad y = mx + q", "m = 0.58", Hidden, "q = 5"}
            << QStringList{"0.50", "0.87", "-4.33", "0.87", "-0.50", "7.50", "0", "0", "1"};
        // -2mq/d is -0 here, and 1 - m squared a hair below zero at 135.
        QTest::newRow("symmetry about y = mx + q at 0, q = 2")
            << int(Simmetria) << symmetry(5, 0, 0, 0, 2)
            << QStringList{"rispetto ad y = mx + q", "m = 0.00", Hidden, "q = 2"}
            << QStringList{"1.00", "0.00", "0.00", "0.00", "-1.00", "4.00", "0", "0", "1"};
        QTest::newRow("symmetry about y = mx + q at 135, q = 0")
            << int(Simmetria) << symmetry(5, 0, 0, 135, 0)
            << QStringList{"rispetto ad y = mx + q", "m = -1.00", Hidden, "q = 0"}
            << QStringList{"0.00", "-1.00", "0.00", "-1.00", "0.00", "0.00", "0", "0", "1"};
        QTest::newRow("symmetry about y = mx + q at 179, q = -5")
            << int(Simmetria) << symmetry(5, 0, 0, 179, -5)
            << QStringList{"rispetto ad y = mx + q", "m = -0.02", Hidden, "q = -5"}
            << QStringList{"1.00", "-0.03", "-0.17", "-0.03", "-1.00", "-10.00", "0", "0", "1"};

        QTest::newRow("homothety K = -1.5 about (-1, 1)")
            << int(Omotetia) << homothety(-1, 1.5f, -1, 1) << QStringList{"Xc = -1", "K = -1.5", "Yc = 1", Hidden}
            << QStringList{"-1.5", "0", "-2.5", "0", "-1.5", "2.5", "0", "0", "1"};
        QTest::newRow("homothety K = 0.5 about (3, -5)")
            << int(Omotetia) << homothety(1, 0.5f, 3, -5) << QStringList{"Xc = 3", "K = 0.5", "Yc = -5", Hidden}
            << QStringList{"0.5", "0", "1.5", "0", "0.5", "-2.5", "0", "0", "1"};
        QTest::newRow("homothety K = -0.1 about (-36, 25)")
            << int(Omotetia) << homothety(-1, 0.1f, -36, 25) << QStringList{"Xc = -36", "K = -0.1", "Yc = 25", Hidden}
            << QStringList{"-0.1", "0", "-39.6", "0", "-0.1", "27.5", "0", "0", "1"};

        QTest::newRow("dilation 1.5 and 0.5")
            << int(Dilatazione) << dilation(1.5f, 0.5f)
            << QStringList{QStringLiteral("\u03B1 = 1.5"), Hidden, QStringLiteral("\u03B2 = 0.5"), Hidden}
            << QStringList{"1.5", "0", "0", "0", "0.5", "0", "0", "0", "1"};
        QTest::newRow("dilation 0.7 and 5.0")
            << int(Dilatazione) << dilation(0.7f, 5.0f)
            << QStringList{QStringLiteral("\u03B1 = 0.7"), Hidden, QStringLiteral("\u03B2 = 5.0"), Hidden}
            << QStringList{"0.7", "0", "0", "0", "5.0", "0", "0", "0", "1"};

        QTest::newRow("shear along y, negative, 0.5")
            << int(Inclinazione) << shear(1, -0.5f) << QStringList{"k = 0.0", Hidden, "k = -0.5", Hidden}
            << QStringList{"1", "0.0", "0", "-0.5", "1", "0", "0", "0", "1"};
        QTest::newRow("shear along x, positive, 2.3")
            << int(Inclinazione) << shear(0, 2.3f) << QStringList{"k = 2.3", Hidden, "k = 0.0", Hidden}
            << QStringList{"1", "2.3", "0", "0.0", "1", "0", "0", "0", "1"};
        QTest::newRow("shear along x, negative, 1.2")
            << int(Inclinazione) << shear(0, -1.2f) << QStringList{"k = -1.2", Hidden, "k = 0.0", Hidden}
            << QStringList{"1", "-1.2", "0", "0.0", "1", "0", "0", "0", "1"};

        // Terms are a-term, b-term, c-term, one blank apart, an empty term
        // leaving its blanks.
        QTest::newRow("affinity, b = 0")
            << int(Affinita) << affinity(2, 0, -6, 1, 1.5f, -12)
            << QStringList{"x' = +2.00 x  -6.00", Hidden, "y' = +1.00 x +1.50 y -12.00", Hidden}
            << QStringList{"2.00", "0", "-6.00", "1.00", "1.50", "-12.00", "0", "0", "1"};
        QTest::newRow("affinity, constants 0, a tie in b")
            << int(Affinita) << affinity(-0.5f, 0.125f, 0, 0, -1, 3)
            << QStringList{"x' = -0.50 x +0.12 y ", Hidden, "y' =  -1.00 y +3.00", Hidden}
            << QStringList{"-0.50", "0.12", "0", "0", "-1.00", "3.00", "0", "0", "1"};
        QTest::newRow("affinity, all zero")
            << int(Affinita) << affinity(0, 0, 0, 0, 0, 0) << QStringList{"x' =   ", Hidden, "y' =   ", Hidden}
            << QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "1"};
        // Not exactly 0, so written, though it rounds to nothing.
        QTest::newRow("affinity, coefficients rounding to zero")
            << int(Affinita) << affinity(0.001f, 0, -0.004f, -0.0f, 1, 0)
            << QStringList{"x' = +0.00 x  +0.00", Hidden, "y' =  +1.00 y ", Hidden}
            << QStringList{"0.00", "0", "0.00", "0", "1.00", "0", "0", "0", "1"};

        QTest::newRow("no kind") << 7 << translation(-6, -8) << QStringList{Hidden, Hidden, Hidden, Hidden}
                                 << QStringList{"", "", "", "", "", "", "0", "0", "1"};
        QTest::newRow("no symmetry kind") << int(Simmetria) << symmetry(6, 1, 1, 60, -3)
                                          << QStringList{Hidden, Hidden, Hidden, Hidden}
                                          << QStringList{"", "", "", "", "", "", "0", "0", "1"};
    }

    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(SlotParameters, parameters);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, matrix);
        const KindTable table = kindTable(kind, parameters);
        QCOMPARE(parameterTexts(table), labels);
        QCOMPARE(matrixTexts(table), matrix);
    }

    // Which rows of the first page are listed and shown, by the stages
    // recorded for vertex A, for a triangle unless the row says otherwise.
    void coordinatePage_data()
    {
        QTest::addColumn<int>("figureType");
        QTest::addColumn<QList<int>>("stages");
        QTest::addColumn<int>("listed");
        QTest::addColumn<QList<bool>>("shown"); // direct, its second row, inverse, its second row

        QTest::newRow("figure only") << 2 << QList<int>{0} << 3 << QList<bool>{false, false, false, false};
        QTest::newRow("one step") << 2 << QList<int>{0, 1} << 3 << QList<bool>{true, false, false, false};
        QTest::newRow("direct sequence") << 2 << QList<int>{0, 1, 2} << 3 << QList<bool>{true, true, false, false};
        QTest::newRow("inverse first step") << 2 << QList<int>{0, 1, 2, 3} << 3
                                            << QList<bool>{true, true, true, false};
        QTest::newRow("both sequences") << 2 << QList<int>{0, 1, 2, 3, 4} << 3 << QList<bool>{true, true, true, true};
        QTest::newRow("point") << 0 << QList<int>{0, 1, 2, 3, 4} << 1 << QList<bool>{true, true, true, true};
        QTest::newRow("segment") << 1 << QList<int>{0, 1, 2} << 2 << QList<bool>{true, true, false, false};
        QTest::newRow("quadrilateral") << 3 << QList<int>{0, 1} << 4 << QList<bool>{true, false, false, false};
    }

    void coordinatePage()
    {
        QFETCH(int, figureType);
        QFETCH(QList<int>, stages);
        QFETCH(int, listed);
        QFETCH(QList<bool>, shown);
        const DataTable table = dataTable(recordedInputs(figureType, stages));
        for (int stage = 0; stage < VertexStageCount; ++stage)
            QCOMPARE(rowOf(table, stage), stages.contains(stage) ? row(stage, listed) : row(stage, 0));
        QCOMPARE((QList<bool>{table.directShown, table.directSecondShown, table.inverseShown,
                              table.inverseSecondShown}),
                 shown);
        QCOMPARE((QList<bool>{table.parametersShown[0], table.parametersShown[1]}),
                 (QList<bool>{stages.contains(1), stages.contains(2)}));
        QCOMPARE(table.initialTitle, QStringLiteral("Coordinate iniziali"));
        QCOMPARE(table.directTitle, QStringLiteral("Sequenza diretta"));
        QCOMPARE(table.inverseTitle, QStringLiteral("Sequenza inversa"));
    }

    // A circle of centre (5, 5) and radius 3 confirmed after the default
    // triangle, whose B, C and D the figure dialog records all the same: the
    // page lists the centre and the radius alone, before the first step
    // (type 4) and after it (type 2), from what the step left in B's place.
    void circlePage_data()
    {
        QTest::addColumn<int>("figureType");
        QTest::addColumn<QStringList>("recorded"); // "x;y" of A to D after the step
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("at start") << 4 << QStringList{";", ";", ";", ";"} << QStringList{"", "", "", ""};
        QTest::newRow("homothety by 2, C left over") << 2 << QStringList{"10.0;10.0", "6.0;6.0", "42.0;8.0", ";"}
                                                     << QStringList{"A(10.0;10.0)", "R = 6.0", "", ""};
        QTest::newRow("dilation by 1.5 x 0.5") << 2 << QStringList{"7.5;2.5", "4.5;1.5", ";", ";"}
                                               << QStringList{"A(7.5;2.5)", "R = 4.5;1.5", "", ""};
        QTest::newRow("shear, no radius") << 2 << QStringList{"10.0;5.0", ";", ";", ";"}
                                          << QStringList{"A(10.0;5.0)", "", "", ""};
    }

    void circlePage()
    {
        QFETCH(int, figureType);
        QFETCH(QStringList, recorded);
        QFETCH(QStringList, listed);
        TransformSettingsValues store;
        store.FigureType = quint8(figureType);
        store.FigureIsCircle = true;
        store.FigureX[1] = 3;
        store.FigureY[1] = 3;
        const QStringList initial{"5;5", "10;9", "21;4", "19;9"};
        for (int vertex = 0; vertex < VertexCount; ++vertex) {
            store.VertexTextX[vertex][0] = initial[vertex].section(u';', 0, 0);
            store.VertexTextY[vertex][0] = initial[vertex].section(u';', 1, 1);
            store.VertexTextX[vertex][1] = recorded[vertex].section(u';', 0, 0);
            store.VertexTextY[vertex][1] = recorded[vertex].section(u';', 1, 1);
        }
        const DataTable table = dataTable(dataTableInputs(store, 1, QStringLiteral("omotetia"), QString()));
        QCOMPARE(rowOf(table, 0), (QStringList{"A(5;5)", "R = 3", "", ""}));
        QCOMPARE(rowOf(table, 1), listed);
    }

    // The inverse sequence runs the second transformation first.
    void stageNames()
    {
        const DataTable table = dataTable(recordedInputs(2, {0, 1, 2, 3, 4}));
        QCOMPARE(QStringList(table.stageNames.begin(), table.stageNames.end()),
                 (QStringList{"", "traslazione", "rotazione", "rotazione", "traslazione"}));
        QCOMPARE(QStringList(table.kindNames.begin(), table.kindNames.end()),
                 (QStringList{"traslazione", "rotazione"}));
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

    void secondMatrixWithTwoTransformations()
    {
        DataTableInputs inputs = recordedInputs(2, {0});
        QCOMPARE(dataTable(inputs).secondMatrixShown, false);
        inputs.transformCount = 2;
        QCOMPARE(dataTable(inputs).secondMatrixShown, true);
    }

    // Each transformation's panel from its own slot's kind and parameters.
    void eachSlotItsKind()
    {
        DataTableInputs inputs = recordedInputs(2, {0, 1, 2});
        inputs.kinds = {Omotetia, Traslazione};
        inputs.parameters = {homothety(-1, 1.5f, -1, 1), translation(4, -2)};
        const DataTable table = dataTable(inputs);
        QCOMPARE(parameterTexts(table.kinds[0]), (QStringList{"Xc = -1", "K = -1.5", "Yc = 1", Hidden}));
        QCOMPARE(parameterTexts(table.kinds[1]), (QStringList{"dx = 4", Hidden, "dy = -2", Hidden}));
    }

    void inputsFromTheStore()
    {
        TransformSettingsValues store;
        store.FigureType = 3;
        store.SlotKind[1] = Affinita;
        store.SlotKind[2] = Inclinazione;
        store.AffineCoeff[1] = AffineMatrix{{{1, 2, 3}, {4, 5, 6}}};
        store.AffineCoeff[2] = AffineMatrix{{{7, 8, 9}, {10, 11, 12}}};
        store.ShearY[2] = 2.5f;
        store.TranslationDX[1] = -6;
        store.TranslationDX[2] = 9;
        store.VertexTextX[3][4] = QStringLiteral("-12.5");
        store.VertexTextY[2][1] = QStringLiteral("7.0");
        const DataTableInputs inputs =
            dataTableInputs(store, 2, QStringLiteral("affinità"), QStringLiteral("inclinazione"));
        QCOMPARE(inputs.figureType, 3);
        QCOMPARE(inputs.transformCount, 2);
        QCOMPARE(inputs.kinds, (std::array<int, 2>{Affinita, Inclinazione}));
        QCOMPARE(inputs.parameters[0].AffineCoeff, (AffineMatrix{{{1, 2, 3}, {4, 5, 6}}}));
        QCOMPARE(inputs.parameters[1].AffineCoeff, (AffineMatrix{{{7, 8, 9}, {10, 11, 12}}}));
        QCOMPARE(inputs.parameters[0].TranslationDX, -6);
        QCOMPARE(inputs.parameters[1].TranslationDX, 9);
        QCOMPARE(inputs.parameters[1].ShearY, 2.5f);
        QCOMPARE(inputs.textX[3][4], QStringLiteral("-12.5"));
        QCOMPARE(inputs.textY[2][1], QStringLiteral("7.0"));
        QCOMPARE(inputs.kindNames[0], QStringLiteral("affinità"));
        QCOMPARE(inputs.kindNames[1], QStringLiteral("inclinazione"));
    }
};

QTEST_GUILESS_MAIN(TestDataTable)
#include "tst_datatable.moc"
