#include "engine/batchfile.h"

#include "engine/chunkplan.h"
#include "engine/freshfile.h"
#include "platform/batchcodepage.h"

namespace quarnix::engine {

namespace {

const QString lineEnd = QStringLiteral("\r\n");

// A name inside double quotes: only "%" still means something to the command
// interpreter there.
QString quoted(const QString& name)
{
    QString escaped = name;
    escaped.replace(u'%', QStringLiteral("%%"));
    return u'"' + escaped + u'"';
}

} // namespace

QString batchFileName(const QString& chunkPrefix)
{
    return chunkPrefix + QStringLiteral(".bat");
}

bool isBatchSafeName(const QString& fileName)
{
    for (const QChar ch : fileName) {
        if (ch == u'"' || ch.category() == QChar::Other_Control)
            return false;
        // Wildcards: "Del" and "If not exist" would match other files with them.
        // Windows names never hold them, but POSIX names can.
        if (ch == u'*' || ch == u'?' || ch == u'<' || ch == u'>')
            return false;
    }
    return platform::encodeForBatchFile(fileName).has_value();
}

QString batchFileText(const BatchFileContent& content)
{
    QStringList chunks;
    for (int number = 1; number <= content.chunkCount; ++number)
        chunks.append(quoted(chunkFileName(content.chunkPrefix, number)));

    QString text;
    for (const QString& chunk : chunks)
        text += QStringLiteral("If not exist ") + chunk + QStringLiteral(" Goto End") + lineEnd;
    text += QStringLiteral("Copy /b ") + chunks.join(u'+') + u' ' + quoted(content.sourceFileName) + lineEnd;
    text += QStringLiteral("If errorlevel 1 Goto End") + lineEnd;
    for (const QString& chunk : chunks)
        text += QStringLiteral("Del ") + chunk + lineEnd;
    if (content.deletesItself)
        text += QStringLiteral("Del ") + quoted(batchFileName(content.chunkPrefix)) + lineEnd;
    text += QStringLiteral(":End") + lineEnd;
    return text;
}

bool writeBatchFile(const QString& path, const BatchFileContent& content)
{
    const auto bytes = platform::encodeForBatchFile(batchFileText(content));
    if (!bytes)
        return false;
    FreshFile file(path);
    return file.create() && file.write(bytes->constData(), bytes->size()) && file.close();
}

} // namespace quarnix::engine
