#include "planeharness.h"

#include "lang/languagetables.h"
#include "plane/tgeotab.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Colour;

namespace {

using Run = QPair<QList<QImage>, QStringList>; // the canvas after every frame, the texts at the end

// On the start triangle, or for the shear a circle.
void prepare(int kind)
{
    setTranslation(1, 3, -2, true);
    setRotation(1, -30, 2, -2);
    TransformSettings.ShowRotationArcs[1] = true;
    TransformSettings.HomothetyRatio[1] = 0.5f;
    TransformSettings.HomothetySign[1] = -1;
    TransformSettings.DilationX[1] = 1.5f;
    TransformSettings.DilationY[1] = 0.5f;
    if (kind == Inclinazione) {
        setFigure(4, {{3, 2}, {5, 5}});
        TransformSettings.ShearX[1] = 0.6f;
    }
}

// `interrupt` pauses after three frames, steps two, speeds up and resumes.
Run runStep(int kind, bool interrupt)
{
    PlaneHarness plane;
    prepare(kind);
    plane.confirmFigure();
    plane.confirmKind(1, kind);
    plane.button("continua")->click();
    QWidget *surface = plane.window()->widget();
    Run run;
    for (int events = 0;; ++events) {
        if (interrupt && events == 3) {
            QTest::keyClick(surface, Qt::Key_Space);
            if (plane.frame(kind))
                return {};
            for (int i = 0; i < 2; ++i) {
                QTest::keyClick(surface, Qt::Key_Period);
                run.first << plane.window()->canvas().copy();
            }
            QTest::keyClick(surface, Qt::Key_Plus);
            QTest::keyClick(surface, Qt::Key_Space);
        }
        if (!plane.frame(kind))
            break;
        run.first << plane.window()->canvas().copy();
    }
    run.second = recordedTexts(1, 3) << plane.labelText("Label1") << plane.labelText("Label2");
    return run;
}

// What the lesson shows after a step: canvas, messages, enabling.
QPair<QImage, QString> shown(const PlaneHarness &plane)
{
    return {plane.window()->canvas().copy(), plane.messageLine() + u'|' + plane.labelText("Panel1") + u'|'
                                                 + plane.labelText("Label2") + u'|' + plane.controls()
                                                 + recordedTexts(2, 3).join(u' ')};
}


// A quadrilateral's recorded coordinates at every stage, and their labels.
const char *const Recorded[VertexStageCount][VertexCount][2] = {
    {{"15", "11"}, {"10", "9"}, {"21", "4"}, {"19", "9"}},
    {{"9.0", "3.0"}, {"4.0", "1.0"}, {"15.0", "-4.0"}, {"13.0", "1.0"}},
    {{"-3.0", "9.0"}, {"-1.0", "4.0"}, {"4.0", "15.0"}, {"-1.0", "13.0"}},
    {{"-11.0", "15.0"}, {"-9.0", "10.0"}, {"-4.0", "21.0"}, {"-9.0", "19.0"}},
    {{"-17.0", "7.0"}, {"-15.0", "2.0"}, {"-10.0", "17.0"}, {"-15.0", "11.0"}},
};
const int StageLabels[VertexStageCount] = {2, 6, 10, 18, 23}; // the label of A; B to D follow

void recordStages(int figureType, const QList<int> &stages)
{
    TransformSettings.FigureType = quint8(figureType);
    for (int stage : stages)
        for (int vertex = 0; vertex < VertexCount; ++vertex) {
            TransformSettings.VertexTextX[vertex][stage] = QString::fromLatin1(Recorded[stage][vertex][0]);
            TransformSettings.VertexTextY[vertex][stage] = QString::fromLatin1(Recorded[stage][vertex][1]);
        }
}

// The table shown without a modal loop.
struct OpenTable {
    QPointer<Tgeotab> window;

    OpenTable(int transformCount, const QString &name1, const QString &name2, QWidget *parent = nullptr)
        : window(new Tgeotab(transformCount, name1, name2, parent))
    {
        window->show();
    }
    ~OpenTable() { delete window; }

    template<typename Control = QWidget>
    Control *control(const QString &name) const { return window->findChild<Control *>(name); }
    QString text(const QString &label) const { return control<QLabel>(label)->text(); }
};

// "name=text" for each label of `numbers` ("28 29 ..."), as `window` shows it.
QString texts(QWidget *window, const QString &numbers)
{
    QStringList result;
    for (const QString &number : numbers.split(u' '))
        result << number + u'=' + window->findChild<QLabel *>(u"Label"_qs + number)->text();
    return result.join(u'|');
}

QString hidden(QWidget *window, const QString &names)
{
    QStringList result;
    for (const QString &name : names.split(u' '))
        if (window->findChild<QWidget *>(name)->isHidden())
            result << name;
    return result.join(u' ');
}

// The labels of the second and third pages; the controls the pages hide.
const QString KindLabels = u"Label28 Label29 Label33 Label34 Label36 Label37 Label39 Label40 Label32 Label35 Label48 "
                           "Label38 Label41 Label49 Label50 Label51 Label52 Label44 Label45 Label55 Label46 Label47 "
                           "Label57 Label53 Label54 Label56"_qs;
const QString Switched = u"Label17 Panel1 Label15 Label16 Panel2 Label27 Label30 Panel5 Label31 Panel4 Label42 Panel7 "
                         "Label43 Panel8"_qs;

// Whether `colour` is drawn somewhere inside `child`, as its panel shows it.
bool drawnIn(const OpenTable &table, const char *panel, const char *child, QRgb colour)
{
    const QImage image = table.control(QString::fromLatin1(panel))->grab().toImage().copy(
        table.control(QString::fromLatin1(child))->geometry());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                return true;
    return false;
}

} // namespace

class TestTgeoLesson : public QObject
{
    Q_OBJECT

    std::optional<GuiTest::Fixture> m_fixture;

private slots:
    void init()
    {
        m_fixture.emplace();
        Language.LanguageIndex = Italian;
    }
    void cleanup()
    {
        m_fixture.reset();
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    void compositionDirectThenInverse()
    {
        PlaneHarness plane;
        setFigure(1, {{1, 0}, {2, 2}});
        setTranslation(1, 3, 0);
        setRotation(2, 90, 0, 0);
        plane.setTransformations(2);
        plane.confirmFigure();
        QCOMPARE(plane.messageLine(), QStringLiteral("Scegliere la trasformazione"));
        plane.confirmKind(1, Traslazione);
        QCOMPARE(plane.messageLine(), QStringLiteral("Scegliere la II trasformazione"));
        plane.confirmKind(2, Rotazione);
        const QString pressContinua = QStringLiteral("Premere il tasto [continua]");
        QCOMPARE(plane.messageLine(), pressContinua);
        // Each step: the sequence's name, the message after, and the image.
        const struct {
            const char *sequence;
            int kind;
            QString message;
            QList<QPointF> image;
            QRgb colour;
        } steps[] = {
            {"diretta", Traslazione, pressContinua, {{4, 0}, {5, 2}}, Aqua},
            {nullptr, Rotazione, u"Premere il tasto [inversa]"_qs, {{0, 4}, {-2, 5}}, Lime},
            {"inverse", Rotazione, pressContinua, {{0, 1}, {-2, 2}}, Aqua},
            {nullptr, Traslazione, QString(), {{3, 1}, {1, 2}}, Lime},
        };
        for (int stage = 1; stage <= 4; ++stage) {
            const auto &step = steps[stage - 1];
            if (stage == 3) {
                plane.button("inversa")->click();
                QCOMPARE(plane.messageLine(), pressContinua);
            }
            plane.button("continua")->click();
            if (step.sequence)
                QCOMPARE(plane.labelText("Panel1"), QString::fromLatin1(step.sequence));
            if (stage == 2 || stage == 4)
                QCOMPARE(plane.messageLine(), step.message);
            plane.runStep(step.kind);
            QCOMPARE(plane.messageLine(), step.message);
            QVERIFY(plane.lettersAt(step.image, step.colour));
        }
        QCOMPARE(recordedTexts(4, 2), (QStringList{"3.0;1.0", "1.0;2.0"}));

        // A screen reader reads the images with their transformations.
        const QString figure = QStringLiteral("segmento AB: A(1;0) B(2;2)");
        QCOMPARE(plane.window()->widget()->accessibleDescription(),
                 figure + QStringLiteral("; immagine dopo traslazione (dx = 3, dy = 0): A(4.0;0.0) B(5.0;2.0)"
                                         "; immagine dopo rotazione (Xc = 0, α = 90, Yc = 0): A(0.0;4.0) B(-2.0;5.0)"
                                         "; immagine dopo rotazione (Xc = 0, α = 90, Yc = 0): A(0.0;1.0) B(-2.0;2.0)"
                                         "; immagine dopo traslazione (dx = 3, dy = 0): A(3.0;1.0) B(1.0;2.0)"));
        plane.button("cancella")->click();
        QCOMPARE(plane.window()->widget()->accessibleDescription(), figure);
    }

    // A kind chosen (an arrow or page key only opens the list) and its
    // dialog cancelled: the box shows what it showed, `continua` runs the
    // kind confirmed.
    void cancelledChoiceKeepsTheConfirmedKind_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("key"); // 0: the item chosen with the mouse
        QTest::newRow("slot 1, Down") << 1 << int(Qt::Key_Down);
        QTest::newRow("slot 2, chosen") << 2 << 0;
        QTest::newRow("slot 2, Page Down") << 2 << int(Qt::Key_PageDown);
    }

    void cancelledChoiceKeepsTheConfirmedKind()
    {
        QFETCH(int, slot);
        QFETCH(int, key);
        PlaneHarness plane;
        setTranslation(1, 0, 0);
        setRotation(slot, -90, 2, -2);
        plane.setTransformations(slot);
        plane.confirmFigure();
        if (slot == 2)
            plane.confirmKind(1, Traslazione);
        const char *boxName = slot == 1 ? "trasfuno" : "trasfdue";
        QComboBox *box = plane.combo(boxName);
        bool dialogOpened = false;
        auto chooseAndCancel = [&] {
            dialogOpened = false;
            GuiTest::whenModalOpens([&](QWidget *dialog) {
                dialogOpened = true;
                DialogDriver::pressCancel(dialog);
            });
            if (key) {
                QTest::keyClick(box, Qt::Key(key));
                QVERIFY(box->view()->isVisible());
                QVERIFY(!dialogOpened);
                QTest::keyClick(box->view(), Qt::Key_Down);
                QTest::keyClick(box->view(), Qt::Key_Return);
            } else {
                plane.choose(boxName, Simmetria);
            }
            QVERIFY(dialogOpened);
        };
        chooseAndCancel();
        QCOMPARE(box->currentIndex(), -1);
        QVERIFY(!plane.button("continua")->isEnabled());

        plane.confirmKind(slot, Rotazione);
        chooseAndCancel();
        QCOMPARE(box->currentText(), QStringLiteral("rotazione"));
        int frames = 0;
        for (int step = 1; step <= slot; ++step)
            frames = plane.continueStep(step == slot ? Rotazione : Traslazione);
        QCOMPARE(frames, 91);
        QCOMPARE(recordedTexts(slot, 1), QStringList("15.0;-15.0"));
    }

    // "Assi" chosen while slot 2's step runs: it still draws with slot 2's choices.
    void runningSlotKeptWhenAssiIsChosen()
    {
        PlaneHarness plane;
        setTranslation(1, 1, 0);
        setTranslation(2, 3, 0, true);
        plane.confirmTwoSteps(Traslazione, Traslazione);
        plane.continueStep(Traslazione);
        plane.button("continua")->click();
        plane.choose("tipi", 1);
        plane.runStep(Traslazione);
        QCOMPARE(plane.pixel(plane.screen(17.5, 11)), Grey); // on the vector from A (16, 11)
    }

    // Primes tell a sequence's images apart; each new run takes the next colour.
    void primesTellTheImagesApart()
    {
        PlaneHarness plane;
        plane.window()->findChild<QAction *>(QStringLiteral("apici"))->trigger();
        setFigure(1, {{1, 0}, {2, 2}});
        setTranslation(1, 3, 0);
        setRotation(2, 90, 0, 0);
        plane.confirmTwoSteps(Traslazione, Rotazione);
        plane.continueStep(Traslazione);
        plane.continueStep(Rotazione);
        QVERIFY(plane.lettersAt({{4, 0}, {5, 2}}, Aqua, QStringLiteral("\u2032")));
        QVERIFY(plane.lettersAt({{0, 4}, {-2, 5}}, Lime, QStringLiteral("\u2033")));

        setTranslation(1, 0, 6);
        plane.setTransformations(1);
        plane.confirmFigure();
        plane.confirmKind(1, Traslazione);
        // Round the whole palette and back to its first colour.
        for (QRgb colour : {Aqua, Lime, QRgb(0xFFFF00), QRgb(0xFF00FF), QRgb(0xFF8000), Aqua}) {
            plane.continueStep(Traslazione);
            QVERIFY(plane.lettersAt({{1, 6}, {2, 8}}, colour, QStringLiteral("\u2032")));
            plane.confirmKind(1, Traslazione); // the same again, beside the last
        }
    }

    // Pause, one frame and speed change when frames come, never which.
    void interruptedStepEndsAsStraightOne_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("translation with its vector") << int(Traslazione);
        QTest::newRow("rotation with arcs") << int(Rotazione);
        QTest::newRow("homothety, k < 0") << int(Omotetia);
        QTest::newRow("dilation") << int(Dilatazione);
        QTest::newRow("shear of a circle") << int(Inclinazione);
    }

    void interruptedStepEndsAsStraightOne()
    {
        QFETCH(int, kind);
        const Run straight = runStep(kind, false);
        const Run interrupted = runStep(kind, true);
        QVERIFY(straight.first.size() > 6);
        QVERIFY(interrupted.first == straight.first);
        QCOMPARE(interrupted.second, straight.second);
    }

    // The speeds halve and double the intervals (50 ms, the shear's 2 ms).
    void speeds()
    {
        PlaneHarness plane;
        QWidget *surface = plane.window()->widget();
        auto intervals = [&plane] {
            QStringList shown;
            for (const char *name : {"traslazione", "rotazione", "omotetia", "dilatazione", "inclinazione"}) {
                const auto *timer = plane.window()->findChild<QTimer *>(QString::fromLatin1(name));
                shown << QString::number(timer->interval()) + (timer->isActive() ? u" running"_qs : QString());
            }
            return shown.join(u' ');
        };
        QCOMPARE(intervals(), u"50 50 50 50 2"_qs);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(surface, Qt::Key_Minus);
        QCOMPARE(intervals(), u"200 200 200 200 8"_qs);
        for (int i = 0; i < 6; ++i)
            QTest::keyClick(surface, Qt::Key_Plus);
        QCOMPARE(intervals(), u"12 12 12 12 0"_qs);
    }

    // A paused step reads frames shown of all and the value the last drew;
    // a shear reads the coefficient of its own axis.
    void readoutWhenPaused_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("axis");
        QTest::addColumn<QString>("readout"); // after 22 events of the rotation, 5 of the shear
        QTest::newRow("rotation by 90") << int(Rotazione) << 0 << u"22/91  α = 21°"_qs;
        QTest::newRow("shear 0.6 along x") << int(Inclinazione) << 0 << u"5/13  k = 0.20"_qs;
        QTest::newRow("shear -0.6 along y") << int(Inclinazione) << 1 << u"5/13  k = -0.20"_qs;
    }

    void readoutWhenPaused()
    {
        QFETCH(int, kind);
        QFETCH(int, axis);
        QFETCH(QString, readout);
        PlaneHarness plane;
        setRotation(1, 90, 2, -2);
        TransformSettings.ShearAxis[1] = quint8(axis);
        TransformSettings.ShearSign[1] = quint8(axis);
        (axis == 0 ? TransformSettings.ShearX : TransformSettings.ShearY)[1] = 0.6f;
        (axis == 0 ? TransformSettings.ShearY : TransformSettings.ShearX)[1] = 0;
        plane.confirmFigure();
        plane.confirmKind(1, kind);
        QTest::keyClick(plane.window()->widget(), Qt::Key_PageDown);
        for (int i = 0; i < (kind == Rotazione ? 22 : 5); ++i)
            QVERIFY(plane.frame(kind));
        plane.button("pausa")->click();
        QVERIFY(plane.button("fotogramma")->isEnabled());
        QCOMPARE(plane.labelText("lettura"), readout);
    }

    // B and W blank the drawing until the next key.
    void blankKeys()
    {
        PlaneHarness plane;
        plane.runLesson(Traslazione);
        QWidget *surface = plane.window()->widget();
        const QImage end = plane.window()->canvas().copy();
        const QRgb before = surface->grab().toImage().pixel(300, 300);
        for (auto [key, colour] : {std::pair{Qt::Key_B, Black}, std::pair{Qt::Key_W, White}}) {
            QTest::keyClick(surface, key);
            QCOMPARE(surface->grab().toImage().pixel(300, 300) & 0xFFFFFF, colour);
            QTest::keyClick(surface, Qt::Key_X);
            QCOMPARE(surface->grab().toImage().pixel(300, 300), before);
            QCOMPARE(plane.window()->canvas(), end);
        }
    }

    // "Again" replays each step from where it started, and the lesson goes
    // on from where it stood; nothing to replay before a step or once cleared.
    void againKeepsTheLessonFlow()
    {
        PlaneHarness plane;
        prepare(Traslazione);
        setRotation(2, 60, 1, 1);
        plane.confirmTwoSteps(Traslazione, Rotazione);
        QVERIFY(!plane.button("ancora")->isEnabled());
        auto stepAndAgain = [&plane](int kind) {
            plane.continueStep(kind);
            const auto after = shown(plane);
            QTest::keyClick(plane.window()->widget(), Qt::Key_PageUp);
            QVERIFY(plane.runStep(kind) > 6);
            QCOMPARE(shown(plane), after);
        };
        stepAndAgain(Traslazione);
        stepAndAgain(Rotazione);
        QVERIFY(plane.messageLine().endsWith(u" [inversa]"_qs));
        plane.button("inversa")->click();
        stepAndAgain(Rotazione);
        stepAndAgain(Traslazione);
        QVERIFY(!plane.button("continua")->isEnabled());
        plane.button("cancella")->click();
        QVERIFY(!plane.button("ancora")->isEnabled());
    }

    // Centred on the screen, not on an owner in a corner; all captions in sight.
    void windowFrame()
    {
        QWidget owner;
        owner.setGeometry(0, 0, 200, 150);
        owner.show();
        const OpenTable table(1, u"traslazione"_qs, QString(), &owner);
        Tgeotab *w = table.window;
        QCOMPARE(w->windowTitle(), u"  Dati delle trasformazioni"_qs);
        QCOMPARE(w->size(), QSize(525, 384));
        const QRect screen = w->screen()->geometry();
        const QRect frame = w->frameGeometry();
        QVERIFY(qAbs((frame.left() - screen.left()) - (screen.right() - frame.right())) <= 4);
        QVERIFY(qAbs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())) <= 4);
        auto *pages = table.control<QTabWidget>(u"Tabula"_qs);
        QStringList captions;
        for (int page = 0; page < pages->count(); ++page)
            captions << pages->widget(page)->objectName() + u'=' + pages->tabText(page);
        QCOMPARE(captions, (QStringList{"TabSheet1=Coordinate dei vertici", "TabSheet2=Parametri delle trasformazioni",
                                        "TabSheet3=Matrici delle trasformazioni", "TabSheet4=Composizione"}));
        QVERIFY(pages->tabBar()->tabRect(3).right() < pages->width());
        QVERIFY(table.control(u"Panel6"_qs)->geometry().top() >= pages->geometry().bottom()); // OK below the pages
    }

    // Both sequences recorded; each row in its letters' colour on the plane.
    void coordinatePage()
    {
        recordStages(3, {0, 1, 2, 3, 4});
        const OpenTable table(2, u"rotazione"_qs, u"inclinazione"_qs);
        for (int stage = 0; stage < VertexStageCount; ++stage)
            for (int vertex = 0; vertex < VertexCount; ++vertex)
                QCOMPARE(table.text(u"Label"_qs + QString::number(StageLabels[stage] + vertex)),
                         QChar(u'A' + vertex) + u'(' + QString::fromLatin1(Recorded[stage][vertex][0]) + u';'
                             + QString::fromLatin1(Recorded[stage][vertex][1]) + u')');
        QCOMPARE(texts(table.window, u"1 17 16 14 15 22 27"_qs),
                 u"1=Coordinate iniziali|17=Sequenza diretta|16=Sequenza inversa|14=rotazione|15=inclinazione|"
                 "22=inclinazione|27=rotazione"_qs);
        QCOMPARE(hidden(table.window, Switched), QString());
        QVERIFY(drawnIn(table, "Panel3", "Label2", White) && !drawnIn(table, "Panel3", "Label2", Aqua));
        QVERIFY(drawnIn(table, "Panel1", "Label6", Aqua) && !drawnIn(table, "Panel1", "Label6", Lime));
        QVERIFY(drawnIn(table, "Panel1", "Label15", Lime) && drawnIn(table, "Panel2", "Label26", Lime));
        QCOMPARE(table.control(u"Panel1"_qs)->grab().toImage().pixel(3, 3) & 0xFFFFFF, Black);
    }

    // The panels the data table's flags show, each row apart from the others.
    void visibility_data()
    {
        QTest::addColumn<QList<int>>("stages");
        QTest::addColumn<int>("transformations");
        QTest::addColumn<QString>("hiddenNames");
        QTest::newRow("figure only") << QList<int>{0} << 1
                                     << "Label17 Panel1 Label15 Label16 Panel2 Label27 Label30 Panel5 Label31 Panel4 "
                                        "Label43 Panel8";
        QTest::newRow("direct sequence") << QList<int>{0, 1, 2} << 2 << "Label16 Panel2 Label27";
        QTest::newRow("inverse first step") << QList<int>{0, 1, 2, 3} << 2 << "Label27";
    }

    void visibility()
    {
        QFETCH(QList<int>, stages);
        QFETCH(int, transformations);
        QFETCH(QString, hiddenNames);
        recordStages(2, stages);
        const OpenTable table(transformations, u"traslazione"_qs, u"rotazione"_qs);
        QCOMPARE(hidden(table.window, Switched), hiddenNames);
    }

    // Every parameter and matrix label of both transformations, each shown
    // in one row and hidden in the other; the label's own font has the Greek.
    void kindPages_data()
    {
        QTest::addColumn<int>("kind1");
        QTest::addColumn<int>("kind2");
        QTest::addColumn<QString>("shown"); // the parameters, then both matrices by rows
        QTest::addColumn<QString>("hiddenNames");
        QTest::newRow("rotation, then symmetry about y = mx + q")
            << int(Rotazione) << int(Simmetria)
            << u"28=Xc = 2|29=\u03B1 = 70|33=Yc = -2|34=|36=rispetto ad y = mx + q|37=m = 0.58|39=|40=q = 5|"
               "32=0.342|35=-0.940|48=-0.6|38=0.940|41=0.342|49=-3.2|50=0|51=0|52=1|"
               "44=0.50|45=0.87|55=-4.33|46=0.87|47=-0.50|57=7.50|53=0|54=0|56=1"_qs
            << u"Label34 Label39"_qs;
        QTest::newRow("two affinities")
            << int(Affinita) << int(Affinita)
            << u"28=x' = +2.00 x  -6.00|29=|33=y' = +1.00 x +1.50 y -12.00|34=|"
               "36=x' = -0.50 x +0.12 y +3.00|37=|39=y' = +4.00 x -1.00 y +0.25|40=|"
               "32=2.00|35=0|48=-6.00|38=1.00|41=1.50|49=-12.00|50=0|51=0|52=1|"
               "44=-0.50|45=0.12|55=3.00|46=4.00|47=-1.00|57=0.25|53=0|54=0|56=1"_qs
            << u"Label29 Label34 Label37 Label40"_qs;
    }

    void kindPages()
    {
        QFETCH(int, kind1);
        QFETCH(int, kind2);
        QFETCH(QString, shown);
        QFETCH(QString, hiddenNames);
        TransformSettingsValues &s = TransformSettings;
        applyWorkspaceStartValues(true);
        recordStages(2, {0, 1, 2});
        s.SlotKind[1] = quint8(kind1);
        s.SlotKind[2] = quint8(kind2);
        setRotation(1, 70, 2, -2);
        s.SymmetryKind = PerSlot<quint8>(5);
        s.SymmetryAxisAngle[2] = 30;
        s.SymmetryAxisQ[2] = 5;
        s.AffineCoeff[2] = AffineMatrix{{{3, -0.5f, 0.125f}, {0.25f, 4, -1}}};
        const OpenTable table(2, u"primo"_qs, u"secondo"_qs);
        QStringList numbers;
        for (const QString &entry : shown.split(u'|'))
            numbers << entry.section(u'=', 0, 0);
        QCOMPARE(texts(table.window, numbers.join(u' ')), shown);
        QCOMPARE(hidden(table.window, KindLabels), hiddenNames);
        QCOMPARE(texts(table.window, u"30 31 42 43"_qs), u"30=primo|31=secondo|42=primo|43=secondo"_qs);
        QCOMPARE(table.control(u"Label30"_qs)->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, 0x0000FFu);
        QCOMPARE(table.control(u"Label43"_qs)->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, 0x008000u);
        auto *alpha = table.control<QLabel>(u"Label29"_qs);
        QVERIFY(alpha->font().family() != u"Symbol"_qs);
        QVERIFY(alpha->text().isEmpty() || QFontMetrics(alpha->font()).inFontUcs4(alpha->text().at(0).unicode()));
    }

    // `Tabel` shows the kind's name in the workspace's language, the rest in Italian.
    void tabelInTheWorkspace_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("kindName");
        QTest::newRow("English") << int(English) << "translation";
    }

    void tabelInTheWorkspace()
    {
        QFETCH(int, language);
        QFETCH(QString, kindName);
        Language.LanguageIndex = quint8(language);
        PlaneHarness plane;
        plane.runLesson(Traslazione);
        QString shown;
        GuiTest::whenModalOpens([&](QWidget *window) {
            shown = window->objectName() + u':' + window->windowTitle() + u'|' + texts(window, u"2 6 14 30 28 48 42"_qs);
            QTest::mouseClick(window->findChild<QWidget *>(u"BitBtn1"_qs), Qt::LeftButton);
        });
        plane.button("Tabel")->click();
        QCOMPARE(shown, u"Tgeotab:  Dati delle trasformazioni|2=A(15;11)|6=A(9.0;3.0)|14=%1|30=%1|28=dx = -6|48=-6|42=%1"_qs
                            .arg(kindName));
    }

    // Two symmetries about parallel axes compose to opposite translations;
    // the pages copy as text and LaTeX, and a product's vector shows until cleared.
    void compositionPageInTheWorkspace()
    {
        PlaneHarness plane;
        plane.window()->openLessonFile(u":/lessons/04-parallel-axes.aralda"_qs);
        for (const char *button : {"continua", "continua", "inversa", "continua", "continua"})
            plane.button(button)->click();
        QStringList shown;
        QString copied;
        QString latex;
        QRgb arrow = 0;
        GuiTest::whenModalOpens([&](QWidget *window) {
            for (const char *name : {"compTitle1", "compMatrix1_0_2", "compDet1", "compName1", "compCheck1",
                                     "compTitle2", "compMatrix2_0_2", "compName2", "compCheck2"})
                shown << window->findChild<QLabel *>(QString::fromLatin1(name))->text();
            window->findChild<QAction *>(u"copiapagina"_qs)->trigger();
            copied = QGuiApplication::clipboard()->text();
            window->findChild<QAction *>(u"copialatex"_qs)->trigger();
            latex = QGuiApplication::clipboard()->text();
            window->findChild<QPushButton *>(u"compShow1"_qs)->click();
            arrow = plane.pixel(plane.screen(3, 0));
            window->close();
        });
        plane.button("Tabel")->click();
        QCOMPARE(shown, (QStringList{u"M₂·M₁: prima M₁, poi M₂ (sequenza diretta)"_qs, "6",
                                     u"det = 1    aree × 1    orientamento conservato"_qs,
                                     "traslazione di (6; 0)", u"A(-4; 2) → (2; 2)    tabella: A(2.0;2.0)"_qs,
                                     u"M₁·M₂: prima M₂, poi M₁ (sequenza inversa)"_qs, "-6",
                                     "traslazione di (-6; 0)", u"A(-4; 2) → (-10; 2)    tabella: A(-10.0;2.0)"_qs}));
        QCOMPARE(copied, QStringLiteral("Coordinate iniziali\nA(-4;2)\tB(-1;2)\tC(-4;6)\nSequenza diretta\n"
                                        "A(8.0;2.0)\tB(5.0;2.0)\tC(8.0;6.0)\tsimmetria\n"
                                        "A(2.0;2.0)\tB(5.0;2.0)\tC(2.0;6.0)\tsimmetria\nSequenza inversa\n"
                                        "A(14.0;2.0)\tB(11.0;2.0)\tC(14.0;6.0)\tsimmetria\n"
                                        "A(-10.0;2.0)\tB(-7.0;2.0)\tC(-10.0;6.0)\tsimmetria\n"));
        QCOMPARE(latex, QStringLiteral("\\[ M_2 M_1 = \\begin{pmatrix} 1 & 0 & 6 \\\\ 0 & 1 & 0 \\\\ 0 & 0 & 1 \\end{pmatrix} \\]\n"
                                       "\\[ M_1 M_2 = \\begin{pmatrix} 1 & 0 & -6 \\\\ 0 & 1 & 0 \\\\ 0 & 0 & 1 \\end{pmatrix} \\]\n"));
        QCOMPARE(arrow, Composition::ElementColour);
        QCOMPARE(plane.pixel(plane.screen(3, 0)), Composition::ElementColour);
        plane.button("cancella")->click();
        QCOMPARE(plane.pixel(plane.screen(3, 0)), White); // the x axis again
    }
};

QTEST_MAIN(TestTgeoLesson)
#include "tst_tgeolesson.moc"
