#include "platform/pathrules.h"

#include <QRegularExpression>

namespace quarnix::platform {

PathStyle nativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

QChar separator(PathStyle style)
{
    return style == PathStyle::Windows ? QChar(u'\\') : QChar(u'/');
}

QString toDisplayPath(const QString& path, PathStyle style)
{
    if (style == PathStyle::Windows) {
        QString shown = path;
        return shown.replace(u'/', u'\\');
    }
    return path;
}

QString fileNameOf(const QString& path, PathStyle style)
{
    return path.mid(path.lastIndexOf(separator(style)) + 1);
}

QString joinPath(const QString& folder, const QString& name, PathStyle style)
{
    if (style == PathStyle::Posix && folder == QLatin1String("/"))
        return folder + name;
    return folder + separator(style) + name;
}

QString applyDestinationRule(const QString& text, PathStyle style)
{
    if (style == PathStyle::Windows && text.size() == 3)
        return text.left(2).toUpper();
    return text;
}

std::optional<QString> destinationAfterBrowse(const QString& source, const QString& fileTitle, PathStyle style)
{
    const qsizetype length = source.size() - fileTitle.size() - 1;
    if (length < 0)
        return std::nullopt;
    QString folder = applyDestinationRule(source.left(length), style);
    if (style == PathStyle::Windows) {
        // A file in a drive root leaves "c:"; completing it to "c:\" lets the
        // destination rule bring it to the upper-case bare drive.
        if (folder.size() == 2)
            folder = applyDestinationRule(folder + separator(style), style);
        return folder;
    }
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}

QString destinationAfterDrop(const QString& source, PathStyle style)
{
    const QString name = fileNameOf(source, style);
    QString folder = applyDestinationRule(source.left(source.size() - name.size()), style);
    if (style == PathStyle::Posix && folder == QLatin1String("/"))
        return folder;
    if (folder.endsWith(separator(style)))
        folder.chop(1);
    return folder;
}

bool isFloppyDriveText(const QString& text)
{
    const QString drive = text.left(2).toUpper();
    return drive == QLatin1String("A:") || drive == QLatin1String("B:");
}

QString driveSpecOf(const QString& destination, PathStyle style)
{
    return style == PathStyle::Windows ? destination.left(2) : destination;
}

QString trimmedPath(const QString& text, PathStyle style)
{
    if (style != PathStyle::Windows)
        return text;
    // Only blanks count: a tab or line break in a path is the user's business.
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

namespace {

// The drive's number, empty when `device` is no floppy node.
QString floppyDriveNumber(const QString& device)
{
    static const QRegularExpression floppy(QStringLiteral("^/(?:.*/)?fd(0|[1-9][0-9]*)$"));
    return floppy.match(device).captured(1);
}

} // namespace

bool isFloppyDevice(const QString& device)
{
    return !floppyDriveNumber(device).isEmpty();
}

bool isFirstFloppyDevice(const QString& device)
{
    return floppyDriveNumber(device) == QLatin1String("0");
}

} // namespace quarnix::platform
