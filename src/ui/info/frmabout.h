#pragma once

#include "platform/gui/addressopener.h"

#include <QWidget>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace quarnix::ui {

// The About window: name, version, author, the e-mail and web links, and GotoWeb,
// the program's one way of opening an address.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(platform::AddressOpener& addresses, QWidget* owner = nullptr);
    ~frmAbout() override;

    // Start-up, run when the window is loaded to be shown: styles the two links.
    // A window created only for GotoWeb never runs it.
    void load();
    bool isLoaded() const;

    // Hands the address to the desktop; whether anything opens it is not looked at.
    void gotoWeb(const QString& address);

private:
    void openWebsite();
    void sendEmail();

    std::unique_ptr<Ui::frmAbout> ui_;
    platform::AddressOpener& addresses_;
    bool loaded_ = false;
};

} // namespace quarnix::ui
