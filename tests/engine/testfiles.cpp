#include "testfiles.h"

#include <QDir>
#include <QFile>

namespace quarnix::testing {

QByteArray patternBytes(qint64 length, quint32 seed)
{
    QByteArray bytes(length, Qt::Uninitialized);
    quint32 state = seed * 2654435761u + 1;
    for (qint64 i = 0; i < length; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        bytes[i] = char(state >> 24);
    }
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList entriesOf(const QString& folder)
{
    QDir dir(folder);
    if (!dir.exists())
        return {};
    QStringList names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QStringList chunkNames(const QString& prefix, int count)
{
    QStringList names;
    for (int k = 1; k <= count; ++k)
        names.append(prefix + u'.' + QString::number(k));
    return names;
}

QByteArray expectedBatch(const QString& prefix, const QString& sourceName, int chunks, bool deletesItself)
{
    const auto quoted = [](QString name) { return u'"' + name.replace(u'%', QStringLiteral("%%")) + u'"'; };
    QStringList joined;
    QString text;
    for (const QString& chunk : chunkNames(prefix, chunks)) {
        text += QStringLiteral("If not exist ") + quoted(chunk) + QStringLiteral(" Goto End\r\n");
        joined.append(quoted(chunk));
    }
    text += QStringLiteral("Copy /b ") + joined.join(u'+') + u' ' + quoted(sourceName) + QStringLiteral("\r\n");
    text += QStringLiteral("If errorlevel 1 Goto End\r\n");
    for (const QString& chunk : chunkNames(prefix, chunks))
        text += QStringLiteral("Del ") + quoted(chunk) + QStringLiteral("\r\n");
    if (deletesItself)
        text += QStringLiteral("Del ") + quoted(prefix + QStringLiteral(".bat")) + QStringLiteral("\r\n");
    text += QStringLiteral(":End\r\n");
    // Code page 850 for the one letter beyond ASCII that the tests use.
    QByteArray bytes = text.toLatin1();
    bytes.replace('\xE9', '\x82');
    return bytes;
}

} // namespace quarnix::testing
