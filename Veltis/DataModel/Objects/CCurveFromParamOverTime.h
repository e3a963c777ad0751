#pragma once

#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/Objects/TCaptureObjectOverTime.h"
#include "Veltis/Math/CSweptValues.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A read-only curve of a parameter's recent values: x is time in seconds (0 the newest sample), y the
// value the parameter had then. Samples every 50 ms over 10 s unless told otherwise.
class CCurveFromParamOverTime
    : public TCaptureObjectOverTime<const Math::IFunction&, IConstCurveInfo, CCurveInfo, Math::CSweptValues,
                                    TIConstCaptureObject<float, IConstParamInfo>> {
public:
    typedef TIConstCaptureObject<float, IConstParamInfo> Source;

    CCurveFromParamOverTime(Source* source, System::ITimerProvider* timerProvider);
    ~CCurveFromParamOverTime() override;

    // Binds a parameter: the history's default and the y axis become the parameter's (later changes
    // of its descriptor are not followed). Null unbinds, as Disconnect.
    void SetParam(Source* source);
    // Unbinds; the samples stay, ticks do nothing.
    void Disconnect() override;

};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
