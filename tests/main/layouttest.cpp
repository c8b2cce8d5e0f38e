// How the main window looks: frame, geometry, tab order, tool tips, fonts,
// colours, pictures, frame lines, accessible names, and captions that fit.

#include "mainwindowfixture.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

using quarnix::testing::MainWindowFixture;

namespace {

int pixels(int twips)
{
    return qRound(twips / 15.0);
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void windowFrame();
    void controlPlaces_data();
    void controlPlaces();
    void tabOrder();
    void toolTips_data();
    void toolTips();
    void fontsAndColours();
    void dropTarget();
    void frameLines();
    void frameCaptionHidden();
    void accessibleNames();
    void captionsFit();
};

void LayoutTest::windowFrame()
{
    MainWindowFixture f;
    QCOMPARE(f.window.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("Quarnix"));
    QCOMPARE(f.window.size(), QSize(457, 266));
    QCOMPARE(f.window.minimumSize(), f.window.maximumSize());

    const Qt::WindowFlags flags = f.window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);

    const QPoint screenCentre = f.window.screen()->availableGeometry().center();
    const QPoint windowCentre = f.window.frameGeometry().center();
    QVERIFY2((screenCentre - windowCentre).manhattanLength() <= 2,
        qPrintable(QStringLiteral("window centre %1,%2, screen centre %3,%4")
                       .arg(windowCentre.x())
                       .arg(windowCentre.y())
                       .arg(screenCentre.x())
                       .arg(screenCentre.y())));

    const QList<QSize> iconSizes = f.window.windowIcon().availableSizes();
    for (const int side : { 16, 32, 48 })
        QVERIFY2(iconSizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

void LayoutTest::controlPlaces_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const QString window = QStringLiteral("frmMain");
    const QString frame = QStringLiteral("Frame1");
    QTest::newRow("Label1") << window << 240 << 360 << 1575 << 255;
    QTest::newRow("Label2") << window << 240 << 840 << 1575 << 255;
    QTest::newRow("txtSource") << window << 1920 << 280 << 3975 << 300;
    QTest::newRow("txtDestination") << window << 1920 << 780 << 3975 << 300;
    QTest::newRow("cmdBrowse") << window << 6000 << 280 << 495 << 300;
    QTest::newRow("cmdSplit") << window << 480 << 2040 << 1215 << 375;
    QTest::newRow("cmdHelp") << window << 2400 << 2040 << 1215 << 375;
    QTest::newRow("cmdAbout") << window << 3720 << 2040 << 1215 << 375;
    QTest::newRow("Label3") << window << 480 << 2940 << 5775 << 255;
    QTest::newRow("Label4") << window << 360 << 3360 << 6015 << 255;
    QTest::newRow("cmdExit") << window << 5160 << 2040 << 1215 << 375;
    QTest::newRow("picTarget") << window << 1800 << 2040 << 495 << 375;
    QTest::newRow("lblStatus") << window << 600 << 2595 << 5655 << 255;
    QTest::newRow("cmdBrowseD") << window << 6000 << 780 << 495 << 300;
    QTest::newRow("cmdDefault") << window << 5640 << 1260 << 855 << 320;
    QTest::newRow("Frame1") << window << 240 << 1200 << 5295 << 495;
    QTest::newRow("optSize") << frame << 0 << 110 << 1215 << 255;
    QTest::newRow("txtSize") << frame << 1680 << 60 << 735 << 300;
    QTest::newRow("optNumber") << frame << 3240 << 110 << 1455 << 255;
    QTest::newRow("txtNumber") << frame << 4800 << 60 << 495 << 300;
    QTest::newRow("Label5") << frame << 2520 << 110 << 375 << 255;
}

void LayoutTest::controlPlaces()
{
    QFETCH(QString, parent);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    MainWindowFixture f;
    QWidget* control = f.control(QTest::currentDataTag());
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), QRect(pixels(left), pixels(top), pixels(width), pixels(height)));
    QVERIFY(control->isVisible());
}

void LayoutTest::tabOrder()
{
    MainWindowFixture f;
    QCOMPARE(f.focused(), f.edit("txtSource"));
    // Tab walks the controls that can take the focus; the count field is off while
    // the size mode is on, and labels, the frame and the drop target never take it.
    const QStringList expected { "txtDestination", "cmdBrowse", "cmdSplit", "cmdHelp", "cmdAbout", "cmdExit",
        "cmdBrowseD", "cmdDefault", "optSize", "txtSize", "txtSource" };
    QStringList visited;
    for (qsizetype step = 0; step < expected.size(); ++step) {
        QTest::keyClick(f.focused(), Qt::Key_Tab);
        visited << f.focused()->objectName();
    }
    QCOMPARE(visited, expected);

    // The count field in its place once it is the active one.
    f.click(f.option("optNumber"));
    f.button("cmdDefault")->setFocus();
    QTest::keyClick(f.focused(), Qt::Key_Tab);
    QStringList rest { f.focused()->objectName() };
    QTest::keyClick(f.focused(), Qt::Key_Tab);
    rest << f.focused()->objectName();
    QTest::keyClick(f.focused(), Qt::Key_Tab);
    rest << f.focused()->objectName();
    QVERIFY2(rest.endsWith(QStringLiteral("txtSource")), qPrintable(rest.join(u' ')));
    QVERIFY2(rest.contains(QStringLiteral("txtNumber")), qPrintable(rest.join(u' ')));

    QTest::keyClick(f.focused(), Qt::Key_Backtab);
    QCOMPARE(f.focused()->objectName(), QStringLiteral("txtNumber"));
}

void LayoutTest::toolTips_data()
{
    QTest::addColumn<QString>("tip");
    QTest::newRow("cmdBrowse") << QStringLiteral("Click to select source file.");
    QTest::newRow("cmdBrowseD") << QStringLiteral("Click to select destination folder.");
    QTest::newRow("cmdDefault") << QStringLiteral("Set default values.");
    QTest::newRow("picTarget") << QStringLiteral("Drag n drop source file.");
    for (const char* none : { "cmdSplit", "cmdHelp", "cmdAbout", "cmdExit", "txtSource", "txtDestination",
             "optSize", "optNumber", "txtSize", "txtNumber", "lblStatus", "Label3" })
        QTest::newRow(none) << QString();
}

void LayoutTest::toolTips()
{
    QFETCH(QString, tip);
    MainWindowFixture f;
    QCOMPARE(f.control(QTest::currentDataTag())->toolTip(), tip);
}

void LayoutTest::fontsAndColours()
{
    MainWindowFixture f;
    const QFont windowFont = f.window.font();
    QCOMPARE(windowFont.pointSizeF(), 8.25);
    QVERIFY(!windowFont.bold());
    // Controls without a font of their own share the window's.
    for (const char* name :
        { "Label1", "txtSource", "cmdSplit", "optSize", "txtNumber", "Label4", "lblStatus" })
        QCOMPARE(f.control(name)->font(), windowFont);

    QLabel* address = f.label("Label3");
    QCOMPARE(address->font().pointSizeF(), 9.75);
    QVERIFY(address->font().bold());
    QCOMPARE(address->palette().color(address->foregroundRole()), QColor(Qt::white));
    QVERIFY(address->alignment() & Qt::AlignHCenter);
    QVERIFY(!address->text().isEmpty());
    QVERIFY(f.label("Label4")->alignment() & Qt::AlignHCenter);
    QVERIFY(!f.label("Label4")->text().isEmpty());

    QLabel* status = f.label("lblStatus");
    QVERIFY(!status->isEnabled());
    QVERIFY(status->alignment() & Qt::AlignHCenter);

    QCOMPARE(f.window.backgroundRole(), QPalette::Button);
    QVERIFY(f.window.autoFillBackground());

    // No default button and no cancel button.
    for (QPushButton* button : f.window.findChildren<QPushButton*>()) {
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
    }
}

void LayoutTest::dropTarget()
{
    MainWindowFixture f;
    QLabel* target = f.label("picTarget");
    QVERIFY(target->autoFillBackground());
    QCOMPARE(target->backgroundRole(), QPalette::Base);
    QCOMPARE(target->foregroundRole(), QPalette::WindowText);
    QCOMPARE(target->pixmap().size(), QSize(32, 32));
    QVERIFY(target->alignment() & Qt::AlignTop);
    QVERIFY(target->alignment() & Qt::AlignLeft);

    // The picture shows at the top-left corner, inside the border.
    const QImage shot = target->grab().toImage();
    const QImage picture = target->pixmap().toImage();
    const QPoint corner = target->contentsRect().topLeft();
    int painted = 0;
    for (int y = 0; y < target->contentsRect().height(); ++y) {
        for (int x = 0; x < target->contentsRect().width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) == 255) {
                QCOMPARE(shot.pixelColor(corner + QPoint(x, y)), picture.pixelColor(x, y));
                ++painted;
            }
        }
    }
    QVERIFY(painted > 100);

    // The icon pointer: a square within a square, pointing with its middle.
    const QCursor pointer = target->cursor();
    QCOMPARE(pointer.shape(), Qt::BitmapCursor);
    QCOMPARE(pointer.pixmap().size(), QSize(32, 32));
    QCOMPARE(pointer.hotSpot(), QPoint(15, 15));
    QVERIFY(!f.window.testAttribute(Qt::WA_SetCursor));

    // Only the drop target takes drops.
    for (QWidget* control : f.window.findChildren<QWidget*>())
        QCOMPARE(control->acceptDrops(), control == target);
}

void LayoutTest::frameLines()
{
    MainWindowFixture f;
    const QImage shot = f.window.grab().toImage();
    const QColor ink = f.window.palette().color(QPalette::WindowText);
    auto isInk = [&](int x, int y) { return shot.pixelColor(x, y) == ink; };

    // Outer frame: 8..447 across at rows 8 and 256, rows 8..256 down at
    // columns 8 and 448 (the right edge one pixel longer, closing the corner).
    for (int x = 8; x <= 448; ++x) {
        QVERIFY2(isInk(x, 8), qPrintable(QStringLiteral("outer top at x=%1").arg(x)));
        QVERIFY2(isInk(x, 256), qPrintable(QStringLiteral("outer bottom at x=%1").arg(x)));
    }
    for (int y = 8; y <= 256; ++y) {
        QVERIFY2(isInk(8, y), qPrintable(QStringLiteral("outer left at y=%1").arg(y)));
        QVERIFY2(isInk(448, y), qPrintable(QStringLiteral("outer right at y=%1").arg(y)));
    }
    // Inner frame round the buttons: 16..440 across at rows 120 and 248.
    for (int x = 16; x <= 440; ++x) {
        QVERIFY2(isInk(x, 120), qPrintable(QStringLiteral("inner top at x=%1").arg(x)));
        QVERIFY2(isInk(x, 248), qPrintable(QStringLiteral("inner bottom at x=%1").arg(x)));
    }
    for (int y = 120; y <= 248; ++y) {
        QVERIFY2(isInk(16, y), qPrintable(QStringLiteral("inner left at y=%1").arg(y)));
        QVERIFY2(isInk(440, y), qPrintable(QStringLiteral("inner right at y=%1").arg(y)));
    }
    // Nothing past the end points, and one pixel wide.
    for (const QPoint outside : { QPoint(7, 8), QPoint(8, 7), QPoint(449, 8), QPoint(448, 257),
             QPoint(8, 257), QPoint(15, 120), QPoint(441, 120), QPoint(440, 249), QPoint(16, 249),
             QPoint(9, 9), QPoint(447, 255), QPoint(17, 121) })
        QVERIFY2(!isInk(outside.x(), outside.y()),
            qPrintable(QStringLiteral("ink at %1,%2").arg(outside.x()).arg(outside.y())));
}

void LayoutTest::frameCaptionHidden()
{
    MainWindowFixture f;
    auto* frame = f.control<QFrame>("Frame1");
    QCOMPARE(frame->frameShape(), QFrame::NoFrame);
    for (QWidget* control : f.window.findChildren<QWidget*>()) {
        const QVariant text = control->property("text");
        QVERIFY2(!text.toString().contains(QStringLiteral("Frame1")), qPrintable(control->objectName()));
        QVERIFY(!control->property("title").toString().contains(QStringLiteral("Frame1")));
    }
}

void LayoutTest::accessibleNames()
{
    MainWindowFixture f;
    for (QWidget* control : f.window.findChildren<QWidget*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(accessible, qPrintable(control->objectName()));
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(control->objectName()));
    }
    // The text fields speak with their label's caption.
    auto nameOf = [&](const char* control) {
        return QAccessible::queryAccessibleInterface(f.control(control))->text(QAccessible::Name);
    };
    QCOMPARE(nameOf("txtSource"), f.label("Label1")->text());
    QCOMPARE(nameOf("txtDestination"), f.label("Label2")->text());
    QCOMPARE(nameOf("txtSize"), f.option("optSize")->text());
    QCOMPARE(nameOf("txtNumber"), f.option("optNumber")->text());
}

namespace {

// The room a control's style leaves for its text.
QRect textRoom(QWidget* control)
{
    QStyle* style = control->style();
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        option.midLineWidth = 0;
        option.state |= QStyle::State_Sunken;
        // A line edit keeps two pixels left and right and one above and below
        // inside what its style gives it.
        return style->subElementRect(QStyle::SE_LineEditContents, &option, edit)
            .marginsRemoved(edit->textMargins())
            .adjusted(2, 1, -2, -1);
    }
    return control->contentsRect();
}

void checkFits(QWidget* control, const QString& text, int flags = 0)
{
    const QFontMetrics metrics(control->font());
    const QSize needed = metrics.size(flags, text);
    const QRect room = textRoom(control);
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
        qPrintable(QStringLiteral("%1 \"%2\" needs %3x%4 in %5 (%6), has %7x%8")
                       .arg(control->objectName(), text)
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(QFontInfo(control->font()).family())
                       .arg(control->font().pointSizeF())
                       .arg(room.width())
                       .arg(room.height())));
}

} // namespace

void LayoutTest::captionsFit()
{
    MainWindowFixture f;
    for (QLabel* label : f.window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            checkFits(label, label->text());
    }
    for (QAbstractButton* button : f.window.findChildren<QAbstractButton*>())
        checkFits(button, button->text(), Qt::TextShowMnemonic);

    // What the program writes into the fields and the status line, and the
    // longest entries the value fields take.
    checkFits(f.edit("txtSize"), QStringLiteral("1.25"));
    checkFits(f.edit("txtSize"), QStringLiteral("888.8"));
    checkFits(f.edit("txtNumber"), QStringLiteral("99"));
    QLabel* status = f.label("lblStatus");
    for (const char* line : { "Wait... split operation is in progress...",
             "Wait... split operation is in progress...Processing reportdoc.12",
             "Wait... split operation completed...Processing reportdoc.bat",
             "The split operation has been completed.", "Some error occured, during operation." })
        checkFits(status, QString::fromLatin1(line));
}

QTEST_MAIN(LayoutTest)
#include "layouttest.moc"
