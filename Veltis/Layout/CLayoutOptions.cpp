#include "Veltis/Layout/CLayoutOptions.h"

#include <cmath>

namespace Veltis {
namespace Layout {

CLayoutOptions::CLayoutOptions()
    : m_HAlign(Core::Align::kHCenter), m_VAlign(Core::Align::kVCenter), m_HPosition(0), m_VPosition(0),
      m_HPositionSet(false), m_VPositionSet(false), m_RelativeWidth(-1.0f), m_RelativeHeight(-1.0f),
      m_Flex(0.0f)
{
}

CLayoutOptions::CLayoutOptions(const ILayoutOptions& source) : CLayoutOptions()
{
    CopyFrom(source);
}

CLayoutOptions::CLayoutOptions(const CLayoutOptions& source) : CLayoutOptions()
{
    CopyFrom(source);
}

void CLayoutOptions::CopyFrom(const ILayoutOptions& source)
{
    // Through the setters, so that a foreign implementation's NaN is dropped as a setter drops it.
    SetHAlign(source.GetHAlign());
    SetVAlign(source.GetVAlign());
    SetRelativeWidth(source.GetRelativeWidth());
    SetRelativeHeight(source.GetRelativeHeight());
    SetFlex(source.GetFlex());
    m_HPosition = source.GetHPosition();
    m_VPosition = source.GetVPosition();
    // The interface does not tell whether a position was set; only our own options know.
    const CLayoutOptions* own = dynamic_cast<const CLayoutOptions*>(&source);
    m_HPositionSet = own && own->m_HPositionSet;
    m_VPositionSet = own && own->m_VPositionSet;
}

void CLayoutOptions::SetInt(int& field, int value)
{
    if (field == value)
        return;
    field = value;
    m_Changed.Notify();
}

void CLayoutOptions::SetPosition(int& field, bool& set, int value)
{
    if (set && field == value)
        return;
    field = value;
    set = true;
    m_Changed.Notify();
}

void CLayoutOptions::SetFloat(float& field, float value)
{
    if (std::isnan(value) || field == value)
        return;
    field = value;
    m_Changed.Notify();
}

void CLayoutOptions::SetVAlign(Core::Align::EVAlign align)
{
    SetInt(m_VAlign, align);
}

void CLayoutOptions::SetHAlign(Core::Align::EHAlign align)
{
    SetInt(m_HAlign, align);
}

void CLayoutOptions::SetHPosition(int position)
{
    SetPosition(m_HPosition, m_HPositionSet, position);
}

void CLayoutOptions::SetVPosition(int position)
{
    SetPosition(m_VPosition, m_VPositionSet, position);
}

void CLayoutOptions::SetRelativeWidth(float fraction)
{
    SetFloat(m_RelativeWidth, fraction);
}

void CLayoutOptions::SetRelativeHeight(float fraction)
{
    SetFloat(m_RelativeHeight, fraction);
}

void CLayoutOptions::SetFlex(float flex)
{
    SetFloat(m_Flex, flex);
}

} // namespace Layout
} // namespace Veltis
