#include "platform/gui/picturepointer.h"

#include <QGuiApplication>

namespace quarnix::platform {

QCursor picturePointer(const QPixmap& picture, QPoint hotSpot)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return QCursor(picture, qRound(hotSpot.x() * picture.devicePixelRatio()),
            qRound(hotSpot.y() * picture.devicePixelRatio()));
    return QCursor(picture, hotSpot.x(), hotSpot.y());
}

} // namespace quarnix::platform
