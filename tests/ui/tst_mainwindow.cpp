// The main window driven as a user drives it: start-up, modes and Default, the value
// checks, typing limits, choosing source and destination, a split, and Exit.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;
using quarnix::platform::PathStyle;

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

// A value typed into a field in a locale, and how the user leaves the field (a
// control clicked or keys pressed); the message that brings, if any, and the text kept.
struct Leave {
    const char* field;
    QString typed {};
    const char* leave;
    QString message {}, kept;
    QLocale locale = QLocale::c();
};

// A split of a 3,000,000-byte file by a value typed in a locale, started by a click
// or a key; the sizes of the chunk files (a full one holds one byte more).
struct Split {
    const char* field;
    QString typed;
    const char* start;
    QList<qint64> sizes;
    QLocale locale = QLocale::c();
};

// Files chosen in the dialog ("" a cancel) in that path style; the source and
// destination fields afterwards.
struct Browse {
    QStringList chosen, fields;
    PathStyle style = PathStyle::Posix;
};

// URLs dropped on the target, or dragged over it and away; whether it offered to
// take them, and the source and destination fields afterwards.
struct Drop {
    QStringList urls;
    bool offered;
    QStringList fields;
    bool released = true;
};

// Puts the cursor in `field` and replaces its text by typing, as a user would.
void type(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

struct MainWindow : FourWindows {
    using FourWindows::FourWindows;

    // The size field is selected at start; the count field wants its option first.
    QLineEdit* typeInto(const char* field, const QString& text)
    {
        if (field == "txtNumber"_L1)
            click("optNumber");
        type(get<QLineEdit>(field), text);
        return get<QLineEdit>(field);
    }
    void act(const char* clickedOrKeys)
    {
        if (main.findChild<QWidget*>(QLatin1String(clickedOrKeys)))
            click(clickedOrKeys);
        else
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(QLatin1String(clickedOrKeys)));
    }
    QStringList texts(std::initializer_list<const char*> names)
    {
        QStringList result;
        for (const char* name : names)
            result << get(name)->property("text").toString();
        return result;
    }
    // The hourglass over the window and over the controls with a pointer of their own.
    bool busy()
    {
        return main.cursor().shape() == Qt::WaitCursor && get("txtSource")->cursor().shape() == Qt::WaitCursor
            && get("picTarget")->cursor().shape() == Qt::WaitCursor;
    }
};

// What the status line showed each time it was painted under the busy pointer. The
// job holds the event loop, so only the window's own immediate repaints show here.
struct BusyPaints : QObject {
    MainWindow* f = nullptr;
    QStringList texts;
    bool eventFilter(QObject* status, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && f->busy())
            texts << status->property("text").toString();
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(Leave)
Q_DECLARE_METATYPE(Split)
Q_DECLARE_METATYPE(Browse)
Q_DECLARE_METATYPE(Drop)

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // Numbers as the C locale writes them, whatever the machine's.
    void init() { QLocale::setDefault(QLocale::c()); }

    void startUpAndSettings()
    {
        MainWindow f;
        // Typed into the selected field (a disabled one takes no keys), then a click;
        // the size and count after. A switch writes the new field's default and leaves
        // the other field's text; the option already selected and Default touch only
        // the selected field.
        for (const auto& [into, typed, clicked, sizeAndNumber] :
            {std::tuple("txtSize", "3", "optNumber", QStringList {"3", "2"}),
                std::tuple("txtNumber", "7", "cmdDefault", QStringList {"3", "2"}),
                std::tuple("txtNumber", "7", "optSize", QStringList {"1.25", "7"}),
                std::tuple("txtSize", "4", "optSize", QStringList {"4", "7"}),
                std::tuple("txtSize", "4.5", "cmdDefault", QStringList {"1.25", "7"}),
                std::tuple("txtSize", "5", "optNumber", QStringList {"5", "2"})}) {
            type(f.get<QLineEdit>(into), QLatin1String(typed));
            f.click(clicked);
            QCOMPARE(f.texts({"txtSize", "txtNumber"}), sizeAndNumber);
        }
        QVERIFY(f.messages().isEmpty());

        // The path fields take no typing; the value fields take 5 and 2 characters.
        for (const char* field : {"txtNumber", "txtSource", "txtDestination"})
            type(f.get<QLineEdit>(field), u"650.55"_s);
        f.click("optSize");
        type(f.get<QLineEdit>("txtSize"), u"650.55"_s);
        QCOMPARE(
            f.texts({"txtSize", "txtSource", "txtDestination", "txtNumber"}), (QStringList {"650.5", "", "", "65"}));

        // The program icon was read in all its drawings: 16, 32 and 48 pixels, each
        // also at two and three device pixels a pixel.
        QCOMPARE(f.main.windowIcon().availableSizes(),
            (QList<QSize> {
                {16, 16}, {32, 32}, {48, 48}, {32, 32}, {64, 64}, {96, 96}, {48, 48}, {96, 96}, {144, 144}}));
    }

    void leaveFieldCheck_data()
    {
        QTest::addColumn<Leave>("row");
        const QString countNaN = u"Error|Invalid number. Specify number of chunks in integer only.|error|OK"_s;
        const QString sizeNaN = u"Error|Invalid number. Specify file size in either integer or float.|error|OK"_s;
        const QString countLow = u"Unexpected value|The minimum number of splits for a file need to be 2.|error|OK"_s;
        const QString sizeLow = u"Unexpected value|The minimum split size for a file need to be 1.25 MB. Go through "
                                u"readme.txt in the installation for details.|error|OK"_s;
        QTest::newRow("count empty") << Leave {.field = "txtNumber", .leave = "Tab", .message = countNaN, .kept = "2"};
        QTest::newRow("count 1") << Leave {
            .field = "txtNumber", .typed = "1", .leave = "Shift+Tab", .message = countLow, .kept = "2"};
        QTest::newRow("count 99") << Leave {.field = "txtNumber", .typed = "99", .leave = "txtSource", .kept = "99"};
        QTest::newRow("size abc") << Leave {
            .field = "txtSize", .typed = "abc", .leave = "Tab", .message = sizeNaN, .kept = "1.25"};
        QTest::newRow("size 1.25") << Leave {.field = "txtSize", .typed = "1.25", .leave = "Shift+Tab", .kept = "1.25"};
        QTest::newRow("German 1,2") << Leave {
            .field = "txtSize", .typed = "1,2", .leave = "Tab", .message = sizeLow, .kept = "1,25", .locale = german};
        QTest::newRow("German 1,5") << Leave {
            .field = "txtSize", .typed = "1,5", .leave = "Tab", .kept = "1,5", .locale = german};
        // A click or access key that takes the focus from a wrong value is dropped.
        QTest::newRow("size 1.2, Split") << Leave {
            .field = "txtSize", .typed = "1.2", .leave = "cmdSplit", .message = sizeLow, .kept = "1.25"};
        QTest::newRow("size 0, Alt+S") << Leave {
            .field = "txtSize", .typed = "0", .leave = "Alt+S", .message = sizeLow, .kept = "1.25"};
        QTest::newRow("size x, the other option")
            << Leave {.field = "txtSize", .typed = "x", .leave = "optNumber", .message = sizeNaN, .kept = "1.25"};
    }

    void leaveFieldCheck()
    {
        QFETCH(Leave, row);
        QLocale::setDefault(row.locale);
        MainWindow f;
        QLineEdit* field = f.typeInto(row.field, row.typed);
        f.act(row.leave);
        // An access key holds its button down from the key until its click a moment
        // later; a key that got through shows here at once.
        for (const QPushButton* button : f.main.findChildren<QPushButton*>())
            QVERIFY2(!button->isDown(), qPrintable(button->objectName()));
        QCOMPARE(f.messages(), row.message.isEmpty() ? QStringList() : QStringList {row.message});
        QCOMPARE(field->text(), row.kept);
        if (row.message.isEmpty())
            return;
        // Nothing else happened: no split, no other mode, no exit.
        QVERIFY(f.main.isSizeSelected() == (field->objectName() == u"txtSize") && f.main.isVisible());
        // The default back in the field, the user too, with all of it selected so
        // that the next key replaces it; the next click is the user's own again.
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectedText(), field->text());
        f.click("cmdBrowse");
        QCOMPARE(f.fakes.chooser.titles.size(), 1);
    }

    // Each browse starts from a source dropped and a folder picked in the meantime;
    // a cancel goes back to the last file chosen in the dialog, if any.
    void browseForSource_data()
    {
        QTest::addColumn<Browse>("row");
        const QStringList file {"/b/c.avi", "/b"};
        QTest::newRow("a file") << Browse {.chosen = {"/b/c.avi"}, .fields = file};
        QTest::newRow("Windows c:") << Browse {
            .chosen = {"c:/c.avi"}, .fields = {"c:\\c.avi", "C:"}, .style = PathStyle::Windows};
        QTest::newRow("cancelled first") << Browse {.chosen = {""}, .fields = {"", "/kept"}};
        QTest::newRow("cancelled after a choice") << Browse {.chosen = {"/b/c.avi", ""}, .fields = file};
    }

    void browseForSource()
    {
        QFETCH(Browse, row);
        MainWindow f(row.style);
        f.fakes.chooser.choices = row.chosen;
        for (qsizetype i = 0; i < row.chosen.size(); ++i) {
            f.main.setSourceText(u"/kept/a.bin"_s);
            f.main.setDestinationText(u"/kept"_s);
            f.click("cmdBrowse");
        }
        QCOMPARE(f.texts({"txtSource", "txtDestination"}), row.fields);
        QCOMPARE(f.fakes.chooser.titles, QStringList(row.chosen.size(), u"Select file to split..."_s));
    }

    // The drop target offers to take a local file and takes the first one dropped.
    // Anything else changes nothing even when dropped anyway, and nor does a file
    // dragged over the target and away again.
    void dropOnTarget_data()
    {
        QTest::addColumn<Drop>("row");
        const QStringList file {"/b/c.avi", "/b"}, kept {"/kept/a.bin", "/kept"};
        QTest::newRow("a file") << Drop {.urls = {"file:///b/c.avi"}, .offered = true, .fields = file};
        QTest::newRow("3 files") << Drop {
            .urls = {"file:///b/c.avi", "file:///d", "file:///e"}, .offered = true, .fields = file};
        QTest::newRow("text only") << Drop {.urls = {}, .offered = false, .fields = kept};
        QTest::newRow("a web address") << Drop {
            .urls = {"https://example.org/c.avi"}, .offered = false, .fields = kept};
        QTest::newRow("dragged away") << Drop {
            .urls = {"file:///b/c.avi"}, .offered = true, .fields = kept, .released = false};
    }

    void dropOnTarget()
    {
        QFETCH(Drop, row);
        MainWindow f(PathStyle::Posix);
        f.main.setSourceText(u"/kept/a.bin"_s);
        f.main.setDestinationText(u"/kept"_s);
        QMimeData mime;
        mime.setText(u"/b/c.avi"_s);
        if (!row.urls.isEmpty())
            mime.setUrls(QUrl::fromStringList(row.urls));
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDragMoveEvent move({9, 9}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop({9, 9}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(f.get("picTarget"), &enter);
        QCoreApplication::sendEvent(f.get("picTarget"), &move);
        QCoreApplication::sendEvent(f.get("picTarget"), row.released ? static_cast<QEvent*>(&drop) : &leave);
        QCOMPARE(enter.isAccepted() && move.isAccepted(), row.offered);
        QCOMPARE(f.texts({"txtSource", "txtDestination"}), row.fields);
    }

    // Whoever writes the destination field reads the rule's result right after the
    // write.
    void destinationRule()
    {
        for (const auto& [style, written, kept] : {std::tuple(PathStyle::Windows, "a:\\", "A:"),
                 std::tuple(PathStyle::Windows, "C:\\D", "C:\\D"), std::tuple(PathStyle::Posix, "/mn", "/mn")}) {
            FourWindows f(style);
            f.main.setDestinationText(QLatin1String(written));
            QCOMPARE(f.main.destinationText(), QLatin1String(kept));
        }
    }

    // Browsing for the destination without a source, and Split without a source or
    // a destination, say what is missing and put the focus on the button that
    // chooses it.
    void asksForWhatIsMissing()
    {
        // The source, the button clicked, the message and where the focus goes.
        for (const auto& [source, button, message, focus] :
            {std::tuple("", "cmdBrowseD",
                 u"Source file missing|First select a source file to split and then the destination folder."
                 u"|information|OK"_s,
                 "cmdBrowse"),
                std::tuple("", "cmdSplit",
                    u"Source file missing|Please specify a source file name before proceeding to this step."
                    u"|warning|OK"_s,
                    "cmdBrowse"),
                std::tuple("/b/c.avi", "cmdSplit",
                    u"Destination folder missing|Please specify a destination folder before proceeding to this step."
                    u"|warning|OK"_s,
                    "cmdBrowseD")}) {
            FourWindows f;
            f.main.setSourceText(QLatin1String(source));
            f.click(button);
            QCOMPARE(f.messages(), QStringList(message));
            QCOMPARE(QApplication::focusWidget(), f.get(focus));
        }
    }

    void split_data()
    {
        QTest::addColumn<Split>("row");
        QTest::newRow("click, 1.25 MB") << Split {
            .field = "txtSize", .typed = "1.25", .start = "cmdSplit", .sizes = {1'310'721, 1'310'721, 378'558}};
        QTest::newRow("Alt+S, 3 chunks") << Split {
            .field = "txtNumber", .typed = "3", .start = "Alt+S", .sizes = {1'000'001, 1'000'001, 999'998}};
        QTest::newRow("German click, 1,5 MB") << Split {
            .field = "txtSize", .typed = "1,5", .start = "cmdSplit", .sizes = {1'572'865, 1'427'135}, .locale = german};
    }

    void split()
    {
        QFETCH(Split, row);
        QLocale::setDefault(row.locale);
        MainWindow f;
        f.fakes.chooser.choices << f.file(u"sample.bin"_s, QByteArray(3'000'000, 'q'));
        f.click("cmdBrowse");
        f.typeInto(row.field, row.typed);
        BusyPaints painted;
        painted.f = &f;
        f.get("lblStatus")->installEventFilter(&painted);
        QStringList shown;
        f.fakes.messages.onShow = [&] { shown << f.texts({"lblStatus"}) << (f.busy() ? "busy" : ""); };
        f.act(row.start);
        QTRY_COMPARE(f.messages().size(), 1);
        QVERIFY(f.messages().first().startsWith(u"Done|Job was done successfully. Run samplebin.bat"_s));
        QCOMPARE(shown, (QStringList {"The split operation has been completed.", ""}));
        // Each file written, and its step on the screen under the busy pointer.
        QStringList steps;
        for (qsizetype i = 0; i < row.sizes.size(); ++i) {
            QCOMPARE(QFileInfo(f.path(u"samplebin.%1"_s.arg(i + 1))).size(), row.sizes[i]);
            steps << u"Wait... split operation is in progress...Processing samplebin.%1"_s.arg(i + 1);
        }
        steps << u"Wait... split operation completed...Processing samplebin.bat"_s;
        QCOMPARE(painted.texts.filter(u"Processing"_s), steps);
        QCOMPARE(f.texts({"lblStatus"}), QStringList {QString()});
        QVERIFY(!f.busy());
        QCOMPARE(f.get("txtNumber")->cursor().shape(), Qt::IBeamCursor); // its own, back
    }

    void exit()
    {
        for (const bool byTitleBar : {false, true}) {
            FourWindows f;
            f.open(Window::Help);
            f.open(Window::About);
            // A picker without an owner, as the split job opens it, would keep the
            // program alive on its own.
            f.open(Window::UnownedPicker);
            // Every window gone at once, before the program winds down: none of them
            // runs its own closing logic. Then the program ends.
            QTimer::singleShot(0, [&] {
                byTitleBar ? void(f.main.close()) : f.click("cmdExit");
                QCOMPARE(QApplication::topLevelWidgets(), QWidgetList {&f.main});
                QVERIFY(!f.main.isVisible());
            });
            QTimer::singleShot(10'000, &f.main, [] { QCoreApplication::exit(-1); }); // still running
            QCOMPARE(QApplication::exec(), 0);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
