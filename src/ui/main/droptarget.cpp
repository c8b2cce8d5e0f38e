#include "ui/main/droptarget.h"

#include "ui/common/programimages.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

namespace quarnix::ui {

namespace {

// Where the pointer points: the middle of its inner square.
constexpr QPoint pointerHotSpot(15, 15);

constexpr QSize pictureSize(32, 32);

} // namespace

DropTarget::DropTarget(QWidget* parent)
    : QLabel(parent)
    , picture_(ui::picture(QStringLiteral(":/main/document-32.png")))
{
    setAcceptDrops(true);
    setBackgroundRole(QPalette::Base);
    setForegroundRole(QPalette::WindowText);
    // The label holds the 1x picture for its size and for assistive technology,
    // which reads it as an image; paintEvent draws it.
    setPixmap(picture_.pixmap(pictureSize, 1.0));
    setCursor(picturePointer(QStringLiteral(":/main/icon-pointer.png"), pointerHotSpot));
}

// The picture at its natural size at the box's top-left corner, cut off by the box,
// in the drawing for the device pixel ratio painted at now: the window may have
// moved to another screen since the label was made.
void DropTarget::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    picture_.paint(&painter, QRect(contentsRect().topLeft(), pictureSize), Qt::AlignLeft | Qt::AlignTop);
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
