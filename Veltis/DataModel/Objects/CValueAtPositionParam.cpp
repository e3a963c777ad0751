#include "Veltis/DataModel/Objects/CValueAtPositionParam.h"

#include "Veltis/Core/TArgCommandWrapper.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CValueAtPositionParam::CValueAtPositionParam()
    : m_Sources(),
      m_ValueRelay(this, &CValueAtPositionParam::OnValueChanged),
      m_AxisRelay(this, &CValueAtPositionParam::OnAxisChanged),
      m_Axis(nullptr),
      m_AxisChanged(nullptr)
{
}

CValueAtPositionParam::~CValueAtPositionParam()
{
    for (int slot = 0; slot < kSlotCount; ++slot)
        Unbind(slot);
}

bool CValueAtPositionParam::IsCaptured()
{
    for (const SSource& source : m_Sources)
        if (source.captured)
            return true;
    return false;
}

void CValueAtPositionParam::Hook(int slot, Core::IValueChangedEventProvider& values, Core::IConstCapture& capture)
{
    SSource& source = m_Sources[slot];
    source.values = &values;
    source.capture = &capture;
    source.begin = new Core::TArgCommandWrapper<CGestureCommand>(CGestureCommand(this, &CValueAtPositionParam::OnBeginCapture), slot);
    source.end = new Core::TArgCommandWrapper<CGestureCommand>(CGestureCommand(this, &CValueAtPositionParam::OnEndCapture), slot);
    values.GetValueChangedEvent().AddListener(m_ValueRelay);
    capture.GetBeginCaptureEvent().AddListener(*source.begin);
    capture.GetEndCaptureEvent().AddListener(*source.end);
}

void CValueAtPositionParam::Unbind(int slot)
{
    SSource& source = m_Sources[slot];
    if (!source.values)
        return;
    source.values->GetValueChangedEvent().RemoveListener(&m_ValueRelay);
    source.capture->GetBeginCaptureEvent().RemoveListener(source.begin, true);
    source.capture->GetEndCaptureEvent().RemoveListener(source.end, true);
    source.values = nullptr;
    source.capture = nullptr;
    if (slot == kFunctionSlot && m_AxisChanged) {
        m_AxisChanged->RemoveListener(&m_AxisRelay);
        m_AxisChanged = nullptr;
        m_Axis = nullptr;
    }
    // No listener is left to clear the flag: the source's part of the gesture ends here.
    OnEndCapture(slot);
}

void CValueAtPositionParam::OnAxisChanged()
{
    if (m_Axis)
        m_Info.CopyFrom(*m_Axis);
}

void CValueAtPositionParam::OnBeginCapture(int slot)
{
    const bool wasCaptured = IsCaptured();
    m_Sources[slot].captured = true;
    if (!wasCaptured)
        m_BeginCapture.Notify();
}

void CValueAtPositionParam::OnEndCapture(int slot)
{
    const bool wasCaptured = IsCaptured();
    m_Sources[slot].captured = false;
    if (wasCaptured && !IsCaptured())
        m_EndCapture.Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
