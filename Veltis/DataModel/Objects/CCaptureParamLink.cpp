#include "Veltis/DataModel/Objects/CCaptureParamLink.h"

#include "Veltis/Core/TValueTraits.h"
#include "Veltis/DataModel/Objects/ParamValueMapping.h"
#include "Veltis/Math/TFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {
const Math::IFunction* Identity()
{
    return &Math::TFunction<&Math::FunctionsLibrary::Identity>::GetInstance();
}
} // namespace

CCaptureParamLink::CCaptureParamLink(TIConstCaptureObject<float, IConstParamInfo>* source,
                                     TICaptureObject<float, IConstParamInfo>* target)
    : Base(source, target),
      m_Function(Identity(), 0),
      m_Reversed(false),
      m_Normalized(false),
      m_DiffMode(false),
      m_LastSourceValue(0.0f)
{
}

float CCaptureParamLink::Transform(float x) const
{
    return MapParamValue(x, *m_Function.Get(), m_Normalized, m_Reversed, false, m_Source->GetInfo(),
                         m_Target->GetInfo());
}

void CCaptureParamLink::Update()
{
    if (!m_Source)
        return;
    const float value = m_Source->GetValue();
    const bool unchanged = !Core::TValueTraits<float>::Differs(m_LastSourceValue, value);
    if (!(m_TriggerOnModify && unchanged) && m_Target) {
        if (m_DiffMode) {
            const float moved = m_Target->GetValue() + Transform(value);
            m_Target->SetValue(moved - Transform(m_LastSourceValue));
        } else {
            m_Target->SetValue(Transform(value));
        }
    }
    m_LastSourceValue = value;
}

void CCaptureParamLink::OnActivated()
{
    m_LastSourceValue = m_Source->GetValue();
}

void CCaptureParamLink::UpdateUnlessModifyOnly()
{
    if (!m_TriggerOnModify)
        Update();
}

void CCaptureParamLink::SetDiffMode(bool diffMode)
{
    if (diffMode == m_DiffMode)
        return;
    m_DiffMode = diffMode;
    if (!diffMode)
        UpdateUnlessModifyOnly();
}

void CCaptureParamLink::SetNormalized(bool normalized)
{
    if (normalized == m_Normalized)
        return;
    m_Normalized = normalized;
    UpdateUnlessModifyOnly();
}

void CCaptureParamLink::SetFunction(const Math::IFunction* function, bool owned)
{
    if (function)
        m_Function.Set(function, owned ? 1 : 0);
    else
        m_Function.Set(Identity(), 0);
    UpdateUnlessModifyOnly();
}

void CCaptureParamLink::SetResponseCurve(EParamValueCurve curve)
{
    const Math::IFunction* function = nullptr;
    const Math::IFunction* inverse = nullptr;
    GetParamValueCurveFunctions(curve, function, inverse);
    SetFunction(function, false);
}

void CCaptureParamLink::SetReverse(bool reversed)
{
    if (reversed == m_Reversed)
        return;
    m_Reversed = reversed;
    UpdateUnlessModifyOnly();
    m_ReverseChanged.Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
