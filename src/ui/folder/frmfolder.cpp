#include "ui/folder/frmfolder.h"

#include "ui/common/accessibleroles.h"
#include "ui/common/captionfit.h"
#include "ui/common/mainfields.h"
#include "ui/common/programimages.h"
#include "ui/common/windowlook.h"
#include "ui/common/windowtexts.h"
#include "ui/folder/folderitemdelegate.h"
#include "ui_frmfolder.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include <algorithm>

namespace quarnix::ui {

namespace {

// The picker opens at a fixed place near the top-left of the screen, not centred:
// its client area 138 by 155 pixels (2070 by 2325 twips) from the screen's corner.
constexpr QPoint storedPosition(138, 155);

} // namespace

frmFolder::frmFolder(MainFields& fields, const platform::Services& services, QWidget* owner)
    : QDialog(owner, look::secondaryWindowType)
    , ui_(std::make_unique<Ui::frmFolder>())
    , fields_(fields)
    , services_(services)
{
    loadProgramImages();
    readPlainWidgetsByTheirRoles();
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    look::prepareWindow(this);
    look::prepareFrameLines(this);
    narrowToFitCaptions(this);
    setGeometry(QRect(storedPosition, size()));
    ui_->lstFolder->setItemDelegate(new FolderItemDelegate(ui_->lstFolder));
    ui_->lstDrive->installEventFilter(this);
    // The drive list is named by its caption, whose buddy it is; its drop-down
    // reads under the same name.
    ui_->lstDrive->view()->setAccessibleName(ui_->Label2->text());

    startAtCurrentFolder();

    connect(ui_->lstDrive, &QComboBox::currentIndexChanged, this, &frmFolder::followDrive);
    connect(ui_->lstFolder, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem* item) { openRow(ui_->lstFolder->row(item)); });
    connect(ui_->cmdUp, &QPushButton::clicked, this, &frmFolder::upOneEntry);
    connect(ui_->cmdOk, &QPushButton::clicked, this, &frmFolder::acceptFolder);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

frmFolder::~frmFolder() = default;

QString frmFolder::currentFolder() const
{
    return shown(entries_.current());
}

int frmFolder::highlightedIndex() const
{
    const int row = ui_->lstFolder->highlightedRow();
    return row < 0 ? -1 : entries_.indexOfRow(row);
}

void frmFolder::keyPressEvent(QKeyEvent* event)
{
    // No button of the picker is a cancel button: Escape presses nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool frmFolder::eventFilter(QObject* watched, QEvent* event)
{
    // The drive list's own drop-down hands the focus back when it closes; that is
    // not the user arriving at the list.
    if (watched == ui_->lstDrive && event->type() == QEvent::FocusIn
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        readDrives();
        rememberDrive();
    }
    return QDialog::eventFilter(watched, event);
}

// Both lists start at the process's current folder and the drive that holds it.
void frmFolder::startAtCurrentFolder()
{
    readDrives();
    const int start = volumeHolding(drives_, QDir::currentPath());
    {
        const QSignalBlocker quiet(ui_->lstDrive);
        ui_->lstDrive->setCurrentIndex(start);
    }
    if (start >= 0) {
        startDrive_ = drives_.at(start).rootPath;
        followedDrive_ = startDrive_;
        driveRoot_ = qtFolderPath(startDrive_);
    }
    setCurrentFolder(QDir::currentPath());
}

// Volumes come and go while the picker is open, so the drive list is read again
// each time the user arrives at it. The selected drive stays selected; when it has
// gone, the lists move to the drive the picker started on, as a drive change would.
void frmFolder::readDrives()
{
    const QString selected = selectedDrive();
    drives_ = services_.volumes->volumes();
    int index = selected.isEmpty() ? -1 : indexOfDrive(selected);
    const bool selectedGone = index < 0 && !selected.isEmpty();
    if (selectedGone)
        index = indexOfDrive(startDrive_);
    {
        const QSignalBlocker quiet(ui_->lstDrive);
        ui_->lstDrive->clear();
        for (const platform::VolumeEntry& drive : drives_)
            ui_->lstDrive->addDrive(drive.displayName, drive.rootPath);
        ui_->lstDrive->setCurrentIndex(index);
    }
    if (selectedGone && index >= 0)
        followDrive();
}

// The place of the drive at `rootPath` in the list, or -1.
int frmFolder::indexOfDrive(const QString& rootPath) const
{
    for (int i = 0; i < drives_.size(); ++i) {
        if (drives_.at(i).rootPath == rootPath)
            return i;
    }
    return -1;
}

// A volume unmounted while the picker is open can leave its empty folder behind:
// that folder is not the drive. A drive counts while the machine still lists it
// and it is ready.
bool frmFolder::isAvailable(const QString& rootPath) const
{
    const QList<platform::VolumeEntry> now = services_.volumes->volumes();
    const bool listed = std::any_of(
        now.begin(), now.end(), [&](const platform::VolumeEntry& drive) { return drive.rootPath == rootPath; });
    return listed && services_.volumes->isReady(rootPath);
}

QString frmFolder::selectedDrive() const
{
    const int index = ui_->lstDrive->currentIndex();
    return index >= 0 && index < drives_.size() ? drives_.at(index).rootPath : QString();
}

void frmFolder::rememberDrive()
{
    lastDrive_ = selectedDrive();
}

// The folder list goes to the chosen drive's own folder, its mount point. A drive
// without a medium, or gone since the list was read, is reported and the list goes
// back to the remembered drive; anything else that stops the change leaves both
// lists as they are.
void frmFolder::followDrive()
{
    const QString drive = selectedDrive();
    if (drive.isEmpty())
        return;
    if (!isAvailable(drive)) {
        warnDeviceNotReady();
        restoreDrive();
        return;
    }
    const QString root = qtFolderPath(drive);
    if (!QFileInfo(root).isDir())
        return;
    driveRoot_ = root;
    followedDrive_ = drive;
    setCurrentFolder(root);
    rememberDrive();
}

// Selecting the remembered drive is itself a drive change, so the folder list
// follows it before this returns. Where the remembered drive has gone from the
// list too, the drive the picker started on takes its place.
void frmFolder::restoreDrive()
{
    int index = indexOfDrive(lastDrive_);
    if (index < 0)
        index = indexOfDrive(startDrive_);
    if (index >= 0)
        ui_->lstDrive->setCurrentIndex(index);
}

void frmFolder::setCurrentFolder(const QString& path)
{
    entries_ = FolderEntries::read(driveRoot_, path);
    showEntries();
}

void frmFolder::showEntries()
{
    FolderList* list = ui_->lstFolder;
    list->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int index = -entries_.ancestorCount(); index < entries_.subfolderCount(); ++index) {
        auto* item = new QListWidgetItem(index < 0 ? open : closed, shown(entries_.name(index)), list);
        item->setData(FolderItemDelegate::depthRole, entries_.depth(index));
        item->setToolTip(shown(entries_.path(index)));
    }
    ui_->lstFolder->highlightRow(entries_.rowOf(-1));
}

void frmFolder::openRow(int row)
{
    const int index = entries_.indexOfRow(row);
    if (entries_.hasEntry(index))
        setCurrentFolder(entries_.path(index));
}

// Opens the entry just above the highlighted one: the parent for the current
// folder, the current folder itself for its first subfolder. The root has
// nothing above it and stays.
void frmFolder::upOneEntry()
{
    const int above = highlightedIndex() - 1;
    if (entries_.hasEntry(above))
        setCurrentFolder(entries_.path(above));
}

void frmFolder::acceptFolder()
{
    const QString folder = currentFolder();
    // A floppy is filled disk by disk by the split itself, which checks each disk.
    if (!services_.volumes->isFloppyDestination(folder)) {
        // Once the drive is gone, the folder shown is an empty one on another
        // volume: the split must not go there.
        if (!followedDrive_.isEmpty() && !isAvailable(followedDrive_)) {
            warnDeviceNotReady();
            return;
        }
        if (!sourceFitsOn(folder))
            return;
    }
    fields_.setDestinationText(folder);
    close();
}

// The whole source file must fit: free space equal to its length is too little.
bool frmFolder::sourceFitsOn(const QString& folder)
{
    const std::optional<qint64> freeSpace = services_.volumes->freeSpace(folder);
    if (!freeSpace) {
        warn(texts::freeSpaceUnknownTitle, texts::freeSpaceUnknown);
        return false;
    }
    const QFileInfo source(fields_.sourceText());
    if (!source.isFile() || !source.isReadable()) {
        warn(texts::sourceUnreadableTitle, texts::sourceUnreadable);
        return false;
    }
    if (*freeSpace <= source.size()) {
        warn(texts::lackOfSpaceTitle, texts::lackOfSpace);
        return false;
    }
    return true;
}

void frmFolder::warnDeviceNotReady()
{
    warn(texts::deviceNotReadyTitle, texts::deviceNotReady);
}

void frmFolder::warn(const QString& title, const QString& text)
{
    services_.messages->show(this, title, text, platform::MessageIcon::Warning, platform::MessageButtons::Ok);
}

QString frmFolder::shown(const QString& path) const
{
    return platform::toDisplayPath(path, services_.volumes->pathStyle());
}

} // namespace quarnix::ui
