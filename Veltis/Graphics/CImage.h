#pragma once

#include "Veltis/Graphics/IImage.h"

namespace Veltis {
namespace Graphics {

class CSharedNativeHandle;

// The part of a shared image that holds one share of the native picture's holder; only built as the
// base of CSharedImage.
class CImage : public virtual IImage {
public:
    Native::CGImageRef GetNativeImage() const override;
    Native::CGImageRef GetNativeImage() override;
    // The native picture's size, 0 x 0 without one.
    Core::C2DSize GetSize() const override;
    // 0 without a native picture.
    int GetBitsPerPixel() const override;
    // Gives the share back; the last one releases the native picture.
    ~CImage() override;

protected:
    explicit CImage(CSharedNativeHandle* holder) : m_Holder(holder) {}
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    CSharedNativeHandle* m_Holder;
};

} // namespace Graphics
} // namespace Veltis
