#include "Veltis/DataModel/Objects/CCurveInfo.h"

#include "Veltis/DataModel/Objects/OwnedText.h"
#include "Veltis/Math/CConstantFunction.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

CCurveInfo::CCurveInfo(const char* name, const char* comment)
    : m_Name(CopyOwnedText(name)), m_Comment(CopyOwnedText(comment)),
      m_AxisListener(this, &CCurveInfo::OnAxisInfoChanged), m_DefaultFunction(nullptr), m_GeneratedDefault(nullptr)
{
    AddAxisListener();
}

CCurveInfo::CCurveInfo(const char* name, const char* comment, const IConstParamInfo& xInfo,
                       const IConstParamInfo& yInfo, const Math::IFunction* defaultFunction)
    : m_XInfo(xInfo), m_YInfo(yInfo), m_Name(CopyOwnedText(name)), m_Comment(CopyOwnedText(comment)),
      m_AxisListener(this, &CCurveInfo::OnAxisInfoChanged),
      m_DefaultFunction(defaultFunction ? defaultFunction->Clone() : nullptr), m_GeneratedDefault(nullptr)
{
    AddAxisListener();
}

CCurveInfo::CCurveInfo(const CCurveInfo& other)
    : IConstObjectInfo(), IConstCurveInfo(), m_XInfo(other.m_XInfo), m_YInfo(other.m_YInfo),
      m_Name(CopyOwnedText(other.m_Name)), m_Comment(CopyOwnedText(other.m_Comment)),
      m_AxisListener(this, &CCurveInfo::OnAxisInfoChanged),
      m_DefaultFunction(other.m_DefaultFunction ? other.m_DefaultFunction->Clone() : nullptr),
      m_GeneratedDefault(nullptr)
{
    AddAxisListener();
}

CCurveInfo::CCurveInfo(const IConstCurveInfo& other)
    : m_Name(nullptr), m_Comment(nullptr), m_AxisListener(this, &CCurveInfo::OnAxisInfoChanged),
      m_DefaultFunction(nullptr), m_GeneratedDefault(nullptr)
{
    m_XInfo.CopyFrom(other.GetXInfo());
    m_YInfo.CopyFrom(other.GetYInfo());
    m_Name = CopyOwnedText(other.GetName());
    m_Comment = CopyOwnedText(other.GetComment());
    m_DefaultFunction = other.GetDefaultFunction().Clone();
    AddAxisListener();
}

CCurveInfo::~CCurveInfo()
{
    delete[] m_Name;
    delete[] m_Comment;
    delete m_DefaultFunction;
    DeleteGeneratedDefault();
    RemoveAxisListener();
}

CCurveInfo& CCurveInfo::operator=(const CCurveInfo& other)
{
    CopyFrom(other);
    return *this;
}

CCurveInfo& CCurveInfo::operator=(const IConstCurveInfo& other)
{
    CopyFrom(other);
    return *this;
}

const Math::IFunction& CCurveInfo::GetDefaultFunction() const
{
    if (m_DefaultFunction)
        return *m_DefaultFunction;
    if (!m_GeneratedDefault)
        m_GeneratedDefault = new Math::CConstantFunction(m_YInfo.GetDefault());
    return *m_GeneratedDefault;
}

void CCurveInfo::SetName(const char* name)
{
    ReplaceOwnedText(m_Name, name);
    m_ChangedEvent.Notify();
}

void CCurveInfo::SetComment(const char* comment)
{
    ReplaceOwnedText(m_Comment, comment);
    m_ChangedEvent.Notify();
}

void CCurveInfo::SetXInfo(const IConstParamInfo& info)
{
    m_XInfo.CopyFrom(info);
}

void CCurveInfo::SetYInfo(const IConstParamInfo& info)
{
    m_YInfo.CopyFrom(info);
}

void CCurveInfo::CopyFrom(const IConstCurveInfo& other)
{
    RemoveAxisListener();
    m_XInfo.CopyFrom(other.GetXInfo());
    m_YInfo.CopyFrom(other.GetYInfo());
    ReplaceOwnedText(m_Comment, other.GetComment());
    ReplaceOwnedText(m_Name, other.GetName());
    // Cloned first: the other's default may be this record's own, generated or not.
    Math::IFunction* defaultFunction = other.GetDefaultFunction().Clone();
    DeleteGeneratedDefault();
    delete m_DefaultFunction;
    m_DefaultFunction = defaultFunction;
    AddAxisListener();
    m_ChangedEvent.Notify();
}

void CCurveInfo::AddAxisListener()
{
    m_XInfo.GetChangedEvent().AddListener(m_AxisListener);
    m_YInfo.GetChangedEvent().AddListener(m_AxisListener);
}

void CCurveInfo::RemoveAxisListener()
{
    m_XInfo.GetChangedEvent().RemoveListener(&m_AxisListener);
    m_YInfo.GetChangedEvent().RemoveListener(&m_AxisListener);
}

void CCurveInfo::OnAxisInfoChanged()
{
    DeleteGeneratedDefault();
    m_ChangedEvent.Notify();
}

void CCurveInfo::DeleteGeneratedDefault() const
{
    delete m_GeneratedDefault;
    m_GeneratedDefault = nullptr;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
