#pragma once

#include <QString>

namespace quarnix::platform {

// Whether the block device `device` ("/dev/sdb1") can be taken out of the machine
// while it is running: a disk the kernel marks removable, or one on a USB bus,
// where many sticks and card readers do not set the mark. Read from the sysfs tree
// under `sysfsRoot`; false for anything it does not describe.
bool isRemovableDevice(const QString& device, const QString& sysfsRoot = QStringLiteral("/sys"));

} // namespace quarnix::platform
