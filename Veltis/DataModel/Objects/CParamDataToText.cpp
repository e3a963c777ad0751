#include "Veltis/DataModel/Objects/CParamDataToText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CParamDataToText::CParamDataToText(const char* format, bool metricSuffix, const char* textTemplate)
    : CParamValueToText(format, metricSuffix, textTemplate)
{
}

CParamDataToText::CParamDataToText(const CParamDataToText& other) : IParamValueToText(), CParamValueToText(other) {}

IParamValueToText* CParamDataToText::Clone() const
{
    return new CParamDataToText(*this);
}

void CParamDataToText::SetParamInfo(const IConstParamInfo& info)
{
    m_ParamInfo.CopyFrom(info);
    NotifyChanged();
}

bool CParamDataToText::AppendPlaceholder(Core::CCharString& out, const char* name, int length, float value) const
{
    if (IsPlaceholder(name, length, "{unit}")) {
        out.Append(m_ParamInfo.GetUnit(), false);
    } else if (IsPlaceholder(name, length, "{min}")) {
        FormatValue(out, m_ParamInfo.GetMin());
    } else if (IsPlaceholder(name, length, "{max}")) {
        FormatValue(out, m_ParamInfo.GetMax());
    } else if (IsPlaceholder(name, length, "{default}")) {
        FormatValue(out, m_ParamInfo.GetDefault());
    } else if (IsPlaceholder(name, length, "{comment}")) {
        out.Append(m_ParamInfo.GetComment(), false);
    } else if (IsPlaceholder(name, length, "{name}")) {
        out.Append(m_ParamInfo.GetName(), false);
    } else if (IsPlaceholder(name, length, "{text_value}")) {
        char* text = nullptr;
        m_ParamInfo.GetValueToText()->ToText(&text, value);
        out.Append(text, false);
        delete[] text;
    } else {
        return CParamValueToText::AppendPlaceholder(out, name, length, value);
    }
    return true;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
