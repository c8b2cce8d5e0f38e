// The four windows on a machine without the faces their layouts were drawn for:
// the suite hides MS Sans Serif, Arial and its metric twins Liberation Sans and
// Arimo from fontconfig before Qt reads the font list, so the desktop's sans-serif
// (DejaVu Sans on Debian) stands in. Every caption still fits its box, and no
// window is narrowed further than its tightest caption needs.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;

namespace {

const QStringList hiddenFaces {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Arimo"};

} // namespace

class FallbackFontTest : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionFits_data()
    {
        QTest::addColumn<Window>("window");
        QTest::newRow("main window") << Window::Main;
        QTest::newRow("folder picker") << Window::Picker;
        QTest::newRow("help") << Window::Help;
        QTest::newRow("About") << Window::About;
    }

    void everyCaptionFits()
    {
        QFETCH(Window, window);
        FourWindows windows;
        QWidget* shown = windows.open(window);
        // The face drawn is none of those hidden, or the suite measures nothing new.
        const QString family = QFontInfo(shown->font()).family();
        QVERIFY2(!hiddenFaces.contains(family), qPrintable(family));
        QVERIFY2(quarnix::ui::unfittedCaptions(shown).isEmpty(),
            qPrintable(quarnix::ui::unfittedCaptions(shown).join(u' ')));

        // One step wider, the tightest caption no longer fits: the narrowing is what
        // the captions need in this face, not a fixed proportion.
        const int wider = shown->font().stretch() + 1;
        if (wider > QFont::Unstretched)
            return;
        for (QWidget* control : QWidgetList {shown} + shown->findChildren<QWidget*>()) {
            QFont font = control->font();
            font.setStretch(wider);
            control->setFont(font);
        }
        QVERIFY(!quarnix::ui::unfittedCaptions(shown).isEmpty());
    }
};

int main(int argc, char* argv[])
{
    // Before the application exists: Qt reads the font list when it starts.
    QTemporaryDir scratch;
    QByteArray config = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                        "<fontconfig><include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                        "<selectfont><rejectfont>\n";
    for (const QString& face : hiddenFaces)
        config += "<pattern><patelt name=\"family\"><string>" + face.toUtf8() + "</string></patelt></pattern>\n";
    config += "</rejectfont></selectfont></fontconfig>\n";
    if (!writeFile(scratch.filePath(QStringLiteral("fonts.conf")), config))
        return 1;
    qputenv("FONTCONFIG_FILE", QFile::encodeName(scratch.filePath(QStringLiteral("fonts.conf"))));

    QApplication app(argc, argv);
    FallbackFontTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fallbackfont.moc"
