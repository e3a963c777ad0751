#pragma once

#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Math/IFunction.h"

namespace Veltis {
namespace Math {

// A value recorded over time, seen as a curve of the time offset from the newest sample (0 = newest,
// negative = past), linearly interpolated between samples. Samples live in a power-of-two ring that
// overwrites the oldest; where no sample applies the default value is returned.
class CSweptValues : public virtual IFunction {
public:
    static constexpr const char* kClassId = "{852FDB81-5DDA-4440-9598-AF98A8CFBC3D}";

    // No ring until SetMaxPointsCount.
    CSweptValues();
    CSweptValues(const CSweptValues& other) = default;
    CSweptValues& operator=(const CSweptValues& other) = default;

    // Drops every sample and rebuilds the ring: n rounded up to a power of two of at least 2, 1 for 0.
    // A negative n counts as 0; an n beyond the largest power of two an int holds gets that one.
    void SetMaxPointsCount(int n);
    void SetDuration(float seconds) { m_Duration = seconds; }
    void SetDefaultValue(float value) { m_DefaultValue = value; }
    // Refused (false, nothing changes) when time is not later than the newest sample's, when it is
    // NaN, or when there is no ring yet.
    bool AddPoint(float time, float value);

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override;
    IFunction* Clone() const override { return new CSweptValues(*this); }
    // An inconsistent ring (sizes that disagree with each other or with the mask, a size below 2 or
    // not a power of two, a newest slot or sample count outside the ring) resets the object to hold
    // no sample and fails.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

    // The ring's state, for owners that display it and for tests.
    int GetMaxPointsCount() const { return m_Times.GetCount(); }
    int GetPointsCount() const { return m_PointsCount; }
    int GetCurrentIndex() const { return m_CurrentIndex; }
    float GetPointsPerSecond() const { return m_PointsPerSecond; }
    float GetDuration() const { return m_Duration; }

    // The ring size that SetMaxPointsCount gives for n.
    static int GetRingSize(int n);
    // The truncated (x * pointsPerSecond) + 0.5 from which a bracket search starts, saturated to the
    // int range with NaN giving the lower bound: both factors may come from a file or a skin.
    static int GetStartOffset(float x, float pointsPerSecond);
    // For x < 0 over a ring holding at least two samples (positions are taken AND mask): the target
    // time t = times[currentIndex] + x and the position i of the bracket times[i] < t <= times[i + 1].
    // False when t lies at or before the oldest sample (or is NaN). Starts at the position estimated
    // from the sample density and falls back to a binary search, so it never walks the ring.
    static bool FindBracket(const float* times, int mask, int currentIndex, int pointsCount,
                            float pointsPerSecond, float x, int& position, float& t);

private:
    typedef Core::TDynamicVector<float, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<float>> FloatVector;

    bool HasRing() const;
    bool IsConsistent() const;

    float m_DefaultValue;
    FloatVector m_Values;
    FloatVector m_Times;
    int m_CurrentIndex;
    int m_Mask;
    int m_PointsCount;
    float m_Duration;
    float m_PointsPerSecond;
};

} // namespace Math
} // namespace Veltis
