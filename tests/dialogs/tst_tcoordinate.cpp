#include "dialogs/tcoordinate.h"
#include "dialogtest.h"
#include "lang/languagetables.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

using namespace DialogTest;

namespace {

QRadioButton *typeItem(QWidget *dialog, int type)
{
    return child<QRadioButton>(dialog, qPrintable(QStringLiteral("tipo%1").arg(type)));
}

void chooseType(QWidget *dialog, int type)
{
    // On the round indicator at the left, which every item has.
    QRadioButton *item = typeItem(dialog, type);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

QString rowsTakingInput(QWidget *dialog)
{
    QString rows;
    for (const char *name : {"xb", "pyb", "yc", "pxc", "xd", "pyd", "raggio"})
        rows += child<QWidget>(dialog, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return rows;
}

} // namespace

class TestTcoordinate : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(GuiTest::unexpectedModals().isEmpty()); }

    void opensOnTheStartTriangle()
    {
        GuiTest::Fixture fixture;
        startWorkspace();
        Tcoordinate dialog;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), LongTexts.text(27));
        QCOMPARE(child<QGroupBox>(&dialog, "tipo")->title(), LongTexts.text(15));
        QCOMPARE(typeItem(&dialog, 4)->text(), LongTexts.text(20));
        QVERIFY(typeItem(&dialog, 2)->isChecked());
        QVERIFY(child<QCheckBox>(&dialog, "pulizia")->isChecked());
        QStringList shown;
        for (const char *name : {"xa", "ya", "xb", "yb", "xc", "yc", "xd", "yd"})
            shown << field(&dialog, name)->text();
        QCOMPARE(shown, (QStringList{"15", "11", "10", "9", "21", "4", "19", "9"}));
        QCOMPARE(rowsTakingInput(&dialog), QStringLiteral("1111000"));
        QVERIFY(spin(&dialog, "praggio")->isEnabled());
        QVERIFY(field(&dialog, "xa")->isReadOnly());
        QVERIFY(!field(&dialog, "raggio")->isReadOnly());
        QCOMPARE(spin(&dialog, "pxa")->toolTip(), hintText(ShortTexts.text(33)));
        QCOMPARE(field(&dialog, "yd")->toolTip(), hintText(ShortTexts.text(40)));
    }

    void typeChoiceIsStoredAtOnce_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("rows"); // B x, B y, C y, C x, D x, D y, radius
        QTest::newRow("point") << 0 << "0000000";
        QTest::newRow("segment") << 1 << "1100000";
        QTest::newRow("quadrilateral") << 3 << "1111110";
        QTest::newRow("circle") << 4 << "0000001";
    }

    void typeChoiceIsStoredAtOnce()
    {
        QFETCH(int, type);
        QFETCH(QString, rows);
        GuiTest::Fixture fixture;
        startWorkspace();
        Tcoordinate dialog;
        dialog.show();
        chooseType(&dialog, type);
        QCOMPARE(rowsTakingInput(&dialog), rows);
        QVERIFY(spin(&dialog, "praggio")->isEnabled());
        QCOMPARE(int(TransformSettings.SelectedFigureType), type);
        QCOMPARE(TransformSettings.FigureIsCircle, type == 4);
        QCOMPARE(int(TransformSettings.FigureType), 2);
    }

    void okStoresTheFigure()
    {
        GuiTest::Fixture fixture;
        startWorkspace();
        TransformSettings.FigureType = 3;
        // Out of range in the store, so the point's hidden rows show their
        // limits: OK must store them as shown.
        TransformSettings.FigureX[1] = 50;
        TransformSettings.FigureY[3] = -40;
        runModal<Tcoordinate>([](Tcoordinate &dialog) {
            spin(&dialog, "pxa")->stepBy(-20);
            clickArrow(spin(&dialog, "pyd"), true);
            chooseType(&dialog, 0);
            QTest::mouseClick(child<QCheckBox>(&dialog, "pulizia"), Qt::LeftButton);
            pressOk(&dialog);
        });
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE(int(s.FigureType), 0);
        QCOMPARE(s.ClearScreen, false);
        QCOMPARE(s.FigureX[0], -5);
        QCOMPARE(s.FigureX[1], 39);
        QCOMPARE(s.FigureY[3], -25);
        QCOMPARE(s.VertexTextX[0][0], QStringLiteral("-5"));
        QCOMPARE(s.VertexTextY[0][0], QStringLiteral("11"));
        QCOMPARE(s.VertexTextX[1][0], QStringLiteral("39"));
        QCOMPARE(s.VertexTextY[3][0], QStringLiteral("-25"));
        QCOMPARE(s.VertexTextX[0][1], QString()); // later stages are the workspace's
    }

    void circleKeepsItsRadiusInEntryOne()
    {
        GuiTest::Fixture fixture;
        startWorkspace();
        runModal<Tcoordinate>([](Tcoordinate &dialog) {
            chooseType(&dialog, 4);
            spin(&dialog, "praggio")->setValue(9);
            pressOk(&dialog);
        });
        const TransformSettingsValues &s = TransformSettings;
        QCOMPARE(int(s.FigureType), 4);
        QCOMPARE(s.FigureX[1], 9);
        QCOMPARE(s.FigureY[1], 9);
        QCOMPARE(s.FigureX[2], 21);
        QCOMPARE(s.FigureY[3], 9);

        Tcoordinate again;
        again.show();
        QCOMPARE(field(&again, "raggio")->text(), QStringLiteral("9"));
        QCOMPARE(rowsTakingInput(&again), QStringLiteral("0000001"));
    }

    void cancelKeepsOnlyTheTypeChoice_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("rowsAfter");
        // The next opening shows the chosen type with the vertex rows of the
        // confirmed triangle, or none for a circle.
        QTest::newRow("quadrilateral") << 3 << "1111000";
        QTest::newRow("point") << 0 << "1111000";
        QTest::newRow("circle") << 4 << "0000001";
    }

    void cancelKeepsOnlyTheTypeChoice()
    {
        QFETCH(int, type);
        QFETCH(QString, rowsAfter);
        GuiTest::Fixture fixture;
        startWorkspace();
        const auto before = TransformSettings.FigureX;
        const int result = runModal<Tcoordinate>([type](Tcoordinate &dialog) {
            chooseType(&dialog, type);
            spin(&dialog, "pxa")->stepBy(5);
            QTest::mouseClick(child<QCheckBox>(&dialog, "pulizia"), Qt::LeftButton);
            pressCancel(&dialog);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(int(TransformSettings.FigureType), 2);
        QCOMPARE(TransformSettings.FigureX, before);
        QVERIFY(TransformSettings.ClearScreen);
        QCOMPARE(TransformSettings.VertexTextX[0][0], QString());
        QCOMPARE(int(TransformSettings.SelectedFigureType), type);
        QCOMPARE(TransformSettings.FigureIsCircle, type == 4);

        Tcoordinate again;
        again.show();
        QVERIFY(typeItem(&again, type)->isChecked());
        QCOMPARE(rowsTakingInput(&again), rowsAfter);
    }

    void typedRadius_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("finish");
        QTest::addColumn<QString>("shownAfter");
        QTest::addColumn<int>("stored");
        QTest::newRow("inside") << "12" << int(Qt::Key_Tab) << "12" << 12;
        QTest::newRow("above the range") << "40" << int(Qt::Key_Tab) << "15" << 15;
        QTest::newRow("below the range") << "1" << int(Qt::Key_Tab) << "2" << 2;
        QTest::newRow("letters are refused") << "ab" << int(Qt::Key_Tab) << "5" << 5;
        QTest::newRow("digit and letters") << "7x" << int(Qt::Key_Tab) << "7" << 7;
        QTest::newRow("three digits") << "123" << int(Qt::Key_Tab) << "12" << 12;
        QTest::newRow("enter confirms") << "13" << int(Qt::Key_Return) << "13" << 13;
    }

    void typedRadius()
    {
        QFETCH(QString, typed);
        QFETCH(int, finish);
        QFETCH(QString, shownAfter);
        QFETCH(int, stored);
        GuiTest::Fixture fixture;
        startWorkspace();
        QString shown;
        runModal<Tcoordinate>([&](Tcoordinate &dialog) {
            chooseType(&dialog, 4);
            QVERIFY(activate(&dialog));
            QLineEdit *raggio = field(&dialog, "raggio");
            raggio->setFocus();
            QTest::keyClick(raggio, Qt::Key_Backspace);
            QTest::keyClicks(raggio, typed);
            QTest::keyClick(raggio, Qt::Key(finish));
            shown = raggio->text();
            if (dialog.isVisible())
                pressOk(&dialog);
        });
        QCOMPARE(shown, shownAfter);
        QCOMPARE(TransformSettings.FigureX[1], stored);
        QCOMPARE(TransformSettings.FigureY[1], stored);
    }
};

QTEST_MAIN(TestTcoordinate)
#include "tst_tcoordinate.moc"
