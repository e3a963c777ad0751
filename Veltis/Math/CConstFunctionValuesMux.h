#pragma once

#include "Veltis/Containers/IConstValueVector.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Math {

// Two read-only lists of curves shown as one (a stereo processor's left, then right curves). Neither
// source is owned; counts are asked on every call, so a source that grows shows at once.
class CConstFunctionValuesMux : public Containers::IConstValueVector<const IFunction&> {
public:
    typedef Containers::IConstValueVector<const IFunction&> Source;

    CConstFunctionValuesMux(const Source* first = nullptr, const Source* second = nullptr)
        : m_First(first), m_Second(second)
    {
    }

    void SetSources(const Source* first, const Source* second)
    {
        m_First = first;
        m_Second = second;
    }

    // A missing source counts as empty.
    int GetCount() const override { return FirstCount() + (m_Second ? m_Second->GetCount() : 0); }
    const IFunction& GetValue(int index) const override
    {
        const int firstCount = FirstCount();
        return index < firstCount ? m_First->GetValue(index) : m_Second->GetValue(index - firstCount);
    }

private:
    int FirstCount() const { return m_First ? m_First->GetCount() : 0; }

    const Source* m_First;
    const Source* m_Second;
};

} // namespace Math
} // namespace Veltis
