#include "lang/records.h"
#include "shell/localelanguage.h"

#include <QTest>

class TestLocaleLanguage : public QObject
{
    Q_OBJECT

private slots:
    // Each locale of the record finds its published identifier, and through
    // it the language of its own: a wrong primary byte starts in another.
    void publishedIdentifiers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("identifier");
        for (const QStringList &row : Records::rows(QStringLiteral("lcid.tsv")))
            QTest::newRow(qPrintable(row.at(2))) << row.at(0) << row.at(1).toInt(nullptr, 16);
        // Locales the table leaves out start in English.
        for (const char *locale : {"en_IN", "fr_SN", "de_BE", "nl_NL"})
            QTest::newRow(locale) << QString::fromLatin1(locale) << 0;
    }

    void publishedIdentifiers()
    {
        QFETCH(QString, locale);
        QFETCH(int, identifier);
        const QLocale known(locale);
        const QMap<QLocale::Language, int> own{{QLocale::Italian, 0}, {QLocale::English, 1}, {QLocale::French, 2},
                                               {QLocale::Spanish, 4}, {QLocale::Portuguese, 5}, {QLocale::German, 6}};
        QCOMPARE(QStringLiteral("%1").arg(LocaleLanguage::localeIdentifier(known), 4, 16, QLatin1Char('0')),
                 QStringLiteral("%1").arg(identifier, 4, 16, QLatin1Char('0')));
        QCOMPARE(LocaleLanguage::preselectedLanguage(known), identifier ? own.value(known.language()) : 1);
    }

    void identifiersOnlyCountWhenInTheTable()
    {
        QCOMPARE(Records::rows(QStringLiteral("lcid.tsv")).size(), 40);
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x040A), 4); // traditional Spanish sort
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x0413), 1); // Dutch
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x0010), 1); // a bare primary language
    }
};

QTEST_GUILESS_MAIN(TestLocaleLanguage)
#include "tst_localelanguage.moc"
