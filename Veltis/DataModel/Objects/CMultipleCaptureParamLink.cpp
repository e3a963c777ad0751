#include "Veltis/DataModel/Objects/CMultipleCaptureParamLink.h"

#include <list>

#include "Veltis/Containers/TStdConstIterator.h"
#include "Veltis/Core/TValue.h"
#include "Veltis/DataModel/Objects/EParamValueCurve.h"
#include "Veltis/Math/FunctionsLibrary.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {

struct CValueToValue {
    static const Core::TIConstValue<float>& Convert(const Core::TValue<float>& value) { return value; }
};

// The value's place in its own descriptor's range.
float NormalizeToOwnRange(CMultipleCaptureParamLink::ConstParam& object)
{
    const IConstParamInfo& info = object.GetInfo();
    return Math::FunctionsLibrary::Normalize(object.GetValue(), info.GetMin(), info.GetMax());
}

} // namespace

CMultipleCaptureParamLink::CMultipleCaptureParamLink()
    : m_ResponseFunction(nullptr),
      m_Reversed(false),
      m_MuxFunction(&MaxOfValues),
      m_Normalized(false),
      m_TriggerMin(0.0f),
      m_TriggerMax(0.0f),
      m_UseTriggerMin(false),
      m_UseTriggerMax(false)
{
    const Math::IFunction* inverse = nullptr;
    GetParamValueCurveFunctions(eParamValueCurveLinear, m_ResponseFunction, inverse);
}

CMultipleCaptureParamLink::~CMultipleCaptureParamLink() {}

bool CMultipleCaptureParamLink::IsInTriggerWindow(ConstParam* object) const
{
    if (!object)
        return true;
    const float value = m_Normalized ? NormalizeToOwnRange(*object) : object->GetValue();
    return (!m_UseTriggerMin || value >= m_TriggerMin) && (!m_UseTriggerMax || value <= m_TriggerMax);
}

float CMultipleCaptureParamLink::ComputeValue()
{
    float value;
    if (!m_Normalized) {
        Containers::TStdConstIterator<Core::TIConstValue<float>, std::list<CItem>, CItemToValue> values(m_Sources);
        value = m_MuxFunction(values);
    } else {
        std::list<Core::TValue<float>> normalized;
        for (CItem& item : m_Sources)
            normalized.emplace_back(NormalizeToOwnRange(*item.m_Source));
        Containers::TStdConstIterator<Core::TIConstValue<float>, std::list<Core::TValue<float>>, CValueToValue> values(normalized);
        value = m_MuxFunction(values);
    }
    value = m_ResponseFunction->GetValue(value);
    if (m_Normalized) {
        if (value > 1.0f)
            value = 1.0f;
        if (value < 0.0f)
            value = 0.0f;
    }
    if (m_Reversed)
        value = 1.0f - value;
    return value;
}

void CMultipleCaptureParamLink::Update(ConstParam* changed)
{
    if (changed && !IsInTriggerWindow(changed))
        return;
    if (m_Sources.empty() || !m_MuxFunction)
        return;
    const float value = ComputeValue();
    const bool triggers = m_UseTriggerMin || m_UseTriggerMax;
    for (size_t i = 0; i < m_Targets.size(); ++i) {
        TICaptureObject<float, IConstParamInfo>* target = m_Targets[i];
        if (IsSame(target, changed))
            continue;
        // A full re-evaluation under triggers writes only the targets outside the window.
        if (!changed && triggers && IsInTriggerWindow(target))
            continue;
        const IConstParamInfo& info = target->GetInfo();
        target->SetValue(m_Normalized ? Math::FunctionsLibrary::Denormalize(value, info.GetMin(), info.GetMax()) : value);
    }
}

void CMultipleCaptureParamLink::SetMuxFunction(MuxFunction function)
{
    m_MuxFunction = function;
    if (CanUpdateOnSetting())
        Update(nullptr);
}

void CMultipleCaptureParamLink::SetNormalized(bool normalized)
{
    if (normalized == m_Normalized)
        return;
    m_Normalized = normalized;
    if (CanUpdateOnSetting())
        Update(nullptr);
}

void CMultipleCaptureParamLink::SetReverse(bool reversed)
{
    if (reversed == m_Reversed)
        return;
    m_Reversed = reversed;
    if (CanUpdateOnSetting())
        Update(nullptr);
    m_ReverseChanged.Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
