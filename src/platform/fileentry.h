#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quarnix::platform {

// Which of `names` in `folder` is the very entry the path `file` leads to once every
// link on its way is followed, so that a new file made in its place would take
// `file` away; empty when none is. A hard link of `file` under one of the names is
// another entry of the same data: replacing it leaves `file` whole. Folders compare
// as the same folder (device and inode on POSIX, however they are reached); names
// compare without regard to case, as some file systems (FAT, NTFS) find them.
[[nodiscard]] std::optional<QString> entryOf(const QString& file, const QString& folder, const QStringList& names);

} // namespace quarnix::platform
