#pragma once

#include "platform/gui/services.h"

#include <QPointer>
#include <QString>

class QShortcut;
class QWidget;

namespace quarnix::ui {

class MainFields;
class frmFolder;
class frmHelp;
class frmAbout;

// Keeps the folder picker, the help window and the About window to one instance
// each: showing one that is open brings it to the front. Also binds F1 to the help
// file in every window of the program.
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

    // F1: opens the help file, and says so when it cannot.
    void openHelpFile();

    // Closes every secondary window without running their closing logic.
    void closeAll();

    frmFolder* folderPicker() const;
    frmHelp* helpWindow() const;
    frmAbout* aboutWindow() const;

private:
    frmAbout* aboutObject();

    QWidget* mainWindow_;
    MainFields& fields_;
    platform::Services services_;
    QPointer<frmFolder> folder_;
    QPointer<frmHelp> help_;
    QPointer<frmAbout> about_;
    QPointer<QShortcut> helpKey_;
};

} // namespace quarnix::ui
