#pragma once

#include "Veltis/Containers/TConstVectorMux.h"

namespace Veltis {
namespace Containers {

// The writable form of TConstVectorMux: elements of either part can be changed through it.
template <class I, class V = IVector<I>>
class TVectorMux : public TConstVectorMux<I, V>, public virtual IVector<I> {
    typedef TConstVectorMux<I, V> Base;

public:
    TVectorMux(V& first, V& second) : Base(first, second), m_First(&first), m_Second(&second) {}

    using Base::GetAt;

    I& GetAt(int index) override
    {
        const int firstCount = m_First->GetCount();
        if (index < firstCount)
            return m_First->GetAt(index);
        return m_Second->GetAt(index - firstCount);
    }

    void Swap() override
    {
        Base::Swap();
        V* first = m_First;
        m_First = m_Second;
        m_Second = first;
    }

private:
    V* m_First;
    V* m_Second;
};

} // namespace Containers
} // namespace Veltis
