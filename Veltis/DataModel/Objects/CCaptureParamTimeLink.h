#pragma once

#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "Veltis/DataModel/TCaptureObjectTimeLink.h"
#include "Veltis/DataModel/TICaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A parameter that glides to its source's value (clamped to its own range) in a straight line over
// the link's duration.
class CCaptureParamTimeLink : public TCaptureObjectTimeLink<TIConstCaptureObject<float, IConstParamInfo>, TICaptureObject<float, IConstParamInfo>> {
public:
    CCaptureParamTimeLink(System::ITimerProvider* timerProvider, TIConstCaptureObject<float, IConstParamInfo>* source,
                          TICaptureObject<float, IConstParamInfo>* target)
        : TCaptureObjectTimeLink(timerProvider, source, target), m_StartValue(0.0f), m_EndValue(0.0f)
    {
    }

protected:
    bool PrepareTransition() override;
    bool Step(double progress) override;

private:
    float m_StartValue;
    float m_EndValue;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
