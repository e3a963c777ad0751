#pragma once

#include "Veltis/Containers/IConstNamedAttributes.h"

namespace Veltis {
namespace Containers {

// A table of text values keyed by name (case-sensitive) that can be changed.
class INamedAttributes : public virtual IConstNamedAttributes {
public:
    // A null name does nothing; a null value stores "".
    virtual void SetValue(const char* name, const char* value) = 0;
    // A null or absent name does nothing.
    virtual void RemoveValue(const char* name) = 0;
    virtual void Clear() = 0;
};

} // namespace Containers
} // namespace Veltis
