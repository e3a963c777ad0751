#include "Veltis/DataModel/CObjectInfo.h"

namespace Veltis {
namespace DataModel {

CObjectInfo::CObjectInfo(const char* name, const char* comment) : m_Name(name), m_Comment(comment) {}

CObjectInfo::CObjectInfo(const CObjectInfo& other)
    : IConstObjectInfo(), IObjectInfo(), m_Name(other.GetName()), m_Comment(other.GetComment())
{
}

CObjectInfo& CObjectInfo::operator=(const CObjectInfo& other)
{
    CopyFrom(other);
    return *this;
}

CObjectInfo& CObjectInfo::operator=(const IConstObjectInfo& other)
{
    CopyFrom(other);
    return *this;
}

void CObjectInfo::SetName(const char* name)
{
    m_Name = name;
    NotifyChanged();
}

void CObjectInfo::SetComment(const char* comment)
{
    m_Comment = comment;
    NotifyChanged();
}

void CObjectInfo::CopyFrom(const IConstObjectInfo& other)
{
    CopyTexts(other);
    NotifyChanged();
}

void CObjectInfo::CopyTexts(const IConstObjectInfo& other)
{
    m_Name = other.GetName();
    m_Comment = other.GetComment();
}

} // namespace DataModel
} // namespace Veltis
