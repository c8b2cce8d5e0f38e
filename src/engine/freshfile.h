#pragma once

#include <QFile>
#include <QString>

namespace quarnix::engine {

// Makes way for a new file at `path`: whatever had the name goes, a link itself and
// never what it points at. A folder of that name stays, and the job fails.
// Throws JobFailure.
void clearName(const QString& path);

// An output file that replaces whatever had its name. The old entry is removed and a
// new file created in its place: that leaves no old tail behind, never writes through
// a link left at the name, and spares the file system the write-back it starts for a
// file truncated and rewritten in place. A file that is not kept by `close` is
// removed again, so a piece cut short by a full disk cannot pass for a whole one.
// Every step throws JobFailure with the file and the system's reason.
class FreshFile {
public:
    explicit FreshFile(const QString& path);
    ~FreshFile();
    FreshFile(const FreshFile&) = delete;
    FreshFile& operator=(const FreshFile&) = delete;

    void write(const char* data, qint64 size);
    // Waits until what was written is on the device.
    void sync();
    // Closes the file and keeps it.
    void close();

    QFile& file() { return file_; }

private:
    QFile file_;
    bool kept_ = false;
};

} // namespace quarnix::engine
