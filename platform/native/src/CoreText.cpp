#include "Graphics.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreText.h"
#include "Native/Foundation.h"
#include "Native/Harness.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

namespace Native {

namespace {

enum class EFamily { Sans, SansMono, Serif };

const char* FamilyName(EFamily family)
{
    switch (family) {
    case EFamily::SansMono:
        return "DejaVu Sans Mono";
    case EFamily::Serif:
        return "DejaVu Serif";
    case EFamily::Sans:
        break;
    }
    return "DejaVu Sans";
}

struct FaceRequest {
    EFamily family;
    bool bold;
    bool italic;
    bool operator<(const FaceRequest& other) const
    {
        return std::tie(family, bold, italic) < std::tie(other.family, other.bold, other.italic);
    }
};

bool Contains(const std::string& text, const char* word)
{
    return text.find(word) != std::string::npos;
}

FaceRequest RequestForName(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    FaceRequest request{EFamily::Sans, Contains(name, "bold"), Contains(name, "italic") || Contains(name, "oblique")};
    if (Contains(name, "mono") || Contains(name, "courier") || Contains(name, "consol"))
        request.family = EFamily::SansMono;
    else if (Contains(name, "sans"))
        request.family = EFamily::Sans;
    else if (Contains(name, "serif") || Contains(name, "times") || Contains(name, "georgia") || Contains(name, "roman"))
        request.family = EFamily::Serif;
    return request;
}

// A face's file loaded once for the process, with the metrics lines need in em units.
struct LoadedFace {
    std::string file;
    FT_Face ftFace = nullptr;
    cairo_font_face_t* cairoFace = nullptr;
    double underlinePosition = 0;
    double underlineThickness = 0;
};

// Fontconfig, FreeType and the faces, shared by every thread.
class FaceCache {
public:
    static FaceCache& Get()
    {
        static FaceCache* cache = new FaceCache;
        return *cache;
    }

    // Null when the face is absent or hidden.
    const LoadedFace* Find(const FaceRequest& request)
    {
        std::lock_guard<std::mutex> guard(m_Lock);
        if (m_Hidden.count(request))
            return nullptr;
        auto resolved = m_Resolved.find(request);
        if (resolved == m_Resolved.end())
            resolved = m_Resolved.emplace(request, Resolve(request)).first;
        if (resolved->second.empty())
            return nullptr;
        return Load(resolved->second);
    }

    void Hide(const FaceRequest& request)
    {
        std::lock_guard<std::mutex> guard(m_Lock);
        m_Hidden.insert(request);
    }

    void ShowAll()
    {
        std::lock_guard<std::mutex> guard(m_Lock);
        m_Hidden.clear();
    }

private:
    // The file of exactly this family, weight, slant and normal width, never a substitute.
    static std::string Resolve(const FaceRequest& request)
    {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(FamilyName(request.family)));
        FcPatternAddInteger(pattern, FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_WIDTH, FC_WIDTH_NORMAL);
        FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_SLANT, nullptr);
        FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
        std::string found;
        for (int i = 0; fonts && i < fonts->nfont && found.empty(); ++i) {
            FcChar8* file = nullptr;
            int slant = 0;
            if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch ||
                FcPatternGetInteger(fonts->fonts[i], FC_SLANT, 0, &slant) != FcResultMatch)
                continue;
            bool italic = slant == FC_SLANT_ITALIC || slant == FC_SLANT_OBLIQUE;
            std::string path = reinterpret_cast<const char*>(file);
            std::string base = path.substr(path.find_last_of('/') + 1);
            if (italic == request.italic && (slant == FC_SLANT_ROMAN || italic) && base.rfind("DejaVu", 0) == 0)
                found = path;
        }
        if (fonts)
            FcFontSetDestroy(fonts);
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
        return found;
    }

    const LoadedFace* Load(const std::string& file)
    {
        auto loaded = m_Faces.find(file);
        if (loaded != m_Faces.end())
            return loaded->second.cairoFace ? &loaded->second : nullptr;
        LoadedFace& face = m_Faces[file];
        face.file = file;
        if (!m_Library && FT_Init_FreeType(&m_Library) != 0) {
            m_Library = nullptr;
            return nullptr;
        }
        if (FT_New_Face(m_Library, file.c_str(), 0, &face.ftFace) != 0) {
            ReportF("font file \"%s\" does not load", file.c_str());
            face.ftFace = nullptr;
            return nullptr;
        }
        if (face.ftFace->units_per_EM > 0) {
            face.underlinePosition = double(face.ftFace->underline_position) / face.ftFace->units_per_EM;
            face.underlineThickness = double(face.ftFace->underline_thickness) / face.ftFace->units_per_EM;
        }
        // The face lives for the process, as the cache that holds it.
        face.cairoFace = cairo_ft_font_face_create_for_ft_face(face.ftFace, 0);
        return &face;
    }

    std::mutex m_Lock;
    FT_Library m_Library = nullptr;
    std::map<FaceRequest, std::string> m_Resolved;
    std::map<std::string, LoadedFace> m_Faces;
    std::set<FaceRequest> m_Hidden;
};

class NSFontImpl final : public NSFont {
public:
    ~NSFontImpl() override
    {
        if (scaled)
            cairo_scaled_font_destroy(scaled);
    }
    const LoadedFace* face = nullptr;
    FaceRequest request{};
    CGFloat size = 12;
    // For metrics and glyph conversion: no hinting, linear advances.
    cairo_scaled_font_t* scaled = nullptr;
    cairo_font_extents_t extents{};
};

class CTLineImpl final : public CTLine {
public:
    ~CTLineImpl() override
    {
        if (font)
            CFRelease(font);
    }
    const NSFontImpl* font = nullptr;
    std::vector<cairo_glyph_t> glyphs;
    cairo_text_extents_t extents{};
    CGFloat color[4] = {0, 0, 0, 1};
    bool underline = false;
};

cairo_font_options_t* MakeFontOptions(bool antialias)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    return options;
}

CTFontRef MakeFont(const FaceRequest& request, CGFloat size)
{
    if (!(size > 0) || !std::isfinite(size))
        size = 12;
    const LoadedFace* face = FaceCache::Get().Find(request);
    if (!face)
        return nullptr;
    cairo_matrix_t fontMatrix;
    cairo_matrix_init_scale(&fontMatrix, size, size);
    cairo_matrix_t identity;
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = MakeFontOptions(true);
    cairo_scaled_font_t* scaled = cairo_scaled_font_create(face->cairoFace, &fontMatrix, &identity, options);
    cairo_font_options_destroy(options);
    if (cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) {
        cairo_scaled_font_destroy(scaled);
        return nullptr;
    }
    NSFontImpl* font = ImplOf<NSFontImpl>(NSFont::alloc());
    font->face = face;
    font->request = request;
    font->size = size;
    font->scaled = scaled;
    cairo_scaled_font_extents(scaled, &font->extents);
    return font;
}

const NSFontImpl* CheckedFont(CTFontRef font, const char* call)
{
    if (!font)
        ReportF("%s(NULL)", call);
    return font ? ImplOf<NSFontImpl>(font) : nullptr;
}

const CTLineImpl* CheckedLine(CTLineRef line, const char* call)
{
    if (!line)
        ReportF("%s(NULL)", call);
    return line ? ImplOf<CTLineImpl>(line) : nullptr;
}

const NSObject* AttributeOfClass(CFDictionaryRef attributes, CFStringRef key, Class cls)
{
    const NSObject* value = attributes ? CFDictionaryGetValue(attributes, key) : nullptr;
    if (value && !value->isKindOfClass(cls)) {
        ReportF("CTLineCreateWithAttributedString: the attribute \"%s\" has the wrong kind", key->UTF8String());
        return nullptr;
    }
    return value;
}

void ReadColor(CGColorRef color, CGFloat (&rgba)[4])
{
    const CGFloat* components = CGColorGetComponents(color);
    switch (CGColorGetNumberOfComponents(color)) {
    case 2:
        rgba[0] = rgba[1] = rgba[2] = components[0];
        rgba[3] = components[1];
        break;
    case 4:
        std::copy(components, components + 4, rgba);
        break;
    default:
        break;
    }
}

} // namespace

const CFStringRef kCTFontAttributeName = MakeConstant("NSFont");
const CFStringRef kCTForegroundColorAttributeName = MakeConstant("CTForegroundColor");
const CFStringRef kCTUnderlineStyleAttributeName = MakeConstant("NSUnderline");

void DefineTextClasses(Class root)
{
    DefineBuiltinClassUnchecked(NSFont::kClassName, root, &MakeBuiltin<NSFontImpl>, nullptr);
    DefineBuiltinClassUnchecked(CTLine::kClassName, root, &MakeBuiltin<CTLineImpl>, nullptr);
}

// Fonts

CTFontRef CTFontCreateWithName(CFStringRef name, CGFloat size, const CGAffineTransform*)
{
    if (!name) {
        ReportF("CTFontCreateWithName(NULL)");
        return nullptr;
    }
    return MakeFont(RequestForName(name->Text()), size);
}

CTFontRef CTFontCreateUIFontForLanguage(CTFontUIFontType type, CGFloat size, CFStringRef)
{
    if (type != kCTFontSystemFontType) {
        ReportF("CTFontCreateUIFontForLanguage: only the system font type (2) is known, not %u", type);
        return nullptr;
    }
    return MakeFont(FaceRequest{EFamily::Sans, false, false}, size > 0 ? size : 13);
}

CTFontRef CTFontCreateCopyWithSymbolicTraits(CTFontRef font, CGFloat size, const CGAffineTransform*,
                                             CTFontSymbolicTraits value, CTFontSymbolicTraits mask)
{
    const NSFontImpl* impl = CheckedFont(font, "CTFontCreateCopyWithSymbolicTraits");
    if (!impl)
        return nullptr;
    FaceRequest request = impl->request;
    if (mask & kCTFontBoldTrait)
        request.bold = (value & kCTFontBoldTrait) != 0;
    if (mask & kCTFontItalicTrait)
        request.italic = (value & kCTFontItalicTrait) != 0;
    return MakeFont(request, size > 0 ? size : impl->size);
}

CFStringRef CTFontCopyFamilyName(CTFontRef font)
{
    const NSFontImpl* impl = CheckedFont(font, "CTFontCopyFamilyName");
    return impl ? NSString::alloc()->initWithUTF8String(FamilyName(impl->request.family)) : nullptr;
}

CGFloat CTFontGetSize(CTFontRef font)
{
    const NSFontImpl* impl = CheckedFont(font, "CTFontGetSize");
    return impl ? impl->size : 0;
}

CTFontSymbolicTraits CTFontGetSymbolicTraits(CTFontRef font)
{
    const NSFontImpl* impl = CheckedFont(font, "CTFontGetSymbolicTraits");
    if (!impl)
        return 0;
    return (impl->request.bold ? kCTFontBoldTrait : 0) | (impl->request.italic ? kCTFontItalicTrait : 0);
}

CGFloat CTFontGetAscent(CTFontRef font)
{
    const NSFontImpl* impl = CheckedFont(font, "CTFontGetAscent");
    return impl ? impl->extents.ascent : 0;
}

CGFloat CTFontGetDescent(CTFontRef font)
{
    const NSFontImpl* impl = CheckedFont(font, "CTFontGetDescent");
    return impl ? impl->extents.descent : 0;
}

// Lines

CTLineRef CTLineCreateWithAttributedString(CFAttributedStringRef string)
{
    if (!string) {
        ReportF("CTLineCreateWithAttributedString(NULL)");
        return nullptr;
    }
    CFRange range{0, 0};
    CFDictionaryRef attributes = CFAttributedStringGetLength(string) > 0 ?
                                     CFAttributedStringGetAttributes(string, 0, &range) :
                                     nullptr;
    const NSObject* font = AttributeOfClass(attributes, kCTFontAttributeName, NSFont::classObject());
    const NSObject* color = AttributeOfClass(attributes, kCTForegroundColorAttributeName, CGColor::classObject());
    const NSObject* underline = AttributeOfClass(attributes, kCTUnderlineStyleAttributeName, NSNumber::classObject());

    CTFontRef lineFont = font ? static_cast<CTFontRef>(CFRetain(font)) : MakeFont({EFamily::Sans, false, false}, 12);
    if (!lineFont)
        return nullptr;
    CTLineImpl* line = ImplOf<CTLineImpl>(CTLine::alloc());
    line->font = ImplOf<NSFontImpl>(lineFont);
    if (color)
        ReadColor(static_cast<CGColorRef>(const_cast<NSObject*>(color)), line->color);
    if (underline)
        line->underline = static_cast<const NSNumber*>(underline)->longValue() == 1;

    const std::string& text = CFAttributedStringGetString(string)->Text();
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    if (!text.empty() &&
        cairo_scaled_font_text_to_glyphs(line->font->scaled, 0, 0, text.data(), static_cast<int>(text.size()), &glyphs,
                                         &count, nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS) {
        line->glyphs.assign(glyphs, glyphs + count);
        cairo_scaled_font_glyph_extents(line->font->scaled, glyphs, count, &line->extents);
    }
    cairo_glyph_free(glyphs);
    return line;
}

double CTLineGetTypographicBounds(CTLineRef line, CGFloat* ascent, CGFloat* descent, CGFloat* leading)
{
    const CTLineImpl* impl = CheckedLine(line, "CTLineGetTypographicBounds");
    bool empty = !impl || impl->glyphs.empty();
    if (ascent)
        *ascent = empty ? 0 : impl->font->extents.ascent;
    if (descent)
        *descent = empty ? 0 : impl->font->extents.descent;
    if (leading)
        *leading = 0;
    return empty ? 0 : impl->extents.x_advance;
}

CGRect CTLineGetImageBounds(CTLineRef line, CGContextRef)
{
    const CTLineImpl* impl = CheckedLine(line, "CTLineGetImageBounds");
    if (!impl || impl->glyphs.empty() || impl->extents.width <= 0 || impl->extents.height <= 0)
        return CGRect{{0, 0}, {0, 0}};
    const cairo_text_extents_t& e = impl->extents;
    return CGRect{{e.x_bearing, -(e.y_bearing + e.height)}, {e.width, e.height}};
}

void CTLineDraw(CTLineRef line, CGContextRef context)
{
    const CTLineImpl* impl = CheckedLine(line, "CTLineDraw");
    CGContextImpl* target = CheckedContext(context, "CTLineDraw");
    if (!impl || !target || impl->glyphs.empty())
        return;
    const CGAffineTransform& m = target->textMatrix;
    cairo_matrix_t text = {m.a, m.b, m.c, m.d, m.tx + target->textPosition.x, m.ty + target->textPosition.y};
    if (!IsInvertible(text))
        return;
    DrawingPass pass(context, "CTLineDraw");
    if (!pass)
        return;
    cairo_t* cairo = pass.Cairo();
    cairo_save(cairo);
    cairo_transform(cairo, &text);
    // Cairo's glyphs grow downwards; text space grows upwards.
    cairo_scale(cairo, 1, -1);
    pass.SetSource(impl->color);
    cairo_font_options_t* options = MakeFontOptions(pass.Context().state.antialias);
    cairo_set_font_options(cairo, options);
    cairo_font_options_destroy(options);
    cairo_set_font_face(cairo, impl->font->face->cairoFace);
    cairo_set_font_size(cairo, impl->font->size);
    cairo_show_glyphs(cairo, impl->glyphs.data(), static_cast<int>(impl->glyphs.size()));
    if (impl->underline) {
        const LoadedFace& face = *impl->font->face;
        double thickness = std::max(face.underlineThickness * impl->font->size, 1.0 / 16);
        double top = -face.underlinePosition * impl->font->size - thickness / 2;
        cairo_new_path(cairo);
        cairo_rectangle(cairo, 0, top, impl->extents.x_advance, thickness);
        cairo_fill(cairo);
    }
    cairo_restore(cairo);
}

namespace Harness {

void HideFontFace(const char* family, bool bold, bool italic)
{
    static std::once_flag once;
    std::call_once(once, [] { RegisterResetHook([] { FaceCache::Get().ShowAll(); }); });
    // The name decides the family only; the flags decide the face.
    FaceRequest request = RequestForName(family ? family : "");
    request.bold = bold;
    request.italic = italic;
    FaceCache::Get().Hide(request);
}

const char* FontFilePath(CTFontRef font)
{
    // Faces live for the process, and their paths with them.
    return font ? ImplOf<NSFontImpl>(font)->face->file.c_str() : "";
}

} // namespace Harness

} // namespace Native
