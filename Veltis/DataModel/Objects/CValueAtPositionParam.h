#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TArgCommand.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/TIConstCaptureObjectWrapper.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// What the value-at-position parameters share: a read-only parameter that relays the value changes
// and gestures of a function source (slot 0) and its position parameters, and copies the descriptor
// of the function's value axis, following its changes. The object is captured while any source is:
// overlapping gestures give one begin and one end, and unbinding a captured source closes its part.
class CValueAtPositionParam : public virtual TIConstCaptureObjectWrapper<float, IConstParamInfo> {
public:
    CValueAtPositionParam(const CValueAtPositionParam&) = delete;
    CValueAtPositionParam& operator=(const CValueAtPositionParam&) = delete;

    const IConstParamInfo& GetInfo() const override { return m_Info; }
    const IConstParamInfo& GetInfo() override { return m_Info; }
    Core::IEventProvider& GetValueChangedEvent() override { return m_ValueChanged; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_BeginCapture; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_EndCapture; }
    bool IsCaptured() override;

protected:
    static const int kFunctionSlot = 0;
    static const int kSlotCount = 3;

    CValueAtPositionParam();
    // Derived classes unbind every source first.
    ~CValueAtPositionParam() override;

    // Null unbinds. Rebinding notifies no value change.
    void BindPosition(int slot, TIConstCaptureObject<float, IConstParamInfo>* position)
    {
        Unbind(slot);
        if (position)
            Hook(slot, *position, *position);
    }

    template <class Function, class Info>
    void BindFunction(TIConstCaptureObject<Function, Info>* function, const IConstParamInfo& (*axis)(const Info&))
    {
        Unbind(kFunctionSlot);
        if (!function)
            return;
        m_Axis = &axis(function->GetInfo());
        m_AxisChanged = &function->GetInfo().GetChangedEvent();
        OnAxisChanged();
        Hook(kFunctionSlot, *function, *function);
        m_AxisChanged->AddListener(m_AxisRelay);
    }

    CParamInfo m_Info;

private:
    struct SSource {
        Core::IValueChangedEventProvider* values;
        Core::IConstCapture* capture;
        Core::ICommand* begin;
        Core::ICommand* end;
        bool captured;
    };
    typedef Core::TArgCommand<CValueAtPositionParam, int> CGestureCommand;

    void Hook(int slot, Core::IValueChangedEventProvider& values, Core::IConstCapture& capture);
    void Unbind(int slot);

    void OnValueChanged() { m_ValueChanged.Notify(); }
    void OnAxisChanged();
    void OnBeginCapture(int slot);
    void OnEndCapture(int slot);

    Core::CEventProvider m_ValueChanged;
    Core::CEventProvider m_BeginCapture;
    Core::CEventProvider m_EndCapture;
    SSource m_Sources[kSlotCount];
    Core::TCommand<CValueAtPositionParam> m_ValueRelay;
    Core::TCommand<CValueAtPositionParam> m_AxisRelay;
    // The followed value axis and its info's change event, while a function is bound.
    const IConstParamInfo* m_Axis;
    Core::IEventProvider* m_AxisChanged;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
