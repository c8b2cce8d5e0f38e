#pragma once

#include <QComboBox>

namespace quarnix::ui {

// The folder picker's drop-down list of drives. A drive is listed by its mount
// point (and its label), which can be far longer than the box. The last part of
// the mount point is the volume's own name, so the closed box keeps that part and
// what follows it whole and shortens the path in front of it, keeping the path's
// start, the way Windows shortens a path to fit; it gives the whole entry as its
// tool tip. The open list is as wide as its longest entry, wider than the box if
// need be, and shows every entry whole.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // An entry: the text shown for the drive and its root (mount point), which
    // tells where the last part of the path begins.
    void addDrive(const QString& shown, const QString& root);

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
