#include "shell/hintswitch.h"

#include <QAction>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Whether a tooltip request reached the widget (a button shows its tooltip,
// so it accepts the event; a held-back one never arrives).
class ToolTipCounter : public QPushButton
{
public:
    using QPushButton::QPushButton;
    int toolTips = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++toolTips;
        return QPushButton::event(event);
    }
};

void askForToolTip(QWidget *widget)
{
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), widget->mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(widget, &help);
}

} // namespace

class TestHintSwitch : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheSwitchedWindowIsSilenced()
    {
        QWidget frame;
        auto *layout = new QVBoxLayout(&frame);
        auto *child = new QWidget;
        auto *sibling = new QWidget;
        layout->addWidget(child);
        layout->addWidget(sibling);
        auto *childButton = new ToolTipCounter(child);
        auto *siblingButton = new ToolTipCounter(sibling);
        HintSwitch hints(child, false);

        askForToolTip(childButton);
        askForToolTip(siblingButton);
        QCOMPARE(childButton->toolTips, 0);
        QCOMPARE(siblingButton->toolTips, 1);

        QAction mostra;
        mostra.setCheckable(true);
        QVERIFY(hints.toggle(&mostra));
        QVERIFY(mostra.isChecked());
        askForToolTip(childButton);
        QCOMPARE(childButton->toolTips, 1);
    }
};

QTEST_MAIN(TestHintSwitch)
#include "tst_hintswitch.moc"
