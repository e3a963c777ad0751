#pragma once

#include "Veltis/Containers/IConstValueIterator.h"

namespace Veltis {
namespace Containers {

// A read-only table of text values keyed by name: the attributes of a skin element, skin variables.
class IConstNamedAttributes {
public:
    // "" for a value set empty; null for an absent or null name. Valid until the value changes.
    virtual const char* GetValue(const char* name) const = 0;
    // New iterators, deleted by the caller. Both walk the table in the same order, so walking them in
    // step pairs every name with its value. The table must not gain or lose entries meanwhile.
    virtual IConstValueIterator<const char*>* GetNamesIterator() const = 0;
    virtual IConstValueIterator<const char*>* GetValuesIterator() const = 0;
    virtual ~IConstNamedAttributes() {}
};

} // namespace Containers
} // namespace Veltis
