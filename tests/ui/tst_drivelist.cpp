// The folder picker's drive list while volumes come and go, on a scripted mount
// table over real folders: it is read again when the user arrives at it, a drive
// gone since is refused like a drive without a medium, a mount point is no prefix
// of its neighbour's, and a long mount point fits the closed box.

#include "secondarywindowsfixture.h"
#include "ui/folder/drivelist.h"
#include "ui/folder/frmfolder.h"
#include "ui/main/frmmain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QToolTip>
#include <memory>

using namespace quarnix::testing;
using namespace quarnix::ui;

namespace {

const QString notReady = QStringLiteral("Device not ready|There is no media in the drive. Please insert the media and try again.");

QStringList items(const QComboBox* list)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    return shown;
}

} // namespace

class DriveListTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<FakeServices> fakes_;
    std::unique_ptr<frmMain> main_;
    const QString saved_ = QDir::currentPath();

    QString path(const QString& relative) const { return QDir::cleanPath(tree_->filePath(relative)); }
    frmFolder* picker() const { return main_->secondaryWindows().folderPicker(); }
    DriveList* drives() const { return child<DriveList>(picker(), "lstDrive"); }
    QString destination() const { return main_->destinationText(); }

    QStringList messages() const
    {
        QStringList shown;
        for (const ShownMessage& message : fakes_->messages.shown)
            shown << message.title + u'|' + message.text;
        return shown;
    }

    // The picker opens at the process's current folder, and is the active window.
    void open(const QString& start)
    {
        QVERIFY(QDir::setCurrent(path(start)));
        press(main_.get(), "cmdBrowseD");
        QVERIFY(picker());
        picker()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(picker()));
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(picker()->windowHandle(), key, modifiers);
    }

    // The user Tabs from Cancel to the drive list, as one arrives at it.
    void arriveAtDrives()
    {
        child<QWidget>(picker(), "cmdCancel")->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), drives());
    }

    void mount(const QString& folder, const QString& name)
    {
        QVERIFY(QDir(tree_->path()).mkpath(folder));
        fakes_->volumes.entries.append({path(folder), name});
    }

    // Gone from the mount table; its empty folder stays behind.
    void unmount(const QString& folder)
    {
        fakes_->volumes.entries.removeIf([&](const auto& entry) { return entry.rootPath == path(folder); });
    }

private slots:
    // The tree: data/inner and source.bin; the drives: Data (the tree) and the system
    // root. Each test first closes the windows of the one before and goes back to
    // the folder the run started in, before that test's folders go.
    void init()
    {
        main_.reset();
        QVERIFY(QDir::setCurrent(saved_));
        tree_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(tree_->path()).mkpath(QStringLiteral("data/inner")));
        QFile source(path("source.bin"));
        QVERIFY(source.open(QIODevice::WriteOnly) && source.write("quarnix") == 7);
        fakes_ = std::make_unique<FakeServices>();
        fakes_->volumes.entries = {{path("data"), "Data"}, {"/", "System"}};
        main_ = std::make_unique<frmMain>(fakes_->services());
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        main_->setSourceText(path("source.bin"));
        main_->setDestinationText("/untouched");
    }

    // A stick plugged in while the picker is open is listed once the user arrives
    // at the list. Pulled while the list has the focus, it is still shown, but
    // choosing it is refused and both lists go back to the drive the user arrived
    // with; so is a stick whose mount table entry outlived it. OK then takes that
    // drive's folder, never the stick's empty one.
    void driveListIsReadWhenTheUserArrives()
    {
        open("data/inner");
        mount("usb", "USB");
        QCOMPARE(items(drives()), QStringList({"Data", "System"}));
        arriveAtDrives();
        QCOMPARE(items(drives()), QStringList({"Data", "System", "USB"}));
        QCOMPARE(drives()->currentText(), "Data");

        unmount("usb");
        key(Qt::Key_End);
        QCOMPARE(messages(), QStringList(notReady));
        QCOMPARE(drives()->currentText(), "Data");
        QCOMPARE(picker()->currentFolder(), path("data"));

        mount("usb", "USB");
        fakes_->volumes.notReady = {path("usb")};
        arriveAtDrives();
        key(Qt::Key_End);
        QCOMPARE(messages(), QStringList({notReady, notReady}));
        QCOMPARE(drives()->currentText(), "Data");
        QCOMPARE(picker()->currentFolder(), path("data"));

        fakes_->volumes.freeSpaceOf.insert(path("data"), 1'000'000);
        press(picker(), "cmdOk");
        QCOMPARE(destination(), path("data"));
    }

    // The drive shown in the lists is pulled: arriving at the list shows it gone and
    // moves both lists to the drive the picker opened on, without a message; OK
    // before that refuses the stick's empty folder and keeps the picker open.
    void followedDriveGone()
    {
        mount("usb", "USB");
        open("data/inner");
        arriveAtDrives();
        key(Qt::Key_End);
        QCOMPARE(picker()->currentFolder(), path("usb"));

        unmount("usb");
        fakes_->volumes.notReady = {path("usb")};
        fakes_->volumes.freeSpaceOf.insert(path("usb"), 1'000'000);
        press(picker(), "cmdOk");
        QCOMPARE(messages(), QStringList(notReady));
        QCOMPARE(destination(), "/untouched");
        QVERIFY(picker()->isVisible());

        arriveAtDrives();
        QCOMPARE(items(drives()), QStringList({"Data", "System"}));
        QCOMPARE(drives()->currentText(), "Data");
        QCOMPARE(picker()->currentFolder(), path("data"));
        QCOMPARE(messages().size(), 1);
    }

    // A folder under /media/usb2 lies on the volume that holds /media/usb2, not on
    // the one mounted at /media/usb.
    void mountPointIsNoPrefixOfItsNeighbour()
    {
        mount("usb", "USB");
        QVERIFY(QDir(tree_->path()).mkpath(QStringLiteral("usb2/inner")));
        open("usb2/inner");
        QCOMPARE(drives()->currentText(), "System");
        auto* folders = child<QListWidget>(picker(), "lstFolder");
        QCOMPARE(folders->item(0)->text(), "/");
    }

    // A long mount point is cut in the middle in the closed box, which shows exactly
    // that, and whole in its tool tip and in the open list, which is wider than the
    // box.
    void longMountPoint()
    {
        const QString folder = QStringLiteral("media/quarnix/A volume whose label runs on and on");
        const QString name = path(folder) + QStringLiteral(" (Holiday photos 2024)");
        mount(folder, name);
        open("data/inner");
        arriveAtDrives();
        key(Qt::Key_End);
        QCOMPARE(drives()->currentText(), name);

        const QString closed = drives()->closedText();
        QStyleOptionComboBox option;
        option.initFrom(drives());
        const QRect field = drives()->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                              QStyle::SC_ComboBoxEditField, drives());
        QVERIFY2(drives()->fontMetrics().horizontalAdvance(closed) <= field.width(), qPrintable(closed));
        QVERIFY2(closed.startsWith(name.left(4)) && closed.endsWith(QStringLiteral("2024)"))
                     && closed.contains(QChar(0x2026)),
                 qPrintable(closed));
        // What the box draws is that text: it looks like a box holding only it.
        child<QWidget>(picker(), "lstFolder")->setFocus();
        QComboBox reference(picker());
        reference.setGeometry(drives()->geometry());
        reference.addItem(closed);
        QCOMPARE(drives()->grab().toImage(), reference.grab().toImage());

        const QPoint inside(5, 5);
        QHelpEvent tip(QEvent::ToolTip, inside, drives()->mapToGlobal(inside));
        QCoreApplication::sendEvent(drives(), &tip);
        QCOMPARE(QToolTip::text(), name);
        QToolTip::hideText();

        // The open list, in this desktop's style and in the Windows one, which does not
        // widen a drop-down by itself.
        QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"));
        QVERIFY(windows);
        windows->setParent(picker());
        for (QStyle* style : {drives()->style(), windows}) {
            drives()->setStyle(style);
            drives()->setFocus();
            key(Qt::Key_Down, Qt::AltModifier);
            QAbstractItemView* list = drives()->view();
            QVERIFY(QTest::qWaitForWindowExposed(list->window()));
            const QModelIndex entry = list->model()->index(drives()->currentIndex(), 0);
            QVERIFY(list->window()->width() > drives()->width());
            QVERIFY2(list->visualRect(entry).width() >= list->sizeHintForIndex(entry).width(),
                     qPrintable(style->name()));
            QTest::keyClick(list, Qt::Key_Escape);
            QVERIFY(!list->isVisible());
        }
        drives()->setStyle(nullptr);
        QVERIFY(picker()->isVisible());
        QCOMPARE(messages(), QStringList());
    }
};

QTEST_MAIN(DriveListTest)
#include "tst_drivelist.moc"
