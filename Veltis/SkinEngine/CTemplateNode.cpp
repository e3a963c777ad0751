#include "Veltis/SkinEngine/CTemplateNode.h"

#include "Veltis/Containers/ReplaceVariables.h"
#include "Veltis/Serialization/CIndexedName.h"
#include "Veltis/Serialization/CSerializableNamedAttributes.h"
#include "Veltis/Serialization/IReadDataStream.h"
#include "Veltis/Serialization/IWriteDataStream.h"
#include "Veltis/SkinEngine/CParsedTemplateNodeInstance.h"

namespace Veltis {
namespace SkinEngine {

namespace {

// Reads one child at the depth below its parent, so that a stream cannot nest nodes without bound.
class CChildReader : public Serialization::IDeSerialize {
public:
    typedef bool (*Reader)(CTemplateNode& node, const Serialization::IReadDataStream& stream, int depth);

    CChildReader(CTemplateNode& node, int depth, Reader reader) : m_Node(node), m_Depth(depth), m_Reader(reader) {}

    bool DeSerialize(const Serialization::IReadDataStream& stream) override { return m_Reader(m_Node, stream, m_Depth); }

private:
    CTemplateNode& m_Node;
    int m_Depth;
    Reader m_Reader;
};

} // namespace

CTemplateNode::CTemplateNode(const char* name, const Containers::IConstNamedAttributes* attributes) : m_Name(name)
{
    if (attributes)
        m_Attributes.SetValues(*attributes, true);
}

CTemplateNode::~CTemplateNode()
{
    std::vector<CTemplateNode*> pending;
    pending.swap(m_Children);
    while (!pending.empty()) {
        CTemplateNode* node = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), node->m_Children.begin(), node->m_Children.end());
        node->m_Children.clear();
        delete node;
    }
}

bool CTemplateNode::Serialize(Serialization::IWriteDataStream& stream) const
{
    bool result = stream.WriteString("name", m_Name.GetString());
    Serialization::CSerializableNamedAttributes attributes(const_cast<Containers::CNamedAttributes*>(&m_Attributes));
    result = stream.WriteObject("attributes", attributes) && result;
    result = stream.WriteInt("childrenCount", GetChildrenCount()) && result;
    Serialization::CIndexedName names("child");
    for (int i = 0; i < GetChildrenCount(); ++i)
        stream.WriteObject(names.Get(i), *m_Children[i]);
    return result;
}

CParsedTemplateNodeInstance* CTemplateNode::CreateInstance(const Containers::IConstNamedAttributes& parameters,
                                                           IParserElementHandler& handler) const
{
    CParsedTemplateNodeInstance* instance = new CParsedTemplateNodeInstance(handler, *this);
    if (instance->Play(parameters)) {
        delete instance;
        return nullptr;
    }
    return instance;
}

bool CTemplateNode::DeSerialize(const Serialization::IReadDataStream& stream)
{
    return DeSerializeAtDepth(stream, 0);
}

bool CTemplateNode::DeSerializeAtDepth(const Serialization::IReadDataStream& stream, int depth)
{
    char* name = nullptr;
    bool result = stream.ReadString("name", name);
    if (result)
        m_Name.Attach(name);
    Serialization::CSerializableNamedAttributes attributes(&m_Attributes);
    result = stream.ReadObject("attributes", attributes) && result;
    int count = 0;
    result = stream.ReadInt("childrenCount", count) && result;
    if (!result || count < 0 || count > stream.GetValueCount() || (count > 0 && depth >= kMaxReadDepth))
        return false;
    Serialization::CIndexedName names("child");
    const CChildReader::Reader reader = [](CTemplateNode& node, const Serialization::IReadDataStream& s, int d) {
        return node.DeSerializeAtDepth(s, d);
    };
    for (int i = 0; i < count; ++i) {
        CTemplateNode* child = new CTemplateNode(nullptr, nullptr);
        CChildReader childReader(*child, depth + 1, reader);
        if (stream.ReadObject(names.Get(i), childReader)) {
            m_Children.push_back(child);
        } else {
            delete child;
            result = false;
        }
    }
    return result;
}

} // namespace SkinEngine
} // namespace Veltis
