#pragma once

#include <QFile>
#include <QString>

namespace quarnix::engine {

// An output file that replaces whatever had its name: the old entry is removed and
// a new file created in its place. That leaves no old tail behind, never writes
// through a link left at the name, and spares the file system the write-back it
// starts for a file truncated and rewritten in place.
class FreshFile {
public:
    explicit FreshFile(const QString& path);

    bool create();
    bool write(const char* data, qint64 size);
    bool close();

    QFile& file() { return file_; }

private:
    QFile file_;
};

} // namespace quarnix::engine
