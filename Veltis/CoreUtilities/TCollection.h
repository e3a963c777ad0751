#pragma once

#include "Veltis/Containers/IVector.h"

#include <type_traits>

namespace Veltis {
namespace CoreUtilities {

// A fixed number of heap objects of class C, owned by the collection and seen through their interface I.
// Each element stays at its address for the collection's life.
template <class C, class I, class V = Containers::IVector<I>>
class TCollection : public V {
public:
    // With initial (an array of count records), element i is a copy of initial[i]; otherwise a default C.
    explicit TCollection(int count = 0, const C* initial = nullptr)
        : m_Items(count > 0 ? new C*[count] : nullptr), m_Count(count > 0 ? count : 0)
    {
        for (int i = 0; i < m_Count; ++i)
            m_Items[i] = initial ? Copy(initial[i]) : new C();
    }

    // Copies would delete the same elements twice.
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    ~TCollection() override
    {
        for (int i = 0; i < m_Count; ++i) {
            delete m_Items[i];
            m_Items[i] = nullptr;
        }
        delete[] m_Items;
        m_Items = nullptr;
        m_Count = 0;
    }

    int GetCount() const override { return m_Count; }
    const I& GetAt(int index) const override { return *m_Items[index]; }
    I& GetAt(int index) override { return *m_Items[index]; }

private:
    // Records without a copy constructor (curve descriptions) are built from their interface instead.
    static C* Copy(const C& record)
    {
        if constexpr (std::is_copy_constructible<C>::value)
            return new C(record);
        else
            return new C(static_cast<const I&>(record));
    }

    C** m_Items;
    int m_Count;
};

} // namespace CoreUtilities
} // namespace Veltis
