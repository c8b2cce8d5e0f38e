#pragma once

#include <QComboBox>

namespace quarnix::ui {

// The folder picker's drop-down list of drives. A drive is listed by its mount
// point, which can be far longer than the box: the closed box shows it cut in the
// middle, so that both the start of the path and the volume's own name stay in
// sight, and gives the whole of it as its tool tip; the open list is as wide as its
// longest entry, wider than the box if need be, and shows every entry whole.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // The selected entry as the closed box shows it.
    QString closedText() const;

    void showPopup() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int textRoom() const;
};

} // namespace quarnix::ui
