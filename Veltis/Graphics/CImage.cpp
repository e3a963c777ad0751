#include "Veltis/Graphics/CImage.h"

#include "Veltis/Graphics/CSharedNativeHandle.h"
#include "Veltis/Graphics/NativeGraphicsQueries.h"

#include "Native/CoreGraphics.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

CGImageRef CImage::GetNativeImage() const
{
    return m_Holder ? static_cast<CGImageRef>(m_Holder->GetHandle()) : nullptr;
}

CGImageRef CImage::GetNativeImage()
{
    return static_cast<const CImage*>(this)->GetNativeImage();
}

Core::C2DSize CImage::GetSize() const
{
    return GetImageSize(GetNativeImage());
}

int CImage::GetBitsPerPixel() const
{
    return GetImageBitsPerPixel(GetNativeImage());
}

CImage::~CImage()
{
    if (m_Holder)
        m_Holder->Release();
}

} // namespace Graphics
} // namespace Veltis
