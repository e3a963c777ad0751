#include "Veltis/Graphics/CFontDescription.h"

#include <cstring>

namespace Veltis {
namespace Graphics {

CFontDescription::CFontDescription()
    : m_FaceName(""), m_Width(0), m_Height(0), m_Quality(1), m_Weight(400), m_Italic(false), m_Underline(false),
      m_StrikeOut(false), m_Escapement(0)
{
}

CFontDescription::CFontDescription(const IFontDescription& other) : CFontDescription()
{
    Assign(other);
}

CFontDescription::CFontDescription(const CFontDescription& other)
    : IFontDescription(), m_FaceName(other.m_FaceName), m_Width(other.m_Width), m_Height(other.m_Height),
      m_Quality(other.m_Quality), m_Weight(other.m_Weight), m_Italic(other.m_Italic),
      m_Underline(other.m_Underline), m_StrikeOut(other.m_StrikeOut), m_Escapement(other.m_Escapement)
{
}

CFontDescription::~CFontDescription() {}

template <class T>
void CFontDescription::Change(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    m_ChangeEvent.Notify();
}

void CFontDescription::SetFaceName(const char* faceName)
{
    const char* text = faceName ? faceName : "";
    if (std::strcmp(m_FaceName.GetString(), text) == 0)
        return;
    m_FaceName = text;
    m_ChangeEvent.Notify();
}

const char* CFontDescription::GetFaceName() const
{
    return m_FaceName.GetString();
}

void CFontDescription::SetWidth(int width)
{
    Change(m_Width, width);
}

int CFontDescription::GetWidth() const
{
    return m_Width;
}

void CFontDescription::SetHeight(int height)
{
    Change(m_Height, height);
}

int CFontDescription::GetHeight() const
{
    return m_Height;
}

void CFontDescription::SetQuality(int quality)
{
    Change(m_Quality, quality);
}

int CFontDescription::GetQuality() const
{
    return m_Quality;
}

void CFontDescription::SetWeight(int weight)
{
    Change(m_Weight, weight);
}

int CFontDescription::GetWeight() const
{
    return m_Weight;
}

void CFontDescription::SetItalic(bool italic)
{
    Change(m_Italic, italic);
}

bool CFontDescription::IsItalic() const
{
    return m_Italic;
}

void CFontDescription::SetUnderline(bool underline)
{
    Change(m_Underline, underline);
}

bool CFontDescription::IsUnderline() const
{
    return m_Underline;
}

void CFontDescription::SetStrikeOut(bool strikeOut)
{
    Change(m_StrikeOut, strikeOut);
}

bool CFontDescription::IsStrikeOut() const
{
    return m_StrikeOut;
}

void CFontDescription::SetEscapement(float escapement)
{
    Change(m_Escapement, escapement);
}

float CFontDescription::GetEscapement() const
{
    return m_Escapement;
}

bool CFontDescription::HasSameSharingKey(const IFontDescription& a, const IFontDescription& b)
{
    return std::strcmp(a.GetFaceName(), b.GetFaceName()) == 0 && a.GetHeight() == b.GetHeight() &&
           a.GetWeight() == b.GetWeight() && a.IsItalic() == b.IsItalic() && a.GetEscapement() == b.GetEscapement();
}

void CFontDescription::Assign(const IFontDescription& other)
{
    if (HasSameSharingKey(*this, other))
        return;
    const char* face = other.GetFaceName();
    m_FaceName = face ? face : "";
    m_Width = other.GetWidth();
    m_Height = other.GetHeight();
    m_Quality = other.GetQuality();
    m_Weight = other.GetWeight();
    m_Italic = other.IsItalic();
    m_Underline = other.IsUnderline();
    m_StrikeOut = other.IsStrikeOut();
    m_Escapement = other.GetEscapement();
    m_ChangeEvent.Notify();
}

void CFontDescription::Assign(const CFontDescription& other)
{
    Assign(static_cast<const IFontDescription&>(other));
}

void CFontDescription::ResetToDefault()
{
    SetFaceName("");
    SetWidth(0);
    SetHeight(0);
    SetQuality(1);
    SetWeight(400);
    SetItalic(false);
    SetUnderline(false);
    SetStrikeOut(false);
    SetEscapement(0);
}

} // namespace Graphics
} // namespace Veltis
