#pragma once

namespace Veltis {
namespace Graphics {

// What a font is: face, height in pixels, weight, style flags, rendering quality and rotation.
class IFontDescription {
public:
    virtual void SetFaceName(const char* faceName) = 0;
    virtual const char* GetFaceName() const = 0;
    // Average character width in pixels, 0 for the face's own; no native font uses it.
    virtual void SetWidth(int width) = 0;
    virtual int GetWidth() const = 0;
    virtual void SetHeight(int height) = 0;
    virtual int GetHeight() const = 0;
    // 0 "default", 1 "anti_alias", 2 "cleartype", 3 "no_anti_alias".
    virtual void SetQuality(int quality) = 0;
    virtual int GetQuality() const = 0;
    // 400 normal, 700 bold; only 700 makes the native font bold.
    virtual void SetWeight(int weight) = 0;
    virtual int GetWeight() const = 0;
    virtual void SetItalic(bool italic) = 0;
    virtual bool IsItalic() const = 0;
    virtual void SetUnderline(bool underline) = 0;
    virtual bool IsUnderline() const = 0;
    // Kept and copied; no surface draws it.
    virtual void SetStrikeOut(bool strikeOut) = 0;
    virtual bool IsStrikeOut() const = 0;
    // Degrees, counter-clockwise on the screen.
    virtual void SetEscapement(float escapement) = 0;
    virtual float GetEscapement() const = 0;
    virtual ~IFontDescription() {}
};

} // namespace Graphics
} // namespace Veltis
