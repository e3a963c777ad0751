#include <gtest/gtest.h>

#include <vector>

#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureCurveValueParam.h"
#include "Veltis/DataModel/Objects/CCaptureSurface.h"
#include "Veltis/DataModel/Objects/CCaptureSurfaceValueParam.h"
#include "Veltis/Math/CConstantFunction.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;

namespace {

// y = x on a curve whose value axis is "gain" in dB, read at a position parameter of -10..10.
struct CurveValueFixture : ::testing::Test {
    CurveValueFixture() : value(PrepareCurve(), &position)
    {
        VeltisTest::SetRange(position, -10.0f, 10.0f);
        value.GetValueChangedEvent().AddListener(changes);
        value.GetInfo().GetChangedEvent().AddListener(infoChanges);
        log.Watch(value, 1, 2);
    }
    ~CurveValueFixture() override
    {
        value.GetValueChangedEvent().RemoveListener(&changes);
        value.GetInfo().GetChangedEvent().RemoveListener(&infoChanges);
    }
    CCaptureCurve* PrepareCurve()
    {
        curve.GetWritableInfo().GetYInfo().SetName("gain");
        curve.GetWritableInfo().GetYInfo().SetUnit("dB");
        curve.GetWritableInfo().GetYInfo().SetDefault(-3.0f);
        return &curve;
    }

    CCaptureCurve curve;
    CCaptureParam position;
    CCaptureCurveValueParam value;
    CCountingCommand changes, infoChanges;
    VeltisTest::CGestureLog log;
};

TEST_F(CurveValueFixture, ReadsTheCurveAtThePositionAndRelaysEveryChange)
{
    EXPECT_STREQ(value.GetInfo().GetName(), "gain");
    EXPECT_STREQ(value.GetInfo().GetUnit(), "dB");
    position.SetValue(4.0f);
    EXPECT_EQ(value.GetValue(), 4.0f);
    curve.SetValue(Veltis::Math::CConstantFunction(2.0f));
    position.SetValue(5.0f);
    EXPECT_EQ(value.GetValue(), 2.0f);
    EXPECT_EQ(changes.GetCount(), 3);
}

TEST_F(CurveValueFixture, FollowsRenamesAndRangeChangesOfTheValueAxis)
{
    curve.GetWritableInfo().GetYInfo().SetName("level");
    EXPECT_STREQ(value.GetInfo().GetName(), "level");
    curve.GetWritableInfo().GetYInfo().SetMax(12.0f);
    EXPECT_EQ(value.GetInfo().GetMax(), 12.0f);
    EXPECT_EQ(infoChanges.GetCount(), 2);
}

TEST_F(CurveValueFixture, OverlappingGesturesGiveOneBeginAndOneEnd)
{
    position.BeginCapture();
    curve.BeginCapture();
    position.EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({1}));
    EXPECT_TRUE(value.IsCaptured());
    curve.EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({2}));
    EXPECT_FALSE(value.IsCaptured());
}

TEST_F(CurveValueFixture, UnbindingACapturedSourceClosesTheGesture)
{
    position.BeginCapture();
    value.SetXParam(nullptr);
    EXPECT_EQ(log.Take(), std::vector<int>({1, 2}));
    EXPECT_FALSE(value.IsCaptured());
    position.EndCapture();
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(value.GetValue(), -3.0f);
}

TEST_F(CurveValueFixture, DisconnectReadsTheLastDefaultAndUnhooksEverything)
{
    curve.BeginCapture();
    value.Disconnect();
    EXPECT_EQ(log.Take(), std::vector<int>({1, 2}));
    EXPECT_EQ(value.GetValue(), -3.0f);
    for (auto* event : {&curve.GetValueChangedEvent(), &curve.GetBeginCaptureEvent(), &curve.GetEndCaptureEvent(),
                        &curve.GetInfo().GetChangedEvent(), &position.GetValueChangedEvent(), &position.GetEndCaptureEvent()})
        EXPECT_EQ(VeltisTest::ListenerCount(*event), 0);
    curve.EndCapture();
    curve.GetWritableInfo().GetYInfo().SetName("other");
    EXPECT_STREQ(value.GetInfo().GetName(), "gain");
    EXPECT_EQ(changes.GetCount(), 0);
}

TEST(CurveValueParam, UnboundReadsZero)
{
    CCaptureCurveValueParam value(nullptr, nullptr);
    EXPECT_EQ(value.GetValue(), 0.0f);
    EXPECT_FALSE(value.IsCaptured());
}

// (x, y) -> x - y tells the argument order.
class CDifference : public Veltis::Math::IBinaryFunction {
public:
    bool Serialize(Veltis::Serialization::IWriteDataStream&) const override { return false; }
    const char* GetTypeId() const override { return "test-difference"; }
    float GetValue(float x, float y) const override { return x - y; }
    IBinaryFunction* Clone() const override { return new CDifference(); }
    bool DeSerialize(const Veltis::Serialization::IReadDataStream&) override { return false; }
};

TEST(SurfaceValueParam, EvaluatesWithXFirstAndTakesTheZAxis)
{
    CCaptureSurface surface;
    surface.SetValue(CDifference());
    surface.GetWritableInfo().GetZInfo().SetName("depth");
    CCaptureParam x, y;
    VeltisTest::SetRange(x, 0.0f, 10.0f);
    VeltisTest::SetRange(y, 0.0f, 10.0f);
    x.SetValue(7.0f);
    y.SetValue(2.0f);
    CCaptureSurfaceValueParam value(&surface, &x, &y);
    EXPECT_EQ(value.GetValue(), 5.0f);
    EXPECT_STREQ(value.GetInfo().GetName(), "depth");
    CCountingCommand changes;
    value.GetValueChangedEvent().AddListener(changes);
    y.SetValue(3.0f);
    EXPECT_EQ(changes.GetCount(), 1);
    value.SetYParam(nullptr);
    EXPECT_EQ(value.GetValue(), 0.0f);
    value.GetValueChangedEvent().RemoveListener(&changes);
}

} // namespace
