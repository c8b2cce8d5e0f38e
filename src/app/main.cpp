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

    quarnix::platform::SystemServices services;
    quarnix::ui::frmMain window(services.services());
    window.show();
    return app.exec();
}
