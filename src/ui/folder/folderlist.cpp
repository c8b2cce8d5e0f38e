#include "ui/folder/folderlist.h"

namespace quarnix::ui {

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
}

int FolderList::highlightedRow() const
{
    return currentIndex().isValid() ? currentRow() : parkedRow_;
}

void FolderList::highlightRow(int row)
{
    setCurrentRow(row);
    if (!hasFocus())
        park();
}

void FolderList::focusInEvent(QFocusEvent* event)
{
    if (!currentIndex().isValid() && parkedRow_ >= 0)
        selectionModel()->setCurrentIndex(model()->index(parkedRow_, 0), QItemSelectionModel::NoUpdate);
    QListWidget::focusInEvent(event);
}

void FolderList::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    park();
}

// The selection, which shows the highlight, stays as it is.
void FolderList::park()
{
    parkedRow_ = currentRow();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

} // namespace quarnix::ui
