#include "Veltis/Graphics/CFont.h"
#include "Veltis/Graphics/CFontManager.h"
#include "Veltis/Graphics/CSharedFont.h"
#include "Veltis/Graphics/NativeFont.h"

#include "Native/CoreFoundation.h"
#include "Native/CoreText.h"
#include "Native/Harness.h"
#include "support/CCountingCommand.h"
#include "support/GraphicsEnvironment.h"
#include "support/NativeFonts.h"
#include "support/NativeTest.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Veltis::Graphics;

namespace VeltisTest {
namespace {

class CFontTest : public NativeTest {};

CFontDescription Describe(const char* face, int height, int weight = 400, bool italic = false)
{
    CFontDescription description;
    description.SetFaceName(face);
    description.SetHeight(height);
    description.SetWeight(weight);
    description.SetItalic(italic);
    return description;
}

TEST_F(CFontTest, SettersNotifyOnlyRealChanges)
{
    CFontDescription description;
    CCountingCommand changes;
    description.GetChangeEvent().AddListener(changes);
    description.SetHeight(0);
    description.SetFaceName(nullptr);
    description.SetFaceName("");
    description.SetWeight(400);
    description.SetQuality(1);
    description.SetEscapement(0.0f);
    EXPECT_EQ(changes.GetCount(), 0);

    description.SetFaceName("Arial");
    description.SetHeight(16);
    description.SetEscapement(0.5f);
    description.SetStrikeOut(true);
    EXPECT_EQ(changes.GetCount(), 4);
    description.SetFaceName(nullptr);
    EXPECT_STREQ(description.GetFaceName(), "");
    EXPECT_EQ(changes.GetCount(), 5);
    description.GetChangeEvent().RemoveListener(&changes);
}

TEST_F(CFontTest, AssignCopiesAllNineFieldsOnlyWhenTheSharingKeyDiffers)
{
    CFontDescription source = Describe("Arial", 16);
    source.SetUnderline(true);
    source.SetQuality(3);
    source.SetWidth(7);
    source.SetStrikeOut(true);

    CFontDescription same = Describe("Arial", 16);
    CCountingCommand changes;
    same.GetChangeEvent().AddListener(changes);
    same.Assign(source);
    EXPECT_EQ(changes.GetCount(), 0);
    EXPECT_FALSE(same.IsUnderline()) << "equal keys copy nothing";
    EXPECT_EQ(same.GetQuality(), 1);

    CFontDescription other = Describe("Arial", 17);
    other.GetChangeEvent().AddListener(changes);
    other.Assign(source);
    EXPECT_EQ(changes.GetCount(), 1);
    EXPECT_EQ(other.GetHeight(), 16);
    EXPECT_TRUE(other.IsUnderline());
    EXPECT_EQ(other.GetQuality(), 3);
    EXPECT_EQ(other.GetWidth(), 7);
    EXPECT_TRUE(other.IsStrikeOut());

    // Built from a description whose key is the default one: the other fields stay default.
    CFontDescription fromDefaultKey(static_cast<const IFontDescription&>(CFontDescription()));
    CFontDescription underlinedDefault;
    underlinedDefault.SetUnderline(true);
    CFontDescription copy(static_cast<const IFontDescription&>(underlinedDefault));
    EXPECT_FALSE(copy.IsUnderline());
    same.GetChangeEvent().RemoveListener(&changes);
    other.GetChangeEvent().RemoveListener(&changes);
}

TEST_F(CFontTest, NativeFontsFromDescriptionsAndBack)
{
    CFont font(Describe("Lucida Grande", 16));
    Native::CTFontRef native = font.GetNativeFont();
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(Native::CTFontGetSize(native), 12);
    EXPECT_EQ(FamilyOf(native), "DejaVu Sans");
    EXPECT_EQ(font.GetNativeFont(), native) << "made once while the description stays";

    struct Case {
        const char* face;
        int weight;
        bool italic;
        Native::CTFontSymbolicTraits traits;
    };
    const Case kCases[] = {
        {"Times", 700, false, Native::kCTFontBoldTrait},
        {"Courier", 400, true, Native::kCTFontItalicTrait},
        {"Arial", 700, true, Native::kCTFontBoldTrait | Native::kCTFontItalicTrait},
        {"Arial", 600, false, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.face);
        CFont styled(Describe(c.face, 20, c.weight, c.italic));
        EXPECT_EQ(Native::CTFontGetSymbolicTraits(styled.GetNativeFont()), c.traits);
        // Read back.
        CFont read(static_cast<Native::CTFontRef>(Native::CFRetain(styled.GetNativeFont())));
        EXPECT_EQ(read.GetHeight(), 20);
        EXPECT_EQ(read.GetWeight(), c.weight == 700 ? 700 : 400);
        EXPECT_EQ(read.IsItalic(), c.italic);
        EXPECT_EQ(read.GetQuality(), 2);
        EXPECT_EQ(read.GetWidth(), 0);
        EXPECT_FALSE(read.IsUnderline());
    }

    // A 13-point font reads back 17 pixels high.
    CFont thirteen(Native::CTFontCreateUIFontForLanguage(Native::kCTFontSystemFontType, 0, nullptr));
    EXPECT_EQ(thirteen.GetHeight(), 17);
    EXPECT_STREQ(thirteen.GetFaceName(), "DejaVu Sans");
}

TEST_F(CFontTest, DetachAndSetNativeFont)
{
    CFont font(Describe("Arial", 16));
    Native::CTFontRef detached = font.DetachNativeFont();
    ASSERT_NE(detached, nullptr);
    EXPECT_EQ(font.GetNativeFont(), nullptr);
    font.SetHeight(20);
    Native::CTFontRef fresh = font.GetNativeFont();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(Native::CTFontGetSize(fresh), 15);

    font.SetNativeFont(detached);
    EXPECT_EQ(font.GetNativeFont(), detached);
    EXPECT_EQ(font.GetHeight(), 16);
    EXPECT_STREQ(font.GetFaceName(), "DejaVu Sans");
    font.SetNativeFont(nullptr);
    EXPECT_EQ(font.GetNativeFont(), nullptr) << "not dirty after the reset";
    EXPECT_EQ(font.GetHeight(), 0);
    EXPECT_EQ(font.GetQuality(), 1);
    EXPECT_EQ(Native::Harness::LiveObjects("NSFont"), 0u);

    std::unique_ptr<IFont> clone(CFont(Describe("Serif", 30)).Clone());
    EXPECT_EQ(clone->GetHeight(), 30);
    EXPECT_EQ(FamilyOf(clone->GetNativeFont()), "DejaVu Serif");
}

TEST_F(CFontTest, SharedFontsThatDifferOutsideTheKeyShareOneNativeFont)
{
    CFontManager& manager = CFontManager::GetInstance();
    CFontDescription plain = Describe("Geneva", 15);
    CFontDescription underlined = Describe("Geneva", 15);
    underlined.SetUnderline(true);
    underlined.SetQuality(3);
    std::unique_ptr<CSharedFont> first(new CSharedFont(manager, plain));
    std::unique_ptr<CSharedFont> second(new CSharedFont(manager, underlined));
    EXPECT_EQ(manager.GetShareCount(plain), 0) << "acquired lazily";
    Native::CTFontRef native = first->GetNativeFont();
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(second->GetNativeFont(), native);
    EXPECT_EQ(manager.GetShareCount(plain), 2);
    first.reset();
    EXPECT_EQ(manager.GetShareCount(plain), 1);
    EXPECT_EQ(Native::Harness::LiveObjects("NSFont"), 1u);
    second.reset();
    EXPECT_EQ(manager.GetShareCount(plain), 0);
    EXPECT_EQ(Native::Harness::LiveObjects("NSFont"), 0u);
}

TEST_F(CFontTest, ASharedFontWhoseDescriptionChangedReleasesTheEntryItHeld)
{
    CFontManager& manager = CFontManager::GetInstance();
    CFontDescription small = Describe("Geneva", 15);
    CFontDescription large = Describe("Geneva", 30);
    CSharedFont keeper(manager, small);
    keeper.GetNativeFont();
    {
        CSharedFont font(manager, small);
        font.GetNativeFont();
        EXPECT_EQ(manager.GetShareCount(small), 2);
        font.SetHeight(30);
        EXPECT_EQ(manager.GetShareCount(small), 2) << "given back lazily";
        font.GetNativeFont();
        EXPECT_EQ(manager.GetShareCount(small), 1);
        EXPECT_EQ(manager.GetShareCount(large), 1);
        // Changed again without asking: the destruction gives back the large entry, not the small one.
        font.SetHeight(15);
    }
    EXPECT_EQ(manager.GetShareCount(small), 1);
    EXPECT_EQ(manager.GetShareCount(large), 0);
    EXPECT_EQ(Native::Harness::LiveObjects("NSFont"), 1u);

    // Releasing a description never acquired changes nothing.
    manager.ReleaseFont(Describe("Never", 99));
    EXPECT_EQ(manager.GetShareCount(small), 1);
}

TEST_F(CFontTest, AnEntryWithoutANativeFontIsStillGivenBack)
{
    CFontManager& manager = CFontManager::GetInstance();
    // A face name that is not UTF-8 makes no native font, but the manager still keeps an entry.
    CFontDescription broken = Describe("\xff\xfe", 20);
    {
        CSharedFont font(manager, broken);
        EXPECT_EQ(font.GetNativeFont(), nullptr);
        EXPECT_EQ(manager.GetShareCount(broken), 1);
        font.SetHeight(21);
        font.GetNativeFont();
        EXPECT_EQ(manager.GetShareCount(broken), 0);
    }
    EXPECT_EQ(manager.GetShareCount(Describe("\xff\xfe", 21)), 0);

    // A missing bold face leaves the plain one.
    Native::Harness::HideFontFace("DejaVu Serif", true, false);
    CFont bold(Describe("Times", 20, 700));
    ASSERT_NE(bold.GetNativeFont(), nullptr);
    EXPECT_EQ(Native::CTFontGetSymbolicTraits(bold.GetNativeFont()), 0u);
}

TEST_F(CFontTest, TheDefaultFontIsTheInterfaceFontAndLivesForTheProcess)
{
    IFontDescription& description = CFont::GetDefaultFontDescription();
    EXPECT_EQ(&description, static_cast<IFontDescription*>(&CFont::GetDefaultFont()));
    EXPECT_STREQ(description.GetFaceName(), "DejaVu Sans");
    EXPECT_EQ(description.GetHeight(), 17);
    EXPECT_EQ(description.GetWeight(), 400);
    EXPECT_EQ(description.GetQuality(), 2);
    std::unique_ptr<IFont> clone(CFont::GetDefaultFont().Clone());
    EXPECT_EQ(clone->GetNativeFont(), CFont::GetDefaultFont().GetNativeFont()) << "shared through the manager";
    clone.reset();

    Native::CTFontRef native = GetDefaultNativeFont();
    EXPECT_EQ(Native::CTFontGetSize(native), 13);
    EXPECT_EQ(GetDefaultNativeFont(), native);
    Native::CFRelease(native);
    Native::CFRelease(native);
    EXPECT_FALSE(LoadFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    UnloadFontFile(nullptr);
    EXPECT_EQ(Native::Harness::LiveObjects(), 0u);
}

} // namespace
} // namespace VeltisTest
