#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/IVoid.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"
#include "Veltis/Runtime/IDynamicObject.h"

#include <unordered_map>

namespace Veltis {
namespace Runtime {

// A dynamic object whose facets are held by ownership holders (usually Core::TOwnership of the
// facet's interface), one per interface identifier. Used on one thread at a time.
class CDynamicObject : public virtual IDynamicObject {
public:
    static constexpr const char* kClassId = "{333790A5-1B99-4191-9302-B44A3503D4E4}";
    static constexpr const char* kTypeName = "CDynamicObject";

    CDynamicObject();
    // Deletes every holder, and through them every facet they own.
    ~CDynamicObject() override;
    CDynamicObject(const CDynamicObject&) = delete;
    CDynamicObject& operator=(const CDynamicObject&) = delete;

    // Always takes the holder over. True when the identifier was new; otherwise the holder is deleted
    // at once (with its facet when it owns it) and the facet already stored stays.
    bool AddObject(Core::IVoid* holder, const char* interfaceId);

    const IRTTypeInfo& GetTypeInfo() const override;
    void* GetObject(const char* interfaceId) override;
    const void* GetObject(const char* interfaceId) const override;

private:
    std::unordered_map<Core::CCharString, Core::IVoid*, CoreUtilities::CCharStringHash,
                       CoreUtilities::CCharStringEquals>
        m_Facets;
};

} // namespace Runtime
} // namespace Veltis
