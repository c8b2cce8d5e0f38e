// Renders the main window, as it stands after start-up, to a PNG file: the picture
// of the window the README shows. Runs on any Qt platform, offscreen included:
//   QT_QPA_PLATFORM=offscreen quarnix_render_main frmMain.png
#include "fakeservices.h"
#include "ui/main/frmmain.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: quarnix_render_main OUTPUT.png\n";
        return 2;
    }
    quarnix::testing::FakeServices fakes;
    quarnix::ui::frmMain window(fakes.services());
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
