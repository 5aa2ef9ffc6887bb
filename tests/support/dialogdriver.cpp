#include "support/dialogdriver.h"

#include "dialogs/spincontrol.h"
#include "dialogs/taffina.h"
#include "dialogs/tcoordinate.h"
#include "dialogs/tdilatazioni.h"
#include "dialogs/tgeomot.h"
#include "dialogs/tgeorota.h"
#include "dialogs/tgeosim.h"
#include "dialogs/tgeotrasla.h"
#include "dialogs/tinclinazioni.h"
#include "lang/languagetables.h"
#include "transform/transformsettings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <type_traits>

namespace DialogDriver {

std::unique_ptr<ParameterDialog> makeDialog(int kind)
{
    switch (kind) {
    case Figure: return std::make_unique<Tcoordinate>();
    case Translation: return std::make_unique<Tgeotrasla>();
    case Rotation: return std::make_unique<Tgeorota>();
    case Symmetry: return std::make_unique<Tgeosim>();
    case Homothety: return std::make_unique<Tgeomot>();
    case Dilation: return std::make_unique<Tdilatazioni>();
    case Shear: return std::make_unique<Tinclinazioni>();
    default: return std::make_unique<Taffina>();
    }
}

SpinControl *spin(const QWidget *dialog, const QString &name)
{
    return child<SpinControl>(dialog, name);
}

QString text(const QWidget *dialog, const QString &name)
{
    if (auto *edit = child<QLineEdit>(dialog, name))
        return edit->text();
    if (auto *label = child<QLabel>(dialog, name))
        return label->text();
    return QStringLiteral("<no control %1>").arg(name);
}

QStringList shown(const QWidget *dialog, const QStringList &names)
{
    QStringList values;
    for (const QString &name : names) {
        if (auto *box = child<QCheckBox>(dialog, name))
            values << QString::number(box->isChecked());
        else if (auto *group = dialog->findChild<QButtonGroup *>(name))
            values << QString::number(group->checkedId());
        else
            values << text(dialog, name);
    }
    return values;
}

QString caption(const QWidget *control)
{
    if (!control)
        return QStringLiteral("<no control>");
    if (auto *group = qobject_cast<const QGroupBox *>(control))
        return group->title();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *list = qobject_cast<const QComboBox *>(control)) {
        QStringList items;
        for (int item = 0; item < list->count(); ++item)
            items << list->itemText(item);
        return items.join(u'|');
    }
    // A push button's caption is its hint begun with a capital: both are shown.
    if (auto *button = qobject_cast<const QPushButton *>(control))
        return button->text() + QStringLiteral(" / ") + button->toolTip();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return control->toolTip();
}

QString labelOf(const QWidget *control)
{
    if (!control)
        return QStringLiteral("<no control>");
    for (const QLabel *label : control->parentWidget()->findChildren<QLabel *>())
        if (label->buddy() == control)
            return label->text();
    return QString();
}

void click(const QWidget *dialog, const QString &name)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, name), Qt::LeftButton);
}

void chooseItem(const QWidget *dialog, const QString &name)
{
    auto *item = child<QAbstractButton>(dialog, name);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

void pressOk(const QWidget *dialog)
{
    click(dialog, QStringLiteral("BitBtn1"));
}

void pressCancel(const QWidget *dialog)
{
    click(dialog, QStringLiteral("BitBtn2"));
}

void step(const QWidget *dialog, const QString &spinName, int direction)
{
    QTest::keyClick(spin(dialog, spinName), direction > 0 ? Qt::Key_Up : Qt::Key_Down);
}

QString enabling(const QWidget *dialog, const QStringList &names)
{
    QString states;
    for (const QString &name : names)
        states += child(dialog, name)->isEnabled() ? u'1' : u'0';
    return states;
}

QString pointingHands(const QWidget *dialog, const QStringList &names)
{
    QString states;
    for (const QString &name : names) {
        const QWidget *control = child(dialog, name);
        const bool hand = control->testAttribute(Qt::WA_SetCursor) && control->cursor().shape() == Qt::BitmapCursor
            && control->cursor().hotSpot() == QPoint(30, 11);
        states += hand ? u'1' : u'0';
    }
    return states;
}

QString real(float value)
{
    return QString::number(double(value), 'g', 9);
}

namespace {

template <typename T>
void addSlots(QMap<QString, QString> &values, const char *name, const PerSlot<T> &perSlot)
{
    for (int slot : {1, 2}) {
        const QString key = QStringLiteral("%1[%2]").arg(QLatin1String(name)).arg(slot);
        if constexpr (std::is_floating_point_v<T>)
            values[key] = real(perSlot[slot]);
        else
            values[key] = QString::number(perSlot[slot]);
    }
}

// `names` is the argument list as written: "s.TranslationDX, s.TranslationDY".
template <typename... Values>
void addAllSlots(QMap<QString, QString> &values, const char *names, const Values &...perSlot)
{
    QStringList keys = QString::fromLatin1(names).remove(QStringLiteral("s.")).split(QStringLiteral(", "));
    (addSlots(values, qPrintable(keys.takeFirst()), perSlot), ...);
}

} // namespace

QMap<QString, QString> storeValues()
{
    const TransformSettingsValues &s = TransformSettings;
    QMap<QString, QString> values;
    values[QStringLiteral("CurrentSlot")] = QString::number(s.CurrentSlot);
    values[QStringLiteral("FrameMode")] = QString::number(s.FrameMode);
    // Both slots of each per-slot value, one transformation a line.
#define SLOTS(...) addAllSlots(values, #__VA_ARGS__, __VA_ARGS__)
    SLOTS(s.SlotKind);
    SLOTS(s.TranslationDX, s.TranslationDY, s.ShowTranslationVector);
    SLOTS(s.RotationCentreX, s.RotationCentreY, s.RotationAngle, s.ShowRotationArcs);
    SLOTS(s.SymmetryKind, s.SymmetryCentreX, s.SymmetryCentreY, s.SymmetryAxisAngle, s.SymmetryAxisQ,
          s.ShowSymmetryElement);
    SLOTS(s.HomothetyCentreX, s.HomothetyCentreY, s.HomothetyRatio, s.HomothetySign, s.ShowHomothetyCentre);
    SLOTS(s.DilationX, s.DilationY, s.ShearX, s.ShearY, s.ShearAxis, s.ShearSign);
    SLOTS(s.AffineConfirmed);
#undef SLOTS
    for (int slot : {1, 2}) {
        for (int field = 0; field < 6; ++field)
            values[QStringLiteral("AffineText[%1][%2]").arg(slot).arg(field)] = s.AffineText[slot][field];
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                values[QStringLiteral("AffineCoeff[%1][%2][%3]").arg(slot).arg(row).arg(column)] =
                    real(s.AffineCoeff[slot][row][column]);
    }
    values[QStringLiteral("AffinePreset")] = QString::number(s.AffinePreset);
    values[QStringLiteral("FigureType")] = QString::number(s.FigureType);
    values[QStringLiteral("SelectedFigureType")] = QString::number(s.SelectedFigureType);
    values[QStringLiteral("FigureIsCircle")] = QString::number(s.FigureIsCircle);
    for (int point = 0; point < FigurePointCount; ++point) {
        values[QStringLiteral("FigureX[%1]").arg(point)] = QString::number(s.FigureX[point]);
        values[QStringLiteral("FigureY[%1]").arg(point)] = QString::number(s.FigureY[point]);
    }
    values[QStringLiteral("ClearScreen")] = QString::number(s.ClearScreen);
    for (int vertex = 0; vertex < VertexCount; ++vertex) {
        for (int stage = 0; stage < VertexStageCount; ++stage) {
            values[QStringLiteral("VertexTextX[%1][%2]").arg(vertex).arg(stage)] = s.VertexTextX[vertex][stage];
            values[QStringLiteral("VertexTextY[%1][%2]").arg(vertex).arg(stage)] = s.VertexTextY[vertex][stage];
        }
    }
    values[QStringLiteral("DialogShowHints")] = QString::number(s.DialogShowHints);
    for (int group = 0; group < DialogGroupCount; ++group)
        values[QStringLiteral("DialogFirstActivation[%1]").arg(group)] =
            QString::number(s.DialogFirstActivation[group]);
    return values;
}

QStringList changedValues(const QMap<QString, QString> &before, const QMap<QString, QString> &after)
{
    QStringList changed;
    for (auto entry = after.cbegin(); entry != after.cend(); ++entry) {
        if (before.value(entry.key()) != entry.value())
            changed << entry.key() + u'=' + entry.value();
    }
    changed.sort();
    return changed;
}

bool writeHelpSet(const QString &folder, const QString &page)
{
    LongTexts.setCell(58, LoadedLanguage, QStringLiteral("Prova"));
    Language.LanguageIndex = LoadedLanguage;
    Language.LanguageFilePath = QDir(folder).filePath(QStringLiteral("prova.lng"));
    if (!QDir(folder).mkdir(QStringLiteral("Prova.hlp")))
        return false;
    QFile file(QDir(folder).filePath(QStringLiteral("Prova.hlp/") + page));
    return file.open(QIODevice::WriteOnly) && file.write("page") > 0;
}

} // namespace DialogDriver
