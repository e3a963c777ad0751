#include "Veltis/DataModel/Objects/CSurfaceInfo.h"

#include "Veltis/DataModel/Objects/OwnedText.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CSurfaceInfo::CSurfaceInfo(const char* name, const char* comment)
    : m_Name(CopyOwnedText(name)), m_Comment(CopyOwnedText(comment)),
      m_AxisListener(this, &CSurfaceInfo::OnAxisInfoChanged)
{
    AddAxisListener();
}

CSurfaceInfo::CSurfaceInfo(const CSurfaceInfo& other)
    : CSurfaceInfo(static_cast<const IConstSurfaceInfo&>(other))
{
}

CSurfaceInfo::CSurfaceInfo(const IConstSurfaceInfo& other)
    : m_XInfo(other.GetXInfo()), m_YInfo(other.GetYInfo()), m_ZInfo(other.GetZInfo()),
      m_Name(CopyOwnedText(other.GetName())), m_Comment(CopyOwnedText(other.GetComment())),
      m_AxisListener(this, &CSurfaceInfo::OnAxisInfoChanged)
{
    AddAxisListener();
}

CSurfaceInfo::~CSurfaceInfo()
{
    delete[] m_Name;
    delete[] m_Comment;
    RemoveAxisListener();
}

CSurfaceInfo& CSurfaceInfo::operator=(const CSurfaceInfo& other)
{
    CopyFrom(other);
    return *this;
}

CSurfaceInfo& CSurfaceInfo::operator=(const IConstSurfaceInfo& other)
{
    CopyFrom(other);
    return *this;
}

void CSurfaceInfo::SetName(const char* name)
{
    ReplaceOwnedText(m_Name, name);
    m_ChangedEvent.Notify();
}

void CSurfaceInfo::SetComment(const char* comment)
{
    ReplaceOwnedText(m_Comment, comment);
    m_ChangedEvent.Notify();
}

void CSurfaceInfo::SetXInfo(const IConstParamInfo& info)
{
    m_XInfo.CopyFrom(info);
}

void CSurfaceInfo::SetYInfo(const IConstParamInfo& info)
{
    m_YInfo.CopyFrom(info);
}

void CSurfaceInfo::SetZInfo(const IConstParamInfo& info)
{
    m_ZInfo.CopyFrom(info);
}

void CSurfaceInfo::CopyFrom(const IConstSurfaceInfo& other)
{
    RemoveAxisListener();
    m_XInfo.CopyFrom(other.GetXInfo());
    m_YInfo.CopyFrom(other.GetYInfo());
    m_ZInfo.CopyFrom(other.GetZInfo());
    ReplaceOwnedText(m_Comment, other.GetComment());
    ReplaceOwnedText(m_Name, other.GetName());
    AddAxisListener();
    m_ChangedEvent.Notify();
}

void CSurfaceInfo::AddAxisListener()
{
    m_XInfo.GetChangedEvent().AddListener(m_AxisListener);
    m_YInfo.GetChangedEvent().AddListener(m_AxisListener);
    m_ZInfo.GetChangedEvent().AddListener(m_AxisListener);
}

void CSurfaceInfo::RemoveAxisListener()
{
    m_XInfo.GetChangedEvent().RemoveListener(&m_AxisListener);
    m_YInfo.GetChangedEvent().RemoveListener(&m_AxisListener);
    m_ZInfo.GetChangedEvent().RemoveListener(&m_AxisListener);
}

void CSurfaceInfo::OnAxisInfoChanged()
{
    m_ChangedEvent.Notify();
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
