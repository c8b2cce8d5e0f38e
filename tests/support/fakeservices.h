#pragma once

// tests/support: what the window suites use besides fakevolumes.h: fakes for a
// person at a message box and the file dialog, a browser, a help viewer.

#include "fakevolumes.h"
#include "platform/gui/services.h"

#include <QStringList>
#include <functional>

namespace quarnix::testing {

// Records every message box as "title|text|icon|buttons" and answers from a script
// (Yes, or OK, when the script has run out). `onShow` runs while the box would be
// up, for tests that look at the window in that moment.
class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    platform::MessageAnswer show(QWidget*, const QString& title, const QString& text, platform::MessageIcon icon,
        platform::MessageButtons buttons, const QString&) override
    {
        const char* const icons[] = {"error", "warning", "information", "question"}; // as MessageIcon
        const bool yesNo = buttons == platform::MessageButtons::YesNo;
        shown << title + u'|' + text + u'|' + QLatin1String(icons[int(icon)]) + (yesNo ? "|Yes No" : "|OK");
        onShow();
        if (!yesNo)
            return platform::MessageAnswer::Ok;
        return answers.isEmpty() ? platform::MessageAnswer::Yes : answers.takeFirst();
    }

    QStringList shown;
    QList<platform::MessageAnswer> answers;
    std::function<void()> onShow = [] {};
};

// Hands back the scripted file names in turn; an empty one is a cancel.
class FakeFileChooser final : public platform::FileChooser {
public:
    QString chooseFile(QWidget*, const QString& title) override
    {
        titles.append(title);
        return choices.isEmpty() ? QString() : choices.takeFirst();
    }
    QStringList choices, titles;
};

class RecordingAddressOpener final : public platform::AddressOpener {
public:
    bool open(const QString& address) override { return opened.append(address), true; }
    QStringList opened;
};

class FakeHelpOpener final : public platform::HelpOpener {
public:
    bool openHelpFile(const QString& fileName) override { return requested.append(fileName), helpFileExists; }
    QStringList requested;
    bool helpFileExists = false;
};

// A full set of fakes, ready to hand to a window.
struct FakeServices {
    FakeVolumes volumes;
    FakeMessageBoxes messages;
    FakeFileChooser chooser;
    RecordingAddressOpener addresses;
    FakeHelpOpener help;

    platform::Services services() { return {&volumes, &messages, &chooser, &addresses, &help}; }
};

} // namespace quarnix::testing
