#pragma once

#include <QLabel>

namespace quarnix::ui {

// A label that acts as a link: the pointing hand over it, a click when the left
// button is pressed and released on it, and word of every pointer move over it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void pointerMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quarnix::ui
