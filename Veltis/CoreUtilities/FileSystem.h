#pragma once

#include <cstddef>

namespace Veltis {
namespace CoreUtilities {

// Creates one folder (mode 0700). True when it was made or something already exists at the path;
// false when the parent is missing or mkdir fails otherwise.
bool CreateFolder(const char* path);

// True when a file or folder exists at the path.
bool FileExists(const char* path);

// Gives the file at the path exactly these bytes, or leaves it as it was: the bytes go to a new file
// in the same folder, synced, then renamed over the target (which keeps its permissions; a link is
// followed). A target that is not a regular file, a device for instance, is written in place.
// False, with the target untouched and no file left behind, when anything fails.
bool ReplaceFile(const char* path, const char* data, size_t size);

} // namespace CoreUtilities
} // namespace Veltis
