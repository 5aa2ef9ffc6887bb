#include "dialogs/tgeorota.h"
#include "dialogs/tgeotrasla.h"
#include "dialogtest.h"
#include "lang/languagetables.h"

#include <QCheckBox>
#include <QLabel>
#include <memory>

using namespace DialogTest;

// The translation and rotation dialogs, which edit the slot `CurrentSlot`
// names and no other.
namespace {

enum Kind { Translation, Rotation };

std::unique_ptr<ParameterDialog> makeDialog(int kind)
{
    if (kind == Translation)
        return std::make_unique<Tgeotrasla>();
    return std::make_unique<Tgeorota>();
}

// The slot's values in the order of the dialog's controls.
QList<int> stored(int kind, int slot)
{
    const TransformSettingsValues &s = TransformSettings;
    if (kind == Translation)
        return {s.TranslationDX[slot], s.TranslationDY[slot], s.ShowTranslationVector[slot]};
    return {s.RotationCentreX[slot], s.RotationCentreY[slot], s.RotationAngle[slot], s.ShowRotationArcs[slot]};
}

QList<int> shown(QWidget *dialog)
{
    QList<int> values;
    for (const char *name : {"orix", "oriy", "edangolo"}) {
        if (auto *valueField = dialog->findChild<QLineEdit *>(QLatin1String(name)))
            values << valueField->text().toInt();
    }
    for (const QCheckBox *box : dialog->findChildren<QCheckBox *>())
        values << box->isChecked();
    return values;
}

} // namespace

class TestSlotDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(GuiTest::unexpectedModals().isEmpty()); }

    void opensOnTheStartValues()
    {
        GuiTest::Fixture fixture;
        startWorkspace();
        Tgeotrasla translation;
        translation.show();
        QCOMPARE(shown(&translation), (QList<int>{-6, -8, false}));
        QCOMPARE(translation.windowTitle(), LongTexts.text(5));
        QCOMPARE(child<QCheckBox>(&translation, "vettore")->text(), LongTexts.text(41));
        QCOMPARE(spin(&translation, "porix")->toolTip(), hintText(ShortTexts.text(59)));
        QCOMPARE(field(&translation, "oriy")->toolTip(), hintText(ShortTexts.text(60)));
        QVERIFY(field(&translation, "orix")->isReadOnly());

        Tgeorota rotation;
        rotation.show();
        QCOMPARE(shown(&rotation), (QList<int>{2, -2, 70, false}));
        QCOMPARE(rotation.windowTitle(), LongTexts.text(6));
        QCOMPARE(child<QCheckBox>(&rotation, "raggic")->text(), LongTexts.text(38));
        QCOMPARE(spin(&rotation, "pangolo")->toolTip(), hintText(ShortTexts.text(50)));
        QCOMPARE(field(&rotation, "orix")->toolTip(), hintText(ShortTexts.text(51)));
        QCOMPARE(spin(&rotation, "poriy")->toolTip(), hintText(ShortTexts.text(52)));
        QStringList labels;
        for (const QLabel *label : rotation.findChildren<QLabel *>())
            labels << label->text();
        // The Symbol typeface's "a" is the Greek alpha.
        QCOMPARE(labels, (QStringList{"Xc = ", "Yc =", u"\u03B1° = "_qs}));
    }

    void storesOnlyTheCurrentSlotAndOnlyOnOk_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        for (int kind : {Translation, Rotation}) {
            for (int slot : {1, 2}) {
                for (bool confirm : {true, false})
                    QTest::addRow("kind %d, slot %d, %s", kind, slot, confirm ? "OK" : "cancel")
                        << kind << slot << confirm;
            }
        }
    }

    // Every spin one step up by its arrow, every check box ticked.
    void storesOnlyTheCurrentSlotAndOnlyOnOk()
    {
        QFETCH(int, kind);
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        GuiTest::Fixture fixture;
        startWorkspace();
        TransformSettings.CurrentSlot = quint8(slot);
        TransformSettings.TranslationDX[slot] = 4;
        TransformSettings.RotationAngle[slot] = -90;
        const QList<int> before = stored(kind, slot);
        const QList<int> otherBefore = stored(kind, 3 - slot);
        QList<int> edited;
        auto dialog = makeDialog(kind);
        GuiTest::whenModalOpens([&](QWidget *) {
            QCOMPARE(shown(dialog.get()), before);
            for (SpinControl *control : dialog->findChildren<SpinControl *>())
                clickArrow(control, true);
            for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
                QTest::mouseClick(box, Qt::LeftButton);
            edited = shown(dialog.get());
            confirm ? pressOk(dialog.get()) : pressCancel(dialog.get());
        });
        QCOMPARE(dialog->exec(), int(confirm ? QDialog::Accepted : QDialog::Rejected));
        QList<int> expected = before;
        for (int &value : expected)
            ++value;
        QCOMPARE(edited, expected);
        QCOMPARE(stored(kind, slot), confirm ? expected : before);
        QCOMPARE(stored(kind, 3 - slot), otherBefore);
    }

    void axesModeTurnsAboutTheOrigin_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("first, cancelled") << 1 << false;
        QTest::newRow("second, cancelled") << 2 << false;
        QTest::newRow("first, confirmed") << 1 << true;
    }

    // With the axes moving the centre is fixed at the origin, in the store
    // too and at once, even if the dialog is then cancelled.
    void axesModeTurnsAboutTheOrigin()
    {
        QFETCH(int, slot);
        QFETCH(bool, confirm);
        GuiTest::Fixture fixture;
        startWorkspace();
        TransformSettings.FrameMode = 1;
        TransformSettings.CurrentSlot = quint8(slot);
        runModal<Tgeorota>([confirm](Tgeorota &dialog) {
            for (const char *name : {"orix", "porix", "oriy", "poriy"})
                QVERIFY(!child<QWidget>(&dialog, name)->isEnabled());
            QCOMPARE(shown(&dialog), (QList<int>{0, 0, 70, false}));
            spin(&dialog, "pangolo")->stepBy(20);
            confirm ? pressOk(&dialog) : pressCancel(&dialog);
        });
        QCOMPARE(stored(Rotation, slot), (QList<int>{0, 0, confirm ? 90 : 70, false}));
        QCOMPARE(stored(Rotation, 3 - slot), (QList<int>{2, -2, 70, false}));
    }
};

QTEST_MAIN(TestSlotDialogs)
#include "tst_slotdialogs.moc"
