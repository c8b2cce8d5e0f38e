#pragma once

#include "platform/outcome.h"

#include <QString>

class QFile;

namespace quarnix::platform {

// Writes what the system still holds in memory for `file` (open) to its device and
// waits until it is there.
Outcome<> syncToDevice(QFile& file);

// The same for the entries of `folder`, so that a file just created or renamed in
// it is on the medium by that name too. Where folders need no such step (Windows)
// it does nothing.
Outcome<> syncFolderToDevice(const QString& folder);

} // namespace quarnix::platform
