#include "Veltis/Graphics/CTextDrawer.h"

#include "Veltis/Core/IEventProvider.h"
#include "Veltis/Graphics/CBitmapSurface.h"
#include "Veltis/Graphics/CFont.h"
#include "Veltis/Graphics/IDrawSurface.h"

namespace Veltis {
namespace Graphics {

namespace {

// The shared default font serves as a font through its IFont face.
IFont* CloneDefaultFont()
{
    IFontDescription& description = CFont::GetDefaultFontDescription();
    const IFont* font = dynamic_cast<const IFont*>(&description);
    return font ? font->Clone() : new CFont(description);
}

} // namespace

CTextDrawer::CTextDrawer(Core::TIConstValue<const char*>& text)
    : m_Text(text), m_Font(CloneDefaultFont()), m_TextColor(0, 0, 0), m_BackgroundColor(0, 0, 0),
      m_Transparent(false), m_AutoWidth(true), m_AutoHeight(true), m_Listener(this, &CTextDrawer::OnTextChanged)
{
    m_Text.GetValueChangedEvent().AddListener(m_Listener);
    UpdateAutoSize();
}

CTextDrawer::~CTextDrawer()
{
    m_Text.GetValueChangedEvent().RemoveListener(&m_Listener);
    delete m_Font;
}

void CTextDrawer::Draw(IDrawSurface& surface, const ISimple2DRegion*)
{
    Core::C2DSize size = GetSize();
    Core::C2DRectangle area(0, 0, size.width, size.height);
    surface.SaveState();
    surface.SetPenColor(m_TextColor);
    surface.SetTransparent(m_Transparent);
    surface.SetFont(*m_Font);
    if (!m_Transparent) {
        surface.SetBrushColor(m_BackgroundColor);
        surface.FillRectangle(area);
    }
    surface.DrawText(m_Text.GetValue(), area, m_Format);
    surface.RestoreState();
}

uint32_t CTextDrawer::GetTextColor() const
{
    return uint32_t(m_TextColor.r) | uint32_t(m_TextColor.g) << 8 | uint32_t(m_TextColor.b) << 16;
}

Core::C2DSize CTextDrawer::MeasureText(int width, IDrawSurface* surface)
{
    return Graphics::MeasureText(m_Text.GetValue(), m_Format, width, m_Font, surface);
}

void CTextDrawer::UpdateAutoSize()
{
    if (!m_AutoWidth && !m_AutoHeight)
        return;
    Core::C2DSize current = GetSize();
    Core::C2DSize measured = MeasureText(m_AutoWidth ? 0 : current.width, nullptr);
    if (!m_AutoHeight)
        measured.height = current.height;
    if (!m_AutoWidth)
        measured.width = current.width;
    SetSize(measured);
}

void CTextDrawer::SetAutoSize(bool width, bool height)
{
    if (width == m_AutoWidth && height == m_AutoHeight)
        return;
    m_AutoWidth = width;
    m_AutoHeight = height;
    UpdateAutoSize();
}

void CTextDrawer::SetAutoSize(bool both)
{
    SetAutoSize(both, both);
}

void CTextDrawer::SetTransparent(bool transparent)
{
    if (transparent == m_Transparent)
        return;
    m_Transparent = transparent;
    InvalidateAll();
}

void CTextDrawer::SetTextFormat(const CTextFormat& format)
{
    m_Format = format;
    OnTextChanged();
}

void CTextDrawer::SetFont(const IFont& font)
{
    IFont* clone = font.Clone();
    delete m_Font;
    m_Font = clone;
    OnTextChanged();
}

void CTextDrawer::OnTextChanged()
{
    InvalidateAll();
    UpdateAutoSize();
}

} // namespace Graphics
} // namespace Veltis
