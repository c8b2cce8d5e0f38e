#include "ui/secondarywindows.h"

// Placeholder until the secondary windows exist: nothing opens yet.
namespace quarnix::ui {

class frmFolder {};
class frmHelp {};
class frmAbout {};

SecondaryWindows::SecondaryWindows(QWidget* mainWindow, MainFields& fields,
                                   const platform::Services& services)
    : mainWindow_(mainWindow)
    , fields_(fields)
    , services_(services)
{
}

SecondaryWindows::~SecondaryWindows() = default;

void SecondaryWindows::showHelp() {}
void SecondaryWindows::showAbout() {}
void SecondaryWindows::showFolderPicker(bool) {}
void SecondaryWindows::gotoWeb(const QString&) {}
void SecondaryWindows::closeAll() {}
frmFolder* SecondaryWindows::folderPicker() const { return nullptr; }
frmHelp* SecondaryWindows::helpWindow() const { return nullptr; }
frmAbout* SecondaryWindows::aboutWindow() const { return nullptr; }

} // namespace quarnix::ui
