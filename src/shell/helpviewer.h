#pragma once

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

// The program's help window: one window, reused, that shows the help set of
// the language in force with its contents page, links, back and forward.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    // The entry points every window uses (its help button, F1).
    static void showContents();
    static void showTopic(int context);

    // The open help window, if any.
    static HelpViewer *current();

    QUrl currentPage() const;

private:
    explicit HelpViewer(QWidget *parent);
    static HelpViewer *open();
    void showPage(const QUrl &page);
    void applyTexts();

    QTextBrowser *m_browser;
    QAction *m_back;
    QAction *m_forward;
    QAction *m_contents;
};
