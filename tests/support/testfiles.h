#pragma once

// Real files in temporary folders, as the tests that write and read them need them.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

namespace quarnix::testing {

// Random bytes, so a chunk cut at the wrong place never compares equal by chance.
inline QByteArray randomBytes(qint64 length, quint32 seed = 7)
{
    QByteArray bytes(length, Qt::Uninitialized);
    QRandomGenerator random(seed);
    std::generate(bytes.begin(), bytes.end(), [&] { return char(random()); });
    return bytes;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything in a folder, hidden entries and dangling links included, sorted.
inline QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace quarnix::testing
