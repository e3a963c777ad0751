#pragma once

#include "Veltis/Core/C2DSize.h"

#include "Native/Types.h"

namespace Veltis {
namespace Graphics {

// A native layer with its size in pixels, drawn by the layer operations of draw surfaces; nothing in the
// system makes one.
class ILayer {
public:
    virtual Native::CGLayerRef GetNativeLayer() const = 0;
    virtual Native::CGLayerRef GetNativeLayer() = 0;
    virtual Core::C2DSize GetSize() const = 0;
    virtual ~ILayer() {}
};

} // namespace Graphics
} // namespace Veltis
