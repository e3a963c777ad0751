#include "Veltis/SkinEngine/CDefineParser.h"

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Core/IMessageLog.h"
#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/CSerializableNamedAttributes.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/Serialization/TSerializableNamedPointer.h"

#include <memory>

namespace Veltis {
namespace SkinEngine {

namespace {

const char kBaseType[] = "base_type";

} // namespace

CDefineParser::CDefineParser(Core::IMessageLog* log) : m_Log(log) {}

CDefineParser::~CDefineParser()
{
    Clear();
}

bool CDefineParser::Serialize(Serialization::IWriteDataStream& stream) const
{
    const bool result = stream.WriteInt("itemsCount", static_cast<int>(m_Definitions.size()));
    Serialization::CIndexedName names("item");
    int index = 0;
    for (const auto& entry : m_Definitions) {
        Serialization::CSerializableNamedAttributes attributes(entry.second);
        Serialization::TSerializableNamedPointer<Serialization::CSerializableNamedAttributes> item(
            entry.first.GetString(), &attributes);
        if (!stream.WriteObject(names.Get(index++), item))
            return false;
    }
    return result;
}

void CDefineParser::Define(const char* tag, const Containers::IConstNamedAttributes& attributes)
{
    if (Find(tag) == nullptr) {
        AddDefinition(tag, attributes);
        return;
    }
    Undefine(tag);
    AddDefinition(tag, attributes);
    if (m_Log) {
        Core::CCharString text(tag);
        text.Append(": this element has already been defined. The new definition overrides the previous one.");
        m_Log->AddMessage(1, text.GetString(), 0);
    }
}

bool CDefineParser::DeSerialize(const Serialization::IReadDataStream& stream)
{
    int count = 0;
    if (!stream.ReadInt("itemsCount", count) || count < 0 || count > stream.GetValueCount())
        return false;
    Serialization::CIndexedName names("item");
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<Containers::CNamedAttributes> definition(new Containers::CNamedAttributes());
        Serialization::CSerializableNamedAttributes attributes(definition.get());
        Serialization::TSerializableNamedPointer<Serialization::CSerializableNamedAttributes> item(nullptr,
                                                                                                  &attributes);
        if (!stream.ReadObject(names.Get(i), item))
            return false;
        Undefine(item.GetName());
        m_Definitions.emplace(Core::CCharString(item.GetName()), definition.release());
    }
    return true;
}

void CDefineParser::AddDefinition(const char* tag, const Containers::IConstNamedAttributes& attributes)
{
    const char* baseType = attributes.GetValue(kBaseType);
    const char* problem = nullptr;
    if (baseType == nullptr)
        problem = ": invalid definition, the mandatory 'base_type' attribute is not defined";
    else if (Core::CCharString(tag) == baseType)
        problem = ": base_type cannot be the same as the defined element name.";
    if (problem) {
        if (m_Log) {
            Core::CCharString text(tag);
            text.Append(problem);
            m_Log->AddMessage(0, text.GetString(), 0);
        }
        return;
    }
    Undefine(tag);
    m_Definitions.emplace(Core::CCharString(tag), new Containers::CNamedAttributes(attributes));
}

const char* CDefineParser::ExpandDefinedElement(const char* tag, Containers::INamedAttributes& attributes) const
{
    const Containers::CNamedAttributes* definition = Find(tag);
    if (definition == nullptr)
        return nullptr;
    std::unique_ptr<Containers::IConstValueIterator<const char*>> names(definition->GetNamesIterator());
    std::unique_ptr<Containers::IConstValueIterator<const char*>> values(definition->GetValuesIterator());
    for (names->First(), values->First(); !names->IsEnd(); names->Next(), values->Next()) {
        if (attributes.GetValue(names->GetCurrent()) == nullptr)
            attributes.SetValue(names->GetCurrent(), values->GetCurrent());
    }
    return definition->GetValue(kBaseType);
}

const char* CDefineParser::GetBaseType(const char* tag) const
{
    const Containers::CNamedAttributes* definition = Find(tag);
    return definition ? definition->GetValue(kBaseType) : nullptr;
}

void CDefineParser::Undefine(const char* tag)
{
    if (tag == nullptr)
        return;
    const auto found = m_Definitions.find(Core::CCharString(tag));
    if (found == m_Definitions.end())
        return;
    delete found->second;
    m_Definitions.erase(found);
}

void CDefineParser::Clear()
{
    for (auto& entry : m_Definitions)
        delete entry.second;
    m_Definitions.clear();
}

const Containers::CNamedAttributes* CDefineParser::Find(const char* tag) const
{
    if (tag == nullptr || m_Definitions.empty())
        return nullptr;
    const auto found = m_Definitions.find(Core::CCharString(tag));
    return found != m_Definitions.end() ? found->second : nullptr;
}

} // namespace SkinEngine
} // namespace Veltis
