#include "Veltis/Runtime/CDynamicObject.h"

#include "Veltis/Runtime/TTypeInfo.h"

namespace Veltis {
namespace Runtime {

CDynamicObject::CDynamicObject() : m_Facets(100) {}

CDynamicObject::~CDynamicObject()
{
    for (auto& entry : m_Facets)
        delete entry.second;
}

bool CDynamicObject::AddObject(Core::IVoid* holder, const char* interfaceId)
{
    if (holder == nullptr)
        return false;
    if (interfaceId == nullptr || !m_Facets.emplace(Core::CCharString(interfaceId), holder).second) {
        delete holder;
        return false;
    }
    return true;
}

const IRTTypeInfo& CDynamicObject::GetTypeInfo() const
{
    return TTypeInfo<CDynamicObject>::GetInstance();
}

void* CDynamicObject::GetObject(const char* interfaceId)
{
    if (interfaceId == nullptr)
        return nullptr;
    const auto found = m_Facets.find(Core::CCharString(interfaceId));
    return found != m_Facets.end() ? found->second->GetVoidPointer() : nullptr;
}

const void* CDynamicObject::GetObject(const char* interfaceId) const
{
    if (interfaceId == nullptr)
        return nullptr;
    const auto found = m_Facets.find(Core::CCharString(interfaceId));
    return found != m_Facets.end() ? static_cast<const Core::IVoid*>(found->second)->GetVoidPointer() : nullptr;
}

} // namespace Runtime
} // namespace Veltis
