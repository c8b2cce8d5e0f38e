// The secondary windows opened from the real main window: its buttons, the split
// job's floppy cases, Exit and F1.

#include "fakeservices.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/addresses.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"
#include "ui/main/frmmain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quarnix::platform::MessageAnswer;
using quarnix::testing::FakeServices;
using quarnix::ui::frmMain;

class MainIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void browseDestinationOpensOneOwnedPicker();
    void browseDestinationWithoutSourceOpensNothing();
    void pickerOkFillsTheDestinationField();
    void pickerCancelLeavesTheDestinationField();
    void helpAndAboutButtonsOpenOneWindowEach();
    void declinedFloppyWarningOpensAnUnownedPicker();
    void fullFloppyBeforeTheFirstChunkOpensAnUnownedPicker();
    void exitClosesEverySecondaryWindow();
    void f1InTheMainWindowOpensTheHelpFile();
    void mainWindowShowsTheSameWebAddress();

private:
    QPushButton* button(const char* name) const;
    QString destinationField() const;

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<FakeServices> fakes_;
    std::unique_ptr<frmMain> main_;
    QString source_;
    QString savedFolder_;
};

void MainIntegrationTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("out")));
    source_ = folder_->filePath(QStringLiteral("movie.avi"));
    QFile source(source_);
    QVERIFY(source.open(QIODevice::WriteOnly));
    QVERIFY(source.write(QByteArray(3000, 'm')) == 3000);
    source.close();
    savedFolder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder_->path()));

    fakes_ = std::make_unique<FakeServices>();
    fakes_->volumes.entries = {{folder_->path(), QStringLiteral("Data")}};
    main_ = std::make_unique<frmMain>(fakes_->services());
    main_->show();
    main_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main_.get()));
}

void MainIntegrationTest::cleanup()
{
    main_.reset();
    fakes_.reset();
    QDir::setCurrent(savedFolder_);
    folder_.reset();
}

QPushButton* MainIntegrationTest::button(const char* name) const
{
    return main_->findChild<QPushButton*>(QString::fromLatin1(name));
}

QString MainIntegrationTest::destinationField() const
{
    return main_->findChild<QLineEdit*>(QStringLiteral("txtDestination"))->text();
}

void MainIntegrationTest::browseDestinationOpensOneOwnedPicker()
{
    main_->setSourceText(source_);
    QTest::mouseClick(button("cmdBrowseD"), Qt::LeftButton);
    QPointer<quarnix::ui::frmFolder> picker = main_->secondaryWindows().folderPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->parentWidget(), main_.get());
    QTest::mouseClick(button("cmdBrowseD"), Qt::LeftButton);
    QCOMPARE(main_->secondaryWindows().folderPicker(), picker.data());
    QCOMPARE(main_->findChildren<quarnix::ui::frmFolder*>().size(), 1);
}

void MainIntegrationTest::browseDestinationWithoutSourceOpensNothing()
{
    QTest::mouseClick(button("cmdBrowseD"), Qt::LeftButton);
    QVERIFY(!main_->secondaryWindows().folderPicker());
    QCOMPARE(fakes_->messages.shown.size(), 1);
    QCOMPARE(fakes_->messages.shown.first().title, QStringLiteral("Source file missing"));
}

void MainIntegrationTest::pickerOkFillsTheDestinationField()
{
    main_->setSourceText(source_);
    fakes_->volumes.freeSpaceOf.insert(folder_->path(), 3001);
    QTest::mouseClick(button("cmdBrowseD"), Qt::LeftButton);
    quarnix::ui::frmFolder* picker = main_->secondaryWindows().folderPicker();
    QVERIFY(picker);
    QCOMPARE(picker->currentFolder(), folder_->path());
    QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    QCOMPARE(destinationField(), folder_->path());
    QVERIFY(fakes_->messages.shown.isEmpty());
    QVERIFY(picker->isHidden());
}

void MainIntegrationTest::pickerCancelLeavesTheDestinationField()
{
    main_->setSourceText(source_);
    main_->setDestinationText(folder_->filePath(QStringLiteral("out")));
    QTest::mouseClick(button("cmdBrowseD"), Qt::LeftButton);
    quarnix::ui::frmFolder* picker = main_->secondaryWindows().folderPicker();
    QVERIFY(picker);
    QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    QCOMPARE(destinationField(), folder_->filePath(QStringLiteral("out")));
    QVERIFY(picker->isHidden());
}

void MainIntegrationTest::helpAndAboutButtonsOpenOneWindowEach()
{
    QTest::mouseClick(button("cmdHelp"), Qt::LeftButton);
    QTest::mouseClick(button("cmdHelp"), Qt::LeftButton);
    QTest::mouseClick(button("cmdAbout"), Qt::LeftButton);
    QTest::mouseClick(button("cmdAbout"), Qt::LeftButton);
    QCOMPARE(main_->findChildren<quarnix::ui::frmHelp*>().size(), 1);
    QCOMPARE(main_->findChildren<quarnix::ui::frmAbout*>().size(), 1);
    QVERIFY(main_->secondaryWindows().helpWindow()->isVisible());
    QVERIFY(main_->secondaryWindows().aboutWindow()->isVisible());
    QVERIFY(main_->secondaryWindows().aboutWindow()->isLoaded());
    // Modeless: the main window stays usable.
    QVERIFY(main_->isEnabled());
    QVERIFY(!QApplication::activeModalWidget());
}

void MainIntegrationTest::declinedFloppyWarningOpensAnUnownedPicker()
{
    const QString floppy = folder_->filePath(QStringLiteral("out"));
    fakes_->volumes.floppies = {floppy};
    fakes_->messages.answers = {MessageAnswer::No};
    main_->setSourceText(source_);
    main_->setDestinationText(floppy);
    QTest::mouseClick(button("cmdSplit"), Qt::LeftButton);

    QCOMPARE(fakes_->messages.shown.size(), 1);
    QCOMPARE(fakes_->messages.shown.first().title, QStringLiteral("Suggestion"));
    quarnix::ui::frmFolder* picker = main_->secondaryWindows().folderPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->parentWidget(), nullptr);
    QVERIFY(QDir(floppy).entryList(QDir::Files).isEmpty());
}

void MainIntegrationTest::fullFloppyBeforeTheFirstChunkOpensAnUnownedPicker()
{
    const QString floppy = folder_->filePath(QStringLiteral("out"));
    fakes_->volumes.floppies = {floppy};
    fakes_->volumes.freeSpaceScript = {0};
    fakes_->messages.answers = {MessageAnswer::Yes};
    main_->setSourceText(source_);
    main_->setDestinationText(floppy);
    // The source must be longer than one chunk: two chunks of 1500 bytes.
    main_->findChild<QWidget*>(QStringLiteral("optNumber"))->setFocus();
    QTest::mouseClick(main_->findChild<QWidget*>(QStringLiteral("optNumber")), Qt::LeftButton);
    QTest::mouseClick(button("cmdSplit"), Qt::LeftButton);

    QCOMPARE(fakes_->messages.shown.size(), 2);
    QCOMPARE(fakes_->messages.shown.at(1).title, QStringLiteral("Lack of space"));
    quarnix::ui::frmFolder* picker = main_->secondaryWindows().folderPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->parentWidget(), nullptr);
    QVERIFY(QDir(floppy).entryList(QDir::Files).isEmpty());
}

void MainIntegrationTest::exitClosesEverySecondaryWindow()
{
    main_->setSourceText(source_);
    QTest::mouseClick(button("cmdHelp"), Qt::LeftButton);
    QTest::mouseClick(button("cmdAbout"), Qt::LeftButton);
    main_->openFolderPicker(); // as the split job opens it: no owner
    QPointer<QWidget> help = main_->secondaryWindows().helpWindow();
    QPointer<QWidget> about = main_->secondaryWindows().aboutWindow();
    QPointer<QWidget> picker = main_->secondaryWindows().folderPicker();
    QVERIFY(help && about && picker);

    QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
    QVERIFY(main_->isHidden());
    QVERIFY(help.isNull());
    QVERIFY(about.isNull());
    QVERIFY(picker.isNull());
    QVERIFY(destinationField().isEmpty());
}

void MainIntegrationTest::f1InTheMainWindowOpensTheHelpFile()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(fakes_->help.requested, QStringList({main_->helpFile()}));
    QCOMPARE(fakes_->messages.shown.size(), 1);
    QCOMPARE(fakes_->messages.shown.first().title, QStringLiteral("Help"));
    QVERIFY(main_->isVisible());
}

void MainIntegrationTest::mainWindowShowsTheSameWebAddress()
{
    QCOMPARE(main_->findChild<QLabel*>(QStringLiteral("Label3"))->text(),
             quarnix::ui::addresses::website());
}

QTEST_MAIN(MainIntegrationTest)
#include "mainintegrationtest.moc"
