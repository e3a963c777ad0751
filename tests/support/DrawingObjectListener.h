#pragma once

#include "Veltis/Core/C2DRectangle.h"
#include "Veltis/Core/TIArgCommand.h"
#include "Veltis/Graphics/C2DGraphicsBase.h"
#include "support/CCountingCommand.h"

#include <vector>

namespace VeltisTest {

// Records the rectangles of an invalidate event.
class CRectangleLog : public virtual Veltis::Core::TIArgCommand<const Veltis::Core::C2DRectangle&> {
public:
    void Execute(const Veltis::Core::C2DRectangle& rectangle) override { rectangles.push_back(rectangle); }
    std::vector<Veltis::Core::C2DRectangle> rectangles;
};

// Listens to both events of a drawing object for as long as it lives.
struct Listener {
    explicit Listener(Veltis::Graphics::C2DGraphicsBase& graphics_) : graphics(graphics_)
    {
        graphics.GetSizeChangedEvent().AddListener(sizes);
        graphics.GetInvalidateEvent().AddListener(invalidations);
    }
    ~Listener()
    {
        graphics.GetSizeChangedEvent().RemoveListener(&sizes);
        graphics.GetInvalidateEvent().RemoveListener(&invalidations);
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    Veltis::Graphics::C2DGraphicsBase& graphics;
    CCountingCommand sizes;
    CRectangleLog invalidations;
};

} // namespace VeltisTest
