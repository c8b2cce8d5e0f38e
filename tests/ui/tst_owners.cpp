// On a real X server: the windows opened from the main window tell the window
// manager that they belong to it (WM_TRANSIENT_FOR), which keeps them in front of it
// and minimises them with it. Read back from the server with xprop, as a window
// manager would read it.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;

namespace {

// The window that `window` is transient for, as the X server holds it; empty when
// the property is not set.
QString transientFor(const QWidget* window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
        { QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("WM_TRANSIENT_FOR") });
    if (!xprop.waitForFinished(30'000) || xprop.exitCode() != 0)
        return QStringLiteral("xprop failed: ") + QString::fromLocal8Bit(xprop.readAllStandardError());
    // "WM_TRANSIENT_FOR(WINDOW): window id # 0x1200007", or "WM_TRANSIENT_FOR:  not found."
    const QString answer = QString::fromLatin1(xprop.readAllStandardOutput()).trimmed();
    const qsizetype hash = answer.indexOf(u'#');
    if (hash < 0)
        return {};
    bool isNumber = false;
    const qulonglong id = answer.mid(hash + 1).trimmed().toULongLong(&isNumber, 16);
    return isNumber ? QString::number(id) : answer;
}

} // namespace

class OwnedWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

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
        QVERIFY2((owner == QString::number(windows.main.winId())) == owned, qPrintable(owner));
        QCOMPARE(transientFor(&windows.main), QString());
    }
};

QTEST_MAIN(OwnedWindowsTest)
#include "tst_owners.moc"
