#pragma once

#include "Veltis/Core/CEnable.h"
#include "Veltis/Core/TIConnect.h"
#include "Veltis/DataModel/Controls/CBaseParamViewer.h"
#include "Veltis/DataModel/Controls/IParamControl.h"

#include <cstdint>

namespace Veltis {
namespace DataModel {
namespace Controls {

// Writes a parameter from normalised positions. The shown position follows what the parameter
// accepted, never what was asked. A gesture this control opened is ended on its parameter when the
// control moves to another one or dies. The parameter is not owned and must outlive the control.
class CParamControl : public CBaseParamViewer,
                      public virtual IParamControl,
                      public virtual Core::TIConnect<TICaptureObject<float, Objects::IConstParamInfo>> {
public:
    typedef TICaptureObject<float, Objects::IConstParamInfo> IWritableParam;

    explicit CParamControl(IWritableParam& param);
    ~CParamControl() override;

    void Enable(bool enabled) override { m_Enable.Enable(enabled); }
    bool IsEnabled() override { return m_Enable.IsEnabled(); }
    Core::IEventProvider& GetEnableChangedEvent() override { return m_Enable.GetEnableChangedEvent(); }
    void Connect(IWritableParam* param) override;
    // Begin and end reach the parameter whether or not the control is enabled.
    void BeginCapture() override;
    // Clamped to 0..1 (NaN counts as 1); a disabled control writes nothing.
    void SetPosition(float position) override;
    void ResetToDefault() override;
    void EndCapture() override;
    IWritableParam& GetWritableParam() override { return *m_WritableParam; }
    float GetPageStepFactor() const override { return m_PageStepFactor; }
    void SetFineMode(bool on) override;
    bool IsFineMode() const override { return m_FineMode; }
    // Below 1 stores 1; in fine mode the multiplier is applied again to the unmultiplied count.
    void SetFineRatio(int ratio) override;
    int GetFineRatio() const override { return m_FineRatio; }
    void BeginPositionCapture() override { m_PositionCapture.BeginCapture(); }
    void EndPositionCapture() override { m_PositionCapture.EndCapture(); }

private:
    Core::CEnable m_Enable;
    IWritableParam* m_WritableParam;
    float m_PageStepFactor;
    std::int32_t m_FineRatio;
    bool m_FineMode;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
