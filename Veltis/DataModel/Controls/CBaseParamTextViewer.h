#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IUpdate.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Controls/IParamTextViewer.h"
#include "Veltis/DataModel/Objects/CParamDataToText.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// Keeps the text of a connected parameter up to date, rendered by its own converter: a change of
// the value, the descriptor or the converter's settings re-renders it, and a different text is
// announced. The parameter is not owned and must outlive the viewer.
class CBaseParamTextViewer : public virtual IParamTextViewer, public virtual Core::IUpdate {
public:
    typedef TIConstCaptureObject<float, Objects::IConstParamInfo> IParam;

    // Booleans, integers and type 3 show "%.0f" values, decided here once.
    explicit CBaseParamTextViewer(IParam& param);
    ~CBaseParamTextViewer() override;
    CBaseParamTextViewer(const CBaseParamTextViewer&) = delete;
    CBaseParamTextViewer& operator=(const CBaseParamTextViewer&) = delete;

    Core::IEventProvider& GetValueChangedEvent() override { return m_TextChanged; }
    // Never null.
    const char* GetValue() const override { return m_Text.GetString(); }
    IParam& GetParam() override { return *m_Param; }
    // The parameter's gestures.
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return m_Param->IsCaptured(); }
    void Update() override;
    virtual void Connect(IParam* param);

    // The owner widget sets its format, template, suffix and digits.
    Objects::CParamDataToText m_TextConverter;

protected:
    // The typed text, shown until the next render.
    void SetText(const char* text) { m_Text = text; }
    void NotifyTextChanged() { m_TextChanged.Notify(); }

private:
    void RemoveParamListeners();
    void OnBeginCapture() { m_BeginCapture.Notify(); }
    void OnEndCapture() { m_EndCapture.Notify(); }
    void OnParamInfoChanged();

    Core::CCharString m_Text;
    IParam* m_Param;
    Core::CEventProvider m_TextChanged;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
    Core::TCommand<Core::IUpdate> m_ValueListener;
    Core::TCommand<CBaseParamTextViewer> m_BeginListener;
    Core::TCommand<CBaseParamTextViewer> m_EndListener;
    Core::TCommand<CBaseParamTextViewer> m_InfoListener;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
