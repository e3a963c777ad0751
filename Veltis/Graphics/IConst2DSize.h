#pragma once

#include "Veltis/Core/C2DSize.h"

namespace Veltis {
namespace Core {
class IEventProvider;
}

namespace Graphics {

// Something with a pixel size that announces when the size changes.
class IConst2DSize {
public:
    virtual Core::C2DSize GetSize() = 0;
    virtual Core::IEventProvider& GetSizeChangedEvent() = 0;
    virtual ~IConst2DSize() {}
};

} // namespace Graphics
} // namespace Veltis
