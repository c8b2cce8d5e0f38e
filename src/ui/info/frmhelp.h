#pragma once

// src/ui/info: the help window and the About window, with GotoWeb. They may include
// ui/common and the platform services, never another window's folder.

#include <QWidget>
#include <memory>

namespace Ui {
class frmHelp;
}

namespace quarnix::ui {

// The help window: what the program does, a precaution, what drag and drop is,
// and the link to the downloadable help file with its hint.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* owner = nullptr);
    ~frmHelp() override;

    bool isHintShown() const;

signals:
    // The download link was clicked; the address is for GotoWeb.
    void downloadRequested(const QString& address);

protected:
    // Only moves over the window's free surface arrive here: the link takes its
    // own, the other controls keep theirs.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void showHint();

    std::unique_ptr<Ui::frmHelp> ui_;
};

} // namespace quarnix::ui
