#pragma once

#include "Veltis/Containers/INamedAttributes.h"
#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace Containers {

// Replaces each name written between two delimiters by its value from variables. Every delimiter
// that closes a name opens the next one, found or not, so in "$A$B$" with A and B defined both are
// replaced ("B" between the second and third '$'), and in "$A$ and $B$" the text " and " is looked up
// too and stays. Inserted values are not searched again. True when anything was replaced (text is
// then rewritten); false with text unchanged otherwise, also when the result would pass 1 MiB.
bool ReplaceVariables(const IConstNamedAttributes& variables, Core::CCharString& text, char delimiter);

// ReplaceVariables on every value of attributes; each changed value is stored back. True when any
// value changed.
bool ReplaceVariablesInValues(const IConstNamedAttributes& variables, INamedAttributes& attributes, char delimiter);

} // namespace Containers
} // namespace Veltis
