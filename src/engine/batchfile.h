#pragma once

#include <QByteArray>
#include <QString>

namespace quarnix::engine {

// What the re-assembly batch file is made of.
struct BatchFileContent {
    QString chunkPrefix;
    int chunkCount = 0;
    QString sourceFileName;
    bool deletesItself = true; // false in the root of the first floppy drive
};

// "reportdoc.bat"
QString batchFileName(const QString& chunkPrefix);

// Whether `fileName` can stand inside the batch file's quotes and still name the
// same file and no other on the Windows machine that runs it: none of the
// characters Windows names cannot hold, no device name, no trailing dot or blank,
// and every character in the batch file's code page.
bool isBatchSafeName(const QString& fileName);

// The lines, each ending in CR LF. The chunk files are deleted only when every one
// of them was there and the join succeeded.
QString batchFileText(const BatchFileContent& content);

// Writes the batch file in the command interpreter's code page, replacing any file
// of that name. False when it cannot be written in full.
bool writeBatchFile(const QString& path, const BatchFileContent& content);

} // namespace quarnix::engine
