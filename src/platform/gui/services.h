#pragma once

// src/platform/gui: the operating system's services that show something or hand
// something to the desktop (message boxes, the file dialog, the browser, the help
// viewer), behind interfaces the tests replace with fakes. Includes QtWidgets and
// the platform core, nothing of src/engine or src/ui.

#include "platform/gui/addressopener.h"
#include "platform/gui/filechooser.h"
#include "platform/gui/helpopener.h"
#include "platform/gui/messageboxes.h"
#include "platform/volumes.h"

namespace quarnix::platform {

// The operating-system services the windows use. The program hands every window
// the real ones; tests hand them fakes. Not owned.
struct Services {
    Volumes* volumes = nullptr;
    MessageBoxes* messages = nullptr;
    FileChooser* chooser = nullptr;
    AddressOpener* addresses = nullptr;
    HelpOpener* help = nullptr;
};

// The machine's own services, as the program and its tools use them.
struct SystemServices {
    SystemVolumes volumes;
    QtMessageBoxes messages;
    QtFileChooser chooser;
    DesktopAddressOpener addresses;
    DesktopHelpOpener help;

    Services services() { return {&volumes, &messages, &chooser, &addresses, &help}; }
};

} // namespace quarnix::platform
