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

    void ownedByTheMainWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("help") << "frmHelp";
        QTest::newRow("About") << "frmAbout";
        QTest::newRow("folder picker") << "frmFolder";
    }

    void ownedByTheMainWindow()
    {
        QFETCH(QString, window);
        FourWindows windows;
        windows.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(windows.main.get()));
        QWidget* opened = windows.open(window);
        QVERIFY(opened && QTest::qWaitForWindowExposed(opened));
        QCOMPARE(transientFor(opened), QString::number(windows.main->winId()));
        QCOMPARE(transientFor(windows.main.get()), QString());
    }

    // The split job opens the picker without an owner: it must not claim the main
    // window.
    void unownedPickerClaimsNoWindowOfTheProgram()
    {
        FourWindows windows;
        windows.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(windows.main.get()));
        QWidget* picker = windows.open(QStringLiteral("unowned frmFolder"));
        QVERIFY(picker && QTest::qWaitForWindowExposed(picker));
        QVERIFY(transientFor(picker) != QString::number(windows.main->winId()));
    }
};

QTEST_MAIN(OwnedWindowsTest)
#include "tst_owners.moc"
