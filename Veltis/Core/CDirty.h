#pragma once

#include "Veltis/Core/IDirty.h"

namespace Veltis {
namespace Core {

// A dirty flag, clear when created; nothing is notified.
class CDirty : public virtual IDirty {
public:
    CDirty() : m_Dirty(false) {}

    bool IsDirty() override { return m_Dirty; }
    void ClearDirty() override { m_Dirty = false; }
    virtual void SetDirty() { m_Dirty = true; }

private:
    bool m_Dirty;
};

} // namespace Core
} // namespace Veltis
