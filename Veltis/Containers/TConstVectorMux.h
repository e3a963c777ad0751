#pragma once

#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Containers {

// Shows two vectors as one: the first part's elements, then the second's. The counts are asked on every
// call, so a part that grows shows its new elements at once. Owns neither part.
template <class I, class V = IVector<I>>
class TConstVectorMux : public virtual IConstVector<I> {
public:
    TConstVectorMux(const V& first, const V& second) : m_First(&first), m_Second(&second) {}

    int GetCount() const override { return m_First->GetCount() + m_Second->GetCount(); }

    const I& GetAt(int index) const override
    {
        const int firstCount = m_First->GetCount();
        if (index < firstCount)
            return m_First->GetAt(index);
        return m_Second->GetAt(index - firstCount);
    }

    virtual void Swap()
    {
        const V* first = m_First;
        m_First = m_Second;
        m_Second = first;
    }

private:
    const V* m_First;
    const V* m_Second;
};

} // namespace Containers
} // namespace Veltis
