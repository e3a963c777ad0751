#include "Veltis/DataModel/Objects/CCaptureParamLink.h"

#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/Math/CConstantFunction.h"
#include "support/CCountingCommand.h"
#include "support/CaptureSupport.h"
#include "support/CountedFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountedFunction;
using VeltisTest::CCountingCommand;
using VeltisTest::CFunctionCounters;
using VeltisTest::CGestureLog;
using VeltisTest::SetRange;

namespace {

// A source and a target parameter, both -100..100 unless a test narrows them, and a link between.
struct CLinkFixture {
    CLinkFixture()
    {
        SetRange(source, -100.0f, 100.0f);
        SetRange(target, -100.0f, 100.0f);
    }
    CCaptureParam source;
    CCaptureParam target;
    CCaptureParamLink link{&source, &target};
};

TEST(CCaptureParamLinkTest, WritesNothingUntilEnabledThenFollowsTheSource)
{
    CLinkFixture f;
    f.source.SetValue(12.0f);
    EXPECT_EQ(f.target.GetValue(), 0.0f);
    EXPECT_FALSE(f.link.IsEnabled());

    CCountingCommand enableChanged;
    f.link.GetEnableChangedEvent().AddListener(enableChanged);
    f.link.Enable(true);
    f.link.Enable(true);
    EXPECT_EQ(f.target.GetValue(), 12.0f);
    EXPECT_EQ(enableChanged.GetCount(), 1);

    f.source.SetValue(-3.0f);
    EXPECT_EQ(f.target.GetValue(), -3.0f);
    f.link.Enable(false);
    f.source.SetValue(5.0f);
    EXPECT_EQ(f.target.GetValue(), -3.0f);
    EXPECT_EQ(enableChanged.GetCount(), 2);
    f.link.GetEnableChangedEvent().RemoveListener(&enableChanged);
}

TEST(CCaptureParamLinkTest, ModifyOnlyWritesOnlyRealChangesOfTheSource)
{
    CLinkFixture f;
    f.link.SetTriggerOnModify(true);
    f.source.SetValue(4.0f);
    f.link.Enable(true);
    EXPECT_EQ(f.target.GetValue(), 0.0f);

    f.link.SetReverse(true);
    f.link.SetNormalized(true);
    f.link.SetNormalized(false);
    f.link.SetReverse(false);
    EXPECT_EQ(f.target.GetValue(), 0.0f);

    f.source.SetValue(6.0f);
    EXPECT_EQ(f.target.GetValue(), 6.0f);
    f.target.SetValue(1.0f);
    // An update that brings the value the link saw last writes nothing.
    f.link.Update();
    EXPECT_EQ(f.target.GetValue(), 1.0f);
}

TEST(CCaptureParamLinkTest, TransformsNormalisedReversedAndByDifference)
{
    struct Case {
        const char* name;
        float sourceMin, sourceMax, targetMin, targetMax;
        std::function<void(CCaptureParamLink&)> configure;
        float sourceValue, expected;
    };
    const Case kCases[] = {
        {"normalised over an empty range clamps to the maximum", 10.0f, 10.0f, 0.0f, 50.0f,
         [](CCaptureParamLink& link) { link.SetNormalized(true); }, 12.0f, 50.0f},
        {"normalised with a NaN function gives the minimum", 0.0f, 10.0f, 20.0f, 50.0f,
         [](CCaptureParamLink& link) {
             link.SetNormalized(true);
             link.SetFunction(new Veltis::Math::CConstantFunction(NAN), true);
         },
         5.0f, 20.0f},
        {"reversed in the target range", 0.0f, 100.0f, 0.0f, 100.0f,
         [](CCaptureParamLink& link) { link.SetReverse(true); }, 30.0f, 70.0f},
        {"normalised and reversed", 0.0f, 10.0f, 100.0f, 200.0f,
         [](CCaptureParamLink& link) {
             link.SetNormalized(true);
             link.SetReverse(true);
         },
         2.0f, 180.0f},
        {"normalised through a response curve", 0.0f, 4.0f, 0.0f, 10.0f,
         [](CCaptureParamLink& link) {
             link.SetNormalized(true);
             link.SetResponseCurve(eParamValueCurveSquare);
         },
         2.0f, 2.5f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CCaptureParam source, target;
        // A range narrowed after the write keeps the value, which may so lie outside the range.
        SetRange(source, -1000.0f, 1000.0f);
        source.SetValue(c.sourceValue);
        SetRange(source, c.sourceMin, c.sourceMax);
        SetRange(target, c.targetMin, c.targetMax);
        CCaptureParamLink link(&source, &target);
        c.configure(link);
        link.Enable(true);
        EXPECT_EQ(target.GetValue(), c.expected);
    }
}

TEST(CCaptureParamLinkTest, DifferenceModeMovesTheTargetBySingleFloatSteps)
{
    CLinkFixture f;
    f.source.SetValue(0.2f);
    f.target.SetValue(0.1f);
    f.link.SetDiffMode(true);
    f.link.Enable(true);
    // Enabling starts from a zero difference, up to the rounding of the specified order.
    const float enabled = (0.1f + 0.2f) - 0.2f;
    EXPECT_EQ(f.target.GetValue(), enabled);

    f.target.SetValue(0.1f);
    f.source.SetValue(0.5f);
    const float expected = (0.1f + 0.5f) - 0.2f;
    EXPECT_EQ(f.target.GetValue(), expected);
    EXPECT_NEAR(f.target.GetValue(), 0.4f, 1e-6f);

    // Leaving difference mode writes the plain mapping at once.
    f.link.SetDiffMode(false);
    EXPECT_EQ(f.target.GetValue(), 0.5f);
}

TEST(CCaptureParamLinkTest, SettersWriteAtOnceEvenWhenDisabled)
{
    CLinkFixture f;
    SetRange(f.target, 0.0f, 100.0f);
    f.source.SetValue(30.0f);
    std::vector<int> log;
    CCountingCommand targetChanged(1, &log);
    CCountingCommand reverseChanged(2, &log);
    f.target.GetValueChangedEvent().AddListener(targetChanged);
    f.link.GetReverseChangedEvent().AddListener(reverseChanged);

    f.link.SetReverse(true);
    f.link.SetReverse(true);
    EXPECT_TRUE(f.link.IsReversed());
    EXPECT_EQ(f.target.GetValue(), 70.0f);
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
    f.target.GetValueChangedEvent().RemoveListener(&targetChanged);
    f.link.GetReverseChangedEvent().RemoveListener(&reverseChanged);
}

TEST(CCaptureParamLinkTest, OwnedFunctionsAreDeletedOnReplacementAndDestruction)
{
    CFunctionCounters::Reset();
    {
        CLinkFixture f;
        CCountedFunction lent(1.0f, 0.0f);
        f.link.SetFunction(new CCountedFunction(2.0f, 0.0f), true);
        EXPECT_EQ(CFunctionCounters::Alive(), 2);
        f.link.SetFunction(&lent, false);
        EXPECT_EQ(CFunctionCounters::Alive(), 1);
        f.link.SetFunction(new CCountedFunction(3.0f, 0.0f), true);
        f.source.SetValue(2.0f);
        f.link.Enable(true);
        EXPECT_EQ(f.target.GetValue(), 6.0f);
        f.link.SetFunction(nullptr, false);
        EXPECT_EQ(f.target.GetValue(), 2.0f);
        f.link.SetFunction(new CCountedFunction(4.0f, 0.0f), true);
        EXPECT_EQ(CFunctionCounters::Alive(), 2);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 0);
}

TEST(CCaptureParamLinkTest, ACycleCrossesEachLinkOnce)
{
    CCaptureParam a, b;
    SetRange(a, -100.0f, 100.0f);
    SetRange(b, -100.0f, 100.0f);
    CCaptureParamLink aToB(&a, &b);
    CCaptureParamLink bToA(&b, &a);
    bToA.SetFunction(new CCountedFunction(1.0f, 1.0f), true);
    aToB.Enable(true);
    bToA.Enable(true);

    CCountingCommand aSet, bSet;
    a.GetValueSetEvent().AddListener(aSet);
    b.GetValueSetEvent().AddListener(bSet);
    a.SetValue(10.0f);
    EXPECT_EQ(b.GetValue(), 10.0f);
    EXPECT_EQ(a.GetValue(), 11.0f);
    EXPECT_EQ(aSet.GetCount(), 2);
    EXPECT_EQ(bSet.GetCount(), 1);
    a.GetValueSetEvent().RemoveListener(&aSet);
    b.GetValueSetEvent().RemoveListener(&bSet);
}

TEST(CCaptureParamLinkTest, PauseIgnoresTheSourceAndLeavingItRestarts)
{
    CLinkFixture f;
    f.link.Enable(true);
    f.link.SetPaused(true);
    f.source.SetValue(7.0f);
    f.source.BeginCapture();
    EXPECT_EQ(f.target.GetValue(), 0.0f);
    EXPECT_FALSE(f.target.IsCaptured());

    f.link.SetPaused(false);
    EXPECT_EQ(f.target.GetValue(), 7.0f);
    EXPECT_TRUE(f.target.IsCaptured());
    f.source.EndCapture();
    EXPECT_FALSE(f.target.IsCaptured());
}

TEST(CCaptureParamLinkTest, ANewSourceRestartsAnEnabledLink)
{
    CLinkFixture f;
    CCaptureParam other;
    SetRange(other, -100.0f, 100.0f);
    other.SetValue(9.0f);
    f.link.Enable(true);
    CCountingCommand enableChanged;
    f.link.GetEnableChangedEvent().AddListener(enableChanged);
    f.link.SetSource(&other);
    EXPECT_EQ(enableChanged.GetCount(), 2);
    EXPECT_EQ(f.target.GetValue(), 9.0f);
    f.source.SetValue(1.0f);
    EXPECT_EQ(f.target.GetValue(), 9.0f);
    f.link.GetEnableChangedEvent().RemoveListener(&enableChanged);

    // Disconnected, the flag stays: new ends bring the link back to work.
    f.link.Disconnect();
    EXPECT_TRUE(f.link.IsEnabled());
    EXPECT_EQ(f.link.GetSource(), nullptr);
    EXPECT_EQ(f.link.GetTarget(), nullptr);
    f.link.SetTarget(&f.target);
    f.link.SetSource(&f.source);
    EXPECT_EQ(f.target.GetValue(), 1.0f);
}

TEST(CCaptureParamLinkTest, AGestureOnTheSourceHoldsTheTargetAndAlwaysCloses)
{
    enum { kBegin = 1, kEnd = 2, kOtherBegin = 3, kOtherEnd = 4 };
    struct Case {
        const char* name;
        std::function<void(std::unique_ptr<CCaptureParamLink>&, CCaptureParam& other)> during;
    };
    const Case kCases[] = {
        {"release", [](std::unique_ptr<CCaptureParamLink>&, CCaptureParam&) {}},
        {"disable", [](std::unique_ptr<CCaptureParamLink>& link, CCaptureParam&) { link->Enable(false); }},
        {"retarget", [](std::unique_ptr<CCaptureParamLink>& link, CCaptureParam& other) { link->SetTarget(&other); }},
        {"disconnect", [](std::unique_ptr<CCaptureParamLink>& link, CCaptureParam&) { link->Disconnect(); }},
        {"destroy", [](std::unique_ptr<CCaptureParamLink>& link, CCaptureParam&) { link.reset(); }},
        {"pause, then disable",
         [](std::unique_ptr<CCaptureParamLink>& link, CCaptureParam&) {
             link->SetPaused(true);
             link->Enable(false);
         }},
        {"new source",
         [](std::unique_ptr<CCaptureParamLink>& link, CCaptureParam& other) { link->SetSource(&other); }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CCaptureParam source, target, other;
        CGestureLog log;
        log.Watch(target, kBegin, kEnd);
        log.Watch(other, kOtherBegin, kOtherEnd);
        auto link = std::make_unique<CCaptureParamLink>(&source, &target);
        link->Enable(true);

        source.BeginCapture();
        EXPECT_TRUE(target.IsCaptured());
        c.during(link, other);
        source.EndCapture();
        EXPECT_FALSE(target.IsCaptured());
        EXPECT_EQ(log.Take(), (std::vector<int>{kBegin, kEnd}));
    }
}

TEST(CCaptureParamLinkTest, AnEnabledLinkJoinsAGestureInProgress)
{
    CLinkFixture f;
    f.source.BeginCapture();
    f.link.Enable(true);
    EXPECT_TRUE(f.target.IsCaptured());
    f.source.EndCapture();
    EXPECT_FALSE(f.target.IsCaptured());
}

} // namespace
