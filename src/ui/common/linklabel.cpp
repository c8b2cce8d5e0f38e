#include "ui/common/linklabel.h"

#include "ui/common/windowlook.h"

#include <QMouseEvent>

namespace quarnix::ui {

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    setCursor(look::linkPointer());
    // Pointer moves without a button held reach the label only with tracking on.
    setMouseTracking(true);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit pointerMoved();
}

} // namespace quarnix::ui
