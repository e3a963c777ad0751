#include "Veltis/DataModel/Objects/CProductInfo.h"

#include "Veltis/DataModel/Objects/OwnedText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CProductInfo::CProductInfo(const char* name, const char* version, const char* copyright, const char* comment)
    : m_Name(CopyOwnedText(name)), m_Version(CopyOwnedText(version)), m_Copyright(CopyOwnedText(copyright)),
      m_Comment(CopyOwnedText(comment))
{
}

CProductInfo::CProductInfo(const CProductInfo& other)
    : CProductInfo(static_cast<const IConstProductInfo&>(other))
{
}

CProductInfo::CProductInfo(const IConstProductInfo& other)
    : CProductInfo(other.GetName(), other.GetVersion(), other.GetCopyright(), other.GetComment())
{
}

CProductInfo::~CProductInfo()
{
    delete[] m_Name;
    delete[] m_Version;
    delete[] m_Copyright;
    delete[] m_Comment;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
