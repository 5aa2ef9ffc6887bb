#include "support/guitest.h"

#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "lang/languagetables.h"
#include "shell/imagelist.h"
#include "shell/qttexts.h"
#include "shell/shellvalues.h"
#include "transform/transformsettings.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace GuiTest {

namespace {

class ModalWatch : public QObject
{
public:
    ModalWatch()
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ModalWatch::check);
        m_timer.start();
    }

    std::function<void(QWidget *)> answer;
    QStringList unexpected;

private:
    void check()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (answer) {
            auto pending = std::move(answer);
            answer = nullptr;
            pending(modal);
            return;
        }
        unexpected.append(modal->windowTitle() + QStringLiteral(" (") + modal->objectName() + QLatin1Char(')'));
        modal->close();
    }

    QTimer m_timer;
};

ModalWatch &watch()
{
    static ModalWatch *instance = new ModalWatch;
    return *instance;
}

} // namespace

void resetProgramValues()
{
    resetLanguageValues();
    resetShellValues();
    resetTransformSettings();
    resetEvaluatorValues();
    resetCalculatorValues();
    ImageList1::removeAppended();
    QtTexts::reset();
}

Fixture::Fixture()
{
    resetProgramValues();
    watch().unexpected.clear();
}

void whenModalOpens(std::function<void(QWidget *)> answer)
{
    watch().answer = std::move(answer);
}

QStringList unexpectedModals()
{
    return std::exchange(watch().unexpected, {});
}

} // namespace GuiTest
