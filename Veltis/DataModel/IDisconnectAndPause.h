#pragma once

#include "Veltis/Core/IDisconnect.h"

namespace Veltis {
namespace DataModel {

// Something that propagates between model objects: it can let go of them, or stop (true) and resume
// (false) propagating without letting go.
class IDisconnectAndPause : public virtual Core::IDisconnect {
public:
    virtual void SetPaused(bool paused) = 0;
};

} // namespace DataModel
} // namespace Veltis
