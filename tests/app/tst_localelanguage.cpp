#include "app/localelanguage.h"

#include <QTest>

class TestLocaleLanguage : public QObject
{
    Q_OBJECT

private slots:
    void preselection_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("identifier");
        QTest::addColumn<int>("language");
        QTest::newRow("Italy") << "it_IT" << 0x0410 << 0;
        QTest::newRow("Italian Switzerland") << "it_CH" << 0x0810 << 0;
        QTest::newRow("United States") << "en_US" << 0x0409 << 1;
        QTest::newRow("South Africa") << "en_ZA" << 0x1C09 << 1;
        QTest::newRow("India is not in the table") << "en_IN" << 0 << 1;
        QTest::newRow("France") << "fr_FR" << 0x040C << 2;
        QTest::newRow("Luxembourg French") << "fr_LU" << 0x140C << 2;
        QTest::newRow("Senegal is not in the table") << "fr_SN" << 0 << 1;
        QTest::newRow("Spain") << "es_ES" << 0x0C0A << 4;
        QTest::newRow("Puerto Rico") << "es_PR" << 0x500A << 4;
        QTest::newRow("Brazil") << "pt_BR" << 0x0416 << 5;
        QTest::newRow("Portugal") << "pt_PT" << 0x0816 << 5;
        QTest::newRow("Liechtenstein") << "de_LI" << 0x1407 << 6;
        QTest::newRow("Belgian German is not in the table") << "de_BE" << 0 << 1;
        QTest::newRow("Dutch") << "nl_NL" << 0 << 1;
        QTest::newRow("C locale") << "C" << 0 << 1;
    }

    void preselection()
    {
        QFETCH(QString, locale);
        QFETCH(int, identifier);
        QFETCH(int, language);
        QCOMPARE(LocaleLanguage::localeIdentifier(QLocale(locale)), identifier);
        QCOMPARE(LocaleLanguage::preselectedLanguage(QLocale(locale)), language);
    }

    void identifiersOfTheTable_data()
    {
        QTest::addColumn<int>("identifier");
        QTest::addColumn<int>("language");
        QTest::newRow("0413 Dutch") << 0x0413 << 1;
        QTest::newRow("040A traditional Spanish") << 0x040A << 4;
        QTest::newRow("0807 Swiss German") << 0x0807 << 6;
        QTest::newRow("0810 Swiss Italian") << 0x0810 << 0;
        QTest::newRow("0010 bare primary") << 0x0010 << 1;
    }

    void identifiersOfTheTable()
    {
        QFETCH(int, identifier);
        QFETCH(int, language);
        QCOMPARE(LocaleLanguage::languageForIdentifier(identifier), language);
    }
};

QTEST_GUILESS_MAIN(TestLocaleLanguage)
#include "tst_localelanguage.moc"
