// The folder picker over a real folder tree, with scripted drives, free space and
// message boxes.

#include "fakeservices.h"
#include "secondarytesting.h"
#include "ui/folder/folderentries.h"
#include "ui/folder/frmfolder.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quarnix::platform::MessageButtons;
using quarnix::platform::MessageIcon;
using quarnix::testing::FakeFields;
using quarnix::testing::FakeServices;
using quarnix::ui::frmFolder;

namespace {

constexpr qint64 sourceLength = 5000;

const QString noMediaText =
    QStringLiteral("There is no media in the drive. Please insert the media and try again.");
const QString lackOfSpaceText = QStringLiteral(
    "The selected drive doesn't have enough space, to hold the entire split. Try selecting another location.");

} // namespace

class FolderPickerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensAtTheProcessFolderOnItsDrive();
    void listsAncestorsFromTheRootThenSortedSubfolders();
    void singleClickHighlightsWithoutOpening();
    void doubleClickOpensAnEntry_data();
    void doubleClickOpensAnEntry();
    void upOpensTheEntryAboveTheHighlight_data();
    void upOpensTheEntryAboveTheHighlight();
    void okWritesTheCurrentFolderAndCloses_data();
    void okWritesTheCurrentFolderAndCloses();
    void okTakesTheCurrentFolderNotTheHighlightedOne();
    void freeSpaceMustExceedTheWholeSource_data();
    void freeSpaceMustExceedTheWholeSource();
    void floppyIsAcceptedWithoutSpaceCheck();
    void unknownFreeSpaceIsReportedAndPickerStays();
    void unreadableSourceIsReportedAndPickerStays_data();
    void unreadableSourceIsReportedAndPickerStays();
    void focusOnDriveListRemembersTheDrive();
    void followingADriveOpensItsRoot();
    void driveWithoutMediaRestoresTheRememberedDrive();
    void driveWithoutMediaBeforeAnythingRememberedRestoresTheStartDrive();
    void otherDriveFailureChangesNothingSilently();
    void cancelAndCloseLeaveTheDestinationAlone_data();
    void cancelAndCloseLeaveTheDestinationAlone();
    void escapePressesNothingAndEnterPressesOk();
    void windowLooksAsLaidOut();
    void captionsFitTheirBoxes();

private:
    frmFolder* openPicker();
    QListWidget* folderList() const;
    QComboBox* driveList() const;
    QPushButton* button(const QString& name) const;
    QStringList listTexts() const;
    QListWidgetItem* itemOf(int index) const;
    QPoint onWindow(QListWidgetItem* item) const;
    void click(int index);
    void doubleClick(int index);
    void focusDriveList();
    QString path(const QString& relative) const;

    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<QTemporaryDir> otherDrive_;
    std::unique_ptr<FakeServices> fakes_;
    std::unique_ptr<FakeFields> fields_;
    QPointer<frmFolder> picker_;
    QString savedFolder_;
};

QString FolderPickerTest::path(const QString& relative) const
{
    return relative.isEmpty() ? tree_->path() : tree_->path() + u'/' + relative;
}

// The tree:            drives:
//   alpha/inner/one      Data    the tree's root (the process starts in alpha/inner)
//   alpha/inner/Three    Other   another folder, with one subfolder
//   alpha/inner/two      Floppy  not ready (no medium)
//   beta/  Gamma/        Ghost   ready, but its root does not exist
//   source.bin (5000 bytes)
void FolderPickerTest::init()
{
    tree_ = std::make_unique<QTemporaryDir>();
    otherDrive_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tree_->isValid() && otherDrive_->isValid());
    QDir root(tree_->path());
    for (const char* folder : {"alpha/inner/one", "alpha/inner/Three", "alpha/inner/two", "beta", "Gamma"})
        QVERIFY(root.mkpath(QString::fromLatin1(folder)));
    QVERIFY(QDir(otherDrive_->path()).mkpath(QStringLiteral("x")));
    QFile source(path(QStringLiteral("source.bin")));
    QVERIFY(source.open(QIODevice::WriteOnly));
    QCOMPARE(source.write(QByteArray(sourceLength, 'q')), sourceLength);
    source.close();

    fakes_ = std::make_unique<FakeServices>();
    fakes_->volumes.entries = {
        {tree_->path(), QStringLiteral("Data")},
        {otherDrive_->path(), QStringLiteral("Other")},
        {path(QStringLiteral("floppy")), QStringLiteral("Floppy")},
        {path(QStringLiteral("ghost")), QStringLiteral("Ghost")},
    };
    fakes_->volumes.notReady = {path(QStringLiteral("floppy"))};
    fields_ = std::make_unique<FakeFields>();
    fields_->source = path(QStringLiteral("source.bin"));
    fields_->destination = QStringLiteral("/untouched");

    savedFolder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(path(QStringLiteral("alpha/inner"))));
}

void FolderPickerTest::cleanup()
{
    delete picker_.data();
    QDir::setCurrent(savedFolder_);
    fakes_.reset();
    otherDrive_.reset();
    tree_.reset();
}

frmFolder* FolderPickerTest::openPicker()
{
    picker_ = new frmFolder(*fields_, fakes_->services());
    picker_->show();
    if (!QTest::qWaitForWindowExposed(picker_))
        return nullptr;
    return picker_;
}

QListWidget* FolderPickerTest::folderList() const
{
    return picker_->findChild<QListWidget*>(QStringLiteral("lstFolder"));
}

QComboBox* FolderPickerTest::driveList() const
{
    return picker_->findChild<QComboBox*>(QStringLiteral("lstDrive"));
}

QPushButton* FolderPickerTest::button(const QString& name) const
{
    return picker_->findChild<QPushButton*>(name);
}

QStringList FolderPickerTest::listTexts() const
{
    QStringList texts;
    for (int row = 0; row < folderList()->count(); ++row)
        texts.append(folderList()->item(row)->text());
    return texts;
}

// Entries are shown in increasing number with the current folder (-1) highlighted
// right after each opening; tests call this only while that holds or after a
// single click, which moves the highlight but not the entries.
QListWidgetItem* FolderPickerTest::itemOf(int index) const
{
    const int currentRow = folderList()->currentRow() - picker_->highlightedIndex() - 1;
    return folderList()->item(currentRow + 1 + index);
}

// The middle of an entry in the window's coordinates: clicks go through the window
// system, which finds the control under the pointer and makes double clicks.
QPoint FolderPickerTest::onWindow(QListWidgetItem* item) const
{
    return folderList()->viewport()->mapTo(picker_, folderList()->visualItemRect(item).center());
}

void FolderPickerTest::click(int index)
{
    QListWidgetItem* item = itemOf(index);
    QVERIFY(item);
    QTest::mouseClick(picker_->windowHandle(), Qt::LeftButton, {}, onWindow(item));
}

void FolderPickerTest::doubleClick(int index)
{
    QListWidgetItem* item = itemOf(index);
    QVERIFY(item);
    QTest::mouseDClick(picker_->windowHandle(), Qt::LeftButton, {}, onWindow(item));
}

void FolderPickerTest::focusDriveList()
{
    picker_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(picker_));
    driveList()->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(driveList()->hasFocus());
}

void FolderPickerTest::opensAtTheProcessFolderOnItsDrive()
{
    QVERIFY(openPicker());
    QCOMPARE(picker_->currentFolder(), path(QStringLiteral("alpha/inner")));
    QCOMPARE(picker_->highlightedIndex(), -1);
    QCOMPARE(driveList()->currentText(), QStringLiteral("Data"));
    QCOMPARE(driveList()->count(), 4);
    QVERIFY(picker_->lastDrive().isEmpty());
    QVERIFY(fields_->written.isEmpty());
}

void FolderPickerTest::listsAncestorsFromTheRootThenSortedSubfolders()
{
    QVERIFY(openPicker());
    // The drive's root shows whole, every other entry by its name; subfolders are
    // sorted without regard to case.
    QCOMPARE(listTexts(), QStringList({tree_->path(), QStringLiteral("alpha"), QStringLiteral("inner"),
                                       QStringLiteral("one"), QStringLiteral("Three"),
                                       QStringLiteral("two")}));
    QCOMPARE(picker_->entryPath(-3), tree_->path());
    QCOMPARE(picker_->entryPath(-2), path(QStringLiteral("alpha")));
    QCOMPARE(picker_->entryPath(-1), path(QStringLiteral("alpha/inner")));
    QCOMPARE(picker_->entryPath(0), path(QStringLiteral("alpha/inner/one")));
    QCOMPARE(picker_->entryPath(2), path(QStringLiteral("alpha/inner/two")));
    QVERIFY(picker_->entryPath(-4).isEmpty());
    QVERIFY(picker_->entryPath(3).isEmpty());
    QCOMPARE(folderList()->currentItem()->text(), QStringLiteral("inner"));
}

void FolderPickerTest::singleClickHighlightsWithoutOpening()
{
    QVERIFY(openPicker());
    click(1);
    QCOMPARE(picker_->highlightedIndex(), 1);
    QCOMPARE(picker_->currentFolder(), path(QStringLiteral("alpha/inner")));
    click(-3);
    QCOMPARE(picker_->highlightedIndex(), -3);
    QCOMPARE(picker_->currentFolder(), path(QStringLiteral("alpha/inner")));
}

void FolderPickerTest::doubleClickOpensAnEntry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("subfolder") << 1 << QStringLiteral("alpha/inner/Three")
                               << QStringList({QStringLiteral("alpha"), QStringLiteral("inner"),
                                               QStringLiteral("Three")});
    QTest::newRow("parent") << -2 << QStringLiteral("alpha")
                            << QStringList({QStringLiteral("alpha"), QStringLiteral("inner")});
    QTest::newRow("root") << -3 << QString()
                          << QStringList({QStringLiteral("alpha"), QStringLiteral("beta"),
                                          QStringLiteral("Gamma")});
    QTest::newRow("current folder") << -1 << QStringLiteral("alpha/inner")
                                    << QStringList({QStringLiteral("alpha"), QStringLiteral("inner"),
                                                    QStringLiteral("one"), QStringLiteral("Three"),
                                                    QStringLiteral("two")});
}

void FolderPickerTest::doubleClickOpensAnEntry()
{
    QFETCH(int, index);
    QFETCH(QString, opened);
    QFETCH(QStringList, shown);

    QVERIFY(openPicker());
    doubleClick(index);
    QCOMPARE(picker_->currentFolder(), path(opened));
    QCOMPARE(picker_->highlightedIndex(), -1);
    QCOMPARE(listTexts(), QStringList({tree_->path()}) + shown);
    QVERIFY(fields_->written.isEmpty());
}

void FolderPickerTest::upOpensTheEntryAboveTheHighlight_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("highlight"); // clicked before Up; -1 leaves the current folder highlighted
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("highlightAfter");

    QTest::newRow("current folder: its parent") << "alpha/inner" << -1 << "alpha" << -1;
    QTest::newRow("first subfolder: the current folder again") << "alpha/inner" << 0 << "alpha/inner" << -1;
    QTest::newRow("second subfolder: the first") << "alpha/inner" << 1 << "alpha/inner/one" << -1;
    QTest::newRow("last subfolder: the one before") << "alpha/inner" << 2 << "alpha/inner/Three" << -1;
    QTest::newRow("parent: the grandparent") << "alpha/inner" << -2 << "" << -1;
    QTest::newRow("root highlighted: nothing above it") << "alpha/inner" << -3 << "alpha/inner" << -3;
    QTest::newRow("at the root: nothing changes") << "" << -1 << "" << -1;
}

void FolderPickerTest::upOpensTheEntryAboveTheHighlight()
{
    QFETCH(QString, start);
    QFETCH(int, highlight);
    QFETCH(QString, expected);
    QFETCH(int, highlightAfter);

    QVERIFY(QDir::setCurrent(path(start)));
    QVERIFY(openPicker());
    if (highlight != -1)
        click(highlight);
    QCOMPARE(picker_->highlightedIndex(), highlight);
    QTest::mouseClick(button(QStringLiteral("cmdUp")), Qt::LeftButton);
    QCOMPARE(picker_->currentFolder(), path(expected));
    QCOMPARE(picker_->highlightedIndex(), highlightAfter);
    QCOMPARE(picker_->entryPath(-1), path(expected));
}

void FolderPickerTest::okWritesTheCurrentFolderAndCloses_data()
{
    QTest::addColumn<int>("driveToFollow"); // -1: stay on the start drive, 0: go up to its root
    QTest::addColumn<QString>("folder");    // relative to the tree, or absolute

    QTest::newRow("subfolder, no separator at the end") << -1 << "alpha/inner";
    QTest::newRow("the drive's root") << 0 << "";
    QTest::newRow("the file system's root keeps its separator") << 4 << "/";
}

void FolderPickerTest::okWritesTheCurrentFolderAndCloses()
{
    QFETCH(int, driveToFollow);
    QFETCH(QString, folder);
    const QString expected = folder.startsWith(u'/') ? folder : path(folder);

    fakes_->volumes.entries.append({QStringLiteral("/"), QStringLiteral("/ (System)")});
    fakes_->volumes.freeSpaceOf.insert(expected, sourceLength * 10);
    QVERIFY(openPicker());
    if (driveToFollow == 0)
        QTest::mouseClick(button(QStringLiteral("cmdUp")), Qt::LeftButton); // alpha
    if (driveToFollow == 0)
        QTest::mouseClick(button(QStringLiteral("cmdUp")), Qt::LeftButton); // the root
    if (driveToFollow > 0)
        driveList()->setCurrentIndex(driveToFollow);
    QCOMPARE(picker_->currentFolder(), expected);

    QTest::mouseClick(button(QStringLiteral("cmdOk")), Qt::LeftButton);
    QCOMPARE(fields_->written, QStringList({expected}));
    QCOMPARE(fields_->destination, expected); // the destination rule leaves a POSIX folder as it is
    QCOMPARE(fakes_->volumes.queries, QStringList({expected}));
    QVERIFY(fakes_->messages.shown.isEmpty());
    QVERIFY(picker_->isHidden());
    quarnix::testing::deleteClosedWindows();
    QVERIFY(picker_.isNull());
}

void FolderPickerTest::okTakesTheCurrentFolderNotTheHighlightedOne()
{
    fakes_->volumes.freeSpaceOf.insert(path(QStringLiteral("alpha/inner")), sourceLength + 1);
    QVERIFY(openPicker());
    click(2);
    QTest::mouseClick(button(QStringLiteral("cmdOk")), Qt::LeftButton);
    QCOMPARE(fields_->written, QStringList({path(QStringLiteral("alpha/inner"))}));
}

void FolderPickerTest::freeSpaceMustExceedTheWholeSource_data()
{
    QTest::addColumn<qint64>("freeSpace");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("free space equal to the source length") << sourceLength << false;
    QTest::newRow("one byte more") << sourceLength + 1 << true;
    QTest::newRow("far less") << qint64(0) << false;
    // A chunk of 1.25 MB would fit, the whole 5000-byte file would not: the check
    // is against the whole source.
    QTest::newRow("one byte less") << sourceLength - 1 << false;
}

void FolderPickerTest::freeSpaceMustExceedTheWholeSource()
{
    QFETCH(qint64, freeSpace);
    QFETCH(bool, accepted);

    const QString folder = path(QStringLiteral("alpha/inner"));
    fakes_->volumes.freeSpaceOf.insert(folder, freeSpace);
    QVERIFY(openPicker());
    click(1);
    const QStringList before = listTexts();

    QTest::mouseClick(button(QStringLiteral("cmdOk")), Qt::LeftButton);
    QCOMPARE(fakes_->volumes.queries, QStringList({folder}));
    if (accepted) {
        QCOMPARE(fields_->written, QStringList({folder}));
        QVERIFY(fakes_->messages.shown.isEmpty());
        QVERIFY(picker_->isHidden());
        return;
    }
    QCOMPARE(fakes_->messages.shown.size(), 1);
    const auto& message = fakes_->messages.shown.first();
    QCOMPARE(message.title, QStringLiteral("Lack of space"));
    QCOMPARE(message.text, lackOfSpaceText);
    QCOMPARE(message.icon, MessageIcon::Warning);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QVERIFY(fields_->written.isEmpty());
    QCOMPARE(fields_->destination, QStringLiteral("/untouched"));
    QVERIFY(picker_->isVisible());
    QCOMPARE(listTexts(), before);
    QCOMPARE(picker_->highlightedIndex(), 1);
    QCOMPARE(picker_->currentFolder(), folder);
}

void FolderPickerTest::floppyIsAcceptedWithoutSpaceCheck()
{
    fakes_->volumes.floppies = {path(QStringLiteral("alpha"))};
    fakes_->volumes.freeSpaceOf.insert(path(QStringLiteral("alpha/inner")), 0);
    fields_->source = path(QStringLiteral("no such file"));
    QVERIFY(openPicker());
    QTest::mouseClick(button(QStringLiteral("cmdOk")), Qt::LeftButton);
    QVERIFY(fakes_->volumes.queries.isEmpty());
    QVERIFY(fakes_->messages.shown.isEmpty());
    QCOMPARE(fields_->written, QStringList({path(QStringLiteral("alpha/inner"))}));
    QVERIFY(picker_->isHidden());
}

void FolderPickerTest::unknownFreeSpaceIsReportedAndPickerStays()
{
    QVERIFY(openPicker());
    QTest::mouseClick(button(QStringLiteral("cmdOk")), Qt::LeftButton);
    QCOMPARE(fakes_->messages.shown.size(), 1);
    QCOMPARE(fakes_->messages.shown.first().title, QStringLiteral("Free space unknown"));
    QCOMPARE(fakes_->messages.shown.first().text,
             QStringLiteral("The free space of the selected drive could not be found out. "
                            "Try selecting another location."));
    QCOMPARE(fakes_->messages.shown.first().icon, MessageIcon::Warning);
    QVERIFY(fields_->written.isEmpty());
    QVERIFY(picker_->isVisible());
}

void FolderPickerTest::unreadableSourceIsReportedAndPickerStays_data()
{
    QTest::addColumn<QString>("source"); // relative to the tree
    QTest::addColumn<bool>("empty");
    QTest::newRow("missing file") << "gone.bin" << false;
    QTest::newRow("a folder") << "beta" << false;
    QTest::newRow("empty text") << "" << true;
}

void FolderPickerTest::unreadableSourceIsReportedAndPickerStays()
{
    QFETCH(QString, source);
    QFETCH(bool, empty);
    fields_->source = empty ? QString() : path(source);
    fakes_->volumes.freeSpaceOf.insert(path(QStringLiteral("alpha/inner")), sourceLength * 10);
    QVERIFY(openPicker());
    QTest::mouseClick(button(QStringLiteral("cmdOk")), Qt::LeftButton);
    QCOMPARE(fakes_->messages.shown.size(), 1);
    QCOMPARE(fakes_->messages.shown.first().title, QStringLiteral("Source file unreadable"));
    QCOMPARE(fakes_->messages.shown.first().text,
             QStringLiteral("The source file cannot be read, so the space it needs is unknown. "
                            "Select the source file again and then the destination folder."));
    QCOMPARE(fakes_->messages.shown.first().icon, MessageIcon::Warning);
    QVERIFY(fields_->written.isEmpty());
    QVERIFY(picker_->isVisible());
}

void FolderPickerTest::focusOnDriveListRemembersTheDrive()
{
    QVERIFY(openPicker());
    focusDriveList();
    QCOMPARE(picker_->lastDrive(), tree_->path());
}

void FolderPickerTest::followingADriveOpensItsRoot()
{
    QVERIFY(openPicker());
    focusDriveList();
    QTest::keyClick(driveList(), Qt::Key_Down); // Data -> Other
    QCOMPARE(driveList()->currentText(), QStringLiteral("Other"));
    QCOMPARE(picker_->currentFolder(), otherDrive_->path());
    QCOMPARE(listTexts(), QStringList({otherDrive_->path(), QStringLiteral("x")}));
    QCOMPARE(picker_->lastDrive(), otherDrive_->path());
    QVERIFY(fakes_->messages.shown.isEmpty());
}

void FolderPickerTest::driveWithoutMediaRestoresTheRememberedDrive()
{
    QVERIFY(openPicker());
    focusDriveList();
    driveList()->setCurrentIndex(1); // Other: followed, and remembered
    QString shownDuringMessage;
    fakes_->messages.onShow = [&](const quarnix::testing::ShownMessage&) {
        shownDuringMessage = driveList()->currentText();
    };
    driveList()->setCurrentIndex(2); // Floppy, no medium

    QCOMPARE(fakes_->messages.shown.size(), 1);
    const auto& message = fakes_->messages.shown.first();
    QCOMPARE(message.title, QStringLiteral("Device not ready"));
    QCOMPARE(message.text, noMediaText);
    QCOMPARE(message.icon, MessageIcon::Warning);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(shownDuringMessage, QStringLiteral("Floppy"));
    QCOMPARE(driveList()->currentText(), QStringLiteral("Other"));
    QCOMPARE(picker_->currentFolder(), otherDrive_->path());
    QCOMPARE(picker_->lastDrive(), otherDrive_->path());
    QVERIFY(fields_->written.isEmpty());
}

void FolderPickerTest::driveWithoutMediaBeforeAnythingRememberedRestoresTheStartDrive()
{
    QVERIFY(openPicker());
    driveList()->setCurrentIndex(2); // the list never had the focus
    QCOMPARE(fakes_->messages.shown.size(), 1);
    QCOMPARE(fakes_->messages.shown.first().title, QStringLiteral("Device not ready"));
    QCOMPARE(driveList()->currentText(), QStringLiteral("Data"));
    // Following the restored drive opens its root, as any drive change does.
    QCOMPARE(picker_->currentFolder(), tree_->path());
    QCOMPARE(picker_->lastDrive(), tree_->path());
}

void FolderPickerTest::otherDriveFailureChangesNothingSilently()
{
    QVERIFY(openPicker());
    focusDriveList();
    driveList()->setCurrentIndex(3); // Ghost: ready, but its folder is not there
    QVERIFY(fakes_->messages.shown.isEmpty());
    QCOMPARE(driveList()->currentText(), QStringLiteral("Ghost"));
    QCOMPARE(picker_->currentFolder(), path(QStringLiteral("alpha/inner")));
    QCOMPARE(picker_->lastDrive(), tree_->path());
}

void FolderPickerTest::cancelAndCloseLeaveTheDestinationAlone_data()
{
    QTest::addColumn<bool>("byTitleBar");
    QTest::newRow("Cancel") << false;
    QTest::newRow("title bar close") << true;
}

void FolderPickerTest::cancelAndCloseLeaveTheDestinationAlone()
{
    QFETCH(bool, byTitleBar);
    fakes_->volumes.freeSpaceOf.insert(path(QStringLiteral("alpha")), sourceLength * 10);
    QVERIFY(openPicker());
    QTest::mouseClick(button(QStringLiteral("cmdUp")), Qt::LeftButton);
    if (byTitleBar)
        QVERIFY(picker_->close());
    else
        QTest::mouseClick(button(QStringLiteral("cmdCancel")), Qt::LeftButton);
    QVERIFY(picker_->isHidden());
    QVERIFY(fields_->written.isEmpty());
    QCOMPARE(fields_->destination, QStringLiteral("/untouched"));
    QVERIFY(fakes_->volumes.queries.isEmpty());
    quarnix::testing::deleteClosedWindows();
    QVERIFY(picker_.isNull());
}

void FolderPickerTest::escapePressesNothingAndEnterPressesOk()
{
    fakes_->volumes.freeSpaceOf.insert(path(QStringLiteral("alpha/inner")), sourceLength * 10);
    QVERIFY(openPicker());
    picker_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(picker_));
    QCOMPARE(QApplication::focusWidget(), button(QStringLiteral("cmdOk")));

    folderList()->setFocus();
    QTest::keyClick(folderList(), Qt::Key_Escape);
    QVERIFY(picker_->isVisible());
    QVERIFY(fields_->written.isEmpty());

    QTest::keyClick(folderList(), Qt::Key_Return);
    QCOMPARE(fields_->written, QStringList({path(QStringLiteral("alpha/inner"))}));
}

void FolderPickerTest::windowLooksAsLaidOut()
{
    QVERIFY(openPicker());
    QCOMPARE(picker_->windowTitle(), QStringLiteral("Where to split..."));
    QCOMPARE(picker_->windowType(), Qt::Tool); // no taskbar entry
    const Qt::WindowFlags flags = picker_->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(picker_->geometry(), QRect(138, 155, 225, 234));
    QCOMPARE(picker_->minimumSize(), picker_->maximumSize());
    QCOMPARE(picker_->windowIcon().availableSizes(),
             QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48)}));
    QCOMPARE(picker_->backgroundRole(), QPalette::Button);

    QVERIFY(button(QStringLiteral("cmdOk"))->isDefault());
    QCOMPARE(button(QStringLiteral("cmdOk"))->text(), QStringLiteral("&Ok"));
    QCOMPARE(button(QStringLiteral("cmdCancel"))->text(), QStringLiteral("&Cancel"));
    QPushButton* up = button(QStringLiteral("cmdUp"));
    QVERIFY(up->text().isEmpty());
    QCOMPARE(up->toolTip(), QStringLiteral("One level up."));
    QCOMPARE(up->iconSize(), QSize(17, 15));
    QCOMPARE(up->icon().pixmap(QSize(17, 15)).toImage().pixelColor(0, 0), QColor(192, 192, 192));
    QCOMPARE(picker_->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Folder:"));
    QCOMPARE(folderList()->geometry(), QRect(24, 46, 177, 141));

    // Tab order: Ok, Up, Cancel, the drive list, the folder list, and round again.
    QStringList order;
    QWidget* widget = button(QStringLiteral("cmdOk"));
    for (int i = 0; i < 6; ++i) {
        order.append(widget->objectName());
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || widget == folderList()->viewport());
    }
    QCOMPARE(order, QStringList({"cmdOk", "cmdUp", "cmdCancel", "lstDrive", "lstFolder", "cmdOk"}));
}

void FolderPickerTest::captionsFitTheirBoxes()
{
    QVERIFY(openPicker());
    const QStringList clipped = quarnix::testing::clippedCaptions(picker_);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(FolderPickerTest)
#include "foldertest.moc"
