#pragma once

#include "Veltis/Runtime/IObjectFactory.h"
#include "Veltis/Runtime/TObjectFactory.h"

#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"

#include <unordered_map>

namespace Veltis {
namespace Runtime {

// The process-wide registry that re-creates objects from their stored class identifiers. Classes
// register during static initialisation; afterwards the table is only read, from any thread, so it
// has no lock. Registering after start-up is not supported.
class CObjectsFactory : public virtual IObjectFactory {
public:
    // Created on first use, so the order in which files are initialised does not matter.
    static CObjectsFactory* GetInstance();

    CObjectsFactory();
    ~CObjectsFactory() override;
    CObjectsFactory(const CObjectsFactory&) = delete;
    CObjectsFactory& operator=(const CObjectsFactory&) = delete;

    // Not owned: factories are static objects of the registering classes. False, and the first
    // registration kept, when the pair is already registered.
    bool RegisterFactory(const char* classId, const char* interfaceId, IObjectFactory* factory);

    void* CreateObject(const char* classId, const char* interfaceId) override;
    void* CreateObject(const char* classId) override;

private:
    // Keyed by class identifier + "-" + interface identifier.
    std::unordered_map<Core::CCharString, IObjectFactory*, CoreUtilities::CCharStringHash,
                       CoreUtilities::CCharStringEquals>
        m_Factories;
};

// The form that static initialisers call.
bool RegisterObjectFactory(const char* classId, const char* interfaceId, IObjectFactory* factory);

// Registers C under its class identifier and, when I is another type, under I's identifier too, with
// factories that live until process exit. Meant for a namespace-scope initialiser in C's source file:
//     static const bool s_Registered = RegisterObjectFactories<CFoo, IFoo>();
template <class C, class I = C>
bool RegisterObjectFactories()
{
    static TObjectFactory<C, C> classFactory;
    bool registered = RegisterObjectFactory(TClassId<C>::Get(), TClassId<C>::Get(), &classFactory);
    if constexpr (!std::is_same<C, I>::value) {
        static TObjectFactory<C, I> interfaceFactory;
        registered = RegisterObjectFactory(TClassId<C>::Get(), TInterfaceId<I>::Get(), &interfaceFactory) &&
                     registered;
    }
    return registered;
}

} // namespace Runtime
} // namespace Veltis
