#include "Veltis/Graphics/CBitmapSurface.h"

#include "Veltis/Graphics/CDIB16BGRIterator.h"
#include "Veltis/Graphics/CDIB24BGRIterator.h"
#include "Veltis/Graphics/CDIB32BGRIterator.h"
#include "Veltis/Graphics/CDIB8MonoIterator.h"
#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/IFont.h"
#include "Veltis/Graphics/TDIBSurface.h"

#include "Native/CoreGraphics.h"

#include <memory>

using namespace Native;

namespace Veltis {
namespace Graphics {

CBitmapSurface::CBitmapSurface(CGContextRef context) : CDrawSurface(), m_Bitmap(context)
{
    SetContext(context);
}

CBitmapSurface::~CBitmapSurface()
{
    m_Bitmap.DetachNativeContext();
}

Core::C2DPoint CBitmapSurface::GetOrigin()
{
    if (!GetNativeContext())
        return Core::C2DPoint(0, 0);
    int32_t height = m_Bitmap.GetSize().height;
    CGAffineTransform ctm = CGContextGetCTM(GetNativeContext());
    return Core::C2DPoint(static_cast<int32_t>(ctm.tx + 0.5), height - static_cast<int32_t>(ctm.ty + 0.5));
}

IBitmap* CBitmapSurface::GetBitmap()
{
    return &m_Bitmap;
}

const IBitmap* CBitmapSurface::GetBitmap() const
{
    return &m_Bitmap;
}

IAdaptedDrawSurface* CreateDIBSurface(CGContextRef context)
{
    if (!context || !CGBitmapContextGetData(context))
        return nullptr;
    switch (CGBitmapContextGetBitsPerPixel(context)) {
    case 8:
        return new TDIBSurface<CDIB8MonoIterator>(context);
    case 16:
        return new TDIBSurface<CDIB16BGRIterator>(context);
    case 24:
        return new TDIBSurface<CDIB24BGRIterator>(context);
    case 32:
        return new TDIBSurface<CDIB32BGRIterator>(context);
    default:
        return new CBitmapSurface(context);
    }
}

Core::C2DSize MeasureText(const char* text, const CTextFormat& format, int width, const IFont* font,
                          IDrawSurface* surface)
{
    CDIBBitmap scratch(Core::C2DSize(2, 2), 32);
    std::unique_ptr<IDrawSurface> own;
    if (!surface) {
        own.reset(scratch.GetDrawSurface());
        surface = own.get();
    }
    if (!surface)
        return Core::C2DSize(0, 0);
    surface->SaveState();
    if (font)
        surface->SetFont(*font);
    Core::C2DSize size = surface->GetTextSize(text, format, width);
    surface->RestoreState();
    return size;
}

} // namespace Graphics
} // namespace Veltis
