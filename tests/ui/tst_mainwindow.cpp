// The main window driven as a user drives it: start-up, modes and Default, the value
// checks, typing limits, choosing source and destination, a split, and Exit.

#include "mainwindowfixture.h"

using namespace quarnix::testing;
using quarnix::platform::PathStyle;
using namespace Qt::StringLiterals;

namespace {

// The selected mode's field is enabled on the window background, the other one
// disabled on the button face, both colours taken from the user's scheme.
void checkMode(MainWindowFixture& f, bool sizeMode)
{
    QCOMPARE(f.get<QRadioButton>("optNumber")->isChecked(), !sizeMode);
    for (QLineEdit* field : { f.edit("txtSize"), f.edit("txtNumber") }) {
        const bool active = (field == f.edit("txtSize")) == sizeMode;
        const auto group = active ? QPalette::Active : QPalette::Disabled;
        QCOMPARE(field->isEnabled(), active);
        QCOMPARE(field->palette().color(group, QPalette::Base),
            f.window.palette().color(group, active ? QPalette::Base : QPalette::Button));
    }
}

// What the status line showed each time it was painted under the busy pointer. The
// job holds the event loop, so only the window's own immediate repaints show here.
struct BusyPaints : QObject {
    MainWindowFixture* f = nullptr;
    QStringList texts;
    bool eventFilter(QObject* status, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && f->busy())
            texts << status->property("text").toString();
        return false;
    }
};

} // namespace

using Sizes = QList<qint64>;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // A scheme in which window background and button face differ in every state.
    void initTestCase() { QApplication::setPalette(QPalette(Qt::darkCyan, Qt::yellow)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void startUpAndSettings()
    {
        MainWindowFixture f;
        checkMode(f, true);
        QCOMPARE(f.texts("txtSize", "txtNumber", "txtSource", "txtDestination", "lblStatus"),
            (QStringList { "1.25", "2", "", "", "" }));
        QCOMPARE(QApplication::focusWidget(), f.get("txtSource"));
        // Typed into the active field, a click, and then the size and the count. A
        // switch writes the new field's default and leaves the other field's text;
        // the option already selected and Default touch only the selected field.
        bool sizeMode = true;
        for (const QStringList& step :
            QList<QStringList> { { "3", "optNumber", "3", "2" }, { "7", "cmdDefault", "3", "2" },
                { "7", "optSize", "1.25", "7" }, { "4", "optSize", "4", "7" },
                { "4.5", "cmdDefault", "1.25", "7" }, { "5", "optNumber", "5", "2" } }) {
            f.type(f.edit(sizeMode ? "txtSize" : "txtNumber"), step[0]);
            f.click(f.get(qPrintable(step[1])));
            sizeMode = step[1] == u"optSize" || (sizeMode && step[1] == u"cmdDefault");
            checkMode(f, sizeMode);
            QCOMPARE(f.texts("txtSize", "txtNumber"), step.mid(2));
        }
        QVERIFY(f.messages().isEmpty());

        for (const char* field : { "txtNumber", "txtSource", "txtDestination", "optSize", "txtSize" })
            field[0] == 'o' ? f.click(f.get(field)) : f.type(f.edit(field), u"650.55"_s);
        // The path fields take no typing; the value fields take 5 and 2 characters.
        QCOMPARE(f.texts("txtSize", "txtSource", "txtDestination", "txtNumber"),
            (QStringList { "650.5", "", "", "65" }));

        // Every caption fits its box unclipped in the font in use, and so does the
        // longest line the program puts into the status line.
        f.window.setStatus(u"Wait... split operation is in progress...Processing reportdoc.12"_s);
        for (QWidget* control : f.window.findChildren<QWidget*>()) {
            const QString text = control->property("text").toString();
            if (text.isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(control);
            const auto inside = control->inherits("QRadioButton") ? QStyle::SE_RadioButtonContents
                                                                  : QStyle::SE_PushButtonContents;
            const QRect room = control->inherits("QAbstractButton")
                ? control->style()->subElementRect(inside, &option, control)
                : control->contentsRect();
            const QSize needed = QFontMetrics(control->font()).size(Qt::TextShowMnemonic, text);
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(), qPrintable(text));
        }
    }

    void leaveFieldCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("leave"); // keys, or a control clicked
        QTest::addColumn<QString>("message"); // none when the value passes
        auto countNaN = box(u"Error"_s, u"Invalid number. Specify number of chunks in integer only."_s);
        auto sizeNaN = box(u"Error"_s, u"Invalid number. Specify file size in either integer or float."_s);
        auto countLow
            = box(u"Unexpected value"_s, u"The minimum number of splits for a file need to be 2."_s);
        auto sizeLow = box(u"Unexpected value"_s,
            u"The minimum split size for a file need to be 1.25 MB. Go through readme.txt in the "
            u"installation for details."_s);
        QTest::newRow("count empty") << "" << u"Tab"_s << countNaN;
        QTest::newRow("count 1") << "1" << u"Shift+Tab"_s << countLow;
        QTest::newRow("count 99") << "99" << u"txtSource"_s << QString();
        QTest::newRow("size abc") << "abc" << u"Tab"_s << sizeNaN;
        QTest::newRow("size 1.25") << "1.25" << u"Shift+Tab"_s << QString();
        QTest::newRow("German 1,2") << "1,2" << u"Tab"_s << sizeLow;
        QTest::newRow("German 1,5") << "1,5" << u"Tab"_s << QString();
        // A click or access key that takes the focus from a wrong value is dropped.
        QTest::newRow("size 1.2, Split") << "1.2" << u"cmdSplit"_s << sizeLow;
        QTest::newRow("size 0, Alt+S") << "0" << u"Alt+S"_s << sizeLow;
        QTest::newRow("size x, the other option") << "x" << u"optNumber"_s << sizeNaN;
        QTest::newRow("size 1, browse") << "1" << u"cmdBrowse"_s << sizeLow;
        QTest::newRow("size 1, Alt+E") << "1" << u"Alt+E"_s << sizeLow;
    }

    void leaveFieldCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, leave);
        QFETCH(QString, message);
        // The row names the field, or the German locale for the size field.
        const bool count = QTest::currentDataTag()[0] == 'c';
        if (QTest::currentDataTag()[0] == 'G')
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindowFixture f;
        if (count)
            f.click(f.get("optNumber"));
        QLineEdit* edit = f.edit(count ? "txtNumber" : "txtSize");
        f.type(edit, typed);
        f.act(leave);
        // An access key holds its button down from the key until its click a moment
        // later; a key that got through shows here at once.
        for (const QPushButton* button : f.window.findChildren<QPushButton*>())
            QVERIFY2(!button->isDown(), qPrintable(button->objectName()));
        QCOMPARE(f.messages(), message.isEmpty() ? QStringList() : QStringList { message });
        QCOMPARE(edit->text(), message.isEmpty() ? typed : QLocale().toString(count ? 2.0 : 1.25));
        if (message.isEmpty())
            return;
        // Nothing else happened: no split, no browse
        // dialog, no other mode, no exit.
        QVERIFY(f.fakes.chooser.titles.isEmpty());
        QVERIFY(f.window.isSizeSelected() != count && f.window.isVisible());
        // The default back in the field, the user too, with all of it selected so
        // that the next key replaces it; the next click is the user's own again.
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), edit->text());
        f.click(f.get("cmdBrowse"));
        QCOMPARE(f.fakes.chooser.titles.size(), 1);
    }

    void chooseSource_data()
    {
        QTest::addColumn<QStringList>("chosen"); // files browsed to in turn ("" a cancel), or a drop's URLs
        QTest::addColumn<QStringList>("fields"); // source and destination afterwards
        const QStringList kept { "/kept/a.bin", "/kept" }, file { "/b/c.avi", "/b" }, root { "/c.avi", "/" };
        QTest::newRow("browse a file") << QStringList { "/b/c.avi" } << file;
        QTest::newRow("browse in the root") << QStringList { "/c.avi" } << root;
        QTest::newRow("browse Windows c:") << QStringList { "c:/c.avi" } << QStringList { "c:\\c.avi", "C:" };
        QTest::newRow("browse cancelled first") << QStringList { "" } << QStringList { "", "/kept" };
        QTest::newRow("browse cancelled after a choice") << QStringList { "/b/c.avi", "" } << file;
        QTest::newRow("drop a file") << QStringList { "file:///b/c.avi" } << file;
        QTest::newRow("drop 3 files") << QStringList { "file:///b/c.avi", "file:///d", "file:///e" } << file;
        QTest::newRow("drop in the root") << QStringList { "file:///c.avi" } << root;
        QTest::newRow("drop text only") << QStringList() << kept;
        QTest::newRow("drop a web address") << QStringList { "https://example.org/c.avi" } << kept;
    }

    void chooseSource()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, fields);
        const QByteArray tag = QTest::currentDataTag();
        MainWindowFixture f(tag.contains("Windows") ? PathStyle::Windows : PathStyle::Posix);
        f.fakes.chooser.choices = chosen;
        const bool drop = tag.startsWith("drop");
        // Each browse starts from a source dropped and a folder picked in the meantime.
        for (qsizetype i = 0; i < (drop ? 1 : chosen.size()); ++i) {
            f.window.setSourceText(u"/kept/a.bin"_s);
            f.window.setDestinationText(u"/kept"_s);
            if (!drop)
                f.click(f.get("cmdBrowse"));
        }
        QMimeData mime;
        mime.setText(u"/b/c.avi"_s);
        if (!chosen.isEmpty())
            mime.setUrls(QUrl::fromStringList(chosen));
        // A drop comes only after an accepted enter; sent anyway, it must change nothing.
        // Nor do the browse rows' names, which are no file URLs.
        QDragEnterEvent enter({ 5, 5 }, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        for (QEvent* event : std::initializer_list<QEvent*> { &enter, &dropped })
            QCoreApplication::sendEvent(f.get("picTarget"), event);
        QCOMPARE(f.texts("txtSource", "txtDestination"), fields);
        QCOMPARE(f.fakes.chooser.titles, QStringList(drop ? 0 : chosen.size(), "Select file to split..."));
    }

    // A file dragged over the drop target and away again is no drop: the target
    // offers to take it, and nothing changes.
    void dragWithoutDrop()
    {
        MainWindowFixture f;
        f.window.setSourceText(u"/kept/a.bin"_s);
        f.window.setDestinationText(u"/kept"_s);
        QMimeData mime;
        mime.setUrls({ QUrl::fromLocalFile(u"/b/c.avi"_s) });
        QDragEnterEvent enter({ 5, 5 }, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDragMoveEvent move({ 9, 9 }, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(f.get("picTarget"), &enter);
        QCoreApplication::sendEvent(f.get("picTarget"), &move);
        QVERIFY(enter.isAccepted() && move.isAccepted());
        QCoreApplication::sendEvent(f.get("picTarget"), &leave);
        QCOMPARE(f.texts("txtSource", "txtDestination"), (QStringList { "/kept/a.bin", "/kept" }));
    }

    void destination()
    {
        // Whoever writes the field reads the rule's result right after the write.
        for (const auto& [style, written, kept] :
            { std::tuple(PathStyle::Windows, "a:\\", "A:"), std::tuple(PathStyle::Windows, "C:\\D", "C:\\D"),
                std::tuple(PathStyle::Posix, "/mn", "/mn") }) {
            MainWindowFixture f(style);
            f.window.setDestinationText(QString::fromLatin1(written));
            QCOMPARE(f.edit("txtDestination")->text(), QString::fromLatin1(kept));
        }
        // Browsing for the destination asks for a source first.
        MainWindowFixture f;
        f.click(f.get("cmdBrowseD"));
        QCOMPARE(f.messages(),
            QStringList { box(u"Source file missing"_s,
                u"First select a source file to split and then the destination folder."_s,
                quarnix::platform::MessageIcon::Information) });
        QCOMPARE(QApplication::focusWidget(), f.get("cmdBrowse"));
    }

    // Split without a source, or without a destination, says which is missing and
    // puts the focus on the button that chooses it.
    void splitAsksForWhatIsMissing()
    {
        const auto warning = quarnix::platform::MessageIcon::Warning;
        for (const bool withSource : { false, true }) {
            MainWindowFixture f;
            if (withSource)
                f.window.setSourceText(u"/b/c.avi"_s);
            f.get("txtSource")->setFocus();
            f.click(f.get("cmdSplit"));
            QCOMPARE(f.messages(),
                QStringList { withSource
                        ? box(u"Destination folder missing"_s,
                              u"Please specify a destination folder before proceeding to this step."_s, warning)
                        : box(u"Source file missing"_s,
                              u"Please specify a source file name before proceeding to this step."_s, warning) });
            QCOMPARE(QApplication::focusWidget(), f.get(withSource ? "cmdBrowseD" : "cmdBrowse"));
        }
    }

    void split_data()
    {
        QTest::addColumn<QString>("value"); // typed, and left by the click or the key
        QTest::addColumn<Sizes>("sizes"); // of the chunk files; a full one holds one byte more
        QTest::newRow("click, 1.25 MB") << "1.25" << Sizes { 1'310'721, 1'310'721, 378'558 };
        QTest::newRow("Alt+S, 3 chunks") << "3" << Sizes { 1'000'001, 1'000'001, 999'998 };
        QTest::newRow("German click, 1,5 MB") << "1,5" << Sizes { 1'572'865, 1'427'135 };
    }

    void split()
    {
        QFETCH(QString, value);
        QFETCH(Sizes, sizes);
        // The row names the way the split starts; Alt+S runs it with a chunk count.
        const bool byKey = QTest::currentDataTag()[0] == 'A';
        if (QTest::currentDataTag()[0] == 'G')
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QTemporaryDir folder;
        QFile file(folder.filePath(u"sample.bin"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(3'000'000));
        MainWindowFixture f;
        f.fakes.chooser.choices << file.fileName();
        f.click(f.get("cmdBrowse"));
        if (byKey)
            f.click(f.get("optNumber"));
        f.type(f.edit(byKey ? "txtNumber" : "txtSize"), value);
        BusyPaints painted;
        painted.f = &f;
        f.get("lblStatus")->installEventFilter(&painted);
        QStringList shown;
        f.fakes.messages.onShow = [&](auto&) { shown << f.texts("lblStatus") << (f.busy() ? "busy" : ""); };
        f.act(byKey ? u"Alt+S"_s : u"cmdSplit"_s);
        QTRY_COMPARE(f.messages().size(), 1);
        QVERIFY(f.messages().first().startsWith(u"Done|Job was done successfully. Run samplebin.bat"_s));
        QCOMPARE(shown, (QStringList { "The split operation has been completed.", "" }));
        // Each file written, and its step on the screen under the busy pointer.
        QStringList steps;
        for (qsizetype i = 0; i < sizes.size(); ++i) {
            QCOMPARE(QFileInfo(folder.filePath(u"samplebin.%1"_s.arg(i + 1))).size(), sizes[i]);
            steps << u"Wait... split operation is in progress...Processing samplebin.%1"_s.arg(i + 1);
        }
        steps << u"Wait... split operation completed...Processing samplebin.bat"_s;
        QCOMPARE(painted.texts.filter(u"Processing"_s), steps);
        QCOMPARE(f.texts("lblStatus"), QStringList { QString() });
        QVERIFY(!f.busy());
        QCOMPARE(f.window.findChild<QWidget*>("txtNumber")->cursor().shape(), Qt::IBeamCursor); // its own, back
    }

    void exit()
    {
        for (const bool byTitleBar : { false, true }) {
            MainWindowFixture f;
            f.click(f.get("cmdHelp"));
            f.click(f.get("cmdAbout"));
            // A picker without an owner, as the split job opens it, would keep the
            // program alive on its own.
            f.window.openFolderPicker();
            // Every window gone at once, before the program winds down: none of them
            // runs its own closing logic. Then the program ends.
            QTimer::singleShot(0, [&] {
                byTitleBar ? void(f.window.close()) : f.click(f.get("cmdExit"));
                for (const QWidget* window : QApplication::topLevelWidgets())
                    QVERIFY2(!window->isVisible(), window->metaObject()->className());
            });
            QTimer::singleShot(10'000, &f.window, [] { QCoreApplication::exit(-1); }); // still running
            QCOMPARE(QApplication::exec(), 0);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
