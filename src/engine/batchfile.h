#pragma once

#include "engine/chunkplan.h"

#include <QString>

namespace quarnix::engine {

// What the re-assembly batch file is made of.
struct BatchFileContent {
    QString chunkPrefix;
    ChunkPlan plan; // how many chunk files, and how long each is
    QString sourceFileName;
    bool deletesItself = true; // false in the root of the first floppy drive
};

// "reportdoc.bat"
QString batchFileName(const QString& chunkPrefix);

// Whether `fileName` can stand inside the batch file's quotes and still name the
// same file and no other on the Windows machine that runs it: none of the
// characters Windows names cannot hold, no device name (also as the chunk prefix),
// no trailing dot or blank, and every character in the batch file's code page.
bool isBatchSafeName(const QString& fileName);

// Writes the batch file at `path`, replacing whatever had that name. It works on
// the folder it lies in, joins the chunk files only when each has its full length,
// and deletes them only when the joined file has the source's length. The file
// appears under its name only once it is complete. Throws JobFailure.
void writeBatchFile(const QString& path, const BatchFileContent& content);

} // namespace quarnix::engine
