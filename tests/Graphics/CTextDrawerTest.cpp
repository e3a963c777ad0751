#include "Veltis/Graphics/CTextDrawer.h"

#include "Veltis/Core/TValue.h"
#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CFont.h"
#include "Veltis/Graphics/IDrawSurface.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreText.h"
#include "support/CRecordingDrawSurface.h"
#include "support/DrawingObjectListener.h"
#include "support/GraphicsEnvironment.h"
#include "support/NativeLineMetrics.h"
#include "support/NativeTest.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

using namespace Veltis::Graphics;
using Veltis::Core::C2DPoint;
using Veltis::Core::C2DRectangle;
using Veltis::Core::C2DSize;
using Veltis::Core::CColor;
using Text = Veltis::Core::TValue<const char*>;

namespace VeltisTest {
namespace {

class CTextDrawerTest : public NativeTest {};

// The size of one line in DejaVu Sans at the points, rounded up.
C2DSize LineSize(const char* text, double points)
{
    Native::CFStringRef name = Native::CFStringCreateWithCString(nullptr, "DejaVu Sans", Native::kCFStringEncodingUTF8);
    Native::CTFontRef font = Native::CTFontCreateWithName(name, points, nullptr);
    LineMetrics m = MeasureNative(text, font);
    Native::CFRelease(font);
    Native::CFRelease(name);
    return C2DSize(int(std::ceil(m.width)), int(std::ceil(m.ascent + m.descent)));
}

const CTextFormat kMultiline(0, 1, 1);

TEST_F(CTextDrawerTest, ANewDrawerHasTheSizeOfItsTextInTheDefaultFont)
{
    Text text("abc");
    CTextDrawer drawer(text);
    // The default font reads back as 17 pixels and is made again at 17 x 0.75 points.
    EXPECT_STREQ(drawer.GetFont().GetFaceName(), "DejaVu Sans");
    EXPECT_EQ(drawer.GetFont().GetHeight(), 17);
    C2DSize expected = LineSize("abc", 12.75);
    EXPECT_EQ(drawer.GetSize(), expected);
    EXPECT_GT(expected.width, 0);
    EXPECT_EQ(drawer.MeasureText(0, nullptr), expected);
    CTextFormat format = drawer.GetTextFormat();
    EXPECT_EQ(format.flags, CTextFormat::kSingleLine);
    EXPECT_EQ(format.verticalAlignment, 1);
    EXPECT_EQ(format.horizontalAlignment, 1);
    EXPECT_EQ(drawer.GetTextColor(), 0u);
    EXPECT_FALSE(drawer.IsTransparent());
}

TEST_F(CTextDrawerTest, TheAutomaticDimensionsFollowTheText)
{
    Text text("abc");
    CTextDrawer drawer(text);
    C2DSize line = LineSize("a longer text", 12.75);
    struct Case {
        const char* name;
        bool autoWidth;
        bool autoHeight;
        C2DSize size;
    };
    const Case cases[] = {
        {"both", true, true, line},
        {"height only", false, true, C2DSize(100, line.height)},
        {"width only", true, false, C2DSize(line.width, 5)},
        {"neither", false, false, C2DSize(100, 5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        drawer.SetAutoSize(false);
        text.SetValue("abc");
        drawer.SetAutoSize(c.autoWidth, c.autoHeight);
        drawer.SetSize(C2DSize(100, 5));
        Listener listener(drawer);
        text.SetValue("a longer text");
        EXPECT_EQ(drawer.GetSize(), c.size);
        EXPECT_EQ(listener.sizes.GetCount(), c.autoWidth || c.autoHeight ? 1 : 0);
        ASSERT_EQ(listener.invalidations.rectangles.size(), 1u);
        EXPECT_TRUE(CDrawCall::Same(listener.invalidations.rectangles[0], C2DRectangle(0, 0, 100, 5)))
            << "invalidated before the new size";
    }
}

TEST_F(CTextDrawerTest, OneFlagForBothSetsBothWhenEitherDiffers)
{
    Text text("abc");
    CTextDrawer drawer(text);
    drawer.SetAutoSize(true, false);
    drawer.SetSize(C2DSize(3, 4));
    drawer.SetAutoSize(true);
    EXPECT_EQ(drawer.GetSize(), LineSize("abc", 12.75));
    drawer.SetSize(C2DSize(3, 4));
    drawer.SetAutoSize(true);
    EXPECT_EQ(drawer.GetSize(), C2DSize(3, 4)) << "both already set: nothing runs";
    drawer.SetAutoSize(false);
    text.SetValue("abcdef");
    EXPECT_EQ(drawer.GetSize(), C2DSize(3, 4));
}

TEST_F(CTextDrawerTest, WithoutTheSingleLineBitTheDrawerShrinksToNothingAndDrawsNothing)
{
    Text text("abc");
    CTextDrawer drawer(text);
    drawer.SetTextFormat(kMultiline);
    EXPECT_EQ(drawer.GetSize(), C2DSize(0, 0));
    drawer.SetAutoSize(false);
    drawer.SetSize(C2DSize(40, 20));
    drawer.SetTransparent(true);
    drawer.SetTextColor(CColor(255, 255, 255));
    CDIBBitmap target(C2DSize(40, 20), 32);
    std::unique_ptr<IDrawSurface> surface(target.GetDrawSurface());
    drawer.Draw(*surface, nullptr);
    surface.reset();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(WordAt(target, x, y), 0u) << x << ", " << y;
}

TEST_F(CTextDrawerTest, SettersCompareExceptFormatFontAndText)
{
    Text text("abc");
    CTextDrawer drawer(text);
    drawer.SetAutoSize(false);
    drawer.SetSize(C2DSize(30, 10));
    struct Case {
        const char* name;
        void (*change)(CTextDrawer&, Text&);
        size_t invalidations;
    };
    const Case cases[] = {
        {"same text colour", [](CTextDrawer& d, Text&) { d.SetTextColor(CColor(0, 0, 0)); }, 0},
        {"new text colour", [](CTextDrawer& d, Text&) { d.SetTextColor(CColor(1, 2, 3)); }, 1},
        {"same background", [](CTextDrawer& d, Text&) { d.SetBackgroundColor(CColor(0, 0, 0)); }, 0},
        {"new background", [](CTextDrawer& d, Text&) { d.SetBackgroundColor(CColor(9, 9, 9)); }, 1},
        {"same transparency", [](CTextDrawer& d, Text&) { d.SetTransparent(false); }, 0},
        {"new transparency", [](CTextDrawer& d, Text&) { d.SetTransparent(true); }, 1},
        {"same format", [](CTextDrawer& d, Text&) { d.SetTextFormat(d.GetTextFormat()); }, 1},
        {"its own font", [](CTextDrawer& d, Text&) { d.SetFont(d.GetFont()); }, 1},
        {"same text", [](CTextDrawer&, Text& t) { t.SetValue("abc"); }, 0},
        {"new text", [](CTextDrawer&, Text& t) { t.SetValue("xyz"); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Listener listener(drawer);
        c.change(drawer, text);
        EXPECT_EQ(listener.invalidations.rectangles.size(), c.invalidations);
        for (const C2DRectangle& r : listener.invalidations.rectangles)
            EXPECT_TRUE(CDrawCall::Same(r, C2DRectangle(0, 0, 30, 10)));
    }
    EXPECT_EQ(drawer.GetTextColor(), 0x030201u);
    EXPECT_EQ(drawer.GetSize(), C2DSize(30, 10));
}

TEST_F(CTextDrawerTest, ANewFontIsClonedAndResizesTheDrawer)
{
    Text text("abc");
    CTextDrawer drawer(text);
    C2DSize before = drawer.GetSize();
    {
        CFont big(CFont::GetDefaultFontDescription());
        big.SetHeight(40);
        drawer.SetFont(big);
    }
    EXPECT_EQ(drawer.GetFont().GetHeight(), 40);
    EXPECT_EQ(drawer.GetSize(), LineSize("abc", 30));
    EXPECT_GT(drawer.GetSize().height, before.height);
}

TEST_F(CTextDrawerTest, DrawingFillsTheBackgroundUnlessTransparentThenDrawsTheTextInTheArea)
{
    Text text("abc");
    CTextDrawer drawer(text);
    drawer.SetAutoSize(false);
    drawer.SetSize(C2DSize(50, 12));
    const std::vector<std::string> opaque = {"SaveState", "SetPenColor", "SetTransparent(false)", "SetFont",
                                             "SetBrushColor", "FillRectangle", "DrawText", "RestoreState"};
    const std::vector<std::string> transparent = {"SaveState", "SetPenColor", "SetTransparent(true)", "SetFont",
                                                  "DrawText", "RestoreState"};
    CRecordingDrawSurface first;
    drawer.Draw(first, nullptr);
    EXPECT_EQ(first.Names(), opaque);
    EXPECT_TRUE(CDrawCall::Same(first.calls[5].destination, C2DRectangle(0, 0, 50, 12)));
    EXPECT_TRUE(CDrawCall::Same(first.calls[6].destination, C2DRectangle(0, 0, 50, 12)));
    EXPECT_EQ(first.texts, std::vector<std::string>{"abc"});
    drawer.SetTransparent(true);
    CRecordingDrawSurface second;
    drawer.Draw(second, nullptr);
    EXPECT_EQ(second.Names(), transparent);
    EXPECT_TRUE(drawer.HitTest(C2DPoint(-10, 500)));
}

TEST_F(CTextDrawerTest, TheBackgroundReachesThePixels)
{
    Text text("");
    CTextDrawer drawer(text);
    drawer.SetAutoSize(false);
    drawer.SetSize(C2DSize(6, 4));
    drawer.SetBackgroundColor(CColor(10, 20, 30));
    CDIBBitmap target(C2DSize(8, 5), 32);
    std::unique_ptr<IDrawSurface> surface(target.GetDrawSurface());
    drawer.Draw(*surface, nullptr);
    surface.reset();
    EXPECT_EQ(WordAt(target, 5, 3), 0xFF0A141Eu);
    EXPECT_EQ(WordAt(target, 6, 3), 0u);
    EXPECT_EQ(WordAt(target, 5, 4), 0u);
}

TEST_F(CTextDrawerTest, ADestroyedDrawerNoLongerListens)
{
    Text text("abc");
    {
        CTextDrawer drawer(text);
    }
    text.SetValue("changed after the drawer");
    EXPECT_STREQ(text.GetValue(), "changed after the drawer");
}

} // namespace
} // namespace VeltisTest
