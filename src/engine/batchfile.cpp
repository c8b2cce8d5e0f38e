#include "engine/batchfile.h"

#include "engine/chunkplan.h"
#include "engine/freshfile.h"
#include "platform/batchcodepage.h"

#include <QRegularExpression>
#include <algorithm>

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

namespace {

// Characters no Windows file name holds. POSIX names can: a backslash or a colon
// would point the batch file's Copy and Del lines at another folder or drive, a
// wildcard at other files.
bool isForbiddenInWindowsNames(QChar ch)
{
    return QStringView(u"\\/:*?\"<>|").contains(ch) || ch.category() == QChar::Other_Control;
}

// CON, NUL, COM1 and the like name devices in every folder, whatever follows the
// first dot; Windows also drops a trailing dot or blank, so "a." names "a".
bool isWindowsDeviceOrTrimmed(const QString& name)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]) *(\\.|$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch() || name.endsWith(u'.') || name.endsWith(u' ');
}

} // namespace

bool isBatchSafeName(const QString& fileName)
{
    if (std::any_of(fileName.begin(), fileName.end(), isForbiddenInWindowsNames))
        return false;
    const QString prefix = chunkPrefix(fileName).value_or(fileName);
    if (isWindowsDeviceOrTrimmed(fileName) || isWindowsDeviceOrTrimmed(prefix))
        return false;
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
