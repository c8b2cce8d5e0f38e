#include "ui/main/secondarywindows.h"

#include "ui/common/addresses.h"
#include "ui/common/windowlook.h"
#include "ui/common/windowtexts.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"

#include <QApplication>
#include <QShortcut>

namespace quarnix::ui {

SecondaryWindows::SecondaryWindows(QWidget* mainWindow, MainFields& fields, const platform::Services& services)
    : mainWindow_(mainWindow)
    , fields_(fields)
    , services_(services)
{
    if (mainWindow_) {
        // An application shortcut on the main window answers in every window of the
        // program, the unowned folder picker included.
        helpKey_ = new QShortcut(QKeySequence(Qt::Key_F1), mainWindow_);
        helpKey_->setContext(Qt::ApplicationShortcut);
        QObject::connect(helpKey_, &QShortcut::activated, helpKey_, [this] { openHelpFile(); });
    }
}

SecondaryWindows::~SecondaryWindows()
{
    closeAll();
    delete helpKey_.data();
}

void SecondaryWindows::showHelp()
{
    if (!help_) {
        help_ = new frmHelp(mainWindow_);
        QObject::connect(
            help_, &frmHelp::downloadRequested, help_, [this](const QString& address) { gotoWeb(address); });
    }
    look::bringToFront(help_);
}

void SecondaryWindows::showAbout()
{
    frmAbout* about = aboutObject();
    if (!about->isLoaded())
        about->load();
    look::bringToFront(about);
}

void SecondaryWindows::showFolderPicker(bool ownedByMainWindow)
{
    if (!folder_)
        folder_ = new frmFolder(fields_, services_, ownedByMainWindow ? mainWindow_ : nullptr);
    look::bringToFront(folder_);
}

void SecondaryWindows::gotoWeb(const QString& address)
{
    aboutObject()->gotoWeb(address);
}

void SecondaryWindows::openHelpFile()
{
    if (services_.help->openHelpFile(addresses::helpFileName()))
        return;
    services_.messages->show(QApplication::activeWindow(), texts::helpTitle,
        texts::helpFileNotOpened(addresses::helpFileName()), platform::MessageIcon::Warning,
        platform::MessageButtons::Ok);
}

void SecondaryWindows::closeAll()
{
    delete folder_.data();
    delete help_.data();
    delete about_.data();
}

frmFolder* SecondaryWindows::folderPicker() const
{
    return folder_;
}

frmHelp* SecondaryWindows::helpWindow() const
{
    return help_;
}

frmAbout* SecondaryWindows::aboutWindow() const
{
    return about_;
}

// The About window object, created without being shown when it does not exist.
frmAbout* SecondaryWindows::aboutObject()
{
    if (!about_)
        about_ = new frmAbout(*services_.addresses, mainWindow_);
    return about_;
}

} // namespace quarnix::ui
