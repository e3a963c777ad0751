#pragma once

#include "Veltis/Core/Align.h"
#include "Veltis/Core/C2DSize.h"
#include "Veltis/Layout/ILayoutCell.h"

namespace Veltis {
namespace Layout {

class ILayoutOptions;

// A cell that sizes and places child cells, within margins, at a natural or a fixed size.
class IGroupLayoutCell : public virtual ILayoutCell {
public:
    // Adds the cell (owned == 1: the group deletes it) with a copy of the options; returns the
    // group's copy, which relayouts the group when changed, or null when nothing was added.
    virtual ILayoutOptions* AddCell(ILayoutCell* cell, const ILayoutOptions& options, int owned) = 0;
    virtual void RemoveCell(ILayoutCell* cell, bool deleteOwned) = 0;
    // The next AddCell inserts after this cell; null inserts first.
    virtual void SetInsertAfter(ILayoutCell* cell) = 0;
    virtual ILayoutCell* GetInsertAfter() const = 0;
    virtual void SetAutoWidth(bool autoWidth) = 0;
    virtual void SetAutoHeight(bool autoHeight) = 0;
    // Used where the automatic flag is off.
    virtual void SetFixedSize(const Core::C2DSize& size) = 0;
    virtual void SetInternalAlign(const Core::Align::C2DAlign& align) = 0;
    virtual void SetInternalHAlign(Core::Align::EHAlign align) = 0;
    virtual Core::Align::EHAlign GetInternalHAlign() const = 0;
    virtual void SetInternalVAlign(Core::Align::EVAlign align) = 0;
    virtual Core::Align::EVAlign GetInternalVAlign() const = 0;
    virtual void SetHMargin(int margin) = 0;
    virtual int GetHMargin() const = 0;
    virtual void SetVMargin(int margin) = 0;
    virtual int GetVMargin() const = 0;
};

} // namespace Layout
} // namespace Veltis
