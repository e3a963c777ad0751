#pragma once

namespace Veltis {
namespace Containers {
class IConstNamedAttributes;
}
namespace SkinEngine {

class CTemplateNode;
class IParserElementHandler;

// The replay of one template node: its start, its children in order, then its end. A child that stays
// pending (the placeholder, or an ancestor of it) suspends the replay until it is played again.
class CParsedTemplateNodeInstance {
public:
    CParsedTemplateNodeInstance(IParserElementHandler& handler, const CTemplateNode& node);
    virtual ~CParsedTemplateNodeInstance();
    CParsedTemplateNodeInstance(const CParsedTemplateNodeInstance&) = delete;
    CParsedTemplateNodeInstance& operator=(const CParsedTemplateNodeInstance&) = delete;

    // True when the node has been replayed completely.
    virtual bool Play(const Containers::IConstNamedAttributes& parameters);

protected:
    // Creates the remaining children's instances until one stays pending; true when none does.
    bool PlayChildren(const Containers::IConstNamedAttributes& parameters);

    IParserElementHandler& m_Handler;
    const CTemplateNode& m_Node;
    int m_NextChild;
    CParsedTemplateNodeInstance* m_Pending;
    bool m_Started;
};

} // namespace SkinEngine
} // namespace Veltis
