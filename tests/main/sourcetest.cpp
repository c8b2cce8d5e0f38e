// Choosing the source by browsing and by dropping, the destination field's rule,
// the destination browse button, and the two locked path fields.

#include "mainwindowfixture.h"
#include "ui/folder/frmfolder.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

using quarnix::platform::MessageButtons;
using quarnix::platform::MessageIcon;
using quarnix::platform::PathStyle;
using quarnix::testing::MainWindowFixture;

Q_DECLARE_METATYPE(PathStyle)

namespace {

// Drags `mime` over the drop target and lets go; whether the target took the drag.
bool dropOn(QWidget* target, QMimeData* mime)
{
    const QPoint middle = target->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    const bool taken = enter.isAccepted();
    if (taken) {
        QDragMoveEvent move(middle, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
    }
    // A drop arrives only after an accepted enter; sending it anyway checks that
    // the target ignores what it did not take.
    QDropEvent drop(middle, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return taken;
}

QMimeData* filesMime(const QStringList& paths)
{
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    return mime;
}

} // namespace

class SourceTest : public QObject {
    Q_OBJECT
private slots:
    void browse_data();
    void browse();
    void browseCancelledFirst();
    void browseCancelledAfterAChoice();
    void drop_data();
    void drop();
    void dropWithoutAFileChangesNothing_data();
    void dropWithoutAFileChangesNothing();
    void destinationRule_data();
    void destinationRule();
    void destinationRuleRunsInsideTheWrite();
    void browseDestinationWithoutSource();
    void browseDestinationWithSource();
    void lockedPathFields_data();
    void lockedPathFields();
};

void SourceTest::browse_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("posix folder") << PathStyle::Posix << "/home/ann/film.avi"
                                  << "/home/ann/film.avi"
                                  << "/home/ann";
    QTest::newRow("posix root") << PathStyle::Posix << "/film.avi"
                                << "/film.avi"
                                << "/";
    QTest::newRow("windows folder") << PathStyle::Windows << "C:/Data/film.avi"
                                    << "C:\\Data\\film.avi"
                                    << "C:\\Data";
    QTest::newRow("windows root") << PathStyle::Windows << "c:/film.avi"
                                  << "c:\\film.avi"
                                  << "C:";
}

void SourceTest::browse()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, chosen);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    MainWindowFixture f(style);
    f.window.setDestinationText(QStringLiteral("/chosen/before"));
    f.fakes.chooser.choices << chosen;
    f.click(f.button("cmdBrowse"));
    QCOMPARE(f.fakes.chooser.titles, QStringList { QStringLiteral("Select file to split...") });
    QCOMPARE(f.edit("txtSource")->text(), source);
    QCOMPARE(f.edit("txtDestination")->text(), destination);
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SourceTest::browseCancelledFirst()
{
    MainWindowFixture f(PathStyle::Posix);
    f.window.setSourceText(QStringLiteral("/dropped/a.txt"));
    f.window.setDestinationText(QStringLiteral("/picked"));
    f.fakes.chooser.choices << QString(); // cancel
    f.click(f.button("cmdBrowse"));
    // Nothing chosen yet, so nothing to go back to: the source empties and the
    // destination stays.
    QCOMPARE(f.edit("txtSource")->text(), QString());
    QCOMPARE(f.edit("txtDestination")->text(), QStringLiteral("/picked"));
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SourceTest::browseCancelledAfterAChoice()
{
    MainWindowFixture f(PathStyle::Posix);
    f.fakes.chooser.choices << QStringLiteral("/films/first.avi") << QString();
    f.click(f.button("cmdBrowse"));
    std::unique_ptr<QMimeData> mime(filesMime({ QStringLiteral("/other/second.avi") }));
    QVERIFY(dropOn(f.label("picTarget"), mime.get()));
    QCOMPARE(f.edit("txtSource")->text(), QStringLiteral("/other/second.avi"));
    QCOMPARE(f.edit("txtDestination")->text(), QStringLiteral("/other"));
    f.click(f.button("cmdBrowse"));
    // The dialog kept the first choice; a cancel brings it back with its folder.
    QCOMPARE(f.edit("txtSource")->text(), QStringLiteral("/films/first.avi"));
    QCOMPARE(f.edit("txtDestination")->text(), QStringLiteral("/films"));
    QCOMPARE(f.fakes.chooser.titles.size(), 2);
}

void SourceTest::drop_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("one file") << PathStyle::Posix << QStringList { "/data/film.avi" } << "/data/film.avi"
                              << "/data";
    QTest::newRow("three files") << PathStyle::Posix
                                 << QStringList { "/data/one.avi", "/other/two.avi", "/third/three.avi" }
                                 << "/data/one.avi"
                                 << "/data";
    QTest::newRow("file in the root") << PathStyle::Posix << QStringList { "/film.avi" } << "/film.avi"
                                      << "/";
    QTest::newRow("deep folder") << PathStyle::Posix << QStringList { "/a/b/c/d.e" } << "/a/b/c/d.e"
                                 << "/a/b/c";
    QTest::newRow("windows file") << PathStyle::Windows << QStringList { "C:/Data/film.avi" }
                                  << "C:\\Data\\film.avi"
                                  << "C:\\Data";
    QTest::newRow("windows root") << PathStyle::Windows << QStringList { "c:/film.avi" } << "c:\\film.avi"
                                  << "C:";
}

void SourceTest::drop()
{
    QFETCH(PathStyle, style);
    QFETCH(QStringList, files);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    if (style == PathStyle::Windows && QUrl::fromLocalFile(files.first()).toLocalFile() != files.first())
        QSKIP("a drive letter is no local path on this system");
    MainWindowFixture f(style);
    f.window.setDestinationText(QStringLiteral("/picked/before"));
    std::unique_ptr<QMimeData> mime(filesMime(files));
    QVERIFY(dropOn(f.label("picTarget"), mime.get()));
    QCOMPARE(f.edit("txtSource")->text(), source);
    QCOMPARE(f.edit("txtDestination")->text(), destination);
    QVERIFY(f.fakes.messages.shown.isEmpty());
}

void SourceTest::dropWithoutAFileChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::newRow("text only") << "/data/film.avi"
                               << "";
    QTest::newRow("web address") << ""
                                 << "https://example.org/film.avi";
}

void SourceTest::dropWithoutAFileChangesNothing()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    MainWindowFixture f(PathStyle::Posix);
    f.window.setSourceText(QStringLiteral("/kept/source.bin"));
    f.window.setDestinationText(QStringLiteral("/kept"));
    QMimeData mime;
    if (!text.isEmpty())
        mime.setText(text);
    if (!address.isEmpty())
        mime.setUrls({ QUrl(address) });
    QVERIFY(!dropOn(f.label("picTarget"), &mime));
    QCOMPARE(f.edit("txtSource")->text(), QStringLiteral("/kept/source.bin"));
    QCOMPARE(f.edit("txtDestination")->text(), QStringLiteral("/kept"));
}

void SourceTest::destinationRule_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("kept");
    QTest::newRow("a:\\") << PathStyle::Windows << "a:\\"
                          << "A:";
    QTest::newRow("c:\\") << PathStyle::Windows << "c:\\"
                          << "C:";
    QTest::newRow("abc") << PathStyle::Windows << "abc"
                         << "AB";
    QTest::newRow("C:\\Data") << PathStyle::Windows << "C:\\Data"
                              << "C:\\Data";
    QTest::newRow("c:") << PathStyle::Windows << "c:"
                        << "c:";
    QTest::newRow("empty") << PathStyle::Windows << ""
                           << "";
    QTest::newRow("posix /mn") << PathStyle::Posix << "/mn"
                               << "/mn";
    QTest::newRow("posix abc") << PathStyle::Posix << "abc"
                               << "abc";
    QTest::newRow("posix root") << PathStyle::Posix << "/"
                                << "/";
}

void SourceTest::destinationRule()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, written);
    QFETCH(QString, kept);
    MainWindowFixture f(style);
    f.window.setDestinationText(QStringLiteral("something else"));
    f.window.setDestinationText(written);
    QCOMPARE(f.window.destinationText(), kept);
    QCOMPARE(f.edit("txtDestination")->text(), kept);
}

void SourceTest::destinationRuleRunsInsideTheWrite()
{
    MainWindowFixture f(PathStyle::Windows);
    QLineEdit* destination = f.edit("txtDestination");
    QSignalSpy changes(destination, &QLineEdit::textChanged);
    // Whoever writes the field reads the rule's result right after the write,
    // with no event processed in between.
    f.window.setDestinationText(QStringLiteral("b:\\"));
    QCOMPARE(destination->text(), QStringLiteral("B:"));
    // The rule's rewrite reaches a later listener before the write that caused it
    // does: it happened in the middle of that write.
    QCOMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("B:"));
    QCOMPARE(changes.at(1).at(0).toString(), QStringLiteral("b:\\"));
}

void SourceTest::browseDestinationWithoutSource()
{
    MainWindowFixture f;
    f.edit("txtDestination")->setFocus();
    f.click(f.button("cmdBrowseD"));
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    const auto shown = f.fakes.messages.shown.first();
    QCOMPARE(shown.title, QStringLiteral("Source file missing"));
    QCOMPARE(
        shown.text, QStringLiteral("First select a source file to split and then the destination folder."));
    QCOMPARE(shown.icon, MessageIcon::Information);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(f.focused(), f.button("cmdBrowse"));
    QVERIFY(!f.window.secondaryWindows().folderPicker());
}

void SourceTest::browseDestinationWithSource()
{
    MainWindowFixture f;
    f.window.setSourceText(QStringLiteral("/not/even/there.bin"));
    f.click(f.button("cmdBrowseD"));
    QVERIFY(f.fakes.messages.shown.isEmpty());
    QWidget* picker = f.window.secondaryWindows().folderPicker();
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    f.click(f.button("cmdBrowseD"));
    QCOMPARE(f.window.secondaryWindows().folderPicker(), picker);
    QVERIFY(picker->isVisible());
    // Owned by the main window: a window of its own that stays in front of it.
    QCOMPARE(picker->parentWidget(), &f.window);
    QVERIFY(picker->isWindow());
}

void SourceTest::lockedPathFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("txtSource") << "txtSource";
    QTest::newRow("txtDestination") << "txtDestination";
}

void SourceTest::lockedPathFields()
{
    QFETCH(QString, field);
    MainWindowFixture f(PathStyle::Posix);
    QLineEdit* edit = f.edit(qPrintable(field));
    const QString path = QStringLiteral("/data/film.avi");
    if (edit == f.edit("txtSource"))
        f.window.setSourceText(path);
    else
        f.window.setDestinationText(path);
    QCOMPARE(edit->text(), path);

    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    f.click(edit);
    QCOMPARE(f.focused(), edit);
    QTest::keyClicks(edit, QStringLiteral("typed"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), path);

    // Still selectable and copyable.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), path);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    if (QGuiApplication::clipboard()->text() != QLatin1String("pasted"))
        QCOMPARE(QGuiApplication::clipboard()->text(), path);
}

QTEST_MAIN(SourceTest)
#include "sourcetest.moc"
