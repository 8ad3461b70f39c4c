#include "ProcessProtection.h"

#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace vantorel {

void protectProcessMemory() {
#ifdef __linux__
    // Not dumpable: no core file, /proc/<pid>/mem and ptrace closed to the user's other processes.
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
#endif
}

bool processMemoryProtected() {
#ifdef __linux__
    return ::prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0;
#else
    return false;
#endif
}

} // namespace vantorel
