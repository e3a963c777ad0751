#pragma once

#include "Veltis/Core/CColor.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TArgEventProvider.h"
#include "Veltis/Graphics/I2DGraphics.h"

namespace Veltis {
namespace Graphics {

// The base of every drawing object: the size (clamped to 0), the size-changed event and the invalidate
// event, whose rectangles are in the object's own coordinates.
class C2DGraphicsBase : public virtual I2DGraphics {
public:
    C2DGraphicsBase() {}
    C2DGraphicsBase(const C2DGraphicsBase&) = delete;
    C2DGraphicsBase& operator=(const C2DGraphicsBase&) = delete;
    ~C2DGraphicsBase() override {}

    Core::TIArgEventProvider<const Core::C2DRectangle&>& GetInvalidateEvent() override { return m_InvalidateEvent; }
    // Raises the size-changed event (never the invalidate event) when the given size differs.
    void SetSize(const Core::C2DSize& size) override;
    Core::C2DSize GetSize() override { return m_Size; }
    Core::IEventProvider& GetSizeChangedEvent() override { return m_SizeChangedEvent; }

protected:
    // Stores a colour that differs and invalidates the whole area.
    void SetInvalidatingColor(Core::CColor& field, const Core::CColor& color);
    // The whole area, (0, 0, width, height).
    void InvalidateAll();
    // The bounds of the region being repainted, else the whole area.
    Core::C2DRectangle GetUpdateRectangle(const ISimple2DRegion* region);

private:
    Core::C2DSize m_Size;
    Core::CEventProvider m_SizeChangedEvent;
    Core::TArgEventProvider<const Core::C2DRectangle&> m_InvalidateEvent;
};

} // namespace Graphics
} // namespace Veltis
