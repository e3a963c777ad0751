#pragma once

#include "Veltis/Containers/ICount.h"
#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Core/TLinearInterpolator.h"

namespace Veltis {
namespace Core {

// A function sampled at N evenly spaced points over [minimum, maximum] and read back by interpolation,
// so that the audio path publishes a value without computing the function. One guard entry past the
// last sample lets the top of the range read entry i + 1 without a test.
template <class T, class Interpolator>
class TLookupTable : public virtual Containers::ICount {
public:
    typedef T (*Function)(T);

    // Without a function every entry is 0. A table needs count >= 2 to spread its samples.
    TLookupTable(int count, Function function, T minimum, T maximum)
        : m_Count(count), m_Values(StorageCount(count)), m_Table(m_Values.GetData()), m_Minimum(minimum),
          m_Maximum(maximum), m_Scale(ComputeScale(count, minimum, maximum))
    {
        if (!function || count < 1)
            return;
        const T spacing = (maximum - minimum) * (count > 1 ? T(1) / T(count - 1) : T(0));
        for (int i = 0; i < count; ++i)
            m_Table[i] = function(spacing * T(i) + minimum);
        m_Table[count] = function(maximum);
    }

    // m_Table points into the table's own storage.
    TLookupTable(const TLookupTable&) = delete;
    TLookupTable& operator=(const TLookupTable&) = delete;

    int GetCount() const override { return m_Count; }

    // Keeps the leading entries and does not recompute them: the owner refills the table.
    void SetCount(int count) override
    {
        m_Count = count;
        m_Values.SetSize(StorageCount(count), true);
        m_Table = m_Values.GetData();
        m_Scale = ComputeScale(count, m_Minimum, m_Maximum);
    }

    // x is clamped to the range, NaN reading as the minimum; the index saturates as well, so no input
    // and no rounding of the position can read outside the table.
    T GetValue(T x) const
    {
        if (x > m_Maximum)
            x = m_Maximum;
        else if (!(x >= m_Minimum))
            x = m_Minimum;
        T position = (x - m_Minimum) * m_Scale;
        const int last = m_Count > 1 ? m_Count - 1 : 0;
        int index = 0;
        // A range so narrow that its scale overflows puts the top at an infinite position: read the
        // last entry, not an infinite step past it.
        if (position >= T(last)) {
            index = last;
            position = T(last);
        } else if (position > T(0)) {
            index = static_cast<int>(position);
        }
        return m_Interpolator.Interpolate(m_Table, index, position - T(index));
    }

private:
    // At least two entries, so that a degenerate table still reads entry 0 and its neighbour.
    static int StorageCount(int count) { return (count > 1 ? count : 1) + 1; }

    static T ComputeScale(int count, T minimum, T maximum)
    {
        return maximum != minimum ? T(count - 1) / (maximum - minimum) : T(0);
    }

    Interpolator m_Interpolator;
    int m_Count;
    TDynamicVector<T, CStepGrowthStrategy, TMemoryCopier<T>> m_Values;
    T* m_Table;
    T m_Minimum;
    T m_Maximum;
    T m_Scale;
};

// The amplitude-to-decibel table that the limiter and the compressor share: 2048 samples of 20 log10(x)
// over [0.001, 1]. Built on first use (thread-safe), read-only afterwards.
const TLookupTable<float, TLinearInterpolator<float, float>>& GetDecibelTable();

} // namespace Core
} // namespace Veltis
