// The folder picker, the help and About windows, GotoWeb and F1, opened from the real
// main window over a real folder tree, with scripted drives, free space and message
// boxes; and where each window appears. The picker's drive list is read again when
// the user arrives at it, as volumes come and go on the scripted mount table.

#include "fourwindowsfixture.h"
#include "ui/folder/drivelist.h"
#include "ui/folder/folderlist.h"

using namespace quarnix::testing;
using namespace quarnix::ui;

namespace {

constexpr qint64 length = 5000; // of the source file

// Moves the pointer to `at` in `control`, and clicks there `clicks` times, through
// the window system, which finds the control under the pointer as for a user.
void pointAt(QWidget* control, QPoint at, int clicks = 0)
{
    QWindow* window = control->window()->windowHandle();
    at = control->mapTo(control->window(), at);
    if (clicks == 0)
        QTest::mouseMove(window, at);
    else if (clicks == 1)
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
    else
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
}

// The tree: alpha/inner/{one,Three,two}, beta/x and the source file; the drives:
// Data (the tree), Other (beta), Floppy (no medium) and the system root, and any
// that a test mounts over a folder of the tree.
struct Tree : FourWindows {
    Tree()
    {
        for (const char* name : {"alpha/inner/one", "alpha/inner/Three", "alpha/inner/two", "beta/x"})
            QVERIFY(QDir(folder.path()).mkpath(QLatin1String(name)));
        main.setSourceText(file(u"source.bin"_s, QByteArray(length, 'q')));
        main.setDestinationText(u"/untouched"_s);
        fakes.volumes.entries = {
            {folder.path(), "Data"}, {path("beta"), "Other"}, {path("floppy"), "Floppy"}, {QDir::rootPath(), "System"}};
        fakes.volumes.notReady = {path("floppy")};
    }

    // Entries run top to bottom in increasing index, with one of them highlighted.
    void clickEntry(int index, int clicks = 1)
    {
        auto* list = child<FolderList>(picker(), "lstFolder");
        const int row = list->highlightedRow() - picker()->highlightedIndex() + index;
        pointAt(list->viewport(), list->visualItemRect(list->item(row)).center(), clicks);
    }

    DriveList* drives() { return child<DriveList>(picker(), "lstDrive"); }
    QStringList driveNames()
    {
        QStringList names;
        for (int i = 0; i < drives()->count(); ++i)
            names << drives()->itemText(i);
        return names;
    }
    // The user Tabs from Cancel to the drive list, as one arrives at it.
    void arriveAtDrives()
    {
        child(picker(), "cmdCancel")->setFocus(Qt::MouseFocusReason);
        press(picker(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), drives());
    }
    void mount(const QString& name, const QString& volume)
    {
        QVERIFY(QDir(folder.path()).mkpath(name));
        fakes.volumes.entries.append({path(name), volume});
    }
    // Gone from the mount table; its empty folder stays behind.
    void unmount(const QString& name)
    {
        fakes.volumes.entries.removeIf([&](const auto& entry) { return entry.rootPath == path(name); });
    }
};

// Each starts in alpha/inner and clicks an entry (-1 the current folder), which
// opens nothing; then double-clicks it, or presses Up; the folder opened and the
// list below the drive's root.
struct Entry {
    int index;
    bool doubleClick = false;
    int ups = 0;
    QString opened;
    QStringList shown;
};

// OK pressed in `folder` after the row's set-up; the warning, if any.
using SetUp = std::function<void(Tree&, const QString& folder)>;
struct Ok {
    SetUp setUp;
    QString warning {};
    QString folder = u"alpha/inner"_s; // "/": the file system's root
};

SetUp freeSpace(qint64 bytes)
{
    return [=](Tree& f, const QString& folder) { f.fakes.volumes.freeSpaceOf.insert(folder, bytes); };
}
// A source below the tree, perhaps not there, on a drive with room for any file.
SetUp source(const char* name)
{
    return [=](Tree& f, const QString& folder) {
        f.fakes.volumes.freeSpaceOf.insert(folder, length * 9);
        f.main.setSourceText(f.path(name));
    };
}

// How many windows of type T exist, owned or not: a second one is a fault.
template <class T> qsizetype instances()
{
    return std::ranges::count_if(QApplication::allWidgets(), [](QWidget* w) { return qobject_cast<T*>(w); });
}

} // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Ok)

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // The main window, Help and About go to the middle of their screen's free area
    // when first shown; the picker, owned or not, opens with its client area at a
    // fixed place near the screen's corner. Moved by the user and shown again, a
    // window stays where it was put.
    void placedWhenFirstShown_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<bool>("centred");
        QTest::newRow("main window") << Window::Main << true;
        QTest::newRow("help") << Window::Help << true;
        QTest::newRow("About") << Window::About << true;
        QTest::newRow("folder picker") << Window::Picker << false;
        QTest::newRow("unowned folder picker") << Window::UnownedPicker << false;
    }

    void placedWhenFirstShown()
    {
        QFETCH(Window, window);
        QFETCH(bool, centred);
        FourWindows f;
        QWidget* shown = f.open(window);
        // A fixed size, and the title bar's close button.
        QVERIFY(shown->minimumSize() == shown->maximumSize() && shown->windowFlags() & Qt::WindowCloseButtonHint);
        if (centred)
            QCOMPARE(shown->frameGeometry().center(), shown->screen()->availableGeometry().center());
        else
            QCOMPARE(shown->geometry().topLeft(), QPoint(138, 155));
        const QPoint put = shown->pos() + QPoint(-40, 25);
        shown->move(put);
        shown->hide();
        shown->show();
        QCOMPARE(shown->pos(), put);
    }

    void clickHighlightsThenOpens_data()
    {
        QTest::addColumn<Entry>("row");
        QTest::newRow("double click: subfolder")
            << Entry {.index = 2, .doubleClick = true, .opened = "alpha/inner/two", .shown = {"alpha", "inner", "two"}};
        QTest::newRow("Up: current folder")
            << Entry {.index = -1, .ups = 1, .opened = "alpha", .shown = {"alpha", "inner"}};
        QTest::newRow("Up: first subfolder") << Entry {
            .index = 0, .ups = 1, .opened = "alpha/inner", .shown = {"alpha", "inner", "one", "Three", "two"}};
        QTest::newRow("Up at the root: nothing")
            << Entry {.index = -1, .ups = 3, .opened = "", .shown = {"alpha", "beta"}};
    }

    void clickHighlightsThenOpens()
    {
        QFETCH(Entry, row);
        Tree f;
        frmFolder* picker = f.openPickerAt(f.path("alpha/inner"));
        f.clickEntry(row.index);
        QCOMPARE(picker->highlightedIndex(), row.index);
        if (row.doubleClick)
            f.clickEntry(row.index, 2);
        for (int i = 0; i < row.ups; ++i)
            click(picker, "cmdUp");
        QCOMPARE(picker->currentFolder(), f.path(row.opened));
        QStringList entries;
        for (const auto* entry : picker->findChild<QListWidget*>()->findItems("", Qt::MatchContains))
            entries.append(entry->text());
        QCOMPARE(entries, QStringList(f.folder.path()) + row.shown);
    }

    void okChecksThenWritesTheCurrentFolder_data()
    {
        QTest::addColumn<Ok>("row");
        const QString tryAnother = u" Try selecting another location.|warning|OK"_s;
        const QString unreadable
            = u"Source file unreadable|The source file cannot be read, so the space it needs is unknown. "
              u"Select the source file again and then the destination folder.|warning|OK"_s;
        QTest::newRow("subfolder, one byte more") << Ok {.setUp = freeSpace(length + 1)};
        QTest::newRow("root keeps its separator") << Ok {.setUp = freeSpace(length + 1), .folder = "/"};
        QTest::newRow("free space equal") << Ok {.setUp = freeSpace(length),
            .warning
            = "Lack of space|The selected drive doesn't have enough space, to hold the entire split." + tryAnother};
        QTest::newRow("floppy: no check") << Ok {.setUp = [](Tree& f, auto&) {
            f.fakes.volumes.floppies = {f.path("alpha")};
            f.main.setSourceText(f.path("gone.bin"));
        }};
        QTest::newRow("free space unknown") << Ok {.setUp = [](Tree&, auto&) {},
            .warning = "Free space unknown|The free space of the selected drive could not be found out." + tryAnother};
        QTest::newRow("source gone") << Ok {.setUp = source("gone.bin"), .warning = unreadable};
        QTest::newRow("source a folder") << Ok {.setUp = source("alpha"), .warning = unreadable};
    }

    void okChecksThenWritesTheCurrentFolder()
    {
        QFETCH(Ok, row);
        Tree f;
        const QString folder = row.folder == u"/" ? row.folder : f.path(row.folder);
        row.setUp(f, folder);
        frmFolder* picker = f.openPickerAt(folder);
        f.clickEntry(0); // OK takes the current folder, not the highlighted one
        click(picker, "cmdOk");
        QCOMPARE(f.main.destinationText(), row.warning.isEmpty() ? folder : "/untouched");
        QCOMPARE(picker->isVisible(), !row.warning.isEmpty());
        QCOMPARE(f.messages(), row.warning.isEmpty() ? QStringList() : QStringList(row.warning));
    }

    void cancelAndCloseLeaveTheDestinationAlone()
    {
        for (bool byTitleBar : {false, true}) {
            Tree f;
            QPointer<frmFolder> picker = f.openPickerAt(f.path("alpha/inner"));
            click(picker, "cmdUp");
            byTitleBar ? void(picker->close()) : click(picker, "cmdCancel");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!picker);
            QCOMPARE(f.main.destinationText(), "/untouched");
        }
    }

    // Help, About and the picker exist once each whoever opens them; opened again
    // when minimised, each comes back.
    void eachWindowOnce()
    {
        Tree f;
        for (int twice = 0; twice < 2; ++twice) {
            for (Window window : {Window::Help, Window::About, Window::Picker, Window::UnownedPicker}) {
                QWidget* shown = f.open(window);
                QVERIFY(!shown->isMinimized());
                shown->showMinimized();
            }
        }
        QCOMPARE(QList<qsizetype>({instances<frmHelp>(), instances<frmAbout>(), instances<frmFolder>()}),
            QList<qsizetype>({1, 1, 1}));
        QCOMPARE(f.picker()->parentWidget(), &f.main);
    }

    // A press and release on a link opens its address through GotoWeb, which lives
    // in the About window; the help link does not show that window. A press on the
    // link released elsewhere, or a press elsewhere released on it, opens nothing.
    void linksOpenTheirAddresses_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("website") << Window::About << "lblWebsite"
                                 << "https://quarnix.example.org";
        QTest::newRow("e-mail") << Window::About << "lblEmail"
                                << "mailto:quarnix@example.org";
        QTest::newRow("help download") << Window::Help << "lblDownload"
                                       << "https://quarnix.example.org/downloads/Qxhelp.zip";
    }

    void linksOpenTheirAddresses()
    {
        QFETCH(Window, window);
        QFETCH(QString, link);
        QFETCH(QString, address);
        FourWindows f;
        QWidget* shown = f.open(window);
        const QPoint on = child(shown, qPrintable(link))->mapTo(shown, QPoint(3, 5)), off(2, 2);
        for (const auto& [from, to] : {std::pair(on, off), std::pair(off, on), std::pair(on, on)}) {
            QTest::mousePress(shown->windowHandle(), Qt::LeftButton, {}, from);
            QTest::mouseMove(shown->windowHandle(), to);
            QTest::mouseRelease(shown->windowHandle(), Qt::LeftButton, {}, to);
        }
        QCOMPARE(f.fakes.addresses.opened, QStringList(address));
        QCOMPARE(f.main.secondaryWindows().aboutWindow()->isVisible(), window == Window::About);
    }

    // The hint shows while the pointer is over the link and stays over other labels;
    // the window's surface, between the text blocks, and the hint itself hide it.
    // Qt drops a move to where the pointer already is, so no spot repeats.
    void helpHintFollowsThePointer()
    {
        FourWindows f;
        auto* help = static_cast<frmHelp*>(f.open(Window::Help));
        QVERIFY(!help->isHintShown());
        const QList<std::tuple<QWidget*, QPoint, bool>> moves = {{child(help, "lblDownload"), {10, 6}, true},
            {child(help, "Label7"), {30, 8}, true}, {child(help, "lblDescription"), {30, 8}, false},
            {child(help, "lblDownload"), {20, 6}, true}, {help, {300, 100}, false}};
        for (const auto& [control, at, shown] : moves) {
            pointAt(control, at);
            QVERIFY2(help->isHintShown() == shown, qPrintable(control->objectName()));
        }
    }

    // F1 answers in every window, the unowned picker included, and the program goes
    // on whether the help file is there or not.
    void f1OpensTheHelpFileOrSaysItCannot()
    {
        FourWindows f;
        f.open(Window::UnownedPicker);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        f.fakes.help.helpFileExists = true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(f.fakes.help.requested, QStringList({"Qxhelp.hlp", "Qxhelp.hlp"}));
        QCOMPARE(f.messages(),
            QStringList(u"Help|The help file Qxhelp.hlp could not be opened. The help window tells where to "
                        u"download it.|warning|OK"_s));
        QVERIFY(f.picker()->isVisible() && f.main.isVisible());
    }

    // The drive list is read again each time the user arrives at it, as volumes come
    // and go. A drive without a medium, or gone, is reported when chosen, and both
    // lists go back to the drive followed last; OK refuses the folder of a drive gone
    // since it was followed; when the list shows that drive gone, both lists move
    // to the drive the picker opened on, without a message.
    void drivesComeAndGo()
    {
        Tree f;
        frmFolder* picker = f.openPickerAt(f.path("alpha/inner"));
        const auto shows = [&](const char* drive, const QString& folder, qsizetype warnings) {
            QCOMPARE(f.drives()->currentText(), drive);
            QCOMPARE(picker->currentFolder(), folder);
            QCOMPARE(f.messages(), QStringList(warnings, notReady));
        };
        f.drives()->setCurrentIndex(2); // Floppy, no medium
        shows("Data", f.folder.path(), 1);
        f.drives()->setCurrentIndex(1);
        f.drives()->setCurrentIndex(2);
        shows("Other", f.path("beta"), 2);

        f.mount("usb", "USB");
        QCOMPARE(f.driveNames(), QStringList({"Data", "Other", "Floppy", "System"}));
        f.arriveAtDrives();
        QCOMPARE(f.driveNames(), QStringList({"Data", "Other", "Floppy", "System", "USB"}));
        shows("Other", f.path("beta"), 2);
        f.unmount("usb"); // pulled before it is chosen
        press(picker, Qt::Key_End);
        shows("Other", f.path("beta"), 3);
        f.mount("usb", "USB"); // its mount table entry outlives it
        f.fakes.volumes.notReady << f.path("usb");
        f.arriveAtDrives();
        press(picker, Qt::Key_End);
        shows("Other", f.path("beta"), 4);

        f.fakes.volumes.notReady.removeLast();
        f.arriveAtDrives();
        press(picker, Qt::Key_End);
        shows("USB", f.path("usb"), 4);
        f.unmount("usb");
        f.fakes.volumes.notReady << f.path("usb");
        f.fakes.volumes.freeSpaceOf.insert(f.path("usb"), 1'000'000);
        click(picker, "cmdOk");
        shows("USB", f.path("usb"), 5);
        QCOMPARE(f.main.destinationText(), "/untouched");
        f.arriveAtDrives();
        QCOMPARE(f.driveNames(), QStringList({"Data", "Other", "Floppy", "System"}));
        shows("Data", f.folder.path(), 5);
        f.fakes.volumes.freeSpaceOf.insert(f.folder.path(), 1'000'000);
        click(picker, "cmdOk");
        QCOMPARE(f.main.destinationText(), f.folder.path());
    }

    // A folder under /media/usb2 lies on the volume that holds /media/usb2, not on
    // the one mounted at /media/usb.
    void mountPointIsNoPrefixOfItsNeighbour()
    {
        Tree f;
        f.mount("usb", "USB");
        QVERIFY(QDir(f.folder.path()).mkpath(u"usb2/inner"_s));
        frmFolder* picker = f.openPickerAt(f.path("usb2/inner"));
        QCOMPARE(f.drives()->currentText(), "Data");
        QCOMPARE(child<QListWidget>(picker, "lstFolder")->item(0)->text(), f.folder.path());
    }

    // A long mount point, which the closed box shortens (the pictures show how), is
    // shown whole in the tool tip and in the open list, which is wider than the box:
    // in this desktop's style and in the Windows one, which does not widen a
    // drop-down by itself.
    void longMountPoint()
    {
        Tree f;
        const QString name = f.path(u"media/quarnix/volumes of the machine/STICK"_s) + u" (Photos)"_s;
        f.mount(u"media/quarnix/volumes of the machine/STICK"_s, name);
        frmFolder* picker = f.openPickerAt(f.path("alpha/inner"));
        f.arriveAtDrives();
        press(picker, Qt::Key_End);
        DriveList* drives = f.drives();
        const QPoint inside(5, 5);
        QHelpEvent tip(QEvent::ToolTip, inside, drives->mapToGlobal(inside));
        QCoreApplication::sendEvent(drives, &tip);
        QCOMPARE(QToolTip::text(), name);
        QToolTip::hideText();

        QStyle* windows = QStyleFactory::create(u"Windows"_s);
        windows->setParent(picker);
        for (QStyle* style : {drives->style(), windows}) {
            drives->setStyle(style);
            drives->setFocus();
            press(picker, Qt::Key_Down, Qt::AltModifier);
            QAbstractItemView* list = drives->view();
            QVERIFY(QTest::qWaitForWindowExposed(list->window()));
            const QModelIndex entry = list->model()->index(drives->currentIndex(), 0);
            QVERIFY(list->window()->width() > drives->width());
            QVERIFY2(
                list->visualRect(entry).width() >= list->sizeHintForIndex(entry).width(), qPrintable(style->name()));
            QTest::keyClick(list, Qt::Key_Escape);
        }
        QVERIFY(picker->isVisible());
        QCOMPARE(f.messages(), QStringList());
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "tst_secondarywindows.moc"
