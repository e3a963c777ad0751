#pragma once

#include "Veltis/Graphics/CBitmap.h"
#include "Veltis/Graphics/ISharedBitmap.h"

namespace Veltis {
namespace Graphics {

// A bitmap that hands out further shares of its pixels.
class CSharedBitmap : public CBitmap, public virtual ISharedBitmap {
public:
    ISharedBitmap* Share() override;
    ISharedBitmap* Share() const override;
    int GetShareCount() const override;

protected:
    // Takes the holder's count as it is: the caller has counted this share.
    explicit CSharedBitmap(CSharedNativeHandle* holder) : CBitmap(holder) {}
};

} // namespace Graphics
} // namespace Veltis
