#include "lang/languagetables.h"
#include "lang/records.h"
#include "shell/localelanguage.h"
#include "shell/qttexts.h"
#include "support/workfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTest>
#include <QTranslator>

namespace {

QString qtCatalogue(const QString &language)
{
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath(QStringLiteral("qtbase_%1.qm").arg(language));
}

// Qt's text as the program shows it, through the installed translators.
QString lookIn()
{
    return QCoreApplication::translate("QFileDialog", "Look in:");
}

class LanguageChanges : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class TestQtTexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { QtTexts::reset(); }

    void catalogues_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("Italian") << int(Italian) << "" << qtCatalogue("it");
        QTest::newRow("English") << int(English) << "" << "";
        QTest::newRow("French") << int(French) << "es.lng" << qtCatalogue("fr");
        QTest::newRow("loaded, no catalogue") << int(LoadedLanguage) << "/school/sardu.lng" << "";
        QTest::newRow("loaded, nothing named") << int(LoadedLanguage) << "" << "";
        QTest::newRow("Spanish default") << int(LoadedLanguage) << u"traespañol.lng"_qs << qtCatalogue("es");
        QTest::newRow("German default in a folder") << int(LoadedLanguage) << "/school/tradeutsch.lng"
                                                    << qtCatalogue("de");
        QTest::newRow("Portuguese default") << int(LoadedLanguage) << u"traportuguês.lng"_qs << qtCatalogue("pt");
        QTest::newRow("default name, other case") << int(LoadedLanguage) << "TraDeutsch.lng" << "";
    }

    void catalogues()
    {
        QFETCH(int, language);
        QFETCH(QString, file);
        QFETCH(QString, catalogue);
        WorkFolder folder; // no catalogue stands beside these files
        QCOMPARE(QtTexts::catalogueFor(language, file), catalogue);
    }

    void catalogueBesideALoadedFileComesFirst()
    {
        WorkFolder folder;
        QVERIFY(QFile::copy(qtCatalogue("de"), QStringLiteral("tradeutsch.qm")));
        QCOMPARE(QtTexts::catalogueFor(LoadedLanguage, QStringLiteral("tradeutsch.lng")),
                 QDir::current().absoluteFilePath(QStringLiteral("tradeutsch.qm")));
        QVERIFY(QFile::copy(qtCatalogue("it"), QStringLiteral("sardu.qm")));
        QCOMPARE(QtTexts::catalogueFor(LoadedLanguage, folder.filePath(QStringLiteral("sardu.lng"))),
                 folder.filePath(QStringLiteral("sardu.qm")));
    }

    // Fails, rather than skips, where Debian's qt6-translations-l10n is
    // missing. Each change tells every window once; the same language again
    // tells none.
    void followingTheLanguage()
    {
        LanguageChanges changes;
        QCoreApplication::instance()->installEventFilter(&changes);
        QTranslator italian;
        QVERIFY2(italian.load(qtCatalogue("it")), qPrintable(qtCatalogue("it")));
        QTranslator french;
        QVERIFY(french.load(qtCatalogue("fr")));
        QTranslator spanish;
        QVERIFY(spanish.load(qtCatalogue("es")));
        const QString english = QStringLiteral("Look in:");
        QVERIFY(italian.translate("QFileDialog", "Look in:") != english);
        QVERIFY(french.translate("QFileDialog", "Look in:") != english);

        QCOMPARE(lookIn(), english);
        QVERIFY(QtTexts::follow(Italian, {}));
        QCOMPARE(lookIn(), italian.translate("QFileDialog", "Look in:"));
        QCOMPARE(QtTexts::inForce(), qtCatalogue("it"));
        QtTexts::follow(Italian, {});
        QCOMPARE(changes.count, 1);
        QVERIFY(!QtTexts::follow(English, {}));
        QCOMPARE(lookIn(), english);
        QCOMPARE(QtTexts::inForce(), QString());
        QtTexts::follow(English, {});
        QCOMPARE(changes.count, 2);
        QVERIFY(QtTexts::follow(French, {}));
        QCOMPARE(lookIn(), french.translate("QFileDialog", "Look in:"));
        QVERIFY(QtTexts::follow(LoadedLanguage, u"traespañol.lng"_qs));
        QCOMPARE(lookIn(), spanish.translate("QFileDialog", "Look in:"));
        QVERIFY(!QtTexts::follow(LoadedLanguage, QStringLiteral("sardu.lng")));
        QCOMPARE(lookIn(), english);
        QCoreApplication::instance()->removeEventFilter(&changes);
    }

    void unreadableCatalogueLeavesQtsEnglish()
    {
        WorkFolder folder;
        QVERIFY(QtTexts::follow(Italian, {}));
        QFile broken(QStringLiteral("sardu.qm"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a catalogue");
        broken.close();
        QVERIFY(!QtTexts::follow(LoadedLanguage, QStringLiteral("sardu.lng")));
        QCOMPARE(QtTexts::inForce(), QString());
        QCOMPARE(lookIn(), QStringLiteral("Look in:"));
    }

    // Each locale of the record finds its published identifier, and through
    // it the language of its own: a wrong primary byte starts in another.
    void localeIdentifiers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("identifier");
        for (const QStringList &row : Records::rows(QStringLiteral("lcid.tsv")))
            QTest::newRow(qPrintable(row.at(2))) << row.at(0) << row.at(1).toInt(nullptr, 16);
        // Locales the table leaves out start in English.
        for (const char *locale : {"en_IN", "fr_SN", "de_BE", "nl_NL"})
            QTest::newRow(locale) << QString::fromLatin1(locale) << 0;
    }

    void localeIdentifiers()
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

    // Traditional Spanish sort, Dutch, and a bare primary language.
    void identifiersOnlyCountWhenInTheTable()
    {
        QCOMPARE(Records::rows(QStringLiteral("lcid.tsv")).size(), 40);
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x040A), 4);
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x0413), 1);
        QCOMPARE(LocaleLanguage::languageForIdentifier(0x0010), 1);
    }
};

QTEST_GUILESS_MAIN(TestQtTexts)
#include "tst_qttexts.moc"
