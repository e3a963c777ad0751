#include "Veltis/Graphics/CSharedBitmap.h"

#include "Veltis/Graphics/CSharedNativeHandle.h"

namespace Veltis {
namespace Graphics {

ISharedBitmap* CSharedBitmap::Share()
{
    m_Holder->AddShare();
    return new CSharedBitmap(m_Holder);
}

ISharedBitmap* CSharedBitmap::Share() const
{
    return const_cast<CSharedBitmap*>(this)->Share();
}

int CSharedBitmap::GetShareCount() const
{
    return m_Holder->GetShareCount();
}

} // namespace Graphics
} // namespace Veltis
