#pragma once

#include <QString>

namespace quarnix::engine {

// Thrown by every step of the split job that can fail once the job has begun to
// work: it ends the job in its one error report, which shows `cause` as the detail
// of what went wrong (which file, and the system's reason).
struct JobFailure {
    QString cause;
};

} // namespace quarnix::engine
