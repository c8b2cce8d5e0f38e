#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Real files for the engine's tests.
namespace quarnix::testing {

// Bytes that differ from one offset to the next, so a chunk cut at the wrong
// place never compares equal by chance.
QByteArray patternBytes(qint64 length, quint32 seed = 1);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// The names in a folder, hidden ones included, sorted; empty for a missing folder.
QStringList entriesOf(const QString& folder);

// The batch file the job must write for these names, as the command interpreter
// reads it: guard lines, the join, the deletions, CR LF line ends. Only ASCII and
// "é" are expected in test names.
QByteArray expectedBatch(const QString& prefix, const QString& sourceName, int chunks, bool deletesItself = true);

// "reportdoc.1" .. "reportdoc.N"
QStringList chunkNames(const QString& prefix, int count);

} // namespace quarnix::testing
