// Draws the folder picker, the help window (with its hint shown) and the About
// window to PNG files, for the README and for looking at the layouts.
//
// Usage: QT_QPA_PLATFORM=offscreen quarnix_render_secondary <output folder>

#include "fakeservices.h"
#include "ui/folder/frmfolder.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"
#include "ui/mainfields.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

class Fields final : public quarnix::ui::MainFields {
public:
    QString sourceText() const override { return {}; }
    void setDestinationText(const QString&) override {}
};

bool save(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    QCoreApplication::processEvents();
    const bool saved = window.grab().save(folder.filePath(name + QStringLiteral(".png")));
    window.close();
    return saved;
}

// A small tree to show in the folder list: the picker opens at the process's
// current folder.
bool enterSampleTree(const QTemporaryDir& scratch)
{
    QDir root(scratch.path());
    const QString current = QStringLiteral("Projects/Video");
    for (const QString& sub : {QStringLiteral("Chunks"), QStringLiteral("Originals"),
                               QStringLiteral("Transfer")}) {
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
        QTextStream(stderr) << "usage: quarnix_render_secondary <output folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;

    QTemporaryDir scratch;
    if (!scratch.isValid() || !enterSampleTree(scratch))
        return 1;
    quarnix::testing::FakeServices fakes;
    fakes.volumes.entries = {{scratch.path(), QStringLiteral("/media/data (Data)")}};
    Fields fields;

    bool ok = true;
    auto* picker = new quarnix::ui::frmFolder(fields, fakes.services());
    ok &= save(*picker, out, QStringLiteral("frmFolder"));

    auto* help = new quarnix::ui::frmHelp;
    help->findChild<QLabel*>(QStringLiteral("lblDescription"))->show();
    ok &= save(*help, out, QStringLiteral("frmHelp"));

    auto* about = new quarnix::ui::frmAbout(fakes.addresses);
    about->load();
    ok &= save(*about, out, QStringLiteral("frmAbout"));
    return ok ? 0 : 1;
}
