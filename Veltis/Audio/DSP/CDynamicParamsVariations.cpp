#include "Veltis/Audio/DSP/CDynamicParamsVariations.h"

namespace Veltis {
namespace Audio {
namespace DSP {

CDynamicParamsVariations::CDynamicParamsVariations(int sets, int valuesPerSet) : m_Sets(sets > 0 ? sets : 0)
{
    SetParamsCount(valuesPerSet);
}

void CDynamicParamsVariations::SetParamsCount(int count, bool shrink)
{
    CDynamicParamsValues* sets = m_Sets.GetData();
    for (int i = 0; i < m_Sets.GetCapacity(); ++i)
        sets[i].SetSize(count, shrink);
}

void CDynamicParamsVariations::Reserve(int sets, int values)
{
    if (sets > m_Sets.GetCapacity()) {
        const int count = m_Sets.GetCount();
        SetCount(sets);
        SetCount(count);
    }
    CDynamicParamsValues* data = m_Sets.GetData();
    for (int i = 0; i < m_Sets.GetCapacity(); ++i)
        data[i].Reserve(values);
}

namespace {

bool HasChange(const CDynamicParamsValues& set)
{
    const int count = set.GetCount();
    const float* values = set.GetData();
    for (int i = 0; i < count; ++i)
        if (values[i] < 0.0f || values[i] > 0.0f)
            return true;
    return false;
}

} // namespace

void TrimParamsVariations(CDynamicParamsVariations& variations)
{
    int n = variations.GetCount();
    while (n > 1 && !HasChange(variations.GetAt(n - 1)))
        --n;
    variations.SetCount(n);
}

void AdaptParamsVariationsToDoubleRate(CDynamicParamsVariations& variations)
{
    const int sets = variations.GetCount();
    if (sets == 2) {
        CDynamicParamsValues& increments = variations.GetAt(1);
        float* d1 = increments.GetData();
        for (int i = 0; i < increments.GetCount(); ++i)
            d1[i] = d1[i] * 0.5f;
    } else if (sets == 3) {
        CDynamicParamsValues& increments = variations.GetAt(1);
        CDynamicParamsValues& changes = variations.GetAt(2);
        float* d1 = increments.GetData();
        float* d2 = changes.GetData();
        const int count = increments.GetCount() < changes.GetCount() ? increments.GetCount() : changes.GetCount();
        for (int i = 0; i < count; ++i) {
            d2[i] = d2[i] * 0.25f;
            d1[i] = (d1[i] + d2[i]) * 0.5f;
        }
    }
}

} // namespace DSP
} // namespace Audio
} // namespace Veltis
