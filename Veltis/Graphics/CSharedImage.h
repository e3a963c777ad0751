#pragma once

#include "Veltis/Graphics/CImage.h"
#include "Veltis/Graphics/ISharedImage.h"

namespace Veltis {
namespace Graphics {

// One share of a native picture: every holder of a picture owns its own object, all pointing at one
// reference-counted holder. GUI thread only.
class CSharedImage : public CImage, public virtual ISharedImage {
public:
    // A new holder (count 1, no notification) taking over one reference to the image, which may be null.
    explicit CSharedImage(Native::CGImageRef image);
    // One more share of an existing holder.
    explicit CSharedImage(CSharedNativeHandle* holder);

    ISharedImage* Share() const override;
    ISharedImage* Share() override;
    int GetShareCount() const override;
};

} // namespace Graphics
} // namespace Veltis
