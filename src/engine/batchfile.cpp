#include "engine/batchfile.h"

#include "engine/chunkplan.h"
#include "engine/freshfile.h"
#include "platform/batchcodepage.h"

namespace quarnix::engine {

namespace {

const QString lineEnd = QStringLiteral("\r\n");

// The command interpreter refuses longer lines ("The input line is too long.")
// without setting an error level, so the Del lines after a refused Copy would
// delete every chunk with nothing joined. A little under its 8,191 characters.
constexpr qsizetype longestLine = 8000;

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

namespace {

// One Copy line when it fits; otherwise the first line joins as many chunks as fit
// and each further line appends the next ones to the joined file, so every line
// stays within the interpreter's limit.
QString joinLines(const QStringList& chunks, const QString& joined)
{
    const QString checked = QStringLiteral("If errorlevel 1 Goto End") + lineEnd;
    QString text;
    QString line;
    for (const QString& chunk : chunks) {
        const QString tail = u' ' + joined;
        if (!line.isEmpty() && line.size() + 1 + chunk.size() + tail.size() > longestLine) {
            text += line + tail + lineEnd + checked;
            line = QStringLiteral("Copy /b ") + joined;
        }
        line += (line.isEmpty() ? QStringLiteral("Copy /b ") : QStringLiteral("+")) + chunk;
    }
    return text + line + u' ' + joined + lineEnd + checked;
}

} // namespace

QString batchFileText(const BatchFileContent& content)
{
    QStringList chunks;
    for (int number = 1; number <= content.chunkCount; ++number)
        chunks.append(quoted(chunkFileName(content.chunkPrefix, number)));

    QString text;
    for (const QString& chunk : chunks)
        text += QStringLiteral("If not exist ") + chunk + QStringLiteral(" Goto End") + lineEnd;
    text += joinLines(chunks, quoted(content.sourceFileName));
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
