#include "Veltis/Graphics/CBitmap.h"

#include "Veltis/Graphics/BitmapContext.h"
#include "Veltis/Graphics/CBitmapSurface.h"
#include "Veltis/Graphics/CDIB16BGRIterator.h"
#include "Veltis/Graphics/CDIB24BGRIterator.h"
#include "Veltis/Graphics/CDIB32BGRIterator.h"
#include "Veltis/Graphics/CDIB8MonoIterator.h"
#include "Veltis/Graphics/CSharedImage.h"
#include "Veltis/Graphics/CSharedNativeHandle.h"
#include "Veltis/Graphics/NativeGraphicsQueries.h"
#include "Veltis/Graphics/TDIBPixelAccess.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"

#include <cstring>

using namespace Native;

namespace Veltis {
namespace Graphics {

namespace {

// The bytes of rows of the depth, as Clear counts them; 0 for a depth without a layout.
int64_t StorageBytes(int bitsPerPixel, int64_t width, int64_t height)
{
    switch (bitsPerPixel) {
    case 8:
        return CDIB8MonoIterator::GetStride(width) * height;
    case 16:
        return CDIB16BGRIterator::GetStride(width) * 2 * height;
    case 24:
        return CDIB24BGRIterator::GetStride(width) * height;
    case 32:
        return width * 4 * height;
    default:
        return 0;
    }
}

IRGBPixelAccess* MakePixelAccess(int bitsPerPixel, void* bits, const Core::C2DSize& size)
{
    if (!bits)
        return nullptr;
    switch (bitsPerPixel) {
    case 8:
        return new TDIBPixelAccess<CDIB8MonoIterator>(bits, size.width, size.height);
    case 16:
        return new TDIBPixelAccess<CDIB16BGRIterator>(bits, size.width, size.height);
    case 24:
        return new TDIBPixelAccess<CDIB24BGRIterator>(bits, size.width, size.height);
    case 32:
        return new TDIBPixelAccess<CDIB32BGRIterator>(bits, size.width, size.height);
    default:
        return nullptr;
    }
}

} // namespace

CGContextRef CBitmap::GetContext() const
{
    return m_Holder ? static_cast<CGContextRef>(m_Holder->GetHandle()) : nullptr;
}

CGContextRef CBitmap::GetNativeContext()
{
    return GetContext();
}

Core::C2DSize CBitmap::GetSize() const
{
    return GetBitmapSize(GetContext());
}

int CBitmap::GetBitsPerPixel() const
{
    return GetBitmapBitsPerPixel(GetContext());
}

const void* CBitmap::GetBits() const
{
    return GetBitmapData(GetContext());
}

void* CBitmap::GetBits()
{
    return GetBitmapData(GetContext());
}

IDrawSurface* CBitmap::GetDrawSurface() const
{
    CGContextRef context = GetContext();
    if (!context || !CGBitmapContextGetData(context))
        return nullptr;
    CFRetain(context);
    return CreateDIBSurface(context);
}

IDrawSurface* CBitmap::GetDrawSurface()
{
    return static_cast<const CBitmap*>(this)->GetDrawSurface();
}

void CBitmap::Clear()
{
    void* bits = GetBits();
    if (!bits)
        return;
    Core::C2DSize size = GetSize();
    int64_t bytes = StorageBytes(GetBitsPerPixel(), size.width, size.height);
    if (bytes > 0)
        std::memset(bits, 0, size_t(bytes));
}

IImage* CBitmap::GetImage()
{
    return new CSharedImage(CreateImageFromSharedBitmap(m_Holder));
}

IRGBPixelAccess* CBitmap::GetPixelAccess()
{
    return MakePixelAccess(GetBitsPerPixel(), GetBits(), GetSize());
}

const IRGBPixelAccess* CBitmap::GetPixelAccess() const
{
    return MakePixelAccess(GetBitsPerPixel(), const_cast<void*>(GetBits()), GetSize());
}

void CBitmap::GiveBackShare()
{
    if (!m_Holder)
        return;
    if (m_Holder->GetShareCount() == 1)
        delete[] static_cast<uint8_t*>(GetBitmapData(GetContext()));
    m_Holder->Release();
    m_Holder = nullptr;
}

CBitmap::~CBitmap()
{
    GiveBackShare();
}

void CBitmap::SetNativeContext(CGContextRef context)
{
    GiveBackShare();
    m_Holder = new CSharedNativeHandle(context);
}

void CBitmap::Resize(const Core::C2DSize& size)
{
    if (size == GetSize())
        return;
    if (size.width > 0 && size.height > 0)
        SetNativeContext(CreateBitmapContext(size, GetBitsPerPixel()));
    else
        SetNativeContext(nullptr);
}

} // namespace Graphics
} // namespace Veltis
