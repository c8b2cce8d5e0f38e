// The other windows the main window opens, and the end of the program: Exit, or
// closing the main window by its title bar, closes every window and ends the run.

#include "mainwindowfixture.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"

#include <QPointer>
#include <QTimer>

using quarnix::testing::MainWindowFixture;

namespace {

// Runs the application's event loop until the program ends by itself; -1 when it
// is still running after a generous while.
int runUntilTheProgramEnds(const std::function<void()>& action)
{
    QTimer::singleShot(0, action);
    QTimer::singleShot(10'000, [] { QCoreApplication::exit(-1); });
    return QApplication::exec();
}

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void helpAndAboutOpenOnce_data();
    void helpAndAboutOpenOnce();
    void folderPickerFromTheSplitJobHasNoOwner();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();
};

void LifecycleTest::helpAndAboutOpenOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("cmdHelp") << "cmdHelp";
    QTest::newRow("cmdAbout") << "cmdAbout";
}

void LifecycleTest::helpAndAboutOpenOnce()
{
    QFETCH(QString, button);
    MainWindowFixture f;
    auto opened = [&]() -> QWidget* {
        if (button == QLatin1String("cmdHelp"))
            return f.window.secondaryWindows().helpWindow();
        return f.window.secondaryWindows().aboutWindow();
    };
    f.click(f.button(qPrintable(button)));
    QWidget* first = opened();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(first->isWindow());
    QCOMPARE(first->parentWidget(), &f.window); // owned: in front of the main window
    f.click(f.button(qPrintable(button)));
    QCOMPARE(opened(), first);
    QVERIFY(f.window.isEnabled()); // modeless: the main window stays usable
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void LifecycleTest::folderPickerFromTheSplitJobHasNoOwner()
{
    MainWindowFixture f;
    f.window.openFolderPicker();
    QWidget* picker = f.window.secondaryWindows().folderPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QVERIFY(!picker->parentWidget());
    f.window.secondaryWindows().closeAll();
}

void LifecycleTest::exitEndsTheProgram_data()
{
    QTest::addColumn<bool>("byTitleBar");
    QTest::newRow("Exit") << false;
    QTest::newRow("title bar") << true;
}

void LifecycleTest::exitEndsTheProgram()
{
    QFETCH(bool, byTitleBar);
    MainWindowFixture f;
    f.window.setSourceText(QStringLiteral("/some/file.bin"));
    f.click(f.button("cmdHelp"));
    f.click(f.button("cmdAbout"));
    // A picker without an owner, as the split job opens it, would keep the
    // program alive on its own.
    f.window.openFolderPicker();
    const QPointer<QWidget> help = f.window.secondaryWindows().helpWindow();
    const QPointer<QWidget> about = f.window.secondaryWindows().aboutWindow();
    const QPointer<QWidget> picker = f.window.secondaryWindows().folderPicker();
    QVERIFY(help && about && picker);

    // Every window is gone the moment the main window closes, before the
    // application winds down: none of them runs its own closing logic.
    if (byTitleBar)
        f.window.close();
    else
        f.click(f.button("cmdExit"));
    QVERIFY(!f.window.isVisible());
    for (const QPointer<QWidget>& other : { help, about, picker })
        QVERIFY(!other || !other->isVisible());
    QVERIFY(f.fakes.messages.shown.isEmpty());

    // And the program ends.
    f.window.show();
    const int result = runUntilTheProgramEnds([&] {
        if (byTitleBar)
            f.window.close();
        else
            f.click(f.button("cmdExit"));
    });
    QCOMPARE(result, 0);
}

QTEST_MAIN(LifecycleTest)
#include "lifecycletest.moc"
