#pragma once

#include <QListWidget>

namespace quarnix::ui {

// The folder picker's folder list. Its highlighted entry is the view's current
// item while the list has the focus; while it has not, the highlight is parked
// and the view holds no current item, because assistive technology reports a
// view's current item as focused whether or not the view has the focus. What the
// list draws is the same either way: the highlight is the selection, and the
// focus frame is drawn only while the list has the focus.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    int highlightedRow() const;
    void highlightRow(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void park();

    int parkedRow_ = -1;
};

} // namespace quarnix::ui
