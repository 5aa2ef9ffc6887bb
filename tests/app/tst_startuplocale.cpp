#include "app/tnumeria.h"
#include "lang/languagetables.h"
#include "support/guitest.h"

#include <QMenu>
#include <QTest>

// Runs with LC_ALL set by CTest, to show that the user's own locale settings
// choose the first language.
class TestStartUpLocale : public QObject
{
    Q_OBJECT

private slots:
    void startsInTheLocaleLanguage()
    {
        GuiTest::Fixture fixture;
        Tnumeria window;
        QCOMPARE(int(Language.LanguageIndex), qEnvironmentVariableIntValue("EXPECTED_LANGUAGE"));
        window.completeStartUp();
        QCOMPARE(window.findChild<QMenu *>(QStringLiteral("Ambiente1"))->title(),
                 qEnvironmentVariable("EXPECTED_FILE_MENU"));
    }
};

QTEST_MAIN(TestStartUpLocale)
#include "tst_startuplocale.moc"
