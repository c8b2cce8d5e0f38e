// A split started from the window, by a click and by its access key: the files it
// writes, the status line as it is painted, the busy pointer and the messages.

#include "mainwindowfixture.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using quarnix::platform::MessageButtons;
using quarnix::platform::MessageIcon;
using quarnix::testing::MainWindowFixture;
using quarnix::testing::ShownMessage;

namespace {

// What the status line showed each time it was painted, and whether the window
// showed the busy pointer then. The job holds the event loop, so only the
// window's own immediate repaints can show up here.
class StatusPainting : public QObject {
public:
    StatusPainting(QLabel* status, QWidget* window)
        : status_(status)
        , window_(window)
    {
        status_->installEventFilter(this);
    }

    QStringList texts;
    QList<bool> busy;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            texts << status_->text();
            busy << isBusy(window_);
        }
        return false;
    }

public:
    static bool isBusy(const QWidget* window)
    {
        return window->testAttribute(Qt::WA_SetCursor) && window->cursor().shape() == Qt::WaitCursor;
    }

private:
    QLabel* status_;
    QWidget* window_;
};

QByteArray pattern(qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (qint64 i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

QString writeSource(const QTemporaryDir& folder, const QString& name, const QByteArray& content)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the test source");
    return path;
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the user sees while a message box is up.
struct Moment {
    QString status;
    bool busy = false;
};

} // namespace

class SplitTest : public QObject {
    Q_OBJECT
private slots:
    void splitByClick();
    void splitByAccessKey();
    void busyPointerWhileWorking();
    void splitWithAGermanSize();
};

void SplitTest::splitByClick()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray source = pattern(3'000'000);
    const QString path = writeSource(folder, QStringLiteral("sample.bin"), source);

    MainWindowFixture f;
    f.fakes.chooser.choices << path;
    f.click(f.button("cmdBrowse"));
    QCOMPARE(f.window.destinationText(), folder.path());

    StatusPainting painted(f.label("lblStatus"), &f.window);
    QList<Moment> moments;
    f.fakes.messages.onShow = [&](const ShownMessage&) {
        moments << Moment { f.label("lblStatus")->text(), StatusPainting::isBusy(&f.window) };
    };
    f.click(f.button("cmdSplit"));

    // 1.25 MB chunks: 1,310,720 bytes, so each full chunk file holds one more.
    const QStringList names { "samplebin.1", "samplebin.2", "samplebin.3" };
    const QList<qint64> sizes { 1'310'721, 1'310'721, 378'558 };
    QByteArray joined;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QByteArray chunk = contentOf(folder.filePath(names[i]));
        QCOMPARE(qint64(chunk.size()), sizes[i]);
        joined += chunk;
    }
    QVERIFY(joined == source);
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("samplebin.bat"))));

    QCOMPARE(f.fakes.messages.shown.size(), 1);
    const ShownMessage done = f.fakes.messages.shown.first();
    QCOMPARE(done.title, QStringLiteral("Done"));
    QCOMPARE(done.text,
        QStringLiteral("Job was done successfully. Run samplebin.bat file to re-assemble sample.bin."));
    QCOMPARE(done.icon, MessageIcon::Information);
    QCOMPARE(done.buttons, MessageButtons::Ok);
    QCOMPARE(moments.size(), 1);
    QCOMPARE(moments.first().status, QStringLiteral("The split operation has been completed."));
    QVERIFY(!moments.first().busy);

    // Every step was on the screen while the job held the window, with the busy
    // pointer up.
    const QString working = QStringLiteral("Wait... split operation is in progress...");
    const QStringList steps { working, working + QStringLiteral("Processing samplebin.1"),
        working + QStringLiteral("Processing samplebin.2"),
        working + QStringLiteral("Processing samplebin.3"),
        QStringLiteral("Wait... split operation completed...Processing samplebin.bat") };
    qsizetype from = 0;
    for (const QString& step : steps) {
        const qsizetype at = painted.texts.indexOf(step, from);
        QVERIFY2(at >= 0,
            qPrintable(QStringLiteral("never painted: %1\npainted: %2").arg(step, painted.texts.join(u'|'))));
        if (step != working)
            QVERIFY2(painted.busy.at(at), qPrintable(step));
        from = at;
    }

    QCOMPARE(f.label("lblStatus")->text(), QString());
    QVERIFY(!StatusPainting::isBusy(&f.window));
}

void SplitTest::splitByAccessKey()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = writeSource(folder, QStringLiteral("notes.txt"), pattern(1000));

    MainWindowFixture f;
    f.fakes.chooser.choices << path;
    f.click(f.button("cmdBrowse"));
    f.click(f.option("optNumber"));
    f.type(f.edit("txtNumber"), QStringLiteral("3"));

    QTest::keyClick(&f.window, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown.first().title, QStringLiteral("Done"));
    // 1000 bytes in 3: chunk size 333, so 334, 334 and the rest.
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("notestxt.1"))).size(), 334);
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("notestxt.2"))).size(), 334);
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("notestxt.3"))).size(), 332);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("notestxt.4"))));
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("notestxt.bat"))));
    QCOMPARE(f.label("lblStatus")->text(), QString());
}

void SplitTest::busyPointerWhileWorking()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = writeSource(folder, QStringLiteral("small.dat"), pattern(1000));

    MainWindowFixture f;
    f.fakes.chooser.choices << path;
    f.click(f.button("cmdBrowse"));
    QList<Moment> moments;
    f.fakes.messages.onShow = [&](const ShownMessage&) {
        moments << Moment { f.label("lblStatus")->text(), StatusPainting::isBusy(&f.window) };
    };
    // Smaller than one 1.25 MB chunk: refused, with the busy pointer still up
    // while the user reads why.
    f.click(f.button("cmdSplit"));
    QCOMPARE(f.fakes.messages.shown.size(), 1);
    QCOMPARE(f.fakes.messages.shown.first().title, QStringLiteral("Error"));
    QCOMPARE(f.fakes.messages.shown.first().icon, MessageIcon::Error);
    QVERIFY(f.fakes.messages.shown.first().text.startsWith(
        QStringLiteral("The file size of small.dat is less than 1.25 MegaBytes.")));
    QCOMPARE(moments.size(), 1);
    QVERIFY(moments.first().busy);
    QCOMPARE(moments.first().status, QStringLiteral("Wait... split operation is in progress..."));

    QVERIFY(!StatusPainting::isBusy(&f.window));
    QCOMPARE(f.label("lblStatus")->text(), QString());
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("smalldat.1"))));
}

void SplitTest::splitWithAGermanSize()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = writeSource(folder, QStringLiteral("daten.bin"), pattern(2'000'000));
        MainWindowFixture f;
        f.fakes.chooser.choices << path;
        f.click(f.button("cmdBrowse"));
        f.type(f.edit("txtSize"), QStringLiteral("1,5"));
        f.click(f.button("cmdSplit"));
        QCOMPARE(f.fakes.messages.shown.size(), 1);
        QCOMPARE(f.fakes.messages.shown.first().title, QStringLiteral("Done"));
        // 1,5 MB is 1,572,864 bytes: one full chunk file and the rest.
        QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("datenbin.1"))).size(), 1'572'865);
        QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("datenbin.2"))).size(), 2'000'000 - 1'572'865);
    }
    QLocale::setDefault(before);
}

QTEST_MAIN(SplitTest)
#include "splittest.moc"
