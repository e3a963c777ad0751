#pragma once

#include "Veltis/Core/TCommand.h"
#include "Veltis/Graphics/CFontDescription.h"
#include "Veltis/Graphics/IFont.h"

namespace Veltis {
namespace Graphics {

// A font that owns its native font and remakes it lazily after its description changed.
class CFont : public CFontDescription, public virtual IFont {
public:
    explicit CFont(const IFontDescription& description);
    // Adopts the reference it is given; the description is read from it (default for null).
    explicit CFont(Native::CTFontRef nativeFont);
    // The description without the native font.
    CFont(const CFont& other);
    CFont& operator=(const CFont&) = delete;
    ~CFont() override;

    virtual void Assign(const IFont& other);
    virtual void Assign(const CFont& other);
    using CFontDescription::Assign;
    IFont* Clone() const override;
    Native::CTFontRef GetNativeFont() override;
    Native::CTFontRef GetNativeFont() const override;
    // Releases its own, adopts the given one and reads the description from it.
    virtual void SetNativeFont(Native::CTFontRef nativeFont);
    // The native font, given up without releasing it: null until the description changes again.
    virtual Native::CTFontRef DetachNativeFont();

    // The default font of the process: a shared font over the system's interface font.
    static IFontDescription& GetDefaultFontDescription();
    static IFont& GetDefaultFont();

private:
    void OnChanged() { m_Dirty = true; }

    mutable Native::CTFontRef m_NativeFont;
    mutable bool m_Dirty;
    Core::TCommand<CFont> m_Listener;
};

} // namespace Graphics
} // namespace Veltis
