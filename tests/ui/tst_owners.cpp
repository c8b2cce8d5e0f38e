// On a real X server: the windows opened from the main window tell the window
// manager that they belong to it (WM_TRANSIENT_FOR), which keeps them in front of it
// and minimises them with it. Read back from the server with xprop, as a window
// manager would read it.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;

namespace {

// What the X server holds as the owner of `window`, as xprop prints it:
// "WM_TRANSIENT_FOR(WINDOW): window id # 0x1200007", or "WM_TRANSIENT_FOR:  not found.".
QString transientFor(const QWidget* window)
{
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), u"WM_TRANSIENT_FOR"_s});
    xprop.waitForFinished(30'000);
    return QString::fromLocal8Bit(xprop.readAllStandardOutput() + xprop.readAllStandardError()).trimmed();
}

} // namespace

class OwnedWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), u"xcb"_s); }

    // The split job opens the picker without an owner: it claims no window of the
    // program.
    void ownedByTheMainWindow_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<bool>("owned");
        QTest::newRow("help") << Window::Help << true;
        QTest::newRow("About") << Window::About << true;
        QTest::newRow("folder picker") << Window::Picker << true;
        QTest::newRow("unowned folder picker") << Window::UnownedPicker << false;
    }

    void ownedByTheMainWindow()
    {
        QFETCH(Window, window);
        QFETCH(bool, owned);
        FourWindows windows;
        const QString owner = transientFor(windows.open(window));
        const QString main = u"WM_TRANSIENT_FOR(WINDOW): window id # 0x"_s + QString::number(windows.main.winId(), 16);
        QVERIFY2((owner == main) == owned, qPrintable(owner));
        QCOMPARE(transientFor(&windows.main), u"WM_TRANSIENT_FOR:  not found."_s);
    }
};

QTEST_MAIN(OwnedWindowsTest)
#include "tst_owners.moc"
