#pragma once

#include "Veltis/Core/TCommand.h"
#include "Veltis/Graphics/CFontDescription.h"
#include "Veltis/Graphics/IFont.h"

#include <memory>

namespace Veltis {
namespace Graphics {

class CFontManager;

// A font that borrows its native font from the process-wide font manager, so that equal descriptions
// share one native font.
class CSharedFont : public CFontDescription, public virtual IFont {
public:
    explicit CSharedFont(CFontManager& manager);
    CSharedFont(CFontManager& manager, const IFontDescription& description);
    // Same manager, the description copied, no native font.
    CSharedFont(const CSharedFont& other);
    CSharedFont& operator=(const CSharedFont&) = delete;
    ~CSharedFont() override;

    virtual void Assign(const CSharedFont& other);
    using CFontDescription::Assign;
    IFont* Clone() const override;
    Native::CTFontRef GetNativeFont() override;
    Native::CTFontRef GetNativeFont() const override;

private:
    void OnChanged() { m_Dirty = true; }
    void GiveBack() const;

    CFontManager* m_Manager;
    mutable Native::CTFontRef m_NativeFont;
    mutable bool m_Dirty;
    Core::TCommand<CSharedFont> m_Listener;
    // The description the manager's entry was acquired under, kept so that the release reaches that
    // entry after the description changed; null while nothing is acquired.
    mutable std::unique_ptr<CFontDescription> m_AcquiredKey;
};

} // namespace Graphics
} // namespace Veltis
