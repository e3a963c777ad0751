#pragma once

#include "Veltis/Core/TOwnership.h"
#include "Veltis/DataModel/CObjectInfo.h"
#include "Veltis/DataModel/Objects/IActionInfo.h"
#include "Veltis/Graphics/I2DGraphics.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The descriptor of an action: the object-info texts and a drawing object held with its ownership
// flag. Replacing the drawing object announces nothing.
class CActionInfo : public CObjectInfo, public virtual IActionInfo {
public:
    explicit CActionInfo(const char* name = nullptr, const char* comment = nullptr,
                         const Graphics::I2DGraphics* graphics = nullptr, bool owned = false)
        : CObjectInfo(name, comment), m_Graphics(graphics, owned ? 1 : 0)
    {
    }

    const Graphics::I2DGraphics* GetGraphics() const override { return m_Graphics.Get(); }
    void SetGraphics(const Graphics::I2DGraphics* graphics, bool owned) override { m_Graphics.Set(graphics, owned ? 1 : 0); }

private:
    Core::TOwnership<const Graphics::I2DGraphics> m_Graphics;
};

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
