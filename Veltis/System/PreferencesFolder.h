#pragma once

namespace Veltis {
namespace System {

// folder receives a new array-new path: the user's settings folder ($XDG_CONFIG_HOME when it is an
// absolute path, else $HOME/.config) with "Preferences" appended; null when neither is known. The
// folder is not created.
void GetPreferencesFolder(char*& folder);

} // namespace System
} // namespace Veltis
