#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace quarnix::platform {

// The command interpreter reads batch files in the OEM code page. On Windows that
// is the system's OEM code page. Elsewhere the batch file is meant for a western
// Windows machine, which reads it in 437 (US) or 850 (Western Europe): it is written
// in 850, and only characters with the same byte in both are written at all.
// Empty optional when a character of `text` cannot be written that way.
[[nodiscard]] std::optional<QByteArray> encodeForBatchFile(const QString& text);

} // namespace quarnix::platform
