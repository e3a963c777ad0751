#include "Veltis/Audio/DSP/CParamsValues.h"

namespace Veltis {
namespace Audio {
namespace DSP {

CParamsValues::CParamsValues(int count, const float* values)
    : m_Values(count > 0 ? new float[count]() : nullptr), m_Count(count > 0 ? count : 0)
{
    if (values)
        for (int i = 0; i < m_Count; ++i)
            m_Values[i] = values[i];
}

CParamsValues::CParamsValues(const CParamsValues& other)
    : Containers::IConstCount(), Containers::IConstValueVector<float>(), Containers::IValueVector<float>(),
      m_Values(nullptr), m_Count(0)
{
    CopyFrom(other);
}

CParamsValues::CParamsValues(const Containers::IConstValueVector<float>& other) : m_Values(nullptr), m_Count(0)
{
    CopyFrom(other);
}

CParamsValues::~CParamsValues() { delete[] m_Values; }

void CParamsValues::CopyFrom(const Containers::IConstValueVector<float>& other)
{
    const int count = other.GetCount();
    if (count <= 0)
        return;
    m_Values = new float[count];
    m_Count = count;
    for (int i = 0; i < count; ++i)
        m_Values[i] = other.GetValue(i);
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
