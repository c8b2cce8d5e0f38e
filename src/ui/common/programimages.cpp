#include "ui/common/programimages.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(main);
    Q_INIT_RESOURCE(secondary);
}

namespace quarnix::ui {

void loadProgramImages()
{
    static const bool registered = (registerResources(), true);
    Q_UNUSED(registered);
}

QIcon programIcon()
{
    loadProgramImages();
    QIcon icon;
    for (const int size : { 16, 32, 48 })
        icon.addFile(QStringLiteral(":/icons/quarnix-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace quarnix::ui
