#include "planeharness.h"

#include "lang/languagetables.h"
#include "plane/tgeotab.h"
#include "shell/helpviewer.h"
#include "shell/imagelist.h"
#include "support/guitest.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QToolButton>

#include <optional>

using namespace Colour;

namespace {

constexpr QRgb Blue = 0x0000FF;
constexpr QRgb Green = 0x008000;

// Recorded coordinates of a quadrilateral at every stage, as the workspace
// records them, and the labels that show them.
const char *const Recorded[VertexStageCount][VertexCount][2] = {
    {{"15", "11"}, {"10", "9"}, {"21", "4"}, {"19", "9"}},
    {{"9.0", "3.0"}, {"4.0", "1.0"}, {"15.0", "-4.0"}, {"13.0", "1.0"}},
    {{"-3.0", "9.0"}, {"-1.0", "4.0"}, {"4.0", "15.0"}, {"-1.0", "13.0"}},
    {{"-11.0", "15.0"}, {"-9.0", "10.0"}, {"-4.0", "21.0"}, {"-9.0", "19.0"}},
    {{"-17.0", "7.0"}, {"-15.0", "2.0"}, {"-10.0", "17.0"}, {"-15.0", "11.0"}},
};
const char *const StageLabels[VertexStageCount][VertexCount] = {
    {"Label2", "Label3", "Label4", "Label5"},     {"Label6", "Label7", "Label8", "Label9"},
    {"Label10", "Label11", "Label12", "Label13"}, {"Label18", "Label19", "Label20", "Label21"},
    {"Label23", "Label24", "Label25", "Label26"},
};

void recordStages(int figureType, const QList<int> &stages)
{
    TransformSettings.FigureType = quint8(figureType);
    for (int stage : stages)
        for (int vertex = 0; vertex < VertexCount; ++vertex) {
            TransformSettings.VertexTextX[vertex][stage] = QString::fromLatin1(Recorded[stage][vertex][0]);
            TransformSettings.VertexTextY[vertex][stage] = QString::fromLatin1(Recorded[stage][vertex][1]);
        }
}

// The table shown without a modal loop, filled as it opens.
struct OpenTable {
    QPointer<Tgeotab> window;

    OpenTable(int transformCount, const QString &name1, const QString &name2, QWidget *parent = nullptr)
        : window(new Tgeotab(transformCount, name1, name2, parent))
    {
        window->show();
    }
    ~OpenTable() { delete window; }

    template<typename Control = QWidget>
    Control *control(const char *name) const
    {
        return window->findChild<Control *>(QString::fromLatin1(name));
    }
    QString text(const char *label) const { return control<QLabel>(label)->text(); }
    bool shown(const char *name) const { return !control(name)->isHidden(); }
};

// What a window shows, as "name=text" for each label named and the names of
// those of `names` that are hidden.
QStringList texts(QWidget *window, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result << name + u'=' + window->findChild<QLabel *>(name)->text();
    return result;
}

QStringList hidden(QWidget *window, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        if (window->findChild<QWidget *>(name)->isHidden())
            result << name;
    return result;
}

QStringList labelNames(std::initializer_list<int> numbers)
{
    QStringList names;
    for (int number : numbers)
        names << QStringLiteral("Label%1").arg(number);
    return names;
}

// Labels 28 to 57 that the second and third pages fill.
const QStringList KindLabels =
    labelNames({28, 29, 33, 34, 36, 37, 39, 40, 32, 35, 48, 38, 41, 49, 50, 51, 52, 44, 45, 55, 46, 47, 57, 53, 54, 56});
// The controls whose visibility the pages decide.
const QStringList Switched = {"Label17", "Panel1", "Label15", "Label16", "Panel2", "Label27", "Label30",
                              "Panel5",  "Label31", "Panel4", "Label42", "Panel7", "Label43", "Panel8"};

// Whether `colour` is drawn somewhere inside `child`, as its panel shows it.
bool drawnIn(QWidget *panel, QWidget *child, QRgb colour)
{
    const QImage image = panel->grab().toImage().copy(child->geometry());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                return true;
    return false;
}

// Where a label sits: its panel, and its row and column there.
QString place(QWidget *window, int number)
{
    auto *label = window->findChild<QLabel *>(QStringLiteral("Label%1").arg(number));
    QWidget *panel = label->parentWidget();
    auto *grid = panel->findChild<QGridLayout *>();
    int row = -1;
    int column = -1;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);
    return QStringLiteral("Label%1 %2 %3,%4").arg(number).arg(panel->objectName()).arg(row).arg(column);
}

// The titles and panels of a page, top to bottom.
QStringList pageOrder(QWidget *page)
{
    QStringList names;
    QLayout *layout = page->layout();
    for (int i = 0; i < layout->count(); ++i)
        if (QWidget *widget = layout->itemAt(i)->widget())
            names << widget->objectName();
    return names;
}

void setKind(int slot, int kind)
{
    TransformSettings.SlotKind[slot] = quint8(kind);
}

} // namespace

class TestTgeotab : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.emplace(); }
    void cleanup()
    {
        m_fixture.reset();
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }

    void windowFrame()
    {
        // A window that opens it from the corner of the screen, where a
        // dialog would be centred on its owner.
        QWidget owner;
        owner.setGeometry(0, 0, 200, 150);
        owner.show();
        const OpenTable table(1, u"traslazione"_qs, QString(), &owner);
        Tgeotab *w = table.window;
        QCOMPARE(w->windowTitle(), u"  Dati delle trasformazioni"_qs);
        QCOMPARE(w->size(), QSize(525, 384));
        QVERIFY(w->font().bold());
        QCOMPARE(w->palette().color(QPalette::Window).rgb() & 0xFFFFFF, Silver);
        // Centred: as far from the left edge of the screen as from the right,
        // and from the top as from the bottom, but for the frame's border.
        const QRect screen = w->screen()->geometry();
        const QRect frame = w->frameGeometry();
        QVERIFY(qAbs((frame.left() - screen.left()) - (screen.right() - frame.right())) <= 4);
        QVERIFY(qAbs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())) <= 4);

        auto *pages = table.control<QTabWidget>("Tabula");
        QCOMPARE(pages->count(), 4);
        QStringList captions;
        for (int page = 0; page < pages->count(); ++page)
            captions << pages->widget(page)->objectName() + u'=' + pages->tabText(page);
        // All four captions in sight at once, none scrolled away.
        QVERIFY(pages->tabBar()->tabRect(3).right() < pages->width());
        QVERIFY(w->findChild<QLabel *>(u"Label28"_qs)->font().bold());
        QCOMPARE(captions, (QStringList{"TabSheet1=Coordinate dei vertici", "TabSheet2=Parametri delle trasformazioni",
                                        "TabSheet3=Matrici delle trasformazioni", "TabSheet4=Composizione"}));

        auto *ok = table.control<QPushButton>("BitBtn1");
        QCOMPARE(ok->toolTip(), u"Chiude finestra"_qs);
        QVERIFY(ok->cursor() == pointingCursor());
        QCOMPARE(ok->parentWidget()->objectName(), u"Panel6"_qs);
        // The button panel lies below the pages.
        QVERIFY(ok->parentWidget()->geometry().top() >= pages->geometry().bottom());
    }

    // Rows and columns as the table lays them out: vertices A to D, then
    // the name; parameters in two rows of two; matrices three by three
    // between their brackets (columns 1 to 3).
    void placesOfTheLabels()
    {
        const OpenTable table(2, u"traslazione"_qs, u"rotazione"_qs);
        QStringList places;
        for (int number : {2, 5, 6, 9, 14, 10, 15, 18, 22, 26, 27, 28, 29, 33, 34, 36, 40, 32, 35, 48, 38, 52, 44,
                           45, 55, 46, 47, 57, 53, 54, 56})
            places << place(table.window, number);
        QCOMPARE(places.join(u' '),
                 u"Label2 Panel3 0,0 Label5 Panel3 0,3 Label6 Panel1 0,0 Label9 Panel1 0,3 Label14 Panel1 0,4 "
                 "Label10 Panel1 1,0 Label15 Panel1 1,4 Label18 Panel2 0,0 Label22 Panel2 0,4 Label26 Panel2 1,3 "
                 "Label27 Panel2 1,4 Label28 Panel5 0,0 Label29 Panel5 0,1 Label33 Panel5 1,0 Label34 Panel5 1,1 "
                 "Label36 Panel4 0,0 Label40 Panel4 1,1 Label32 Panel7 0,1 Label35 Panel7 0,2 Label48 Panel7 0,3 "
                 "Label38 Panel7 1,1 Label52 Panel7 2,3 Label44 Panel8 0,1 Label45 Panel8 0,2 Label55 Panel8 0,3 "
                 "Label46 Panel8 1,1 Label47 Panel8 1,2 Label57 Panel8 1,3 Label53 Panel8 2,1 Label54 Panel8 2,2 "
                 "Label56 Panel8 2,3"_qs);
        QCOMPARE(pageOrder(table.control("TabSheet1")),
                 (QStringList{"Label1", "Panel3", "Label17", "Panel1", "Label16", "Panel2"}));
        QCOMPARE(pageOrder(table.control("TabSheet2")), (QStringList{"Label30", "Panel5", "Label31", "Panel4"}));
        QCOMPARE(pageOrder(table.control("TabSheet3")), (QStringList{"Label42", "Panel7", "Label43", "Panel8"}));
    }

    // Both transformations recorded through both sequences, a quadrilateral.
    void coordinatePage()
    {
        recordStages(3, {0, 1, 2, 3, 4});
        const OpenTable table(2, u"rotazione"_qs, u"inclinazione"_qs);
        for (int stage = 0; stage < VertexStageCount; ++stage)
            for (int vertex = 0; vertex < VertexCount; ++vertex)
                QCOMPARE(table.text(StageLabels[stage][vertex]),
                         QChar(u'A' + vertex) + u'(' + QString::fromLatin1(Recorded[stage][vertex][0]) + u';'
                             + QString::fromLatin1(Recorded[stage][vertex][1]) + u')');
        QCOMPARE(texts(table.window, labelNames({1, 17, 16, 14, 15, 22, 27})),
                 (QStringList{"Label1=Coordinate iniziali", "Label17=Sequenza diretta", "Label16=Sequenza inversa",
                              "Label14=rotazione", "Label15=inclinazione", "Label22=inclinazione",
                              "Label27=rotazione"}));
        QCOMPARE(hidden(table.window, Switched), QStringList());

        // Each row in the colour of its letters on the plane, on black.
        QWidget *initial = table.control("Panel3");
        QWidget *direct = table.control("Panel1");
        QWidget *inverse = table.control("Panel2");
        QVERIFY(drawnIn(initial, table.control("Label2"), White));
        QVERIFY(!drawnIn(initial, table.control("Label2"), Aqua));
        QVERIFY(drawnIn(direct, table.control("Label6"), Aqua));
        QVERIFY(!drawnIn(direct, table.control("Label6"), Lime));
        QVERIFY(drawnIn(direct, table.control("Label15"), Lime));
        QVERIFY(drawnIn(inverse, table.control("Label22"), Aqua));
        QVERIFY(drawnIn(inverse, table.control("Label26"), Lime));
        QCOMPARE(direct->grab().toImage().pixel(3, 3) & 0xFFFFFF, Black);
    }

    // What is shown by the stages recorded for vertex A; a point lists A only.
    void visibility_data()
    {
        QTest::addColumn<int>("figureType");
        QTest::addColumn<QList<int>>("stages");
        QTest::addColumn<int>("transformations");
        QTest::addColumn<QStringList>("hiddenNames");
        QTest::addColumn<QStringList>("firstRows"); // A and B of the initial and direct rows

        QTest::newRow("figure only") << 2 << QList<int>{0} << 1
                                     << QStringList{"Label17", "Panel1", "Label15", "Label16", "Panel2", "Label27",
                                                    "Label30", "Panel5", "Label31", "Panel4", "Label43", "Panel8"}
                                     << QStringList{"A(15;11)", "B(10;9)", "", ""};
        QTest::newRow("one of one") << 2 << QList<int>{0, 1} << 1
                                    << QStringList{"Label15", "Label16", "Panel2", "Label27", "Label31", "Panel4",
                                                   "Label43", "Panel8"}
                                    << QStringList{"A(15;11)", "B(10;9)", "A(9.0;3.0)", "B(4.0;1.0)"};
        QTest::newRow("first of two") << 2 << QList<int>{0, 1} << 2
                                      << QStringList{"Label15", "Label16", "Panel2", "Label27", "Label31", "Panel4"}
                                      << QStringList{"A(15;11)", "B(10;9)", "A(9.0;3.0)", "B(4.0;1.0)"};
        QTest::newRow("direct sequence") << 2 << QList<int>{0, 1, 2} << 2
                                         << QStringList{"Label16", "Panel2", "Label27"}
                                         << QStringList{"A(15;11)", "B(10;9)", "A(9.0;3.0)", "B(4.0;1.0)"};
        QTest::newRow("inverse first step") << 2 << QList<int>{0, 1, 2, 3} << 2 << QStringList{"Label27"}
                                            << QStringList{"A(15;11)", "B(10;9)", "A(9.0;3.0)", "B(4.0;1.0)"};
        QTest::newRow("point, both sequences") << 0 << QList<int>{0, 1, 2, 3, 4} << 2 << QStringList()
                                               << QStringList{"A(15;11)", "", "A(9.0;3.0)", ""};
    }

    void visibility()
    {
        QFETCH(int, figureType);
        QFETCH(QList<int>, stages);
        QFETCH(int, transformations);
        QFETCH(QStringList, hiddenNames);
        QFETCH(QStringList, firstRows);
        recordStages(figureType, stages);
        const OpenTable table(transformations, u"traslazione"_qs, u"rotazione"_qs);
        QCOMPARE(hidden(table.window, Switched), hiddenNames);
        QCOMPARE((QStringList{table.text("Label2"), table.text("Label3"), table.text("Label6"), table.text("Label7")}),
                 firstRows);
        const QString unlisted = figureType == 0 ? table.text("Label24") : table.text("Label5");
        QCOMPARE(unlisted, QString());
    }

    // Every parameter and matrix label of both transformations; the kinds
    // are chosen so that each place is shown in one row and hidden in
    // another, and the affinities' entries differ from one another.
    void kindPages_data()
    {
        QTest::addColumn<int>("kind1");
        QTest::addColumn<int>("kind2");
        QTest::addColumn<QString>("shown"); // "number=text|...": the parameters, then both matrices by rows
        QTest::addColumn<QStringList>("hiddenNames");
        QTest::newRow("rotation, then symmetry about y = mx + q")
            << int(Rotazione) << int(Simmetria)
            << u"28=Xc = 2|29=\u03B1 = 70|33=Yc = -2|34=|36=rispetto ad y = mx + q|37=m = 0.58|39=|40=q = 5|"
               "32=0.342|35=-0.940|48=-0.6|38=0.940|41=0.342|49=-3.2|50=0|51=0|52=1|"
               "44=0.50|45=0.87|55=-4.33|46=0.87|47=-0.50|57=7.50|53=0|54=0|56=1"_qs
            << QStringList{"Label34", "Label39"};
        QTest::newRow("symmetry about y = mx + q, then rotation")
            << int(Simmetria) << int(Rotazione)
            << u"28=rispetto ad y = mx + q|29=m = 1.73|33=|34=q = -3|36=Xc = 1|37=\u03B1 = \u221245|39=Yc = 1|40=|"
               "32=-0.50|35=0.87|48=2.60|38=0.87|41=0.50|49=-1.50|50=0|51=0|52=1|"
               "44=0.707|45=0.707|55=-0.4|46=-0.707|47=0.707|57=1.0|53=0|54=0|56=1"_qs
            << QStringList{"Label33", "Label40"};
        QTest::newRow("two affinities")
            << int(Affinita) << int(Affinita)
            << u"28=x' = +2.00 x  -6.00|29=|33=y' = +1.00 x +1.50 y -12.00|34=|"
               "36=x' = -0.50 x +0.12 y +3.00|37=|39=y' = +4.00 x -1.00 y +0.25|40=|"
               "32=2.00|35=0|48=-6.00|38=1.00|41=1.50|49=-12.00|50=0|51=0|52=1|"
               "44=-0.50|45=0.12|55=3.00|46=4.00|47=-1.00|57=0.25|53=0|54=0|56=1"_qs
            << QStringList{"Label29", "Label34", "Label37", "Label40"};
    }

    void kindPages()
    {
        QFETCH(int, kind1);
        QFETCH(int, kind2);
        QFETCH(QString, shown);
        QFETCH(QStringList, hiddenNames);
        TransformSettingsValues &s = TransformSettings;
        applyWorkspaceStartValues(true);
        recordStages(2, {0, 1, 2});
        setKind(1, kind1);
        setKind(2, kind2);
        // Slot by slot the values each row's kinds read.
        const int rotationSlot = kind1 == Rotazione ? 1 : 2;
        setRotation(rotationSlot, rotationSlot == 1 ? 70 : -45, rotationSlot == 1 ? 2 : 1, rotationSlot == 1 ? -2 : 1);
        s.SymmetryKind = PerSlot<quint8>(5);
        s.SymmetryAxisAngle[3 - rotationSlot] = rotationSlot == 2 ? 60 : 30;
        s.SymmetryAxisQ[3 - rotationSlot] = rotationSlot == 2 ? -3 : 5;
        s.AffineCoeff[2] = AffineMatrix{{{3, -0.5f, 0.125f}, {0.25f, 4, -1}}};
        const OpenTable table(2, u"primo"_qs, u"secondo"_qs);
        QStringList wanted;
        QStringList names;
        for (const QString &entry : shown.split(u'|')) {
            wanted << u"Label"_qs + entry;
            names << u"Label"_qs + entry.section(u'=', 0, 0);
        }
        QCOMPARE(texts(table.window, names), wanted);
        QCOMPARE(hidden(table.window, KindLabels), hiddenNames);
        QCOMPARE(texts(table.window, labelNames({30, 31, 42, 43})),
                 (QStringList{"Label30=primo", "Label31=secondo", "Label42=primo", "Label43=secondo"}));
        // Titles of the first transformation blue, of the second green.
        QCOMPARE(table.control("Label30")->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, Blue);
        QCOMPARE(table.control("Label43")->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF, Green);
    }

    // The letters Symbol drew as alpha and beta are Greek letters of the
    // label's own font, which holds them.
    void greekLettersInTheLabelsFont()
    {
        setKind(1, Dilatazione);
        setKind(2, Rotazione);
        recordStages(2, {0, 1, 2});
        const OpenTable table(2, u"dilatazione"_qs, u"rotazione"_qs);
        for (const char *name : {"Label28", "Label33", "Label37"}) {
            auto *label = table.control<QLabel>(name);
            QVERIFY(label->font().family() != u"Symbol"_qs);
            QVERIFY(QFontMetrics(label->font()).inFontUcs4(label->text().at(0).unicode()));
        }
        QCOMPARE(table.text("Label28").at(0), QChar(0x03B1));
        QCOMPARE(table.text("Label33").at(0), QChar(0x03B2));
        QCOMPARE(table.text("Label37").at(0), QChar(0x03B1));
    }

    void closing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 0 << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }

    void closing()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        QPointer<Tgeotab> opened;
        bool modal = false;
        GuiTest::whenModalOpens([&](QWidget *window) {
            opened = qobject_cast<Tgeotab *>(window);
            modal = opened && opened->isModal();
            if (key)
                QTest::keyClick(window, Qt::Key(key));
            else
                QTest::mouseClick(window->findChild<QWidget *>(u"BitBtn1"_qs), Qt::LeftButton);
        });
        QCOMPARE(Tgeotab::execute(nullptr, 1, u"traslazione"_qs, QString()), result);
        QVERIFY(modal);
        QVERIFY(!opened); // freed when closed
    }

    // No help topic belongs to the table: F1 opens nothing and closes nothing.
    void helpKeyHarmless()
    {
        const OpenTable table(1, u"traslazione"_qs, QString());
        table.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table.window));
        QTest::keyClick(table.control("BitBtn1"), Qt::Key_F1);
        QTest::keyClick(table.window, Qt::Key_F1);
        QVERIFY(!HelpViewer::current());
        QVERIFY(table.window->isVisible());
        QCOMPARE(QApplication::activeWindow(), table.window.data());
    }

    // The default triangle moved by (-6, -8): the table opened by `Tabel`
    // shows the workspace's kind name in its language and everything else
    // in Italian.
    void tabelInTheWorkspace_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("kindName");
        QTest::newRow("Italian") << int(Italian) << "traslazione";
        QTest::newRow("English") << int(English) << "translation";
    }

    void tabelInTheWorkspace()
    {
        QFETCH(int, language);
        QFETCH(QString, kindName);
        Language.LanguageIndex = quint8(language);
        PlaneHarness plane;
        plane.runLesson(Traslazione);
        QVERIFY(plane.button("Tabel")->isEnabled());

        QString title;
        QStringList shown;
        GuiTest::whenModalOpens([&](QWidget *window) {
            title = window->objectName() + u':' + window->windowTitle();
            shown = texts(window, labelNames({2, 6, 14, 30, 28, 48, 42}));
            QTest::mouseClick(window->findChild<QWidget *>(u"BitBtn1"_qs), Qt::LeftButton);
        });
        plane.button("Tabel")->click();
        QCOMPARE(title, u"Tgeotab:  Dati delle trasformazioni"_qs);
        QCOMPARE(shown, (QStringList{"Label2=A(15;11)", "Label6=A(9.0;3.0)", "Label14=" + kindName,
                                     "Label30=" + kindName, "Label28=dx = -6", "Label48=-6", "Label42=" + kindName}));
    }

    // Two symmetries about parallel axes: the page names both products'
    // translations, in opposite directions, and checks them against page 1.
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
            // Ctrl+C copies the page on view; the pop-up's item, the products as LaTeX.
            window->findChild<QAction *>(u"copiapagina"_qs)->trigger();
            copied = QGuiApplication::clipboard()->text();
            window->findChild<QAction *>(u"copialatex"_qs)->trigger();
            latex = QGuiApplication::clipboard()->text();
            // "Mostra" draws the direct product's vector from the origin.
            window->findChild<QPushButton *>(u"compShow1"_qs)->click();
            arrow = plane.window()->canvasPixel(plane.screen(3, 0)) & 0xFFFFFF;
            window->close();
        });
        plane.button("Tabel")->click();
        QCOMPARE(shown, (QStringList{u"M₂·M₁: prima M₁, poi M₂ (sequenza diretta)"_qs, "6",
                                     u"det = 1    aree × 1    orientamento conservato"_qs,
                                     "traslazione di (6; 0)", u"A(-4; 2) → (2; 2)    tabella: A(2.0;2.0)"_qs,
                                     u"M₁·M₂: prima M₂, poi M₁ (sequenza inversa)"_qs, "-6",
                                     "traslazione di (-6; 0)", u"A(-4; 2) → (-10; 2)    tabella: A(-10.0;2.0)"_qs}));
        QCOMPARE(copied, QStringLiteral("Coordinate iniziali\nA(-4;2)\tB(-1;2)\tC(-4;6)\nSequenza diretta\n"
                                        "A(8.0;2.0)\tB(5.0;2.0)\tC(8.0;6.0)\tsimmetry\n"
                                        "A(2.0;2.0)\tB(5.0;2.0)\tC(2.0;6.0)\tsimmetry\nSequenza inversa\n"
                                        "A(14.0;2.0)\tB(11.0;2.0)\tC(14.0;6.0)\tsimmetry\n"
                                        "A(-10.0;2.0)\tB(-7.0;2.0)\tC(-10.0;6.0)\tsimmetry\n"));
        QCOMPARE(arrow, Composition::ElementColour);
        QCOMPARE(plane.window()->canvasPixel(plane.screen(3, 0)) & 0xFFFFFF, Composition::ElementColour);
        plane.button("cancella")->click();
        QCOMPARE(plane.window()->canvasPixel(plane.screen(3, 0)) & 0xFFFFFF, Colour::White); // the x axis again
        QCOMPARE(latex, QStringLiteral("\\[ M_2 M_1 = \\begin{pmatrix} 1 & 0 & 6 \\\\ 0 & 1 & 0 \\\\ 0 & 0 & 1 \\end{pmatrix} \\]\n"
                                       "\\[ M_1 M_2 = \\begin{pmatrix} 1 & 0 & -6 \\\\ 0 & 1 & 0 \\\\ 0 & 0 & 1 \\end{pmatrix} \\]\n"));
    }

private:
    std::optional<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestTgeotab)
#include "tst_tgeotab.moc"
