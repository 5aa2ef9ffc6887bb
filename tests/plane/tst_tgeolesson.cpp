#include "planeharness.h"

#include "lang/languagetables.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QTest>
#include <QToolButton>

using namespace Colour;

class TestTgeoLesson : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCOMPARE(GuiTest::unexpectedModals(), QStringList()); }

    // The default triangle A (15, 11), B (10, 9), C (21, 4); rotations about
    // (2, -2).
    void stepFramesAndEnd_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("endOfA");
        QTest::newRow("translation (3, 0)") << int(Traslazione) << 3 << 0 << 31 << "18.0;11.0";
        QTest::newRow("translation (1, 0) stops at 0.9") << int(Traslazione) << 1 << 0 << 10 << "16.0;11.0";
        QTest::newRow("translation (0, 0) draws none") << int(Traslazione) << 0 << 0 << 0 << "15.0;11.0";
        QTest::newRow("translation (-6, -8)") << int(Traslazione) << -6 << -8 << 81 << "9.0;3.0";
        QTest::newRow("rotation -90") << int(Rotazione) << -90 << 0 << 91 << "15.0;-15.0";
    }

    void stepFramesAndEnd()
    {
        QFETCH(int, kind);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, frames);
        QFETCH(QString, endOfA);
        GuiTest::Fixture fixture;
        PlaneHarness plane;
        setTranslation(1, a, b);
        setRotation(1, a, 2, -2);
        QCOMPARE(plane.runLesson(kind), frames);
        QCOMPARE(recordedTexts(1, 1), QStringList(endOfA));
        // With no frame drawn, the letters still go where the figure stands.
        if (frames == 0)
            QVERIFY(plane.lettersAt({{15, 11}, {10, 9}, {21, 4}}, Aqua));
    }

    void compositionDirectThenInverse()
    {
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
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
        QCOMPARE(plane.messageLine(), QStringLiteral("Premere il tasto [continua]"));

        // Direct: the translation, then the rotation of its image.
        plane.button("continua")->click();
        QCOMPARE(plane.labelText("Panel1"), QStringLiteral("diretta"));
        plane.runStep(Traslazione);
        QCOMPARE(recordedTexts(1, 2), (QStringList{"4.0;0.0", "5.0;2.0"}));
        QVERIFY(plane.lettersAt({{4, 0}, {5, 2}}, Aqua));
        QCOMPARE(plane.messageLine(), QStringLiteral("Premere il tasto [continua]"));
        plane.button("continua")->click();
        QCOMPARE(plane.messageLine(), QStringLiteral("Premere il tasto [inversa]"));
        plane.runStep(Rotazione);
        QCOMPARE(recordedTexts(2, 2), (QStringList{"0.0;4.0", "-2.0;5.0"}));
        QVERIFY(plane.lettersAt({{0, 4}, {-2, 5}}, Lime));

        // Inverse: the rotation of the figure, then the translation.
        plane.button("inversa")->click();
        QCOMPARE(plane.messageLine(), QStringLiteral("Premere il tasto [continua]"));
        plane.button("continua")->click();
        QCOMPARE(plane.labelText("Panel1"), QStringLiteral("inverse"));
        plane.runStep(Rotazione);
        QCOMPARE(recordedTexts(3, 2), (QStringList{"0.0;1.0", "-2.0;2.0"}));
        QVERIFY(plane.lettersAt({{0, 1}, {-2, 2}}, Aqua));
        plane.button("continua")->click();
        QCOMPARE(plane.messageLine(), QString());
        plane.runStep(Traslazione);
        QCOMPARE(recordedTexts(4, 2), (QStringList{"3.0;1.0", "1.0;2.0"}));
        QVERIFY(plane.lettersAt({{3, 1}, {1, 2}}, Lime));

        // A screen reader reads the four images with their transformations;
        // once cleared, the drawing shows the figure alone.
        const QString figure = QStringLiteral("segmento AB: A(1;0) B(2;2)");
        QCOMPARE(plane.window()->widget()->accessibleDescription(),
                 figure + QStringLiteral("; immagine dopo traslazione (dx = 3, dy = 0): A(4.0;0.0) B(5.0;2.0)"
                                         "; immagine dopo rotazione (Xc = 0, α = 90, Yc = 0): A(0.0;4.0) B(-2.0;5.0)"
                                         "; immagine dopo rotazione (Xc = 0, α = 90, Yc = 0): A(0.0;1.0) B(-2.0;2.0)"
                                         "; immagine dopo traslazione (dx = 3, dy = 0): A(3.0;1.0) B(1.0;2.0)"));
        plane.button("cancella")->click();
        QCOMPARE(plane.window()->widget()->accessibleDescription(), figure);
    }

    // A kind chosen in a box, with the mouse or from the keyboard (an arrow
    // or page key only opens the closed list; Return in the list chooses),
    // and its dialog cancelled: the box shows again what it showed before (nothing
    // before the first confirmation), and `continua` runs the kind
    // confirmed: slot 2 after slot 1's translation by (0, 0). The rotation
    // by -90 about (2, -2) takes A (15, 11) to (15, -15) in 91 frames.
    void cancelledChoiceKeepsTheConfirmedKind_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("key"); // 0: the item chosen with the mouse
        QTest::newRow("slot 1, chosen") << 1 << 0;
        QTest::newRow("slot 1, Down") << 1 << int(Qt::Key_Down);
        QTest::newRow("slot 2, chosen") << 2 << 0;
        QTest::newRow("slot 2, Page Down") << 2 << int(Qt::Key_PageDown);
    }

    void cancelledChoiceKeepsTheConfirmedKind()
    {
        QFETCH(int, slot);
        QFETCH(int, key);
        GuiTest::Fixture fixture;
        Language.LanguageIndex = Italian;
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
        QCOMPARE(TransformSettings.SlotKind[slot], quint8(Rotazione));
        int frames = 0;
        for (int step = 1; step <= slot; ++step) {
            plane.button("continua")->click();
            frames = plane.runStep(step == slot ? Rotazione : Traslazione);
        }
        QCOMPARE(frames, 91);
        QCOMPARE(recordedTexts(slot, 1), QStringList("15.0;-15.0"));
    }

    // "Assi" chosen while slot 2's step runs makes slot 1 current; the step
    // still draws with slot 2's choices.
    void runningSlotKeptWhenAssiIsChosen()
    {
        GuiTest::Fixture fixture;
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

    // With "Primes on images" the two images of a sequence read A′ and A″,
    // and each run of a one-transformation lesson takes the next colour.
    void primesTellTheImagesApart()
    {
        GuiTest::Fixture fixture;
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
        const QRgb runs[] = {Aqua, Lime, 0xFFFF00, 0xFF00FF, 0xFF8000, Aqua};
        for (QRgb colour : runs) {
            plane.continueStep(Traslazione);
            QVERIFY(plane.lettersAt({{1, 6}, {2, 8}}, colour, QStringLiteral("\u2032")));
            plane.confirmKind(1, Traslazione); // the same again, beside the last
        }
    }
};

QTEST_MAIN(TestTgeoLesson)
#include "tst_tgeolesson.moc"
