#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"
#include "Veltis/Serialization/ISerializable.h"

#include <unordered_map>

namespace Veltis {
namespace Containers {
class CNamedAttributes;
class IConstNamedAttributes;
class INamedAttributes;
}
namespace Core {
class IMessageLog;
}
namespace SkinEngine {

// The element definitions of a skin: each defined tag stands for its base type ("base_type") with
// default attributes, which the elements using the tag complete.
class CDefineParser : public Serialization::ISerializable {
public:
    // log may be null: no message is written then.
    explicit CDefineParser(Core::IMessageLog* log);
    ~CDefineParser() override;
    CDefineParser(const CDefineParser&) = delete;
    CDefineParser& operator=(const CDefineParser&) = delete;

    // "itemsCount", then "item<i>" = {"name": tag, "value": attributes}.
    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    // Redefining removes the old definition first, so a refused redefinition leaves the tag undefined.
    virtual void Define(const char* tag, const Containers::IConstNamedAttributes& attributes);
    // Adds the definitions read; a tag read again replaces its definition. False at the first
    // definition that cannot be read.
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;
    virtual void AddDefinition(const char* tag, const Containers::IConstNamedAttributes& attributes);

    // Adds the definition's attributes that the element lacks; the base type, or null (attributes
    // untouched) when the tag is not defined. The text belongs to the definition.
    const char* ExpandDefinedElement(const char* tag, Containers::INamedAttributes& attributes) const;
    const char* GetBaseType(const char* tag) const;
    void Undefine(const char* tag);
    void Clear();

private:
    const Containers::CNamedAttributes* Find(const char* tag) const;

    Core::IMessageLog* m_Log;
    std::unordered_map<Core::CCharString, Containers::CNamedAttributes*, CoreUtilities::CCharStringHash,
                       CoreUtilities::CCharStringEquals>
        m_Definitions;
};

} // namespace SkinEngine
} // namespace Veltis
