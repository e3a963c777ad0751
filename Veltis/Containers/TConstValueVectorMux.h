#pragma once

#include "Veltis/Containers/IConstValueVector.h"

namespace Veltis {
namespace Containers {

// Shows two value vectors as one (first part, then second), asking both counts on every call. Owns
// neither part.
template <class V, class VV = IConstValueVector<V>>
class TConstValueVectorMux : public virtual IConstValueVector<V> {
public:
    TConstValueVectorMux(const VV& first, const VV& second) : m_First(&first), m_Second(&second) {}

    // For owners whose parts are replaced while the mux lives.
    void SetSources(const VV& first, const VV& second)
    {
        m_First = &first;
        m_Second = &second;
    }

    int GetCount() const override { return m_First->GetCount() + m_Second->GetCount(); }

    V GetValue(int index) const override
    {
        const int firstCount = m_First->GetCount();
        if (index < firstCount)
            return m_First->GetValue(index);
        return m_Second->GetValue(index - firstCount);
    }

private:
    const VV* m_First;
    const VV* m_Second;
};

} // namespace Containers
} // namespace Veltis
