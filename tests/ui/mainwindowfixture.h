#pragma once

// The real main window on fake services, shown and active, with short ways to its
// controls, to the user's typing and to the message boxes it showed.

#include "fakeservices.h"
#include "ui/main/frmmain.h"

#include <QtTest>
#include <QtWidgets>

namespace quarnix::testing {

// A message box as the tests compare it, all in one line, its buttons read "OK" or
// "Yes No".
inline QString box(const QString& title, const QString& text,
    platform::MessageIcon icon = platform::MessageIcon::Error, bool yesNo = false)
{
    return QStringLiteral("%1|%2|%3|%4").arg(title, text).arg(int(icon)).arg(yesNo ? "Yes No" : "OK");
}

struct MainWindowFixture {
    FakeServices fakes;
    ui::frmMain window;

    // The path style has to be in place before the window reads it.
    explicit MainWindowFixture(platform::PathStyle style = platform::nativePathStyle())
        : window((fakes.volumes.style = style, fakes.services()))
    {
        window.show();
        window.activateWindow();
        // A window that is not active takes none of the keys a test presses: the
        // test fails here rather than somewhere after.
        [this] { QVERIFY2(QTest::qWaitForWindowActive(&window), "the main window did not become active"); }();
    }

    template <typename T = QWidget> T* get(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        return found ? found : (qFatal("no control %s", name), nullptr);
    }
    QLineEdit* edit(const char* name) { return get<QLineEdit>(name); }

    template <typename... Names> QStringList texts(Names... names)
    {
        return { get(names)->property("text").toString()... };
    }

    QStringList messages() const
    {
        QStringList result;
        for (const ShownMessage& m : fakes.messages.shown)
            result << box(m.title, m.text, m.icon, m.buttons == platform::MessageButtons::YesNo);
        return result;
    }

    // The hourglass over the window and over the controls with a pointer of their own.
    bool busy() const
    {
        return window.cursor().shape() == Qt::WaitCursor
            && window.findChild<QWidget*>("txtSource")->cursor().shape() == Qt::WaitCursor
            && window.findChild<QWidget*>("picTarget")->cursor().shape() == Qt::WaitCursor;
    }

    // Puts the cursor in `field` and replaces its text by typing, as a user would.
    static void type(QLineEdit* field, const QString& text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    static void click(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton); }
    // A click on the control of that name, or else the keys, pressed where the focus is.
    void act(const QString& how)
    {
        if (QWidget* target = window.findChild<QWidget*>(how))
            click(target);
        else
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(how));
    }
};

} // namespace quarnix::testing
