#pragma once

// src/engine: the split job behind the Split button and everything it writes (the
// chunk plan, the chunk files, the re-assembly batch file, the floppy flow). It
// runs headless, in the windows, the tests and the benchmark alike, so it uses
// QtCore and the core of src/platform only: nothing from src/ui, no widgets, and
// no system call of its own. It reaches its window through splitwindow.h.
//
// The road of one split:
// 1. ui/main/frmmain.cpp: cmdSplit's click runs a SplitJob over the window (a SplitWindow).
// 2. splitjob.cpp run(): the floppy question (removablemedia.cpp), the entry checks, trimmed paths.
// 3. split(): the name, size and chunk checks (batchfile.h, chunkplan.h), a floppy's first room check.
// 4. writeChunks(): each chunk copied by ChunkCopier into a FreshFile, disks changed between them.
// 5. batchfile.cpp: the batch file, in the batch code page (platform/batchcodepage.cpp).
// 6. "Done"; any JobFailure thrown on the way ends in fail(), the one error report.

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quarnix::platform {
class Volumes;
}

namespace quarnix::engine {

class SplitWindow;
class RemovableMedia;
struct ChunkPlan;

enum class SplitOutcome {
    Done,    // every chunk file and the batch file were written
    Stopped, // an entry check, the user or a lack of room ended the job; nothing was written
    Failed,  // the error report was shown
};

// The work behind the Split button: reads the window's fields, cuts the source into
// chunk files beside a re-assembly batch file, and keeps the user told through the
// status line and message boxes. Runs to its end on the caller's thread.
class SplitJob {
public:
    SplitJob(SplitWindow& window, const platform::Volumes& volumes, const QLocale& locale = QLocale());

    SplitOutcome run();

private:
    [[nodiscard]] bool entriesGiven();
    SplitOutcome split(RemovableMedia& media);
    qint64 sourceLength();
    qint64 chunkSize(qint64 sourceLength) const;
    SplitOutcome refuse(const QString& text);
    void checkNameLength(const QString& prefix) const;
    void checkSourceIsNoOutput(const ChunkPlan& plan, const QString& prefix) const;
    void writeChunks(const ChunkPlan& plan, const QString& prefix, RemovableMedia& media, bool sync);
    void syncDestination() const;
    void showProcessing(const QString& chunkName);
    void fail(const QString& cause);
    QString outputPath(const QString& name) const;

    SplitWindow& window_;
    const platform::Volumes& volumes_;
    QLocale locale_;
    QDateTime sourceModified_;
};

} // namespace quarnix::engine
