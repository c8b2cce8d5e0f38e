#pragma once

// src/ui/folder: the folder picker and the parts only it uses (its drive list, its
// folder entries and how they are drawn). It may include ui/common and the platform
// services, never another window's folder.

#include "platform/gui/services.h"
#include "ui/folder/folderentries.h"

#include <QDialog>
#include <memory>

namespace Ui {
class frmFolder;
}

namespace quarnix::ui {

class MainFields;

// The folder picker "Where to split...": a drive list, a folder list and Up. OK
// checks that a drive other than a floppy can hold the whole source file, writes
// the current folder into the main window's destination field and closes;
// Cancel closes without writing anything.
class frmFolder : public QDialog {
    Q_OBJECT
public:
    frmFolder(MainFields& fields, const platform::Services& services, QWidget* owner = nullptr);
    ~frmFolder() override;

    // The current folder as the list gives it, in the platform's own form.
    QString currentFolder() const;
    // -1 for the current folder, below it for its ancestors, 0 and up for its subfolders.
    int highlightedIndex() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startAtCurrentFolder();
    void readDrives();
    int indexOfDrive(const QString& rootPath) const;
    [[nodiscard]] bool isAvailable(const QString& rootPath) const;
    QString selectedDrive() const;
    void rememberDrive();
    void followDrive();
    void restoreDrive();
    void setCurrentFolder(const QString& path);
    void showEntries();
    void openRow(int row);
    void upOneEntry();
    void acceptFolder();
    [[nodiscard]] bool sourceFitsOn(const QString& folder);
    void warnDeviceNotReady();
    void warn(const QString& title, const QString& text);
    QString shown(const QString& path) const;

    std::unique_ptr<Ui::frmFolder> ui_;
    MainFields& fields_;
    platform::Services services_;
    QList<platform::VolumeEntry> drives_;
    QString startDrive_;    // the drive of the process's current folder
    QString followedDrive_; // the drive the folder list is on
    QString lastDrive_;
    QString driveRoot_;
    FolderEntries entries_;
};

} // namespace quarnix::ui
