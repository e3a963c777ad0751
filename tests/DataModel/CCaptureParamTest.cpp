#include "Veltis/DataModel/Objects/CCaptureParam.h"

#include "Veltis/DataModel/TICaptureObjectWrapper.h"
#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Veltis::DataModel;
using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;

namespace {

enum { kChanged = 1, kSet = 2 };

// A parameter whose value-changed and value-set listeners write into one log.
struct CLoggedParam {
    CLoggedParam(float min, float max)
    {
        param.GetWritableInfo().SetMin(min);
        param.GetWritableInfo().SetMax(max);
        param.GetValueChangedEvent().AddListener(changed);
        param.GetValueSetEvent().AddListener(set);
    }
    ~CLoggedParam()
    {
        param.GetValueChangedEvent().RemoveListener(&changed);
        param.GetValueSetEvent().RemoveListener(&set);
    }
    std::vector<int> TakeLog() { return std::move(log); }

    std::vector<int> log;
    CCountingCommand changed{kChanged, &log};
    CCountingCommand set{kSet, &log};
    CCaptureParam param;
};

TEST(CCaptureParamTest, ClampsAndAnnouncesRealChangesBeforeEveryWrite)
{
    CLoggedParam p(-40.0f, 40.0f);
    p.param.SetValue(100.0f);
    EXPECT_EQ(p.param.GetValue(), 40.0f);
    EXPECT_EQ(p.TakeLog(), (std::vector<int>{kChanged, kSet}));

    p.param.SetValue(100.0f);
    EXPECT_EQ(p.TakeLog(), (std::vector<int>{kSet}));

    p.param.SetValue(-100.0f);
    EXPECT_EQ(p.param.GetValue(), -40.0f);
    p.param.SetValue(12.5f);
    EXPECT_EQ(p.param.GetValue(), 12.5f);
}

TEST(CCaptureParamTest, MaximumIsAppliedLast)
{
    struct Case {
        const char* name;
        float min, max, request, expected;
    };
    const Case kCases[] = {
        {"minimum above maximum", 10.0f, 0.0f, 5.0f, 0.0f},
        {"NaN request", -40.0f, 40.0f, NAN, 40.0f},
        {"fresh range, positive", 0.0f, 0.0f, 3.0f, 0.0f},
        {"fresh range, negative", 0.0f, 0.0f, -3.0f, 0.0f},
        {"fresh range, infinity", 0.0f, 0.0f, INFINITY, 0.0f},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CCaptureParam param;
        param.GetWritableInfo().SetMax(c.max);
        param.GetWritableInfo().SetMin(c.min);
        param.SetValue(c.request);
        EXPECT_EQ(param.GetValue(), c.expected);
    }
}

TEST(CCaptureParamTest, FreshParameterAnnouncesOnlyTheWrite)
{
    CLoggedParam p(0.0f, 0.0f);
    EXPECT_EQ(p.param.GetValue(), 0.0f);
    EXPECT_EQ(p.param.GetInfo().GetType(), 2);
    p.param.SetValue(0.0f);
    p.param.SetValue(7.0f);
    EXPECT_EQ(p.TakeLog(), (std::vector<int>{kSet, kSet}));
}

TEST(CCaptureParamTest, NarrowedRangeKeepsTheValueUntilTheNextWrite)
{
    CLoggedParam p(0.0f, 10.0f);
    p.param.SetValue(8.0f);
    p.param.GetWritableInfo().SetMax(5.0f);
    EXPECT_EQ(p.param.GetValue(), 8.0f);
    EXPECT_EQ(&p.param.GetInfo(), static_cast<const IConstParamInfo*>(&p.param.GetWritableInfo()));
    p.param.SetValue(8.0f);
    EXPECT_EQ(p.param.GetValue(), 5.0f);
}

TEST(CCaptureParamTest, WritesDuringAGestureChangeTheValue)
{
    CLoggedParam p(0.0f, 10.0f);
    p.param.BeginCapture();
    p.param.SetValue(3.0f);
    EXPECT_EQ(p.param.GetValue(), 3.0f);
    EXPECT_TRUE(p.param.IsCaptured());
    p.param.EndCapture();
    EXPECT_FALSE(p.param.IsCaptured());
}

// A wrapper over a parameter, to show that the wrapper interfaces join the capture interfaces.
class CParamWrapper : public TICaptureObjectWrapper<float, IConstParamInfo> {
public:
    explicit CParamWrapper(CCaptureParam& param) : m_Param(&param) {}
    void Disconnect() override { m_Param = nullptr; }
    Veltis::Core::IEventProvider& GetValueChangedEvent() override { return m_Param->GetValueChangedEvent(); }
    float GetValue() const override { return m_Param ? m_Param->GetValue() : 0.0f; }
    const IConstParamInfo& GetInfo() const override { return m_Param->GetInfo(); }
    const IConstParamInfo& GetInfo() override { return m_Param->GetInfo(); }
    Veltis::Core::IEventProvider& GetBeginCaptureEvent() override { return m_Param->GetBeginCaptureEvent(); }
    Veltis::Core::IEventProvider& GetEndCaptureEvent() override { return m_Param->GetEndCaptureEvent(); }
    bool IsCaptured() override { return m_Param->IsCaptured(); }
    void SetValue(float value) override { m_Param->SetValue(value); }
    void BeginCapture() override { m_Param->BeginCapture(); }
    void EndCapture() override { m_Param->EndCapture(); }

private:
    CCaptureParam* m_Param;
};

TEST(CCaptureParamTest, FacesOfOneObjectReachEachOther)
{
    CCaptureParam param;
    param.GetWritableInfo().SetMax(10.0f);
    Veltis::Core::IConstCapture* capture = &param;
    auto* writable = dynamic_cast<TICaptureObject<float, IConstParamInfo>*>(capture);
    ASSERT_NE(writable, nullptr);
    writable->SetValue(4.0f);
    auto* value = dynamic_cast<Veltis::Core::TIConstValue<float>*>(capture);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->GetValue(), 4.0f);
    EXPECT_NE(dynamic_cast<Veltis::Core::ICapture*>(value), nullptr);
    EXPECT_EQ(dynamic_cast<Veltis::Core::IDisconnect*>(value), nullptr);

    CParamWrapper wrapper(param);
    TIConstCaptureObject<float, IConstParamInfo>* readOnly = &wrapper;
    auto* disconnect = dynamic_cast<Veltis::Core::IDisconnect*>(readOnly);
    ASSERT_NE(disconnect, nullptr);
    auto* writableWrapper = dynamic_cast<TICaptureValue<float>*>(readOnly);
    ASSERT_NE(writableWrapper, nullptr);
    writableWrapper->SetValue(6.0f);
    EXPECT_EQ(readOnly->GetValue(), 6.0f);
    disconnect->Disconnect();
    EXPECT_EQ(readOnly->GetValue(), 0.0f);
    EXPECT_EQ(param.GetValue(), 6.0f);
}

} // namespace
