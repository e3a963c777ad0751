#include "Veltis/System/PreferencesFolder.h"

#include "Veltis/CoreUtilities/CFilePath.h"

#include <cstdlib>

namespace Veltis {
namespace System {

void GetPreferencesFolder(char*& folder)
{
    folder = nullptr;
    CoreUtilities::CFilePath path;
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/') {
        path = CoreUtilities::CFilePath(configHome);
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] == '\0')
            return;
        path = CoreUtilities::CFilePath(home);
        path.Append(".config");
    }
    path.Append("Preferences");
    folder = path.Detach();
}

} // namespace System
} // namespace Veltis
