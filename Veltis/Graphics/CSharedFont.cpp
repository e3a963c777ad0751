#include "Veltis/Graphics/CSharedFont.h"

#include "Veltis/Graphics/CFontManager.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

CSharedFont::CSharedFont(CFontManager& manager)
    : m_Manager(&manager), m_NativeFont(nullptr), m_Dirty(true), m_Listener(this, &CSharedFont::OnChanged)
{
    GetChangeEvent().AddListener(m_Listener);
}

CSharedFont::CSharedFont(CFontManager& manager, const IFontDescription& description)
    : CFontDescription(description), m_Manager(&manager), m_NativeFont(nullptr), m_Dirty(true),
      m_Listener(this, &CSharedFont::OnChanged)
{
    GetChangeEvent().AddListener(m_Listener);
}

CSharedFont::CSharedFont(const CSharedFont& other)
    : IFontDescription(), IFont(), CFontDescription(other), m_Manager(other.m_Manager), m_NativeFont(nullptr),
      m_Dirty(true), m_Listener(this, &CSharedFont::OnChanged)
{
    GetChangeEvent().AddListener(m_Listener);
}

CSharedFont::~CSharedFont()
{
    GiveBack();
    GetChangeEvent().RemoveListener(&m_Listener);
}

void CSharedFont::Assign(const CSharedFont& other)
{
    CFontDescription::Assign(static_cast<const IFontDescription&>(other));
}

IFont* CSharedFont::Clone() const
{
    return new CSharedFont(*this);
}

void CSharedFont::GiveBack() const
{
    if (!m_AcquiredKey)
        return;
    m_Manager->ReleaseFont(*m_AcquiredKey);
    m_AcquiredKey.reset();
    m_NativeFont = nullptr;
}

CTFontRef CSharedFont::GetNativeFont() const
{
    if (!m_Dirty)
        return m_NativeFont;
    GiveBack();
    m_AcquiredKey.reset(new CFontDescription(static_cast<const CFontDescription&>(*this)));
    m_NativeFont = m_Manager->AcquireFont(*m_AcquiredKey);
    m_Dirty = false;
    return m_NativeFont;
}

CTFontRef CSharedFont::GetNativeFont()
{
    return static_cast<const CSharedFont*>(this)->GetNativeFont();
}

} // namespace Graphics
} // namespace Veltis
