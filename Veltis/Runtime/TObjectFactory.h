#pragma once

#include "Veltis/Runtime/IObjectFactory.h"

#include <cstring>
#include <type_traits>

namespace Veltis {
namespace Runtime {

// The identifier under which class C registers: by default its constant C::kClassId. Specialise it
// for classes that keep their identifiers in a table.
template <class C>
struct TClassId {
    static constexpr const char* Get() { return C::kClassId; }
};

// The identifier of interface I: by default its constant I::kInterfaceId.
template <class I>
struct TInterfaceId {
    static constexpr const char* Get() { return I::kInterfaceId; }
};

// The identifier that creation of C through I asks for: C's class identifier when I is C itself.
template <class C, class I>
constexpr const char* GetFactoryInterfaceId()
{
    if constexpr (std::is_same<C, I>::value)
        return TClassId<C>::Get();
    else
        return TInterfaceId<I>::Get();
}

// Stateless factory of new default C objects, handed out as their I part.
template <class C, class I>
class TObjectFactory : public virtual IObjectFactory {
public:
    void* CreateObject(const char* classId, const char* interfaceId) override
    {
        if (classId == nullptr || interfaceId == nullptr)
            return nullptr;
        if (std::strcmp(classId, TClassId<C>::Get()) != 0 ||
            std::strcmp(interfaceId, GetFactoryInterfaceId<C, I>()) != 0)
            return nullptr;
        I* object = new C();
        return object;
    }

    void* CreateObject(const char* classId) override { return CreateObject(classId, classId); }
};

} // namespace Runtime
} // namespace Veltis
