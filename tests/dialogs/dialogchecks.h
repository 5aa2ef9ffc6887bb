#pragma once

// The fixture of both dialog programs, and what they read of a dialog and of the store.

#include "shell/helpviewer.h"
#include "shell/shellvalues.h"
#include "support/dialogdriver.h"
#include "support/guitest.h"
#include "transform/transformsettings.h"

#include <QTest>
#include <optional>
#include <type_traits>

// Each test in a fresh folder on the start values; an unexpected modal fails it.
class DialogTestCase : public QObject
{
    Q_OBJECT

protected:
    std::optional<GuiTest::Fixture> m_fixture;

private slots:
    void init()
    {
        m_fixture.emplace();
        applyWorkspaceStartValues(Shell.MainShowHints);
    }

    void cleanup()
    {
        delete HelpViewer::current();
        QCOMPARE(GuiTest::unexpectedModals(), QStringList());
    }
};

inline QStringList shown(const QWidget *dialog, const QStringList &names)
{
    QStringList values;
    for (const QString &name : names)
        values << DialogDriver::text(dialog, name);
    return values;
}

// Nine digits tell every single-precision value apart.
inline QString real(float value)
{
    return QString::number(double(value), 'g', 9);
}

// A value of the store under its name, a slot or an index in brackets after it.
template <typename T>
void put(QMap<QString, QString> &values, const QString &name, const T &value)
{
    if constexpr (std::is_floating_point_v<T>)
        values[name] = real(value);
    else if constexpr (std::is_arithmetic_v<T>)
        values[name] = QString::number(value);
    else if constexpr (std::is_same_v<T, QString>)
        values[name] = value;
    else if constexpr (requires { value.size(); })
        for (std::size_t i = 0; i < value.size(); ++i)
            put(values, QStringLiteral("%1[%2]").arg(name).arg(i), value[i]);
    else
        for (int slot : {1, 2})
            put(values, QStringLiteral("%1[%2]").arg(name).arg(slot), value[slot]);
}

// `names` is the argument list as written: "s.TranslationDX, s.TranslationDY".
template <typename... Values>
void putAll(QMap<QString, QString> &values, const char *names, const Values &...value)
{
    QStringList keys = QString::fromLatin1(names).remove(QStringLiteral("s.")).split(QStringLiteral(", "));
    (put(values, keys.takeFirst(), value), ...);
}

// Every value of the transformation store by name ("HomothetyRatio[2]",
// "AffineCoeff[1][0][2]"), so that a test sees everything a dialog changed.
inline QMap<QString, QString> storeValues()
{
    const TransformSettingsValues &s = TransformSettings;
    QMap<QString, QString> values;
#define ALL(...) putAll(values, #__VA_ARGS__, __VA_ARGS__)
    ALL(s.CurrentSlot, s.FrameMode, s.SlotKind, s.TranslationDX, s.TranslationDY, s.ShowTranslationVector,
        s.RotationCentreX, s.RotationCentreY, s.RotationAngle, s.ShowRotationArcs, s.SymmetryKind, s.SymmetryCentreX,
        s.SymmetryCentreY, s.SymmetryAxisAngle, s.SymmetryAxisQ, s.ShowSymmetryElement, s.HomothetyCentreX,
        s.HomothetyCentreY, s.HomothetyRatio, s.HomothetySign, s.ShowHomothetyCentre, s.DilationX, s.DilationY,
        s.ShearX, s.ShearY, s.ShearAxis, s.ShearSign, s.AffineText, s.AffineCoeff, s.AffineConfirmed, s.AffinePreset,
        s.FigureType, s.SelectedFigureType, s.FigureIsCircle, s.FigureX, s.FigureY, s.ClearScreen, s.VertexTextX,
        s.VertexTextY, s.DialogShowHints, s.DialogFirstActivation);
#undef ALL
    return values;
}

inline QStringList changedValues(const QMap<QString, QString> &before, const QMap<QString, QString> &after = storeValues())
{
    QStringList changed;
    for (auto entry = after.cbegin(); entry != after.cend(); ++entry)
        if (before.value(entry.key()) != entry.value())
            changed << entry.key() + u'=' + entry.value();
    changed.sort();
    return changed;
}

// Keyboard focus and shortcuts need the dialog to be the active window.
inline bool activate(QWidget *dialog)
{
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog);
}
