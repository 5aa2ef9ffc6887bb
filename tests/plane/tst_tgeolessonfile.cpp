#include "planeharness.h"

#include "lang/languagetables.h"
#include "dialogs/affinityrules.h"
#include "lesson/lessonfile.h"
#include "plane/composition.h"
#include "support/guitest.h"
#include "support/picturedialogs.h"
#include "support/settingsbytes.h"

#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QToolButton>

#include <random>

namespace {

// One way through the lesson: a figure and one or two kinds, entered
// through the dialogs with the store's values set as a teacher would type
// them.
struct Row {
    const char *name;
    int figure;
    std::initializer_list<QPoint> vertices;
    std::array<int, 2> kinds;
    bool frame = false;
};

// The canvas after every frame of every step, direct and then inverse, as
// digests: the pictures themselves would not fit in memory.
QList<size_t> runLesson(PlaneHarness &plane, const std::array<int, 2> &kinds, int count)
{
    QList<size_t> frames;
    auto digest = [&plane] {
        const QImage &canvas = plane.window()->canvas();
        return qHashBits(canvas.constBits(), size_t(canvas.sizeInBytes()));
    };
    auto step = [&](int kind) {
        plane.button("continua")->click();
        frames << digest();
        while (plane.frame(kind))
            frames << digest();
    };
    step(kinds[0]);
    if (count == 2) {
        step(kinds[1]);
        plane.button("inversa")->click();
        step(kinds[1]);
        step(kinds[0]);
    }
    return frames;
}

int transformCount(const Row &row)
{
    return row.kinds[1] < 0 ? 1 : 2;
}

// Parameters drawn from each dialog's ranges, every trace on.
void setRandomParameters(int slot, int kind, std::mt19937 &random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    TransformSettingsValues &s = TransformSettings;
    s.ShowTranslationVector[slot] = s.ShowRotationArcs[slot] = s.ShowSymmetryElement[slot] =
        s.ShowHomothetyCentre[slot] = true;
    switch (kind) {
    case Traslazione:
        setTranslation(slot, pick(-10, 10), pick(-8, 8), true);
        break;
    case Rotazione:
        setRotation(slot, pick(-359, 359), pick(-5, 5), pick(-5, 5));
        break;
    case Simmetria:
        s.SymmetryKind[slot] = quint8(pick(0, 5));
        s.SymmetryCentreX[slot] = pick(-5, 5);
        s.SymmetryCentreY[slot] = pick(-5, 5);
        s.SymmetryAxisAngle[slot] = pick(0, 179);
        s.SymmetryAxisQ[slot] = pick(-5, 5);
        break;
    case Omotetia:
        s.HomothetyCentreX[slot] = pick(-5, 5);
        s.HomothetyCentreY[slot] = pick(-5, 5);
        s.HomothetyRatio[slot] = float(pick(3, 15)) / 10;
        s.HomothetySign[slot] = qint8(pick(0, 1) ? 1 : -1);
        break;
    case Dilatazione:
        s.DilationX[slot] = float(pick(5, 20)) / 10;
        s.DilationY[slot] = float(pick(5, 20)) / 10;
        break;
    case Inclinazione:
        s.ShearAxis[slot] = quint8(pick(0, 1));
        s.ShearSign[slot] = quint8(pick(0, 1));
        (s.ShearAxis[slot] == 0 ? s.ShearX : s.ShearY)[slot] = float(pick(5, 15)) / 10;
        (s.ShearAxis[slot] == 0 ? s.ShearY : s.ShearX)[slot] = 0;
        break;
    case Affinita:
        s.AffinePreset = quint8(pick(0, AffinePresetCount - 1));
        s.AffineText[slot] = affinePresetTexts(s.AffinePreset);
        break;
    default:
        break;
    }
}

// Vertex A of `stage` as the table records it.
QPointF recordedA(int stage)
{
    return {TransformSettings.VertexTextX[0][stage].toDouble(), TransformSettings.VertexTextY[0][stage].toDouble()};
}

const Row Rows[] = {
    {"triangle: translation, rotation", 2, {{15, 11}, {10, 9}, {21, 4}}, {Traslazione, Rotazione}},
    {"quadrilateral: rotation, symmetry about a line", 3, {{2, 2}, {8, 2}, {8, 6}, {2, 6}}, {Rotazione, Simmetria}},
    {"segment: symmetry about x = 3, homothety", 1, {{1, 0}, {5, 3}}, {Simmetria, Omotetia}},
    {"point: homothety, dilation", 0, {{6, -4}}, {Omotetia, Dilatazione}},
    {"triangle: dilation, shear along y", 2, {{-6, 2}, {-2, 2}, {-5, 7}}, {Dilatazione, Inclinazione}},
    {"quadrilateral: shear, affinity", 3, {{-4, 0}, {2, 0}, {2, 6}, {-4, 6}}, {Inclinazione, Affinita}},
    {"segment: affinity, translation", 1, {{3, 1}, {9, 4}}, {Affinita, Traslazione}},
    {"circle: homothety, symmetry", 4, {{4, 3}, {3, 3}}, {Omotetia, Simmetria}},
    {"frame: rotation of the axes", 2, {{6, 2}, {12, 2}, {6, 7}}, {Rotazione, -1}, true},
};

} // namespace

class TestTgeoLessonFile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // Saved and opened again in a fresh workspace, a lesson gives the same
    // store, the same picture and the same frames as the lesson entered
    // through the dialogs.
    void openedLessonIsTheLessonEnteredByHand_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Rows)); ++i)
            QTest::newRow(Rows[i].name) << i;
    }

    void openedLessonIsTheLessonEnteredByHand()
    {
        QFETCH(int, row);
        const Row &r = Rows[row];
        const int count = transformCount(r);
        GuiTest::Fixture fixture;
        QByteArray saved;
        QImage confirmed;
        QList<size_t> byHand;
        {
            PlaneHarness plane;
            setFigure(r.figure, r.vertices);
            std::mt19937 random{uint(row)};
            for (int slot = 1; slot <= count; ++slot)
                setRandomParameters(slot, r.kinds[slot - 1], random);
            if (r.frame)
                plane.choose("tipi", 1);
            plane.setTransformations(count);
            plane.confirmFigure();
            for (int slot = 1; slot <= count; ++slot)
                plane.confirmKind(slot, r.kinds[slot - 1]);
            QVERIFY(plane.button("continua")->isEnabled());
            saved = LessonFile::compose(plane.window()->lesson());
            confirmed = plane.window()->canvas().copy();
            byHand = runLesson(plane, r.kinds, count);
        }
        GuiTest::resetProgramValues();
        writeFileBytes(QStringLiteral("lesson.aralda"), saved);
        PlaneHarness plane;
        plane.window()->openLessonFile(QStringLiteral("lesson.aralda"));
        QCOMPARE(LessonFile::compose(plane.window()->lesson()), saved);
        QCOMPARE(plane.window()->canvas(), confirmed);
        QVERIFY(plane.messageLine().endsWith(QStringLiteral("[continua]")));
        const QList<size_t> opened = runLesson(plane, r.kinds, count);
        QVERIFY(opened.size() >= count);
        QCOMPARE(opened, byHand);
    }

    // For every pair of kinds, with parameters drawn at random: the product
    // of the two matrices, in each order, takes A where the steps took it.
    void productsAgreeWithTheSteps_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        for (int first = Traslazione; first <= Affinita; ++first)
            for (int second = Traslazione; second <= Affinita; ++second)
                QTest::addRow("%d then %d", first, second) << first << second;
    }

    void productsAgreeWithTheSteps()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        std::mt19937 random(uint(first * 7 + second));
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setFigure(2, {{2, 1}, {5, 1}, {2, 3}});
        setRandomParameters(1, first, random);
        setRandomParameters(2, second, random);
        plane.confirmTwoSteps(first, second);
        runLesson(plane, {first, second}, 2);
        const SlotParameters p1 = slotParameters(TransformSettings, 1);
        const SlotParameters p2 = slotParameters(TransformSettings, 2);
        const Composition::Rows m1 = kindMatrix(first, p1);
        const Composition::Rows m2 = kindMatrix(second, p2);
        const QPointF a(2, 1);
        // The steps record one decimal of positions drawn in pixels.
        for (auto [stage, product] : {std::pair{2, Composition::product(m2, m1)}, std::pair{4, Composition::product(m1, m2)}}) {
            const QPointF computed = Composition::apply(product, a);
            const QPointF recorded = recordedA(stage);
            QVERIFY2(std::abs(computed.x() - recorded.x()) < 0.15 && std::abs(computed.y() - recorded.y()) < 0.15,
                     qPrintable(QStringLiteral("stage %1: (%2; %3) against (%4; %5)").arg(stage).arg(computed.x())
                                    .arg(computed.y()).arg(recorded.x()).arg(recorded.y())));
        }
    }

    // Every ready lesson opens without a message and runs to its end, the
    // inverse sequence too where it has two steps.
    void readyLessonsRun_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(":/lessons"));
        const QStringList names = folder.entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 12);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void readyLessonsRun()
    {
        QFETCH(QString, path);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.window()->openLessonFile(path);
        const Lesson lesson = plane.window()->lesson();
        QVERIFY(!lesson.title.isEmpty() && !lesson.note.isEmpty());
        QVERIFY(plane.window()->windowTitle().endsWith(lesson.title));
        QVERIFY(plane.messageLine().endsWith(QStringLiteral("[continua]")));
        runLesson(plane, lesson.kinds, lesson.transformCount);
        // A change of frame records no image of the figure.
        const int lastStage = lesson.transformCount == 2 ? 4 : 1;
        QCOMPARE(TransformSettings.VertexTextX[0][lastStage].isEmpty(), lesson.frameMode);
        QVERIFY(!plane.button("continua")->isEnabled());
    }

    // Saving asks for a name in Qt's own dialog, adds the ending, and a
    // failed write says why.
    void savedThroughTheDialog()
    {
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        plane.window()->openLessonFile(QStringLiteral(":/lessons/10-order-matters.aralda"));
        GuiTest::SaveAnswer seen;
        GuiTest::answerSaveDialog(fixture.filePath(QStringLiteral("mine")), seen);
        plane.window()->askToSaveLesson();
        QVERIFY(seen.saveDialog);
        QCOMPARE(seen.defaultSuffix, QStringLiteral("aralda"));
        QCOMPARE(fileBytes(fixture.filePath(QStringLiteral("mine.aralda"))),
                 LessonFile::compose(plane.window()->lesson()));
        GuiTest::SaveAnswer failed;
        GuiTest::answerSaveDialog(QStringLiteral("/proc/mine.aralda"), failed);
        plane.window()->askToSaveLesson();
        QVERIFY2(failed.failureMessage.startsWith(noticeText(LessonNotSaved) + QStringLiteral("\n/proc/mine.aralda\n")),
                 qPrintable(failed.failureMessage));
    }

    // A refused file says where and why, and leaves the lesson on the
    // screen as it was; a file with a key the program does not know opens,
    // and the user is told which key was skipped. Both windows are titled
    // with the program's name.
    void openingTells_data()
    {
        QTest::addColumn<QByteArray>("extra"); // after ready lesson 10; empty: a broken file
        QTest::addColumn<QString>("box");
        QTest::newRow("refused") << QByteArray() << "lessonRefused";
        QTest::newRow("unknown key") << QByteArray("sfondo = nero\n") << "lessonKeysSkipped";
    }

    void openingTells()
    {
        QFETCH(QByteArray, extra);
        QFETCH(QString, box);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = French;
        PlaneHarness plane;
        plane.window()->openLessonFile(QStringLiteral(":/lessons/04-parallel-axes.aralda"));
        const QImage before = plane.window()->canvas().copy();
        const QByteArray shownLesson = LessonFile::compose(plane.window()->lesson());
        const QString controls = plane.controls();
        const QByteArray ready = fileBytes(QStringLiteral(":/lessons/10-order-matters.aralda"));
        writeFileBytes(QStringLiteral("next.aralda"),
                       extra.isEmpty() ? QByteArray("Aralda lesson 1\nfigure = triangle\na = 1 1\nb = 2\n")
                                       : ready + extra);
        QString shown;
        GuiTest::whenModalOpens([&shown](QWidget *window) {
            shown = window->objectName() + u'|' + window->windowTitle() + u'|' + static_cast<QMessageBox *>(window)->text();
            window->close();
        });
        plane.window()->openLessonFile(QStringLiteral("next.aralda"));
        if (!extra.isEmpty()) {
            QCOMPARE(shown, box + u"|Aralda|"_qs + noticeText(LessonUnknownKeys).arg(u"sfondo"_qs));
            QCOMPARE(LessonFile::compose(plane.window()->lesson()),
                     LessonFile::compose(*LessonFile::parse(ready, French).lesson));
            return;
        }
        QCOMPARE(shown, box + u"|Aralda|"_qs + noticeText(LessonNotOpened) + u"\nnext.aralda\n"_qs
                            + noticeText(LessonLine).arg(4).arg(noticeText(LessonBadValue).arg("2", "b")));
        QVERIFY(shown.contains(u"La leçon ne peut pas être ouverte:"_qs));
        QCOMPARE(plane.window()->canvas(), before);
        QCOMPARE(LessonFile::compose(plane.window()->lesson()), shownLesson);
        QCOMPARE(plane.controls(), controls);
    }
};

QTEST_MAIN(TestTgeoLessonFile)
#include "tst_tgeolessonfile.moc"
