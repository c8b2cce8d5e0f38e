#pragma once

// The real main window on fake services, with a source file chosen, and the other
// three windows opened from it the way a user opens them.

#include "fakeservices.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"
#include "ui/main/frmmain.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace quarnix::testing {

// Shows `window` and makes it the active one. A window that does not become active
// cannot take the user's keys, so every caller fails its test on false.
[[nodiscard]] inline bool activate(QWidget* window)
{
    if (!window)
        return false;
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

class FourWindows {
public:
    FourWindows()
    {
        QFile source(folder.filePath(QStringLiteral("source.bin")));
        source.open(QIODevice::WriteOnly);
        fakes.volumes.entries = { { folder.path(), QStringLiteral("Data") },
            { QStringLiteral("/"), QStringLiteral("System") } };
        main = std::make_unique<ui::frmMain>(fakes.services());
        main->setSourceText(source.fileName());
    }

    // "frmMain", "frmHelp", "frmAbout", "frmFolder" (opened by the destination's
    // browse button), or "unowned frmFolder" (opened as the split job opens it).
    QWidget* open(const QString& name)
    {
        main->show();
        if (name == u"frmMain")
            return main.get();
        if (name == u"unowned frmFolder") {
            main->openFolderPicker();
            return main->secondaryWindows().folderPicker();
        }
        const char* button = name == u"frmHelp" ? "cmdHelp" : name == u"frmAbout" ? "cmdAbout" : "cmdBrowseD";
        QTest::mouseClick(main->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        ui::SecondaryWindows& windows = main->secondaryWindows();
        if (name == u"frmHelp")
            return windows.helpWindow();
        if (name == u"frmAbout")
            return windows.aboutWindow();
        return windows.folderPicker();
    }

    // Every top-level window of the program that is open now.
    static QWidgetList openWindows()
    {
        QWidgetList shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && !window->inherits("QMenu") && !window->inherits("QComboBoxPrivateContainer"))
                shown.append(window);
        }
        return shown;
    }

    QTemporaryDir folder;
    FakeServices fakes;
    std::unique_ptr<ui::frmMain> main;
};

// Records, as "window/button", every button of the open windows that goes down, and
// every one that completes a click.
class ButtonRecorder {
public:
    ButtonRecorder()
    {
        for (QWidget* window : FourWindows::openWindows()) {
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                // The owned windows are children of the main window too.
                if (button->window() != window)
                    continue;
                const QString name = window->objectName() + u'/' + button->objectName();
                QObject::connect(button, &QPushButton::pressed, &context_, [this, name] { pressed << name; });
                QObject::connect(button, &QPushButton::clicked, &context_, [this, name] { clicked << name; });
            }
        }
    }

    QStringList pressed;
    QStringList clicked;

private:
    QObject context_;
};

} // namespace quarnix::testing
