// Draws the four windows to PNG files, for the README and for looking at the
// layouts beside their descriptions. Runs on any Qt platform, offscreen included:
//   QT_QPA_PLATFORM=offscreen quarnix-screenshots docs/images
#include "fakeservices.h"
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

// Closing a secondary window deletes it, so they are shown and left open.
bool save(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    QCoreApplication::processEvents();
    const bool saved = window.grab().save(folder.filePath(name + QStringLiteral(".png")));
    if (!saved)
        QTextStream(stderr) << "cannot write " << folder.filePath(name) << ".png\n";
    return saved;
}

// A small tree for the folder list, which opens at the process's current folder.
bool enterSampleTree(const QTemporaryDir& scratch)
{
    QDir root(scratch.path());
    const QString current = QStringLiteral("Projects/Video");
    for (const QString& sub : { QStringLiteral("Chunks"), QStringLiteral("Originals"),
             QStringLiteral("Transfer") }) {
        if (!root.mkpath(current + u'/' + sub))
            return false;
    }
    return QDir::setCurrent(root.filePath(current));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: quarnix-screenshots OUTPUT-FOLDER\n";
        return 2;
    }
    // Absolute, since the folder picker needs the current folder moved.
    const QDir out(QDir().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    QTemporaryDir scratch;
    if (!QDir().mkpath(out.path()) || !scratch.isValid() || !enterSampleTree(scratch))
        return 1;

    quarnix::testing::FakeServices fakes;
    fakes.volumes.entries = { { scratch.path(), QStringLiteral("/media/data (Data)") } };

    bool ok = true;
    quarnix::ui::frmMain main(fakes.services());
    ok &= save(main, out, QStringLiteral("frmMain"));

    auto* picker = new quarnix::ui::frmFolder(main, fakes.services(), &main);
    ok &= save(*picker, out, QStringLiteral("frmFolder"));

    auto* help = new quarnix::ui::frmHelp(&main);
    help->findChild<QLabel*>(QStringLiteral("lblDescription"))->show();
    ok &= save(*help, out, QStringLiteral("frmHelp"));

    auto* about = new quarnix::ui::frmAbout(fakes.addresses, &main);
    about->load();
    ok &= save(*about, out, QStringLiteral("frmAbout"));
    return ok ? 0 : 1;
}
