#pragma once

#include "Veltis/Core/C2DRectangle.h"
#include "Veltis/Graphics/I2DSize.h"

namespace Veltis {
namespace Layout {

class IGroupLayoutCell;

// A node of a layout tree: its size is its I2DSize; groups size and place their children, leaves
// stand for what they place.
class ILayoutCell : public virtual Graphics::I2DSize {
public:
    // Removes every cell this cell contains.
    virtual void Clear() = 0;
    // UpdateSize, then Arrange.
    virtual void Place(const Core::C2DRectangle& rectangle) = 0;
    // Place in the cell's own rectangle.
    virtual void UpdateLayout() = 0;
    // Brings the size up to date when it is dirty.
    virtual void UpdateSize() = 0;
    // Moves the top-left corner to the rectangle's and places the content; the size is kept.
    virtual void Arrange(const Core::C2DRectangle& rectangle) = 0;
    virtual bool HasOwner() const = 0;
    virtual void SetOwner(IGroupLayoutCell* owner) = 0;
    // Leaves the owner without being deleted.
    virtual void Detach() = 0;
    virtual void SetDisplayed(bool displayed) = 0;
    virtual bool IsDisplayed() const = 0;
    // Displayed, and every owner up to the root too.
    virtual bool IsDisplayedInTree() const = 0;
    virtual void SetAutoUpdate(bool autoUpdate) = 0;
    virtual bool IsAutoUpdate() const = 0;
    // Something the size or arrangement depends on changed.
    virtual void Relayout() = 0;
    // The group that holds the cell, so that a group releases only the cells it holds.
    virtual IGroupLayoutCell* GetOwner() const = 0;
};

} // namespace Layout
} // namespace Veltis
