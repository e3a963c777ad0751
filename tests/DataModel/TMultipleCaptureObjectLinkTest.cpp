#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"
#include "Veltis/DataModel/Objects/CMultipleCaptureCurveLink.h"
#include "Veltis/DataModel/Objects/CMultipleCaptureParamLink.h"
#include "Veltis/DataModel/Objects/CMultipleCaptureStringLink.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/Math/TFunctionsOperation.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;
using VeltisTest::SetRange;

namespace {

// Parameters of 0..10 counting their writes, for the parameter multi link.
struct CParams {
    explicit CParams(int count) : params(count), writes(count)
    {
        for (int i = 0; i < count; ++i) {
            SetRange(params[i], 0.0f, 10.0f);
            params[i].GetValueSetEvent().AddListener(writes[i]);
        }
    }
    ~CParams()
    {
        for (size_t i = 0; i < params.size(); ++i)
            params[i].GetValueSetEvent().RemoveListener(&writes[i]);
    }
    CCaptureParam& operator[](int i) { return params[i]; }
    int Writes(int i) const { return writes[i].GetCount(); }

    std::vector<CCaptureParam> params;
    std::vector<CCountingCommand> writes;
};

TEST(MultipleParamLink, ASourceThatIsAlsoATargetIsNotWrittenByItsOwnChange)
{
    CParams p(3);
    CMultipleCaptureParamLink link;
    link.AddConstObject(&p[0]);
    link.AddConstObject(&p[1]);
    link.AddObject(&p[0]);
    link.AddObject(&p[2]);
    EXPECT_EQ(p.Writes(2), 0);
    link.Enable(true);
    EXPECT_EQ(p.Writes(2), 1);

    p[0].SetValue(5.0f);
    EXPECT_EQ(p.Writes(0), 2);
    EXPECT_EQ(p[2].GetValue(), 5.0f);
    p[1].SetValue(7.0f);
    EXPECT_EQ(p[0].GetValue(), 7.0f);
    EXPECT_EQ(p[2].GetValue(), 7.0f);
}

TEST(MultipleParamLink, NormalisedAndReversedValuesMapThroughEachRange)
{
    CCaptureParam a, b, target;
    SetRange(a, 0.0f, 10.0f);
    SetRange(b, -1.0f, 1.0f);
    SetRange(target, 20.0f, 40.0f);
    a.SetValue(5.0f);
    CMultipleCaptureParamLink link;
    link.AddConstObject(&a);
    link.AddConstObject(&b);
    link.AddObject(&target);
    link.SetMuxFunction(&MeanOfValues);
    link.SetNormalized(true);
    link.Enable(true);
    EXPECT_EQ(target.GetValue(), 30.0f);

    a.SetValue(0.0f);
    EXPECT_EQ(target.GetValue(), 25.0f);
    link.SetReverse(true);
    EXPECT_EQ(target.GetValue(), 35.0f);
}

TEST(MultipleParamLink, TheTriggerWindowFiltersChangesAndFullEvaluations)
{
    CParams p(3);
    CMultipleCaptureParamLink link;
    link.AddConstObject(&p[0]);
    link.AddObject(&p[1]);
    link.AddObject(&p[2]);
    link.SetTriggerMin(1.0f);
    link.SetUseTriggerMin(true);
    p[0].SetValue(0.5f);
    p[1].SetValue(3.0f);
    link.Enable(true);
    EXPECT_EQ(p[1].GetValue(), 3.0f);
    EXPECT_EQ(p[2].GetValue(), 0.5f);

    p[0].SetValue(0.75f);
    EXPECT_EQ(p[2].GetValue(), 0.5f);
    p[0].SetValue(1.0f);
    EXPECT_EQ(p[1].GetValue(), 1.0f);
    EXPECT_EQ(p[2].GetValue(), 1.0f);
}

TEST(MultipleParamLink, ModifyOnlyWritesOnlyOnASourceChange)
{
    CParams p(2);
    CMultipleCaptureParamLink link;
    link.m_ModifyOnly = true;
    p[0].SetValue(4.0f);
    link.Enable(true);
    link.AddConstObject(&p[0]);
    link.AddObject(&p[1]);
    link.SetReverse(true);
    link.SetNormalized(true);
    link.SetMuxFunction(&MinOfValues);
    EXPECT_EQ(p.Writes(1), 0);
    p[0].SetValue(2.0f);
    EXPECT_EQ(p.Writes(1), 1);
    EXPECT_EQ(p[1].GetValue(), 8.0f);
}

TEST(MultipleParamLink, WritesNothingWithoutSourcesOrMuxFunction)
{
    CParams p(2);
    CMultipleCaptureParamLink link;
    link.AddObject(&p[1]);
    link.Enable(true);
    EXPECT_EQ(p.Writes(1), 0);
    link.SetMuxFunction(nullptr);
    link.AddConstObject(&p[0]);
    p[0].SetValue(3.0f);
    EXPECT_EQ(p.Writes(1), 0);
}

TEST(MultipleParamLink, LeavingPauseNotifiesTwiceAndReEvaluates)
{
    CParams p(2);
    CMultipleCaptureParamLink link;
    link.AddConstObject(&p[0]);
    link.AddObject(&p[1]);
    link.Enable(true);
    CCountingCommand enableChanges;
    link.GetEnableChangedEvent().AddListener(enableChanges);
    link.SetPaused(true);
    p[0].SetValue(6.0f);
    EXPECT_EQ(p[1].GetValue(), 0.0f);
    link.SetPaused(false);
    EXPECT_EQ(enableChanges.GetCount(), 2);
    EXPECT_EQ(p[1].GetValue(), 6.0f);
    link.GetEnableChangedEvent().RemoveListener(&enableChanges);
}

// One source and two targets joined by an enabled link, with their gestures logged.
struct MirrorFixture : ::testing::Test {
    MirrorFixture() : p(3)
    {
        link.AddConstObject(&p[0]);
        link.AddObject(&p[1]);
        link.AddObject(&p[2]);
        link.Enable(true);
        for (int i = 0; i < 3; ++i)
            log.Watch(p[i], 10 + i, 20 + i);
    }
    CParams p;
    CMultipleCaptureParamLink link;
    VeltisTest::CGestureLog log;
};

TEST_F(MirrorFixture, ASourceGestureIsMirroredOntoTheTargets)
{
    p[0].BeginCapture();
    p[0].EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({11, 12, 10, 21, 22, 20}));
}

TEST_F(MirrorFixture, DisablingOrDisconnectingDuringAMirroredGestureEndsItOnce)
{
    p[0].BeginCapture();
    log.Take();
    link.Enable(false);
    EXPECT_EQ(log.Take(), std::vector<int>({21, 22}));
    p[0].EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({20}));

    link.Enable(true);
    p[0].BeginCapture();
    log.Take();
    link.Disconnect();
    EXPECT_EQ(log.Take(), std::vector<int>({21, 22}));
    p[0].EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({20}));
}

TEST_F(MirrorFixture, EnablingDuringASourceGestureJoinsEveryTarget)
{
    link.Enable(false);
    p[0].BeginCapture();
    link.Enable(true);
    EXPECT_EQ(log.Take(), std::vector<int>({10, 11, 12}));
    p[0].EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({21, 22, 20}));
}

TEST_F(MirrorFixture, DisconnectMemberUnhooksTheSourceAndEndsWhatItsGestureBegan)
{
    p[0].BeginCapture();
    log.Take();
    link.DisconnectMember(&p[0]);
    EXPECT_EQ(log.Take(), std::vector<int>({21, 22}));
    EXPECT_EQ(VeltisTest::ListenerCount(p[0].GetValueChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(p[0].GetBeginCaptureEvent()), 1);
    p[0].SetValue(9.0f);
    EXPECT_EQ(p[1].GetValue(), 0.0f);
    p[0].EndCapture();
}

TEST(MultipleStringLink, JoinsTheSourceTextsWithTheSeparator)
{
    CCaptureString a, b, c, target;
    CMultipleCaptureStringLink link;
    link.AddObject(&target);
    link.Enable(true);
    EXPECT_STREQ(target.GetValue(), "");
    a.SetValue("ab");
    b.SetValue("xy");
    c.SetValue("z");
    link.AddConstObject(&a);
    link.AddConstObject(&b);
    link.AddConstObject(&c);
    EXPECT_STREQ(target.GetValue(), "abxyz");
    link.SetSeparator("/");
    EXPECT_STREQ(target.GetValue(), "ab/xy/z");
    EXPECT_STREQ(link.GetSeparator(), "/");
    b.SetValue("q");
    EXPECT_STREQ(target.GetValue(), "ab/q/z");
}

TEST(MultipleCurveLink, CombinesTheSourceCurvesAndKeepsNoClone)
{
    CCaptureCurve f, g, target;
    f.SetValue(Veltis::Math::CConstantFunction(2.0f));
    CMultipleCaptureCurveLink link;
    link.AddConstObject(&f);
    link.AddConstObject(&g);
    link.AddObject(&target);
    link.Enable(true);
    EXPECT_EQ(target.GetValue().GetValue(5.0f), 7.0f);
    EXPECT_EQ(link.GetMuxFunction().GetCount(), 0);

    Veltis::Math::TFunctionsOperation<&Veltis::Math::FunctionsLibrary::Product> product(1, 1);
    product.SetFunction(0, new Veltis::Math::CConstantFunction(9.0f));
    link.SetMuxFunction(product);
    EXPECT_EQ(target.GetValue().GetValue(5.0f), 10.0f);
    EXPECT_EQ(link.GetMuxFunction().GetCount(), 0);
    EXPECT_EQ(product.GetCount(), 1);
}

} // namespace
