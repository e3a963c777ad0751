#include "Veltis/Layout/CBaseGroupLayoutCell.h"

#include "Veltis/Layout/LayoutArithmetic.h"

namespace Veltis {
namespace Layout {

using Detail::SaturateInt32;
using Detail::ScaleExtent;

CBaseGroupLayoutCell::CBaseGroupLayoutCell(int hMargin, int vMargin)
    : m_HMargin(hMargin), m_VMargin(vMargin), m_InternalHAlign(0), m_InternalVAlign(0), m_AutoWidth(true),
      m_AutoHeight(true), m_RelayoutCommand(this, &CBaseGroupLayoutCell::Relayout)
{
}

CBaseGroupLayoutCell::~CBaseGroupLayoutCell() {}

void CBaseGroupLayoutCell::SetAutoWidth(bool autoWidth)
{
    SetIfChanged(m_AutoWidth, autoWidth);
}

void CBaseGroupLayoutCell::SetAutoHeight(bool autoHeight)
{
    SetIfChanged(m_AutoHeight, autoHeight);
}

void CBaseGroupLayoutCell::SetAutoSize(bool autoSize)
{
    if (m_AutoWidth == autoSize && m_AutoHeight == autoSize)
        return;
    m_AutoWidth = autoSize;
    m_AutoHeight = autoSize;
    Relayout();
}

void CBaseGroupLayoutCell::SetFixedSize(const Core::C2DSize& size)
{
    SetIfChanged(m_FixedSize, size);
}

void CBaseGroupLayoutCell::SetInternalAlign(const Core::Align::C2DAlign& align)
{
    if (align.horizontal == m_InternalHAlign && align.vertical == m_InternalVAlign)
        return;
    m_InternalHAlign = align.horizontal;
    m_InternalVAlign = align.vertical;
    Relayout();
}

void CBaseGroupLayoutCell::SetInternalHAlign(Core::Align::EHAlign align)
{
    SetIfChanged(m_InternalHAlign, static_cast<int>(align));
}

Core::Align::EHAlign CBaseGroupLayoutCell::GetInternalHAlign() const
{
    return static_cast<Core::Align::EHAlign>(m_InternalHAlign);
}

void CBaseGroupLayoutCell::SetInternalVAlign(Core::Align::EVAlign align)
{
    SetIfChanged(m_InternalVAlign, static_cast<int>(align));
}

Core::Align::EVAlign CBaseGroupLayoutCell::GetInternalVAlign() const
{
    return static_cast<Core::Align::EVAlign>(m_InternalVAlign);
}

void CBaseGroupLayoutCell::SetHMargin(int margin)
{
    SetIfChanged(m_HMargin, margin);
}

void CBaseGroupLayoutCell::SetVMargin(int margin)
{
    SetIfChanged(m_VMargin, margin);
}

void CBaseGroupLayoutCell::UpdateSize()
{
    if (!m_Dirty.IsDirty())
        return;
    ComputeNaturalSize(true);
    Core::C2DSize size = m_NaturalSize;
    if (!m_AutoWidth)
        size.width = m_FixedSize.width;
    if (!m_AutoHeight)
        size.height = m_FixedSize.height;
    SetSize(size);
    m_Dirty.ClearDirty();
}

void CBaseGroupLayoutCell::Listen(CChild& child)
{
    child.m_Options.GetChangedEvents().AddListener(m_RelayoutCommand);
}

void CBaseGroupLayoutCell::StopListening(CChild& child)
{
    child.m_Options.GetChangedEvents().RemoveListener(&m_RelayoutCommand);
}

void CBaseGroupLayoutCell::Release(CChild& child, bool deleteOwned, bool forgetOwner)
{
    StopListening(child);
    ILayoutCell* cell = child.m_Cell;
    child.m_Cell = nullptr;
    if (!cell)
        return;
    if (deleteOwned && child.m_Owned == 1)
        delete cell;
    else if (forgetOwner && cell->GetOwner() == static_cast<IGroupLayoutCell*>(this))
        cell->SetOwner(nullptr);
}

Core::C2DSize CBaseGroupLayoutCell::NaturalChildSize(CChild& child, bool updateChildren)
{
    if (updateChildren)
        child.m_Cell->UpdateSize();
    Core::C2DSize size = child.m_Cell->GetSize();
    if (child.m_Options.HasRelativeWidth())
        size.width = 0;
    if (child.m_Options.HasRelativeHeight())
        size.height = 0;
    return size;
}

bool CBaseGroupLayoutCell::ApplyRelativeSize(CChild& child, int64_t availableWidth, int64_t availableHeight)
{
    const Core::C2DSize current = child.m_Cell->GetSize();
    Core::C2DSize size = current;
    if (child.m_Options.HasRelativeWidth())
        size.width = ScaleExtent(availableWidth, child.m_Options.GetRelativeWidth());
    if (child.m_Options.HasRelativeHeight())
        size.height = ScaleExtent(availableHeight, child.m_Options.GetRelativeHeight());
    if (size == current)
        return false;
    child.m_Cell->SetSize(size);
    return true;
}

void CBaseGroupLayoutCell::SetNaturalSize(int64_t width, int64_t height)
{
    m_NaturalSize = Core::C2DSize(SaturateInt32(width), SaturateInt32(height));
}

} // namespace Layout
} // namespace Veltis
