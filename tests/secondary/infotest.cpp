// The help and About windows on their own: texts, look, the hint that follows the
// pointer, and the links.

#include "fakeservices.h"
#include "secondarytesting.h"
#include "ui/info/addresses.h"
#include "ui/info/frmabout.h"
#include "ui/info/frmhelp.h"

#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using quarnix::testing::RecordingAddressOpener;
using quarnix::ui::frmAbout;
using quarnix::ui::frmHelp;

namespace {

const QColor pureBlue(0, 0, 255);

QLabel* label(const QWidget* window, const QString& name)
{
    return window->findChild<QLabel*>(name);
}

QPushButton* button(const QWidget* window, const QString& name)
{
    return window->findChild<QPushButton*>(name);
}

// Where a control's box starts, in its window: pointer moves and clicks go through
// the window system, which finds the control under the pointer as for a user.
QPoint inside(const QWidget* control, QPoint offset = QPoint(3, 5))
{
    return control->mapTo(control->window(), offset);
}

bool opened(QWidget* window)
{
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

QString arialFamily()
{
    return QFontInfo(QFont(QStringLiteral("Arial"))).family();
}

// The heading style, seen on the screen: the box filled with the inactive
// highlight colour, the frame line in the window text colour over its edge.
void verifyHeading(QWidget* window, const QString& name, const QString& caption)
{
    QLabel* heading = label(window, name);
    QVERIFY(heading);
    QCOMPARE(heading->text(), caption);
    QCOMPARE(QFontInfo(heading->font()).family(), arialFamily());
    QVERIFY(heading->font().bold());
    QVERIFY(heading->font().underline());
    QCOMPARE(heading->font().pointSizeF(), 8.25);
    QVERIFY(heading->alignment() & Qt::AlignHCenter);
    const QPalette& palette = window->palette();
    QCOMPARE(heading->palette().color(QPalette::WindowText), palette.color(QPalette::Active, QPalette::Base));

    const QImage text = heading->grab().toImage();
    bool drawnInWindowColour = false;
    for (int y = 0; y < text.height() && !drawnInWindowColour; ++y) {
        for (int x = 0; x < text.width() && !drawnInWindowColour; ++x)
            drawnInWindowColour = text.pixelColor(x, y) == palette.color(QPalette::Active, QPalette::Base);
    }
    QVERIFY(drawnInWindowColour);

    const QImage picture = window->grab().toImage();
    const QPoint corner = heading->geometry().topLeft();
    QCOMPARE(picture.pixelColor(corner), palette.color(QPalette::WindowText));
    QCOMPARE(picture.pixelColor(corner + QPoint(2, heading->height() / 2)),
             palette.color(QPalette::Inactive, QPalette::Highlight));
}

void verifyFixedWindow(QWidget* window, const QString& title, QSize client)
{
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->windowType(), Qt::Window); // a taskbar entry of its own
    QCOMPARE(window->backgroundRole(), QPalette::Button);
    QVERIFY(window->autoFillBackground());
    QCOMPARE(window->size(), client);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(window->windowIcon().availableSizes(),
             QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48)}));
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    QVERIFY(qAbs(window->geometry().center().x() - screenCentre.x()) <= 1);
    QVERIFY(qAbs(window->geometry().center().y() - screenCentre.y()) <= 1);
}

// The link as drawn: some of its pixels, the underline at least, pure blue.
bool drawnInPureBlue(QWidget* link)
{
    const QImage picture = link->grab().toImage();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) == pureBlue)
                return true;
        }
    }
    return false;
}

void verifyLinkPointer(const QWidget* control)
{
    QCOMPARE(control->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(control->cursor().hotSpot(), QPoint(12, 9));
    QCOMPARE(control->cursor().pixmap().size(), QSize(32, 32));
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void helpShowsItsTexts();
    void helpHeadingsAreFramedAndStyled();
    void helpLinkLooksLikeALinkFromTheStart();
    void helpHintIsHiddenAndGreyedAtFirst();
    void helpHintFollowsThePointer_data();
    void helpHintFollowsThePointer();
    void helpLinkAsksForTheDownloadAddress();
    void helpWindowIsFixedAndCentred();

    void aboutShowsItsTexts();
    void aboutLinksAreStyledOnlyWhenLoaded();
    void aboutLinksOpenTheirAddresses_data();
    void aboutLinksOpenTheirAddresses();
    void aboutLinksReadTheirCaptionsWhenClicked();
    void aboutWindowIsFixedAndCentred();

    void escapePressesNothing_data();
    void escapePressesNothing();
    void firstFocusIsOnTheButton_data();
    void firstFocusIsOnTheButton();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();

private:
    frmHelp* openHelp();
    frmAbout* openAbout(bool load = true);

    QPointer<frmHelp> help_;
    QPointer<frmAbout> about_;
    RecordingAddressOpener addresses_;
};

void InfoWindowsTest::cleanup()
{
    delete help_.data();
    delete about_.data();
    addresses_.opened.clear();
}

frmHelp* InfoWindowsTest::openHelp()
{
    help_ = new frmHelp;
    return opened(help_) ? help_.data() : nullptr;
}

frmAbout* InfoWindowsTest::openAbout(bool load)
{
    about_ = new frmAbout(addresses_);
    if (load)
        about_->load();
    return opened(about_) ? about_.data() : nullptr;
}

void InfoWindowsTest::helpShowsItsTexts()
{
    QVERIFY(openHelp());
    const QList<std::pair<const char*, const char*>> texts = {
        {"Label1",
         "Quarnix splits up your file (any format) into pieces and generates a batch file. These pieced "
         "files and batch file can be stored on the floppy disks individually. Save all the files on the "
         "destination PC. And finally execute the batch file by double clicking, to re-assemble all your "
         "files."},
        {"Label2", "What does it do?"},
        {"Label3", "Precaution:"},
        {"Label4",
         "This program deletes the source (splitted) files along with the batch file during "
         "re-assembling process, hence double confirm, before executing batch file."},
        {"Label5", "What is Drag n Drop:"},
        {"Label6",
         "Drag n Drop is a feature of Windows OS that allows you to  select a file and drop it on to the "
         "destination. The destination then provides the functionality to process it."},
        {"Label7", "To enable <F1> download the help file from the following hyperlink:"},
        {"lblDownload", "Download Help"},
        {"lblDescription", "Save and unzip the downloaded file to the same location of Quarnix."},
    };
    for (const auto& [name, text] : texts) {
        QLabel* shown = label(help_, QString::fromLatin1(name));
        QVERIFY2(shown, name);
        QCOMPARE(shown->text(), QString::fromLatin1(text));
        QCOMPARE(shown->textFormat(), Qt::PlainText); // "<F1>" is no tag
        QVERIFY(shown->wordWrap());
    }
    QCOMPARE(button(help_, QStringLiteral("cmdClose"))->text(), QStringLiteral("&Close"));
    QCOMPARE(label(help_, QStringLiteral("Label1"))->geometry(), QRect(16, 40, 449, 41));
}

void InfoWindowsTest::helpHeadingsAreFramedAndStyled()
{
    QVERIFY(openHelp());
    verifyHeading(help_, QStringLiteral("Label2"), QStringLiteral("What does it do?"));
    verifyHeading(help_, QStringLiteral("Label3"), QStringLiteral("Precaution:"));
    verifyHeading(help_, QStringLiteral("Label5"), QStringLiteral("What is Drag n Drop:"));
    // The text blocks are framed too, the lines one pixel wide.
    const QImage picture = help_->grab().toImage();
    const QColor line = help_->palette().color(QPalette::WindowText);
    QCOMPARE(picture.pixelColor(8, 60), line);   // left of the first block
    QCOMPARE(picture.pixelColor(472, 60), line); // its right
    QCOMPARE(picture.pixelColor(9, 60), help_->palette().color(QPalette::Button));
}

void InfoWindowsTest::helpLinkLooksLikeALinkFromTheStart()
{
    QVERIFY(openHelp());
    QLabel* link = label(help_, QStringLiteral("lblDownload"));
    QCOMPARE(link->palette().color(QPalette::WindowText), pureBlue);
    QVERIFY(drawnInPureBlue(link));
    QVERIFY(link->font().underline());
    verifyLinkPointer(link);
    for (const char* plain : {"Label1", "Label7", "lblDescription"})
        QCOMPARE(label(help_, QString::fromLatin1(plain))->cursor().shape(), Qt::ArrowCursor);
}

void InfoWindowsTest::helpHintIsHiddenAndGreyedAtFirst()
{
    QVERIFY(openHelp());
    const QLabel* hint = label(help_, QStringLiteral("lblDescription"));
    QVERIFY(hint->isHidden());
    QVERIFY(!help_->isHintShown());
    QVERIFY(!hint->isEnabled());
    QCOMPARE(hint->geometry(), QRect(288, 275, 172, 29));
}

void InfoWindowsTest::helpHintFollowsThePointer_data()
{
    QTest::addColumn<QStringList>("moves");
    QTest::addColumn<bool>("shown");

    QTest::newRow("over the link") << QStringList{"link"} << true;
    QTest::newRow("link, then a text block") << QStringList{"link", "text"} << true;
    QTest::newRow("link, then the label before it") << QStringList{"link", "Label7"} << true;
    QTest::newRow("link, then a heading") << QStringList{"link", "heading"} << true;
    QTest::newRow("link, then Close") << QStringList{"link", "close"} << true;
    QTest::newRow("link, then the surface") << QStringList{"link", "surface"} << false;
    QTest::newRow("link, then a frame line") << QStringList{"link", "line"} << false;
    QTest::newRow("link, then the hint itself") << QStringList{"link", "hint"} << false;
    QTest::newRow("surface, text, link") << QStringList{"surface", "text", "link"} << true;
    QTest::newRow("link, surface, link") << QStringList{"link", "surface", "link"} << true;
    QTest::newRow("only the surface") << QStringList{"surface"} << false;
    QTest::newRow("only a text block") << QStringList{"text"} << false;
}

void InfoWindowsTest::helpHintFollowsThePointer()
{
    QFETCH(QStringList, moves);
    QFETCH(bool, shown);

    QVERIFY(openHelp());
    const QHash<QString, QPoint> places = {
        {QStringLiteral("link"), inside(label(help_, QStringLiteral("lblDownload")))},
        {QStringLiteral("text"), inside(label(help_, QStringLiteral("Label1")), QPoint(200, 20))},
        {QStringLiteral("Label7"), inside(label(help_, QStringLiteral("Label7")), QPoint(100, 8))},
        {QStringLiteral("heading"), inside(label(help_, QStringLiteral("Label3")), QPoint(40, 8))},
        {QStringLiteral("close"), inside(button(help_, QStringLiteral("cmdClose")), QPoint(20, 12))},
        {QStringLiteral("surface"), QPoint(300, 100)},
        {QStringLiteral("line"), QPoint(300, 32)}, // the top line of the first text block
        {QStringLiteral("hint"), inside(label(help_, QStringLiteral("lblDescription")), QPoint(40, 8))},
    };
    // Qt drops a move to where the pointer already is; start from a corner of the
    // surface, where the hint stays hidden as it opened.
    QTest::mouseMove(help_->windowHandle(), QPoint(2, 2));
    QVERIFY(!help_->isHintShown());
    for (const QString& place : moves)
        QTest::mouseMove(help_->windowHandle(), places.value(place));
    QCOMPARE(help_->isHintShown(), shown);
    QCOMPARE(label(help_, QStringLiteral("lblDescription"))->isVisible(), shown);
}

void InfoWindowsTest::helpLinkAsksForTheDownloadAddress()
{
    QVERIFY(openHelp());
    QSignalSpy asked(help_.data(), &frmHelp::downloadRequested);
    QTest::mouseClick(help_->windowHandle(), Qt::LeftButton, {},
                      inside(label(help_, QStringLiteral("lblDownload"))));
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().first().toString(),
             QStringLiteral("https://quarnix.example.org/downloads/Qxhelp.zip"));
    // A press that ends elsewhere is no click.
    QTest::mousePress(help_->windowHandle(), Qt::LeftButton, {},
                      inside(label(help_, QStringLiteral("lblDownload"))));
    QTest::mouseRelease(help_->windowHandle(), Qt::LeftButton, {}, QPoint(300, 100));
    QCOMPARE(asked.size(), 1);
}

void InfoWindowsTest::helpWindowIsFixedAndCentred()
{
    QVERIFY(openHelp());
    verifyFixedWindow(help_, QStringLiteral("Help"), QSize(481, 313));
    QTest::mouseClick(button(help_, QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(help_->isHidden());
    quarnix::testing::deleteClosedWindows();
    QVERIFY(help_.isNull());
}

void InfoWindowsTest::aboutShowsItsTexts()
{
    QVERIFY(openAbout());
    QCOMPARE(label(about_, QStringLiteral("Label2"))->text(), QStringLiteral("Quarnix v6.0.1"));
    QCOMPARE(label(about_, QStringLiteral("Label1"))->text(), QStringLiteral("Designed and developed by:"));
    QCOMPARE(label(about_, QStringLiteral("Label3"))->text(), QStringLiteral("The Quarnix developers"));
    QCOMPARE(label(about_, QStringLiteral("lblLabel1"))->text(), QStringLiteral("E-mail:"));
    QCOMPARE(label(about_, QStringLiteral("lblLabel2"))->text(), QStringLiteral("Website:"));
    QCOMPARE(label(about_, QStringLiteral("lblEmail"))->text(), QStringLiteral("quarnix@example.org"));
    QCOMPARE(label(about_, QStringLiteral("lblWebsite"))->text(), QStringLiteral("https://quarnix.example.org"));
    QVERIFY(!label(about_, QStringLiteral("Label6"))->text().isEmpty());
    QCOMPARE(button(about_, QStringLiteral("cmdOk"))->text(), QStringLiteral("&Ok"));
    // The main window shows the same web address.
    QCOMPARE(quarnix::ui::addresses::website(), QStringLiteral("https://quarnix.example.org"));

    QVERIFY(label(about_, QStringLiteral("Label3"))->font().bold());
    QVERIFY(!label(about_, QStringLiteral("Label1"))->font().bold());
    const QPixmap image = label(about_, QStringLiteral("Image1"))->pixmap();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(label(about_, QStringLiteral("Image1"))->geometry(), QRect(24, 16, 32, 32));
    verifyHeading(about_, QStringLiteral("Label2"), QStringLiteral("Quarnix v6.0.1"));
}

void InfoWindowsTest::aboutLinksAreStyledOnlyWhenLoaded()
{
    QVERIFY(openAbout(false));
    const QColor plainText = about_->palette().color(QPalette::WindowText);
    for (const char* name : {"lblEmail", "lblWebsite"}) {
        QLabel* link = label(about_, QString::fromLatin1(name));
        QVERIFY(!link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), plainText);
        QVERIFY(!drawnInPureBlue(link));
        verifyLinkPointer(link); // the pointer comes with the layout
    }
    about_->load();
    QVERIFY(about_->isLoaded());
    for (const char* name : {"lblEmail", "lblWebsite"}) {
        QLabel* link = label(about_, QString::fromLatin1(name));
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), pureBlue);
        QVERIFY(drawnInPureBlue(link));
    }
    for (const char* plain : {"lblLabel1", "lblLabel2", "Label1", "Label3"})
        QCOMPARE(label(about_, QString::fromLatin1(plain))->cursor().shape(), Qt::ArrowCursor);
}

void InfoWindowsTest::aboutLinksOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("e-mail") << "lblEmail" << "mailto:quarnix@example.org";
    QTest::newRow("website") << "lblWebsite" << "https://quarnix.example.org";
}

void InfoWindowsTest::aboutLinksOpenTheirAddresses()
{
    QFETCH(QString, link);
    QFETCH(QString, address);
    QVERIFY(openAbout());
    QTest::mouseClick(about_->windowHandle(), Qt::LeftButton, {}, inside(label(about_, link)));
    QCOMPARE(addresses_.opened, QStringList({address}));
    QVERIFY(about_->isVisible());
}

void InfoWindowsTest::aboutLinksReadTheirCaptionsWhenClicked()
{
    QVERIFY(openAbout());
    label(about_, QStringLiteral("lblEmail"))->setText(QStringLiteral("other@example.org"));
    QTest::mouseClick(about_->windowHandle(), Qt::LeftButton, {},
                      inside(label(about_, QStringLiteral("lblEmail"))));
    QCOMPARE(addresses_.opened, QStringList({QStringLiteral("mailto:other@example.org")}));
}

void InfoWindowsTest::aboutWindowIsFixedAndCentred()
{
    QVERIFY(openAbout());
    verifyFixedWindow(about_, QStringLiteral("About..."), QSize(343, 189));
    QTest::mouseClick(button(about_, QStringLiteral("cmdOk")), Qt::LeftButton);
    QVERIFY(about_->isHidden());
    quarnix::testing::deleteClosedWindows();
    QVERIFY(about_.isNull());
}

void InfoWindowsTest::escapePressesNothing_data()
{
    QTest::addColumn<bool>("about");
    QTest::newRow("help") << false;
    QTest::newRow("about") << true;
}

void InfoWindowsTest::escapePressesNothing()
{
    QFETCH(bool, about);
    QWidget* window = about ? static_cast<QWidget*>(openAbout()) : openHelp();
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QVERIFY(addresses_.opened.isEmpty());
}

void InfoWindowsTest::firstFocusIsOnTheButton_data()
{
    escapePressesNothing_data();
}

void InfoWindowsTest::firstFocusIsOnTheButton()
{
    QFETCH(bool, about);
    QWidget* window = about ? static_cast<QWidget*>(openAbout()) : openHelp();
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(),
             button(window, about ? QStringLiteral("cmdOk") : QStringLiteral("cmdClose")));
    // The button is the only control that takes the focus: Tab stays on it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(),
             button(window, about ? QStringLiteral("cmdOk") : QStringLiteral("cmdClose")));
    // Enter presses it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(window->isHidden());
}

void InfoWindowsTest::captionsFitTheirBoxes_data()
{
    escapePressesNothing_data();
}

void InfoWindowsTest::captionsFitTheirBoxes()
{
    QFETCH(bool, about);
    QWidget* window = about ? static_cast<QWidget*>(openAbout()) : openHelp();
    QVERIFY(window);
    // The hint is checked as it looks when shown.
    if (!about)
        label(window, QStringLiteral("lblDescription"))->show();
    const QStringList clipped = quarnix::testing::clippedCaptions(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(InfoWindowsTest)
#include "infotest.moc"
