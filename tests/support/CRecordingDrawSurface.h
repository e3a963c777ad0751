#pragma once

#include "Veltis/Graphics/CSimple2DRegion.h"
#include "Veltis/Graphics/I2DDrawer.h"
#include "Veltis/Graphics/IBitmap.h"
#include "Veltis/Graphics/IDrawSurface.h"
#include "Veltis/Graphics/IImage.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace VeltisTest {

// One call a recording surface received: its name and, for images, bitmaps and fills, the picture
// (native image, or the bitmap object), the source and destination rectangles and the opacity (-1
// without one).
struct CDrawCall {
    std::string name;
    const void* picture = nullptr;
    Veltis::Core::C2DRectangle source;
    Veltis::Core::C2DRectangle destination;
    int opacity = -1;

    bool operator==(const CDrawCall& other) const
    {
        return name == other.name && picture == other.picture && Same(source, other.source) &&
               Same(destination, other.destination) && opacity == other.opacity;
    }
    static bool Same(const Veltis::Core::C2DRectangle& a, const Veltis::Core::C2DRectangle& b)
    {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
};

inline std::ostream& operator<<(std::ostream& out, const CDrawCall& call)
{
    auto print = [&out](const Veltis::Core::C2DRectangle& r) {
        out << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
    };
    out << call.name << " " << call.picture << " ";
    print(call.source);
    out << " -> ";
    print(call.destination);
    if (call.opacity >= 0)
        out << " opacity " << call.opacity;
    return out;
}

// An image call as the catalogs make it: the part at source (x, y, width, height) drawn 1:1 at the
// destination point.
inline CDrawCall ImageCall(const void* picture, const Veltis::Core::C2DRectangle& source,
                           const Veltis::Core::C2DPoint& destination, int opacity = -1)
{
    CDrawCall call;
    call.name = "DrawImage";
    call.picture = picture;
    call.source = source;
    call.destination = Veltis::Core::C2DRectangle(destination.x, destination.y, source.width, source.height);
    call.opacity = opacity;
    return call;
}

// A draw surface that draws nothing and records every call it gets; text calls keep their text.
class CRecordingDrawSurface : public Veltis::Graphics::IDrawSurface {
public:
    using C2DPoint = Veltis::Core::C2DPoint;
    using C2DFloatPoint = Veltis::Core::C2DFloatPoint;
    using C2DRectangle = Veltis::Core::C2DRectangle;
    using C2DSize = Veltis::Core::C2DSize;
    using CColor = Veltis::Core::CColor;
    using IBitmap = Veltis::Graphics::IBitmap;
    using IImage = Veltis::Graphics::IImage;

    std::vector<CDrawCall> calls;
    std::vector<std::string> texts;

    // The names of the calls, in order.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const CDrawCall& call : calls)
            names.push_back(call.name);
        return names;
    }

    Native::CGContextRef GetNativeContext() override { return nullptr; }
    void SetPenColor(const CColor&) override { Record("SetPenColor"); }
    void SetPenStyle(int) override { Record("SetPenStyle"); }
    void DrawLine(const C2DPoint&, const C2DPoint&) override { Record("DrawLine"); }
    void DrawPolyline(const C2DPoint*, int) override { Record("DrawPolyline"); }
    void DrawPoint(const C2DPoint&) override { Record("DrawPoint"); }
    void DrawPoints(const C2DPoint*, int) override { Record("DrawPoints"); }
    void DrawRectangle(const C2DRectangle&) override { Record("DrawRectangle"); }
    void DrawLine(const C2DFloatPoint&, const C2DFloatPoint&) override { Record("DrawLine"); }
    void DrawPolyline(const C2DFloatPoint*, int) override { Record("DrawPolyline"); }
    void DrawPoint(const C2DFloatPoint&) override { Record("DrawPoint"); }
    void DrawPoints(const C2DFloatPoint*, int) override { Record("DrawPoints"); }
    void SetBrushColor(const CColor&) override { Record("SetBrushColor"); }
    void FillRectangle(const C2DRectangle& rectangle) override { Record("FillRectangle", nullptr, {}, rectangle); }
    void DrawImage(const IImage& image, const C2DPoint& source, const C2DPoint& destination,
                   const C2DSize& size) override
    {
        Record("DrawImage", image.GetNativeImage(), C2DRectangle(source, size), C2DRectangle(destination, size));
    }
    void DrawImage(const IImage& image, const C2DPoint& source, const C2DPoint& destination, const C2DSize& size,
                   uint8_t opacity) override
    {
        Record("DrawImage", image.GetNativeImage(), C2DRectangle(source, size), C2DRectangle(destination, size),
               opacity);
    }
    void DrawImage(const IImage& image, const C2DRectangle& source, const C2DRectangle& destination) override
    {
        Record("StretchImage", image.GetNativeImage(), source, destination);
    }
    void DrawBitmap(IBitmap& bitmap, const C2DPoint& source, const C2DPoint& destination,
                    const C2DSize& size) override
    {
        Record("DrawBitmap", &bitmap, C2DRectangle(source, size), C2DRectangle(destination, size));
    }
    void DrawBitmap(IBitmap& bitmap, const C2DPoint& source, const C2DPoint& destination, const C2DSize& size,
                    uint8_t opacity) override
    {
        Record("DrawBitmap", &bitmap, C2DRectangle(source, size), C2DRectangle(destination, size), opacity);
    }
    void DrawBitmap(IBitmap& bitmap, const C2DRectangle& source, const C2DRectangle& destination) override
    {
        Record("StretchBitmap", &bitmap, source, destination);
    }
    void DrawLayer(const Veltis::Graphics::ILayer&, const C2DPoint&) override { Record("DrawLayer"); }
    void DrawLayer(const Veltis::Graphics::ILayer&, const C2DPoint&, uint8_t) override { Record("DrawLayer"); }
    void DrawLayer(const Veltis::Graphics::ILayer&, const C2DRectangle&) override { Record("DrawLayer"); }
    void DrawText(const char* text, const C2DPoint&) override
    {
        Record("DrawText");
        texts.push_back(text ? text : "");
    }
    void DrawText(const char* text, const C2DRectangle& rectangle, const Veltis::Graphics::CTextFormat&) override
    {
        Record("DrawText", nullptr, {}, rectangle);
        texts.push_back(text ? text : "");
    }
    void SetFont(const Veltis::Graphics::IFont&) override { Record("SetFont"); }
    void SetTransparent(bool transparent) override { Record(transparent ? "SetTransparent(true)" : "SetTransparent(false)"); }
    C2DSize GetTextSize(const char*) override { return C2DSize(0, 0); }
    C2DSize GetTextSize(const char*, const Veltis::Graphics::CTextFormat&, int) override { return C2DSize(0, 0); }
    void Translate(const C2DPoint&) override { Record("Translate"); }
    C2DPoint GetOrigin() override { return C2DPoint(0, 0); }
    C2DRectangle GetClipRectangle() override { return C2DRectangle(0, 0, 0x7FFFFFFF, 0x7FFFFFFF); }
    void ClipToRectangle(const C2DRectangle&) override { Record("ClipToRectangle"); }
    void SaveState() override { Record("SaveState"); }
    void RestoreState() override { Record("RestoreState"); }
    IBitmap* GetBitmap() override { return nullptr; }
    const IBitmap* GetBitmap() const override { return nullptr; }

private:
    void Record(const char* name, const void* picture = nullptr, const C2DRectangle& source = C2DRectangle(),
                const C2DRectangle& destination = C2DRectangle(), int opacity = -1)
    {
        CDrawCall call;
        call.name = name;
        call.picture = picture;
        call.source = source;
        call.destination = destination;
        call.opacity = opacity;
        calls.push_back(call);
    }
};

// The calls of one Draw of the drawing object, with an update region of the rectangle when one is given.
inline std::vector<CDrawCall> RecordDraw(Veltis::Graphics::I2DDrawer& drawer,
                                         const Veltis::Core::C2DRectangle* update = nullptr)
{
    CRecordingDrawSurface surface;
    std::unique_ptr<Veltis::Graphics::CSimple2DRegion> region(update ? new Veltis::Graphics::CSimple2DRegion(*update)
                                                                    : nullptr);
    drawer.Draw(surface, region.get());
    return surface.calls;
}

} // namespace VeltisTest
