#pragma once

#include <QtGlobal>
#include <optional>

namespace quarnix::bench {

// The most memory this process has held resident since it started, in KiB. Empty
// where the system cannot tell.
std::optional<qint64> peakResidentKiB();

} // namespace quarnix::bench
