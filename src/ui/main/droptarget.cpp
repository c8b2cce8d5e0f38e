#include "ui/main/droptarget.h"

#include "ui/common/programimages.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace quarnix::ui {

namespace {

// Where the pointer points: the middle of its inner square.
constexpr int pointerHotSpot = 15;

} // namespace

DropTarget::DropTarget(QWidget* parent)
    : QLabel(parent)
{
    loadProgramImages();
    setAcceptDrops(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::WindowText);
    // Shown unscaled at the box's top-left corner.
    setPixmap(QPixmap(QStringLiteral(":/main/document-32.png")));
    setCursor(QCursor(QPixmap(QStringLiteral(":/main/icon-pointer.png")), pointerHotSpot, pointerHotSpot));
}

void DropTarget::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void DropTarget::dragMoveEvent(QDragMoveEvent* event)
{
    if (firstLocalFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void DropTarget::dropEvent(QDropEvent* event)
{
    const QString path = firstLocalFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit fileDropped(path);
}

QString DropTarget::firstLocalFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return {};
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            return url.toLocalFile();
    }
    return {};
}

} // namespace quarnix::ui
