#pragma once

#include "Veltis/Containers/IValueVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A fixed number of parameter values; reads outside the range give 0, writes outside it are ignored.
class CParamsValues : public virtual Containers::IValueVector<float> {
public:
    // Without an array the values are 0.
    explicit CParamsValues(int count = 0, const float* values = nullptr);
    CParamsValues(const CParamsValues& other);
    explicit CParamsValues(const Containers::IConstValueVector<float>& other);
    CParamsValues& operator=(const CParamsValues&) = delete;
    ~CParamsValues() override;

    int GetCount() const override { return m_Count; }
    float GetValue(int index) const override
    {
        return m_Values && index >= 0 && index < m_Count ? m_Values[index] : 0.0f;
    }
    void SetValue(int index, float value) override
    {
        if (m_Values && index >= 0 && index < m_Count)
            m_Values[index] = value;
    }

private:
    void CopyFrom(const Containers::IConstValueVector<float>& other);

    float* m_Values;
    int m_Count;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
