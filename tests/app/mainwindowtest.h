#pragma once

// The main window started as a user meets it, and its menu items found by
// name: the tests of the main window and of every window start from it.

#include "app/splash.h"
#include "app/tnumeria.h"
#include "shell/helpviewer.h"
#include "support/guitest.h"

#include <QLocale>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <memory>

inline QAction *item(Tnumeria &window, const QString &name)
{
    if (auto *menu = window.findChild<QMenu *>(name))
        return menu->menuAction();
    return window.findChild<QAction *>(name);
}

// The splash ticked by hand, with the real timers stopped.
inline void tick(Tnumeria &window, int firstPhase, int secondPhase)
{
    auto *splash = window.findChild<Splash *>();
    if (auto *first = window.findChild<QTimer *>(QStringLiteral("Timer3")))
        first->stop();
    for (int i = 0; i < firstPhase; ++i)
        splash->Timer3Timer();
    if (auto *second = window.findChild<QTimer *>(QStringLiteral("Timer1")))
        second->stop();
    for (int i = 0; i < secondPhase; ++i)
        splash->Timer1Timer();
}

// The main window as it stands once the splash is over, in `locale`.
inline std::unique_ptr<Tnumeria> startedWindow(const char *locale = "en_GB")
{
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    auto window = std::make_unique<Tnumeria>();
    window->show();
    tick(*window, 41, 25);
    return window;
}

// Each case with a temporary folder of its own, ending with no dialog left
// open and no help window left over for the next.
class MainWindowCases : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<GuiTest::Fixture>(); }

    void cleanup()
    {
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
        delete HelpViewer::current();
        m_fixture.reset();
    }

private:
    std::unique_ptr<GuiTest::Fixture> m_fixture;
};
