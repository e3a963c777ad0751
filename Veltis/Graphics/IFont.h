#pragma once

#include "Veltis/Graphics/IFontDescription.h"

#include "Native/Types.h"

namespace Veltis {
namespace Graphics {

// A font description that produces a native font.
class IFont : public virtual IFontDescription {
public:
    // A new font with the same description, owned by the caller.
    virtual IFont* Clone() const = 0;
    // Owned by the font or its cache; may be null.
    virtual Native::CTFontRef GetNativeFont() = 0;
    virtual Native::CTFontRef GetNativeFont() const = 0;
};

} // namespace Graphics
} // namespace Veltis
