#pragma once

#include "shell/settingsrecord.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class Splash;
class Tgeo;
class Tuncubo;

// The main window: first the timed splash, then the black multiple-document
// frame whose menus open the workspace, the space window and the calculator,
// switch the language and the hints, and reach help.
class Tnumeria : public QMainWindow
{
    Q_OBJECT

public:
    explicit Tnumeria(QWidget *parent = nullptr);

    void HideBackground();
    void ShowBackgroundIfIdle();
    void ApplyMainTexts();
    // Makes what the splash does not show: the frame, the menus and their
    // pictures, the window's icon, Qt's own texts. Runs once, after the
    // splash's first frame or when the splash ends, whichever comes first;
    // public so that tests can reach a started window without the timers.
    void completeStartUp();

    QMdiArea *mdiArea() const { return m_frame; }

    // Opens the workspace if it is closed, then the lesson at `path` (a
    // file, or a ready lesson under ":/lessons").
    void openLesson(const QString &path);
    // The lesson the command line names, opened once the splash is over.
    void openLessonAtStart(const QString &path) { m_lessonAtStart = path; }

public slots:
    void Calcolatrice1Click();
    void Mostrasuggerimenti1Click();
    void Francese1Click();
    void Inglese1Click();
    void Italiano1Click();
    void Uscita1Click();
    void Trasformazioni1Click();
    void Spaziali1Click();
    void Precedente1Click();
    void Successiva1Click();
    void Chiudetutte1Click();
    void Guida1Click();
    void email1Click();
    void QRHomepage1Click();
    void Informazioni1Click();
    void altraClick();
    void Caricaunaltraversione1Click();
    void apriLezioneClick();
    void salvaLezioneClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createSplash();
    void createMenus();
    void createLessonItems();
    void fillReadyLessons();
    void updateLessonItems();
    QAction *addMenuItem(QMenu *menu, const char *name, int helpContext, void (Tnumeria::*handler)());
    void setMenusVisible(bool visible);
    void readSettings();
    void showTitle();
    void showLoadedLanguage();
    QIcon currentFlag() const;
    void endSplash();
    void fitBackground();
    void chooseLanguage(int column);
    void showSettingsUnreadable();
    void writeSettings();
    void bringToFront(QMdiSubWindow *child);
    template <typename Window>
    void openOrRaise(QPointer<Window> &window, bool closed);

    SettingsRecord m_settings;
    QString m_settingsPath; // where `m_settings` was read and is written
    bool m_settingsUnreadable = false;

    QPointer<Splash> m_splash;
    bool m_started = false;

    // Made once the splash is on screen, as are the menus.
    QLabel *Immatem = nullptr;
    QMdiArea *m_frame = nullptr;

    QMenu *Ambiente1;
    QAction *Calcolatrice1;
    QAction *Mostrasuggerimenti1;
    QMenu *Lingua1;
    QAction *Francese1;
    QAction *Inglese1;
    QAction *Italiano1;
    QAction *altra;
    QAction *Caricaunaltraversione1;
    QAction *Linguapredefinita1 = nullptr;
    QAction *Uscita1;
    QAction *Trasformazioni1;
    QAction *Spaziali1;
    QMenu *Finestre1;
    QAction *Precedente1;
    QAction *Successiva1;
    QAction *Chiudetutte1;
    QMenu *N1;
    QAction *Guida1;
    QAction *email1;
    QAction *QRHomepage1;
    QAction *Informazioni1;

    QPointer<Tgeo> m_plane;
    QString m_lessonAtStart;
    QAction *apriLezione = nullptr;
    QAction *salvaLezione = nullptr;
    QMenu *lezioniPronte = nullptr;
    QPointer<Tuncubo> m_space;
};
