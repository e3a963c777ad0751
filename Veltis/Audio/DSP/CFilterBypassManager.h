#pragma once

#include "Veltis/Audio/DSP/CFilterBypassManagerBase.h"
#include "Veltis/Core/THolder.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// The bypass manager that owns its scratch buffers.
class CFilterBypassManager : private Core::THolder<CFilterBypassManagerBase::CBuffers>,
                             public CFilterBypassManagerBase {
public:
    CFilterBypassManager() : CFilterBypassManagerBase(&m_Object) {}
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
