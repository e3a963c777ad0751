#include "Veltis/System/CProcessRunner.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace Veltis {
namespace System {

int CProcessRunner::Run(const char* const* arguments)
{
    if (arguments == nullptr || arguments[0] == nullptr)
        return -1;
    pid_t pid = 0;
    // posix_spawnp does not modify the argument texts; its signature predates const.
    if (posix_spawnp(&pid, arguments[0], nullptr, nullptr, const_cast<char* const*>(arguments), environ) != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace System
} // namespace Veltis
