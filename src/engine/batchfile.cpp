#include "engine/batchfile.h"

#include "engine/freshfile.h"
#include "engine/jobfailure.h"
#include "engine/jobtexts.h"
#include "platform/batchcodepage.h"

#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <functional>

namespace quarnix::engine {

namespace {

// The command interpreter refuses longer lines ("The input line is too long.")
// without setting an error level. A little under its 8,191 characters.
constexpr qsizetype longestLine = 8000;

// The batch file goes to disk in pieces of this size: few writes, little memory.
constexpr qsizetype writeSize = 64 * 1024;

// A name inside double quotes: only "%" still means something to the command
// interpreter there.
QString quoted(const QString& name)
{
    QString escaped = name;
    escaped.replace(u'%', QStringLiteral("%%"));
    return u'"' + escaped + u'"';
}

// Characters no Windows file name holds. POSIX names can: a backslash or a colon
// would point the batch file's Copy and Del lines at another folder or drive, a
// wildcard at other files.
bool isForbiddenInWindowsNames(QChar ch)
{
    return QStringView(u"\\/:*?\"<>|").contains(ch) || ch.category() == QChar::Other_Control;
}

// Device names are found in every folder, whatever follows the first dot: CON and
// its kin, the console's CONIN$ and CONOUT$, and serial and parallel ports, whose
// numbers include 0 and the superscripts Windows also reads as digits. Windows also
// drops a trailing dot or blank, so "a." names "a".
bool isWindowsDeviceOrTrimmed(const QString& name)
{
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|CLOCK\\$|(COM|LPT)[0-9\u00B9\u00B2\u00B3]) *(\\.|$)"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch() || name.endsWith(u'.') || name.endsWith(u' ');
}

using LineSink = std::function<void(const QString&)>;

// Ends the batch when the file `quotedName` is missing or does not have `length`
// bytes: a missing file has an empty size.
QString lengthCheck(const QString& quotedName, qint64 length)
{
    return QStringLiteral("For %%F in (%1) Do If not \"%%~zF\"==\"%2\" Goto End").arg(quotedName).arg(length);
}

// One Copy line when it fits; otherwise the first line joins as many chunks as fit
// and each further line appends the next ones to the joined file, so every line
// stays within the interpreter's limit. Each is followed by its own check.
void joinLines(const BatchFileContent& content, const QString& joined, const LineSink& line)
{
    const QString checked = QStringLiteral("If errorlevel 1 Goto End");
    const QString tail = u' ' + joined;
    QString copy;
    for (int number = 1; number <= content.plan.count; ++number) {
        const QString chunk = quoted(chunkFileName(content.chunkPrefix, number));
        if (!copy.isEmpty() && copy.size() + 1 + chunk.size() + tail.size() > longestLine) {
            line(copy + tail);
            line(checked);
            copy = QStringLiteral("Copy /b ") + joined;
        }
        copy += (copy.isEmpty() ? QStringLiteral("Copy /b ") : QStringLiteral("+")) + chunk;
    }
    line(copy + tail);
    line(checked);
}

// The lines in order. The first makes the folder the batch file lies in the current
// one, whatever folder it was started from (Pushd also reaches a network share,
// which Cd cannot enter).
void batchLines(const BatchFileContent& content, const LineSink& line)
{
    const QString joined = quoted(content.sourceFileName);
    line(QStringLiteral("Pushd \"%~dp0\""));
    for (int number = 1; number <= content.plan.count; ++number)
        line(lengthCheck(quoted(chunkFileName(content.chunkPrefix, number)), content.plan.lengthOf(number)));
    joinLines(content, joined, line);
    line(lengthCheck(joined, content.plan.sourceLength));
    for (int number = 1; number <= content.plan.count; ++number)
        line(QStringLiteral("Del ") + quoted(chunkFileName(content.chunkPrefix, number)));
    if (content.deletesItself)
        line(QStringLiteral("Del ") + quoted(batchFileName(content.chunkPrefix)));
    line(QStringLiteral(":End"));
}

} // namespace

QString batchFileName(const QString& chunkPrefix)
{
    return chunkPrefix + QStringLiteral(".bat");
}

bool isBatchSafeName(const QString& fileName)
{
    if (std::any_of(fileName.begin(), fileName.end(), isForbiddenInWindowsNames))
        return false;
    const QString prefix = chunkPrefix(fileName).value_or(fileName);
    if (isWindowsDeviceOrTrimmed(fileName) || isWindowsDeviceOrTrimmed(prefix))
        return false;
    return platform::encodeForBatchFile(fileName).has_value();
}

void writeBatchFile(const QString& path, const BatchFileContent& content)
{
    // QSaveFile would write through a link left at the name.
    clearName(path);
    // Written aside and put in place by commit: a disk that fills up leaves no
    // batch file cut short, whose last Copy line could join the chunks onto the first.
    // Unbuffered, with a buffer of our own, because a write that fails inside
    // QSaveFile's buffer does not stop its commit.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw JobFailure {texts::cannotCreate(path, file.errorString())};
    QByteArray pending;
    // A write cut short (the disk filled up halfway) says nothing of why; the next
    // one, for the rest, fails with the system's reason.
    const auto writePending = [&] {
        for (qint64 written = 0; written < pending.size();) {
            const qint64 step = file.write(pending.constData() + written, pending.size() - written);
            if (step <= 0)
                throw JobFailure {texts::cannotWrite(path, file.errorString())};
            written += step;
        }
        pending.clear();
    };
    batchLines(content, [&](const QString& line) {
        const auto bytes = platform::encodeForBatchFile(line + QStringLiteral("\r\n"));
        if (!bytes)
            throw JobFailure {texts::unsafeName(content.sourceFileName)};
        pending += *bytes;
        if (pending.size() >= writeSize)
            writePending();
    });
    writePending();
    if (!file.commit())
        throw JobFailure {texts::cannotWrite(path, file.errorString())};
}

} // namespace quarnix::engine
