#pragma once

#include <QIcon>
#include <QLabel>

class QMimeData;

namespace quarnix::ui {

// The document picture the source file can be dropped on. It takes local files
// dropped from any file manager and turns every other drop away, so that nothing
// else changes the source; the pointer over it is the program's icon.
class DropTarget : public QLabel {
    Q_OBJECT
public:
    explicit DropTarget(QWidget* parent = nullptr);

signals:
    // The first local file of a drop, as the file manager named it.
    void fileDropped(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    static QString firstLocalFile(const QMimeData* mime);

    QIcon picture_;
};

} // namespace quarnix::ui
