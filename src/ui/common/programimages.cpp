#include "ui/common/programimages.h"

#include "platform/gui/picturepointer.h"

#include <QGuiApplication>
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

namespace {

// Adds the picture at `path` and its @2x and @3x drawings, each at its own size.
// Qt would add only the one for the screens it has at this moment.
void addDrawings(QIcon& icon, const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    icon.addFile(path);
    for (const char* ratio : { "@2x", "@3x" })
        icon.addFile(QString(path).insert(dot, QLatin1String(ratio)));
}

} // namespace

QIcon programIcon()
{
    loadProgramImages();
    QIcon icon;
    for (const int size : { 16, 32, 48 })
        addDrawings(icon, QStringLiteral(":/icons/quarnix-%1.png").arg(size));
    return icon;
}

QIcon picture(const QString& path)
{
    loadProgramImages();
    QIcon icon;
    addDrawings(icon, path);
    return icon;
}

QCursor picturePointer(const QString& path, QPoint hotSpot)
{
    const QIcon drawings = picture(path);
    const QSize size = drawings.availableSizes().value(0);
    return platform::picturePointer(drawings.pixmap(size, qApp->devicePixelRatio()), hotSpot);
}

} // namespace quarnix::ui
