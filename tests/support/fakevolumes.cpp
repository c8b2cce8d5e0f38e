#include "fakevolumes.h"

namespace quarnix::testing {

bool FakeVolumes::isFloppyDestination(const QString& destination) const
{
    for (const QString& floppy : floppies) {
        if (destination == floppy || destination.startsWith(floppy + platform::separator(style)))
            return true;
    }
    return false;
}

std::optional<qint64> FakeVolumes::freeSpace(const QString& destination) const
{
    queries.append(destination);
    if (!freeSpaceScript.isEmpty() || scriptStarted_) {
        // A drive that is asked more often than its script says is no longer ready:
        // a job that keeps asking ends instead of prompting for ever.
        scriptStarted_ = true;
        return freeSpaceScript.isEmpty() ? std::nullopt : freeSpaceScript.takeFirst();
    }
    const auto found = freeSpaceOf.constFind(destination);
    if (found != freeSpaceOf.constEnd())
        return *found;
    return std::nullopt;
}

} // namespace quarnix::testing
