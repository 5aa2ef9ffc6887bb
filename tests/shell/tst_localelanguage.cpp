#include "shell/localelanguage.h"

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
        QTest::newRow("South Africa") << "en_ZA" << 0x1C09 << 1;
        QTest::newRow("India: not in the table") << "en_IN" << 0 << 1;
        QTest::newRow("Luxembourg French") << "fr_LU" << 0x140C << 2;
        QTest::newRow("Senegal: not in the table") << "fr_SN" << 0 << 1;
        QTest::newRow("Spain") << "es_ES" << 0x0C0A << 4;
        QTest::newRow("Puerto Rico") << "es_PR" << 0x500A << 4;
        QTest::newRow("Portugal") << "pt_PT" << 0x0816 << 5;
        QTest::newRow("Liechtenstein") << "de_LI" << 0x1407 << 6;
        QTest::newRow("Belgian German: not in the table") << "de_BE" << 0 << 1;
        QTest::newRow("Dutch") << "nl_NL" << 0 << 1;
    }

    void preselection()
    {
        QFETCH(QString, locale);
        QFETCH(int, identifier);
        QFETCH(int, language);
        QCOMPARE(LocaleLanguage::localeIdentifier(QLocale(locale)), identifier);
        QCOMPARE(LocaleLanguage::preselectedLanguage(QLocale(locale)), language);
    }

    void identifiersOnlyCountWhenInTheTable()
    {
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x040A), 4); // traditional Spanish sort
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x0413), 1); // Dutch
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x0010), 1); // a bare primary language
    }
};

QTEST_GUILESS_MAIN(TestLocaleLanguage)
#include "tst_localelanguage.moc"
