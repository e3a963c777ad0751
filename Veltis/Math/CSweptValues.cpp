#include "Veltis/Math/CSweptValues.h"

#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TDynamicVectorDeSerializer.h"
#include "Veltis/Serialization/TVectorSerializer.h"

#include <climits>

namespace Veltis {
namespace Math {

namespace {
const int kLargestRing = 1 << 30;
}

CSweptValues::CSweptValues()
    : m_DefaultValue(0.0f), m_CurrentIndex(-1), m_Mask(0), m_PointsCount(0), m_Duration(0.0f),
      m_PointsPerSecond(0.0f)
{
}

int CSweptValues::GetRingSize(int n)
{
    if (n <= 0)
        return 1;
    if (n >= kLargestRing)
        return kLargestRing;
    if (n >= 2 && (n & (n - 1)) == 0)
        return n;
    int size = 2;
    while (size <= n)
        size <<= 1;
    return size;
}

int CSweptValues::GetStartOffset(float x, float pointsPerSecond)
{
    const double start = static_cast<double>(x * pointsPerSecond) + 0.5;
    if (!(start > static_cast<double>(INT_MIN) - 1.0))
        return INT_MIN;
    if (start >= static_cast<double>(INT_MAX) + 1.0)
        return INT_MAX;
    return static_cast<int>(start);
}

bool CSweptValues::FindBracket(const float* times, int mask, int currentIndex, int pointsCount,
                               float pointsPerSecond, float x, int& position, float& t)
{
    const int newest = currentIndex;
    const int oldest = currentIndex - pointsCount + 1;
    t = times[newest & mask] + x;
    if (!(t > times[oldest & mask]))
        return false;

    // From here times[low] < t, and t <= times[high] or high is the newest position.
    int low = oldest;
    int high = newest;
    long long guess = static_cast<long long>(newest) + GetStartOffset(x, pointsPerSecond);
    if (guess < oldest)
        guess = oldest;
    if (guess > newest - 1)
        guess = newest - 1;
    const int start = static_cast<int>(guess);
    if (t > times[start & mask]) {
        low = start;
        if (!(t > times[(start + 1) & mask])) {
            position = start;
            return true;
        }
        low = start + 1 < newest ? start + 1 : low;
    } else {
        high = start;
        if (start - 1 >= oldest && t > times[(start - 1) & mask]) {
            position = start - 1;
            return true;
        }
    }
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        if (t > times[middle & mask])
            low = middle;
        else
            high = middle;
    }
    position = low;
    return true;
}

void CSweptValues::SetMaxPointsCount(int n)
{
    const int size = GetRingSize(n);
    m_Values.SetSize(0, true);
    m_Times.SetSize(0, true);
    m_Values.SetSize(size, true);
    m_Times.SetSize(size, true);
    for (int i = 0; i < size; ++i)
        m_Values[i] = 0.0f;
    m_Mask = size - 1;
    m_CurrentIndex = -1;
    m_PointsCount = 0;
}

bool CSweptValues::HasRing() const
{
    const int size = m_Times.GetCount();
    return size > 0 && m_Values.GetCount() == size && m_Mask == size - 1;
}

bool CSweptValues::AddPoint(float time, float value)
{
    if (!HasRing() || time != time)
        return false;
    if (m_CurrentIndex != -1 && !(time > m_Times[m_CurrentIndex & m_Mask]))
        return false;
    m_CurrentIndex = (m_CurrentIndex + 1) & m_Mask;
    const int size = m_Times.GetCount();
    m_PointsCount = m_PointsCount + 1 < size ? m_PointsCount + 1 : size;
    m_Values[m_CurrentIndex] = value;
    m_Times[m_CurrentIndex] = time;
    if (m_PointsCount > 1)
        m_PointsPerSecond = static_cast<float>(m_PointsCount - 1) /
                            (m_Times[m_CurrentIndex] - m_Times[(m_CurrentIndex - m_PointsCount + 1) & m_Mask]);
    return true;
}

float CSweptValues::GetValue(float x) const
{
    if (m_PointsCount == 0)
        return m_DefaultValue;
    if (x >= 0.0f)
        return m_Values[m_CurrentIndex & m_Mask];
    if (m_PointsCount == 1)
        return m_DefaultValue;
    int i = 0;
    float t = 0.0f;
    if (!FindBracket(m_Times.GetData(), m_Mask, m_CurrentIndex, m_PointsCount, m_PointsPerSecond, x, i, t))
        return m_DefaultValue;
    const float t0 = m_Times[i & m_Mask];
    const float t1 = m_Times[(i + 1) & m_Mask];
    const float v0 = m_Values[i & m_Mask];
    const float v1 = m_Values[(i + 1) & m_Mask];
    return (t - t0) / (t1 - t0) * (v1 - v0) + v0;
}

bool CSweptValues::Serialize(Serialization::IWriteDataStream& stream) const
{
    const int version = 1;
    bool result = stream.WriteInt("version", version);
    result = stream.WriteObject("values", Serialization::TVectorSerializer<FloatVector>(&m_Values, "value")) && result;
    result = stream.WriteObject("times", Serialization::TVectorSerializer<FloatVector>(&m_Times, "time")) && result;
    result = stream.WriteInt("currentIndex", m_CurrentIndex) && result;
    result = stream.WriteInt("mask", m_Mask) && result;
    result = stream.WriteInt("pointsCount", m_PointsCount) && result;
    result = stream.WriteFloat("duration", m_Duration) && result;
    result = stream.WriteFloat("pointsPerSecond", m_PointsPerSecond) && result;
    result = stream.WriteFloat("defaultValue", m_DefaultValue) && result;
    return result;
}

bool CSweptValues::IsConsistent() const
{
    const int size = m_Values.GetCount();
    if (m_Times.GetCount() != size || size < 2 || (size & (size - 1)) != 0 || m_Mask != size - 1)
        return false;
    // Beyond the ring's shape: evaluation and AddPoint must never index outside it or overflow.
    if (m_PointsCount < 0 || m_PointsCount > size || m_CurrentIndex < -1 || m_CurrentIndex > m_Mask)
        return false;
    return m_PointsCount == 0 || m_CurrentIndex >= 0;
}

bool CSweptValues::DeSerialize(const Serialization::IReadDataStream& stream)
{
    m_Values.SetSize(0, true);
    m_Times.SetSize(0, true);

    int version = 0;
    bool result = stream.ReadInt("version", version);
    Serialization::TDynamicVectorDeSerializer<FloatVector> valuesReader(&m_Values, "value");
    result = stream.ReadObject("values", valuesReader) && result;
    Serialization::TDynamicVectorDeSerializer<FloatVector> timesReader(&m_Times, "time");
    result = stream.ReadObject("times", timesReader) && result;
    result = stream.ReadInt("currentIndex", m_CurrentIndex) && result;
    result = stream.ReadInt("mask", m_Mask) && result;
    result = stream.ReadInt("pointsCount", m_PointsCount) && result;
    result = stream.ReadFloat("duration", m_Duration) && result;
    result = stream.ReadFloat("pointsPerSecond", m_PointsPerSecond) && result;
    result = stream.ReadFloat("defaultValue", m_DefaultValue) && result;
    if (IsConsistent())
        return result;

    m_Values.SetSize(0, true);
    m_Times.SetSize(0, true);
    m_Mask = 0;
    m_CurrentIndex = 0;
    m_DefaultValue = 0.0f;
    m_PointsCount = 0;
    return false;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CSweptValues, IFunction>();
}

} // namespace Math
} // namespace Veltis
