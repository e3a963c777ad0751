#pragma once

#include "Veltis/Containers/IConstVector.h"
#include "Veltis/Containers/IVector.h"
#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace CoreUtilities {

// A growable list of C held by value, owned, contiguous and seen through their interface I. The owner
// resizes it through GetStorage().SetSize; the collection itself has no resize operation.
template <class C, class I, class V = Containers::IVector<I>,
          class Storage = Core::TDynamicVector<C, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<C>>>
class TDynamicCollection : public V {
public:
    explicit TDynamicCollection(int count = 0) : m_Storage(count > 0 ? count : 0) {}

    // The copy's capacity is the source's count; derived collections copy their base through it too.
    TDynamicCollection(const TDynamicCollection& other) : V(), m_Storage(other.m_Storage) {}

    TDynamicCollection& operator=(const TDynamicCollection& other)
    {
        m_Storage = other.m_Storage;
        return *this;
    }

    int GetCount() const override { return m_Storage.GetCount(); }
    const I& GetAt(int index) const override { return m_Storage[index]; }
    I& GetAt(int index) override { return m_Storage[index]; }

    // Makes this a copy of any vector of I: each element is assigned from a C built from the source's.
    void CopyFrom(const Containers::IConstVector<I>& source)
    {
        const int count = source.GetCount();
        m_Storage.SetSize(count, true);
        for (int i = 0; i < count; ++i) {
            const C element(source.GetAt(i));
            m_Storage[i] = element;
        }
    }

    Storage& GetStorage() { return m_Storage; }
    const Storage& GetStorage() const { return m_Storage; }

private:
    Storage m_Storage;
};

} // namespace CoreUtilities
} // namespace Veltis
