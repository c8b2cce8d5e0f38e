// The main window driven as a user drives it: start-up, modes and Default, the value
// checks, typing limits, choosing source and destination, a split, and Exit.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;
using quarnix::platform::PathStyle;

namespace {

enum class Field { Size, Count };

// A value typed and read in a locale, and how the user leaves the field (a control
// clicked or keys pressed); the message that brings, if any, and the text kept.
struct Leave {
    Field field;
    QLocale locale;
    QString typed;
    const char* leave;
    QString message, kept;
};

// A split of a 3,000,000-byte file by a value typed and read in a locale, started
// by a click or a key; the sizes of the chunk files (a full one holds one byte more).
struct Split {
    Field field;
    QLocale locale;
    QString typed;
    const char* start;
    QList<qint64> sizes;
};

// A source (perhaps none), the button pressed, the message that brings and the
// control that has the focus afterwards.
struct Missing {
    const char* source;
    const char* button;
    QString message;
    const char* focus;
};

// Files chosen in the dialog ("" a cancel), or URLs dropped on the target; the
// source and destination fields afterwards.
struct Source {
    PathStyle style;
    QStringList chosen, fields;
};
struct Drop {
    QStringList urls;
    bool released, offered; // released over the target, else dragged away
    QStringList fields;
};

const QLocale german(QLocale::German, QLocale::Germany);

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

    QLineEdit* field(Field which) { return get<QLineEdit>(which == Field::Count ? "txtNumber" : "txtSize"); }
    // The size field is selected at start; the count field wants its option first.
    QLineEdit* typeInto(Field which, const QString& text)
    {
        if (which == Field::Count)
            click("optNumber");
        type(field(which), text);
        return field(which);
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

    // The selected mode's field is enabled on the window background, the other one
    // disabled on the button face, both colours taken from the user's scheme.
    void checkMode(Field selected)
    {
        QCOMPARE(get<QRadioButton>("optNumber")->isChecked(), selected == Field::Count);
        for (Field which : {Field::Size, Field::Count}) {
            const auto group = which == selected ? QPalette::Active : QPalette::Disabled;
            QCOMPARE(field(which)->isEnabled(), which == selected);
            QCOMPARE(field(which)->palette().color(group, QPalette::Base),
                main.palette().color(group, which == selected ? QPalette::Base : QPalette::Button));
        }
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
Q_DECLARE_METATYPE(Missing)
Q_DECLARE_METATYPE(Source)
Q_DECLARE_METATYPE(Drop)

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A scheme in which window background and button face differ in every state, and
    // numbers as the C locale writes them, whatever the machine's.
    void initTestCase()
    {
        QApplication::setPalette(QPalette(Qt::darkCyan, Qt::yellow));
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void startUpAndSettings()
    {
        MainWindow f;
        f.checkMode(Field::Size);
        QCOMPARE(f.texts({"txtSize", "txtNumber", "txtSource", "txtDestination", "lblStatus"}),
            (QStringList {"1.25", "2", "", "", ""}));
        // Typed into the selected field, then a click. A switch writes the new field's
        // default and leaves the other field's text; the option already selected and
        // Default touch only the selected field.
        struct Step {
            const char* typed;
            const char* clicked;
            Field selected;
            QStringList sizeAndNumber;
        };
        const Field size = Field::Size, count = Field::Count;
        Field selected = size;
        for (const Step& step :
            {Step {"3", "optNumber", count, {"3", "2"}}, Step {"7", "cmdDefault", count, {"3", "2"}},
                Step {"7", "optSize", size, {"1.25", "7"}}, Step {"4", "optSize", size, {"4", "7"}},
                Step {"4.5", "cmdDefault", size, {"1.25", "7"}}, Step {"5", "optNumber", count, {"5", "2"}}}) {
            type(f.field(selected), QLatin1String(step.typed));
            f.click(step.clicked);
            f.checkMode(selected = step.selected);
            QCOMPARE(f.texts({"txtSize", "txtNumber"}), step.sizeAndNumber);
        }
        QVERIFY(f.messages().isEmpty());

        // The path fields take no typing; the value fields take 5 and 2 characters.
        for (const char* field : {"txtNumber", "txtSource", "txtDestination"})
            type(f.get<QLineEdit>(field), u"650.55"_s);
        f.click("optSize");
        type(f.field(size), u"650.55"_s);
        QCOMPARE(
            f.texts({"txtSize", "txtSource", "txtDestination", "txtNumber"}), (QStringList {"650.5", "", "", "65"}));

        // Every caption fits its box unclipped in the font in use, and so does the
        // longest line the program puts into the status line.
        f.main.setStatus(u"Wait... split operation is in progress...Processing reportdoc.12"_s);
        QVERIFY2(quarnix::ui::unfittedCaptions(&f.main).isEmpty(),
            qPrintable(quarnix::ui::unfittedCaptions(&f.main).join(u' ')));

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
        const QLocale c = QLocale::c();
        const Field count = Field::Count, size = Field::Size;
        QTest::newRow("count empty") << Leave {count, c, "", "Tab", countNaN, "2"};
        QTest::newRow("count 1") << Leave {count, c, "1", "Shift+Tab", countLow, "2"};
        QTest::newRow("count 99") << Leave {count, c, "99", "txtSource", "", "99"};
        QTest::newRow("size abc") << Leave {size, c, "abc", "Tab", sizeNaN, "1.25"};
        QTest::newRow("size 1.25") << Leave {size, c, "1.25", "Shift+Tab", "", "1.25"};
        QTest::newRow("German 1,2") << Leave {size, german, "1,2", "Tab", sizeLow, "1,25"};
        QTest::newRow("German 1,5") << Leave {size, german, "1,5", "Tab", "", "1,5"};
        // A click or access key that takes the focus from a wrong value is dropped.
        QTest::newRow("size 1.2, Split") << Leave {size, c, "1.2", "cmdSplit", sizeLow, "1.25"};
        QTest::newRow("size 0, Alt+S") << Leave {size, c, "0", "Alt+S", sizeLow, "1.25"};
        QTest::newRow("size x, the other option") << Leave {size, c, "x", "optNumber", sizeNaN, "1.25"};
        QTest::newRow("size 1, browse") << Leave {size, c, "1", "cmdBrowse", sizeLow, "1.25"};
        QTest::newRow("size 1, Alt+E") << Leave {size, c, "1", "Alt+E", sizeLow, "1.25"};
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
        // Nothing else happened: no split, no browse dialog, no other mode, no exit.
        QVERIFY(f.fakes.chooser.titles.isEmpty());
        QVERIFY(f.main.isSizeSelected() == (row.field == Field::Size) && f.main.isVisible());
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
        QTest::addColumn<Source>("row");
        const PathStyle posix = PathStyle::Posix;
        const QStringList file {"/b/c.avi", "/b"};
        QTest::newRow("a file") << Source {posix, {"/b/c.avi"}, file};
        QTest::newRow("in the root") << Source {posix, {"/c.avi"}, {"/c.avi", "/"}};
        QTest::newRow("Windows c:") << Source {PathStyle::Windows, {"c:/c.avi"}, {"c:\\c.avi", "C:"}};
        QTest::newRow("cancelled first") << Source {posix, {""}, {"", "/kept"}};
        QTest::newRow("cancelled after a choice") << Source {posix, {"/b/c.avi", ""}, file};
    }

    void browseForSource()
    {
        QFETCH(Source, row);
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
        QTest::newRow("a file") << Drop {{"file:///b/c.avi"}, true, true, file};
        QTest::newRow("3 files") << Drop {{"file:///b/c.avi", "file:///d", "file:///e"}, true, true, file};
        QTest::newRow("in the root") << Drop {{"file:///c.avi"}, true, true, {"/c.avi", "/"}};
        QTest::newRow("text only") << Drop {{}, true, false, kept};
        QTest::newRow("a web address") << Drop {{"https://example.org/c.avi"}, true, false, kept};
        QTest::newRow("dragged away") << Drop {{"file:///b/c.avi"}, false, true, kept};
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
    void asksForWhatIsMissing_data()
    {
        QTest::addColumn<Missing>("row");
        QTest::newRow("destination's browse, no source") << Missing {"", "cmdBrowseD",
            u"Source file missing|First select a source file to split and then the destination "
            u"folder.|information|OK"_s,
            "cmdBrowse"};
        QTest::newRow("Split, no source") << Missing {"", "cmdSplit",
            u"Source file missing|Please specify a source file name before proceeding to this "
            u"step.|warning|OK"_s,
            "cmdBrowse"};
        QTest::newRow("Split, no destination") << Missing {"/b/c.avi", "cmdSplit",
            u"Destination folder missing|Please specify a destination folder before proceeding to "
            u"this step.|warning|OK"_s,
            "cmdBrowseD"};
    }

    void asksForWhatIsMissing()
    {
        QFETCH(Missing, row);
        FourWindows f;
        f.main.setSourceText(QLatin1String(row.source));
        f.click(row.button);
        QCOMPARE(f.messages(), QStringList(row.message));
        QCOMPARE(QApplication::focusWidget(), f.get(row.focus));
    }

    void split_data()
    {
        QTest::addColumn<Split>("row");
        QTest::newRow("click, 1.25 MB") << Split {
            Field::Size, QLocale::c(), "1.25", "cmdSplit", {1'310'721, 1'310'721, 378'558}};
        QTest::newRow("Alt+S, 3 chunks") << Split {
            Field::Count, QLocale::c(), "3", "Alt+S", {1'000'001, 1'000'001, 999'998}};
        QTest::newRow("German click, 1,5 MB") << Split {Field::Size, german, "1,5", "cmdSplit", {1'572'865, 1'427'135}};
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
