#include "Veltis/Graphics/CDIBBitmap.h"

#include "Veltis/Graphics/BitmapContext.h"
#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreGraphics.h"
#include "Veltis/Graphics/NativeGraphicsQueries.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

CDIBBitmap::CDIBBitmap(const Core::C2DSize& size, int bitsPerPixel)
    : CSharedBitmap(new CSharedNativeHandle(nullptr)), m_BitsPerPixel(bitsPerPixel)
{
    CGContextRef context = CreateBitmapContext(size, bitsPerPixel);
    m_Holder->Release();
    m_Holder = new CSharedNativeHandle(context);
}

int CDIBBitmap::GetBitsPerPixel() const
{
    if (GetContext())
        m_BitsPerPixel = GetBitmapBitsPerPixel(GetContext());
    return m_BitsPerPixel;
}

} // namespace Graphics
} // namespace Veltis
