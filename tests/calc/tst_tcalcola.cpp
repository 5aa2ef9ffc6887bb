#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "calc/tcalcola.h"
#include "calculatorexamples.h"
#include "shell/helpset.h"
#include "shell/helpviewer.h"
#include "support/guitest.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <cstdlib>
#include <optional>

namespace {

// A calculator shown without a modal loop.
struct OpenCalculator {
    QPointer<TCalcola> window = new TCalcola;

    OpenCalculator() { window->show(); }
    ~OpenCalculator() { delete window; }

    template<typename Control = QWidget>
    Control *control(const char *name) const { return window->findChild<Control *>(QString::fromLatin1(name)); }
    void press(const char *name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    QString text(const char *field) const { return control<QObject>(field)->property("text").toString(); }
    void evaluate(const QString &expression) const { control<QLineEdit>("nome")->setText(expression); press("Button15"); }
};

} // namespace

class TestTCalcola : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.emplace(); }
    void cleanup() { m_fixture.reset(); }

    // Each row is named by the value it formats.
    void format_data()
    {
        QTest::addColumn<QString>("shown");
        const char *const rows[][2] = {
            {"-0.0000001", "0"}, {"-3.0000001", "-3"}, {"0.000001", "0.0000010000"},
            {"999999.5", "999999.5000000000"}, {"1000000", " 1.00000000000000E+0006"},
            {"-2000000", "-2.00000000000000E+0006"},
        };
        for (const auto &[value, shown] : rows)
            QTest::newRow(value) << QString::fromLatin1(shown);
    }

    void format()
    {
        QFETCH(QString, shown);
        QCOMPARE(formatResult(std::strtold(QTest::currentDataTag(), nullptr)), shown);
    }

    void failures()
    {
        // Only a failure of the text checks beeps.
        QVERIFY(calculate(u"2*"_qs).textRejected);
        QVERIFY(!calculate(u"2+3)"_qs).textRejected);
        QVERIFY(!calculate(u"sqrt"_qs).textRejected);
        calculate(u"1/0"_qs);
        QCOMPARE(calculate(QString()).shown, QString()); // no message left from before
    }

    void keypad()
    {
        OpenCalculator calculator;
        for (int key = 1; key <= 31; ++key) {
            if (key != 15 && key != 18)
                calculator.press(qPrintable(u"Button%1"_qs.arg(key)));
        }
        calculator.press("BitBtn1");
        calculator.press("BitBtn2");
        QCOMPARE(calculator.text("nome"), u"0123456789/*-+arcsin.pi()^loglnsincosexpeabsarccosarctansqr"_qs);
        calculator.press("Button15");
        calculator.press("Button18");
        QCOMPARE(calculator.text("nome") + calculator.text("erisultato"), QString());
    }

    void examples_data() { addCalculatorExampleRows(); }

    void examples()
    {
        QFETCH(QString, expression);
        QFETCH(bool, radians);
        QFETCH(QString, shown);
        OpenCalculator calculator;
        if (radians)
            calculator.press("SpeedButton2");
        calculator.evaluate(expression);
        QCOMPARE(calculator.text("erisultato"), shown);
    }

    void equalsTwice()
    {
        OpenCalculator calculator;
        QTest::keyClicks(calculator.control<QLineEdit>("nome"), u"1/3="_qs);
        QCOMPARE(calculator.text("erisultato"), u"0.3333333433"_qs);
        calculator.press("Button15");
        QCOMPARE(calculator.text("nome") + u' ' + calculator.text("erisultato"), u"1/3== syntax error"_qs);
    }

    // Enter and the keypad's Enter evaluate as "=" does, leaving the window
    // open on the typed expression; Escape closes it.
    void enterEvaluates_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("key");
        QTest::newRow("return") << Qt::KeyboardModifiers() << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << Qt::KeyboardModifiers(Qt::KeypadModifier) << int(Qt::Key_Enter);
    }

    void enterEvaluates()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, key);
        OpenCalculator calculator;
        auto *field = calculator.control<QLineEdit>("nome");
        QTest::keyClicks(field, u"6*7"_qs);
        QTest::keyClick(field, Qt::Key(key), modifiers);
        QCOMPARE(calculator.text("erisultato"), u"42"_qs);
        QCOMPARE(calculator.text("nome"), u"6*7"_qs);
        QVERIFY(calculator.window->isVisible());
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(!calculator.window || !calculator.window->isVisible());
    }

    void memory()
    {
        OpenCalculator calculator;
        for (const QString &expression : {u"0.1"_qs, u"0.2"_qs, u"1/0"_qs}) {
            calculator.evaluate(expression);
            calculator.press("Button33");
        }
        // Singles added in extended precision; nothing added after the failure.
        QCOMPARE(calculator.text("Label1"), u"0.3000000045"_qs);
        calculator.evaluate(u"2"_qs);
        calculator.press("Button34");
        QCOMPARE(OpenCalculator().text("Label1"), u"-1.6999999955"_qs);
        calculator.press("Button35");
        QCOMPARE(calculator.text("Label1"), QString());
        calculator.press("Button33");
        QCOMPARE(calculator.text("Label1"), u"2"_qs);
    }

    void angleUnit()
    {
        Evaluator.AngleFactor = RadianFactor;
        OpenCalculator calculator;
        calculator.evaluate(u"arcsin(1)"_qs);
        QCOMPARE(calculator.text("risulta") + u' ' + calculator.text("erisultato"), u"Degrees 90"_qs);
        calculator.press("SpeedButton2");
        // Back from help, the window keeps the unit its buttons show.
        calculator.window->hide();
        calculator.window->show();
        calculator.evaluate(u"arcsin(1)"_qs);
        QCOMPARE(calculator.text("risulta") + u' ' + calculator.text("erisultato"), u"Radians 1.5707963705"_qs);
        calculator.press("gradi");
        calculator.evaluate(u"arcsin(1)"_qs);
        QCOMPARE(calculator.text("risulta") + u' ' + calculator.text("erisultato"), u"Degrees 90"_qs);
    }

    void help()
    {
        OpenCalculator calculator;
        calculator.press("BitBtn3");
        QCOMPARE(HelpViewer::current()->currentPage(), HelpSet::topicUrl(101));
        HelpViewer::current()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        calculator.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calculator.window));
        QTest::keyClick(calculator.control<QWidget>("nome"), Qt::Key_F1);
        QCOMPARE(HelpViewer::current() ? HelpViewer::current()->currentPage() : QUrl(), HelpSet::topicUrl(101));
        HelpViewer::current()->close();
    }

    void modalOnTopAndFreedOnClosing()
    {
        QPointer<TCalcola> opened;
        bool modalOnTopWithFocus = false;
        GuiTest::whenModalOpens([&](QWidget *window) {
            opened = qobject_cast<TCalcola *>(window);
            modalOnTopWithFocus = opened && opened->isModal() && opened->windowFlags() & Qt::WindowStaysOnTopHint
                && opened->focusWidget() == opened->findChild<QLineEdit *>(u"nome"_qs);
            QTest::mouseClick(window->findChild<QWidget *>(u"OKBtn"_qs), Qt::LeftButton);
        });
        QCOMPARE(TCalcola::execute(nullptr), int(QDialog::Accepted));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(modalOnTopWithFocus && !opened);
    }

private:
    std::optional<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestTCalcola)
#include "tst_tcalcola.moc"
