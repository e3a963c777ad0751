#pragma once

#include "Veltis/Core/TOwnership.h"

namespace Veltis {
namespace Core {

// An ownership holder whose copy always owns a clone of the held object (T provides Clone), so that
// copying the holder's owner copies the held object too.
template <class T>
class TOwnershipWithClone : public TOwnership<T> {
    typedef TOwnership<T> Base;

public:
    explicit TOwnershipWithClone(T* object = nullptr, int owned = 0) : Base(object, owned) {}

    TOwnershipWithClone(const TOwnershipWithClone& other) : Base(nullptr, 0)
    {
        this->Set(CloneOf(other), 1);
    }

    TOwnershipWithClone& operator=(const TOwnershipWithClone& other)
    {
        // The clone is made before the old object goes, so assigning a holder to itself is safe.
        this->Set(CloneOf(other), 1);
        return *this;
    }

private:
    static T* CloneOf(const TOwnershipWithClone& other)
    {
        const T* object = other.Get();
        return object ? object->Clone() : nullptr;
    }
};

} // namespace Core
} // namespace Veltis
