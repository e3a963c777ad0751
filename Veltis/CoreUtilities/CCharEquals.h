#pragma once

#include "Veltis/CoreUtilities/StringUtilities.h"

namespace Veltis {
namespace CoreUtilities {

// strcmp equality of C strings: the equality of every hash map keyed by const char*. A null key
// equals only another null.
class CCharEquals {
public:
    virtual bool operator()(const char* first, const char* second) const { return StringsEqual(first, second); }
};

} // namespace CoreUtilities
} // namespace Veltis
