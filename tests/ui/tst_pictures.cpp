// What each window looks like, pixel for pixel, in the states that change its look:
// drawn with QWidget::grab on the offscreen platform in Fusion and the Liberation
// fonts only (pictures/fonts.conf), at the scale factor CTest gives (1 and 2), and
// compared with the reference pictures in pictures/. The picker shows folders in
// /mnt, an empty folder of the suite's own (in-fixed-folder.sh), never a temporary
// name; no caret blinks. A picture that differs is written beside the suite's
// output with a picture of the difference, black where the pixels agree. QUARNIX_RENDER_REFERENCES=1 writes the
// references instead: tools/render-references.sh.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;

namespace {

struct Picture {
    const char* name; // of the reference: pictures/NAME.png, NAME@2x.png at scale factor 2
    std::function<QWidget*(FourWindows&)> show;
};

// The picker opened in `folder` with two drives: Data at /mnt, and a stick with a
// mount point too long for the closed box.
QWidget* pickerIn(FourWindows& f, const QString& folder)
{
    const QString stick = u"/mnt/media/quarnix/volumes of the machine/STICK"_s;
    for (const QString& made : {u"/mnt/Projects/Video/Chunks"_s, u"/mnt/Projects/Video/Originals"_s,
             u"/mnt/Projects/Video/Transfer"_s, stick + u"/Photos"_s})
        [&] { QVERIFY(QDir().mkpath(made)); }();
    f.fakes.volumes.entries = {{u"/mnt"_s, "Data"}, {stick, stick + u" (Photos)"_s}};
    QDir::setCurrent(folder);
    return f.open(Window::Picker);
}

// The main window in chunk count mode, a split's longest step in the status line.
QWidget* countModeSplitting(FourWindows& f)
{
    f.click("optNumber");
    f.main.setStatus(u"Wait... split operation is in progress...Processing reportdoc.12"_s);
    return &f.main;
}

// The help window with its hint shown, the pointer over the link.
QWidget* helpHint(FourWindows& f)
{
    QWidget* help = f.open(Window::Help);
    QTest::mouseMove(help->windowHandle(), child(help, "lblDownload")->geometry().center());
    return help;
}

} // namespace

Q_DECLARE_METATYPE(Picture)

class PicturesTest : public QObject {
    Q_OBJECT
    const QDir output = QDir::current();

private slots:
    void initTestCase()
    {
        QApplication::setStyle(u"Fusion"_s);
        QApplication::setCursorFlashTime(0);
    }

    void looksAsItsReference_data()
    {
        QTest::addColumn<Picture>("row");
        const auto main = [](FourWindows& f) -> QWidget* { return &f.main; };
        const auto about = [](FourWindows& f) { return f.open(Window::About); };
        const auto picker = [](FourWindows& f) { return pickerIn(f, u"/mnt/Projects/Video"_s); };
        const auto stick
            = [](FourWindows& f) { return pickerIn(f, u"/mnt/media/quarnix/volumes of the machine/STICK/Photos"_s); };
        QTest::newRow("main window") << Picture {.name = "frmMain", .show = main};
        QTest::newRow("main window, chunk count, a split's step shown")
            << Picture {.name = "frmMain-count", .show = countModeSplitting};
        QTest::newRow("help, its hint shown") << Picture {.name = "frmHelp", .show = helpHint};
        QTest::newRow("About") << Picture {.name = "frmAbout", .show = about};
        QTest::newRow("folder picker") << Picture {.name = "frmFolder", .show = picker};
        QTest::newRow("folder picker, on a long mount point") << Picture {.name = "frmFolder-stick", .show = stick};
    }

    void looksAsItsReference()
    {
        QFETCH(Picture, row);
        FourWindows f;
        const QImage actual = row.show(f)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = QLatin1String(row.name) + (actual.devicePixelRatio() > 1 ? u"@2x.png"_s : u".png"_s);
        const QString reference = QStringLiteral(QUARNIX_PICTURES "/") + name;
        if (qEnvironmentVariableIsSet("QUARNIX_RENDER_REFERENCES")) {
            QVERIFY(actual.save(reference));
            return;
        }
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        for (const char* kind : {"actual-", "difference-"}) // from an earlier run
            QFile::remove(output.filePath(kind + name));
        if (expected == actual)
            return;
        actual.save(output.filePath(u"actual-"_s + name));
        QImage difference = actual;
        QPainter xor_(&difference);
        xor_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        xor_.drawImage(0, 0, expected);
        xor_.end();
        difference.save(output.filePath(u"difference-"_s + name));
        QFAIL(qPrintable(
            u"differs from %1: see actual-%2 and difference-%2 in %3"_s.arg(reference, name, output.path())));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
