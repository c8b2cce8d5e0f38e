#pragma once

#include <QStyledItemDelegate>

namespace quarnix::ui {

// Draws each folder of the folder list indented by its depth below the drive's
// root, so the chain down to the current folder reads as a tree.
class FolderItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int depthRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int indentOf(const QModelIndex& index);
};

} // namespace quarnix::ui
