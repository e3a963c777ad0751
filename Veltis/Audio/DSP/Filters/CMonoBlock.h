#pragma once

#include "Veltis/Audio/DSP/IAudioStream.h"
#include "Veltis/Audio/DSP/IFilter.h"
#include "Veltis/Audio/DSP/IParamsVariations.h"
#include "Veltis/Containers/IVector.h"

namespace Veltis {
namespace Audio {
namespace DSP {
namespace Filters {

// The first input and output stream of a block as plain pointers and steps, and its number of
// variation sets. A stream without samples reads as zeros; one that cannot be written takes the
// output into a scratch value, so that the kernels keep one loop without tests.
class CMonoBlock {
public:
    enum { kMaxSets = 3 };

    // False when either vector holds no stream: the block is then left alone.
    bool Open(const Containers::IConstVector<IAudioStream>& inputs, Containers::IVector<IAudioStream>& outputs,
              const IParamsVariations* variations)
    {
        if (inputs.GetCount() == 0 || outputs.GetCount() == 0)
            return false;
        const IAudioStream& input = inputs.GetAt(0);
        m_Input = input.GetBuffer();
        m_InputStep = input.GetStep();
        if (!m_Input) {
            m_Input = &m_Zero;
            m_InputStep = 0;
        }
        IAudioStream& output = outputs.GetAt(0);
        m_Output = output.GetBuffer();
        m_OutputStep = output.GetStep();
        if (!m_Output) {
            m_Output = &m_Scratch;
            m_OutputStep = 0;
        }
        m_Sets = variations ? variations->GetCount() : 0;
        if (m_Sets > kMaxSets)
            m_Sets = kMaxSets;
        return true;
    }

    // Ramp sets 1 to n - 1 go to fill(order, set), then set 0 to the filter's SetParamsValues. Returns the
    // number of sets to ramp with: none while the rate is 0, since the values in force were never set.
    template <class Fill>
    int ApplyVariations(IFilter& filter, bool hasRate, const IParamsVariations* variations, Fill fill) const
    {
        for (int k = 1; k < m_Sets; ++k)
            fill(k, variations->GetAt(k));
        if (m_Sets >= 1)
            filter.SetParamsValues(variations->GetAt(0));
        return hasRate ? m_Sets : 0;
    }

    const float* m_Input = nullptr;
    int m_InputStep = 0;
    float* m_Output = nullptr;
    int m_OutputStep = 0;
    int m_Sets = 0;

private:
    float m_Zero = 0.0f;
    float m_Scratch = 0.0f;
};

// Value i of a vector, 0 past its end: short vectors and variation sets read 0 for missing values.
inline float GetValueOrZero(const Containers::IConstValueVector<float>& values, int index)
{
    return index < values.GetCount() ? values.GetValue(index) : 0.0f;
}

} // namespace Filters
} // namespace DSP
} // namespace Audio
} // namespace Veltis
