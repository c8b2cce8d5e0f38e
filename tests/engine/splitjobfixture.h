#pragma once

// What the split job suites share: the main window as the split job sees it, real
// files in temporary folders, and the words users must see. The words are written
// out here on their own, so that a changed word in the program fails a test.

#include "engine/splitjob.h"
#include "engine/splitwindow.h"
#include "fakevolumes.h"
#include "testfiles.h"

#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace quarnix::testing {

using engine::SplitOutcome;
using Lengths = QList<qint64>;

inline QStringList chunkNames(const QString& prefix, int count)
{
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names << prefix + u'.' + QString::number(k);
    return names;
}

// Event lines, where the title of a box whose words never change stands for the
// whole box as Job records it: "[TITLE] TEXT {ICON, BUTTONS}".
inline QStringList seen(const QStringList& lines)
{
    static const QStringList all {
        "[Error] Some error occured while doing the so job. Make sure that you have enough disk space. {error, OK}",
        "[Suggestion] You have chosen to split the source file directly to the floppy. Although this operation can be performed efficiently and smoothly, yet due to the low speed of the floppy-drive the application might seem 'Not-Responding' during the split operation. Would you like to continue? {question, Yes/No}",
        "[Lack of space] The selected drive doesn't have enough space, to hold the split. Either reduce the split size or try selecting another location. {warning, OK}",
        "[Enter next floppy] The current disk in the drive is full. Enter another floppy in the drive and press Ok when ready. {information, OK}",
        "[Enter last floppy] The current disk in the drive is full. Enter last floppy in the drive and press Ok when ready. {information, OK}"};
    QStringList events;
    for (const QString& line : lines)
        events << all.filter('[' + line + "] ").value(0, line);
    return events;
}

// The system's words for a failure: POSIX's as written here, Windows' from its own
// message table, whose words differ between its versions and languages.
inline QString systemReason([[maybe_unused]] const QString& posix, [[maybe_unused]] int windowsError)
{
#ifdef Q_OS_WIN
    return qt_error_string(windowsError);
#else
    return posix;
#endif
}

// The fields written back, trimmed, then the hourglass. "{source}" and "{dest}" stand
// for the job's paths until `expanded` puts them in.
inline QStringList start(const QString& source = "{source}", const QString& destination = "{dest}")
{
    return {"source=" + source, "destination=" + destination, "status=Wait... split operation is in progress...",
        "repaint window", "pointer busy"};
}

inline QStringList processing(const QStringList& chunks)
{
    QStringList events;
    for (const QString& name : chunks)
        events << "status=Wait... split operation is in progress...Processing " + name << "repaint status";
    return events;
}

inline QStringList finish(const QString& prefix, const QString& name)
{
    return {"status=Wait... split operation completed...Processing " + prefix + ".bat", "repaint status",
        "status=The split operation has been completed.", "pointer default",
        "[Done] Job was done successfully. Run " + prefix + ".bat file to re-assemble " + name + ". {information, OK}",
        "status="};
}

// The one error report, with its cause as the box's detail.
inline QStringList failure(const QString& cause)
{
    return seen(
        {"status=Some error occured, during operation.", "pointer default", "Error", "details=" + cause, "status="});
}

inline bool mountTmpfsAt([[maybe_unused]] const QByteArray& folder, [[maybe_unused]] qint64 bytes)
{
#ifdef Q_OS_LINUX
    const QByteArray options = "size=" + QByteArray::number(bytes);
    return ::mount("tmpfs", folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0;
#else
    return false;
#endif
}

inline void unmount([[maybe_unused]] const QByteArray& folder)
{
#ifdef Q_OS_LINUX
    if (!folder.isEmpty())
        ::umount2(folder.constData(), MNT_DETACH);
#endif
}

// A temporary folder for the source with the destination folder in it, and the main
// window as the split job sees it, without widgets. Every call the job makes is one
// line in `events`: "source=T", "destination=T", "status=T", "repaint status",
// "repaint window", "pointer busy", "pointer default", "focus source", "focus
// destination", "picker", each message box, and "details=T" after a box with details.
struct Job final : engine::SplitWindow {
    QTemporaryDir tmp;
    // Paths as the path fields hold them.
    QString out = QDir::toNativeSeparators(tmp.filePath("out"));
    QString source, destination = out, number = "2", size = "1.25";
    bool bySize = true;
    QStringList events;
    std::function<void(const QString&)> onEvent = [](const QString&) {}; // while a box would be up, too
    platform::MessageAnswer answer = platform::MessageAnswer::Yes;       // to the one question
    FakeVolumes volumes;
    QLocale locale = QLocale::c();
    QByteArray mounted;

    Job() { QDir().mkpath(out); }
    ~Job() { unmount(mounted); }
    // A tmpfs of `bytes` at the destination, for a disk that really fills up; false
    // where the suite may not mount one (it needs root, as in CI) or off Linux.
    bool mountTmpfs(qint64 bytes)
    {
        mounted = mountTmpfsAt(QFile::encodeName(out), bytes) ? QFile::encodeName(out) : QByteArray();
        return !mounted.isEmpty();
    }
    // Writes the source file and points the window at it.
    QByteArray makeSource(const QString& name, qint64 length)
    {
        source = QDir::toNativeSeparators(tmp.filePath(name));
        return writeFile(source, randomBytes(length)) ? readFile(source) : "not written";
    }
    // By count when `count` is given, else by size.
    void splitBy(const QString& count, const QString& megabytes)
    {
        bySize = count.isEmpty();
        (bySize ? size : number) = bySize ? megabytes : count;
    }
    SplitOutcome run() { return run(volumes); }
    SplitOutcome run(const platform::Volumes& on) { return engine::SplitJob(*this, on, locale).run(); }
    QString outFile(const QString& name) const { return QDir::toNativeSeparators(QDir(out).filePath(name)); }
    // `lines` with the job's own paths for "{source}", "{dest}" and "{out}".
    QStringList expanded(QStringList lines) const
    {
        const QString separator = QDir::toNativeSeparators("/");
        for (const auto& [key, path] :
            QList<std::pair<QString, QString>> {{"{source}", source}, {"{dest}", destination}, {"{out}", out}})
            lines.replaceInStrings(key + QString("/"), path + separator).replaceInStrings(key, path);
        return lines;
    }
    void record(const QString& event) { onEvent((events << event).last()); }

    QString sourceText() const override { return source; }
    void setSourceText(const QString& text) override { record("source=" + (source = text)); }
    QString destinationText() const override { return destination; }
    // Like the real field, the text takes its kept form at once.
    void setDestinationText(const QString& text) override
    {
        record("destination=" + (destination = platform::applyDestinationRule(text, volumes.style)));
    }
    QString numberText() const override { return number; }
    QString sizeText() const override { return size; }
    bool isSizeSelected() const override { return bySize; }
    void setStatus(const QString& text) override { record("status=" + text); }
    void repaintStatus() override { record("repaint status"); }
    void repaintWindow() override { record("repaint window"); }
    void setBusyPointer(bool on) override { record(on ? "pointer busy" : "pointer default"); }
    void focusBrowseSource() override { record("focus source"); }
    void focusBrowseDestination() override { record("focus destination"); }
    void openFolderPicker() override { record("picker"); }
    platform::MessageAnswer showMessage(const QString& title, const QString& text, platform::MessageIcon icon,
        platform::MessageButtons buttons, const QString& details) override
    {
        static const char* const icons[] = {"error", "warning", "information", "question"};
        const bool ok = buttons == platform::MessageButtons::Ok;
        record(QStringLiteral("[%1] %2 {%3, %4}").arg(title, text, icons[int(icon)], ok ? "OK" : "Yes/No"));
        if (!details.isEmpty())
            events << "details=" + details;
        return ok ? platform::MessageAnswer::Ok : answer;
    }
};

} // namespace quarnix::testing
