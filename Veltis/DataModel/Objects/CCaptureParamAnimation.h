#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IEnable.h"
#include "Veltis/Core/IRefreshTime.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/IDisconnectAndPause.h"
#include "Veltis/DataModel/Objects/CCaptureParamTimeLink.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/TCaptureObjectEvents.h"
#include "Veltis/DataModel/TICaptureObjectWrapper.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// A parameter in front of another (its target): values written into it reach the target as smooth
// transitions, and changes the target gets from elsewhere are taken over at once, so it always shows
// where the target is heading. Built on a time link from itself to the target. The target is not
// owned and must be disconnected before it dies; ticks come on the model's thread.
class CCaptureParamAnimation : public TCaptureObjectEvents<TICaptureObjectWrapper<float, IConstParamInfo>>,
                               public virtual Core::TIConnect<TICaptureObject<float, IConstParamInfo>>,
                               public virtual Core::IEnable,
                               public virtual IDisconnectAndPause,
                               public virtual Core::IRefreshTime {
public:
    typedef TICaptureObject<float, IConstParamInfo> Target;

    CCaptureParamAnimation(System::ITimerProvider* timerProvider, Target* target);
    ~CCaptureParamAnimation() override;
    CCaptureParamAnimation(const CCaptureParamAnimation&) = delete;
    CCaptureParamAnimation& operator=(const CCaptureParamAnimation&) = delete;

    // Takes the target's descriptor and value without moving it.
    void Connect(Target* target) override;
    void Disconnect() override;

    const IConstParamInfo& GetInfo() const override { return m_Info; }
    const IConstParamInfo& GetInfo() override { return m_Info; }
    float GetValue() const override { return m_Value; }
    // Compares before clamping: a request beyond the range announces although the value may stay.
    void SetValue(float value) override;
    void BeginCapture() override { m_Capture.BeginCapture(); }
    void EndCapture() override { m_Capture.EndCapture(); }

    // Disabled, the target follows at once.
    void Enable(bool enabled) override;
    bool IsEnabled() override { return m_Enabled; }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }
    void SetRefreshTime(int milliseconds) override { m_TimeLink.SetRefreshTime(milliseconds); }
    int GetRefreshTime() override { return m_TimeLink.GetRefreshTime(); }
    void SetPaused(bool paused) override { m_TimeLink.SetPaused(paused); }

    // Used while enabled; stored for the next Enable(true) otherwise.
    void SetDuration(int milliseconds);

    void OnTargetValueChanged();
    void OnTargetInfoChanged();

private:
    Target* GetTarget() const { return m_TimeLink.GetTarget(); }

    float m_Value;
    bool m_Enabled;
    int m_Duration;
    Core::CEventProvider m_EnableChanged;
    CCaptureParamTimeLink m_TimeLink;
    CParamInfo m_Info;
    Core::TCommand<CCaptureParamAnimation> m_TargetValueListener;
    Core::TCommand<CCaptureParamAnimation> m_TargetInfoListener;
    bool m_Setting;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
