// What leaves the room: pictures of the drawing, whole or cropped to the
// figures, on black or on white, as pixels or as shapes.
#include "plane/tgeo.h"

#include "lang/languagetables.h"
#include "shell/picturecommands.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

void Tgeo::createPictureItems()
{
    const VectorDrawing vector{[this] { return m_canvas.picturePart(m_pictureLook.onlyFigures).size(); },
                               [this](QPainter &p) { paintDrawingPicture(p); }};
    m_pictures = new PictureCommands(this, [this] { return drawingPicture(); }, vector);
    PopupMenu1->addActions({m_pictures->copyAction(), m_pictures->saveAction()});
    const auto option = [this](NoticeRow text, const char *name, bool PictureLook::*field) {
        QAction *item = PopupMenu1->addAction(noticeText(text), this, [this, field](bool on) { m_pictureLook.*field = on; });
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
    };
    option(OnlyFiguresItem, "solofigure", &PictureLook::onlyFigures);
    option(LightPictureItem, "fondobianco", &PictureLook::light);
}
