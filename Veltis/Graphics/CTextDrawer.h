#pragma once

#include "Veltis/Core/CColor.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/Core/TIConstValue.h"
#include "Veltis/Graphics/C2DGraphicsBase.h"
#include "Veltis/Graphics/CTextFormat.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

class IFont;

// A drawing object showing one line of an observable text in a font and colour, on a transparent or
// coloured background, laid out with a text format; by default it sizes itself to the text. The text
// must outlive the drawer.
class CTextDrawer : public C2DGraphicsBase {
public:
    // Starts with a clone of the default font and the size of the text.
    explicit CTextDrawer(Core::TIConstValue<const char*>& text);
    ~CTextDrawer() override;

    void Draw(IDrawSurface& surface, const ISimple2DRegion* region) override;
    bool HitTest(const Core::C2DPoint&) override { return true; }
    bool IsTransparent() override { return m_Transparent; }

    // Still owned by the drawer.
    IFont& GetFont() { return *m_Font; }
    // r | g << 8 | b << 16.
    uint32_t GetTextColor() const;
    CTextFormat GetTextFormat() const { return m_Format; }
    // The text laid out in the width with the drawer's font and format, on the surface or, without
    // one, on a scratch bitmap.
    Core::C2DSize MeasureText(int width, IDrawSurface* surface);

    // In an automatic dimension the size follows the measured text.
    void UpdateAutoSize();
    void SetAutoSize(bool width, bool height);
    void SetAutoSize(bool both);

    void SetTextColor(const Core::CColor& color) { SetInvalidatingColor(m_TextColor, color); }
    void SetBackgroundColor(const Core::CColor& color) { SetInvalidatingColor(m_BackgroundColor, color); }
    void SetTransparent(bool transparent);
    // These three invalidate without comparing, then update the automatic size.
    void SetTextFormat(const CTextFormat& format);
    // Keeps a clone: the drawer's own font may be passed.
    void SetFont(const IFont& font);

private:
    void OnTextChanged();

    Core::TIConstValue<const char*>& m_Text;
    IFont* m_Font;
    CTextFormat m_Format;
    Core::CColor m_TextColor;
    Core::CColor m_BackgroundColor;
    bool m_Transparent;
    bool m_AutoWidth;
    bool m_AutoHeight;
    Core::TCommand<CTextDrawer> m_Listener;
};

} // namespace Graphics
} // namespace Veltis
