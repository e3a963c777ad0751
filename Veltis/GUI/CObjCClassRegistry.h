#pragma once

// The classes this module image registered, disposed of when the image is unloaded.

#include "Native/Types.h"
#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"
#include "Veltis/System/CCriticalSection.h"

#include <unordered_map>
#include <vector>

namespace Veltis {
namespace GUI {
namespace OSXGUIUtils {

class CObjCClassRegistry {
public:
    // One per module image, made on first use.
    static CObjCClassRegistry& Get();

    // Disposes of the classes in reverse order of registration, so that a subclass goes before its
    // superclass (the platform refuses to dispose of a class that still has subclasses).
    ~CObjCClassRegistry();

    void Insert(Native::Class cls);
    // Held while a fixed-purpose class is looked up and made, so that two threads make it once.
    System::CCriticalSection& GetLock() { return m_Lock; }

private:
    CObjCClassRegistry();
    CObjCClassRegistry(const CObjCClassRegistry&) = delete;
    CObjCClassRegistry& operator=(const CObjCClassRegistry&) = delete;

    System::CCriticalSection m_Lock;
    std::unordered_map<Core::CCharString, Native::Class, CoreUtilities::CCharStringHash,
                       CoreUtilities::CCharStringEquals>
        m_Classes;
    std::vector<Native::Class> m_Order;
};

} // namespace OSXGUIUtils
} // namespace GUI
} // namespace Veltis
