#pragma once

#include "Veltis/DataModel/Objects/CConstCaptureParamTimerProxy.h"
#include "Veltis/DataModel/TICaptureObjectTimerProxy.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The writable timer proxy: writes and gestures through it reach the source and are announced at
// once, and not again at the next tick. Runs on the timer provider's thread.
class CCaptureParamTimerProxy : public virtual TICaptureObjectTimerProxy<float, IConstParamInfo>,
                                public CConstCaptureParamTimerProxy {
public:
    typedef TICaptureObject<float, IConstParamInfo> WritableSource;

    CCaptureParamTimerProxy(WritableSource* source, System::ITimerProvider* timerProvider);

    void BeginCapture() override;
    void EndCapture() override;
    // Announces when the requested value differs from the source's old one (not what the source
    // stored after clamping), or when a change was pending.
    void SetValue(float value) override;

private:
    WritableSource* m_WritableSource;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
