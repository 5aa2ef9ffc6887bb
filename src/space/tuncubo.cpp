#include "space/tuncubo.h"

#include "app/shellvalues.h"
#include "lang/languagetables.h"

Tuncubo::Tuncubo(QWidget *parent)
    : MdiChildWindow(Shell.SpaceWindowClosed, parent)
{
    setObjectName(QStringLiteral("uncubo"));
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(LongTexts.text(3));
    setGeometry(0, 0, Shell.ChildAreaWidth, Shell.ChildAreaHeight);
}
