#pragma once

#include "Veltis/Graphics/CImageCatalog.h"

namespace Veltis {
namespace Graphics {

// A catalog whose number of entries its owner sets after construction.
class CDynamicImageCatalog : public CImageCatalog {
public:
    explicit CDynamicImageCatalog(int count = 0) : CImageCatalog(count) {}
};

} // namespace Graphics
} // namespace Veltis
