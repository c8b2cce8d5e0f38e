#pragma once

#include "platform/gui/services.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace quarnix::ui {

class MainFields;
class frmFolder;
class frmHelp;
class frmAbout;

// Keeps the folder picker, the help window and the About window to one instance
// each: showing one that is open brings it to the front.
class SecondaryWindows {
public:
    SecondaryWindows(QWidget* mainWindow, MainFields& fields, const platform::Services& services);
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    void showHelp();
    void showAbout();
    // Owned by the main window from its browse button; without an owner from the
    // split job.
    void showFolderPicker(bool ownedByMainWindow);

    // Opens an address through the About window, which is created for it but not shown.
    void gotoWeb(const QString& address);

    // Closes every secondary window without running their closing logic.
    void closeAll();

    frmFolder* folderPicker() const;
    frmHelp* helpWindow() const;
    frmAbout* aboutWindow() const;

private:
    QWidget* mainWindow_;
    MainFields& fields_;
    platform::Services services_;
    QPointer<frmFolder> folder_;
    QPointer<frmHelp> help_;
    QPointer<frmAbout> about_;
};

} // namespace quarnix::ui
