// src/app: the program itself. It names the application, makes the real platform
// services, and shows the main window; everything else happens in its handlers.

#include "platform/gui/services.h"
#include "ui/main/frmmain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarnix"));
    QApplication::setApplicationVersion(QStringLiteral(QUARNIX_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quarnix"));

    quarnix::platform::SystemVolumes volumes;
    quarnix::platform::QtMessageBoxes messages;
    quarnix::platform::QtFileChooser chooser;
    quarnix::platform::DesktopAddressOpener addresses;
    quarnix::platform::DesktopHelpOpener help;
    const quarnix::platform::Services services{&volumes, &messages, &chooser, &addresses, &help};

    quarnix::ui::frmMain window(services);
    window.show();
    return app.exec();
}
