#include "Veltis/GUI/CObjCClassRegistry.h"

#include "Native/Runtime.h"
#include "Veltis/Core/CAutoLock.h"

namespace Veltis {
namespace GUI {
namespace OSXGUIUtils {

CObjCClassRegistry& CObjCClassRegistry::Get()
{
    static CObjCClassRegistry registry;
    return registry;
}

CObjCClassRegistry::CObjCClassRegistry() : m_Classes(193) {}

CObjCClassRegistry::~CObjCClassRegistry()
{
    Core::CAutoLock lock(&m_Lock);
    for (auto cls = m_Order.rbegin(); cls != m_Order.rend(); ++cls)
        Native::objc_disposeClassPair(*cls);
    m_Order.clear();
    m_Classes.clear();
}

void CObjCClassRegistry::Insert(Native::Class cls)
{
    Core::CAutoLock lock(&m_Lock);
    m_Classes.reserve(m_Classes.size() + 1);
    if (m_Classes.emplace(Core::CCharString(Native::class_getName(cls)), cls).second)
        m_Order.push_back(cls);
}

} // namespace OSXGUIUtils
} // namespace GUI
} // namespace Veltis
