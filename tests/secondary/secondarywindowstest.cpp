// One instance of each secondary window, GotoWeb through an About window that is
// never shown, F1 in every window, and closing them all; the main window is a
// stand-in here.

#include "fakeservices.h"
#include "secondarytesting.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"
#include "ui/secondarywindows.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>
#include <memory>

using quarnix::platform::MessageButtons;
using quarnix::platform::MessageIcon;
using quarnix::testing::FakeFields;
using quarnix::testing::FakeServices;
using quarnix::ui::SecondaryWindows;

namespace {

const QString downloadAddress = QStringLiteral("https://quarnix.example.org/downloads/Qxhelp.zip");

// An opener that nothing on the desktop answers.
class RefusingAddressOpener final : public quarnix::platform::AddressOpener {
public:
    bool open(const QString& address) override
    {
        opened.append(address);
        return false;
    }
    QStringList opened;
};

bool activated(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpIsOneWindowOwnedByTheMainWindow();
    void aboutIsOneWindowAndLoadsWhenShown();
    void folderPickerOwnedOrNot_data();
    void folderPickerOwnedOrNot();
    void folderPickerIsOneWindowWhoeverOpensIt();
    void reopenedWindowsStartAfresh();
    void gotoWebUsesAnAboutWindowThatStaysHidden();
    void helpDownloadLinkOpensTheAddressWithoutShowingAbout_data();
    void helpDownloadLinkOpensTheAddressWithoutShowingAbout();
    void gotoWebIgnoresWhetherAnythingOpened();
    void closeAllClosesEveryWindowAtOnce();
    void f1OpensTheHelpFileInEveryWindow_data();
    void f1OpensTheHelpFileInEveryWindow();

private:
    std::unique_ptr<QWidget> main_;
    std::unique_ptr<FakeServices> fakes_;
    std::unique_ptr<FakeFields> fields_;
    std::unique_ptr<SecondaryWindows> windows_;
};

void SecondaryWindowsTest::init()
{
    main_ = std::make_unique<QWidget>();
    main_->setWindowTitle(QStringLiteral("Quarnix"));
    main_->resize(300, 200);
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    fakes_ = std::make_unique<FakeServices>();
    fields_ = std::make_unique<FakeFields>();
    windows_ = std::make_unique<SecondaryWindows>(main_.get(), *fields_, fakes_->services());
}

void SecondaryWindowsTest::cleanup()
{
    windows_.reset();
    main_.reset();
    fields_.reset();
    fakes_.reset();
}

void SecondaryWindowsTest::helpIsOneWindowOwnedByTheMainWindow()
{
    QVERIFY(!windows_->helpWindow());
    windows_->showHelp();
    QPointer<quarnix::ui::frmHelp> first = windows_->helpWindow();
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QCOMPARE(first->parentWidget(), main_.get());
    windows_->showHelp();
    QCOMPARE(windows_->helpWindow(), first.data());
    QCOMPARE(main_->findChildren<quarnix::ui::frmHelp*>().size(), 1);
    QVERIFY(first->isVisible());
}

void SecondaryWindowsTest::aboutIsOneWindowAndLoadsWhenShown()
{
    windows_->showAbout();
    QPointer<quarnix::ui::frmAbout> first = windows_->aboutWindow();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(first->isLoaded());
    QCOMPARE(first->parentWidget(), main_.get());
    windows_->showAbout();
    QCOMPARE(windows_->aboutWindow(), first.data());
    QCOMPARE(main_->findChildren<quarnix::ui::frmAbout*>().size(), 1);
}

void SecondaryWindowsTest::folderPickerOwnedOrNot_data()
{
    QTest::addColumn<bool>("owned");
    QTest::newRow("from the browse button: owned") << true;
    QTest::newRow("from the split job: no owner") << false;
}

void SecondaryWindowsTest::folderPickerOwnedOrNot()
{
    QFETCH(bool, owned);
    windows_->showFolderPicker(owned);
    quarnix::ui::frmFolder* picker = windows_->folderPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->parentWidget(), owned ? main_.get() : nullptr);
    QCOMPARE(picker->windowType(), Qt::Tool);
}

void SecondaryWindowsTest::folderPickerIsOneWindowWhoeverOpensIt()
{
    windows_->showFolderPicker(true);
    QPointer<quarnix::ui::frmFolder> first = windows_->folderPicker();
    windows_->showFolderPicker(false);
    windows_->showFolderPicker(true);
    QCOMPARE(windows_->folderPicker(), first.data());
    QVERIFY(first->isVisible());
    QCOMPARE(first->parentWidget(), main_.get());
}

void SecondaryWindowsTest::reopenedWindowsStartAfresh()
{
    windows_->showHelp();
    QPointer<quarnix::ui::frmHelp> help = windows_->helpWindow();
    help->findChild<QLabel*>(QStringLiteral("lblDescription"))->show();
    QVERIFY(help->close());
    quarnix::testing::deleteClosedWindows();
    QVERIFY(help.isNull());
    QVERIFY(!windows_->helpWindow());
    windows_->showHelp();
    QVERIFY(windows_->helpWindow());
    QVERIFY(!windows_->helpWindow()->isHintShown());

    windows_->showAbout();
    QPointer<quarnix::ui::frmAbout> about = windows_->aboutWindow();
    QVERIFY(about->close());
    quarnix::testing::deleteClosedWindows();
    QVERIFY(about.isNull());
    windows_->showAbout();
    QVERIFY(windows_->aboutWindow()->isLoaded());
    const QLabel* link = windows_->aboutWindow()->findChild<QLabel*>(QStringLiteral("lblWebsite"));
    QVERIFY(link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void SecondaryWindowsTest::gotoWebUsesAnAboutWindowThatStaysHidden()
{
    windows_->gotoWeb(QStringLiteral("https://example.org/x"));
    QCOMPARE(fakes_->addresses.opened, QStringList({QStringLiteral("https://example.org/x")}));
    QPointer<quarnix::ui::frmAbout> about = windows_->aboutWindow();
    QVERIFY(about);
    QVERIFY(!about->isVisible());
    QVERIFY(!about->isLoaded());
    // Shown later, the same object loads then.
    windows_->showAbout();
    QCOMPARE(windows_->aboutWindow(), about.data());
    QVERIFY(about->isVisible());
    QVERIFY(about->isLoaded());
}

void SecondaryWindowsTest::helpDownloadLinkOpensTheAddressWithoutShowingAbout_data()
{
    QTest::addColumn<bool>("aboutOpen");
    QTest::newRow("About never opened") << false;
    QTest::newRow("About open") << true;
}

void SecondaryWindowsTest::helpDownloadLinkOpensTheAddressWithoutShowingAbout()
{
    QFETCH(bool, aboutOpen);
    if (aboutOpen)
        windows_->showAbout();
    windows_->showHelp();
    quarnix::ui::frmHelp* help = windows_->helpWindow();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    const QWidget* link = help->findChild<QLabel*>(QStringLiteral("lblDownload"));
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, link->mapTo(help, QPoint(4, 6)));
    QCOMPARE(fakes_->addresses.opened, QStringList({downloadAddress}));
    QVERIFY(windows_->aboutWindow());
    QCOMPARE(windows_->aboutWindow()->isVisible(), aboutOpen);
    QVERIFY(help->isVisible());
}

void SecondaryWindowsTest::gotoWebIgnoresWhetherAnythingOpened()
{
    RefusingAddressOpener refusing;
    quarnix::platform::Services services = fakes_->services();
    services.addresses = &refusing;
    SecondaryWindows windows(main_.get(), *fields_, services);
    windows.gotoWeb(QStringLiteral("mailto:quarnix@example.org"));
    QCOMPARE(refusing.opened, QStringList({QStringLiteral("mailto:quarnix@example.org")}));
    QVERIFY(fakes_->messages.shown.isEmpty());
    QVERIFY(!windows.aboutWindow()->isVisible());
}

void SecondaryWindowsTest::closeAllClosesEveryWindowAtOnce()
{
    windows_->showHelp();
    windows_->showFolderPicker(false);
    windows_->gotoWeb(QStringLiteral("https://example.org/"));
    QPointer<QWidget> help = windows_->helpWindow();
    QPointer<QWidget> picker = windows_->folderPicker();
    QPointer<QWidget> about = windows_->aboutWindow();
    QVERIFY(help && picker && about);
    windows_->closeAll();
    QVERIFY(help.isNull());
    QVERIFY(picker.isNull());
    QVERIFY(about.isNull());
    QVERIFY(fields_->written.isEmpty());
}

void SecondaryWindowsTest::f1OpensTheHelpFileInEveryWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("helpFilePresent");
    for (const char* window : {"main", "help", "about", "unowned picker"}) {
        QTest::addRow("%s, help file missing", window) << QString::fromLatin1(window) << false;
        QTest::addRow("%s, help file present", window) << QString::fromLatin1(window) << true;
    }
}

void SecondaryWindowsTest::f1OpensTheHelpFileInEveryWindow()
{
    QFETCH(QString, window);
    QFETCH(bool, helpFilePresent);
    fakes_->help.helpFileExists = helpFilePresent;

    QWidget* target = main_.get();
    if (window == QLatin1String("help")) {
        windows_->showHelp();
        target = windows_->helpWindow();
    } else if (window == QLatin1String("about")) {
        windows_->showAbout();
        target = windows_->aboutWindow();
    } else if (window == QLatin1String("unowned picker")) {
        windows_->showFolderPicker(false);
        target = windows_->folderPicker();
    }
    QVERIFY(activated(target));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target, Qt::Key_F1);

    QCOMPARE(fakes_->help.requested, QStringList({QStringLiteral("Qxhelp.hlp")}));
    if (helpFilePresent) {
        QVERIFY(fakes_->messages.shown.isEmpty());
    } else {
        QCOMPARE(fakes_->messages.shown.size(), 1);
        const auto& message = fakes_->messages.shown.first();
        QCOMPARE(message.title, QStringLiteral("Help"));
        QCOMPARE(message.text, QStringLiteral("The help file Qxhelp.hlp could not be opened. The help "
                                              "window tells where to download it."));
        QCOMPARE(message.icon, MessageIcon::Warning);
        QCOMPARE(message.buttons, MessageButtons::Ok);
    }
    // The program goes on: every window is still there.
    QVERIFY(target->isVisible());
    QVERIFY(main_->isVisible());
}

QTEST_MAIN(SecondaryWindowsTest)
#include "secondarywindowstest.moc"
