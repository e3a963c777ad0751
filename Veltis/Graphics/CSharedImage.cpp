#include "Veltis/Graphics/CSharedImage.h"

#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreGraphics.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

CSharedImage::CSharedImage(CGImageRef image) : CImage(new CSharedNativeHandle(image)) {}

CSharedImage::CSharedImage(CSharedNativeHandle* holder) : CImage(holder)
{
    if (m_Holder)
        m_Holder->AddShare();
}

ISharedImage* CSharedImage::Share() const
{
    if (m_Holder)
        return new CSharedImage(m_Holder);
    return new CSharedImage(static_cast<CGImageRef>(nullptr));
}

ISharedImage* CSharedImage::Share()
{
    return static_cast<const CSharedImage*>(this)->Share();
}

int CSharedImage::GetShareCount() const
{
    return m_Holder ? m_Holder->GetShareCount() : 0;
}

} // namespace Graphics
} // namespace Veltis
