#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Graphics/IFontDescription.h"

namespace Veltis {
namespace Graphics {

// A font description record whose setters notify its change event when a value really changes. The
// sharing key (face, height, weight, italic, escapement) decides whether two descriptions give the
// same native font.
class CFontDescription : public virtual IFontDescription {
public:
    CFontDescription();
    // Starts from the default description, then assigns the other one.
    explicit CFontDescription(const IFontDescription& other);
    // The nine fields; the copy has its own change event.
    CFontDescription(const CFontDescription& other);
    CFontDescription& operator=(const CFontDescription&) = delete;

    void SetFaceName(const char* faceName) override;
    const char* GetFaceName() const override;
    void SetWidth(int width) override;
    int GetWidth() const override;
    void SetHeight(int height) override;
    int GetHeight() const override;
    void SetQuality(int quality) override;
    int GetQuality() const override;
    void SetWeight(int weight) override;
    int GetWeight() const override;
    void SetItalic(bool italic) override;
    bool IsItalic() const override;
    void SetUnderline(bool underline) override;
    bool IsUnderline() const override;
    void SetStrikeOut(bool strikeOut) override;
    bool IsStrikeOut() const override;
    void SetEscapement(float escapement) override;
    float GetEscapement() const override;
    ~CFontDescription() override;

    // Nothing when the sharing keys are equal; else all nine fields, then one notification.
    virtual void Assign(const IFontDescription& other);
    virtual void Assign(const CFontDescription& other);

    Core::CEventProvider& GetChangeEvent() { return m_ChangeEvent; }
    static bool HasSameSharingKey(const IFontDescription& a, const IFontDescription& b);

protected:
    // Every field back to the default description, through the setters.
    void ResetToDefault();

private:
    template <class T>
    void Change(T& field, const T& value);

    Core::CCharString m_FaceName;
    int m_Width;
    int m_Height;
    int m_Quality;
    int m_Weight;
    bool m_Italic;
    bool m_Underline;
    bool m_StrikeOut;
    float m_Escapement;
    Core::CEventProvider m_ChangeEvent;
};

} // namespace Graphics
} // namespace Veltis
