#include "Veltis/SkinEngine/CTemplateParser.h"

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Core/IMessageLog.h"
#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TSerializableNamedPointer.h"
#include "Veltis/SkinEngine/CTemplateContentNode.h"
#include "Veltis/SkinEngine/CTemplateRootNode.h"

namespace Veltis {
namespace SkinEngine {

CTemplateParser::CTemplatesMap::~CTemplatesMap()
{
    Clear();
}

bool CTemplateParser::CTemplatesMap::Serialize(Serialization::IWriteDataStream& stream) const
{
    const bool result = stream.WriteInt("itemsCount", GetCount());
    Serialization::CIndexedName names("item");
    int index = 0;
    for (const auto& entry : m_Templates) {
        Serialization::TSerializableNamedPointer<CTemplateRootNode> item(entry.first.GetString(), entry.second);
        if (!stream.WriteObject(names.Get(index++), item))
            return false;
    }
    return result;
}

IParsedTemplate* CTemplateParser::CTemplatesMap::Find(const char* id) const
{
    return FindRoot(id);
}

CTemplateRootNode* CTemplateParser::CTemplatesMap::FindRoot(const char* id) const
{
    if (id == nullptr || m_Templates.empty())
        return nullptr;
    const auto found = m_Templates.find(Core::CCharString(id));
    return found != m_Templates.end() ? found->second : nullptr;
}

IParsedTemplate* CTemplateParser::CTemplatesMap::Detach(const char* id)
{
    if (id == nullptr)
        return nullptr;
    const auto found = m_Templates.find(Core::CCharString(id));
    if (found == m_Templates.end())
        return nullptr;
    CTemplateRootNode* root = found->second;
    m_Templates.erase(found);
    return root;
}

bool CTemplateParser::CTemplatesMap::DeSerialize(const Serialization::IReadDataStream& stream)
{
    int count = 0;
    if (!stream.ReadInt("itemsCount", count) || count < 0 || count > stream.GetValueCount())
        return false;
    Serialization::CIndexedName names("item");
    for (int i = 0; i < count; ++i) {
        CTemplateRootNode* root = new CTemplateRootNode();
        Serialization::TSerializableNamedPointer<CTemplateRootNode> item(nullptr, root);
        if (!stream.ReadObject(names.Get(i), item)) {
            delete root;
            return false;
        }
        if (!m_Templates.emplace(Core::CCharString(item.GetName()), root).second)
            delete root;
    }
    return true;
}

bool CTemplateParser::CTemplatesMap::Add(CTemplateRootNode* root)
{
    if (m_Templates.emplace(Core::CCharString(root->GetName()), root).second)
        return true;
    delete root;
    return false;
}

void CTemplateParser::CTemplatesMap::Clear()
{
    for (auto& entry : m_Templates)
        delete entry.second;
    m_Templates.clear();
}

CTemplateParser::CTemplateParser(const char* templateElement, const char* innerContentElement, Core::IMessageLog* log)
    : m_Log(log),
      m_TemplateElement(templateElement),
      m_InnerContentElement(innerContentElement),
      m_HasPlaceholder(false),
      m_NestingCount(0)
{
}

CTemplateParser::~CTemplateParser() {}

bool CTemplateParser::StartTemplate(const Containers::IConstNamedAttributes& attributes)
{
    const char* id = attributes.GetValue("id");
    if (id == nullptr) {
        if (!m_Log)
            return true;
        m_Log->AddMessage(0, "id attribute missing in template definition.", 0);
        return false;
    }
    if (m_Templates.FindRoot(id)) {
        if (!m_Log)
            return true;
        Core::CCharString text("'");
        text.Append(id);
        text.Append("': template already defined.");
        m_Log->AddMessage(0, text.GetString(), 0);
        return false;
    }
    BeginTemplate(id, attributes);
    return true;
}

bool CTemplateParser::EndTemplate()
{
    if (!m_OpenNodes.empty())
        m_OpenNodes.pop_back();
    m_HasPlaceholder = false;
    return true;
}

void CTemplateParser::RecordStartElement(const char* name, const Containers::IConstNamedAttributes& attributes)
{
    const bool namedLikeTemplate = m_TemplateElement.GetLength() > 0 && m_TemplateElement == name;
    if (namedLikeTemplate)
        ++m_NestingCount;
    if (m_OpenNodes.empty())
        return;
    CTemplateNode* node = nullptr;
    if (m_InnerContentElement.GetLength() > 0 && m_InnerContentElement == name && m_NestingCount == 0) {
        if (!m_HasPlaceholder) {
            node = new CTemplateContentNode(name, &attributes);
            m_HasPlaceholder = true;
        } else if (m_Log) {
            Core::CCharString text(m_InnerContentElement);
            text.Append(": cannot be used multiple times within a TEMPLATE");
            m_Log->AddMessage(1, text.GetString(), 0);
        }
    }
    if (node == nullptr)
        node = new CTemplateNode(name, &attributes);
    m_OpenNodes.back()->AddChild(node);
    m_OpenNodes.push_back(node);
}

void CTemplateParser::RecordEndElement(const char* name)
{
    if (!m_OpenNodes.empty())
        m_OpenNodes.pop_back();
    if (m_TemplateElement.GetLength() > 0 && m_TemplateElement == name)
        --m_NestingCount;
}

void CTemplateParser::BeginTemplate(const char* id, const Containers::IConstNamedAttributes& attributes)
{
    Containers::CNamedAttributes defaults(attributes);
    defaults.RemoveValue("id");
    CTemplateRootNode* root = new CTemplateRootNode(id, &defaults);
    if (m_Templates.Add(root))
        m_OpenNodes.push_back(root);
}

void CTemplateParser::Clear()
{
    m_Templates.Clear();
    m_OpenNodes.clear();
    m_NestingCount = 0;
    m_HasPlaceholder = false;
}

} // namespace SkinEngine
} // namespace Veltis
