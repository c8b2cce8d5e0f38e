#include "ui/folder/drivelist.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QHelpEvent>
#include <QStylePainter>
#include <QToolTip>

namespace quarnix::ui {

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
}

QString DriveList::closedText() const
{
    return fontMetrics().elidedText(currentText(), Qt::ElideMiddle, textRoom());
}

// The width the style draws the closed box's text in: its edit field, less the
// pixel it keeps clear on either side.
int DriveList::textRoom() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return field.width() - 2;
}

void DriveList::showPopup()
{
    // Not every style widens the list to its entries by itself.
    QAbstractItemView* list = view();
    const int scrollBar = count() > maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar);
    QComboBox::showPopup();
}

bool DriveList::event(QEvent* event)
{
    // Asked at the moment it is shown, the tool tip names the drive selected now,
    // however the selection was made.
    if (event->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), currentText(), this);
        return true;
    }
    return QComboBox::event(event);
}

void DriveList::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = closedText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace quarnix::ui
