#include "Veltis/Core/CCapture.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Controls/CCurveViewer.h"
#include "Veltis/DataModel/Controls/CSurfaceViewer.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CSurfaceInfo.h"

#include "support/CCountingCommand.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Veltis;
using DataModel::Controls::CCurveViewer;
using DataModel::Controls::CSurfaceViewer;
using DataModel::Objects::CCurveInfo;
using DataModel::Objects::CParamInfo;
using DataModel::Objects::CSurfaceInfo;
using DataModel::Objects::IConstCurveInfo;
using DataModel::Objects::IConstSurfaceInfo;
using VeltisTest::CCountingCommand;

namespace {

// y = x / 1000, remembering the last argument.
class CRecordingFunction : public virtual Math::IFunction {
public:
    float GetValue(float x) const override
    {
        m_LastX = x;
        return x / 1000.0f;
    }
    IFunction* Clone() const override { return new CRecordingFunction(*this); }
    bool Serialize(Serialization::IWriteDataStream&) const override { return false; }
    bool DeSerialize(const Serialization::IReadDataStream&) override { return false; }
    const char* GetTypeId() const override { return ""; }
    mutable float m_LastX = 0.0f;
};

// z = x + y.
class CSum : public virtual Math::IBinaryFunction {
public:
    float GetValue(float x, float y) const override { return x + y; }
    IBinaryFunction* Clone() const override { return new CSum(*this); }
    bool Serialize(Serialization::IWriteDataStream&) const override { return false; }
    bool DeSerialize(const Serialization::IReadDataStream&) override { return false; }
    const char* GetTypeId() const override { return ""; }
};

// A read-only model object over a function the test keeps, with its events and gesture.
template <class F, class IInfo, class CInfo>
class TTestObject : public virtual DataModel::TIConstCaptureObject<const F&, IInfo> {
public:
    explicit TTestObject(const F& function) : m_Function(function) {}
    const F& GetValue() const override { return m_Function; }
    const IInfo& GetInfo() const override { return m_Info; }
    const IInfo& GetInfo() override { return m_Info; }
    Core::IEventProvider& GetValueChangedEvent() override { return m_Changed; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_Capture.GetBeginCaptureEvent(); }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_Capture.GetEndCaptureEvent(); }
    bool IsCaptured() override { return m_Capture.IsCaptured(); }

    const F& m_Function;
    CInfo m_Info;
    Core::CEventProvider m_Changed;
    Core::CCapture m_Capture;
};

typedef TTestObject<Math::IFunction, IConstCurveInfo, CCurveInfo> CTestCurve;
typedef TTestObject<Math::IBinaryFunction, IConstSurfaceInfo, CSurfaceInfo> CTestSurface;

void SetAxis(CParamInfo& axis, float min, float max)
{
    axis.SetMin(min);
    axis.SetMax(max);
}

// The viewer's events in one log: 1 changed, 2 configuration changed, 3 zoom changed.
template <class Viewer>
struct CViewerLog {
    explicit CViewerLog(Viewer& viewer) : changed(1, &log), config(2, &log), zoom(3, &log)
    {
        viewer.GetChangedEvent().AddListener(changed);
        viewer.GetConfigChangedEvent().AddListener(config);
        viewer.GetZoomChangedEvent().AddListener(zoom);
    }
    std::vector<int> Take()
    {
        std::vector<int> taken;
        taken.swap(log);
        return taken;
    }
    std::vector<int> log;
    CCountingCommand changed, config, zoom;
};

TEST(CCurveViewerTest, LogXAxisEvaluatesTheCurveAtTheGeometricMiddle)
{
    CRecordingFunction function;
    CTestCurve curve(function);
    SetAxis(curve.m_Info.GetXInfo(), 20.0f, 20000.0f);
    SetAxis(curve.m_Info.GetYInfo(), 0.0f, 20.0f);
    CCurveViewer viewer(curve);
    viewer.GetXConfig().SetLogScale(true);
    const float position = viewer.GetValuePosition(true, 0.5f);
    EXPECT_NEAR(function.m_LastX, 632.456f, 0.01f);
    EXPECT_NEAR(position, 632.456f / 1000.0f / 20.0f, 1e-5f);
    viewer.GetYConfig().SetReverse(true);
    EXPECT_NEAR(viewer.GetValuePosition(true, 0.5f), 1.0f - position, 1e-5f);
    // Clamping only on request.
    SetAxis(curve.m_Info.GetYInfo(), 0.0f, 0.1f);
    viewer.GetYConfig().SetReverse(false);
    EXPECT_EQ(viewer.GetValuePosition(true, 1.0f), 1.0f);
    EXPECT_NEAR(viewer.GetValuePosition(false, 1.0f), 200.0f, 1e-3f);
}

TEST(CCurveViewerTest, GathersEveryChangeIntoItsEvents)
{
    CRecordingFunction function;
    CTestCurve curve(function), other(function);
    CCurveViewer viewer(curve);
    CViewerLog<CCurveViewer> log(viewer);
    curve.m_Changed.Notify();
    EXPECT_EQ(log.Take(), std::vector<int>{1});
    viewer.GetYConfig().SetReverse(true);
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 1}));
    viewer.GetXConfig().SetZoom(2.0f);
    EXPECT_EQ(log.Take(), (std::vector<int>{3, 2, 1}));
    viewer.GetXConfig().SetOffset(0.5f);
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 1}));
    viewer.SetVertical(true);
    viewer.SetVertical(true);
    EXPECT_TRUE(viewer.IsVertical());
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 1}));
    viewer.Connect(&other);
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 1, 2, 1, 1}));
    EXPECT_EQ(&viewer.GetCurve(), &other);
    EXPECT_EQ(&viewer.GetXConfig().GetParamInfo(), &other.m_Info.GetXInfo());
    EXPECT_EQ(VeltisTest::ListenerCount(curve.m_Changed), 0);
    curve.m_Changed.Notify();
    EXPECT_TRUE(log.Take().empty());
}

TEST(CCurveViewerTest, GesturesAreTheCurves)
{
    CRecordingFunction function;
    CTestCurve curve(function);
    CCurveViewer viewer(curve);
    VeltisTest::CGestureLog log;
    log.Watch(viewer, 1, 2);
    curve.m_Capture.BeginCapture();
    EXPECT_TRUE(viewer.IsCaptured());
    curve.m_Capture.EndCapture();
    EXPECT_FALSE(viewer.IsCaptured());
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 2}));
}

TEST(CCurveViewerTest, ResetPositionsCountResetsEveryAxis)
{
    CRecordingFunction function;
    CTestCurve curve(function);
    curve.m_Info.GetXInfo().SetType(1);
    SetAxis(curve.m_Info.GetXInfo(), 0.0f, 4.0f);
    CCurveViewer viewer(curve);
    viewer.GetXConfig().SetPositionsCount(2);
    viewer.GetYConfig().SetPositionsCount(9);
    viewer.ResetPositionsCount();
    EXPECT_EQ(viewer.GetXConfig().GetPositionsCount(), 5);
    EXPECT_EQ(viewer.GetYConfig().GetPositionsCount(), -1);
}

TEST(CSurfaceViewerTest, MapsThroughThreeAxesAndAnnouncesOncePerAxisOnConnect)
{
    CSum sum;
    CTestSurface surface(sum), other(sum);
    SetAxis(surface.m_Info.GetXInfo(), 0.0f, 10.0f);
    SetAxis(surface.m_Info.GetYInfo(), 0.0f, 10.0f);
    SetAxis(surface.m_Info.GetZInfo(), 0.0f, 20.0f);
    CSurfaceViewer viewer(surface);
    EXPECT_FLOAT_EQ(viewer.GetValuePosition(true, 0.5f, 0.25f), 7.5f / 20.0f);
    viewer.GetZConfig().SetReverse(true);
    EXPECT_FLOAT_EQ(viewer.GetValuePosition(true, 0.5f, 0.25f), 1.0f - 7.5f / 20.0f);
    CViewerLog<CSurfaceViewer> log(viewer);
    viewer.GetYConfig().SetZoom(4.0f);
    EXPECT_EQ(log.Take(), (std::vector<int>{3, 2, 1}));
    viewer.Connect(&other);
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 1, 2, 1, 2, 1}));
    EXPECT_EQ(&viewer.GetSurface(), &other);
    other.m_Capture.BeginCapture();
    EXPECT_TRUE(viewer.IsCaptured());
    other.m_Changed.Notify();
    EXPECT_EQ(log.Take(), std::vector<int>{1});
}

TEST(CSurfaceViewerTest, DestructionUnhooksEverything)
{
    CSum sum;
    CTestSurface surface(sum);
    const int axisListeners = VeltisTest::ListenerCount(surface.m_Info.GetZInfo().GetChangedEvent());
    {
        CSurfaceViewer viewer(surface);
        EXPECT_EQ(VeltisTest::ListenerCount(surface.m_Info.GetZInfo().GetChangedEvent()), axisListeners + 1);
    }
    EXPECT_EQ(VeltisTest::ListenerCount(surface.m_Changed), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(surface.m_Capture.GetBeginCaptureEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(surface.m_Info.GetZInfo().GetChangedEvent()), axisListeners);
}

} // namespace
