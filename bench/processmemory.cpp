#include "processmemory.h"

#if defined(Q_OS_WIN)
// psapi.h needs the types windows.h defines.
#include <windows.h>

#include <psapi.h>
#elif defined(Q_OS_UNIX)
#include <sys/resource.h>
#endif

namespace quarnix::bench {

std::optional<qint64> peakResidentKiB()
{
#if defined(Q_OS_WIN)
    PROCESS_MEMORY_COUNTERS counters {};
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return std::nullopt;
    return qint64(counters.PeakWorkingSetSize / 1024);
#elif defined(Q_OS_UNIX)
    rusage usage {};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return std::nullopt;
#if defined(Q_OS_DARWIN)
    return qint64(usage.ru_maxrss / 1024); // bytes there
#else
    return qint64(usage.ru_maxrss);
#endif
#else
    return std::nullopt;
#endif
}

} // namespace quarnix::bench
