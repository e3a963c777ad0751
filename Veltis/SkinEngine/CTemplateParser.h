#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"
#include "Veltis/SkinEngine/IParsedTemplatesMap.h"

#include <deque>
#include <unordered_map>

namespace Veltis {
namespace Containers {
class IConstNamedAttributes;
}
namespace Core {
class IMessageLog;
}
namespace SkinEngine {

class CTemplateNode;
class CTemplateRootNode;

// Records stretches of element events as templates for later replay: the bodies of TEMPLATE and
// REPEAT elements and recorded collection bodies. Inside a body, elements named like the template
// element nest (their ends do not close the body) and the first inner-content element becomes the
// placeholder.
class CTemplateParser {
public:
    // The recorded templates by id; owns them.
    class CTemplatesMap : public IParsedTemplatesMap {
    public:
        CTemplatesMap() {}
        ~CTemplatesMap() override;
        CTemplatesMap(const CTemplatesMap&) = delete;
        CTemplatesMap& operator=(const CTemplatesMap&) = delete;

        // "itemsCount", then "item<i>" = {"name": id, "value": root node}.
        bool Serialize(Serialization::IWriteDataStream& stream) const override;
        IParsedTemplate* Find(const char* id) const override;
        IParsedTemplate* Detach(const char* id) override;
        // Adds the templates read; a read id that is already present keeps the template already there
        // (a replay of it may be pending). False at the first template that cannot be read.
        bool DeSerialize(const Serialization::IReadDataStream& stream) override;

        CTemplateRootNode* FindRoot(const char* id) const;
        // Takes root over; false (root deleted) when the id is taken.
        bool Add(CTemplateRootNode* root);
        void Clear();
        int GetCount() const { return static_cast<int>(m_Templates.size()); }

    private:
        std::unordered_map<Core::CCharString, CTemplateRootNode*, CoreUtilities::CCharStringHash,
                           CoreUtilities::CCharStringEquals>
            m_Templates;
    };

    // Empty or null names: no element nests and no placeholder is recognised. log may be null.
    CTemplateParser(const char* templateElement, const char* innerContentElement, Core::IMessageLog* log);
    virtual ~CTemplateParser();
    CTemplateParser(const CTemplateParser&) = delete;
    CTemplateParser& operator=(const CTemplateParser&) = delete;

    // Begins a template named by the attribute "id"; false when it is missing or already used (with a
    // log; without one the result is true and nothing is begun).
    virtual bool StartTemplate(const Containers::IConstNamedAttributes& attributes);
    virtual bool EndTemplate();
    virtual void RecordStartElement(const char* name, const Containers::IConstNamedAttributes& attributes);
    virtual void RecordEndElement(const char* name);
    virtual void BeginTemplate(const char* id, const Containers::IConstNamedAttributes& attributes);

    void Clear();

    CTemplatesMap& GetTemplates() { return m_Templates; }
    const CTemplatesMap& GetTemplates() const { return m_Templates; }
    int GetOpenNodesCount() const { return static_cast<int>(m_OpenNodes.size()); }
    int GetNestingCount() const { return m_NestingCount; }

private:
    CTemplatesMap m_Templates;
    Core::IMessageLog* m_Log;
    std::deque<CTemplateNode*> m_OpenNodes;
    Core::CCharString m_TemplateElement;
    Core::CCharString m_InnerContentElement;
    bool m_HasPlaceholder;
    int m_NestingCount;
};

} // namespace SkinEngine
} // namespace Veltis
