#include "VeltisExt/AAXPlugin/CAAXPluginParameter.h"

#include <math.h>

#include "Veltis/DataModel/Objects/IConstParamInfo.h"
#include "VeltisExt/AAXPlugin/CAAXPluginDisplayDelegate.h"
#include "VeltisExt/AAXPlugin/CAAXPluginParamAdapter.h"
#include "aax/AAX_CLinearTaperDelegate.h"

namespace VeltisExt {
namespace AAXPlugin {

namespace {

int32_t StepCount(const Veltis::DataModel::Objects::IConstParamInfo& info)
{
    switch (info.GetType()) {
    case 0:
    case 3: return 2;
    case 1: {
        const double span = fabs(trunc(static_cast<double>(info.GetMax()) - static_cast<double>(info.GetMin())));
        // Saturated: a list never has more steps than an int holds.
        return span < 2147483646.0 ? static_cast<int32_t>(span) + 1 : 2147483647;
    }
    default: return 1024;
    }
}

} // namespace

CAAXPluginParameter::CAAXPluginParameter(CAAXPluginParamAdapter& adapter, const char* namePrefix)
    : AAX_CParameter<float>(adapter.GetId().GetString(), AAX_CString(),
                            AAX_CLinearTaperDelegate<float, -1>(adapter.GetInfo().GetMin(), adapter.GetInfo().GetMax()),
                            CAAXPluginDisplayDelegate(adapter.GetInfo().GetValueToText()), true,
                            adapter.GetInfo().GetDefault()),
      m_pAdapter(&adapter)
{
    const Veltis::DataModel::Objects::IConstParamInfo& info = adapter.GetInfo();
    adapter.SetHostParameter(this);
    SetValueWithFloat(info.GetDefault());
    SetNumberOfSteps(StepCount(info));
    SetType(info.GetType() == 2 ? 1 : 0);
    AAX_CString name(namePrefix);
    name.Append(info.GetName() ? info.GetName() : "");
    SetName(name);
}

CAAXPluginParameter::~CAAXPluginParameter()
{
    if (m_pAdapter && m_pAdapter->GetHostParameter() == this)
        m_pAdapter->SetHostParameter(nullptr);
}

void CAAXPluginParameter::UpdateNormalizedValue(double normalizedValue)
{
    AAX_CParameter<float>::UpdateNormalizedValue(normalizedValue);
    if (m_pAdapter)
        m_pAdapter->OnHostValueChanged(normalizedValue);
}

void CAAXPluginParameter::UpdateValueSilently(double normalizedValue)
{
    Update(normalizedValue, false);
    if (m_pAdapter)
        m_pAdapter->OnHostValueChanged(normalizedValue);
}

} // namespace AAXPlugin
} // namespace VeltisExt
