#pragma once

#include "Veltis/Runtime/IRTTypeInfo.h"
#include "Veltis/Runtime/TObjectFactory.h"

namespace Veltis {
namespace Runtime {

// The type record of class C, from its constants C::kTypeName and its class identifier.
template <class C>
class TTypeInfo : public IRTTypeInfo {
public:
    // The one record of C, created on first use and kept until process exit.
    static const TTypeInfo& GetInstance()
    {
        static const TTypeInfo instance;
        return instance;
    }

    const char* GetTypeName() const override { return C::kTypeName; }
    const char* GetTypeId() const override { return TClassId<C>::Get(); }
};

} // namespace Runtime
} // namespace Veltis
