#pragma once

#include "Veltis/Graphics/IBitmap.h"

namespace Veltis {
namespace Graphics {

// A bitmap whose pixels several bitmap objects share; deleting one gives its share back.
class ISharedBitmap : public virtual IBitmap {
public:
    // A new share of the same pixels, owned by the caller.
    virtual ISharedBitmap* Share() = 0;
    virtual ISharedBitmap* Share() const = 0;
    // Bitmap shares plus images made by GetImage still alive.
    virtual int GetShareCount() const = 0;
};

} // namespace Graphics
} // namespace Veltis
