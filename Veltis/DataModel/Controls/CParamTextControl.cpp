#include "Veltis/DataModel/Controls/CParamTextControl.h"

#include <cfloat>
#include <cmath>
#include <locale.h>
#include <stdlib.h>

namespace Veltis {
namespace DataModel {
namespace Controls {

namespace {

locale_t GetClassicLocale()
{
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return classic;
}

// Beyond the float range a typed number becomes an infinity, which the range then holds.
float ToFloat(double number)
{
    if (number > FLT_MAX)
        return INFINITY;
    if (number < -FLT_MAX)
        return -INFINITY;
    return static_cast<float>(number);
}

} // namespace

CParamTextControl::CParamTextControl(IWritableParam& param) : CBaseParamTextViewer(param), m_WritableParam(&param)
{
    Connect(&param);
}

void CParamTextControl::Connect(IWritableParam* param)
{
    m_WritableParam = param;
    CBaseParamTextViewer::Connect(param);
}

bool CParamTextControl::ReadNumber(const char* text, double& number)
{
    const locale_t classic = GetClassicLocale();
    if (!text || classic == static_cast<locale_t>(0))
        return false;
    char* end = nullptr;
    number = strtod_l(text, &end, classic);
    return end != text;
}

void CParamTextControl::SetValue(const char* text)
{
    double number = 0.0;
    const bool read = ReadNumber(text, number);
    SetText(text);
    if (read) {
        const Objects::IConstParamInfo& info = m_WritableParam->GetInfo();
        float value = ToFloat(number);
        if (value < info.GetMin())
            value = info.GetMin();
        if (value > info.GetMax() || std::isnan(value))
            value = info.GetMax();
        m_WritableParam->SetValue(value);
    }
    NotifyTextChanged();
    Update();
}

} // namespace Controls
} // namespace DataModel
} // namespace Veltis
