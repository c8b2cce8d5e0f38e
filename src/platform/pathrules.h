#pragma once

#include <QString>
#include <optional>

// Path rules that differ between Windows and POSIX systems. They are pure and take
// the path style as a parameter, so the Windows rules are exercised on every
// platform; callers pass nativePathStyle() unless a test says otherwise.
namespace quarnix::platform {

enum class PathStyle { Windows, Posix };

PathStyle nativePathStyle();

QChar separator(PathStyle style);

// A path as it is shown in the path fields (Qt hands back '/' on Windows too).
QString toDisplayPath(const QString& path, PathStyle style);

// The text after the last separator; the whole text when there is none.
QString fileNameOf(const QString& path, PathStyle style);

// folder + separator + name. On POSIX the root "/" gives "/name".
QString joinPath(const QString& folder, const QString& name, PathStyle style);

// What the destination field turns a freshly written text into. On Windows a text of
// exactly three characters ("c:\") becomes its first two in upper case ("C:"); a POSIX
// folder never needs this.
QString applyDestinationRule(const QString& text, PathStyle style);

// The destination text left by choosing `source` in the open-file dialog, whose bare
// name is `fileTitle`. Empty optional when the arithmetic comes out negative (a
// cancelled first dialog), in which case the destination keeps its text.
[[nodiscard]] std::optional<QString> destinationAfterBrowse(
    const QString& source, const QString& fileTitle, PathStyle style);

// The destination text left by dropping the file `source`.
QString destinationAfterDrop(const QString& source, PathStyle style);

// Windows: the first two characters, upper-cased, are "A:" or "B:".
bool isFloppyDriveText(const QString& text);

// The argument of the free-space query: the drive ("a:", as the text holds it) on
// Windows, the folder itself elsewhere.
QString driveSpecOf(const QString& destination, PathStyle style);

// The path as the split job takes it from a path field. Windows names cannot end in
// a blank, so there the blanks around the path are only typing noise and go; a POSIX
// name may end in one, and is taken exactly as it is.
QString trimmedPath(const QString& text, PathStyle style);

// A floppy drive's device node: an absolute path whose name is fd and the drive's
// number, /dev/fd0 or a node of that name made elsewhere. A bare name such as a
// tmpfs called "fd0" is no device node.
bool isFloppyDevice(const QString& device);

// The node of the first floppy drive, fd0.
bool isFirstFloppyDevice(const QString& device);

} // namespace quarnix::platform
