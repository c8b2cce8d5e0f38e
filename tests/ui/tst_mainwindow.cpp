// The main window driven as a user drives it: start-up, modes and Default, the value
// checks, typing limits, choosing source and destination, a split, and Exit.

#include "fourwindowsfixture.h"

using namespace quarnix::testing;
using quarnix::platform::PathStyle;
using namespace Qt::StringLiterals;

namespace {

enum class Field { Size, Count };

// A click on the control of that name, or keys pressed where the focus is.
struct UserAction {
    const char* clicked;
    QKeySequence keys;
};
UserAction clicking(const char* control)
{
    return { control, {} };
}
UserAction pressing(const char* keys)
{
    return { nullptr, QKeySequence(QLatin1String(keys)) };
}

void click(QWidget* control)
{
    QTest::mouseClick(control, Qt::LeftButton);
}

void act(FourWindows& f, const UserAction& action)
{
    if (action.clicked)
        click(f.get(action.clicked));
    else
        QTest::keySequence(QApplication::focusWidget(), action.keys);
}

// Puts the cursor in `field` and replaces its text by typing, as a user would.
void type(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// The field of that mode, selected.
QLineEdit* select(FourWindows& f, Field field)
{
    if (field == Field::Count)
        click(f.get("optNumber"));
    return f.get<QLineEdit>(field == Field::Count ? "txtNumber" : "txtSize");
}

QStringList texts(FourWindows& f, std::initializer_list<const char*> names)
{
    QStringList result;
    for (const char* name : names)
        result << f.get(name)->property("text").toString();
    return result;
}

// The hourglass over the window and over the controls with a pointer of their own.
bool busy(FourWindows& f)
{
    return f.main.cursor().shape() == Qt::WaitCursor && f.get("txtSource")->cursor().shape() == Qt::WaitCursor
        && f.get("picTarget")->cursor().shape() == Qt::WaitCursor;
}

// The selected mode's field is enabled on the window background, the other one
// disabled on the button face, both colours taken from the user's scheme.
void checkMode(FourWindows& f, bool sizeMode)
{
    QCOMPARE(f.get<QRadioButton>("optNumber")->isChecked(), !sizeMode);
    for (QLineEdit* field : { f.get<QLineEdit>("txtSize"), f.get<QLineEdit>("txtNumber") }) {
        const bool active = (field == f.get("txtSize")) == sizeMode;
        const auto group = active ? QPalette::Active : QPalette::Disabled;
        QCOMPARE(field->isEnabled(), active);
        QCOMPARE(field->palette().color(group, QPalette::Base),
            f.main.palette().color(group, active ? QPalette::Base : QPalette::Button));
    }
}

// What the status line showed each time it was painted under the busy pointer. The
// job holds the event loop, so only the window's own immediate repaints show here.
struct BusyPaints : QObject {
    FourWindows* f = nullptr;
    QStringList texts;
    bool eventFilter(QObject* status, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && busy(*f))
            texts << status->property("text").toString();
        return false;
    }
};

const QLocale german(QLocale::German, QLocale::Germany);

} // namespace

Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(UserAction)
using Sizes = QList<qint64>;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A scheme in which window background and button face differ in every state.
    void initTestCase() { QApplication::setPalette(QPalette(Qt::darkCyan, Qt::yellow)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void startUpAndSettings()
    {
        FourWindows f;
        checkMode(f, true);
        QCOMPARE(texts(f, { "txtSize", "txtNumber", "txtSource", "txtDestination", "lblStatus" }),
            (QStringList { "1.25", "2", "", "", "" }));
        QCOMPARE(QApplication::focusWidget(), f.get("txtSource"));
        // A switch writes the new field's default and leaves the other field's text;
        // the option already selected and Default touch only the selected field.
        struct Step {
            const char* typed; // into the active field
            const char* clicked;
            bool sizeMode;
            QStringList sizeAndNumber;
        };
        bool sizeMode = true;
        for (const Step& step :
            { Step { "3", "optNumber", false, { "3", "2" } }, Step { "7", "cmdDefault", false, { "3", "2" } },
                Step { "7", "optSize", true, { "1.25", "7" } }, Step { "4", "optSize", true, { "4", "7" } },
                Step { "4.5", "cmdDefault", true, { "1.25", "7" } },
                Step { "5", "optNumber", false, { "5", "2" } } }) {
            type(f.get<QLineEdit>(sizeMode ? "txtSize" : "txtNumber"), QLatin1String(step.typed));
            click(f.get(step.clicked));
            checkMode(f, sizeMode = step.sizeMode);
            QCOMPARE(texts(f, { "txtSize", "txtNumber" }), step.sizeAndNumber);
        }
        QVERIFY(f.messages().isEmpty());

        // The path fields take no typing; the value fields take 5 and 2 characters.
        for (const char* field : { "txtNumber", "txtSource", "txtDestination" })
            type(f.get<QLineEdit>(field), u"650.55"_s);
        click(f.get("optSize"));
        type(f.get<QLineEdit>("txtSize"), u"650.55"_s);
        QCOMPARE(texts(f, { "txtSize", "txtSource", "txtDestination", "txtNumber" }),
            (QStringList { "650.5", "", "", "65" }));

        // Every caption fits its box unclipped in the font in use, and so does the
        // longest line the program puts into the status line.
        f.main.setStatus(u"Wait... split operation is in progress...Processing reportdoc.12"_s);
        QVERIFY2(clippedCaptions(&f.main).isEmpty(), qPrintable(clippedCaptions(&f.main).join(u' ')));
    }

    void leaveFieldCheck_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<UserAction>("leave");
        QTest::addColumn<QString>("message"); // none when the value passes
        QTest::addColumn<QString>("kept"); // in the field afterwards
        const QString countNaN
            = u"Error|Invalid number. Specify number of chunks in integer only.|error|OK"_s;
        const QString sizeNaN
            = u"Error|Invalid number. Specify file size in either integer or float.|error|OK"_s;
        const QString countLow
            = u"Unexpected value|The minimum number of splits for a file need to be 2.|error|OK"_s;
        const QString sizeLow
            = u"Unexpected value|The minimum split size for a file need to be 1.25 MB. Go through "
              u"readme.txt in the installation for details.|error|OK"_s;
        const QLocale c = QLocale::c();
        QTest::newRow("count empty") << Field::Count << c << "" << pressing("Tab") << countNaN << "2";
        QTest::newRow("count 1") << Field::Count << c << "1" << pressing("Shift+Tab") << countLow << "2";
        QTest::newRow("count 99") << Field::Count << c << "99" << clicking("txtSource") << ""
                                  << "99";
        QTest::newRow("size abc") << Field::Size << c << "abc" << pressing("Tab") << sizeNaN << "1.25";
        QTest::newRow("size 1.25") << Field::Size << c << "1.25" << pressing("Shift+Tab") << ""
                                   << "1.25";
        QTest::newRow("German 1,2") << Field::Size << german << "1,2" << pressing("Tab") << sizeLow << "1,25";
        QTest::newRow("German 1,5") << Field::Size << german << "1,5" << pressing("Tab") << ""
                                    << "1,5";
        // A click or access key that takes the focus from a wrong value is dropped.
        QTest::newRow("size 1.2, Split")
            << Field::Size << c << "1.2" << clicking("cmdSplit") << sizeLow << "1.25";
        QTest::newRow("size 0, Alt+S") << Field::Size << c << "0" << pressing("Alt+S") << sizeLow << "1.25";
        QTest::newRow("size x, the other option")
            << Field::Size << c << "x" << clicking("optNumber") << sizeNaN << "1.25";
        QTest::newRow("size 1, browse")
            << Field::Size << c << "1" << clicking("cmdBrowse") << sizeLow << "1.25";
        QTest::newRow("size 1, Alt+E") << Field::Size << c << "1" << pressing("Alt+E") << sizeLow << "1.25";
    }

    void leaveFieldCheck()
    {
        QFETCH(Field, field);
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QFETCH(UserAction, leave);
        QFETCH(QString, message);
        QFETCH(QString, kept);
        QLocale::setDefault(locale);
        FourWindows f;
        QLineEdit* edit = select(f, field);
        type(edit, typed);
        act(f, leave);
        // An access key holds its button down from the key until its click a moment
        // later; a key that got through shows here at once.
        for (const QPushButton* button : f.main.findChildren<QPushButton*>())
            QVERIFY2(!button->isDown(), qPrintable(button->objectName()));
        QCOMPARE(f.messages(), message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(edit->text(), kept);
        if (message.isEmpty())
            return;
        // Nothing else happened: no split, no browse dialog, no other mode, no exit.
        QVERIFY(f.fakes.chooser.titles.isEmpty());
        QVERIFY(f.main.isSizeSelected() == (field == Field::Size) && f.main.isVisible());
        // The default back in the field, the user too, with all of it selected so
        // that the next key replaces it; the next click is the user's own again.
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), edit->text());
        click(f.get("cmdBrowse"));
        QCOMPARE(f.fakes.chooser.titles.size(), 1);
    }

    // Each browse starts from a source dropped and a folder picked in the meantime;
    // a cancel goes back to the last file chosen in the dialog, if any.
    void browseForSource_data()
    {
        QTest::addColumn<PathStyle>("style");
        QTest::addColumn<QStringList>("chosen"); // in turn, "" a cancel
        QTest::addColumn<QStringList>("fields"); // source and destination afterwards
        const PathStyle posix = PathStyle::Posix;
        const QStringList file { "/b/c.avi", "/b" };
        QTest::newRow("a file") << posix << QStringList { "/b/c.avi" } << file;
        QTest::newRow("in the root") << posix << QStringList { "/c.avi" } << QStringList { "/c.avi", "/" };
        QTest::newRow("Windows c:") << PathStyle::Windows << QStringList { "c:/c.avi" }
                                    << QStringList { "c:\\c.avi", "C:" };
        QTest::newRow("cancelled first") << posix << QStringList { "" } << QStringList { "", "/kept" };
        QTest::newRow("cancelled after a choice") << posix << QStringList { "/b/c.avi", "" } << file;
    }

    void browseForSource()
    {
        QFETCH(PathStyle, style);
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, fields);
        FourWindows f(style);
        f.fakes.chooser.choices = chosen;
        for (qsizetype i = 0; i < chosen.size(); ++i) {
            f.main.setSourceText(u"/kept/a.bin"_s);
            f.main.setDestinationText(u"/kept"_s);
            click(f.get("cmdBrowse"));
        }
        QCOMPARE(texts(f, { "txtSource", "txtDestination" }), fields);
        QCOMPARE(f.fakes.chooser.titles, QStringList(chosen.size(), u"Select file to split..."_s));
    }

    // The drop target offers to take a local file and takes the first one dropped.
    // Anything else changes nothing even when dropped anyway, and nor does a file
    // dragged over the target and away again.
    void dropOnTarget_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<bool>("released"); // over the target; else dragged away
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QStringList>("fields"); // source and destination afterwards
        const QStringList file { "/b/c.avi", "/b" }, kept { "/kept/a.bin", "/kept" };
        QTest::newRow("a file") << QStringList { "file:///b/c.avi" } << true << true << file;
        QTest::newRow("3 files") << QStringList { "file:///b/c.avi", "file:///d", "file:///e" } << true
                                 << true << file;
        QTest::newRow("in the root") << QStringList { "file:///c.avi" } << true << true
                                     << QStringList { "/c.avi", "/" };
        QTest::newRow("text only") << QStringList() << true << false << kept;
        QTest::newRow("a web address")
            << QStringList { "https://example.org/c.avi" } << true << false << kept;
        QTest::newRow("dragged away") << QStringList { "file:///b/c.avi" } << false << true << kept;
    }

    void dropOnTarget()
    {
        QFETCH(QStringList, urls);
        QFETCH(bool, released);
        QFETCH(bool, offered);
        QFETCH(QStringList, fields);
        FourWindows f(PathStyle::Posix);
        f.main.setSourceText(u"/kept/a.bin"_s);
        f.main.setDestinationText(u"/kept"_s);
        QMimeData mime;
        mime.setText(u"/b/c.avi"_s);
        if (!urls.isEmpty())
            mime.setUrls(QUrl::fromStringList(urls));
        QDragEnterEvent enter({ 5, 5 }, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDragMoveEvent move({ 9, 9 }, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop({ 9, 9 }, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDragLeaveEvent leave;
        for (QEvent* event :
            std::initializer_list<QEvent*> { &enter, &move, released ? static_cast<QEvent*>(&drop) : &leave })
            QCoreApplication::sendEvent(f.get("picTarget"), event);
        QCOMPARE(enter.isAccepted() && move.isAccepted(), offered);
        QCOMPARE(texts(f, { "txtSource", "txtDestination" }), fields);
    }

    // Whoever writes the destination field reads the rule's result right after the write.
    void destinationRule()
    {
        for (const auto& [style, written, kept] :
            { std::tuple(PathStyle::Windows, "a:\\", "A:"), std::tuple(PathStyle::Windows, "C:\\D", "C:\\D"),
                std::tuple(PathStyle::Posix, "/mn", "/mn") }) {
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
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("destination's browse, no source")
            << ""
            << "cmdBrowseD"
            << "Source file missing|First select a source file to split and then the destination "
               "folder.|information|OK"
            << "cmdBrowse";
        QTest::newRow("Split, no source") << ""
                                          << "cmdSplit"
                                          << "Source file missing|Please specify a source file name before "
                                             "proceeding to this step.|warning|OK"
                                          << "cmdBrowse";
        QTest::newRow("Split, no destination")
            << "/b/c.avi"
            << "cmdSplit"
            << "Destination folder missing|Please specify a destination folder before proceeding to this "
               "step.|warning|OK"
            << "cmdBrowseD";
    }

    void asksForWhatIsMissing()
    {
        QFETCH(QString, source);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        FourWindows f;
        f.main.setSourceText(source);
        click(f.get(qPrintable(button)));
        QCOMPARE(f.messages(), QStringList(message));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void split_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("value"); // typed, and left by the click or the key
        QTest::addColumn<UserAction>("start");
        QTest::addColumn<Sizes>("sizes"); // of the chunk files; a full one holds one byte more
        QTest::newRow("click, 1.25 MB") << Field::Size << QLocale::c() << "1.25" << clicking("cmdSplit")
                                        << Sizes { 1'310'721, 1'310'721, 378'558 };
        QTest::newRow("Alt+S, 3 chunks") << Field::Count << QLocale::c() << "3" << pressing("Alt+S")
                                         << Sizes { 1'000'001, 1'000'001, 999'998 };
        QTest::newRow("German click, 1,5 MB")
            << Field::Size << german << "1,5" << clicking("cmdSplit") << Sizes { 1'572'865, 1'427'135 };
    }

    void split()
    {
        QFETCH(Field, field);
        QFETCH(QLocale, locale);
        QFETCH(QString, value);
        QFETCH(UserAction, start);
        QFETCH(Sizes, sizes);
        QLocale::setDefault(locale);
        FourWindows f;
        f.fakes.chooser.choices << f.file(u"sample.bin"_s, QByteArray(3'000'000, 'q'));
        click(f.get("cmdBrowse"));
        type(select(f, field), value);
        BusyPaints painted;
        painted.f = &f;
        f.get("lblStatus")->installEventFilter(&painted);
        QStringList shown;
        f.fakes.messages.onShow
            = [&](auto&) { shown << texts(f, { "lblStatus" }) << (busy(f) ? "busy" : ""); };
        act(f, start);
        QTRY_COMPARE(f.messages().size(), 1);
        QVERIFY(f.messages().first().startsWith(u"Done|Job was done successfully. Run samplebin.bat"_s));
        QCOMPARE(shown, (QStringList { "The split operation has been completed.", "" }));
        // Each file written, and its step on the screen under the busy pointer.
        QStringList steps;
        for (qsizetype i = 0; i < sizes.size(); ++i) {
            QCOMPARE(QFileInfo(f.path(u"samplebin.%1"_s.arg(i + 1))).size(), sizes[i]);
            steps << u"Wait... split operation is in progress...Processing samplebin.%1"_s.arg(i + 1);
        }
        steps << u"Wait... split operation completed...Processing samplebin.bat"_s;
        QCOMPARE(painted.texts.filter(u"Processing"_s), steps);
        QCOMPARE(texts(f, { "lblStatus" }), QStringList { QString() });
        QVERIFY(!busy(f));
        QCOMPARE(f.get("txtNumber")->cursor().shape(), Qt::IBeamCursor); // its own, back
    }

    void exit()
    {
        for (const bool byTitleBar : { false, true }) {
            FourWindows f;
            f.open(Window::Help);
            f.open(Window::About);
            // A picker without an owner, as the split job opens it, would keep the
            // program alive on its own.
            f.open(Window::UnownedPicker);
            // Every window gone at once, before the program winds down: none of them
            // runs its own closing logic. Then the program ends.
            QTimer::singleShot(0, [&] {
                byTitleBar ? void(f.main.close()) : click(f.get("cmdExit"));
                QCOMPARE(QApplication::topLevelWidgets(), QWidgetList { &f.main });
                QVERIFY(!f.main.isVisible());
            });
            QTimer::singleShot(10'000, &f.main, [] { QCoreApplication::exit(-1); }); // still running
            QCOMPARE(QApplication::exec(), 0);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
