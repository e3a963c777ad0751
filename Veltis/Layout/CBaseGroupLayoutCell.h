#pragma once

#include "Veltis/Core/TCommand.h"
#include "Veltis/Layout/CLayoutCell.h"
#include "Veltis/Layout/CLayoutOptions.h"
#include "Veltis/Layout/IGroupLayoutCell.h"

#include <cstdint>

namespace Veltis {
namespace Layout {

// What group and table cells share: margins, internal alignment, automatic or fixed size, and the
// relayout command that each child's options copy notifies.
class CBaseGroupLayoutCell : public CLayoutCell, public virtual IGroupLayoutCell {
public:
    CBaseGroupLayoutCell(int hMargin, int vMargin);
    ~CBaseGroupLayoutCell() override;

    // Every setter stores a changed value and relayouts; an unchanged value does nothing.
    void SetAutoWidth(bool autoWidth) override;
    void SetAutoHeight(bool autoHeight) override;
    void SetFixedSize(const Core::C2DSize& size) override;
    void SetInternalAlign(const Core::Align::C2DAlign& align) override;
    void SetInternalHAlign(Core::Align::EHAlign align) override;
    Core::Align::EHAlign GetInternalHAlign() const override;
    void SetInternalVAlign(Core::Align::EVAlign align) override;
    Core::Align::EVAlign GetInternalVAlign() const override;
    void SetHMargin(int margin) override;
    int GetHMargin() const override { return m_HMargin; }
    void SetVMargin(int margin) override;
    int GetVMargin() const override { return m_VMargin; }

    // Both automatic flags at once.
    virtual void SetAutoSize(bool autoSize);
    // The size the content asks for; with updateChildren, every displayed child is brought up to date first.
    virtual void ComputeNaturalSize(bool updateChildren) = 0;

    // The natural size, with the fixed width or height where the automatic flag is off.
    void UpdateSize() override;

    Core::C2DSize GetNaturalSize() const { return m_NaturalSize; }

protected:
    // One child: the cell, the group's own copy of its options and the ownership flag.
    class CChild {
    public:
        CChild(ILayoutCell* cell, const ILayoutOptions& options, int owned)
            : m_Cell(cell), m_Options(options), m_Owned(owned)
        {
        }
        bool IsShown() const { return m_Cell && m_Cell->IsDisplayed(); }

        ILayoutCell* m_Cell; // null once released
        CLayoutOptions m_Options;
        int m_Owned;
    };

    // Relayouts this group whenever the child's options change.
    void Listen(CChild& child);
    void StopListening(CChild& child);
    // Stops listening; deletes an owned cell when asked, else, with forgetOwner, makes a cell that
    // this group owns ownerless, so that it never reaches a group that may be gone.
    void Release(CChild& child, bool deleteOwned, bool forgetOwner);
    // The child's size as the natural size counts it: relative sizes count 0.
    Core::C2DSize NaturalChildSize(CChild& child, bool updateChildren);
    // Gives a child with relative sizes its share of the available extents; true when it changed.
    bool ApplyRelativeSize(CChild& child, int64_t availableWidth, int64_t availableHeight);
    void SetNaturalSize(int64_t width, int64_t height);

    // Stores a changed value and relayouts.
    template <class T>
    void SetIfChanged(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Relayout();
    }

    int m_HMargin;
    int m_VMargin;
    Core::C2DSize m_FixedSize;
    int m_InternalHAlign;
    int m_InternalVAlign;
    bool m_AutoWidth;
    bool m_AutoHeight;
    Core::C2DSize m_NaturalSize;

private:
    Core::TCommand<CBaseGroupLayoutCell> m_RelayoutCommand;
};

} // namespace Layout
} // namespace Veltis
