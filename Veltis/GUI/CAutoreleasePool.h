#pragma once

// An autorelease pool for a scope: the native objects autoreleased inside it go when it ends.

#include "Native/Types.h"

namespace Veltis {
namespace GUI {
namespace OSXGUIUtils {

class CAutoreleasePool {
public:
    CAutoreleasePool();
    ~CAutoreleasePool();
    CAutoreleasePool(const CAutoreleasePool&) = delete;
    CAutoreleasePool& operator=(const CAutoreleasePool&) = delete;

private:
    Native::NSAutoreleasePool* m_Pool;
};

} // namespace OSXGUIUtils
} // namespace GUI
} // namespace Veltis
