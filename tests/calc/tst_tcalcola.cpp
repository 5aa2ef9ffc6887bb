#include "app/helpset.h"
#include "app/helpviewer.h"
#include "app/imagelist.h"
#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "calc/tcalcola.h"
#include "calculatorexamples.h"
#include "lang/languagetables.h"
#include "support/guitest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// The test surroundings plus the calculator's own program-wide values.
struct CalculatorFixture : GuiTest::Fixture {
    CalculatorFixture()
    {
        resetEvaluatorValues();
        resetCalculatorValues();
    }
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A calculator shown without a modal loop, closed (and so freed) at the end.
class OpenCalculator
{
public:
    OpenCalculator()
        : m_window(new TCalcola)
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    ~OpenCalculator()
    {
        if (m_window)
            m_window->close();
        flushDeletes();
    }

    TCalcola *operator->() const { return m_window; }

    template<typename Control = QPushButton>
    Control *control(const char *name) const
    {
        auto *found = m_window->findChild<Control *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    void press(const char *name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    QString expression() const { return control<QLineEdit>("nome")->text(); }
    QString result() const { return control<QLineEdit>("erisultato")->text(); }
    QString memory() const { return control<QLabel>("Label1")->text(); }
    QString unit() const { return control<QLabel>("risulta")->text(); }

    void evaluate(const QString &expression) const
    {
        control<QLineEdit>("nome")->setText(expression);
        press("Button15");
    }

private:
    QPointer<TCalcola> m_window;
};

} // namespace

class TestTCalcola : public QObject
{
    Q_OBJECT

private slots:
    void controls()
    {
        CalculatorFixture fixture;
        OpenCalculator calculator;
        QCOMPARE(calculator->objectName(), u"Calcola"_qs);
        QCOMPARE(calculator->windowTitle(), u"Calculator"_qs);
        QCOMPARE(calculator->size(), QSize(281, 404));
        const QStringList captions = {u"0"_qs,   u"1"_qs,   u"2"_qs,      u"3"_qs,      u"4"_qs,     u"5"_qs,
                                      u"6"_qs,   u"7"_qs,   u"8"_qs,      u"9"_qs,      u"\u00F7"_qs, u"\u00D7"_qs,
                                      u"-"_qs,   u"+"_qs,   u"="_qs,      u"arcsin"_qs, u"."_qs,     u"C"_qs,
                                      u"\u03C0"_qs, u"("_qs, u")"_qs,    u"^"_qs,      u"log"_qs,   u"ln"_qs,
                                      u"sin"_qs, u"cos"_qs, u"exp"_qs,    u"e"_qs,      u"abs"_qs,   u"arccos"_qs,
                                      u"arctan"_qs, {},     u"M+"_qs,     u"M-"_qs,     u"CM"_qs};
        for (int i = 0; i < captions.size(); ++i) {
            if (!captions[i].isNull())
                QCOMPARE(calculator.control(qPrintable(u"Button%1"_qs.arg(i + 1)))->text(), captions[i]);
        }
        QCOMPARE(calculator.control("BitBtn3")->text(), u"?"_qs);
        QCOMPARE(calculator.control("OKBtn")->text(), u"Off"_qs);
        QVERIFY(calculator.control("OKBtn")->isDefault());
        QVERIFY(!calculator.control("BitBtn1")->icon().isNull() && !calculator.control("BitBtn2")->icon().isNull());
        auto *result = calculator.control<QLineEdit>("erisultato");
        QVERIFY(result->isReadOnly() && !(result->focusPolicy() & Qt::TabFocus));
        QCOMPARE(result->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(result->palette().color(QPalette::Text), QColor(Qt::white));
        for (const char *name : {"Button5", "BitBtn1", "OKBtn", "gradi"}) {
            QCOMPARE(calculator.control<QAbstractButton>(name)->cursor().pixmap().cacheKey(),
                     pointingCursor().pixmap().cacheKey());
        }
    }

    void keysBuildTheExpression_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("expression");
        QTest::newRow("digits") << QStringList{"Button2", "Button10", "Button1"} << "190";
        QTest::newRow("operators") << QStringList{"Button11", "Button12", "Button13", "Button14", "Button17"} << "/*-+.";
        QTest::newRow("pi, parentheses, power") << QStringList{"Button19", "Button20", "Button21", "Button22"}
                                                << "pi()^";
        QTest::newRow("functions") << QStringList{"Button23", "Button24", "Button25", "Button26", "Button27"}
                                   << "loglnsincosexp";
        QTest::newRow("more functions") << QStringList{"Button28", "Button29", "Button30", "Button31", "Button16"}
                                        << "eabsarccosarctanarcsin";
        QTest::newRow("square root glyph") << QStringList{"BitBtn1", "Button5"} << "sqrt4";
        QTest::newRow("delete the last character") << QStringList{"Button2", "Button3", "BitBtn2"} << "1";
        QTest::newRow("delete in an empty field") << QStringList{"BitBtn2"} << "";
    }

    void keysBuildTheExpression()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, expression);
        CalculatorFixture fixture;
        OpenCalculator calculator;
        for (const QString &key : keys)
            calculator.press(qPrintable(key));
        QCOMPARE(calculator.expression(), expression);
    }

    void keysEvaluate()
    {
        CalculatorFixture fixture;
        OpenCalculator calculator;
        for (const char *key : {"Button25", "Button20", "Button4", "Button1", "Button21", "Button15"})
            calculator.press(key);
        QCOMPARE(calculator.expression(), u"sin(30)="_qs);
        QCOMPARE(calculator.result(), u"0.5000000000"_qs);
        calculator.press("Button18");
        QVERIFY(calculator.expression().isEmpty());
        QVERIFY(calculator.result().isEmpty());
    }

    void examples_data() { addCalculatorExampleRows(); }

    void examples()
    {
        QFETCH(QString, expression);
        QFETCH(bool, radians);
        QFETCH(QString, shown);
        CalculatorFixture fixture;
        OpenCalculator calculator;
        if (radians)
            calculator.press("SpeedButton2");
        calculator.evaluate(expression);
        QCOMPARE(calculator.result(), shown);
        QCOMPARE(calculator.expression(), expression + u'=');
    }

    void equalsTwice()
    {
        CalculatorFixture fixture;
        OpenCalculator calculator;
        calculator.evaluate(u"1/3"_qs);
        QCOMPARE(calculator.result(), u"0.3333333433"_qs);
        calculator.press("Button15");
        QCOMPARE(calculator.expression(), u"1/3=="_qs);
        QCOMPARE(calculator.result(), u"syntax error"_qs);
    }

    void typedEquals()
    {
        CalculatorFixture fixture;
        OpenCalculator calculator;
        auto *field = calculator.control<QLineEdit>("nome");
        QTest::keyClicks(field, u"1/3="_qs);
        QCOMPARE(calculator.result(), u"0.3333333433"_qs);
        QCOMPARE(calculator.expression(), u"1/3="_qs);
        QTest::keyClicks(field, u"="_qs);
        QCOMPARE(calculator.result(), u"syntax error"_qs);
        QCOMPARE(calculator.expression(), u"1/3=="_qs);
    }

    void memory()
    {
        CalculatorFixture fixture;
        OpenCalculator calculator;
        calculator.press("Button33");
        QVERIFY2(calculator.memory().isEmpty(), "nothing evaluated yet");
        calculator.evaluate(u"2"_qs);
        calculator.press("Button33");
        calculator.press("Button33");
        QCOMPARE(calculator.memory(), u"4"_qs);
        calculator.evaluate(u"0.5"_qs);
        calculator.press("Button34");
        QCOMPARE(calculator.memory(), u"3.5000000000"_qs);
        calculator.evaluate(u"1/0"_qs);
        calculator.press("Button33");
        calculator.press("Button34");
        QCOMPARE(calculator.memory(), u"3.5000000000"_qs);
        calculator.press("Button35");
        QVERIFY(calculator.memory().isEmpty());
        QCOMPARE(double(Calculator.CalcMemory), 0.0);
    }

    void memoryOutlivesTheWindow()
    {
        CalculatorFixture fixture;
        {
            OpenCalculator first;
            first.press("SpeedButton2");
            first.evaluate(u"2.5"_qs);
            first.press("Button33");
        }
        OpenCalculator second;
        QCOMPARE(second.memory(), u"2.5000000000"_qs);
        QVERIFY(second.expression().isEmpty());
        QVERIFY(second.result().isEmpty());
        QCOMPARE(second.unit(), ShortTexts.text(13));
        QVERIFY(second.control<QToolButton>("gradi")->isChecked());
        second.press("Button33");
        QCOMPARE(second.memory(), u"5"_qs);
    }

    void angleUnit()
    {
        CalculatorFixture fixture;
        Evaluator.AngleFactor = RadianFactor;
        Evaluator.EvalMode = 1;
        OpenCalculator calculator;
        QCOMPARE(calculator.unit(), u"Degrees"_qs);
        QCOMPARE(Evaluator.AngleFactor, DegreeFactor);
        QCOMPARE(Evaluator.EvalMode, quint8(0));
        calculator.press("SpeedButton2");
        QCOMPARE(calculator.unit(), u"Radians"_qs);
        QVERIFY(!calculator.control<QToolButton>("gradi")->isChecked());
        calculator.evaluate(u"arcsin(1)"_qs);
        QCOMPARE(calculator.result(), u"1.5707963705"_qs);
        calculator.press("gradi");
        QCOMPARE(calculator.unit(), u"Degrees"_qs);
        QVERIFY(!calculator.control<QToolButton>("SpeedButton2")->isChecked());
        calculator.evaluate(u"arcsin(1)"_qs);
        QCOMPARE(calculator.result(), u"90"_qs);
    }

    void unitSurvivesReactivation()
    {
        CalculatorFixture fixture;
        OpenCalculator calculator;
        calculator.press("SpeedButton2");
        calculator.press("BitBtn3");
        calculator->hide();
        calculator->show();
        calculator->activateWindow();
        QCoreApplication::processEvents();
        QCOMPARE(calculator.unit(), u"Radians"_qs);
        QCOMPARE(Evaluator.AngleFactor, RadianFactor);
        HelpViewer::current()->close();
    }

    void help_data()
    {
        QTest::addColumn<bool>("key");
        QTest::newRow("button") << false;
        QTest::newRow("F1") << true;
    }

    void help()
    {
        QFETCH(bool, key);
        CalculatorFixture fixture;
        OpenCalculator calculator;
        if (key)
            QTest::keyClick(calculator.control<QLineEdit>("nome"), Qt::Key_F1);
        else
            calculator.press("BitBtn3");
        QVERIFY(HelpViewer::current());
        QCOMPARE(HelpViewer::current()->currentPage(), HelpSet::topicUrl(101));
        QVERIFY(HelpViewer::current()->currentPage().path().endsWith(QLatin1String("/101.html")));
        HelpViewer::current()->close();
    }

    void modalOnTopAndFreedOnClosing()
    {
        CalculatorFixture fixture;
        QPointer<TCalcola> opened;
        bool modal = false;
        bool onTop = false;
        bool focusInField = false;
        GuiTest::whenModalOpens([&](QWidget *window) {
            opened = qobject_cast<TCalcola *>(window);
            if (!opened)
                return;
            modal = opened->isModal();
            onTop = opened->windowFlags() & Qt::WindowStaysOnTopHint;
            focusInField = opened->focusWidget() == opened->findChild<QLineEdit *>(u"nome"_qs);
            opened->findChild<QPushButton *>(u"OKBtn"_qs)->click();
        });
        QCOMPARE(TCalcola::execute(nullptr), int(QDialog::Accepted));
        flushDeletes();
        QVERIFY(modal);
        QVERIFY(onTop);
        QVERIFY(focusInField);
        QVERIFY2(!opened, "the window is freed once closed");
        QVERIFY(GuiTest::unexpectedModals().isEmpty());
    }
};

QTEST_MAIN(TestTCalcola)
#include "tst_tcalcola.moc"
