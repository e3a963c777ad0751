#include "Veltis/Layout/CLayoutOptions.h"

#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace Veltis::Core::Align;
using namespace Veltis::Layout;
using VeltisTest::CCountingCommand;

namespace {

TEST(CLayoutOptions, DefaultsCentreWithoutPositionsRelativeSizesOrFlex)
{
    const CLayoutOptions options;
    EXPECT_EQ(options.GetHAlign(), kHCenter);
    EXPECT_EQ(options.GetVAlign(), kVCenter);
    EXPECT_EQ(options.GetHPosition(), 0);
    EXPECT_EQ(options.GetVPosition(), 0);
    EXPECT_FALSE(options.IsHPositionSet());
    EXPECT_FALSE(options.IsVPositionSet());
    EXPECT_EQ(options.GetRelativeWidth(), -1.0f);
    EXPECT_EQ(options.GetRelativeHeight(), -1.0f);
    EXPECT_FALSE(options.HasRelativeWidth());
    EXPECT_FALSE(options.HasRelativeHeight());
    EXPECT_EQ(options.GetFlex(), 0.0f);
}

TEST(CLayoutOptions, SettersNotifyOnlyWhenTheValueChanges)
{
    struct Case {
        const char* name;
        std::function<void(CLayoutOptions&, int)> set; // 0: the default value, 1 and 2: others
        int notifiesAtDefault;
    };
    const Case kCases[] = {
        {"h align", [](CLayoutOptions& o, int v) { o.SetHAlign(EHAlign(1 + v)); }, 0},
        {"v align", [](CLayoutOptions& o, int v) { o.SetVAlign(EVAlign(1 - v)); }, 0},
        {"relative width", [](CLayoutOptions& o, int v) { o.SetRelativeWidth(v - 1.0f); }, 0},
        {"relative height", [](CLayoutOptions& o, int v) { o.SetRelativeHeight(v * 0.25f - 1.0f); }, 0},
        {"flex", [](CLayoutOptions& o, int v) { o.SetFlex(v * 1.5f); }, 0},
        // The first set notifies even with the value already stored.
        {"h position", [](CLayoutOptions& o, int v) { o.SetHPosition(v * 30); }, 1},
        {"v position", [](CLayoutOptions& o, int v) { o.SetVPosition(-v); }, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CLayoutOptions options;
        CCountingCommand listener;
        options.GetChangedEvents().AddListener(listener);
        c.set(options, 0);
        EXPECT_EQ(listener.GetCount(), c.notifiesAtDefault);
        c.set(options, 0);
        EXPECT_EQ(listener.GetCount(), c.notifiesAtDefault);
        c.set(options, 1);
        EXPECT_EQ(listener.GetCount(), c.notifiesAtDefault + 1);
        c.set(options, 1);
        EXPECT_EQ(listener.GetCount(), c.notifiesAtDefault + 1);
        c.set(options, 2);
        EXPECT_EQ(listener.GetCount(), c.notifiesAtDefault + 2);
    }
}

TEST(CLayoutOptions, PositionSetOnceStaysSet)
{
    CLayoutOptions options;
    options.SetHPosition(0);
    EXPECT_TRUE(options.IsHPositionSet());
    EXPECT_FALSE(options.IsVPositionSet());
    options.SetVPosition(-7);
    EXPECT_TRUE(options.IsVPositionSet());
    EXPECT_EQ(options.GetVPosition(), -7);
}

TEST(CLayoutOptions, NegativeRelativeSizeMeansNoneAndZeroIsOne)
{
    CLayoutOptions options;
    options.SetRelativeWidth(0.0f);
    EXPECT_TRUE(options.HasRelativeWidth());
    options.SetRelativeWidth(-1.0f);
    EXPECT_FALSE(options.HasRelativeWidth());
    options.SetRelativeHeight(0.0f);
    EXPECT_TRUE(options.HasRelativeHeight());
    options.SetRelativeHeight(-0.5f);
    EXPECT_FALSE(options.HasRelativeHeight());
}

// A NaN never compares equal: stored, it would notify at every call and take every sibling's flex share.
TEST(CLayoutOptions, NaNRelativeSizeAndFlexAreIgnored)
{
    CLayoutOptions options;
    options.SetFlex(2.0f);
    options.SetRelativeWidth(0.5f);
    options.SetRelativeHeight(0.25f);
    CCountingCommand listener;
    options.GetChangedEvents().AddListener(listener);
    for (int i = 0; i < 2; ++i) {
        options.SetFlex(NAN);
        options.SetRelativeWidth(NAN);
        options.SetRelativeHeight(-NAN);
    }
    EXPECT_EQ(listener.GetCount(), 0);
    EXPECT_EQ(options.GetFlex(), 2.0f);
    EXPECT_EQ(options.GetRelativeWidth(), 0.5f);
    EXPECT_EQ(options.GetRelativeHeight(), 0.25f);

    options.SetFlex(INFINITY);
    EXPECT_EQ(listener.GetCount(), 1);
    EXPECT_EQ(options.GetFlex(), INFINITY);
}

TEST(CLayoutOptions, CopyTakesEveryValueAndFlagButHasItsOwnEvent)
{
    CLayoutOptions source;
    source.SetHAlign(kRight);
    source.SetVAlign(kTop);
    source.SetHPosition(0);
    source.SetRelativeWidth(0.0f);
    source.SetRelativeHeight(0.75f);
    source.SetFlex(3.0f);
    CCountingCommand sourceListener;
    source.GetChangedEvents().AddListener(sourceListener);

    const ILayoutOptions& asInterface = source;
    CLayoutOptions copy(asInterface);
    EXPECT_EQ(copy.GetHAlign(), kRight);
    EXPECT_EQ(copy.GetVAlign(), kTop);
    EXPECT_TRUE(copy.IsHPositionSet());
    EXPECT_FALSE(copy.IsVPositionSet());
    EXPECT_EQ(copy.GetRelativeWidth(), 0.0f);
    EXPECT_EQ(copy.GetRelativeHeight(), 0.75f);
    EXPECT_EQ(copy.GetFlex(), 3.0f);

    CCountingCommand copyListener;
    copy.GetChangedEvents().AddListener(copyListener);
    copy.SetFlex(1.0f);
    EXPECT_EQ(copyListener.GetCount(), 1);
    EXPECT_EQ(sourceListener.GetCount(), 0);
    // The position flag came along: setting the same position again is no change.
    copy.SetHPosition(0);
    EXPECT_EQ(copyListener.GetCount(), 1);
}

} // namespace
