#pragma once

#include "transform/transformsettings.h"

#include <QDialog>
#include <QList>

class HintSwitch;
class QAction;
class QFrame;
class QPushButton;
class QShowEvent;

// What every parameter dialog shares: the hint rule and its `Mostra` pop-up
// item, the OK / cancel / help buttons in a column at the right edge, help on
// F1, and the order of work: controls loaded from the store when the dialog
// opens, stored back by OK only.
class ParameterDialog : public QDialog
{
    Q_OBJECT

public:
    bool hintsShown() const;

    // How the workspace has the dialog answered: by the user, or at once with
    // OK on the values the store holds, as when a lesson is opened. Both
    // load the controls and store them through the same OK.
    enum class Answer { User, OkAsStored };
    bool confirm(Answer answer);

protected:
    ParameterDialog(QWidget *parent, DialogGroup group, int helpContext);

    // The area left of the buttons, for the dialog's own controls.
    QFrame *contentArea() const { return m_content; }

    // Tab goes through `controls` in this order, then OK, cancel and help.
    void setTabOrder(QList<QWidget *> controls);

    // The opening step after the hint rule: captions, hints, controls from
    // the store. Runs once, when the dialog is first shown.
    virtual void FormActivate() = 0;

    // OK's work: stores the controls' values and tells whether the dialog
    // may close with OK. A dialog whose values can be invalid refuses, and
    // stays open for the user to put them right.
    virtual bool storeValues() = 0;

    void showEvent(QShowEvent *event) override;

private:
    void loadOnce();
    void BitBtn1Click();
    void BitBtn3Click();
    void MostraClick();

    DialogGroup m_group;
    int m_helpContext;
    bool m_opened = false;
    HintSwitch *m_hints;
    QAction *m_mostra;
    QFrame *m_content;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    QList<QWidget *> m_tabControls;
};
