#include "lang/cp1252.h"
#include "lang/languagetables.h"

#include <QTest>

class TestLanguageTables : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLanguageValues(); }

    void tableSizes()
    {
        QCOMPARE(ShortTexts.rowCount(), 61);
        QCOMPARE(LongTexts.rowCount(), 59);
        QCOMPARE(MenuTexts.rowCount(), 22);
        QCOMPARE(ShortTexts.capacity(), 40);
        QCOMPARE(LongTexts.capacity(), 60);
        QCOMPARE(MenuTexts.capacity(), 32);
    }

    void builtInCells_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("italian");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("french");
        QTest::newRow("short 0 pause") << 0 << 0 << "pausa|" << "pause|" << "pause|";
        QTest::newRow("short 2 start") << 0 << 2 << "via|" << "start|" << u"départ|"_qs;
        QTest::newRow("short 7 simmetry") << 0 << 7 << "simmetria" << "simmetry" << u"symétrie"_qs;
        QTest::newRow("short 8") << 0 << 8 << "omotetia" << "homothetia" << u"homothétie"_qs;
        QTest::newRow("short 9") << 0 << 9 << "dilatazione" << "scaling" << "dilatation";
        QTest::newRow("short 12") << 0 << 12 << "Assi" << "Frame" << u"Repère"_qs;
        QTest::newRow("short 15 three blanks") << 0 << 15 << "asse   x" << "axis   x" << "axe   x";
        QTest::newRow("short 16 leading blanks") << 0 << 16 << "          y" << "y" << "        y";
        QTest::newRow("short 17 leading blanks") << 0 << 17 << "          z" << "z" << "        z";
        QTest::newRow("short 19") << 0 << 19 << "inclinazione" << "shear" << "inclination";
        QTest::newRow("short 31") << 0 << 31 << "conferma" << "OK" << "OK";
        QTest::newRow("short 50 leading blank") << 0 << 50 << "angolo di rotazione" << " angle of rotation"
                                                << "angle de rotation";
        QTest::newRow("long 2 misspelt") << 1 << 2 << "Trasformazioni nel piano" << "Tranformations on the plane"
                                         << "Transformations dans le plane";
        QTest::newRow("long 4 blank") << 1 << 4 << "Calcolatrice" << "Calculator" << " Calculatrice";
        QTest::newRow("long 22") << 1 << 22 << "asse   x" << "axis   x" << "axe   x";
        QTest::newRow("long 25") << 1 << 25 << "III rotazione" << "3rd rotation" << u"3° rotation"_qs;
        QTest::newRow("long 47") << 1 << 47 << "Figura fuori schermo" << "Figure out of the screen"
                                 << u"Figure dehors de l'écran"_qs;
        QTest::newRow("long 52 connot") << 1 << 52 << u"Il programma non può aprire il file"_qs
                                        << "The program connot open file"
                                        << "Le programme ne peut pas ouvrir le fichier";
        QTest::newRow("long 58 help file") << 1 << 58 << "Aralda" << "Aralda" << "Aralda";
        QTest::newRow("menu 15 misspelt") << 2 << 15 << "&Traformazioni nel piano"
                                          << "&Transformations on the plane" << "&Transformations dans le plane";
        QTest::newRow("menu 18 ampersand") << 2 << 18 << "&Q&&R Home page" << "&Q&&R Home page" << "&Q&&R Accueil";
        QTest::newRow("menu 20") << 2 << 20 << "Lingua &predefinita" << "&Default language" << "Langue de &defaut";
    }

    void builtInCells()
    {
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(QString, italian);
        QFETCH(QString, english);
        QFETCH(QString, french);
        const TextTable *tables[] = {&ShortTexts, &LongTexts, &MenuTexts};
        QCOMPARE(tables[table]->cell(row, Italian), italian);
        QCOMPARE(tables[table]->cell(row, English), english);
        QCOMPARE(tables[table]->cell(row, French), french);
    }

    void sameTextsInPairedRows()
    {
        for (int column : {Italian, English, French}) {
            QCOMPARE(LongTexts.cell(12, column), LongTexts.cell(48, column));
            QCOMPARE(LongTexts.cell(21, column), ShortTexts.cell(25, column));
        }
    }

    void everyBuiltInCellFitsAndIsSingleByte()
    {
        for (const TextTable *table : {&ShortTexts, &LongTexts, &MenuTexts}) {
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column : {Italian, English, French}) {
                    const QString cell = table->cell(row, column);
                    QVERIFY2(Cp1252::encode(cell).has_value(), qPrintable(cell));
                    const bool mayBeEmpty = (table == &ShortTexts && row == 18 && column == Italian)
                                            || (table == &MenuTexts && row == 21);
                    QVERIFY2(mayBeEmpty || !cell.isEmpty(), qPrintable(QString::number(row)));
                }
            }
        }
    }

    void loadedColumnIsEmptyUntilFilled()
    {
        Language.LanguageIndex = French;
        QCOMPARE(ShortTexts.text(32), QStringLiteral("annuler"));
        Language.LanguageIndex = LoadedLanguage;
        for (const TextTable *table : {&ShortTexts, &LongTexts, &MenuTexts})
            for (int row = 0; row < table->rowCount(); ++row)
                QVERIFY(table->text(row).isEmpty());
    }

    void cellsAreCutAtCapacity_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("capacity");
        QTest::newRow("short") << 0 << 40;
        QTest::newRow("long") << 1 << 60;
        QTest::newRow("menu") << 2 << 32;
    }

    void cellsAreCutAtCapacity()
    {
        QFETCH(int, table);
        QFETCH(int, capacity);
        TextTable *tables[] = {&ShortTexts, &LongTexts, &MenuTexts};
        const QString longText = QStringLiteral("0123456789").repeated(8);
        tables[table]->setCell(5, LoadedLanguage, longText);
        QCOMPARE(tables[table]->cell(5, LoadedLanguage), longText.left(capacity));
        tables[table]->setCell(5, LoadedLanguage, longText.left(capacity));
        QCOMPARE(tables[table]->cell(5, LoadedLanguage).size(), capacity);
        Language.LanguageIndex = LoadedLanguage;
        QCOMPARE(tables[table]->text(5), longText.left(capacity));
    }
};

QTEST_GUILESS_MAIN(TestLanguageTables)
#include "tst_languagetables.moc"
