#include "lang/languagetables.h"
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

    // Fails, rather than skips, where Debian's qt6-translations-l10n is missing.
    void followingTheLanguage()
    {
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
        QVERIFY(QtTexts::follow(French, {}));
        QCOMPARE(lookIn(), french.translate("QFileDialog", "Look in:"));
        QVERIFY(!QtTexts::follow(English, {}));
        QCOMPARE(lookIn(), english);
        QCOMPARE(QtTexts::inForce(), QString());
        QVERIFY(QtTexts::follow(LoadedLanguage, u"traespañol.lng"_qs));
        QCOMPARE(lookIn(), spanish.translate("QFileDialog", "Look in:"));
        QVERIFY(!QtTexts::follow(LoadedLanguage, QStringLiteral("sardu.lng")));
        QCOMPARE(lookIn(), english);
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

    // Each change tells every window once; the same language again tells none.
    void windowsAreToldOfEachChange()
    {
        LanguageChanges changes;
        QCoreApplication::instance()->installEventFilter(&changes);
        QtTexts::follow(Italian, {});
        QCOMPARE(changes.count, 1);
        QtTexts::follow(Italian, {});
        QCOMPARE(changes.count, 1);
        QtTexts::follow(English, {});
        QCOMPARE(changes.count, 2);
        QtTexts::follow(English, {});
        QCOMPARE(changes.count, 2);
        QCoreApplication::instance()->removeEventFilter(&changes);
    }
};

QTEST_GUILESS_MAIN(TestQtTexts)
#include "tst_qttexts.moc"
