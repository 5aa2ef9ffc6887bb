#include "lang/languagetables.h"
#include "lang/records.h"
#include "shell/localelanguage.h"
#include "shell/qttexts.h"
#include "support/settingsbytes.h"
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

struct LanguageChanges : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::LanguageChange;
        return false;
    }
};

} // namespace

class TestQtTexts : public QObject
{
    Q_OBJECT

private slots:
    void init() { QtTexts::reset(); }

    void catalogues()
    {
        WorkFolder folder; // no catalogue stands beside these files
        const std::tuple<int, QString, const char *> rows[] = { // no catalogue: Qt's English
            {Italian, {}, "it"}, {English, {}, nullptr}, {French, QStringLiteral("es.lng"), "fr"},
            {LoadedLanguage, QStringLiteral("/school/sardu.lng"), nullptr}, {LoadedLanguage, {}, nullptr},
            {LoadedLanguage, u"traespañol.lng"_qs, "es"}, {LoadedLanguage, u"traportuguês.lng"_qs, "pt"},
            {LoadedLanguage, QStringLiteral("/school/tradeutsch.lng"), "de"},
            {LoadedLanguage, QStringLiteral("TraDeutsch.lng"), nullptr}}; // the default name in another case
        for (const auto &[language, file, catalogue] : rows)
            QCOMPARE(QtTexts::catalogueFor(language, file),
                     catalogue ? qtCatalogue(QString::fromLatin1(catalogue)) : QString());
        // One named as the loaded file comes first.
        QVERIFY(QFile::copy(qtCatalogue("de"), QStringLiteral("tradeutsch.qm")));
        QCOMPARE(QtTexts::catalogueFor(LoadedLanguage, QStringLiteral("tradeutsch.lng")),
                 folder.filePath(QStringLiteral("tradeutsch.qm")));
        QVERIFY(QFile::copy(qtCatalogue("it"), QStringLiteral("sardu.qm")));
        QCOMPARE(QtTexts::catalogueFor(LoadedLanguage, folder.filePath(QStringLiteral("sardu.lng"))),
                 folder.filePath(QStringLiteral("sardu.qm")));
    }

    // Fails, rather than skips, where Debian's qt6-translations-l10n is
    // missing. Each change tells every window; the same language again tells
    // none (counted up to the first change from one catalogue to another). An
    // unreadable catalogue leaves Qt's English.
    void followingTheLanguage()
    {
        WorkFolder folder;
        writeFileBytes(QStringLiteral("sardu.qm"), "not a catalogue");
        LanguageChanges changes;
        QCoreApplication::instance()->installEventFilter(&changes);
        const std::tuple<int, QString, const char *, int> steps[] = { // language, file, catalogue, changes so far
            {Italian, {}, "it", 1}, {Italian, {}, "it", 1}, {English, {}, nullptr, 2}, {English, {}, nullptr, 2},
            {French, {}, "fr", 3}, {LoadedLanguage, u"traespañol.lng"_qs, "es", 0},
            {LoadedLanguage, QStringLiteral("sardu.lng"), nullptr, 0}}; // unreadable
        for (const auto &[language, file, code, count] : steps) {
            QTranslator translator;
            const QString catalogue = code ? qtCatalogue(QString::fromLatin1(code)) : QString();
            QVERIFY2(catalogue.isEmpty() || translator.load(catalogue), qPrintable(catalogue));
            const QString expected = catalogue.isEmpty() ? QStringLiteral("Look in:")
                                                         : translator.translate("QFileDialog", "Look in:");
            QVERIFY(catalogue.isEmpty() || expected != QLatin1String("Look in:"));
            QCOMPARE(QtTexts::follow(language, file), !catalogue.isEmpty());
            QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), expected);
            QCOMPARE(QtTexts::inForce(), catalogue);
            QCOMPARE(count ? changes.count : 0, count);
        }
        QCoreApplication::instance()->removeEventFilter(&changes);
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
        QCOMPARE(QString::number(LocaleLanguage::localeIdentifier(known), 16), QString::number(identifier, 16));
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
