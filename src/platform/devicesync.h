#pragma once

#include <QString>

class QFile;

namespace quarnix::platform {

// Writes what the system still holds in memory for `file` (open) to its device and
// waits until it is there. On failure `reason` gets the system's words for it.
[[nodiscard]] bool syncToDevice(QFile& file, QString& reason);

// The same for the entries of `folder`, so that a file just created or renamed in
// it is on the medium by that name too. Where folders need no such step (Windows)
// it does nothing.
[[nodiscard]] bool syncFolderToDevice(const QString& folder, QString& reason);

} // namespace quarnix::platform
