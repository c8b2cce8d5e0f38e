// The keyboard in all four windows, pressed through the window system into the
// active window as a user presses it: access keys reach only that window's own
// buttons, Enter presses the focused button (in the folder picker its default
// button when no button has the focus), Escape presses nothing, and Tab walks the
// controls in their tab order.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;

namespace {

QString focusName()
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

// Every top-level window of the program that is open now.
QWidgetList openWindows()
{
    QWidgetList shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->inherits("QMenu") && !window->inherits("QComboBoxPrivateContainer"))
            shown.append(window);
    }
    return shown;
}

// Records, as "window/button", every button that goes down, and every one that
// completes a click.
struct ButtonRecorder : QObject {
    QStringList pressed;
    QStringList clicked;

    ButtonRecorder()
    {
        for (QWidget* widget : QApplication::allWidgets()) {
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                const QString name = button->window()->objectName() + u'/' + button->objectName();
                connect(button, &QPushButton::pressed, this, [this, name] { pressed << name; });
                connect(button, &QPushButton::clicked, this, [this, name] { clicked << name; });
            }
        }
    }
};

} // namespace

class WindowKeysTest : public QObject {
    Q_OBJECT

private slots:
    // A key pressed in each window, with Help and About open behind it and the focus
    // where the window put it or on a control, and the button it presses. A key that
    // presses no button closes nothing and changes nothing.
    void keyPresses_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("focus"); // "": where the window puts it
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pressed"); // "" when nothing is pressed
        // Alt with each access letter of the program, in each window. A button goes
        // down at once on its access key and clicks a moment later.
        const char* const windowNames[] = {"main window", "help", "About", "picker", "unowned picker"};
        const QStringList picker {"", "", "", "", "", "frmFolder/cmdOk", "frmFolder/cmdCancel"};
        for (const auto& [window, pressed] :
            QList<std::pair<Window, QStringList>> {{Window::Main,
                                                       {"frmMain/cmdSplit", "frmMain/cmdHelp", "frmMain/cmdAbout",
                                                           "frmMain/cmdExit", "frmMain/cmdDefault", "", ""}},
                {Window::Picker, picker}, {Window::UnownedPicker, picker},
                {Window::Help, {"", "", "", "", "", "", "frmHelp/cmdClose"}},
                {Window::About, {"", "", "", "", "", "frmAbout/cmdOk", ""}}}) {
            for (int i = 0; i < 7; ++i) {
                QTest::addRow("%s, Alt+%c", windowNames[int(window)], "SHAEDOC"[i])
                    << window << "" << (Qt::ALT | Qt::Key("SHAEDOC"[i])).toCombined() << pressed[i];
            }
        }
        // Enter and Return with the focus on each control that takes it press the
        // focused button; in the picker, OK from anywhere else. No button of the main
        // window is its default button. Escape presses nothing, wherever the focus is.
        const int ret = Qt::Key_Return, enter = Qt::Key_Enter, escape = Qt::Key_Escape;
        for (const char* button :
            {"cmdBrowse", "cmdSplit", "cmdHelp", "cmdAbout", "cmdExit", "cmdBrowseD", "cmdDefault"}) {
            QTest::addRow("main window, %s", button)
                << Window::Main << button << ret << QStringLiteral("frmMain/%1").arg(QLatin1String(button));
        }
        QTest::newRow("main window, keypad Enter on Split")
            << Window::Main << "cmdSplit" << enter << "frmMain/cmdSplit";
        for (const char* control : {"txtSource", "txtDestination", "optSize", "txtSize", "optNumber"})
            QTest::addRow("main window, %s", control) << Window::Main << control << ret << "";
        QTest::newRow("picker, OK") << Window::Picker << "cmdOk" << ret << "frmFolder/cmdOk";
        QTest::newRow("picker, Up") << Window::Picker << "cmdUp" << ret << "frmFolder/cmdUp";
        QTest::newRow("picker, Cancel") << Window::Picker << "cmdCancel" << ret << "frmFolder/cmdCancel";
        QTest::newRow("picker, keypad Enter on Cancel")
            << Window::Picker << "cmdCancel" << enter << "frmFolder/cmdCancel";
        QTest::newRow("picker, drive list") << Window::Picker << "lstDrive" << ret << "frmFolder/cmdOk";
        QTest::newRow("picker, folder list") << Window::Picker << "lstFolder" << enter << "frmFolder/cmdOk";
        QTest::newRow("help, Close") << Window::Help << "cmdClose" << ret << "frmHelp/cmdClose";
        QTest::newRow("About, OK") << Window::About << "cmdOk" << enter << "frmAbout/cmdOk";
        for (const auto& [window, control] :
            QList<std::pair<Window, const char*>> {{Window::Main, "txtSource"}, {Window::Main, "cmdSplit"},
                {Window::Main, "optSize"}, {Window::Picker, "cmdOk"}, {Window::Picker, "cmdCancel"},
                {Window::Picker, "lstDrive"}, {Window::Picker, "lstFolder"}, {Window::UnownedPicker, "cmdOk"},
                {Window::UnownedPicker, "lstFolder"}, {Window::Help, "cmdClose"}, {Window::About, "cmdOk"}})
            QTest::addRow("%s, Escape on %s", windowNames[int(window)], control) << window << control << escape << "";
    }

    void keyPresses()
    {
        QFETCH(Window, window);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, pressed);
        FourWindows windows;
        windows.main.setDestinationText(u"/untouched"_s);
        windows.open(Window::Help);
        windows.open(Window::About);
        QPointer<QWidget> active = windows.open(window);
        if (!focus.isEmpty()) {
            child(active, qPrintable(focus))->setFocus(Qt::TabFocusReason);
            QCOMPARE(focusName(), focus);
        }
        const QWidgetList before = openWindows();
        ButtonRecorder buttons;
        const auto combination = QKeyCombination::fromCombined(key);
        press(active, combination.key(), combination.keyboardModifiers());
        QCOMPARE(buttons.pressed, pressed.isEmpty() ? QStringList() : QStringList(pressed));
        QTRY_COMPARE(buttons.clicked, buttons.pressed);
        if (!pressed.isEmpty())
            return;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(active && active->isVisible());
        QCOMPARE(openWindows(), before);
        QCOMPARE(windows.main.destinationText(), u"/untouched"_s);
        QCOMPARE(windows.messages(), QStringList());
    }

    // Tab from the control that has the focus when the window opens, round the
    // window and back to it (Shift+Tab walks Qt's same chain backwards). Labels,
    // frames and lines never take the focus, nor does a disabled field, nor the
    // option button that is not selected.
    void tabOrder_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<bool>("countMode");   // the main window in chunk count mode
        QTest::addColumn<QStringList>("keys"); // where Tab goes
        const QStringList buttons {"txtSource", "txtDestination", "cmdBrowse", "cmdSplit", "cmdHelp", "cmdAbout",
            "cmdExit", "cmdBrowseD", "cmdDefault"};
        QTest::newRow("main window, chunk size")
            << Window::Main << false << buttons + QStringList {"optSize", "txtSize", "txtSource"};
        QTest::newRow("main window, chunk count")
            << Window::Main << true << buttons + QStringList {"optNumber", "txtNumber", "txtSource"};
        QTest::newRow("folder picker") << Window::Picker << false
                                       << QStringList {"cmdOk", "cmdUp", "cmdCancel", "lstDrive", "lstFolder", "cmdOk"};
        QTest::newRow("help") << Window::Help << false << QStringList {"cmdClose", "cmdClose"};
        QTest::newRow("About") << Window::About << false << QStringList {"cmdOk", "cmdOk"};
    }

    void tabOrder()
    {
        QFETCH(Window, window);
        QFETCH(bool, countMode);
        QFETCH(QStringList, keys);
        FourWindows windows;
        QWidget* active = windows.open(window);
        if (countMode) {
            windows.click("optNumber");
            windows.get("txtSource")->setFocus(Qt::MouseFocusReason);
        }
        QStringList forwards {focusName()};
        for (qsizetype i = 1; i < keys.size(); ++i) {
            press(active, Qt::Key_Tab);
            forwards << focusName();
        }
        QCOMPARE(forwards, keys);
        QCOMPARE(windows.messages(), QStringList()); // the defaults pass their checks
    }
};

QTEST_MAIN(WindowKeysTest)
#include "tst_keys.moc"
