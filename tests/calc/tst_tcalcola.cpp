#include "calc/calculatorvalues.h"
#include "calc/expressionevaluator.h"
#include "calc/tcalcola.h"
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

    // A typed "=", Enter and the keypad's Enter evaluate as the "=" button
    // does, leaving the window open; only the typed "=" stays in the field, so
    // that "=" pressed after it evaluates a text ending in "=". Escape closes.
    void keysEvaluate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("afterEquals");
        QTest::newRow("=") << u"1/3="_qs << 0 << u"1/3= 0.3333333433"_qs << u"1/3== syntax error"_qs;
        QTest::newRow("return") << u"6*7"_qs << int(Qt::Key_Return) << u"6*7 42"_qs << u"6*7= 42"_qs;
        QTest::newRow("keypad enter") << u"6*7"_qs << int(Qt::Key_Enter) << u"6*7 42"_qs << u"6*7= 42"_qs;
    }

    void keysEvaluate()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        OpenCalculator calculator;
        auto *field = calculator.control<QLineEdit>("nome");
        QTest::keyClicks(field, typed);
        if (key != 0)
            QTest::keyClick(field, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY(calculator.window->isVisible());
        QTEST(calculator.text("nome") + u' ' + calculator.text("erisultato"), "shown");
        calculator.press("Button15");
        QTEST(calculator.text("nome") + u' ' + calculator.text("erisultato"), "afterEquals");
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
        const auto shown = [&] {
            calculator.evaluate(u"arcsin(1)"_qs);
            return calculator.text("risulta") + u' ' + calculator.text("erisultato");
        };
        QCOMPARE(shown(), u"Degrees 90"_qs);
        calculator.press("SpeedButton2");
        // Back from help, the window keeps the unit its buttons show.
        calculator.window->hide();
        calculator.window->show();
        QCOMPARE(shown(), u"Radians 1.5707963705"_qs);
        calculator.press("gradi");
        QCOMPARE(shown(), u"Degrees 90"_qs);
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
