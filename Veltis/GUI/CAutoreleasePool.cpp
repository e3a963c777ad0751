#include "Veltis/GUI/CAutoreleasePool.h"

#include "Native/Foundation.h"

namespace Veltis {
namespace GUI {
namespace OSXGUIUtils {

CAutoreleasePool::CAutoreleasePool()
{
    Native::NSApplicationLoad();
    m_Pool = Native::NSAutoreleasePool::alloc()->init();
}

CAutoreleasePool::~CAutoreleasePool()
{
    m_Pool->release();
}

} // namespace OSXGUIUtils
} // namespace GUI
} // namespace Veltis
