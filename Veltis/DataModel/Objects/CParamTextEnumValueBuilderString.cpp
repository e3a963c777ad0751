#include "Veltis/DataModel/Objects/CParamTextEnumValueBuilderString.h"

#include "Veltis/DataModel/Objects/IParamInfo.h"

#include <limits>

namespace Veltis {
namespace DataModel {
namespace Objects {

CParamTextEnumValueBuilderString::CParamTextEnumValueBuilderString(IParamInfo* param)
    : m_Converter(nullptr, 0), m_Param(param)
{
}

int CParamTextEnumValueBuilderString::FirstIndexOf(float min)
{
    const float first = min + 0.5f;
    if (!(first > static_cast<float>(std::numeric_limits<int>::min())))
        return std::numeric_limits<int>::min();
    if (first >= static_cast<float>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(first);
}

void CParamTextEnumValueBuilderString::StoreValue(const char* text)
{
    CCaptureString::StoreValue(text);
    if (!m_Param)
        return;
    m_Converter.SetTexts(GetValue(), FirstIndexOf(m_Param->GetMin()));
    m_Param->SetValueToText(m_Converter.Clone(), true);
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
