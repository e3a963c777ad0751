#pragma once

#include <memory>
#include <set>

#include "platform/aax/IACFUnknown.h"

// The wrappers a wrapper hands out and deletes: each is built on the owner's host unknown.
template <class T> class TAAXOwnedWrappers {
public:
    TAAXOwnedWrappers() = default;
    TAAXOwnedWrappers(const TAAXOwnedWrappers&) = delete;
    TAAXOwnedWrappers& operator=(const TAAXOwnedWrappers&) = delete;
    ~TAAXOwnedWrappers() { Clear(); }

    // A construction that throws frees the allocation and records nothing.
    T* Create(IACFUnknown* hostUnknown)
    {
        std::unique_ptr<T> wrapper(new T(hostUnknown));
        m_Wrappers.insert(wrapper.get());
        return wrapper.release();
    }
    void Clear()
    {
        for (T* wrapper : m_Wrappers)
            delete wrapper;
        m_Wrappers.clear();
    }
    size_t GetCount() const { return m_Wrappers.size(); }

private:
    std::set<T*> m_Wrappers;
};
