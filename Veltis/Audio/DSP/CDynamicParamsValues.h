#pragma once

#include "Veltis/Containers/IValueVector.h"
#include "Veltis/Core/TDynamicVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// One variation set: a growable vector of values, accessed without range checks.
class CDynamicParamsValues : public virtual Containers::IValueVector<float> {
public:
    typedef Core::TDynamicVector<float, Core::CStepGrowthStrategy, Core::TMemoryCopier<float>> Storage;

    explicit CDynamicParamsValues(int count = 0, const float* values = nullptr)
        : m_Values(count > 0 ? count : 0)
    {
        if (values)
            for (int i = 0; i < count; ++i)
                m_Values[i] = values[i];
    }
    CDynamicParamsValues(const CDynamicParamsValues& other)
        : Containers::IConstCount(), Containers::IConstValueVector<float>(), Containers::IValueVector<float>(),
          m_Values(other.m_Values)
    {
    }
    CDynamicParamsValues& operator=(const CDynamicParamsValues& other)
    {
        m_Values = other.m_Values;
        return *this;
    }

    int GetCount() const override { return m_Values.GetCount(); }
    float GetValue(int index) const override { return m_Values[index]; }
    void SetValue(int index, float value) override { m_Values[index] = value; }

    // Values kept up to the new count; with freeMemory false the capacity never goes down.
    void SetSize(int count, bool freeMemory) { m_Values.SetSize(count > 0 ? count : 0, freeMemory); }
    int GetCapacity() const { return m_Values.GetCapacity(); }
    // Room for count values, count and values unchanged.
    void Reserve(int count)
    {
        if (count <= GetCapacity())
            return;
        const int size = GetCount();
        SetSize(count, false);
        SetSize(size, false);
    }
    float* GetData() { return m_Values.GetData(); }
    const float* GetData() const { return m_Values.GetData(); }

private:
    Storage m_Values;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
