#pragma once

#include "Veltis/DataModel/Objects/CSurfaceInfo.h"
#include "Veltis/DataModel/Objects/IConstCurveInfo.h"
#include "Veltis/DataModel/Objects/TCaptureObjectOverTime.h"
#include "Veltis/Math/CSweptCurvesFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only surface of a curve's recent shapes: x is time in seconds (0 the newest sample), y the
// curve's x, the value the curve had there then. Samples every 100 ms over 10 s unless told otherwise.
class CCaptureSurfaceFromCurveOverTime
    : public TCaptureObjectOverTime<const Math::IBinaryFunction&, IConstSurfaceInfo, CSurfaceInfo, Math::CSweptCurvesFunction,
                                    TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo>> {
public:
    typedef TIConstCaptureObject<const Math::IFunction&, IConstCurveInfo> Source;

    CCaptureSurfaceFromCurveOverTime(Source* source, System::ITimerProvider* timerProvider);
    ~CCaptureSurfaceFromCurveOverTime() override;

    // Binds a curve: the default becomes the constant of its y axis's default, the y and z axes its
    // x and y axes. Null unbinds, as Disconnect.
    void SetCurve(Source* source);
    // Unbinds, the default becomes 0 and the change is announced; the samples stay.
    void Disconnect() override;

protected:
    void OnDurationChanged() override { NotifyValueChanged(); }
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
