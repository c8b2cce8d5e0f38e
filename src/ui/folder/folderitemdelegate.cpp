#include "ui/folder/folderitemdelegate.h"

namespace quarnix::ui {

namespace {

constexpr int indentPerLevel = 7;

} // namespace

int FolderItemDelegate::indentOf(const QModelIndex& index)
{
    return index.data(depthRole).toInt() * indentPerLevel;
}

void FolderItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem indented = option;
    indented.rect.adjust(indentOf(index), 0, 0, 0);
    QStyledItemDelegate::paint(painter, indented, index);
}

QSize FolderItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}

} // namespace quarnix::ui
