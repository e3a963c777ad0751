#pragma once

#include "Veltis/Core/TDynamicVector.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/CSweptValues.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"

namespace Veltis {
namespace Math {

// A curve recorded over time, seen as a surface: GetValue(x, y) evaluates the recorded curves at y,
// x being the time offset from the newest sample, interpolated linearly in time. The same ring as
// CSweptValues, holding owned copies of the curves; where no sample applies the default curve is used.
class CSweptCurvesFunction : public virtual IBinaryFunction {
public:
    static constexpr const char* kClassId = "{D4E5AB2C-72BD-446e-BC18-BA7745DCA94A}";

    // The default curve is a flat 0; no ring until SetMaxPointsCount.
    CSweptCurvesFunction();
    // Clones the default curve and every recorded curve.
    CSweptCurvesFunction(const CSweptCurvesFunction& other);
    CSweptCurvesFunction& operator=(const CSweptCurvesFunction&) = delete;
    ~CSweptCurvesFunction() override;

    // Deletes every recorded curve and rebuilds the ring, sized as CSweptValues::GetRingSize(n) says.
    void SetMaxPointsCount(int n);
    void SetDuration(float seconds) { m_Ring.SetDuration(seconds); }
    // Keeps a clone: later changes to curve are not seen.
    void SetDefaultValue(const IFunction& curve);
    // Stores a clone of curve; refused (false, nothing cloned) when time is not later than the newest
    // sample's, when it is NaN, or when there is no ring yet.
    bool AddPoint(float time, const IFunction& curve);

    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x, float y) const override;
    IBinaryFunction* Clone() const override { return new CSweptCurvesFunction(*this); }
    // An inconsistent ring (as for CSweptValues, or a held sample without a curve) resets the object
    // to hold no sample, with a flat 0 default curve, and fails. A default curve that cannot be read
    // also becomes a flat 0.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

    // The ring's state, for owners that display it and for tests.
    int GetMaxPointsCount() const { return m_Ring.GetSize(); }
    int GetPointsCount() const { return m_Ring.GetPointsCount(); }
    int GetCurrentIndex() const { return m_Ring.GetCurrentIndex(); }
    float GetPointsPerSecond() const { return m_Ring.GetPointsPerSecond(); }
    float GetDuration() const { return m_Ring.GetDuration(); }

private:
    typedef Core::TDynamicVector<IFunction*, Core::CStepGrowthStrategy, Core::TEqualOperatorCopier<IFunction*>> CurveVector;
    typedef Core::TDynamicVector<Serialization::CTypeSerializer, Core::CStepGrowthStrategy,
                                 Core::TEqualOperatorCopier<Serialization::CTypeSerializer>>
        SerializerVector;
    typedef Core::TDynamicVector<Serialization::TRuntimeDeSerializer<IFunction>, Core::CStepGrowthStrategy,
                                 Core::TEqualOperatorCopier<Serialization::TRuntimeDeSerializer<IFunction>>>
        ReaderVector;

    void DeleteCurves();
    bool IsConsistent() const;

    IFunction* m_DefaultCurve;
    CurveVector m_Curves;
    CSweptValues::CRing m_Ring;
};

} // namespace Math
} // namespace Veltis
