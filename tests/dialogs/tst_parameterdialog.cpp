#include "app/helpviewer.h"
#include "app/imagelist.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tgeorota.h"
#include "dialogs/tgeotrasla.h"
#include "dialogtest.h"
#include "lang/languagetables.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <memory>

using namespace DialogTest;

// What the three dialogs share, checked on each of them.
namespace {

enum Kind { Figure, Translation, Rotation };
constexpr DialogGroup Groups[] = {FigureDialogGroup, TranslationDialogGroup, RotationDialogGroup};

std::unique_ptr<ParameterDialog> makeDialog(int kind)
{
    switch (kind) {
    case Figure: return std::make_unique<Tcoordinate>();
    case Translation: return std::make_unique<Tgeotrasla>();
    default: return std::make_unique<Tgeorota>();
    }
}

// A help set of a loaded language in the test's folder, one page per topic.
void writeHelpSet(const GuiTest::Fixture &fixture)
{
    LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Prova"));
    Language.LanguageIndex = LoadedLanguage;
    Language.LanguageFilePath = fixture.filePath(QStringLiteral("prova.lng"));
    QDir(fixture.folder()).mkdir(QStringLiteral("Prova.hlp"));
    for (const char *page : {"index", "801", "803", "806"}) {
        QFile file(fixture.filePath(QStringLiteral("Prova.hlp/%1.html").arg(QLatin1String(page))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(page);
    }
}

} // namespace

class TestParameterDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QVERIFY(GuiTest::unexpectedModals().isEmpty());
        delete HelpViewer::current();
    }

    void spinLimits_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("wraps");
        for (const char *name : {"pxa", "pxb"})
            QTest::newRow(name) << int(Figure) << name << QString(name).mid(1) << -39 << 39 << false;
        for (const char *name : {"pxc", "pxd"})
            QTest::addRow("%s wraps", name) << int(Figure) << name << QString(name).mid(1) << -39 << 39 << true;
        for (const char *name : {"pya", "pyb", "pyc", "pyd"})
            QTest::newRow(name) << int(Figure) << name << QString(name).mid(1) << -26 << 26 << false;
        QTest::newRow("praggio") << int(Figure) << "praggio" << "raggio" << 2 << 15 << false;
        QTest::newRow("translation x") << int(Translation) << "porix" << "orix" << -30 << 30 << false;
        QTest::newRow("translation y") << int(Translation) << "poriy" << "oriy" << -20 << 20 << false;
        QTest::newRow("centre x") << int(Rotation) << "porix" << "orix" << -5 << 5 << false;
        QTest::newRow("centre y") << int(Rotation) << "poriy" << "oriy" << -5 << 5 << false;
        QTest::newRow("angle wraps") << int(Rotation) << "pangolo" << "edangolo" << -359 << 359 << true;
    }

    // Each end is reached by one step and then stepped past, with the arrow
    // keys and the mouse alike; the value field follows the spin.
    void spinLimits()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, fieldName);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(bool, wraps);
        GuiTest::Fixture fixture;
        startWorkspace();
        TransformSettings.FigureType = 3; // every vertex row takes input
        auto dialog = makeDialog(kind);
        dialog->show();
        SpinControl *control = spin(dialog.get(), qPrintable(name));
        QVERIFY(control->isEnabled());
        QCOMPARE(control->minimum(), minimum);
        QCOMPARE(control->maximum(), maximum);
        control->setValue(maximum - 1);
        QTest::keyClick(control, Qt::Key_Up);
        QCOMPARE(control->value(), maximum);
        QTest::keyClick(control, Qt::Key_Up);
        QCOMPARE(control->value(), wraps ? minimum : maximum);
        control->setValue(minimum + 1);
        clickArrow(control, false);
        QCOMPARE(control->value(), minimum);
        clickArrow(control, false);
        QCOMPARE(control->value(), wraps ? maximum : minimum);
        QCOMPARE(field(dialog.get(), qPrintable(fieldName))->text(), QString::number(control->value()));
    }

    void hintRule_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("main");
        for (int kind : {Figure, Translation, Rotation}) {
            for (bool main : {true, false})
                QTest::addRow("kind %d, main %s", kind, main ? "on" : "off") << kind << main;
        }
    }

    // The first opening follows the main switch, later ones the dialogs'
    // shared switch; the first opening of one dialog leaves the others first.
    void hintRule()
    {
        QFETCH(int, kind);
        QFETCH(bool, main);
        GuiTest::Fixture fixture;
        startWorkspace(main);
        TransformSettings.DialogShowHints = !main;
        auto first = makeDialog(kind);
        first->show();
        QCOMPARE(first->hintsShown(), main);
        QCOMPARE(child<QAction>(first.get(), "Mostra")->isChecked(), main);
        for (int group = 0; group < DialogGroupCount; ++group)
            QCOMPARE(TransformSettings.DialogFirstActivation[group], group != Groups[kind]);

        auto later = makeDialog(kind);
        later->show();
        QCOMPARE(later->hintsShown(), !main);
        QCOMPARE(child<QAction>(later.get(), "Mostra")->isChecked(), !main);
    }

    void mostraTogglesAndWritesTheSharedSwitch()
    {
        GuiTest::Fixture fixture;
        startWorkspace(true);
        runModal<Tgeotrasla>([](Tgeotrasla &dialog) {
            QAction *mostra = child<QAction>(&dialog, "Mostra");
            QCOMPARE(mostra->text(), QStringLiteral("Mostra suggerimenti"));
            QVERIFY(dialog.actions().contains(mostra));
            QCOMPARE(dialog.contextMenuPolicy(), Qt::ActionsContextMenu);
            mostra->trigger();
            QVERIFY(!dialog.hintsShown());
            QVERIFY(!mostra->isChecked());
            QVERIFY(!TransformSettings.DialogShowHints);
            mostra->trigger();
            QVERIFY(dialog.hintsShown());
            QVERIFY(TransformSettings.DialogShowHints);
            mostra->trigger();
            pressCancel(&dialog);
        });
        QVERIFY(Shell.MainShowHints);
        Tgeotrasla again;
        again.show();
        QVERIFY(!again.hintsShown());
    }

    void buttonsAndFocus_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("frameMode");
        QTest::addColumn<QString>("focused");
        QTest::newRow("figure: the chosen type") << int(Figure) << 0 << "tipo2";
        QTest::newRow("translation") << int(Translation) << 0 << "porix";
        QTest::newRow("rotation") << int(Rotation) << 0 << "porix";
        QTest::newRow("rotation about the origin") << int(Rotation) << 1 << "pangolo";
    }

    void buttonsAndFocus()
    {
        QFETCH(int, kind);
        QFETCH(int, frameMode);
        QFETCH(QString, focused);
        GuiTest::Fixture fixture;
        startWorkspace();
        TransformSettings.FrameMode = quint8(frameMode);
        auto dialog = makeDialog(kind);
        dialog->show();
        for (const auto &[name, hintRow] : {std::pair{"BitBtn1", 31}, {"BitBtn2", 32}, {"BitBtn3", 4}}) {
            auto *button = child<QPushButton>(dialog.get(), name);
            QCOMPARE(button->toolTip(), hintText(ShortTexts.text(hintRow)));
            QCOMPARE(button->cursor().hotSpot(), pointingCursor().hotSpot());
            QCOMPARE(button->cursor().shape(), Qt::BitmapCursor);
        }
        QVERIFY(child<QPushButton>(dialog.get(), "BitBtn1")->isDefault());
        for (SpinControl *control : dialog->findChildren<SpinControl *>())
            QCOMPARE(control->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(activate(dialog.get()));
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void enterIsOkAndEscapeIsCancel_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("storedDY");
        QTest::newRow("enter") << int(Qt::Key_Return) << int(QDialog::Accepted) << -6;
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(QDialog::Rejected) << -8;
    }

    void enterIsOkAndEscapeIsCancel()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        QFETCH(int, storedDY);
        GuiTest::Fixture fixture;
        startWorkspace();
        QCOMPARE(runModal<Tgeotrasla>([key](Tgeotrasla &dialog) {
                     spin(&dialog, "poriy")->stepBy(2);
                     QTest::keyClick(spin(&dialog, "poriy"), Qt::Key(key));
                 }),
                 result);
        QCOMPARE(TransformSettings.TranslationDY[1], storedDY);
    }

    void helpOpensTheDialogsTopic_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("page");
        QTest::newRow("figure, button") << int(Figure) << false << "801.html";
        QTest::newRow("translation, button") << int(Translation) << false << "803.html";
        QTest::newRow("rotation, button") << int(Rotation) << false << "806.html";
        QTest::newRow("figure, F1") << int(Figure) << true << "801.html";
        QTest::newRow("rotation, F1") << int(Rotation) << true << "806.html";
    }

    void helpOpensTheDialogsTopic()
    {
        QFETCH(int, kind);
        QFETCH(bool, byKey);
        QFETCH(QString, page);
        GuiTest::Fixture fixture;
        startWorkspace();
        writeHelpSet(fixture);
        auto dialog = makeDialog(kind);
        QString opened;
        GuiTest::whenModalOpens([&](QWidget *) {
            QVERIFY(activate(dialog.get()));
            if (byKey)
                QTest::keySequence(dialog.get(), QKeySequence::HelpContents);
            else
                click(dialog.get(), "BitBtn3");
            QVERIFY(dialog->isVisible());
            if (HelpViewer *viewer = HelpViewer::current())
                opened = viewer->currentPage().fileName();
            pressCancel(dialog.get());
        });
        dialog->exec();
        QCOMPARE(opened, page);
    }
};

QTEST_MAIN(TestParameterDialog)
#include "tst_parameterdialog.moc"
