#pragma once

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/IEnable.h"

namespace Veltis {
namespace Core {

// An enable flag, on when created, that announces real changes only.
class CEnable : public virtual IEnable {
public:
    CEnable() : m_Enabled(true) {}

    bool IsEnabled() override { return m_Enabled; }
    IEventProvider& GetEnableChangedEvent() override { return m_EnableChanged; }
    void Enable(bool enabled) override;

private:
    bool m_Enabled;
    CEventProvider m_EnableChanged;
};

} // namespace Core
} // namespace Veltis
