#include "ui/common/programimages.h"

#include "platform/gui/picturepointer.h"

#include <QGuiApplication>
#include <QImageReader>
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

// One drawing, read as the PNG it is. Left to guess the format, Qt's reader first
// loads every image plugin installed (GIF, ICO, JPEG and their libraries) to ask
// each whether it reads PNG: over a millisecond before the main window can show.
QPixmap drawing(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// Adds the picture at `path` and its @2x and @3x drawings, each at its own size.
// Qt would add only the one for the screens it has at this moment.
void addDrawings(QIcon& icon, const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    icon.addPixmap(drawing(path));
    for (const char* ratio : {"@2x", "@3x"})
        icon.addPixmap(drawing(QString(path).insert(dot, QLatin1String(ratio))));
}

} // namespace

QIcon programIcon()
{
    loadProgramImages();
    QIcon icon;
    for (const int size : {16, 32, 48})
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
