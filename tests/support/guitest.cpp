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

// Looks for a modal window every 20 ms: the waiting answer takes it, else it
// is recorded and closed.
struct ModalWatch {
    std::function<void(QWidget *)> answer;
    QStringList unexpected;
    QTimer timer;

    ModalWatch()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && answer) {
                std::exchange(answer, nullptr)(modal);
            } else if (modal) {
                unexpected.append(modal->windowTitle() + QStringLiteral(" (") + modal->objectName() + QLatin1Char(')'));
                modal->close();
            }
        });
        timer.start(20);
    }
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
