#pragma once

namespace Veltis {
namespace CoreUtilities {

// Creates one folder (mode 0700). True when it was made or something already exists at the path;
// false when the parent is missing or mkdir fails otherwise.
bool CreateFolder(const char* path);

// True when a file or folder exists at the path.
bool FileExists(const char* path);

} // namespace CoreUtilities
} // namespace Veltis
