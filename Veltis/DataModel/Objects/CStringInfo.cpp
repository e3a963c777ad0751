#include "Veltis/DataModel/Objects/CStringInfo.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CStringInfo::CStringInfo(const IConstObjectInfo& other)
{
    CopyTexts(other);
}

CStringInfo::CStringInfo(const CStringInfo& other)
    : IConstObjectInfo(), IObjectInfo(), IConstStringInfo(), CObjectInfo(other)
{
}

CStringInfo& CStringInfo::operator=(const CStringInfo& other)
{
    CopyFrom(static_cast<const IConstStringInfo&>(other));
    return *this;
}

CStringInfo& CStringInfo::operator=(const IConstStringInfo& other)
{
    CopyFrom(other);
    return *this;
}

void CStringInfo::SetDefaultValue(const char* value)
{
    m_DefaultValue = value;
    NotifyChanged();
}

void CStringInfo::CopyFrom(const IConstStringInfo& other)
{
    CopyTexts(other);
    m_DefaultValue = other.GetDefaultValue();
    NotifyChanged();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
