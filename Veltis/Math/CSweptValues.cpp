#include "Veltis/Math/CSweptValues.h"

#include "Veltis/Core/SaturatingCast.h"
#include "Veltis/Runtime/CObjectsFactory.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TDynamicVectorDeSerializer.h"
#include "Veltis/Serialization/TVectorSerializer.h"

namespace Veltis {
namespace Math {

namespace {
const int kLargestRing = 1 << 30;
const int kWalkSteps = 4;
} // namespace

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
    return Core::TruncateToInt(static_cast<double>(x * pointsPerSecond) + 0.5);
}

CSweptValues::CRing::CRing() : m_CurrentIndex(-1), m_Mask(0), m_PointsCount(0), m_Duration(0.0f), m_PointsPerSecond(0.0f)
{
}

int CSweptValues::CRing::Rebuild(int n)
{
    const int size = GetRingSize(n);
    m_Times.SetSize(0, true);
    m_Times.SetSize(size, true);
    m_Mask = size - 1;
    m_CurrentIndex = -1;
    m_PointsCount = 0;
    return size;
}

void CSweptValues::CRing::Reset()
{
    m_Times.SetSize(0, true);
    m_Mask = 0;
    m_CurrentIndex = 0;
    m_PointsCount = 0;
}

int CSweptValues::CRing::Advance(float time, int slotCount)
{
    const int size = m_Times.GetCount();
    if (size == 0 || slotCount != size || m_Mask != size - 1 || time != time)
        return -1;
    if (m_CurrentIndex != -1 && !(time > m_Times[m_CurrentIndex & m_Mask]))
        return -1;
    m_CurrentIndex = (m_CurrentIndex + 1) & m_Mask;
    m_PointsCount = m_PointsCount + 1 < size ? m_PointsCount + 1 : size;
    m_Times[m_CurrentIndex] = time;
    if (m_PointsCount > 1)
        m_PointsPerSecond = static_cast<float>(m_PointsCount - 1) / (m_Times[m_CurrentIndex] - m_Times[GetSlot(m_PointsCount - 1)]);
    return m_CurrentIndex;
}

bool CSweptValues::CRing::FindBracket(float x, int& earlierSlot, int& laterSlot, float& weight) const
{
    // Positions count samples from the newest (currentIndex) back to the oldest; every access takes
    // the position AND mask.
    const int newest = m_CurrentIndex;
    const int oldest = m_CurrentIndex - m_PointsCount + 1;
    const float* times = m_Times.GetData();
    const float t = times[newest & m_Mask] + x;
    if (!(t > times[oldest & m_Mask]))
        return false;

    // From here times[low] < t, and t <= times[high] or high is the newest position.
    int low = oldest;
    int high = newest;
    long long guess = static_cast<long long>(newest) + GetStartOffset(x, m_PointsPerSecond);
    if (guess < oldest)
        guess = oldest;
    if (guess > newest - 1)
        guess = newest - 1;
    // The estimate is usually within a step or two of the bracket: walk a few steps from it, as
    // evenly spaced samples need, and leave uneven spacing to a binary search.
    int i = static_cast<int>(guess);
    bool found = false;
    for (int step = 0; step < kWalkSteps && !found; ++step) {
        if (t > times[i & m_Mask]) {
            low = i;
            found = i + 1 >= newest || !(t > times[(i + 1) & m_Mask]);
            ++i;
        } else {
            // i is above oldest here, since t lies after the oldest sample.
            high = i;
            --i;
        }
    }
    while (!found && high - low > 1) {
        const int middle = low + (high - low) / 2;
        if (t > times[middle & m_Mask])
            low = middle;
        else
            high = middle;
    }
    earlierSlot = low & m_Mask;
    laterSlot = (low + 1) & m_Mask;
    weight = (t - times[earlierSlot]) / (times[laterSlot] - times[earlierSlot]);
    return true;
}

bool CSweptValues::CRing::IsConsistent(int slotCount) const
{
    const int size = m_Times.GetCount();
    if (slotCount != size || size < 2 || (size & (size - 1)) != 0 || m_Mask != size - 1)
        return false;
    // Beyond the ring's shape: evaluation and Advance must never index outside it or overflow.
    if (m_PointsCount < 0 || m_PointsCount > size || m_CurrentIndex < -1 || m_CurrentIndex > m_Mask)
        return false;
    return m_PointsCount == 0 || m_CurrentIndex >= 0;
}

bool CSweptValues::CRing::WriteTimes(Serialization::IWriteDataStream& stream) const
{
    return stream.WriteObject("times", Serialization::TVectorSerializer<FloatVector>(&m_Times, "time"));
}

bool CSweptValues::CRing::WriteState(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteInt("currentIndex", m_CurrentIndex);
    result = stream.WriteInt("mask", m_Mask) && result;
    result = stream.WriteInt("pointsCount", m_PointsCount) && result;
    result = stream.WriteFloat("duration", m_Duration) && result;
    return stream.WriteFloat("pointsPerSecond", m_PointsPerSecond) && result;
}

bool CSweptValues::CRing::ReadTimes(const Serialization::IReadDataStream& stream)
{
    Serialization::TDynamicVectorDeSerializer<FloatVector> reader(&m_Times, "time");
    return stream.ReadObject("times", reader);
}

bool CSweptValues::CRing::ReadState(const Serialization::IReadDataStream& stream)
{
    bool result = stream.ReadInt("currentIndex", m_CurrentIndex);
    result = stream.ReadInt("mask", m_Mask) && result;
    result = stream.ReadInt("pointsCount", m_PointsCount) && result;
    result = stream.ReadFloat("duration", m_Duration) && result;
    return stream.ReadFloat("pointsPerSecond", m_PointsPerSecond) && result;
}

CSweptValues::CSweptValues() : m_DefaultValue(0.0f) {}

void CSweptValues::SetMaxPointsCount(int n)
{
    const int size = m_Ring.Rebuild(n);
    m_Values.SetSize(0, true);
    m_Values.SetSize(size, true);
    for (int i = 0; i < size; ++i)
        m_Values[i] = 0.0f;
}

bool CSweptValues::AddPoint(float time, float value)
{
    const int slot = m_Ring.Advance(time, m_Values.GetCount());
    if (slot < 0)
        return false;
    m_Values[slot] = value;
    return true;
}

float CSweptValues::GetValue(float x) const
{
    const int pointsCount = m_Ring.GetPointsCount();
    if (pointsCount == 0)
        return m_DefaultValue;
    if (x >= 0.0f)
        return m_Values[m_Ring.GetSlot(0)];
    int earlier = 0;
    int later = 0;
    float weight = 0.0f;
    if (pointsCount == 1 || !m_Ring.FindBracket(x, earlier, later, weight))
        return m_DefaultValue;
    return weight * (m_Values[later] - m_Values[earlier]) + m_Values[earlier];
}

bool CSweptValues::Serialize(Serialization::IWriteDataStream& stream) const
{
    const int version = 1;
    bool result = stream.WriteInt("version", version);
    result = stream.WriteObject("values", Serialization::TVectorSerializer<FloatVector>(&m_Values, "value")) && result;
    result = m_Ring.WriteTimes(stream) && result;
    result = m_Ring.WriteState(stream) && result;
    return stream.WriteFloat("defaultValue", m_DefaultValue) && result;
}

bool CSweptValues::DeSerialize(const Serialization::IReadDataStream& stream)
{
    m_Values.SetSize(0, true);
    m_Ring.Clear();

    int version = 0;
    bool result = stream.ReadInt("version", version);
    Serialization::TDynamicVectorDeSerializer<FloatVector> valuesReader(&m_Values, "value");
    result = stream.ReadObject("values", valuesReader) && result;
    result = m_Ring.ReadTimes(stream) && result;
    result = m_Ring.ReadState(stream) && result;
    result = stream.ReadFloat("defaultValue", m_DefaultValue) && result;
    if (m_Ring.IsConsistent(m_Values.GetCount()))
        return result;

    m_Values.SetSize(0, true);
    m_Ring.Reset();
    m_DefaultValue = 0.0f;
    return false;
}

namespace {
[[maybe_unused]] const bool s_Registered = Runtime::RegisterObjectFactories<CSweptValues, IFunction>();
}

} // namespace Math
} // namespace Veltis
