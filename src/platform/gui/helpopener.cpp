#include "platform/gui/helpopener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace quarnix::platform {

bool DesktopHelpOpener::openHelpFile(const QString& fileName)
{
    const QStringList places = {QCoreApplication::applicationDirPath(), QDir::currentPath()};
    for (const QString& place : places) {
        const QFileInfo candidate(QDir(place), fileName);
        if (candidate.isFile())
            return QDesktopServices::openUrl(QUrl::fromLocalFile(candidate.absoluteFilePath()));
    }
    return false;
}

} // namespace quarnix::platform
