#pragma once

#include "Veltis/Core/IConstCapture.h"

namespace Veltis {
namespace Core {

// An edit gesture that can be begun and ended.
class ICapture : public virtual IConstCapture {
public:
    virtual void BeginCapture() = 0;
    virtual void EndCapture() = 0;
};

} // namespace Core
} // namespace Veltis
