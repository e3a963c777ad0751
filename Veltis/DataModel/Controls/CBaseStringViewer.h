#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/IConstStringInfo.h"
#include "Veltis/DataModel/TIConstCaptureObject.h"

namespace Veltis {
namespace DataModel {
namespace Controls {

// A string object that forwards to the model string it is connected to, so that a widget can be
// pointed at another string without registering again. The string is not owned and must outlive
// the viewer.
class CBaseStringViewer : public virtual TIConstCaptureObject<const char*, Objects::IConstStringInfo> {
public:
    typedef TIConstCaptureObject<const char*, Objects::IConstStringInfo> IString;

    explicit CBaseStringViewer(IString& string);
    ~CBaseStringViewer() override;
    CBaseStringViewer(const CBaseStringViewer&) = delete;
    CBaseStringViewer& operator=(const CBaseStringViewer&) = delete;

    // The connected string changed, or the viewer moved to a string with another text.
    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChanged; }
    const char* GetValue() const override { return m_String->GetValue(); }
    const Objects::IConstStringInfo& GetInfo() const override { return m_String->GetInfo(); }
    const Objects::IConstStringInfo& GetInfo() override { return m_String->GetInfo(); }
    // The viewer's own gesture, which only a control begins and ends.
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override { return m_Captured; }

    void Connect(IString* string);

protected:
    bool m_Captured;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;

private:
    void OnValueChanged() { m_ValueChanged.Notify(); }

    Core::CEventProvider m_ValueChanged;
    IString* m_String;
    Core::TCommand<CBaseStringViewer> m_ValueListener;
};

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
