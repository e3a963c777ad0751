#pragma once

#include "Veltis/Graphics/CSharedBitmap.h"

namespace Veltis {
namespace Graphics {

// A shared bitmap with storage of its own, made at a requested depth (1, 8, 16, 24 or 32).
class CDIBBitmap : public CSharedBitmap {
public:
    CDIBBitmap(const Core::C2DSize& size, int bitsPerPixel);
    // The context's depth while there is a context (1 reports 8, 24 reports 32), else the requested one.
    int GetBitsPerPixel() const override;

private:
    mutable int32_t m_BitsPerPixel;
};

} // namespace Graphics
} // namespace Veltis
