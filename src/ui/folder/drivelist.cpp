#include "ui/folder/drivelist.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>

namespace quarnix::ui {

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
}

void DriveList::addDrive(const QString& shown, const QString& root)
{
    addItem(shown, root);
}

QString DriveList::closedText() const
{
    const QString whole = currentText();
    const QFontMetrics metrics = fontMetrics();
    const int room = textRoom();
    if (metrics.horizontalAdvance(whole) <= room)
        return whole;
    // The separator before the last part of the root, if the entry starts with it.
    QString root = currentData().toString();
    while (root.size() > 1 && (root.endsWith(u'/') || root.endsWith(u'\\')))
        root.chop(1);
    const qsizetype separator = whole.startsWith(root) ? std::max(root.lastIndexOf(u'/'), root.lastIndexOf(u'\\')) : -1;
    const QString ellipsis(QChar(0x2026));
    if (separator < 0)
        return metrics.elidedText(whole, Qt::ElideRight, room);
    const QString front = whole.left(separator);
    const QString tail = whole.mid(separator);
    const int frontRoom = room - metrics.horizontalAdvance(tail);
    if (frontRoom >= metrics.horizontalAdvance(ellipsis)) {
        // As much of the front as fits, from its start; at the least the ellipsis.
        for (qsizetype kept = front.size() - 1; kept > 0; --kept) {
            const QString shortened = front.left(kept) + ellipsis;
            if (metrics.horizontalAdvance(shortened) <= frontRoom)
                return shortened + tail;
        }
        return ellipsis + tail;
    }
    // Not even the volume's name fits: its start stays in sight.
    return metrics.elidedText(ellipsis + tail, Qt::ElideRight, room);
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
