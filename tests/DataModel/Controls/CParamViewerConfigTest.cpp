#include "Veltis/DataModel/Controls/CParamViewer.h"
#include "Veltis/DataModel/Controls/CParamViewerConfig.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/Math/IFunction.h"

#include "support/CCountingCommand.h"
#include "support/ListenerCount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <functional>
#include <memory>

using namespace Veltis;
using DataModel::Controls::CParamViewer;
using DataModel::Controls::CParamViewerConfig;
using DataModel::Objects::CCaptureParam;
using DataModel::Objects::CParamInfo;
using DataModel::Objects::EParamValueCurve;
using VeltisTest::CCountingCommand;

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const EParamValueCurve kLinear = DataModel::Objects::eParamValueCurveLinear;

enum EDirection { eToPosition, eToValue };

// One mapping: the descriptor, the configuration, and one conversion with its expected result.
struct Case {
    const char* name;
    int type;
    float min, max;
    int count;  // 99 leaves the count as the descriptor sets it
    bool log, reverse;
    EParamValueCurve curve;
    float zoom, offset;
    bool zoomPositions;
    EDirection direction;
    float input;
    bool clamp;
    float expected;
};

const Case kCases[] = {
    {"boolean 0.3", 0, 0, 1, 99, false, false, kLinear, 1, 0, true, eToPosition, 0.3f, true, 0.0f},
    {"boolean 0.6", 0, 0, 1, 99, false, false, kLinear, 1, 0, true, eToPosition, 0.6f, true, 1.0f},
    {"boolean at 0.49", 0, 0, 1, 99, false, false, kLinear, 1, 0, true, eToValue, 0.49f, false, 0.0f},
    {"boolean at 0.5", 0, 0, 1, 99, false, false, kLinear, 1, 0, true, eToValue, 0.5f, false, 1.0f},
    {"integer at 0.26", 1, 0, 10, 99, false, false, kLinear, 1, 0, true, eToValue, 0.26f, false, 3.0f},
    {"integer quantised", 1, 0, 10, 99, false, false, kLinear, 1, 0, true, eToPosition, 3.4f, false, 0.3f},
    {"one position", 2, 0, 10, 0, false, false, kLinear, 1, 0, true, eToValue, 0.7f, false, 0.0f},
    {"one position reversed", 2, 0, 10, 0, false, true, kLinear, 1, 0, true, eToValue, 0.7f, false, 10.0f},
    {"one position to position", 2, 0, 10, 0, false, false, kLinear, 1, 0, true, eToPosition, 7.0f, false, 0.0f},
    {"five positions", 2, 0, 1, 5, false, false, kLinear, 1, 0, true, eToPosition, 0.3f, false, 0.25f},
    {"five positions to value", 2, 0, 1, 5, false, false, kLinear, 1, 0, true, eToValue, 0.4f, false, 0.5f},
    {"equal ends", 2, 5, 5, 99, false, false, kLinear, 1, 0, true, eToPosition, 7.0f, false, 0.0f},
    {"equal ends reversed", 2, 5, 5, 99, false, true, kLinear, 1, 0, true, eToPosition, 7.0f, false, 1.0f},
    {"equal ends to value", 2, 5, 5, 99, false, false, kLinear, 1, 0, true, eToValue, 0.3f, false, 5.0f},
    {"equal ends log", 2, 5, 5, 99, true, false, kLinear, 1, 0, true, eToPosition, 0.0f, false, 0.0f},
    {"log", 2, 20, 20000, 99, true, false, kLinear, 1, 0, true, eToPosition, 200.0f, false, 1.0f / 3.0f},
    {"log to value", 2, 20, 20000, 99, true, false, kLinear, 1, 0, true, eToValue, 0.5f, false, 632.4555f},
    {"log zero minimum", 2, 0, 100, 99, true, false, kLinear, 1, 0, true, eToPosition, 50.0f, false, 0.0f},
    {"log zero minimum to value", 2, 0, 100, 99, true, false, kLinear, 1, 0, true, eToValue, 0.7f, false, 0.0f},
    {"log negative ratio", 2, -10, 10, 99, true, false, kLinear, 1, 0, true, eToPosition, 5.0f, false, 0.0f},
    {"log negative ratio to value", 2, -10, 10, 99, true, false, kLinear, 1, 0, true, eToValue, 0.5f, false, -10.0f},
    {"upper half at 0", 2, 0, 10, 99, false, false, kLinear, 2, 1, true, eToValue, 0.0f, false, 5.0f},
    {"upper half minimum clamped", 2, 0, 10, 99, false, false, kLinear, 2, 1, true, eToPosition, 0.0f, true, 0.0f},
    {"upper half minimum", 2, 0, 10, 99, false, false, kLinear, 2, 1, true, eToPosition, 0.0f, false, -1.0f},
    {"upper half maximum", 2, 0, 10, 99, false, false, kLinear, 2, 1, true, eToPosition, 10.0f, false, 1.0f},
    {"zoom positions off", 2, 0, 1, 11, false, false, kLinear, 2, 0, false, eToPosition, 0.26f, false, 0.5f},
    {"past the top clamped", 2, 0, 10, 99, false, false, kLinear, 1, 0, true, eToPosition, 12.0f, true, 1.0f},
    {"past the top", 2, 0, 10, 99, false, false, kLinear, 1, 0, true, eToPosition, 12.0f, false, 1.2f},
    {"NaN clamped", 2, 0, 10, 99, false, false, kLinear, 1, 0, true, eToPosition, kNaN, true, 0.0f},
    {"other type rounds half away, below 0", 5, -5, 5, 99, false, false, kLinear, 1, 0, true, eToValue, 0.25f, false, -3.0f},
    {"other type rounds half away, above 0", 5, -5, 5, 99, false, false, kLinear, 1, 0, true, eToValue, 0.75f, false, 3.0f},
    {"type 3 against half the width", 3, 10, 20, 99, false, false, kLinear, 1, 0, true, eToValue, 0.4f, false, 20.0f},
    {"reversed", 2, 0, 10, 99, false, true, kLinear, 1, 0, true, eToPosition, 2.0f, false, 0.8f},
    {"reversed to value", 2, 0, 10, 99, false, true, kLinear, 1, 0, true, eToValue, 0.8f, false, 2.0f},
};

TEST(CParamViewerConfigTest, MapsStepByStep)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CParamInfo info(c.type, "p", "", "", nullptr, c.min, c.max, c.min);
        CParamViewerConfig config(info);
        if (c.count != 99)
            config.SetPositionsCount(c.count);
        config.SetLogScale(c.log);
        config.SetReverse(c.reverse);
        config.SetResponseCurve(c.curve);
        config.SetZoom(c.zoom);
        config.SetOffset(c.offset);
        config.SetZoomPositions(c.zoomPositions);
        const float result =
            c.direction == eToPosition ? config.ValueToPosition(c.input, c.clamp) : config.PositionToValue(c.input);
        EXPECT_NEAR(result, c.expected, 1e-4f * (1.0f + std::fabs(c.expected)));
    }
}

TEST(CParamViewerConfigTest, ResponseCurvesMapThroughTheirFunctionPair)
{
    CParamInfo info(2, "p", "", "", nullptr, 0.0f, 1.0f, 0.0f);
    CParamViewerConfig config(info);
    const EParamValueCurve kCurves[] = {DataModel::Objects::eParamValueCurveLog2, DataModel::Objects::eParamValueCurveSquare,
                                        DataModel::Objects::eParamValueCurveExp3};
    for (EParamValueCurve curve : kCurves) {
        SCOPED_TRACE(curve);
        const Math::IFunction* function = nullptr;
        const Math::IFunction* inverse = nullptr;
        DataModel::Objects::GetParamValueCurveFunctions(curve, function, inverse);
        config.SetResponseCurve(curve);
        for (float x : {0.1f, 0.5f, 0.9f}) {
            EXPECT_EQ(config.ValueToPosition(x, false), inverse->GetValue(x));
            EXPECT_EQ(config.PositionToValue(x), function->GetValue(x));
        }
        config.SetReverse(true);
        EXPECT_EQ(config.ValueToPosition(0.3f, false), 1.0f - inverse->GetValue(0.3f));
        EXPECT_EQ(config.PositionToValue(0.3f), function->GetValue(0.7f));
        config.SetReverse(false);
    }
    // A value outside the enumeration gives the identity.
    config.SetResponseCurve(static_cast<EParamValueCurve>(99));
    EXPECT_EQ(config.ValueToPosition(0.3f, false), 0.3f);
}

TEST(CParamViewerConfigTest, PositionsCountsFollowTheDescriptor)
{
    CParamInfo integer(1, "i", "", "", nullptr, 0.0f, 10.0f, 0.0f);
    CParamViewerConfig config(integer);
    EXPECT_EQ(config.GetPositionsCount(), 11);
    config.SetPositionsCount(50);
    EXPECT_EQ(config.GetPositionsCount(), 11);
    config.SetPositionsCount(-7);
    EXPECT_EQ(config.GetPositionsCount(), 11);
    config.SetPositionsCount(4);
    EXPECT_EQ(config.GetPositionsCount(), 4);
    // A narrower range lowers the count; a wider one keeps it.
    integer.SetMax(2.0f);
    EXPECT_EQ(config.GetPositionsCount(), 3);
    integer.SetMax(100.0f);
    EXPECT_EQ(config.GetPositionsCount(), 3);
    config.ResetPositionsCount();
    EXPECT_EQ(config.GetPositionsCount(), 101);

    CParamInfo continuous(2, "c", "", "", nullptr, 0.0f, 1.0f, 0.0f);
    CParamViewerConfig free(continuous);
    EXPECT_EQ(free.GetPositionsCount(), -1);
    EXPECT_EQ(free.GetVisiblePositionsCount(), -1.0f);
    free.SetPositionsCount(0);
    EXPECT_EQ(free.GetPositionsCount(), 1);
    free.SetPositionsCount(-7);
    EXPECT_EQ(free.GetPositionsCount(), -1);
    free.SetPositionsCount(11);
    free.SetZoom(2.0f);
    free.SetZoomPositions(false);
    EXPECT_EQ(free.GetPositionsCount(), 21);
    EXPECT_EQ(free.GetVisiblePositionsCount(), 11.0f);
    // Huge ranges and zooms saturate instead of overflowing.
    CParamInfo huge(1, "h", "", "", nullptr, -3e9f, 3e9f, 0.0f);
    CParamViewerConfig wide(huge);
    EXPECT_EQ(wide.GetPositionsCount(), 2147483647);
    free.SetZoom(std::numeric_limits<float>::infinity());
    EXPECT_EQ(free.GetPositionsCount(), 2147483647);
    free.SetPositionsCount(1);
    EXPECT_EQ(free.GetPositionsCount(), 1);
    EXPECT_EQ(free.GetVisiblePositionsCount(), 1.0f);
}

TEST(CParamViewerConfigTest, EventsOfEachSetting)
{
    CParamInfo info(2, "p", "", "", nullptr, 0.0f, 1.0f, 0.0f);
    CParamInfo other(2, "o", "", "", nullptr, 0.0f, 5.0f, 0.0f);
    CParamViewerConfig config(info);
    CCountingCommand changed, zoom, offset, reverse, described;
    config.GetChangedEvent().AddListener(changed);
    config.GetZoomChangedEvent().AddListener(zoom);
    config.GetOffsetChangedEvent().AddListener(offset);
    config.GetReverseChangedEvent().AddListener(reverse);
    config.GetParamInfoChangedEvent().AddListener(described);
    struct Step {
        const char* name;
        std::function<void()> run;
        int changed, zoom, offset, reverse;
    };
    const Step kSteps[] = {
        {"zoom below 1", [&] { config.SetZoom(0.5f); }, 1, 1, 0, 0},
        {"zoom NaN", [&] { config.SetZoom(kNaN); }, 0, 0, 0, 0},
        {"zoom 1 again", [&] { config.SetZoom(1.0f); }, 0, 0, 0, 0},
        {"zoom 3", [&] { config.SetZoom(3.0f); }, 1, 1, 0, 0},
        {"offset", [&] { config.SetOffset(0.5f); }, 1, 0, 1, 0},
        {"offset again", [&] { config.SetOffset(0.5f); }, 0, 0, 0, 0},
        {"offset NaN", [&] { config.SetOffset(kNaN); }, 0, 0, 0, 0},
        {"same curve", [&] { config.SetResponseCurve(kLinear); }, 1, 0, 0, 0},
        {"same count", [&] { config.SetPositionsCount(-1); }, 0, 0, 0, 0},
        {"new count", [&] { config.SetPositionsCount(8); }, 1, 0, 0, 0},
        {"reverse", [&] { config.SetReverse(true); }, 1, 0, 0, 1},
        {"reverse again", [&] { config.SetReverse(true); }, 0, 0, 0, 0},
        {"log", [&] { config.SetLogScale(true); }, 1, 0, 0, 0},
        {"log again", [&] { config.SetLogScale(true); }, 0, 0, 0, 0},
        {"zoom positions", [&] { config.SetZoomPositions(false); }, 1, 0, 0, 0},
        {"descriptor edit", [&] { info.SetMax(2.0f); }, 1, 0, 0, 0},
    };
    for (const Step& step : kSteps) {
        SCOPED_TRACE(step.name);
        const int before[] = {changed.GetCount(), zoom.GetCount(), offset.GetCount(), reverse.GetCount()};
        step.run();
        EXPECT_EQ(changed.GetCount() - before[0], step.changed);
        EXPECT_EQ(zoom.GetCount() - before[1], step.zoom);
        EXPECT_EQ(offset.GetCount() - before[2], step.offset);
        EXPECT_EQ(reverse.GetCount() - before[3], step.reverse);
    }
    EXPECT_EQ(config.GetZoom(), 3.0f);
    EXPECT_EQ(described.GetCount(), 0);
    config.SetParamInfo(other);
    EXPECT_EQ(described.GetCount(), 1);
    EXPECT_EQ(VeltisTest::ListenerCount(info.GetChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(other.GetChangedEvent()), 1);
}

TEST(CParamViewerConfigTest, MinMaxAndDefaultPositions)
{
    CParamInfo info(2, "p", "", "", nullptr, 0.0f, 10.0f, 2.5f);
    CParamViewerConfig config(info);
    EXPECT_EQ(config.GetDefaultPosition(true), 0.25f);
    EXPECT_EQ(config.GetMinPosition(true), 0.0f);
    EXPECT_EQ(config.GetMaxPosition(true), 1.0f);
    config.SetReverse(true);
    EXPECT_EQ(config.GetMinPosition(true), 0.0f);
    EXPECT_EQ(config.GetMaxPosition(true), 1.0f);
    EXPECT_EQ(config.GetDefaultPosition(true), 0.75f);
}

TEST(CParamViewerTest, FollowsTheParameterAndEveryMappingChange)
{
    CCaptureParam param;
    param.GetWritableInfo().SetMax(10.0f);
    param.SetValue(5.0f);
    CParamViewer viewer(param);
    EXPECT_EQ(viewer.GetPosition(), 0.5f);
    CCountingCommand moved;
    viewer.GetPositionChangedEvent().AddListener(moved);
    param.SetValue(2.0f);
    param.SetValue(2.0f);
    EXPECT_EQ(moved.GetCount(), 1);
    EXPECT_EQ(viewer.GetPosition(), 0.2f);
    // A mapping change moves the position before it returns.
    viewer.SetReverse(true);
    EXPECT_EQ(viewer.GetPosition(), 0.8f);
    EXPECT_EQ(moved.GetCount(), 2);
    viewer.SetZoom(2.0f);
    EXPECT_EQ(viewer.GetPosition(), 1.0f);
    param.GetWritableInfo().SetMax(20.0f);
    EXPECT_EQ(moved.GetCount(), 3);
}

TEST(CParamViewerTest, MirrorsGesturesAndCarriesThemOverAConnect)
{
    CCaptureParam first, second;
    second.GetWritableInfo().SetMax(4.0f);
    second.SetValue(1.0f);
    CParamViewer viewer(first);
    first.BeginCapture();
    EXPECT_TRUE(viewer.GetPositionCapture().IsCaptured());
    EXPECT_FALSE(viewer.IsCaptured());
    viewer.Connect(&second);
    EXPECT_TRUE(viewer.GetPositionCapture().IsCaptured());
    EXPECT_EQ(viewer.GetPosition(), 0.25f);
    EXPECT_EQ(&viewer.GetParamInfo(), &second.GetInfo());
    EXPECT_EQ(VeltisTest::ListenerCount(first.GetValueChangedEvent()), 0);
    first.EndCapture();
    EXPECT_TRUE(viewer.GetPositionCapture().IsCaptured());
    second.BeginCapture();
    second.EndCapture();
    EXPECT_FALSE(viewer.GetPositionCapture().IsCaptured());
}

TEST(CParamViewerTest, DestructionUnhooksFromParameterAndDescriptor)
{
    CCaptureParam param;
    {
        CParamViewer viewer(param);
    }
    EXPECT_EQ(VeltisTest::ListenerCount(param.GetValueChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(param.GetBeginCaptureEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(param.GetEndCaptureEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(param.GetInfo().GetChangedEvent()), 0);
}

} // namespace
