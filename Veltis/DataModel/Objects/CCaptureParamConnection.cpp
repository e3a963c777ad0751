#include "Veltis/DataModel/Objects/CCaptureParamConnection.h"

#include "Veltis/Core/TCommand.h"
#include "Veltis/Core/TValueTraits.h"
#include "Veltis/DataModel/Objects/ParamValueMapping.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {
typedef Core::TValueTraits<float> FloatTraits;
} // namespace

CCaptureParamConnection::CCaptureParamConnection(IParam* param2, IParam* param1)
    : m_Param1(param1),
      m_Param2(param2),
      m_Listeners(),
      m_Enabled(false),
      m_Function(nullptr),
      m_Inverse(nullptr),
      m_Reversed(false),
      m_Normalized(false),
      m_Constrained(false),
      m_Depth(0),
      m_DiffMode(false),
      m_LastValue1(0.0f),
      m_LastValue2(0.0f),
      m_Paused(false),
      m_Param2CaptureHeld(false),
      m_Param1CaptureHeld(false)
{
    GetParamValueCurveFunctions(eParamValueCurveLinear, m_Function, m_Inverse);
}

CCaptureParamConnection::~CCaptureParamConnection()
{
    Enable(false);
}

void CCaptureParamConnection::AddListeners(IParam& param, int first, void (CCaptureParamConnection::*changed)(),
                                           void (CCaptureParamConnection::*begin)(),
                                           void (CCaptureParamConnection::*end)())
{
    m_Listeners[first] = new Core::TCommand<CCaptureParamConnection>(this, changed);
    m_Listeners[first + 1] = new Core::TCommand<CCaptureParamConnection>(this, begin);
    m_Listeners[first + 2] = new Core::TCommand<CCaptureParamConnection>(this, end);
    param.GetValueChangedEvent().AddListener(m_Listeners[first]);
    param.GetBeginCaptureEvent().AddListener(m_Listeners[first + 1]);
    param.GetEndCaptureEvent().AddListener(m_Listeners[first + 2]);
}

void CCaptureParamConnection::RemoveListeners(IParam& param, int first)
{
    param.GetValueChangedEvent().RemoveListener(m_Listeners[first], true);
    param.GetBeginCaptureEvent().RemoveListener(m_Listeners[first + 1], true);
    param.GetEndCaptureEvent().RemoveListener(m_Listeners[first + 2], true);
}

void CCaptureParamConnection::Enable(bool enabled)
{
    const bool was = m_Enabled;
    if (!m_Param1 || !m_Param2) {
        m_Enabled = enabled;
    } else if (enabled) {
        if (was)
            return;
        if (m_Param1->IsCaptured())
            OnParam1BeginCapture();
        AddListeners(*m_Param1, 0, &CCaptureParamConnection::OnParam1Changed,
                     &CCaptureParamConnection::OnParam1BeginCapture, &CCaptureParamConnection::OnParam1EndCapture);
        if (!m_Param1->IsCaptured() && m_Param2->IsCaptured())
            OnParam2BeginCapture();
        AddListeners(*m_Param2, 3, &CCaptureParamConnection::OnParam2Changed,
                     &CCaptureParamConnection::OnParam2BeginCapture, &CCaptureParamConnection::OnParam2EndCapture);
        m_Enabled = true;
        m_LastValue1 = m_Param1->GetValue();
        m_LastValue2 = m_Param2->GetValue();
        OnParam1Changed();
    } else {
        if (m_Listeners[3])
            RemoveListeners(*m_Param2, 3);
        if (m_Listeners[0])
            RemoveListeners(*m_Param1, 0);
        if (m_Param2CaptureHeld)
            OnParam1EndCapture();
        if (m_Param1CaptureHeld)
            OnParam2EndCapture();
        m_Enabled = false;
    }
    if (m_Enabled != was)
        m_EnableChanged.Notify();
}

void CCaptureParamConnection::SetPaused(bool paused)
{
    if (paused == m_Paused)
        return;
    m_Paused = paused;
    if (!paused && m_Enabled) {
        Enable(false);
        Enable(true);
    }
}

void CCaptureParamConnection::SetParam(IParam*& slot, IParam* param)
{
    const bool enabled = m_Enabled;
    Enable(false);
    slot = param;
    Enable(enabled);
}

void CCaptureParamConnection::SetParam1(IParam* param)
{
    SetParam(m_Param1, param);
}

void CCaptureParamConnection::SetParam2(IParam* param)
{
    SetParam(m_Param2, param);
}

void CCaptureParamConnection::Disconnect()
{
    SetParam1(nullptr);
    SetParam2(nullptr);
}

void CCaptureParamConnection::SynchronizeIfEnabled()
{
    if (m_Enabled)
        OnParam1Changed();
}

void CCaptureParamConnection::SetResponseCurve(EParamValueCurve curve)
{
    GetParamValueCurveFunctions(curve, m_Function, m_Inverse);
    SynchronizeIfEnabled();
}

void CCaptureParamConnection::SetDiffMode(bool diffMode)
{
    if (diffMode == m_DiffMode)
        return;
    m_DiffMode = diffMode;
    if (!diffMode)
        SynchronizeIfEnabled();
}

void CCaptureParamConnection::SetNormalized(bool normalized)
{
    if (normalized == m_Normalized)
        return;
    m_Normalized = normalized;
    SynchronizeIfEnabled();
}

void CCaptureParamConnection::SetReverse(bool reversed)
{
    if (reversed == m_Reversed)
        return;
    m_Reversed = reversed;
    SynchronizeIfEnabled();
    m_ReverseChanged.Notify();
}

// The connection counts a gesture as its own only when its BeginCapture really began one: the echo
// of its own begin, and a gesture the user already holds, are never ended by the connection.
void CCaptureParamConnection::BeginMirroredCapture(IParam* param, bool& held)
{
    if (!param || param->IsCaptured())
        return;
    held = true;
    param->BeginCapture();
}

void CCaptureParamConnection::EndMirroredCapture(IParam* param, bool& held)
{
    held = false;
    if (param)
        param->EndCapture();
}

void CCaptureParamConnection::OnParam1BeginCapture()
{
    BeginMirroredCapture(m_Param2, m_Param2CaptureHeld);
}

void CCaptureParamConnection::OnParam1EndCapture()
{
    EndMirroredCapture(m_Param2, m_Param2CaptureHeld);
}

void CCaptureParamConnection::OnParam2BeginCapture()
{
    BeginMirroredCapture(m_Param1, m_Param1CaptureHeld);
}

void CCaptureParamConnection::OnParam2EndCapture()
{
    EndMirroredCapture(m_Param1, m_Param1CaptureHeld);
}

void CCaptureParamConnection::OnParam1Changed()
{
    Propagate(true, m_LastValue1);
}

void CCaptureParamConnection::OnParam2Changed()
{
    Propagate(false, m_LastValue2);
}

float CCaptureParamConnection::Transform(bool forward, float x) const
{
    if (forward)
        return MapParamValue(x, *m_Function, m_Normalized, m_Reversed, false, m_Param1->GetInfo(), m_Param2->GetInfo());
    // The way back undoes the way forward: the reverse step first, then the inverse.
    return MapParamValue(x, *m_Inverse, m_Normalized, m_Reversed, true, m_Param2->GetInfo(), m_Param1->GetInfo());
}

void CCaptureParamConnection::Propagate(bool forward, float previous)
{
    if (m_Paused)
        return;
    ++m_Depth;
    if (((m_Constrained && !m_DiffMode) || m_Depth <= 1) && m_Param1 && m_Param2) {
        IParam* from = forward ? m_Param1 : m_Param2;
        IParam* to = forward ? m_Param2 : m_Param1;
        if (m_DiffMode) {
            const float a = Transform(forward, previous);
            const float b = Transform(forward, from->GetValue());
            const float moved = to->GetValue() + b;
            to->SetValue(moved - a);
        } else if (m_Depth <= 1 || FloatTraits::Differs(Transform(!forward, to->GetValue()), from->GetValue())) {
            // Nested, a parameter that already maps onto the other is left alone, so that a value that
            // went across unclamped comes back exactly, whatever the float rounding of the inverse.
            const float value = Transform(forward, from->GetValue());
            to->SetValue(value);
            if (FloatTraits::Differs(to->GetValue(), value) && m_Constrained && m_Depth <= 1)
                Propagate(!forward, 0.0f);
        }
        m_LastValue1 = m_Param1->GetValue();
        m_LastValue2 = m_Param2->GetValue();
    }
    --m_Depth;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
