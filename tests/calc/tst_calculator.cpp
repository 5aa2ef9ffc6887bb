#include "calc/calculatorvalues.h"
#include "calc/decimalvalue.h"
#include "calc/expressionevaluator.h"
#include "calc/tcalcola.h"
#include "shell/helpset.h"
#include "shell/helpviewer.h"
#include "support/guitest.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QTest>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>

namespace {

// Whether decimalValue reads the text to the last bit as the library's from_chars rounds it.
bool readLikeTheLibrary(const QByteArray &text)
{
    long double library = 0;
    std::from_chars(text.cbegin(), text.cend(), library, std::chars_format::fixed);
    const std::optional<long double> value = decimalValue(text);
    return value && *value == library;
}

// The C library's transcendental functions round their last bit differently from one processor maker
// to another, which may reach the single-precision value: one unit in its last place.
bool shownAsRecorded(const QString &shown, const QString &recorded)
{
    bool numbers[2] = {};
    const double now = shown.toDouble(&numbers[0]);
    const double was = recorded.toDouble(&numbers[1]);
    return shown == recorded
        || (numbers[0] && numbers[1] && shown.size() == recorded.size()
            && std::fabs(now - was) <= std::fabs(was) * 0x1p-23);
}

// The same texts on every run: half strings pieces of the evaluator's alphabet (and of what lies
// just outside it) at random, half mutates well-formed expressions.
QStringList robustnessTexts()
{
    std::mt19937 random(20240611);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto any = [&](const QStringList &from) { return from[pick(0, int(from.size()) - 1)]; };
    const auto character = [&] { return QString(QChar(char16_t(pick(0, 0x2FF)))); };
    const QStringList pieces = u"0|1|2|3|5|9|.|,|+|-|*|/|^|^-|(|)| |sin|cos|arcsin|arccos|arctan|exp|exp-|ln|log|"
                               u"sqrt|rad|abs|pi|e|E|\u00EC|\u00FB|x|#|@|=|2500.1|2800.1|19.99|20|0.5|"
                               u"99999999999999999999|\u4E00|\u20AC|\t|\0"_qs.split(u'|');
    const QStringList seeds = u"2sin(30)+sqrt(3)/2|(-8)^(1/3)|2^-3|-2^2|arccos(-0.5)*2pi|exp(2500)/exp(2499)|"
                              u"log(1000)-ln(e)|abs(-3)^19.9|\u00EC/\u00EC|0,5*(1+2)(3-4)|arcsin(0.5)+arctan(1)|"
                              u"exp-1^2^0.5|1/(2-2)"_qs.split(u'|');
    QStringList texts;
    while (texts.size() < 100000) {
        QString text;
        for (int i = pick(1, 40); i > 0; --i)
            text += pick(0, 20) == 0 ? character() : any(pieces);
        texts.append(text);
    }
    while (texts.size() < 200000) {
        QString text = any(seeds);
        for (int i = pick(1, 6); i > 0; --i) {
            const int at = pick(0, int(text.size()));
            switch (pick(0, 5)) {
            case 0: text.insert(at, any(pieces)); break;
            case 1: text.remove(at, pick(1, 4)); break;
            case 2: text.replace(at, 1, character()); break;
            case 3: text.insert(at, text.mid(pick(0, int(text.size())), pick(1, 12))); break;
            case 4: text = u'(' + text + u')'; break;
            default: text = text.repeated(pick(2, 24)).left(pick(200, 300)); // the length and postfix limits
            }
        }
        texts.append(text);
    }
    return texts;
}


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

// The evaluator, from reading its numbers to what the calculator's window and the command line show.
class TestCalculator : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_fixture.emplace(); }
    void cleanup() { m_fixture.reset(); }

    // 19 digits fit a 64-bit whole number, 20 do not; 2^64 + 1 and 2^64 + 3 lie halfway between two
    // extended values; leading zeros are digits too.
    void decimalsReadLikeTheLibrary()
    {
        for (const QByteArray &text :
             QByteArray("0 7 0.5 .5 5. 0.1 0.3 1.0000000000000000001 2500.1 2800.09 19.99 12345.678 0.001 "
                        "9999999999999999999 999999999.9999999999 .9999999999999999999 0.0000000000000000001 "
                        "99999999999999999999 18446744073709551615 18446744073709551616 1844674407370955161.5 "
                        "12345678901234567890 18446744073709551617 18446744073709551619 00000000000000000001 "
                        "0000000000000000000.1").split(' '))
            QVERIFY2(readLikeTheLibrary(text), text.constData());
        std::mt19937 random(7);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        for (int i = 0; i < 200000; ++i) {
            QByteArray text;
            for (int length = pick(1, 20); text.size() < length;)
                text.append(char('0' + pick(0, 9)));
            if (pick(0, 3) > 0)
                text.insert(pick(0, int(text.size())), '.');
            QVERIFY2(readLikeTheLibrary(text), text.constData());
        }
        // nothing, a point alone, two points, a constant, a sign, a comma, a blank, 20 digits and a letter
        for (const char *text : {"", ".", "1.2.3", "2e", "-1", "0,5", "1 ", "12345678901234567890p"})
            QVERIFY2(!decimalValue(text), text);
    }

    // The text as the checks leave it. "#" is a power like "^": 2^-3 must stay a power, not become 2#*3.
    void rewriting()
    {
        for (const auto &[text, rewritten] :
             {std::pair{u"arccos1+cos1-arcsin1*sin1/arctan1"_qs, "d1+o1-b1*s1/a1"}, {u"exp-1*exp(e)"_qs, "f1*c(e)"},
              {u"Sqrt 4*rad 9*ln log pi abs 0,5"_qs, "r4*r9*lgp*h0.5"}, {u"2*+3^+4-+5+++sin+6"_qs, "2*3^4-5+s6"},
              {u"-1(+1)(-1)(-1)"_qs, "0-1*(0+1)*(0-1)*(0-1)"},
              {u"2pi+pi2+2sin(3)(4)5+\u00EC2"_qs, "2*p+p*2+2*s(3)*(4)*5+\xEC*2"},
              {u"2^-3^-(1)^-e"_qs, "2#3#(1)#e"}}) {
            ExpressionEvaluator evaluator;
            evaluator.Start(text);
            evaluator.CheckText();
            QCOMPARE(evaluator.EvalText, QByteArray(rewritten));
        }
    }

    // A fresh evaluator works in degrees (a factor of 0 would divide every arc function by zero); the
    // typed edges are in the record, the lengths at the evaluator's limits are built here.
    void limits()
    {
        for (const auto &[expression, value, code] :
             {std::tuple{u"arcsin(1)"_qs, 90.0f, 0}, {QString(255, u'9'), 0.0f, 7},
              {QString(254, u' ') + u'1', 1.0f, 0}, {QString(255, u' ') + u'1', 0.0f, 2},
              {u"1"_qs + u"+1"_qs.repeated(75), 76.0f, 0}, {u"1"_qs + u"+1"_qs.repeated(76), 0.0f, 2}}) {
            ExpressionEvaluator evaluator;
            QCOMPARE(evaluator.Evaluate(expression), value);
            QCOMPARE(int(evaluator.EvalCode), code);
        }
        for (const auto &[postfix, ok] : {std::pair{"e p \xEC # 4 r ^ +", true}, {"1 2", false}, {"r", false}}) {
            ExpressionEvaluator evaluator;
            evaluator.EvalOk = true;
            for (const QByteArray &token : QByteArray(postfix).split(' '))
                evaluator.PostfixList.append(token);
            evaluator.CheckOperandCount();
            QVERIFY2(evaluator.EvalOk == ok, postfix);
        }
    }

    void format()
    {
        for (const auto &[value, shown] :
             {std::pair{"-0.0000001", "0"}, {"-3.0000001", "-3"}, {"0.000001", "0.0000010000"},
              {"999999.5", "999999.5000000000"}, {"1000000", " 1.00000000000000E+0006"},
              {"-2000000", "-2.00000000000000E+0006"}})
            QVERIFY2(formatResult(std::strtold(value, nullptr)) == QLatin1String(shown), value);
    }

    // The record says how its lines are written and chosen.
    void asRecorded()
    {
        QFile file(QStringLiteral(EVALUATOR_OUTPUTS));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        int checked = 0;
        for (int number = 1; !file.atEnd(); ++number) {
            const QByteArray line = file.readLine().chopped(1);
            const QList<QByteArray> fields = line.split('\t');
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            QVERIFY2(fields.size() >= 3 && (fields[0] == "deg" || fields[0] == "rad"), line.constData());
            selectAngleUnit(fields[0] == "deg" ? AngleUnit::Degrees : AngleUnit::Radians);
            const Calculation calculation = calculate(QString::fromUtf8(QByteArray::fromPercentEncoding(fields[1])));
            const QString recorded = QString::fromUtf8(fields[2]);
            const bool beep = fields.size() > 3;
            QVERIFY2(shownAsRecorded(calculation.shown, recorded) && calculation.textRejected == beep,
                     qPrintable(u"line %1: now \"%2\"%3"_qs.arg(number).arg(calculation.shown,
                                                                         calculation.textRejected ? u", beep"_qs : u""_qs)));
            ++checked;
        }
        QVERIFY(checked > 500);
    }

    void everyTextEndsInAValueOrAMessage()
    {
        std::array<int, 8> outcomes{};
        for (const QString &text : robustnessTexts()) {
            const Calculation calculation = calculate(text);
            const EvalError code = Evaluator.EvalCode;
            ++outcomes[int(code)];
            QVERIFY2(calculation.ok ? code == EvalError::None && std::isfinite(Calculator.EvalResult)
                                    : calculation.shown == evalErrorMessage(code)
                                          && (code != EvalError::None || text.isEmpty()),
                     qPrintable(text));
        }
        // The texts reach every stage: many succeed and each failure occurs.
        QVERIFY(outcomes[0] > 10000);
        for (int code = 1; code <= 7; ++code)
            QVERIFY2(outcomes[code] > 0, qPrintable(evalErrorMessage(EvalError(code))));
    }

    // A typed "=", Enter and the keypad's Enter evaluate as "=" does, leaving the window open; only the
    // typed "=" stays in the field, so that "=" after it evaluates a text ending in "=". Escape closes.
    void keysEvaluate()
    {
        // typed, the key after it (0: none), what the field and result show, and then after "="
        for (const auto &[typed, key, shown, afterEquals] :
             {std::tuple{"1/3=", 0, "1/3= 0.3333333433", "1/3== syntax error"},
              {"6*7", int(Qt::Key_Return), "6*7 42", "6*7= 42"}, {"6*7", int(Qt::Key_Enter), "6*7 42", "6*7= 42"}}) {
            OpenCalculator calculator;
            auto *field = calculator.control<QLineEdit>("nome");
            QTest::keyClicks(field, QString::fromLatin1(typed));
            if (key != 0)
                QTest::keyClick(field, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QVERIFY(calculator.window->isVisible());
            QCOMPARE(calculator.text("nome") + u' ' + calculator.text("erisultato"), QString::fromLatin1(shown));
            calculator.press("Button15");
            QCOMPARE(calculator.text("nome") + u' ' + calculator.text("erisultato"), QString::fromLatin1(afterEquals));
            QTest::keyClick(field, Qt::Key_Escape);
            QVERIFY(!calculator.window || !calculator.window->isVisible());
        }
    }

    // Each key writes its text; "=" and C clear. The memory adds singles in extended precision and
    // nothing after a failure. The unit the buttons show holds back from help, whatever the evaluator
    // held before; the help button and F1 open the calculator's topic.
    void keypadMemoryUnitAndHelp()
    {
        Evaluator.AngleFactor = RadianFactor;
        OpenCalculator calculator;
        for (int key = 1; key <= 31; ++key)
            if (key != 15 && key != 18)
                calculator.press(qPrintable(u"Button%1"_qs.arg(key)));
        calculator.press("BitBtn1");
        calculator.press("BitBtn2");
        QCOMPARE(calculator.text("nome"), u"0123456789/*-+arcsin.pi()^loglnsincosexpeabsarccosarctansqr"_qs);
        calculator.press("Button15");
        calculator.press("Button18");
        QCOMPARE(calculator.text("nome") + calculator.text("erisultato"), QString());

        for (const QString &expression : {u"0.1"_qs, u"0.2"_qs, u"1/0"_qs}) {
            calculator.evaluate(expression);
            calculator.press("Button33");
        }
        QCOMPARE(calculator.text("Label1"), u"0.3000000045"_qs);
        calculator.evaluate(u"2"_qs);
        calculator.press("Button34");
        QCOMPARE(OpenCalculator().text("Label1"), u"-1.6999999955"_qs);
        calculator.press("Button35");
        QCOMPARE(calculator.text("Label1"), QString());
        calculator.press("Button33");
        QCOMPARE(calculator.text("Label1"), u"2"_qs);

        const auto shown = [&] {
            calculator.evaluate(u"arcsin(1)"_qs);
            return calculator.text("risulta") + u' ' + calculator.text("erisultato");
        };
        QCOMPARE(shown(), u"Degrees 90"_qs);
        calculator.press("SpeedButton2");
        calculator.press("BitBtn3");
        QCOMPARE(HelpViewer::current()->currentPage(), HelpSet::topicUrl(101));
        delete HelpViewer::current();
        calculator.window->hide();
        calculator.window->show();
        calculator.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calculator.window));
        QTest::keyClick(calculator.control<QWidget>("nome"), Qt::Key_F1);
        QCOMPARE(HelpViewer::current() ? HelpViewer::current()->currentPage() : QUrl(), HelpSet::topicUrl(101));
        QCOMPARE(shown(), u"Radians 1.5707963705"_qs);
        calculator.press("gradi");
        QCOMPARE(shown(), u"Degrees 90"_qs);
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

    // Output that never reached its reader is a failure in every mode that prints: the rows of exit
    // code 2 write to a full device. Blanks alone are an empty expression, a tab is not.
    void commandLines()
    {
        // The real program in its command-line mode, with no window system to
        // reach: an application object for windows would abort it.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_qs, u"xcb"_qs);
        environment.remove(u"DISPLAY"_qs);
        environment.remove(u"WAYLAND_DISPLAY"_qs);
        const QString empty = u"aralda: the expression is empty\n"_qs;
        const QString unwritten = u"aralda: the output could not be written: "_qs; // and why
        for (const auto &[arguments, exitCode, out, err] :
             {std::tuple{QStringList{"--eval", "2000000"}, 0, " 2.00000000000000E+0006\n", QString()},
              {QStringList{"--eval", "sqrt(-4)"}, 1, "out of range\n", QString()},
              {QStringList{"--eval", ""}, 1, "", empty}, {QStringList{"--eval", "   "}, 1, "", empty},
              {QStringList{"--eval= "}, 1, "", empty}, {QStringList{"--eval", "\t"}, 1, "syntax error\n", QString()},
              {QStringList{"--eval", " 1 + 1 "}, 0, "2\n", QString()},
              {QStringList{"--eval", "1+1"}, 2, "", unwritten}, {QStringList{"--eval", "sqrt(-4)"}, 2, "", unwritten},
              {QStringList{"--check-language", QCoreApplication::applicationFilePath()}, 2, "", unwritten},
              {QStringList{"--help"}, 2, "", unwritten}, {QStringList{"--version"}, 2, "", unwritten}}) {
            QProcess program;
            program.setProcessEnvironment(environment);
            if (exitCode == 2)
                program.setStandardOutputFile(QStringLiteral("/dev/full"));
            program.start(qEnvironmentVariable("ARALDA_EXECUTABLE"), arguments);
            QVERIFY(program.waitForFinished(30000) && program.exitStatus() == QProcess::NormalExit);
            const QString shownErr = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2(program.readAllStandardOutput() == out && program.exitCode() == exitCode
                         && (exitCode == 2 ? shownErr.startsWith(err) && shownErr.endsWith(u'\n') : shownErr == err),
                     qPrintable(arguments.join(u' ') + u": "_qs + shownErr));
        }
    }

private:
    std::optional<GuiTest::Fixture> m_fixture;
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
