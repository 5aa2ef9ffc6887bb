#include "shell/qttexts.h"

#include "lang/languagefile.h"
#include "lang/languagetables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace QtTexts {

namespace {

// The file dialog, the message windows and the line edits are all Qt Base's.
QString qtCatalogue(const char *language)
{
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        .filePath(QStringLiteral("qtbase_%1.qm").arg(QLatin1String(language)));
}

struct DefaultFile {
    int requested; // the locale's request, as LanguageFile::defaultFileName takes it
    const char *language;
};

// No European Portuguese catalogue of Qt Base exists: that file reads Qt's
// English unless a catalogue stands beside it.
constexpr DefaultFile DefaultFiles[] = {{4, "es"}, {5, "pt"}, {6, "de"}};

QString loadedCatalogue(const QString &languageFilePath)
{
    if (languageFilePath.isEmpty())
        return {};
    const QFileInfo file(languageFilePath);
    const QString beside = file.absoluteDir().filePath(file.completeBaseName() + QStringLiteral(".qm"));
    if (QFileInfo::exists(beside))
        return beside;
    for (const DefaultFile &known : DefaultFiles) {
        if (file.fileName() == LanguageFile::defaultFileName(known.requested))
            return qtCatalogue(known.language);
    }
    return {};
}

QPointer<QTranslator> &installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

QString catalogueFor(int languageIndex, const QString &languageFilePath)
{
    switch (languageIndex) {
    case Italian: return qtCatalogue("it");
    case French: return qtCatalogue("fr");
    case LoadedLanguage: return loadedCatalogue(languageFilePath);
    default: return {};
    }
}

bool follow(int languageIndex, const QString &languageFilePath)
{
    const QString catalogue = catalogueFor(languageIndex, languageFilePath);
    if (!catalogue.isEmpty() && catalogue == inForce())
        return true;
    reset();
    if (catalogue.isEmpty())
        return false;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(catalogue)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}

QString inForce()
{
    return installed() ? installed()->filePath() : QString();
}

void reset()
{
    // Deleting an installed translator removes it and tells every window.
    delete installed().data();
}

} // namespace QtTexts
