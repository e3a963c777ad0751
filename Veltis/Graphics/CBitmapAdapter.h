#pragma once

#include "Veltis/Graphics/CBitmap.h"

namespace Veltis {
namespace Graphics {

// A bitmap over a context that belongs to somebody else (a draw surface), who takes the context back
// with DetachNativeContext before deleting the adapter.
class CBitmapAdapter : public CBitmap {
public:
    explicit CBitmapAdapter(Native::CGContextRef context);
    using CBitmap::SetNativeContext;
    // The context, forgotten without releasing anything.
    virtual Native::CGContextRef DetachNativeContext();
};

} // namespace Graphics
} // namespace Veltis
