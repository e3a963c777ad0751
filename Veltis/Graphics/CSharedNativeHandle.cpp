#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreFoundation.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

CSharedNativeHandle::CSharedNativeHandle(id handle) : m_Handle(handle), m_ShareCount(1) {}

void CSharedNativeHandle::AddShare()
{
    ++m_ShareCount;
    m_ChangeEvent.Notify();
}

void CSharedNativeHandle::Release()
{
    --m_ShareCount;
    m_ChangeEvent.Notify();
    // Read after the listeners ran: one of them may have taken a share.
    if (m_ShareCount > 0)
        return;
    if (m_Handle)
        CFRelease(m_Handle);
    delete this;
}

} // namespace Graphics
} // namespace Veltis
