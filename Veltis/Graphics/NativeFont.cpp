#include "Veltis/Graphics/NativeFont.h"

#include "Veltis/Graphics/IFontDescription.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreText.h"

#include <vector>

using namespace Native;

namespace Veltis {
namespace Graphics {

CTFontRef CreateNativeFont(const IFontDescription& description)
{
    CFStringRef face = CFStringCreateWithCString(kCFAllocatorDefault, description.GetFaceName(), kCFStringEncodingUTF8);
    if (!face)
        return nullptr;
    CTFontRef font = CTFontCreateWithName(face, description.GetHeight() * 0.75, nullptr);
    CFRelease(face);
    bool bold = description.GetWeight() == 700;
    if (font && (description.IsItalic() || description.IsUnderline() || bold)) {
        CTFontSymbolicTraits traits =
            (bold ? kCTFontBoldTrait : 0) | (description.IsItalic() ? kCTFontItalicTrait : 0);
        CTFontRef copy = CTFontCreateCopyWithSymbolicTraits(font, 0, nullptr, traits, traits);
        if (copy) {
            CFRelease(font);
            font = copy;
        }
    }
    return font;
}

void ReadNativeFont(CTFontRef nativeFont, IFontDescription& description)
{
    description.SetUnderline(false);
    description.SetStrikeOut(false);
    description.SetQuality(2);
    description.SetEscapement(0);
    description.SetWidth(0);
    description.SetFaceName("");
    CFStringRef family = CTFontCopyFamilyName(nativeFont);
    if (family) {
        const char* direct = CFStringGetCStringPtr(family, kCFStringEncodingASCII);
        if (direct) {
            description.SetFaceName(direct);
        } else {
            std::vector<char> buffer(static_cast<size_t>(CFStringGetLength(family)) + 1);
            if (CFStringGetCString(family, buffer.data(), CFIndex(buffer.size()), kCFStringEncodingUTF8))
                description.SetFaceName(buffer.data());
        }
        CFRelease(family);
    }
    description.SetHeight(static_cast<int>(CTFontGetSize(nativeFont) * 1.3333333333333333));
    CTFontSymbolicTraits traits = CTFontGetSymbolicTraits(nativeFont);
    description.SetItalic((traits & kCTFontItalicTrait) != 0);
    description.SetWeight((traits & kCTFontBoldTrait) ? 700 : 400);
}

CTFontRef GetDefaultNativeFont()
{
    static CTFontRef const font = CTFontCreateUIFontForLanguage(kCTFontSystemFontType, 0, nullptr);
    return font ? static_cast<CTFontRef>(CFRetain(font)) : nullptr;
}

bool LoadFontFile(const char*)
{
    return false;
}

void UnloadFontFile(const char*) {}

} // namespace Graphics
} // namespace Veltis
