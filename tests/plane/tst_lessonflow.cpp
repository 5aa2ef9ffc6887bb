#include "plane/lessonflow.h"

#include <QTest>

namespace {

// The enabling table's columns, then `sovra`: E enabled, D disabled.
QString controls(const LessonFlow &flow)
{
    const FlowControls &e = flow.enabled;
    QString text;
    for (bool on : {e.trasfuno, e.trasfdue, e.continua, e.nuova, e.inversa, e.cancella, e.Tabel, e.czoom, e.pnum,
                    e.sovra})
        text += on ? QLatin1Char('E') : QLatin1Char('D');
    return text;
}

// Events, a letter each: n and a `nuova` in figure and frame mode, 1 and 2 the
// figure confirmed with that many transformations, f and s the first and the
// second confirmed, c `continua`, e a figure step ended, x a frame step drawn,
// i `inversa`, k `cancella` or a new scale, A and F "Assi" and "Figura"
// chosen, r the last `continua` refused (an affinity not confirmed).
void run(LessonFlow &flow, const QString &events)
{
    for (QChar event : events) {
        switch (event.toLatin1()) {
        case 'n': case 'a': flow.nuovaPressed(event == u'a'); break;
        case '1': case '2': flow.figureConfirmed(event.digitValue()); break;
        case 'f': case 's': flow.transformConfirmed(event == u'f' ? 1 : 2); break;
        case 'c': flow.continuaPressed(); break;
        case 'e': flow.figureRunCounted(), flow.figureStepEnded(); break;
        case 'x': flow.frameRunCounted(), flow.frameStepEnded(); break;
        case 'i': flow.inversaPressed(); break;
        case 'k': flow.cleared(); break;
        case 'r': flow.stepRefused(FlowText::AffinityNotConfirmed); break;
        case 'A': case 'F': flow.modeChosen(event == u'A'); break;
        default: QFAIL("unknown event");
        }
    }
}

} // namespace

class TestLessonFlow : public QObject
{
    Q_OBJECT

private slots:
    void enablingTable_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("expected");
        // trasfuno trasfdue continua nuova inversa cancella Tabel czoom pnum sovra
        QTest::newRow("window created") << "" << "DDDEDDDDED";
        QTest::newRow("figure, one transformation") << "n1" << "EDDEDDEDED";
        QTest::newRow("figure in frame mode") << "a2" << "EDDEDDEDDD";
        QTest::newRow("the only transformation") << "n1f" << "EDEEDDEDED";
        QTest::newRow("first of two, second missing") << "n2f" << "EEDEDDEDED";
        QTest::newRow("second of two, first missing") << "n2s" << "EEDEDDEDED";
        QTest::newRow("both chosen") << "n2sf" << "EEEEDDEDED";
        QTest::newRow("continua, one transformation") << "n1fc" << "DDDDDDDDED";
        QTest::newRow("step ended, one transformation") << "n1fce" << "EDDEDEEEED";
        QTest::newRow("confirmed again") << "n1fcef" << "EDEEDEEEED";
        QTest::newRow("cancella after a step") << "n1fcek" << "EDEEDDEEED";
        QTest::newRow("first step ended") << "n2fsce" << "DDEEDDEDED";
        QTest::newRow("direct second step running") << "n2fscec" << "DDDDEDDDED";
        QTest::newRow("second step ended") << "n2fscece" << "EEDEEEEEED";
        QTest::newRow("inversa pressed") << "n2fscecei" << "EEEEDEEEED";
        QTest::newRow("inversa while the second step runs") << "n2fsceci" << "DDDDDDDDED";
        QTest::newRow("... takes effect when it ends") << "n2fscecie" << "EEEEDEEEED";
        QTest::newRow("inverse first step ended") << "n2fsceceice" << "DDEEDDEEED";
        QTest::newRow("inverse second step ended") << "n2fsceceicece" << "EEDEDEEEED";
        QTest::newRow("frame step running") << "a1fc" << "DDDDDDDDDD";
        QTest::newRow("frame step drawn") << "a1fcx" << "EDDEDEEEDD";
        QTest::newRow("Assi chosen") << "A" << "DDDEDDDDDD";
        QTest::newRow("Figura chosen") << "AF" << "DDDEDDDDED";
        QTest::newRow("sovra after both modes") << "n1fceA" "a1fcx" << "EDDEDEEEDE";
        QTest::newRow("sovra stays after a new figure") << "n1fceA" "a1fcxFn" << "EDDEDEEEEE";
        // A refused step leaves every control as it was before the press.
        QTest::newRow("refused, one transformation") << "n1fcr" << "EDEEDDEDED";
        QTest::newRow("refused after a step") << "n1fcefcr" << "EDEEDEEEED";
        QTest::newRow("refused, first of two") << "n2fscr" << "EEEEDDEDED";
        QTest::newRow("refused, direct second step") << "n2fscecr" << "DDEEDDEDED";
        QTest::newRow("refused, inverse second step") << "n2fsceceicecr" << "DDEEDDEEED";
        QTest::newRow("step after a refusal ends") << "n2fscecrce" << "EEDEEEEEED";
    }

    void enablingTable()
    {
        QFETCH(QString, events);
        QFETCH(QString, expected);
        LessonFlow flow;
        run(flow, events);
        QCOMPARE(controls(flow), expected);
    }

    // The message line and the button picture after a refusal, and the
    // sequence panel as it was; the next press runs the same step again.
    void refusedStep()
    {
        const struct { const char *events; bool sequenceShown; int sequenceText, nextSlot; bool fromFigure; } rows[] = {
            {"n1fcr", false, FlowText::Direct, 1, true}, {"n2fscecr", true, FlowText::Direct, 2, false},
            {"n2fsceceicr", true, FlowText::Direct, 2, true}, {"n2fsceceicecr", true, FlowText::Inverse, 1, false}};
        for (const auto &r : rows) {
            LessonFlow flow;
            run(flow, QString::fromLatin1(r.events));
            QCOMPARE((std::tuple{flow.message, flow.glyph, flow.sequenceShown, flow.sequenceText}),
                     (std::tuple{FlowText::AffinityNotConfirmed, MessageGlyph::None, r.sequenceShown, r.sequenceText}));
            QCOMPARE(flow.nextStep().slot, r.nextSlot);
            QCOMPARE(flow.nextStep().fromFigure, r.fromFigure);
        }
    }
};

QTEST_GUILESS_MAIN(TestLessonFlow)
#include "tst_lessonflow.moc"
