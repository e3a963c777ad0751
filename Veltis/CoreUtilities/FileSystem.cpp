#include "Veltis/CoreUtilities/FileSystem.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
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

namespace {

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool WriteInPlace(const char* path, const char* data, size_t size)
{
    const int fd = open(path, O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, data, size);
    return close(fd) == 0 && written;
}

// A name beside the target that no other writer, in this process or another, picks at once.
int CreateSibling(const std::string& target, std::string& name)
{
    static std::atomic<unsigned> counter(0);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Makes the rename itself survive a crash.
void SyncFolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

bool ReplaceFile(const char* path, const char* data, size_t size)
{
    if (path == nullptr || *path == '\0' || (data == nullptr && size > 0))
        return false;
    std::string target = path;
    struct stat info;
    if (lstat(path, &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path, resolved))
            target = resolved;
    }
    const bool exists = stat(target.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return WriteInPlace(target.c_str(), data, size);

    std::string temporary;
    const int fd = CreateSibling(target, temporary);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, data, size);
    if (ok && exists)
        ok = fchmod(fd, info.st_mode & 07777) == 0;
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolderOf(target);
    return true;
}

} // namespace CoreUtilities
} // namespace Veltis
