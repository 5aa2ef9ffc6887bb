#include "plane/tgeo.h"

#include "app/shellvalues.h"
#include "dialogs/transformsettings.h"
#include "lang/languagetables.h"

Tgeo::Tgeo(QWidget *parent)
    : MdiChildWindow(Shell.PlaneWindowClosed, parent)
{
    setObjectName(QStringLiteral("geo"));
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(LongTexts.text(2));
    setGeometry(0, 0, Shell.ChildAreaWidth, Shell.ChildAreaHeight);
    setStyleSheet(QStringLiteral("Tgeo { background: black; }"));
    applyWorkspaceStartValues(Shell.MainShowHints);
}
