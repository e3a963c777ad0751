#pragma once

#include "Veltis/Core/CCapture.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IUpdate.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Controls/CParamViewerConfig.h"
#include "Veltis/DataModel/Controls/IParamViewer.h"
#include "Veltis/DataModel/Objects/IConstParamInfo.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// Keeps the position of a connected parameter (always 0 to 1) up to date through its value changes
// and every change of the mapping, and mirrors the parameter's gestures in the position capture.
// The parameter is not owned and must outlive the viewer.
class CBaseParamViewer : public virtual IParamViewer, public virtual Core::IUpdate, public CParamViewerConfig {
public:
    typedef TIConstCaptureObject<float, Objects::IConstParamInfo> IParam;

    explicit CBaseParamViewer(IParam& param);
    ~CBaseParamViewer() override;

    Core::IEventProvider& GetPositionChangedEvent() override { return m_PositionChanged; }
    IParam& GetParam() override { return *m_Param; }
    float GetPosition() const override { return m_Position; }
    Core::IConstCapture& GetPositionCapture() override { return m_PositionCapture; }
    void Update() override { UpdatePosition(); }
    // The viewer's own gesture, which only a control begins and ends.
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return m_Captured; }
    virtual void UpdatePosition();

    // Follows another parameter; the position capture carries over as it is.
    void Connect(IParam* param);

protected:
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
    bool m_Captured;
    Core::CCapture m_PositionCapture;

private:
    void RemoveParamListeners();

    float m_Position;
    IParam* m_Param;
    Core::CEventProvider m_PositionChanged;
    Core::TCommand<Core::IUpdate> m_ValueListener;
    Core::TCommand<Core::CCapture> m_BeginListener;
    Core::TCommand<Core::CCapture> m_EndListener;
    Core::TCommand<CBaseParamViewer> m_ConfigListener;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
