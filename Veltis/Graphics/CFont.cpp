#include "Veltis/Graphics/CFont.h"

#include "Veltis/Graphics/CFontManager.h"
#include "Veltis/Graphics/CSharedFont.h"
#include "Veltis/Graphics/NativeFont.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreText.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

CFont::CFont(const IFontDescription& description)
    : CFontDescription(description), m_NativeFont(nullptr), m_Dirty(true), m_Listener(this, &CFont::OnChanged)
{
    GetChangeEvent().AddListener(m_Listener);
}

CFont::CFont(CTFontRef nativeFont) : m_NativeFont(nativeFont), m_Dirty(false), m_Listener(this, &CFont::OnChanged)
{
    if (nativeFont)
        ReadNativeFont(nativeFont, *this);
    GetChangeEvent().AddListener(m_Listener);
}

CFont::CFont(const CFont& other)
    : IFontDescription(), IFont(), CFontDescription(other), m_NativeFont(nullptr), m_Dirty(true),
      m_Listener(this, &CFont::OnChanged)
{
    GetChangeEvent().AddListener(m_Listener);
}

CFont::~CFont()
{
    GetChangeEvent().RemoveListener(&m_Listener);
    if (m_NativeFont)
        CFRelease(m_NativeFont);
}

void CFont::Assign(const IFont& other)
{
    CFontDescription::Assign(static_cast<const IFontDescription&>(other));
}

void CFont::Assign(const CFont& other)
{
    CFontDescription::Assign(static_cast<const IFontDescription&>(other));
}

IFont* CFont::Clone() const
{
    return new CFont(*this);
}

CTFontRef CFont::GetNativeFont() const
{
    if (m_Dirty) {
        if (m_NativeFont)
            CFRelease(m_NativeFont);
        m_NativeFont = CreateNativeFont(*this);
        m_Dirty = false;
    }
    return m_NativeFont;
}

CTFontRef CFont::GetNativeFont()
{
    return static_cast<const CFont*>(this)->GetNativeFont();
}

void CFont::SetNativeFont(CTFontRef nativeFont)
{
    if (m_NativeFont)
        CFRelease(m_NativeFont);
    m_NativeFont = nativeFont;
    if (nativeFont)
        ReadNativeFont(nativeFont, *this);
    else
        ResetToDefault();
    m_Dirty = false;
}

CTFontRef CFont::DetachNativeFont()
{
    CTFontRef nativeFont = GetNativeFont();
    m_NativeFont = nullptr;
    m_Dirty = false;
    return nativeFont;
}

IFontDescription& CFont::GetDefaultFontDescription()
{
    return GetDefaultFont();
}

IFont& CFont::GetDefaultFont()
{
    // Lives for the process: fonts made from it may outlive every static destructor.
    static CSharedFont* const defaultFont = [] {
        CFont* system = new CFont(GetDefaultNativeFont());
        CSharedFont* shared = new CSharedFont(CFontManager::GetInstance(), *system);
        delete system;
        shared->GetNativeFont();
        return shared;
    }();
    return *defaultFont;
}

} // namespace Graphics
} // namespace Veltis
