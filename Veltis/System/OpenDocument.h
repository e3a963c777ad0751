#pragma once

#include "Veltis/System/IProcessRunner.h"

namespace Veltis {
namespace System {

// Opens a file, folder or web address with the desktop's default application (xdg-open) and waits
// for the opener to return. The text goes to the opener as one argument, so quotes, spaces and shell
// characters in it are never interpreted; a text enclosed in double quotes loses that one pair, as
// callers quote for a shell, and a text starting with '-' is read as a relative path. True when the
// opener exited with 0; false without running anything for a null or empty text.
bool OpenDocument(const char* pathOrAddress);

// Replaces the runner that OpenDocument uses; null restores the one that really runs programs.
// Returns the runner used before (null for the real one). Not owned.
IProcessRunner* SetDocumentOpenerRunner(IProcessRunner* runner);

} // namespace System
} // namespace Veltis
