// The keyboard in all four windows, pressed through the window system into the
// active window as a user presses it: access keys reach only that window's own
// buttons, Enter presses the focused button (in the folder picker its default
// button when no button has the focus), Escape presses nothing, and Tab walks the
// controls in their tab order.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;

namespace {

// Sends one key, with modifiers, to the active window.
void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

QString focusName()
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

} // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT

private slots:
    // Alt with each access letter of the program, in each window. A button goes down
    // at once on its access key and clicks a moment later.
    void accessKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("letters"); // pressed with Alt, one at a time
        QTest::addColumn<QStringList>("pressed"); // for each letter, the button it presses, or ""
        const QString all = QStringLiteral("SHAEDOC");
        QTest::newRow("main window") << "frmMain" << all
                                     << QStringList { "frmMain/cmdSplit", "frmMain/cmdHelp", "frmMain/cmdAbout",
                                            "frmMain/cmdExit", "frmMain/cmdDefault", "", "" };
        QTest::newRow("folder picker") << "frmFolder" << all
                                       << QStringList { "", "", "", "", "", "frmFolder/cmdOk", "frmFolder/cmdCancel" };
        QTest::newRow("unowned folder picker")
            << "unowned frmFolder" << all
            << QStringList { "", "", "", "", "", "frmFolder/cmdOk", "frmFolder/cmdCancel" };
        QTest::newRow("help") << "frmHelp" << all << QStringList { "", "", "", "", "", "", "frmHelp/cmdClose" };
        QTest::newRow("About") << "frmAbout" << all << QStringList { "", "", "", "", "", "frmAbout/cmdOk", "" };
    }

    void accessKeys()
    {
        QFETCH(QString, window);
        QFETCH(QString, letters);
        QFETCH(QStringList, pressed);
        for (qsizetype i = 0; i < letters.size(); ++i) {
            FourWindows windows;
            windows.open(QStringLiteral("frmHelp"));
            windows.open(QStringLiteral("frmAbout"));
            QWidget* active = windows.open(window);
            QVERIFY(activate(active));
            ButtonRecorder buttons;
            press(active, Qt::Key(letters.at(i).unicode()), Qt::AltModifier);
            const QStringList expected = pressed.at(i).isEmpty() ? QStringList() : QStringList(pressed.at(i));
            QVERIFY2(buttons.pressed == expected,
                qPrintable(QStringLiteral("Alt+%1 pressed: %2").arg(letters.at(i), buttons.pressed.join(u' '))));
            QTRY_COMPARE(buttons.clicked, expected);
        }
    }

    // Enter and Return with the focus on each control that takes it.
    void enter_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pressed"); // "" when nothing is pressed
        const int ret = Qt::Key_Return, enter = Qt::Key_Enter;
        for (const char* button :
            { "cmdBrowse", "cmdSplit", "cmdHelp", "cmdAbout", "cmdExit", "cmdBrowseD", "cmdDefault" }) {
            QTest::addRow("main window, %s", button)
                << "frmMain" << button << ret << QStringLiteral("frmMain/%1").arg(QLatin1String(button));
        }
        QTest::newRow("main window, keypad Enter on Split") << "frmMain" << "cmdSplit" << enter << "frmMain/cmdSplit";
        // No button of the main window is its default button.
        for (const char* control : { "txtSource", "txtDestination", "optSize", "txtSize", "optNumber" })
            QTest::addRow("main window, %s", control) << "frmMain" << control << ret << "";
        // In the picker Enter presses the focused button, and OK from anywhere else.
        QTest::newRow("picker, OK") << "frmFolder" << "cmdOk" << ret << "frmFolder/cmdOk";
        QTest::newRow("picker, Up") << "frmFolder" << "cmdUp" << ret << "frmFolder/cmdUp";
        QTest::newRow("picker, Cancel") << "frmFolder" << "cmdCancel" << ret << "frmFolder/cmdCancel";
        QTest::newRow("picker, keypad Enter on Cancel") << "frmFolder" << "cmdCancel" << enter << "frmFolder/cmdCancel";
        QTest::newRow("picker, drive list") << "frmFolder" << "lstDrive" << ret << "frmFolder/cmdOk";
        QTest::newRow("picker, folder list") << "frmFolder" << "lstFolder" << enter << "frmFolder/cmdOk";
        QTest::newRow("help, Close") << "frmHelp" << "cmdClose" << ret << "frmHelp/cmdClose";
        QTest::newRow("About, OK") << "frmAbout" << "cmdOk" << enter << "frmAbout/cmdOk";
    }

    void enter()
    {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, pressed);
        FourWindows windows;
        QWidget* active = windows.open(window);
        QVERIFY(activate(active));
        auto* control = active->findChild<QWidget*>(focus);
        QVERIFY(control);
        control->setFocus(Qt::TabFocusReason);
        QCOMPARE(focusName(), focus);
        ButtonRecorder buttons;
        press(active, Qt::Key(key));
        QCOMPARE(buttons.pressed, pressed.isEmpty() ? QStringList() : QStringList(pressed));
        QCOMPARE(buttons.clicked, buttons.pressed);
    }

    // Escape presses nothing and closes nothing, wherever the focus is.
    void escape_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("focus");
        QTest::newRow("main window") << "frmMain" << QStringList { "txtSource", "cmdSplit", "optSize" };
        QTest::newRow("folder picker") << "frmFolder" << QStringList { "cmdOk", "cmdCancel", "lstDrive", "lstFolder" };
        QTest::newRow("unowned folder picker") << "unowned frmFolder" << QStringList { "cmdOk", "lstFolder" };
        QTest::newRow("help") << "frmHelp" << QStringList { "cmdClose" };
        QTest::newRow("About") << "frmAbout" << QStringList { "cmdOk" };
    }

    void escape()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, focus);
        FourWindows windows;
        windows.main->setDestinationText(QStringLiteral("/untouched"));
        QPointer<QWidget> active = windows.open(window);
        QVERIFY(activate(active));
        const QWidgetList before = FourWindows::openWindows();
        ButtonRecorder buttons;
        for (const QString& name : focus) {
            active->findChild<QWidget*>(name)->setFocus(Qt::TabFocusReason);
            press(active, Qt::Key_Escape);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(active && active->isVisible(), qPrintable(name));
        }
        QCOMPARE(FourWindows::openWindows(), before);
        QCOMPARE(buttons.pressed, QStringList());
        QCOMPARE(windows.main->destinationText(), QStringLiteral("/untouched"));
        QCOMPARE(windows.fakes.messages.shown.size(), 0);
    }

    // Tab from the control that has the focus when the window opens, round the
    // window and back to it; then Shift+Tab the same way backwards. Labels, frames
    // and lines never take the focus, nor does a disabled field, nor the option
    // button that is not selected. Behind the keys, the focus chain holds every
    // control that can take the focus in the order of the window's tab indexes.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("countMode"); // the main window in chunk count mode
        QTest::addColumn<QStringList>("keys"); // where Tab goes
        QTest::addColumn<QStringList>("chain"); // by tab index
        const QStringList mainChain { "txtSource", "txtDestination", "cmdBrowse", "cmdSplit", "cmdHelp", "cmdAbout",
            "cmdExit", "cmdBrowseD", "cmdDefault", "optSize", "txtSize", "optNumber", "txtNumber" };
        QTest::newRow("main window, chunk size")
            << "frmMain" << false
            << QStringList { "txtSource", "txtDestination", "cmdBrowse", "cmdSplit", "cmdHelp", "cmdAbout", "cmdExit",
                   "cmdBrowseD", "cmdDefault", "optSize", "txtSize", "txtSource" }
            << mainChain;
        QTest::newRow("main window, chunk count")
            << "frmMain" << true
            << QStringList { "txtSource", "txtDestination", "cmdBrowse", "cmdSplit", "cmdHelp", "cmdAbout", "cmdExit",
                   "cmdBrowseD", "cmdDefault", "optNumber", "txtNumber", "txtSource" }
            << mainChain;
        const QStringList picker { "cmdOk", "cmdUp", "cmdCancel", "lstDrive", "lstFolder" };
        QTest::newRow("folder picker") << "frmFolder" << false << picker + QStringList("cmdOk") << picker;
        QTest::newRow("help") << "frmHelp" << false << QStringList { "cmdClose", "cmdClose" }
                              << QStringList { "cmdClose" };
        QTest::newRow("About") << "frmAbout" << false << QStringList { "cmdOk", "cmdOk" } << QStringList { "cmdOk" };
    }

    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(bool, countMode);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, chain);
        FourWindows windows;
        QWidget* active = windows.open(window);
        QVERIFY(activate(active));
        if (countMode) {
            QTest::mouseClick(active->findChild<QWidget*>(QStringLiteral("optNumber")), Qt::LeftButton);
            active->findChild<QWidget*>(QStringLiteral("txtSource"))->setFocus(Qt::MouseFocusReason);
        }
        QCOMPARE(focusName(), keys.first());
        QStringList forwards { focusName() };
        for (qsizetype i = 1; i < keys.size(); ++i) {
            press(active, Qt::Key_Tab);
            forwards << focusName();
        }
        QCOMPARE(forwards, keys);
        QStringList backwards { focusName() };
        for (qsizetype i = 1; i < keys.size(); ++i) {
            press(active, Qt::Key_Backtab, Qt::ShiftModifier);
            backwards.prepend(focusName());
        }
        QCOMPARE(backwards, keys);
        QCOMPARE(windows.fakes.messages.shown.size(), 0);

        QStringList held;
        for (QWidget* next = active->nextInFocusChain(); next != active; next = next->nextInFocusChain()) {
            if (next->window() == active && next->focusPolicy() != Qt::NoFocus)
                held << next->objectName();
        }
        QVERIFY2(held == chain, qPrintable(held.join(u' ')));
    }
};

QTEST_MAIN(WindowKeysTest)
#include "tst_keys.moc"
