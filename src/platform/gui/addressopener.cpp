#include "platform/gui/addressopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace quarnix::platform {

bool DesktopAddressOpener::open(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace quarnix::platform
