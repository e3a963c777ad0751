#include "Veltis/DataModel/Objects/CCaptureParamConnection.h"

#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/Math/IFunction.h"
#include "support/CCountingCommand.h"
#include "support/CaptureSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;
using VeltisTest::CGestureLog;
using VeltisTest::SetRange;

namespace {

// param1 0..10 and param2 0..5 unless a test changes them; the connection is built as skins build it.
struct CConnectionFixture {
    CConnectionFixture()
    {
        SetRange(param1, 0.0f, 10.0f);
        SetRange(param2, 0.0f, 5.0f);
    }
    CCaptureParam param1;
    CCaptureParam param2;
    CCaptureParamConnection connection{&param2, &param1};
};

TEST(CCaptureParamConnectionTest, FirstConstructorArgumentIsParam2)
{
    CCaptureParam first, second;
    SetRange(first, 0.0f, 10.0f);
    SetRange(second, 0.0f, 10.0f);
    second.SetValue(3.0f);
    CCaptureParamConnection connection(&first, &second);
    EXPECT_EQ(connection.GetParam2(), &first);
    EXPECT_EQ(connection.GetParam1(), &second);
    EXPECT_FALSE(connection.IsEnabled());
    EXPECT_EQ(first.GetValue(), 0.0f);

    CCountingCommand enableChanged;
    connection.GetEnableChangedEvent().AddListener(enableChanged);
    connection.Enable(true);
    connection.Enable(true);
    EXPECT_EQ(first.GetValue(), 3.0f);
    EXPECT_EQ(enableChanged.GetCount(), 1);
    connection.GetEnableChangedEvent().RemoveListener(&enableChanged);
}

TEST(CCaptureParamConnectionTest, ConstraintSetsBackWhatTheOtherCannotFollow)
{
    for (bool constrained : {true, false}) {
        SCOPED_TRACE(constrained ? "constrained" : "free");
        CConnectionFixture f;
        f.connection.SetConstrained(constrained);
        f.connection.Enable(true);
        f.param1.SetValue(8.0f);
        EXPECT_EQ(f.param2.GetValue(), 5.0f);
        EXPECT_EQ(f.param1.GetValue(), constrained ? 5.0f : 8.0f);
    }
}

TEST(CCaptureParamConnectionTest, ConstraintActsWhenTheOtherIsAlreadyAtItsLimit)
{
    CConnectionFixture f;
    f.connection.SetConstrained(true);
    f.param1.SetValue(5.0f);
    f.connection.Enable(true);
    ASSERT_EQ(f.param2.GetValue(), 5.0f);

    CCountingCommand param2Changed;
    f.param2.GetValueChangedEvent().AddListener(param2Changed);
    f.param1.SetValue(9.0f);
    EXPECT_EQ(param2Changed.GetCount(), 0);
    EXPECT_EQ(f.param1.GetValue(), 5.0f);
    f.param2.GetValueChangedEvent().RemoveListener(&param2Changed);
}

TEST(CCaptureParamConnectionTest, DifferenceModeMovesTheOtherByTheStep)
{
    CConnectionFixture f;
    SetRange(f.param2, 0.0f, 10.0f);
    f.param1.SetValue(2.0f);
    f.param2.SetValue(7.0f);
    f.connection.SetDiffMode(true);
    f.connection.Enable(true);
    EXPECT_EQ(f.param1.GetValue(), 2.0f);
    EXPECT_EQ(f.param2.GetValue(), 7.0f);

    f.param1.SetValue(3.0f);
    EXPECT_EQ(f.param2.GetValue(), 8.0f);
    f.param2.SetValue(6.0f);
    EXPECT_EQ(f.param1.GetValue(), 1.0f);

    // Leaving difference mode makes param2 follow param1 plainly.
    f.connection.SetDiffMode(false);
    EXPECT_EQ(f.param2.GetValue(), 1.0f);
}

TEST(CCaptureParamConnectionTest, NormalisedAndReversedBothWays)
{
    CConnectionFixture f;
    SetRange(f.param2, 100.0f, 200.0f);
    f.param1.SetValue(2.0f);
    f.connection.SetNormalized(true);
    f.connection.SetReverse(true);
    f.connection.Enable(true);
    EXPECT_EQ(f.param2.GetValue(), 180.0f);
    f.param2.SetValue(150.0f);
    EXPECT_EQ(f.param1.GetValue(), 5.0f);
    f.param2.SetValue(100.0f);
    EXPECT_EQ(f.param1.GetValue(), 10.0f);
}

TEST(CCaptureParamConnectionTest, ValuesCrossACurveAndComeBackUnchanged)
{
    struct Case {
        EParamValueCurve curve;
        bool normalized, reversed;
    };
    const Case kCases[] = {
        {eParamValueCurveLog3, true, false},  {eParamValueCurveLog3, true, true},
        {eParamValueCurveExp2, true, true},   {eParamValueCurveSquareRoot, false, false},
        {eParamValueCurveLog, false, true},   {eParamValueCurveExp1, false, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << kParamValueCurveNames[c.curve] << (c.normalized ? " normalised" : "")
                                        << (c.reversed ? " reversed" : ""));
        CCaptureParam param1, param2;
        SetRange(param1, 0.0f, 1.0f);
        SetRange(param2, c.normalized ? -20.0f : -5.0f, c.normalized ? 60.0f : 5.0f);
        CCaptureParamConnection connection(&param2, &param1);
        connection.SetConstrained(true);
        connection.SetResponseCurve(c.curve);
        connection.SetNormalized(c.normalized);
        connection.SetReverse(c.reversed);
        connection.Enable(true);

        const Veltis::Math::IFunction* function = nullptr;
        const Veltis::Math::IFunction* inverse = nullptr;
        GetParamValueCurveFunctions(c.curve, function, inverse);
        for (float x : {0.05f, 0.3f, 0.77f}) {
            SCOPED_TRACE(x);
            param1.SetValue(x);
            EXPECT_EQ(param1.GetValue(), x);
            float y = function->GetValue(x);
            if (c.normalized)
                y = c.reversed ? 60.0f - 80.0f * y : 80.0f * y - 20.0f;
            else if (c.reversed)
                y = -y;
            EXPECT_NEAR(param2.GetValue(), y, 1e-4f);

            // And from the other side: param2 keeps what it was given, param1 takes the inverse.
            const float written = param2.GetValue() * 0.5f;
            param2.SetValue(written);
            EXPECT_EQ(param2.GetValue(), written);
            float back = written;
            if (c.normalized)
                back = c.reversed ? (60.0f - written) / 80.0f : (written + 20.0f) / 80.0f;
            else if (c.reversed)
                back = -written;
            EXPECT_NEAR(param1.GetValue(), inverse->GetValue(back), 1e-4f);
        }
    }
}

TEST(CCaptureParamConnectionTest, PausedMirrorsGesturesButNotValues)
{
    CConnectionFixture f;
    f.connection.Enable(true);
    f.connection.SetPaused(true);
    f.param1.SetValue(4.0f);
    EXPECT_EQ(f.param2.GetValue(), 0.0f);
    f.param1.BeginCapture();
    EXPECT_TRUE(f.param2.IsCaptured());
    f.param1.EndCapture();
    EXPECT_FALSE(f.param2.IsCaptured());

    CCountingCommand enableChanged;
    f.connection.GetEnableChangedEvent().AddListener(enableChanged);
    f.connection.SetPaused(false);
    EXPECT_EQ(f.param2.GetValue(), 4.0f);
    EXPECT_EQ(enableChanged.GetCount(), 2);
    f.connection.GetEnableChangedEvent().RemoveListener(&enableChanged);
}

TEST(CCaptureParamConnectionTest, GesturesAreMirroredBothWaysAndDisablingEndsOnlyItsOwn)
{
    enum { kBegin1 = 1, kEnd1 = 2, kBegin2 = 3, kEnd2 = 4 };
    CConnectionFixture f;
    CGestureLog log;
    log.Watch(f.param1, kBegin1, kEnd1);
    log.Watch(f.param2, kBegin2, kEnd2);
    f.connection.Enable(true);

    f.param2.BeginCapture();
    f.param2.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{kBegin2, kBegin1, kEnd2, kEnd1}));

    // The user holds param1: disabling ends the gesture the connection began on param2, not the user's.
    f.param1.BeginCapture();
    f.connection.Enable(false);
    EXPECT_TRUE(f.param1.IsCaptured());
    EXPECT_FALSE(f.param2.IsCaptured());
    f.param1.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{kBegin1, kBegin2, kEnd2, kEnd1}));

    // Enabling while the user holds param1 makes param2 join the gesture.
    f.param1.BeginCapture();
    f.connection.Enable(true);
    EXPECT_TRUE(f.param2.IsCaptured());
    f.param1.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{kBegin1, kBegin2, kEnd1, kEnd2}));
}

TEST(CCaptureParamConnectionTest, NewEndsAreSynchronisedAndDisconnectKeepsTheFlag)
{
    CConnectionFixture f;
    f.param1.SetValue(3.0f);
    f.connection.Enable(true);
    CCaptureParam other;
    SetRange(other, 0.0f, 10.0f);
    f.connection.SetParam2(&other);
    EXPECT_EQ(other.GetValue(), 3.0f);
    f.param1.SetValue(4.0f);
    EXPECT_EQ(f.param2.GetValue(), 3.0f);

    CCountingCommand enableChanged;
    f.connection.GetEnableChangedEvent().AddListener(enableChanged);
    f.connection.Disconnect();
    EXPECT_EQ(enableChanged.GetCount(), 4);
    EXPECT_TRUE(f.connection.IsEnabled());
    f.param1.SetValue(6.0f);
    EXPECT_EQ(other.GetValue(), 4.0f);
    f.connection.GetEnableChangedEvent().RemoveListener(&enableChanged);
}

TEST(CCaptureParamConnectionTest, DestructionUnhooksFromBothParameters)
{
    CCaptureParam param1, param2;
    SetRange(param1, 0.0f, 10.0f);
    SetRange(param2, 0.0f, 10.0f);
    auto connection = std::make_unique<CCaptureParamConnection>(&param2, &param1);
    connection->Enable(true);
    param1.BeginCapture();
    connection.reset();
    EXPECT_FALSE(param2.IsCaptured());
    param1.SetValue(2.0f);
    param2.SetValue(7.0f);
    param1.EndCapture();
    EXPECT_EQ(param1.GetValue(), 2.0f);
}

} // namespace
