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

    typedef Core::TDynamicVector<float, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<float>> FloatVector;

    // The ring bookkeeping that swept values and swept curves share: the sample times, the newest
    // slot, the mask, the number of samples held, the history duration and the sample density. The
    // owner keeps one sample per slot in a vector of its own, of the same size.
    class CRing {
    public:
        CRing();

        // Drops every sample and sizes the ring for n (see GetRingSize); returns the size.
        int Rebuild(int n);
        // The state of a ring that failed to read: no slot, no sample.
        void Reset();
        // Empties the times before a read.
        void Clear() { m_Times.SetSize(0, true); }

        // Takes a sample at time and returns its slot, where the owner stores the sample; -1, with
        // nothing changed, when time is not later than the newest sample's, is NaN, or when there is no
        // ring of slotCount slots.
        int Advance(float time, int slotCount);

        // For x < 0 over at least two samples: the slots around the time newest + x and the weight of
        // the later one. False when that time lies at or before the oldest sample (or is NaN). Starts at
        // the position estimated from the sample density and falls back to a binary search, so it
        // never walks the ring.
        bool FindBracket(float x, int& earlierSlot, int& laterSlot, float& weight) const;

        // The ring read from a file has slotCount slots, its size is a power of two of at least 2 that
        // agrees with the mask, and its newest slot and sample count lie within it.
        bool IsConsistent(int slotCount) const;
        // The slot of the sample k places older than the newest.
        int GetSlot(int k) const { return (m_CurrentIndex - k) & m_Mask; }

        // "times", then "currentIndex", "mask", "pointsCount", "duration" and "pointsPerSecond".
        bool WriteTimes(Serialization::IWriteDataStream& stream) const;
        bool WriteState(Serialization::IWriteDataStream& stream) const;
        bool ReadTimes(const Serialization::IReadDataStream& stream);
        bool ReadState(const Serialization::IReadDataStream& stream);

        int GetSize() const { return m_Times.GetCount(); }
        int GetPointsCount() const { return m_PointsCount; }
        int GetCurrentIndex() const { return m_CurrentIndex; }
        float GetPointsPerSecond() const { return m_PointsPerSecond; }
        float GetDuration() const { return m_Duration; }
        void SetDuration(float seconds) { m_Duration = seconds; }

    private:
        FloatVector m_Times;
        int m_CurrentIndex;
        int m_Mask;
        int m_PointsCount;
        float m_Duration;
        float m_PointsPerSecond;
    };

    // No ring until SetMaxPointsCount.
    CSweptValues();
    CSweptValues(const CSweptValues& other) = default;
    CSweptValues& operator=(const CSweptValues& other) = default;

    // Drops every sample and rebuilds the ring: n rounded up to a power of two of at least 2, 1 for 0.
    // A negative n counts as 0; an n beyond the largest power of two an int holds gets that one.
    void SetMaxPointsCount(int n);
    void SetDuration(float seconds) { m_Ring.SetDuration(seconds); }
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
    int GetMaxPointsCount() const { return m_Ring.GetSize(); }
    int GetPointsCount() const { return m_Ring.GetPointsCount(); }
    int GetCurrentIndex() const { return m_Ring.GetCurrentIndex(); }
    float GetPointsPerSecond() const { return m_Ring.GetPointsPerSecond(); }
    float GetDuration() const { return m_Ring.GetDuration(); }

    // The ring size that SetMaxPointsCount gives for n.
    static int GetRingSize(int n);
    // The truncated (x * pointsPerSecond) + 0.5 from which a bracket search starts, saturated to the
    // int range with NaN giving the lower bound: both factors may come from a file or a skin.
    static int GetStartOffset(float x, float pointsPerSecond);

private:
    float m_DefaultValue;
    FloatVector m_Values;
    CRing m_Ring;
};

} // namespace Math
} // namespace Veltis
