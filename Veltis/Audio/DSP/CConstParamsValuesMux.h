#pragma once

#include "Veltis/Containers/IConstValueVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// Two value vectors shown as one (the first's values, then the second's); owns neither. A missing
// vector counts as empty.
class CConstParamsValuesMux : public virtual Containers::IConstValueVector<float> {
public:
    typedef Containers::IConstValueVector<float> Source;

    CConstParamsValuesMux(const Source* first = nullptr, const Source* second = nullptr)
        : m_First(first), m_Second(second)
    {
    }

    void SetSources(const Source* first, const Source* second)
    {
        m_First = first;
        m_Second = second;
    }

    int GetCount() const override { return FirstCount() + (m_Second ? m_Second->GetCount() : 0); }
    float GetValue(int index) const override
    {
        const int firstCount = FirstCount();
        return index < firstCount ? m_First->GetValue(index) : m_Second->GetValue(index - firstCount);
    }

private:
    int FirstCount() const { return m_First ? m_First->GetCount() : 0; }

    const Source* m_First;
    const Source* m_Second;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
