#include "dialogs/parameterdialog.h"

#include "lang/fixedtexts.h"
#include "lang/languagetables.h"
#include "shell/helpviewer.h"
#include "shell/hintswitch.h"
#include "shell/imagelist.h"
#include "shell/shellvalues.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// ShortTexts rows of the buttons' hints.
constexpr int OkHintRow = 31;
constexpr int CancelHintRow = 32;
constexpr int HelpHintRow = 4;

// Button captions are the hint texts, begun with a capital as buttons are.
QString buttonCaption(const QString &hint)
{
    QString caption = hint.trimmed();
    if (!caption.isEmpty())
        caption[0] = caption[0].toUpper();
    return caption;
}

QPushButton *makeButton(const QString &name, QStyle::StandardPixmap glyph, int hintRow, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setCursor(pointingCursor());
    const QString tooltip = hint(hintRow);
    button->setText(buttonCaption(tooltip));
    button->setToolTip(tooltip);
    return button;
}

} // namespace

ParameterDialog::ParameterDialog(QWidget *parent, DialogGroup group, int helpContext)
    : QDialog(parent)
    , m_group(group)
    , m_helpContext(helpContext)
    , m_hints(new HintSwitch(this, false))
    , m_mostra(new QAction(QString::fromUtf8(FixedTexts::ShowHintsItem), this))
    , m_content(new QFrame(this))
    , m_ok(makeButton(QStringLiteral("BitBtn1"), QStyle::SP_DialogOkButton, OkHintRow, this))
    , m_cancel(makeButton(QStringLiteral("BitBtn2"), QStyle::SP_DialogCancelButton, CancelHintRow, this))
    , m_help(makeButton(QStringLiteral("BitBtn3"), QStyle::SP_MessageBoxQuestion, HelpHintRow, this))
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_mostra->setObjectName(QStringLiteral("Mostra"));
    m_mostra->setCheckable(true);
    connect(m_mostra, &QAction::triggered, this, &ParameterDialog::MostraClick);
    addAction(m_mostra);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &ParameterDialog::BitBtn1Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &ParameterDialog::BitBtn3Click);
    auto *helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, &ParameterDialog::BitBtn3Click);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_content, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool ParameterDialog::hintsShown() const
{
    return m_hints->isShown();
}

void ParameterDialog::setTabOrder(QList<QWidget *> controls)
{
    m_tabControls = controls;
    controls << m_ok << m_cancel << m_help;
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

bool ParameterDialog::confirm(Answer answer)
{
    if (answer == Answer::User)
        return exec() == QDialog::Accepted;
    loadOnce();
    return storeValues();
}

void ParameterDialog::loadOnce()
{
    // The dialog opens on its first showing, not on every activation: coming
    // back from the help window activates it again, and reloading then would
    // throw away the user's edits.
    if (m_opened)
        return;
    m_opened = true;
    const bool shown = dialogHintsOnOpening(m_group, Shell.MainShowHints);
    m_hints->setShown(shown);
    m_mostra->setChecked(shown);
    FormActivate();
    // Focus starts on the first control that takes input rather than on
    // whatever the focus chain happens to begin with.
    if (!focusWidget()) {
        const auto first = std::find_if(m_tabControls.cbegin(), m_tabControls.cend(),
                                        [](const QWidget *control) { return control->isEnabled(); });
        if (first != m_tabControls.cend())
            (*first)->setFocus();
    }
}

void ParameterDialog::showEvent(QShowEvent *event)
{
    loadOnce();
    QDialog::showEvent(event);
}

void ParameterDialog::BitBtn1Click()
{
    if (storeValues())
        accept();
}

void ParameterDialog::BitBtn3Click()
{
    HelpViewer::showTopic(m_helpContext);
}

void ParameterDialog::MostraClick()
{
    TransformSettings.DialogShowHints = m_hints->toggle(m_mostra);
}
