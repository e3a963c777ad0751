#include "Veltis/DataModel/Objects/CParamTextEnumValueBuilderString.h"

#include "Veltis/Core/SaturatingCast.h"
#include "Veltis/DataModel/Objects/IParamInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CParamTextEnumValueBuilderString::CParamTextEnumValueBuilderString(IParamInfo* param)
    : m_Converter(nullptr, 0), m_Param(param)
{
}

int CParamTextEnumValueBuilderString::FirstIndexOf(float min)
{
    return Core::TruncateToInt(min + 0.5f);
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
