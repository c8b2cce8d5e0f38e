#pragma once

#include "platform/outcome.h"

#include <QString>
#include <QtGlobal>

class QFile;

namespace quarnix::platform {

// Tells whether anything wrote to a file while the program read it, whatever the
// writer did to its length and times afterwards. Length and modification time
// cannot tell: a rewrite in place can put both back (touch -r, rsync --inplace -t),
// and on a file system with coarse timestamps (whole seconds on ext4 with small
// inodes, two on FAT) a rewrite inside one tick leaves the time as it was.
//
// Linux watches the open file (inotify) for every write to its data, through any
// name and by any program, for as long as the guard lives. Windows holds the file
// open denying other writers, so that none can happen. Elsewhere the guard sees
// nothing, and the caller's own check of length and time is all there is.
class WriteGuard {
public:
    WriteGuard() = default;
    ~WriteGuard();
    WriteGuard(const WriteGuard&) = delete;
    WriteGuard& operator=(const WriteGuard&) = delete;

    // Starts guarding `file`, which is open for reading. Fails where the file cannot
    // be kept from writers (Windows: another program has it open for writing). Where
    // Linux has no watch to give (the user's inotify limits are spent) it starts
    // without one, as elsewhere.
    Outcome<> start(QFile& file);

    // Something wrote to the file since `start`.
    bool wasWritten() const;

private:
    qintptr handle_ = -1; // the inotify instance on Linux, the file handle on Windows
};

} // namespace quarnix::platform
