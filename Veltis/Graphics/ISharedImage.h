#pragma once

#include "Veltis/Graphics/IImage.h"

namespace Veltis {
namespace Graphics {

// An image whose native picture several image objects hold at once; deleting one gives its share back.
class ISharedImage : public virtual IImage {
public:
    // A new share on the same picture, owned by the caller.
    virtual ISharedImage* Share() const = 0;
    virtual ISharedImage* Share() = 0;
    virtual int GetShareCount() const = 0;
};

} // namespace Graphics
} // namespace Veltis
