#pragma once

#include "Veltis/Core/C2DSize.h"

#include "Native/Types.h"

namespace Veltis {
namespace Graphics {

// The read-only face of an immutable native picture, which every surface draws and every catalog holds.
class IImage {
public:
    virtual Native::CGImageRef GetNativeImage() const = 0;
    virtual Native::CGImageRef GetNativeImage() = 0;
    virtual Core::C2DSize GetSize() const = 0;
    virtual int GetBitsPerPixel() const = 0;
    virtual ~IImage() {}
};

} // namespace Graphics
} // namespace Veltis
