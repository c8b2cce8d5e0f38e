#pragma once

// What every window suite starts from: the real main window on fake services,
// shown and active, and the other three windows opened from it as a user opens them.

#include "fakeservices.h"
#include "testfiles.h"
#include "ui/common/captionfit.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"
#include "ui/main/frmmain.h"

#include <QtTest>
#include <QtWidgets>

namespace quarnix::testing {

using namespace Qt::StringLiterals;

// The folder picker opens two ways: owned by the main window, from the
// destination's browse button, and without an owner, as the split job opens it.
enum class Window { Main, Help, About, Picker, UnownedPicker };

// Every key a test presses goes to the active window, so every caller fails its
// test on false. Not QTest::qWaitForWindowActive, which counts an owned window as
// active while its owner is.
[[nodiscard]] inline bool activate(QWidget* window)
{
    if (!window)
        return false;
    window->show();
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

template <typename T = QWidget> T* child(const QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    return found ? found : (qFatal("no control %s", name), nullptr);
}

// A key pressed, and a control clicked, through the window system into `window`.
inline void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}
inline void click(const QWidget* window, const char* control)
{
    QTest::mouseClick(child(window, control), Qt::LeftButton);
}

inline const QString notReady
    = u"Device not ready|There is no media in the drive. Please insert the media and try again.|warning|OK"_s;

struct FourWindows {
    // In the order they are made: the main window last, on the fakes.
    const QString startFolder = QDir::currentPath();
    QTemporaryDir folder;
    FakeServices fakes;
    ui::frmMain main;

    // The window reads the path style when it is made.
    explicit FourWindows(platform::PathStyle style = platform::nativePathStyle())
        : main((fakes.volumes.style = style, fakes.services()))
    {
        fakes.volumes.entries = {{folder.path(), "Data"}, {QDir::rootPath(), "System"}};
        QVERIFY2(activate(&main), "the main window did not become active");
    }
    // Back in the folder the test started in before the fixture's folder goes.
    ~FourWindows() { QDir::setCurrent(startFolder); }

    // Opens `which` as the user does and makes it the active window. The
    // destination's browse button wants a source first: without one, the picker gets
    // an empty source.bin in the fixture's folder.
    QWidget* open(Window which)
    {
        if (which == Window::Picker && main.sourceText().isEmpty())
            main.setSourceText(file("source.bin", {}));
        if (which == Window::UnownedPicker)
            main.openFolderPicker();
        else if (which != Window::Main)
            click(which == Window::Help ? "cmdHelp" : which == Window::About ? "cmdAbout" : "cmdBrowseD");
        const ui::SecondaryWindows& windows = main.secondaryWindows();
        QWidget* const opened[] = {&main, windows.helpWindow(), windows.aboutWindow(), picker(), picker()};
        [&] { QVERIFY2(activate(opened[int(which)]), "the window did not become active"); }();
        return opened[int(which)];
    }
    void click(const char* control) { testing::click(&main, control); }

    // The picker opens at the process's current folder.
    ui::frmFolder* openPickerAt(const QString& start)
    {
        QDir::setCurrent(start);
        return static_cast<ui::frmFolder*>(open(Window::Picker));
    }
    ui::frmFolder* picker() { return main.secondaryWindows().folderPicker(); }

    template <typename T = QWidget> T* get(const char* name) { return child<T>(&main, name); }

    // A file of these bytes in the fixture's folder, by its full name.
    QString file(const QString& name, const QByteArray& bytes)
    {
        [&] { QVERIFY(writeFile(path(name), bytes)); }();
        return path(name);
    }
    // As the path fields and the picker show it.
    QString path(const QString& relative) const
    {
        return QDir::toNativeSeparators(QDir::cleanPath(folder.filePath(relative)));
    }

    // Every message box shown, as "title|text|icon|buttons".
    const QStringList& messages() const { return fakes.messages.shown; }
};

} // namespace quarnix::testing

Q_DECLARE_METATYPE(quarnix::testing::Window)
