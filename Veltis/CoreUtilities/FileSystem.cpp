#include "Veltis/CoreUtilities/FileSystem.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace Veltis {
namespace CoreUtilities {

bool CreateFolder(const char* path)
{
    if (path == nullptr)
        return false;
    return mkdir(path, 0700) == 0 || errno == EEXIST;
}

bool FileExists(const char* path)
{
    return path != nullptr && *path != '\0' && access(path, F_OK) == 0;
}

} // namespace CoreUtilities
} // namespace Veltis
