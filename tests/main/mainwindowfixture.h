#pragma once

// The real main window on fake services, shown and active, with short ways to its
// controls and to the user's typing.

#include "fakeservices.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace quarnix::testing {

struct MainWindowFixture {
    FakeServices fakes;
    ui::frmMain window;

    explicit MainWindowFixture(platform::PathStyle style = platform::nativePathStyle())
        : window(servicesIn(style))
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the main window did not become active");
    }

    template <typename T = QWidget> T* control(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s of type %s", name, T::staticMetaObject.className());
        return found;
    }

    QLineEdit* edit(const char* name) { return control<QLineEdit>(name); }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    QRadioButton* option(const char* name) { return control<QRadioButton>(name); }
    QLabel* label(const char* name) { return control<QLabel>(name); }

    // Puts the cursor in `field` and replaces its text by typing, as a user would.
    static void type(QLineEdit* field, const QString& text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, text);
    }

    static void click(QWidget* target) { QTest::mouseClick(target, Qt::LeftButton); }

    QWidget* focused() const { return QApplication::focusWidget(); }

private:
    // The path style has to be in place before the window reads it.
    platform::Services servicesIn(platform::PathStyle style)
    {
        fakes.volumes.style = style;
        return fakes.services();
    }
};

} // namespace quarnix::testing
