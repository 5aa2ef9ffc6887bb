#include "plane/framechange.h"
#include "plane/rotationframes.h"
#include "plane/steppreparation.h"
#include "plane/translationframes.h"
#include "support/guitest.h"

#include <QTest>

namespace {

// The default triangle A (15, 11), B (10, 9), C (21, 4).
StepFigure triangle()
{
    StepFigure figure;
    figure.figureType = 2;
    figure.cur.x = {15, 10, 21};
    figure.cur.y = {11, 9, 4};
    return figure;
}

StepFigure circle(float x, float y, float radius)
{
    StepFigure figure;
    figure.figureType = 2;
    figure.isCircle = true;
    figure.cur.x = {x, radius, 7};
    figure.cur.y = {y, radius, 7};
    return figure;
}

StepValues prepared(int kind, const StepFigure &figure, StepPoints *points = nullptr)
{
    StepValues values;
    StepPoints scratch;
    prepareStep(kind, 1, figure, 334, values, points ? *points : scratch);
    return values;
}

using Advance = void (*)(StepValues &);
using Ended = bool (*)(const StepValues &);

int frameCount(StepValues values, Ended ended, Advance advance)
{
    int frames = 0;
    while (!ended(values)) {
        advance(values);
        ++frames;
    }
    return frames;
}

} // namespace

class TestPlaneFrames : public QObject
{
    Q_OBJECT

private slots:
    void init() { GuiTest::resetProgramValues(); applyWorkspaceStartValues(true); }

    void translationFrameCounts_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("frames");
        QTest::newRow("(0, 0) draws none") << 0 << 0 << 0;
        QTest::newRow("(1, 0): the eleventh sum is above 1") << 1 << 0 << 10;
        QTest::newRow("(0, -2)") << 0 << -2 << 20;
        QTest::newRow("(3, 0)") << 3 << 0 << 31;
        QTest::newRow("(-6, -8)") << -6 << -8 << 81;
        QTest::newRow("(9, 1)") << 9 << 1 << 91;
        QTest::newRow("(10, 0)") << 10 << 0 << 100;
        QTest::newRow("(-30, 20)") << -30 << 20 << 300;
    }

    void translationFrameCounts()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, frames);
        TransformSettings.TranslationDX[1] = dx;
        TransformSettings.TranslationDY[1] = dy;
        const StepValues values = prepared(Traslazione, triangle());
        QCOMPARE(values.StepCount, std::max(std::abs(dx), std::abs(dy)));
        QCOMPARE(frameCount(values, TranslationFrames::ended, TranslationFrames::advance), frames);
    }

    void translationFrames_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<float>("ax");
        QTest::addColumn<float>("cy");
        // Translation by (1, -2): N = 2, t = frame / 10.
        QTest::newRow("first frame, the figure") << 0 << 150.0f << -40.0f;
        QTest::newRow("t = 0.5") << 5 << 152.0f << -35.0f; // 152.5 rounds to even
        QTest::newRow("t = 1.9, the last") << 19 << 160.0f << -21.0f;
    }

    void translationFrames()
    {
        QFETCH(int, frame);
        QFETCH(float, ax);
        QFETCH(float, cy);
        TransformSettings.TranslationDX[1] = 1;
        TransformSettings.TranslationDY[1] = -2;
        const StepFigure figure = triangle();
        StepValues values = prepared(Traslazione, figure);
        for (int i = 0; i < frame; ++i)
            TranslationFrames::advance(values);
        FigurePoints rel;
        TranslationFrames::framePoints(values, figure, rel);
        QCOMPARE(rel.x[0], ax);
        QCOMPARE(rel.y[2], cy);
        // D repeats C.
        QCOMPARE(rel.x[3], rel.x[2]);
        QCOMPARE(rel.y[3], rel.y[2]);
    }

    void translationEndsExactly()
    {
        TransformSettings.TranslationDX[1] = -6;
        TransformSettings.TranslationDY[1] = -8;
        const StepFigure figure = triangle();
        FigurePoints image;
        TranslationFrames::image(prepared(Traslazione, figure), figure, image);
        QCOMPARE(image.x[0], 9.0f);
        QCOMPARE(image.y[0], 3.0f);
        QCOMPARE(image.x[2], 15.0f);
        QCOMPARE(image.y[2], -4.0f);

        const StepFigure round = circle(3, 4, 5);
        TranslationFrames::image(prepared(Traslazione, round), round, image);
        QCOMPARE(image.x[0], -3.0f);
        QCOMPARE(image.y[0], -4.0f);
        QCOMPARE(image.x[1], 5.0f); // the radius is copied
        QCOMPARE(image.y[1], 5.0f);
    }

    void rotationFrameCounts_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("frames");
        QTest::newRow("0 draws one") << 0 << 1;
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("70") << 70 << 71;
        QTest::newRow("-90") << -90 << 91;
        QTest::newRow("359") << 359 << 360;
        QTest::newRow("-359") << -359 << 360;
    }

    void rotationFrameCounts()
    {
        QFETCH(int, angle);
        QFETCH(int, frames);
        TransformSettings.RotationAngle[1] = angle;
        const StepValues values = prepared(Rotazione, triangle());
        QCOMPARE(values.StepIndex, 0);
        QCOMPARE(frameCount(values, RotationFrames::ended, RotationFrames::advance), frames);
    }

    void rotationFrames()
    {
        TransformSettings.RotationAngle[1] = -90;
        TransformSettings.RotationCentreX[1] = 2;
        TransformSettings.RotationCentreY[1] = -2;
        const StepFigure figure = triangle();
        StepValues values = prepared(Rotazione, figure);
        QCOMPARE(values.AnimCentreX, 2);
        QCOMPARE(values.AnimCentreY, -2);
        // A is (13, 13) from the centre: 10 sqrt(338) = 183.8.
        QCOMPARE(values.RotationRadii[0], 184);
        QCOMPARE(values.RotationRadii[1], 136); // (8, 11): 136.01
        FigurePoints rel;
        RotationFrames::framePoints(values, figure, rel);
        QCOMPARE(rel.x[0], 130.0f);
        QCOMPARE(rel.y[0], -130.0f);
        for (int i = 0; i < 90; ++i)
            RotationFrames::advance(values);
        QCOMPARE(values.StepIndex, -90);
        RotationFrames::framePoints(values, figure, rel);
        // Clockwise a quarter turn: (13, 13) goes to (13, -13).
        QCOMPARE(rel.x[0], 130.0f);
        QCOMPARE(rel.y[0], 130.0f);
        QCOMPARE(rel.x[3], rel.x[2]);
    }

    void rotationEndValues()
    {
        TransformSettings.RotationAngle[1] = 90;
        const StepFigure figure = triangle();
        FigurePoints image;
        RotationFrames::image(prepared(Rotazione, figure), figure, image);
        // About (2, -2): A (15, 11) goes to (-11, 11), C (21, 4) to (-4, 17).
        QCOMPARE(qRound(image.x[0] * 1000), -11000);
        QCOMPARE(qRound(image.y[0] * 1000), 11000);
        QCOMPARE(qRound(image.x[2] * 1000), -4000);
        QCOMPARE(qRound(image.y[2] * 1000), 17000);

        TransformSettings.RotationAngle[1] = 70;
        RotationFrames::image(prepared(Rotazione, figure), figure, image);
        QCOMPARE(coordinateText(image.x[0]), QStringLiteral("-5.8"));
        QCOMPARE(coordinateText(image.y[0]), QStringLiteral("14.7"));

        const StepFigure round = circle(3, 4, 5);
        RotationFrames::image(prepared(Rotazione, round), round, image);
        QCOMPARE(image.x[1], 5.0f);
        QCOMPARE(image.x[2], 7.0f);
    }

    void homothetyDirection_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<float>("ratio");
        QTest::addColumn<int>("direction");
        QTest::newRow("negative, small") << -1 << 0.5f << 1;
        QTest::newRow("negative, large") << -1 << 2.0f << 1;
        QTest::newRow("positive, 0.5") << 1 << 0.5f << -1;
        QTest::newRow("positive, 1.0") << 1 << 1.0f << 1;
        QTest::newRow("positive, 1.5") << 1 << 1.5f << 1;
    }

    void homothetyDirection()
    {
        QFETCH(int, sign);
        QFETCH(float, ratio);
        QFETCH(int, direction);
        TransformSettings.HomothetySign[1] = qint8(sign);
        TransformSettings.HomothetyRatio[1] = ratio;
        const StepValues values = prepared(Omotetia, triangle());
        QCOMPARE(values.HomothetyDirection, direction);
        QCOMPARE(values.AnimProgress, 1.0f);
    }

    void dilationAndShearPreparation()
    {
        StepValues values = prepared(Dilatazione, triangle());
        QCOMPARE(values.DilationLargestDelta, 0.5f);
        QCOMPARE(values.AnimDeltaX, 0.5f);
        QCOMPARE(values.AnimDeltaY, -0.5f);
        QCOMPARE(values.StepCount, 10);
        QCOMPARE(values.AnimFactorX, 1.0f);

        TransformSettings.ShearAxis = 1;
        TransformSettings.ShearY[1] = 1.5f;
        TransformSettings.ShearX[1] = 0;
        values = prepared(Inclinazione, triangle());
        QCOMPARE(values.StepCount, 30);
        QCOMPARE(values.AnimFactorY, 0.0f);
    }

    void symmetryPreparation_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPointF>("image");
        QTest::addColumn<int>("angle");
        // The point (3, 1); centre (1, 2), lines x = 1 and y = 2.
        QTest::newRow("centre") << 0 << QPointF(-1, 3) << 0;
        QTest::newRow("x = k") << 1 << QPointF(-1, 1) << 90;
        QTest::newRow("y = k") << 2 << QPointF(3, 3) << 0;
        QTest::newRow("y = x") << 3 << QPointF(1, 3) << 45;
        QTest::newRow("y = -x") << 4 << QPointF(-1, -3) << 135;
        // The line at 45 degrees through (0, -1): y = x - 1.
        QTest::newRow("y = mx + q") << 5 << QPointF(2, 2) << 45;
    }

    void symmetryPreparation()
    {
        QFETCH(int, kind);
        QFETCH(QPointF, image);
        QFETCH(int, angle);
        TransformSettings.SymmetryKind[1] = quint8(kind);
        TransformSettings.SymmetryCentreX[1] = 1;
        TransformSettings.SymmetryCentreY[1] = 2;
        TransformSettings.SymmetryAxisAngle[1] = 45;
        TransformSettings.SymmetryAxisQ[1] = -1;
        StepFigure point;
        point.figureType = 0;
        point.cur.x[0] = 3;
        point.cur.y[0] = 1;
        StepPoints points;
        const StepValues values = prepared(Simmetria, point, &points);
        QCOMPARE(values.AnimAngle, angle);
        QCOMPARE(qRound(points.image.x[0] * 1000), qRound(image.x() * 1000));
        QCOMPARE(qRound(points.image.y[0] * 1000), qRound(image.y() * 1000));
        QCOMPARE(points.rel.x[0], float(qRound(image.x() * 10)));
        // Working points are absolute rows, measured from q.
        QCOMPARE(points.work.y[0], float(334 - qRound(image.y() * 10)));
    }

    void frameMatrices_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("variant");
        QTest::addColumn<QList<double>>("matrix"); // c, a, b, c', a', b'
        QTest::newRow("translation (3, 2)") << 0 << 0 << QList<double>{-3, 1, 0, -2, 0, 1};
        QTest::newRow("rotation 90") << 1 << 0 << QList<double>{0, 0, 1, 0, -1, 0};
        QTest::newRow("symmetry, centre (1, 2)") << 2 << 0 << QList<double>{2, -1, 0, 4, 0, -1};
        QTest::newRow("symmetry, x = 1") << 2 << 1 << QList<double>{2, -1, 0, 0, 0, 1};
        QTest::newRow("symmetry, y = 2") << 2 << 2 << QList<double>{0, 1, 0, 4, 0, -1};
        QTest::newRow("symmetry, y = x") << 2 << 3 << QList<double>{0, 0, 1, 0, 1, 0};
        QTest::newRow("symmetry, y = -x") << 2 << 4 << QList<double>{0, 0, -1, 0, -1, 0};
        // m = 1, d = 2, q = -1.
        QTest::newRow("symmetry, 45 degrees") << 2 << 5 << QList<double>{1, 0, 1, -1, 1, 0};
        QTest::newRow("symmetry, 90 degrees whatever q") << 2 << 90 << QList<double>{0, -1, 0, 0, 0, 1};
        QTest::newRow("homothety -1.5 about (-1, 1)") << 3 << 0 << QList<double>{-1, -1.5, 0, 1, 0, -1.5};
        QTest::newRow("dilation") << 4 << 0 << QList<double>{0, 1.5, 0, 0, 0, 0.5};
        QTest::newRow("shear along y, negative") << 5 << 0 << QList<double>{0, 1, 0, 0, -0.5, 1};
    }

    void frameMatrices()
    {
        QFETCH(int, kind);
        QFETCH(int, variant);
        QFETCH(QList<double>, matrix);
        TransformSettingsValues &s = TransformSettings;
        s.TranslationDX[1] = 3;
        s.TranslationDY[1] = 2;
        s.RotationAngle[1] = 90;
        s.SymmetryKind[1] = quint8(variant == 90 ? 5 : variant);
        s.SymmetryCentreX[1] = 1;
        s.SymmetryCentreY[1] = 2;
        s.SymmetryAxisAngle[1] = variant == 90 ? 90 : 45;
        s.SymmetryAxisQ[1] = -1;
        s.HomothetySign[1] = -1;
        s.ShearAxis = 1;
        s.ShearSign = 1;
        s.ShearX[1] = 0;
        s.ShearY[1] = 0.5f;
        const AffineMatrix m = FrameChange::matrix(kind, 1);
        const float actual[] = {m[0][0], m[0][1], m[0][2], m[1][0], m[1][1], m[1][2]};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(qRound(actual[i] * 1e6), qRound(matrix[i] * 1e6));
    }

    void frameScreenPoints_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("xTip");
        QTest::addColumn<QPoint>("yTip");
        QTest::addColumn<QPoint>("crossing");
        // Origin (500, 300). The drawing sends the x tip left of the origin
        // and the y tip below it.
        QTest::newRow("(0, 0) at 100%") << 0 << 0 << 0 << 1 << QPoint(490, 300) << QPoint(500, 310)
                                        << QPoint(500, 300);
        QTest::newRow("(0, 0) at 33%") << 0 << 0 << 0 << 3 << QPoint(497, 300) << QPoint(500, 303)
                                       << QPoint(500, 300);
        QTest::newRow("(3, 2) at 100%") << 0 << 3 << 2 << 1 << QPoint(520, 280) << QPoint(530, 290)
                                        << QPoint(530, 280);
        QTest::newRow("(3, 2) at 50%") << 0 << 3 << 2 << 2 << QPoint(510, 290) << QPoint(515, 295)
                                       << QPoint(515, 290);
        QTest::newRow("rotation 90 at 100%") << 1 << 0 << 0 << 1 << QPoint(500, 290) << QPoint(490, 300)
                                             << QPoint(500, 300);
        QTest::newRow("rotation 90 at 50%") << 1 << 0 << 0 << 2 << QPoint(500, 295) << QPoint(495, 300)
                                            << QPoint(500, 300);
    }

    void frameScreenPoints()
    {
        QFETCH(int, kind);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, zoom);
        QFETCH(QPoint, xTip);
        QFETCH(QPoint, yTip);
        QFETCH(QPoint, crossing);
        TransformSettings.TranslationDX[1] = dx;
        TransformSettings.TranslationDY[1] = dy;
        TransformSettings.RotationAngle[1] = 90;
        const FigurePoints axes = FrameChange::axisPoints(300, 8, 14);
        FigurePoints image;
        const ScreenPoints screen =
            FrameChange::screenPoints(axes, FrameChange::matrix(kind, 1), ScreenMapping(500, 300, zoom), image);
        QCOMPARE(QPoint(screen.x[FrameChange::XArrowTip], screen.y[FrameChange::XArrowTip]), xTip);
        QCOMPARE(QPoint(screen.x[FrameChange::YArrowTip], screen.y[FrameChange::YArrowTip]), yTip);
        if (kind == Traslazione) {
            // The y axis is the column of the crossing, the x axis its row.
            QCOMPARE(screen.x[FrameChange::YAxisLow], crossing.x());
            QCOMPARE(screen.x[FrameChange::YAxisHigh], crossing.x());
            QCOMPARE(screen.y[FrameChange::XAxisLeft], crossing.y());
            QCOMPARE(screen.y[FrameChange::XAxisRight], crossing.y());
        }
    }

    void axisPoints()
    {
        const FigurePoints p = FrameChange::axisPoints(301, 9, 15);
        QCOMPARE(p.y[FrameChange::YAxisLow], -301.0f);
        QCOMPARE(p.x[FrameChange::XAxisRight], 301.0f);
        QCOMPARE(p.x[FrameChange::XArrowWing1], 6.0f);
        QCOMPARE(p.y[FrameChange::YArrowWing1], 6.0f);
        QCOMPARE(p.x[FrameChange::XLabel], 150.0f);
        QCOMPARE(p.y[FrameChange::XLabel], 7.0f);
        QCOMPARE(p.x[FrameChange::YLabel], -4.0f); // (-9) div 2 truncates
        QCOMPARE(p.y[FrameChange::YLabel], 150.0f);
    }
};

QTEST_GUILESS_MAIN(TestPlaneFrames)
#include "tst_planeframes.moc"
