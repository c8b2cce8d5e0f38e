// The folder picker, the help and About windows, GotoWeb and F1, opened from the real
// main window over a real folder tree, with scripted drives, free space and message
// boxes.

#include "secondarywindowsfixture.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"
#include "ui/main/frmmain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

using namespace quarnix::testing;
using namespace quarnix::ui;

constexpr qint64 length = 5000; // of the source file

static const QHash<QString, QString> messages = {
    {"Lack of space", "The selected drive doesn't have enough space, to hold the entire split. "
                      "Try selecting another location."},
    {"Free space unknown", "The free space of the selected drive could not be found out. "
                           "Try selecting another location."},
    {"Source file unreadable", "The source file cannot be read, so the space it needs is unknown. "
                               "Select the source file again and then the destination folder."},
    {"Device not ready", "There is no media in the drive. Please insert the media and try again."},
    {"Help", "The help file Qxhelp.hlp could not be opened. The help window tells where to download it."},
};

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<FakeServices> fakes_;
    std::unique_ptr<frmMain> main_;
    const QString saved_ = QDir::currentPath();

    QString path(const QString& relative) const { return QDir::cleanPath(tree_->filePath(relative)); }
    frmFolder* picker() const { return main_->secondaryWindows().folderPicker(); }
    QString destination() const { return child<QLineEdit>(main_.get(), "txtDestination")->text(); }

    // The picker opens at the process's current folder.
    void open(const QString& start)
    {
        QVERIFY(QDir::setCurrent(start.startsWith(u'/') ? start : path(start)));
        press(main_.get(), "cmdBrowseD");
        QVERIFY(picker() && QTest::qWaitForWindowActive(picker()));
    }

    // Entries run top to bottom in increasing index, with one of them highlighted.
    void clickEntry(int index, bool twice = false)
    {
        auto* list = child<QListWidget>(picker(), "lstFolder");
        const int row = list->currentRow() - picker()->highlightedIndex() + index;
        pointAt(list->viewport(), list->visualItemRect(list->item(row)).center(), twice ? 2 : 1);
    }

    // Message `number` as the title says; a missing one has an empty title and text.
    void verifyMessage(int number, const QString& title)
    {
        QCOMPARE(fakes_->messages.shown.value(number).title, title);
        QCOMPARE(fakes_->messages.shown.value(number).text, messages[title]);
    }

private slots:
    // The tree: alpha/inner/{one,Three,two}, beta/x, source.bin; the drives: Data (the
    // tree), Other (beta), Floppy (no medium), and the system root.
    // Each test first closes the windows of the one before and goes back to the
    // folder the run started in, before that test's folders go.
    void init()
    {
        main_.reset();
        QVERIFY(QDir::setCurrent(saved_));
        tree_ = std::make_unique<QTemporaryDir>();
        for (const char* folder : {"alpha/inner/one", "alpha/inner/Three", "alpha/inner/two", "beta/x"})
            QVERIFY(QDir(tree_->path()).mkpath(QLatin1String(folder)));
        QFile source(path("source.bin"));
        QVERIFY(source.open(QIODevice::WriteOnly) && source.write(QByteArray(length, 'q')) == length);
        fakes_ = std::make_unique<FakeServices>();
        fakes_->volumes.entries = {{tree_->path(), "Data"}, {path("beta"), "Other"},
                                   {path("floppy"), "Floppy"}, {"/", "System"}};
        fakes_->volumes.notReady = {path("floppy")};
        main_ = std::make_unique<frmMain>(fakes_->services());
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        main_->setSourceText(path("source.bin"));
        main_->setDestinationText("/untouched");
    }

    // Each row starts in alpha/inner, clicks an entry, then double-clicks it or
    // presses Up as often as the steps say.
    void clickHighlightsThenOpens_data()
    {
        QTest::addColumn<int>("index"); // -1 is the current folder
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("shown"); // the list below the drive's root
        QTest::newRow("double click: subfolder") << 2 << "double" << "alpha/inner/two" << "alpha inner two";
        QTest::newRow("Up: current folder") << -1 << "up" << "alpha" << "alpha inner";
        QTest::newRow("Up: first subfolder") << 0 << "up" << "alpha/inner" << "alpha inner one Three two";
        QTest::newRow("Up at the root: nothing") << -1 << "up up up" << "" << "alpha beta";
    }

    void clickHighlightsThenOpens()
    {
        QFETCH(int, index);
        QFETCH(QString, steps);
        QFETCH(QString, opened);
        QFETCH(QString, shown);
        open("alpha/inner");
        clickEntry(index);
        QCOMPARE(picker()->highlightedIndex(), index); // a single click opens nothing
        for (const QString& step : steps.split(u' ')) {
            if (step == "double")
                clickEntry(index, true);
            else
                press(picker(), "cmdUp");
        }
        QCOMPARE(picker()->currentFolder(), path(opened));
        QStringList entries;
        for (const auto* entry : picker()->findChild<QListWidget*>()->findItems("", Qt::MatchContains))
            entries.append(entry->text());
        QCOMPARE(entries, QStringList(tree_->path()) + shown.split(u' '));
    }

    void okChecksThenWritesTheCurrentFolder_data()
    {
        QTest::addColumn<bool>("atRoot"); // of the file system; else in alpha/inner
        QTest::addColumn<bool>("floppy");
        QTest::addColumn<qint64>("freeSpace"); // -1: unknown
        QTest::addColumn<bool>("readable"); // the source
        QTest::addColumn<QString>("warning"); // empty: accepted
        QTest::newRow("subfolder, one byte more") << false << false << length + 1 << true << "";
        QTest::newRow("root keeps its separator") << true << false << length + 1 << true << "";
        QTest::newRow("free space equal") << false << false << length << true << "Lack of space";
        QTest::newRow("floppy: no check") << false << true << qint64(0) << false << "";
        QTest::newRow("free space unknown") << false << false << qint64(-1) << true << "Free space unknown";
        QTest::newRow("source unreadable") << false << false << length * 9 << false
                                           << "Source file unreadable";
    }

    void okChecksThenWritesTheCurrentFolder()
    {
        QFETCH(bool, atRoot);
        QFETCH(bool, floppy);
        QFETCH(qint64, freeSpace);
        QFETCH(bool, readable);
        QFETCH(QString, warning);
        const QString folder = atRoot ? "/" : path("alpha/inner");
        if (floppy)
            fakes_->volumes.floppies = {path("alpha")};
        if (freeSpace >= 0)
            fakes_->volumes.freeSpaceOf.insert(folder, freeSpace);
        main_->setSourceText(path(readable ? "source.bin" : "gone.bin"));
        open(folder);
        clickEntry(0); // OK takes the current folder, not the highlighted one
        press(picker(), "cmdOk");
        QCOMPARE(fakes_->volumes.queries, floppy ? QStringList() : QStringList(folder));
        QCOMPARE(destination(), warning.isEmpty() ? folder : "/untouched");
        QCOMPARE(picker()->isVisible(), !warning.isEmpty());
        QCOMPARE(fakes_->messages.shown.size(), warning.isEmpty() ? 0 : 1);
        verifyMessage(0, warning);
    }

    // A drive without a medium is reported, and the drive list goes back to the
    // drive followed last, or to the start drive; the folder list follows it.
    void driveWithoutMediaIsRestored()
    {
        open("alpha/inner");
        auto* drives = child<QComboBox>(picker(), "lstDrive");
        drives->setCurrentIndex(2);
        verifyMessage(0, "Device not ready");
        QCOMPARE(drives->currentText(), "Data");
        QCOMPARE(picker()->currentFolder(), tree_->path());
        drives->setCurrentIndex(1);
        drives->setCurrentIndex(2);
        verifyMessage(1, "Device not ready");
        QCOMPARE(drives->currentText(), "Other");
        QCOMPARE(picker()->currentFolder(), path("beta"));
    }

    void cancelAndCloseLeaveTheDestinationAlone()
    {
        for (bool byTitleBar : {false, true}) {
            open("alpha/inner");
            press(picker(), "cmdUp");
            if (byTitleBar)
                QVERIFY(picker()->close());
            else
                press(picker(), "cmdCancel");
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!picker());
            QCOMPARE(destination(), "/untouched");
        }
    }

    // Declining the floppy warning sends the user to the picker, without an owner,
    // before anything is written.
    void declinedFloppyWarningOpensAnUnownedPicker()
    {
        fakes_->volumes.floppies = {path("alpha")};
        fakes_->messages.answers = {quarnix::platform::MessageAnswer::No};
        main_->setDestinationText(path("alpha"));
        press(main_.get(), "cmdSplit");
        QCOMPARE(fakes_->messages.shown.size(), 1);
        QCOMPARE(fakes_->messages.shown[0].title, "Suggestion");
        QVERIFY(picker() && picker()->isVisible());
        QCOMPARE(picker()->parentWidget(), nullptr);
        QCOMPARE(QDir(path("alpha")).entryList(QDir::Files), QStringList());
    }

    // Help, About and the picker exist once each whoever opens them, their captions
    // fit, and Exit closes them all.
    void eachWindowOnceUntilExit()
    {
        for (int twice = 0; twice < 2; ++twice) {
            press(main_.get(), "cmdHelp");
            press(main_.get(), "cmdAbout");
            press(main_.get(), "cmdBrowseD");
            main_->openFolderPicker();
        }
        QCOMPARE(QList<int>({instances<frmHelp>(), instances<frmAbout>(), instances<frmFolder>()}),
                 QList<int>({1, 1, 1}));
        QCOMPARE(picker()->parentWidget(), main_.get());
        QWidget* help = main_->secondaryWindows().helpWindow();
        for (const QWidget* window : QWidgetList{help, main_->secondaryWindows().aboutWindow(), picker()})
            QVERIFY2(clippedCaptions(window).isEmpty(), qPrintable(clippedCaptions(window).join(u'\n')));
        press(main_.get(), "cmdExit");
        QCOMPARE(instances<frmHelp>() + instances<frmAbout>() + instances<frmFolder>(), 0);
    }

    void linksHandTheirAddressesToGotoWeb_data()
    {
        QTest::addColumn<bool>("inAbout");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("website") << true << "lblWebsite" << "https://quarnix.example.org";
        QTest::newRow("e-mail") << true << "lblEmail" << "mailto:quarnix@example.org";
        QTest::newRow("help download") << false << "lblDownload"
                                       << "https://quarnix.example.org/downloads/Qxhelp.zip";
    }

    void linksHandTheirAddressesToGotoWeb()
    {
        QFETCH(bool, inAbout);
        QFETCH(QString, link);
        QFETCH(QString, address);
        press(main_.get(), inAbout ? "cmdAbout" : "cmdHelp");
        pointAt(QApplication::activeWindow()->findChild<QLabel*>(link), QPoint(3, 5), 1);
        QCOMPARE(fakes_->addresses.opened, QStringList(address));
        // GotoWeb lives in the About window, but the help link does not show it.
        QCOMPARE(main_->secondaryWindows().aboutWindow()->isVisible(), inAbout);
    }

    // A press on a link released elsewhere, or a press elsewhere released on the
    // link, opens nothing; a press and release on it opens its address.
    void linkOpensOnlyWhenReleasedOverIt()
    {
        press(main_.get(), "cmdAbout");
        frmAbout* about = main_->secondaryWindows().aboutWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QWindow* window = about->windowHandle();
        const QPoint on = child<QLabel>(about, "lblWebsite")->mapTo(about, QPoint(3, 5));
        const QPoint off = child<QLabel>(about, "Label1")->mapTo(about, QPoint(3, 5));
        for (const auto& [from, to] : {std::pair(on, off), std::pair(off, on)}) {
            QTest::mousePress(window, Qt::LeftButton, {}, from);
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        }
        QCOMPARE(fakes_->addresses.opened, QStringList());
        QTest::mouseClick(window, Qt::LeftButton, {}, on);
        QCOMPARE(fakes_->addresses.opened, QStringList("https://quarnix.example.org"));
    }

    // The hint shows while the pointer is over the link and stays over other labels;
    // the window's surface, between the text blocks, and the hint itself hide it.
    // Qt drops a move to where the pointer already is, so no spot repeats.
    void helpHintFollowsThePointer()
    {
        press(main_.get(), "cmdHelp");
        frmHelp* help = main_->secondaryWindows().helpWindow();
        QVERIFY(QTest::qWaitForWindowExposed(help) && !help->isHintShown());
        const QList<std::tuple<const char*, QPoint, bool>> moves = {{"lblDownload", {10, 6}, true},
            {"Label7", {30, 8}, true}, {"lblDescription", {30, 8}, false}, {"lblDownload", {20, 6}, true},
            {"", {300, 100}, false}};
        for (const auto& [name, at, shown] : moves) {
            pointAt(*name ? help->findChild<QWidget*>(name) : help, at);
            QVERIFY2(help->isHintShown() == shown, name);
        }
    }

    // F1 answers in every window, the unowned picker included, and the program goes
    // on whether the help file is there or not.
    void f1OpensTheHelpFileOrSaysItCannot()
    {
        main_->openFolderPicker();
        QVERIFY(QTest::qWaitForWindowActive(picker()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        verifyMessage(0, "Help");
        fakes_->help.helpFileExists = true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(fakes_->help.requested, QStringList({"Qxhelp.hlp", "Qxhelp.hlp"}));
        QCOMPARE(fakes_->messages.shown.size(), 1);
        QVERIFY(picker()->isVisible() && main_->isVisible());
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "tst_secondarywindows.moc"
