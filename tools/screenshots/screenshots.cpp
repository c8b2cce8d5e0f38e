// Draws the four windows to PNG files, for the README and for looking at the
// layouts beside their descriptions, each file's name ending in SUFFIX if given.
// Runs on any Qt platform, offscreen included, at any scale factor, on the
// machine's own services: the picker lists the machine's drives, and opens on a small
// tree made in SAMPLE-FOLDER (an empty folder), else in a temporary one.
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 quarnix-screenshots docs/images @2x /mnt
#include "platform/gui/services.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QString suffix;

// Closing a secondary window deletes it, so they are shown and left open. At a
// scale factor other than 1 the picture has the window's device pixels.
bool save(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    QCoreApplication::processEvents();
    const bool saved = window.grab().save(folder.filePath(name + suffix + QStringLiteral(".png")));
    if (!saved)
        QTextStream(stderr) << "cannot write " << folder.filePath(name) << ".png\n";
    return saved;
}

// A small tree for the folder list, which opens at the process's current folder.
bool enterSampleTree(const QString& folder)
{
    QDir root(folder);
    const QString current = QStringLiteral("Projects/Video");
    for (const QString& sub : {QStringLiteral("Chunks"), QStringLiteral("Originals"), QStringLiteral("Transfer")}) {
        if (!root.mkpath(current + u'/' + sub))
            return false;
    }
    return QDir::setCurrent(root.filePath(current));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4) {
        QTextStream(stderr) << "usage: quarnix-screenshots OUTPUT-FOLDER [SUFFIX [SAMPLE-FOLDER]]\n";
        return 2;
    }
    if (argc >= 3)
        suffix = QString::fromLocal8Bit(argv[2]);
    // Absolute, since the folder picker needs the current folder moved.
    const QDir out(QDir().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    QTemporaryDir scratch;
    const QString samples = argc == 4 ? QString::fromLocal8Bit(argv[3]) : scratch.path();
    if (!QDir().mkpath(out.path()) || !scratch.isValid() || !enterSampleTree(samples))
        return 1;

    quarnix::platform::SystemServices system;
    const quarnix::platform::Services services = system.services();

    bool ok = true;
    quarnix::ui::frmMain main(services);
    ok &= save(main, out, QStringLiteral("frmMain"));

    auto* picker = new quarnix::ui::frmFolder(main, services, &main);
    ok &= save(*picker, out, QStringLiteral("frmFolder"));

    auto* helpWindow = new quarnix::ui::frmHelp(&main);
    helpWindow->findChild<QLabel*>(QStringLiteral("lblDescription"))->show();
    ok &= save(*helpWindow, out, QStringLiteral("frmHelp"));

    auto* about = new quarnix::ui::frmAbout(system.addresses, &main);
    about->load();
    ok &= save(*about, out, QStringLiteral("frmAbout"));
    return ok ? 0 : 1;
}
