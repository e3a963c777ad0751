#pragma once

#include "Veltis/Graphics/IBitmap.h"

namespace Veltis {
namespace Graphics {

class CSharedNativeHandle;

// A bitmap over one share of its context's holder. The pixel memory belongs to the shares together:
// whoever gives back the last share frees it.
class CBitmap : public virtual IBitmap {
public:
    Native::CGContextRef GetNativeContext() override;
    Core::C2DSize GetSize() const override;
    int GetBitsPerPixel() const override;
    const void* GetBits() const override;
    void* GetBits() override;
    IDrawSurface* GetDrawSurface() override;
    IDrawSurface* GetDrawSurface() const override;
    void Clear() override;
    IImage* GetImage() override;
    IRGBPixelAccess* GetPixelAccess() override;
    const IRGBPixelAccess* GetPixelAccess() const override;
    ~CBitmap() override;

    // Gives back the share of the old context (freeing its pixels when it was the last) and holds the
    // given context, which may be null, and its pixels alone.
    virtual void SetNativeContext(Native::CGContextRef context);
    // New zeroed storage of the size at the same depth, or none for a size that is not positive.
    void Resize(const Core::C2DSize& size);

protected:
    explicit CBitmap(CSharedNativeHandle* holder) : m_Holder(holder) {}
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    Native::CGContextRef GetContext() const;
    void GiveBackShare();

    CSharedNativeHandle* m_Holder;
};

} // namespace Graphics
} // namespace Veltis
