// What assistive technology reads in each window, and whether the greyed labels
// can be read. Walking each window's accessible tree as a screen reader does: the
// window reads as a window or a dialog, nothing inside it as one; every item has a
// name, except the decorative lines, which read as separators; a label is read by
// the text it shows; a drop-down list is labelled by its caption; only what has
// the focus says so. Then once on a real AT-SPI bus, read back from the registry by
// another process as a screen reader reads it (the runner, on-accessibility-bus.sh,
// gives the suite its own X server, session bus and accessibility bus). And, on
// that X server, which windows tell the window manager that they belong to the main
// window, which keeps them in front of it and minimises them with it.

#include "fourwindowsfixture.h"

#include <QAccessible>

#include <algorithm>
#include <cmath>

using namespace quarnix::testing;

namespace {

// Every item below `item`, as "object name, role in hex", that breaks a rule.
struct Walk {
    QStringList faults;

    void below(QAccessibleInterface* item)
    {
        for (int i = 0; i < item->childCount(); ++i) {
            if (QAccessibleInterface* child = item->child(i)) {
                check(child, item);
                below(child);
            }
        }
    }

    void check(QAccessibleInterface* child, QAccessibleInterface* parent)
    {
        QObject* object = child->object() ? child->object() : parent->object();
        const QString what = object->objectName() + u' ' + QString::number(int(child->role()), 16);
        const QString name = child->text(QAccessible::Name);
        const auto* label = qobject_cast<const QLabel*>(child->object());
        // A separator is one of the decorative lines, which need no name; a button
        // named by punctuation alone, such as a browse button's "...", tells a
        // listener nothing (the root folder's "/" is its real name).
        const bool separator = child->role() == QAccessible::Separator;
        const bool unnamed = child->role() == QAccessible::Button
            ? std::ranges::none_of(name, [](QChar c) { return c.isLetterOrNumber(); })
            : name.trimmed().isEmpty();
        if (separator ? !object->objectName().startsWith(u"Line") : unnamed)
            faults << what + (separator ? u" reads as a line"_s : u" unnamed"_s);
        if (label && !label->text().isEmpty() && name != label->text())
            faults << what + u" reads \""_s + name + u"\", not its text"_s;
        // AT-SPI gives a window, a dialog and a border alike the role of a window.
        if (child->role() == QAccessible::Window || child->role() == QAccessible::Dialog
            || child->role() == QAccessible::Border)
            faults << what + u" reads as a window"_s;
        if (child->role() == QAccessible::ComboBox && child->relations(QAccessible::Label).isEmpty())
            faults << what + u" has no caption"_s;
        if (child->state().focused && object != QApplication::focusWidget())
            faults << what + u" says it has the focus"_s;
    }
};

// WCAG's contrast of the darkest and lightest colours in the picture.
double contrastOf(const QImage& picture)
{
    const auto luminance = [](QRgb pixel) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
    };
    double darkest = 1, lightest = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            darkest = std::min(darkest, luminance(picture.pixel(x, y)));
            lightest = std::max(lightest, luminance(picture.pixel(x, y)));
        }
    }
    return (lightest + 0.05) / (darkest + 0.05);
}

// A window as a screen reader reads it, after the row's set-up, and its role.
struct Reading {
    Window window;
    std::function<void(FourWindows&)> setUp = [](FourWindows&) {};
    QAccessible::Role role = QAccessible::Window;
};

// A greyed label shown in a window, in a scheme (the default one if none).
struct Greyed {
    Window window;
    const char* label;
    std::function<void(FourWindows&)> show;
    QPalette scheme = {};
};

// A dark scheme as desktops set one: light text on dark grey, the disabled text
// grey in between.
QPalette darkScheme()
{
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, Qt::white), dark.setColor(QPalette::Disabled, role, QColor(0x7f, 0x7f, 0x7f));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    return dark;
}

const QString inProgress = u"Wait... split operation is in progress..."_s;

QStringList announced; // names announced by the status line, in order

// What the X server holds as the owner of `window`, as xprop prints it:
// "WM_TRANSIENT_FOR(WINDOW): window id # 0x1200007", or "WM_TRANSIENT_FOR:  not found.".
QString transientFor(const QWidget* window)
{
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(window->winId()), u"WM_TRANSIENT_FOR"_s});
    xprop.waitForFinished(30'000);
    return QString::fromLocal8Bit(xprop.readAllStandardOutput() + xprop.readAllStandardError()).trimmed();
}

} // namespace

Q_DECLARE_METATYPE(Reading)
Q_DECLARE_METATYPE(Greyed)

class AccessibleTest : public QObject {
    Q_OBJECT
private slots:
    // Qt's bridge to the accessibility bus comes up once it has reached the bus.
    void initTestCase()
    {
        QVERIFY(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10'000));
    }

    void whatAScreenReaderReads_data()
    {
        QTest::addColumn<Reading>("row");
        QTest::newRow("main window, a split running")
            << Reading {.window = Window::Main, .setUp = [](FourWindows& f) { f.main.setStatus(inProgress); }};
        QTest::newRow("folder picker") << Reading {.window = Window::Picker, .role = QAccessible::Dialog};
        QTest::newRow("help") << Reading {.window = Window::Help};
        QTest::newRow("About") << Reading {.window = Window::About};
    }

    void whatAScreenReaderReads()
    {
        QFETCH(Reading, row);
        FourWindows f;
        QWidget* shown = f.open(row.window);
        row.setUp(f);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(shown);
        QVERIFY(root);
        QCOMPARE(root->role(), row.role);
        Walk walk;
        walk.below(root);
        QVERIFY2(walk.faults.isEmpty(), qPrintable(walk.faults.join(u", ")));
    }

    // The status line tells of each new text as it comes; which texts a split
    // shows, and when, ui_mainwindow follows.
    void statusLineAnnouncesItsText()
    {
        FourWindows f;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::NameChanged && event->object()->objectName() == u"lblStatus")
                announced << event->object()->property("text").toString();
        });
        f.main.setStatus(inProgress);
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(announced, QStringList(inProgress));
    }

    // On the real bus, read back by another process: each window is announced as a
    // window or a dialog, the split modes as a panel (a grouping), and the status
    // line by what it says.
    void readFromTheRegistry()
    {
        FourWindows f;
        for (const Window window : {Window::Help, Window::About, Window::Picker})
            f.open(window);
        f.main.setStatus(inProgress);
        QProcess reader;
        reader.start(QStringLiteral(QUARNIX_ATSPI_READER));
        // The program answers the reader from its event loop, which runs meanwhile.
        QVERIFY(QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 60'000));
        QVERIFY2(reader.exitCode() == 0, reader.readAllStandardError().constData());
        const QStringList read = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
        QStringList windows = read.filter(QRegularExpression(u"^  \\S"_s));
        windows.sort();
        QCOMPARE(windows,
            (QStringList {
                u"  dialog|Where to split..."_s, u"  frame|About..."_s, u"  frame|Help"_s, u"  frame|Quarnix"_s}));
        QVERIFY(read.contains(u"    panel|Split mode"_s));
        QVERIFY(read.contains(u"    status bar|"_s + inProgress));
    }

    // The greyed labels that tell something stand at 4.5 : 1 against the window,
    // measured on the pixels drawn, in the default scheme and in a dark one.
    void greyedLabelsReadable_data()
    {
        QTest::addColumn<Greyed>("row");
        const auto status = [](FourWindows& f) { f.main.setStatus(inProgress); };
        const auto hint = [](FourWindows& f) {
            QWidget* link = f.main.secondaryWindows().helpWindow()->findChild<QWidget*>(u"lblDownload"_s);
            // From the window's surface onto the link, as the pointer arrives there.
            QTest::mouseMove(link->window()->windowHandle(), QPoint(2, 2));
            QTest::mouseMove(link->window()->windowHandle(), link->geometry().center());
        };
        QTest::newRow("status line") << Greyed {.window = Window::Main, .label = "lblStatus", .show = status};
        QTest::newRow("status line, dark")
            << Greyed {.window = Window::Main, .label = "lblStatus", .show = status, .scheme = darkScheme()};
        QTest::newRow("help hint") << Greyed {.window = Window::Help, .label = "lblDescription", .show = hint};
        QTest::newRow("help hint, dark") << Greyed {
            .window = Window::Help, .label = "lblDescription", .show = hint, .scheme = darkScheme()};
    }

    void greyedLabelsReadable()
    {
        QFETCH(Greyed, row);
        const QPalette before = QApplication::palette();
        FourWindows f;
        QWidget* window = f.open(row.window);
        // A scheme chosen while the program runs, as the user switches to a dark one.
        if (row.scheme.resolveMask() != 0)
            QApplication::setPalette(row.scheme);
        row.show(f);
        auto* label = child<QLabel>(window, row.label);
        QVERIFY(label->isVisible() && !label->isEnabled());
        const double contrast = contrastOf(window->grab(label->geometry()).toImage());
        QApplication::setPalette(before);
        QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast, 'f', 2)));
    }

    // The split job opens the picker without an owner: it claims no window of the
    // program.
    void ownedByTheMainWindow_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<bool>("owned");
        QTest::newRow("help") << Window::Help << true;
        QTest::newRow("About") << Window::About << true;
        QTest::newRow("folder picker") << Window::Picker << true;
        QTest::newRow("unowned folder picker") << Window::UnownedPicker << false;
    }

    void ownedByTheMainWindow()
    {
        QFETCH(Window, window);
        QFETCH(bool, owned);
        FourWindows windows;
        const QString owner = transientFor(windows.open(window));
        const QString main = u"WM_TRANSIENT_FOR(WINDOW): window id # 0x"_s + QString::number(windows.main.winId(), 16);
        QVERIFY2((owner == main) == owned, qPrintable(owner));
        QCOMPARE(transientFor(&windows.main), u"WM_TRANSIENT_FOR:  not found."_s);
    }
};

QTEST_MAIN(AccessibleTest)
#include "tst_accessible.moc"
