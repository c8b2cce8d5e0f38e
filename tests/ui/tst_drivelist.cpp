// The folder picker's drive list while volumes come and go, on a scripted mount
// table over real folders: it is read again when the user arrives at it, a drive
// gone since is refused like a drive without a medium, a mount point is no prefix
// of its neighbour's, and a long mount point fits the closed box.

#include "fourwindowsfixture.h"
#include "ui/folder/drivelist.h"

using namespace quarnix::testing;
using namespace quarnix::ui;

namespace {

QStringList items(const QComboBox* list)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    return shown;
}

// The tree: data/inner and the source file; the drives: Data (data) and the system
// root. Drives come and go as the tests mount and unmount them.
struct Mounts : FourWindows {
    Mounts()
    {
        QVERIFY(QDir(folder.path()).mkpath(u"data/inner"_s));
        main.setSourceText(file(u"source.bin"_s, "quarnix"));
        main.setDestinationText(u"/untouched"_s);
        fakes.volumes.entries = { { path("data"), "Data" }, { "/", "System" } };
    }

    DriveList* drives() { return child<DriveList>(picker(), "lstDrive"); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { press(picker(), key, modifiers); }

    // The user Tabs from Cancel to the drive list, as one arrives at it.
    void arriveAtDrives()
    {
        child(picker(), "cmdCancel")->setFocus(Qt::MouseFocusReason);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), drives());
    }

    void mount(const QString& name, const QString& volume)
    {
        QVERIFY(QDir(folder.path()).mkpath(name));
        fakes.volumes.entries.append({ path(name), volume });
    }

    // Gone from the mount table; its empty folder stays behind.
    void unmount(const QString& name)
    {
        fakes.volumes.entries.removeIf([&](const auto& entry) { return entry.rootPath == path(name); });
    }
};

} // namespace

class DriveListTest : public QObject {
    Q_OBJECT
private slots:
    // A stick plugged in while the picker is open is listed once the user arrives
    // at the list. Pulled while the list has the focus, it is still shown, but
    // choosing it is refused and both lists go back to the drive the user arrived
    // with; so is a stick whose mount table entry outlived it. OK then takes that
    // drive's folder, never the stick's empty one.
    void driveListIsReadWhenTheUserArrives()
    {
        Mounts f;
        frmFolder* picker = f.openPickerAt(f.path("data/inner"));
        f.mount("usb", "USB");
        QCOMPARE(items(f.drives()), QStringList({ "Data", "System" }));
        f.arriveAtDrives();
        QCOMPARE(items(f.drives()), QStringList({ "Data", "System", "USB" }));
        QCOMPARE(f.drives()->currentText(), "Data");

        f.unmount("usb");
        f.key(Qt::Key_End);
        QCOMPARE(f.messages(), QStringList(notReady));
        QCOMPARE(f.drives()->currentText(), "Data");
        QCOMPARE(picker->currentFolder(), f.path("data"));

        f.mount("usb", "USB");
        f.fakes.volumes.notReady = { f.path("usb") };
        f.arriveAtDrives();
        f.key(Qt::Key_End);
        QCOMPARE(f.messages(), QStringList({ notReady, notReady }));
        QCOMPARE(f.drives()->currentText(), "Data");
        QCOMPARE(picker->currentFolder(), f.path("data"));

        f.fakes.volumes.freeSpaceOf.insert(f.path("data"), 1'000'000);
        click(picker, "cmdOk");
        QCOMPARE(f.main.destinationText(), f.path("data"));
    }

    // The drive shown in the lists is pulled: arriving at the list shows it gone and
    // moves both lists to the drive the picker opened on, without a message; OK
    // before that refuses the stick's empty folder and keeps the picker open.
    void followedDriveGone()
    {
        Mounts f;
        f.mount("usb", "USB");
        frmFolder* picker = f.openPickerAt(f.path("data/inner"));
        f.arriveAtDrives();
        f.key(Qt::Key_End);
        QCOMPARE(picker->currentFolder(), f.path("usb"));

        f.unmount("usb");
        f.fakes.volumes.notReady = { f.path("usb") };
        f.fakes.volumes.freeSpaceOf.insert(f.path("usb"), 1'000'000);
        click(picker, "cmdOk");
        QCOMPARE(f.messages(), QStringList(notReady));
        QCOMPARE(f.main.destinationText(), "/untouched");
        QVERIFY(picker->isVisible());

        f.arriveAtDrives();
        QCOMPARE(items(f.drives()), QStringList({ "Data", "System" }));
        QCOMPARE(f.drives()->currentText(), "Data");
        QCOMPARE(picker->currentFolder(), f.path("data"));
        QCOMPARE(f.messages().size(), 1);
    }

    // A folder under /media/usb2 lies on the volume that holds /media/usb2, not on
    // the one mounted at /media/usb.
    void mountPointIsNoPrefixOfItsNeighbour()
    {
        Mounts f;
        f.mount("usb", "USB");
        QVERIFY(QDir(f.folder.path()).mkpath(u"usb2/inner"_s));
        frmFolder* picker = f.openPickerAt(f.path("usb2/inner"));
        QCOMPARE(f.drives()->currentText(), "System");
        QCOMPARE(child<QListWidget>(picker, "lstFolder")->item(0)->text(), "/");
    }

    // A long mount point is cut in the middle in the closed box, which shows exactly
    // that, and whole in its tool tip and in the open list, which is wider than the
    // box.
    void longMountPoint()
    {
        Mounts f;
        const QString folder = u"media/quarnix/A volume whose label runs on and on"_s;
        const QString name = f.path(folder) + u" (Holiday photos 2024)"_s;
        f.mount(folder, name);
        frmFolder* picker = f.openPickerAt(f.path("data/inner"));
        f.arriveAtDrives();
        f.key(Qt::Key_End);
        DriveList* drives = f.drives();
        QCOMPARE(drives->currentText(), name);

        const QString closed = drives->closedText();
        QStyleOptionComboBox option;
        option.initFrom(drives);
        const QRect field = drives->style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, drives);
        QVERIFY2(drives->fontMetrics().horizontalAdvance(closed) <= field.width(), qPrintable(closed));
        QVERIFY2(
            closed.startsWith(name.left(4)) && closed.endsWith(u"2024)"_s) && closed.contains(QChar(0x2026)),
            qPrintable(closed));
        // What the box draws is that text: it looks like a box holding only it.
        child(picker, "lstFolder")->setFocus();
        QComboBox reference(picker);
        reference.setGeometry(drives->geometry());
        reference.addItem(closed);
        QCOMPARE(drives->grab().toImage(), reference.grab().toImage());

        const QPoint inside(5, 5);
        QHelpEvent tip(QEvent::ToolTip, inside, drives->mapToGlobal(inside));
        QCoreApplication::sendEvent(drives, &tip);
        QCOMPARE(QToolTip::text(), name);
        QToolTip::hideText();

        // The open list, in this desktop's style and in the Windows one, which does not
        // widen a drop-down by itself.
        QStyle* windows = QStyleFactory::create(u"Windows"_s);
        QVERIFY(windows);
        windows->setParent(picker);
        for (QStyle* style : { drives->style(), windows }) {
            drives->setStyle(style);
            drives->setFocus();
            f.key(Qt::Key_Down, Qt::AltModifier);
            QAbstractItemView* list = drives->view();
            QVERIFY(QTest::qWaitForWindowExposed(list->window()));
            const QModelIndex entry = list->model()->index(drives->currentIndex(), 0);
            QVERIFY(list->window()->width() > drives->width());
            QVERIFY2(list->visualRect(entry).width() >= list->sizeHintForIndex(entry).width(),
                qPrintable(style->name()));
            QTest::keyClick(list, Qt::Key_Escape);
            QVERIFY(!list->isVisible());
        }
        drives->setStyle(nullptr);
        QVERIFY(picker->isVisible());
        QCOMPARE(f.messages(), QStringList());
    }
};

QTEST_MAIN(DriveListTest)
#include "tst_drivelist.moc"
