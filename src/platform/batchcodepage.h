#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quarnix::platform {

// The command interpreter reads batch files in the OEM code page. On Windows that
// is the system's OEM code page; elsewhere the batch file is meant for a Windows
// machine with a western OEM code page, 850.
// Empty optional when a character of `text` has no place in that code page.
std::optional<QByteArray> encodeForBatchFile(const QString& text);

} // namespace quarnix::platform
