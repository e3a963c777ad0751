#pragma once

#include "Veltis/Containers/CNamedAttributes.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/Serialization/ISerializable.h"

#include <vector>

namespace Veltis {
namespace SkinEngine {

class CParsedTemplateNodeInstance;
class IParserElementHandler;

// One recorded element of a template: its tag, its attributes as recorded and its children.
class CTemplateNode : public Serialization::ISerializable {
public:
    CTemplateNode(const char* name, const Containers::IConstNamedAttributes* attributes);
    // Destroys the whole subtree without recursing, however deep it is.
    ~CTemplateNode() override;
    CTemplateNode(const CTemplateNode&) = delete;
    CTemplateNode& operator=(const CTemplateNode&) = delete;

    // "name", "attributes", "childrenCount", then "child<i>"; the children's results are not included.
    bool Serialize(Serialization::IWriteDataStream& stream) const override;
    // Replays the node at once into handler; null when it was replayed completely, otherwise the pending
    // instance (the caller owns it).
    virtual CParsedTemplateNodeInstance* CreateInstance(const Containers::IConstNamedAttributes& parameters,
                                                        IParserElementHandler& handler) const;
    bool DeSerialize(const Serialization::IReadDataStream& stream) override;

    const char* GetName() const { return m_Name.GetString(); }
    const Containers::CNamedAttributes& GetAttributes() const { return m_Attributes; }
    Containers::CNamedAttributes& GetAttributes() { return m_Attributes; }
    int GetChildrenCount() const { return static_cast<int>(m_Children.size()); }
    const CTemplateNode* GetChild(int index) const { return m_Children[index]; }
    // Takes the child over.
    void AddChild(CTemplateNode* child) { m_Children.push_back(child); }

    // Deepest tree that DeSerialize accepts: a node read from a stream never nests deeper than a recorded
    // one may.
    static const int kMaxReadDepth = 1024;

protected:
    bool DeSerializeAtDepth(const Serialization::IReadDataStream& stream, int depth);

private:
    Core::CCharString m_Name;
    Containers::CNamedAttributes m_Attributes;
    std::vector<CTemplateNode*> m_Children;
};

} // namespace SkinEngine
} // namespace Veltis
