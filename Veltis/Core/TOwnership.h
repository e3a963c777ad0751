#pragma once

#include "Veltis/Core/IVoid.h"

namespace Veltis {
namespace Core {

// A pointer with an ownership flag: the holder deletes the object when the flag is 1, and only then.
template <class T>
class TOwnership : public virtual IVoid {
public:
    explicit TOwnership(T* object = nullptr, int owned = 0) : m_Object(object), m_Owned(owned) {}

    // A copy would delete an owned object twice; TOwnershipWithClone copies by cloning instead.
    TOwnership(const TOwnership&) = delete;
    TOwnership& operator=(const TOwnership&) = delete;

    ~TOwnership() override { Set(nullptr, 1); }

    // Deletes the current object when owned, then holds the new one. Given the object it already holds,
    // it only takes the new flag, so that the holder never keeps a deleted object.
    void Set(T* object, int owned)
    {
        if (object != m_Object && m_Owned == 1 && m_Object)
            delete m_Object;
        m_Object = object;
        m_Owned = owned;
    }

    T* Get() { return m_Object; }
    const T* Get() const { return m_Object; }

    int GetOwned() const { return m_Owned; }
    // Changes the flag only, for a holder that hands its object over or takes it over.
    void SetOwned(int owned) { m_Owned = owned; }

    void* GetVoidPointer() override { return const_cast<void*>(static_cast<const void*>(m_Object)); }
    const void* GetVoidPointer() const override { return static_cast<const void*>(m_Object); }

private:
    T* m_Object;
    int m_Owned;
};

} // namespace Core
} // namespace Veltis
