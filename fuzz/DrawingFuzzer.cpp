// Draws into a small bitmap context of each layout from the input: transforms (NaN, infinities,
// extremes, singular ones), saves and restores, clips, fills, strokes, images and sub-images of each
// layout with arbitrary rectangles, alpha and anti-aliasing; and changes an update region with
// arbitrary rectangles and offsets. Whatever the input, no toolkit report, no sanitizer report, no leak.
#include "Veltis/Graphics/CSimple2DRegion.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreGraphics.h"
#include "Native/Harness.h"

#include "CFuzzInput.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace Native;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DRectangle;
using Veltis::Graphics::CSimple2DRegion;
using Veltis::Graphics::ISimple2DRegion;

namespace {

const size_t kSide = 8;

class CInput : public CFuzzInput {
public:
    using CFuzzInput::CFuzzInput;

    int32_t Int()
    {
        static const int32_t kSpecial[] = {0, 1, -1, 2, 3, 5, 8, 100, -100, std::numeric_limits<int32_t>::max(),
                                           std::numeric_limits<int32_t>::min()};
        return Pick(kSpecial);
    }

    double Double()
    {
        static const double kSpecial[] = {0, 0.5, 1, -1, 2, 3.75, 8, -8, 1e6, -1e6, 1e300, -1e300, 1e-300,
                                          std::nan(""), HUGE_VAL, -HUGE_VAL};
        return Pick(kSpecial);
    }

    CGRect Rect() { return CGRectMake(Double(), Double(), Double(), Double()); }
};

struct Layout {
    size_t bitsPerComponent, bitsPerPixel, bytesPerRow;
    bool grey;
    CGBitmapInfo info;
};

// The five image layouts; the first three are also the context layouts.
const Layout kLayouts[] = {
    {8, 32, kSide * 4, false, 0x2002}, {8, 8, kSide, true, 0}, {5, 16, kSide * 2, false, 0x1006},
    {8, 32, kSide * 4, false, kCGImageAlphaLast}, {8, 24, kSide * 3 + 1, false, 0},
};

CGColorSpaceRef SpaceFor(const Layout& layout)
{
    return layout.grey ? CGColorSpaceCreateDeviceGray() : CGColorSpaceCreateDeviceRGB();
}

CGImageRef MakeImage(const Layout& layout, std::vector<uint8_t>& pixels)
{
    CGDataProviderRef provider = CGDataProviderCreateWithData(nullptr, pixels.data(), pixels.size(), nullptr);
    CGColorSpaceRef space = SpaceFor(layout);
    CGImageRef image = CGImageCreate(kSide, kSide, layout.bitsPerComponent, layout.bitsPerPixel, layout.bytesPerRow,
                                     space, layout.info, provider, nullptr, true, kCGRenderingIntentDefault);
    CGColorSpaceRelease(space);
    CGDataProviderRelease(provider);
    return image;
}

C2DRectangle IntRect(CInput& input)
{
    return C2DRectangle(input.Int(), input.Int(), input.Int(), input.Int());
}

void Run(CInput& input)
{
    const Layout& contextLayout = kLayouts[input.Index(3)];
    const Layout& imageLayout = kLayouts[input.Index(5)];
    std::vector<uint8_t> memory(kSide * kSide * 4);
    std::vector<uint8_t> pixels(kSide * kSide * 4);
    for (uint8_t& byte : pixels)
        byte = input.Byte();
    CGColorSpaceRef space = SpaceFor(contextLayout);
    CGContextRef context = CGBitmapContextCreate(memory.data(), kSide, kSide, contextLayout.bitsPerComponent,
                                                 contextLayout.bytesPerRow, space, contextLayout.info);
    CGColorSpaceRelease(space);
    CGImageRef image = MakeImage(imageLayout, pixels);
    if (!context || !image)
        std::abort();
    CSimple2DRegion region(IntRect(input));

    while (!input.IsDone()) {
        switch (input.Byte() % 16) {
        case 0: CGContextTranslateCTM(context, input.Double(), input.Double()); break;
        case 1: CGContextScaleCTM(context, input.Double(), input.Double()); break;
        case 2: CGContextRotateCTM(context, input.Double()); break;
        case 3: CGContextSaveGState(context); break;
        case 4: CGContextRestoreGState(context); break;
        case 5: CGContextClipToRect(context, input.Rect()); break;
        case 6: CGContextFillRect(context, input.Rect()); break;
        case 7: {
            CGPoint points[5];
            for (CGPoint& point : points)
                point = CGPointMake(input.Double(), input.Double());
            CGContextStrokeLineSegments(context, points, input.Index(6));
            break;
        }
        case 8: CGContextDrawImage(context, input.Rect(), image); break;
        case 9: {
            CGImageRef sub = CGImageCreateWithImageInRect(image, input.Rect());
            CGContextDrawImage(context, input.Rect(), sub);
            CGImageRelease(sub);
            break;
        }
        case 10: CGContextSetAlpha(context, input.Double()); break;
        case 11: CGContextSetShouldAntialias(context, input.Byte() & 1); break;
        case 12:
            CGContextSetRGBFillColor(context, input.Double(), input.Double(), input.Double(), input.Double());
            CGContextSetRGBStrokeColor(context, input.Double(), input.Double(), input.Double(), input.Double());
            break;
        case 13: CGContextGetClipBoundingBox(context); break;
        case 14: {
            C2DRectangle rectangle = IntRect(input);
            switch (input.Index(4)) {
            case 0: region.UnionRectangle(rectangle); break;
            case 1: region.IntersectRectangle(rectangle); break;
            case 2: region.Offset(C2DPoint(rectangle.x, rectangle.y)); break;
            default: region.GetIntersectionBounds(rectangle); break;
            }
            region.GetBounds();
            break;
        }
        default: {
            std::unique_ptr<ISimple2DRegion> clone(region.Clone());
            clone->IsEmpty();
            break;
        }
        }
    }
    CGImageRelease(image);
    CGContextRelease(context);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool kStrict = [] {
        Harness::SetPolicy(Harness::EPolicy::Strict);
        Harness::SetFailureHandler([](const std::string& message) {
            std::fprintf(stderr, "native toolkit: %s\n", message.c_str());
            std::abort();
        });
        return true;
    }();
    (void)kStrict;
    CInput input(data, size);
    Run(input);
    return 0;
}
