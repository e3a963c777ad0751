#include "Veltis/Core/CEnable.h"
#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/ModelObjectWrappers.h"
#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/CCaptureParamConnection.h"
#include "Veltis/DataModel/Objects/CCaptureParamLink.h"
#include "Veltis/DataModel/Objects/CCaptureSurfaceFromCurveOverTime.h"
#include "Veltis/DataModel/Objects/CCurveFromParamOverTime.h"

#include "support/CCountingCommand.h"
#include "support/CManualTimerProvider.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>

using namespace Veltis;
using DataModel::IConstParamWrapper;
using DataModel::IParamWrapper;
using DataModel::Objects::CCaptureCurve;
using DataModel::Objects::CCaptureParam;
using DataModel::Objects::CCaptureParamConnection;
using DataModel::Objects::CCaptureParamLink;
using DataModel::Objects::CCaptureSurfaceFromCurveOverTime;
using DataModel::Objects::CCurveFromParamOverTime;
using VeltisTest::CCountingCommand;
using VeltisTest::TextOf;

namespace {

// A collection's count with its count-changed event; SetCount records what it was asked.
class CCollection : public virtual Containers::ICount {
public:
    int GetCount() const override { return m_Count; }
    void SetCount(int count) override
    {
        m_Count = count;
        m_Changed.Notify();
    }
    int m_Count = 0;
    Core::CEventProvider m_Changed;
};

// The model objects whose properties are published, as a skin model would hold them.
struct CModel {
    CModel()
        : link(&source, &target), connection(&source, &target), curveOverTime(&source, &timer),
          surfaceOverTime(&curve, &timer)
    {
    }
    CCaptureParam source, target;
    CCaptureCurve curve;
    VeltisTest::CManualTimerProvider timer;
    CCaptureParamLink link;
    CCaptureParamConnection connection;
    CCurveFromParamOverTime curveOverTime;
    CCaptureSurfaceFromCurveOverTime surfaceOverTime;
    CCollection collection;
    Core::CEnable alive;
};

// One publication's descriptor, and its texts of 0 and 1.
TEST(ModelObjectWrappersTest, EachPublicationCarriesItsDescriptor)
{
    CModel m;
    m.link.Enable(true);
    m.connection.SetReverse(true);
    m.curveOverTime.SetPaused(true);
    m.collection.m_Count = 4;
    m.alive.Enable(true);
    struct Case {
        const char* id;
        std::function<IConstParamWrapper*()> create;
        int type;
        float min, max, defaultValue;
        const char* unit;
        const char* text0;
        const char* text1;
    };
    const Case kCases[] = {
        {"l.enabled", [&] { return DataModel::CreateEnabledWrapper("l.enabled", m.link); }, 0, 0, 1, 1, "",
         "disabled", "enabled"},
        {"c.reverse", [&] { return DataModel::CreateReverseWrapper("c.reverse", m.connection); }, 0, 0, 1, 1, "",
         "normal", "reverse"},
        {"o.refresh_time_ms", [&] { return DataModel::CreateRefreshTimeWrapper("o.refresh_time_ms", m.curveOverTime, 50); },
         1, 0, 1000000, 50, "ms", "0.00", "1.00"},
        {"l.mode", [&] { return DataModel::CreateModeWrapper("l.mode", m.link); }, 0, 0, 1, 0, "", "normal", "diff"},
        {"c.mode", [&] { return DataModel::CreateModeWrapper("c.mode", m.connection); }, 0, 0, 1, 0, "", "normal",
         "diff"},
        {"o.paused", [&] { return DataModel::CreatePausedWrapper("o.paused", m.curveOverTime); }, 0, 0, 1, 1, "",
         "running", "paused"},
        {"s.paused", [&] { return DataModel::CreatePausedWrapper("s.paused", m.surfaceOverTime); }, 0, 0, 1, 0, "",
         "running", "paused"},
        {"col.count", [&] { return DataModel::CreateCountWrapper("col.count", m.collection, &m.collection.m_Changed, 2, 5, 7); },
         1, 2, 5, 5, "", "0.00", "1.00"},
        {"fe.count", [&] { return DataModel::CreateForEachCountWrapper("fe.count", m.collection, &m.collection.m_Changed); },
         1, 0, 2147483648.0f, 4, "", "0.00", "1.00"},
        {"alive", [&] { return DataModel::CreateAliveWrapper(m.alive); }, 0, 0, 1, 0, "", "asleep", "alive"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.id);
        std::unique_ptr<IConstParamWrapper> wrapper(c.create());
        const DataModel::Objects::IConstParamInfo& info = wrapper->GetInfo();
        EXPECT_STREQ(info.GetName(), c.id);
        EXPECT_EQ(info.GetType(), c.type);
        EXPECT_EQ(info.GetMin(), c.min);
        EXPECT_EQ(info.GetMax(), c.max);
        EXPECT_EQ(info.GetDefault(), c.defaultValue);
        EXPECT_STREQ(info.GetUnit(), c.unit);
        EXPECT_EQ(TextOf(*info.GetValueToText(), 0.0f), c.text0);
        EXPECT_EQ(TextOf(*info.GetValueToText(), 1.0f), c.text1);
        EXPECT_FALSE(wrapper->IsCaptured());
    }
}

TEST(ModelObjectWrappersTest, CountDefaultsClampUpToTheMinimumFirst)
{
    CCollection collection;
    struct Case {
        int min, max, count;
        float expected;
    };
    const Case kCases[] = {{2, 5, 7, 5}, {2, 5, 0, 2}, {2, 5, 3, 3}, {6, 5, 0, 5}, {0, INT_MAX, 0, 0}};
    for (const Case& c : kCases) {
        std::unique_ptr<IParamWrapper> count(DataModel::CreateCountWrapper("n", collection, nullptr, c.min, c.max, c.count));
        EXPECT_EQ(count->GetInfo().GetDefault(), c.expected);
    }
}

TEST(ModelObjectWrappersTest, EnabledFollowsTheLinkAndAnnouncesOnlyRealChanges)
{
    CModel m;
    m.link.Enable(true);
    std::unique_ptr<IParamWrapper> enabled(DataModel::CreateEnabledWrapper("l.enabled", m.link));
    CCountingCommand changed;
    enabled->GetValueChangedEvent().AddListener(changed);
    EXPECT_EQ(enabled->GetValue(), 1.0f);
    enabled->SetValue(0.5f);
    EXPECT_TRUE(m.link.IsEnabled());
    EXPECT_EQ(changed.GetCount(), 0);
    enabled->SetValue(0.0f);
    EXPECT_FALSE(m.link.IsEnabled());
    EXPECT_EQ(changed.GetCount(), 1);
    // A change made elsewhere is seen too.
    m.link.Enable(true);
    EXPECT_EQ(changed.GetCount(), 2);
    EXPECT_EQ(enabled->GetValue(), 1.0f);
}

TEST(ModelObjectWrappersTest, ReverseFollowsTheObjectsEvent)
{
    CModel m;
    std::unique_ptr<IParamWrapper> reverse(DataModel::CreateReverseWrapper("l.reverse", m.link));
    CCountingCommand changed;
    reverse->GetValueChangedEvent().AddListener(changed);
    reverse->SetValue(1.0f);
    EXPECT_TRUE(m.link.IsReversed());
    EXPECT_EQ(reverse->GetValue(), 1.0f);
    EXPECT_EQ(changed.GetCount(), 1);
}

TEST(ModelObjectWrappersTest, SilentPropertiesAnnounceEveryWrite)
{
    CModel m;
    std::unique_ptr<IParamWrapper> mode(DataModel::CreateModeWrapper("c.mode", m.connection));
    std::unique_ptr<IParamWrapper> paused(DataModel::CreatePausedWrapper("s.paused", m.surfaceOverTime));
    std::unique_ptr<IParamWrapper> period(DataModel::CreateRefreshTimeWrapper("o.refresh_time_ms", m.curveOverTime, 50));
    CCountingCommand modeChanged, pausedChanged, periodChanged;
    mode->GetValueChangedEvent().AddListener(modeChanged);
    paused->GetValueChangedEvent().AddListener(pausedChanged);
    period->GetValueChangedEvent().AddListener(periodChanged);
    mode->SetValue(1.0f);
    mode->SetValue(1.0f);
    EXPECT_TRUE(m.connection.IsDiffMode());
    EXPECT_EQ(modeChanged.GetCount(), 2);
    paused->SetValue(1.0f);
    EXPECT_TRUE(m.surfaceOverTime.IsPaused());
    EXPECT_EQ(pausedChanged.GetCount(), 1);
    period->SetValue(120.7f);
    EXPECT_EQ(m.curveOverTime.GetRefreshTime(), 120);
    EXPECT_EQ(period->GetValue(), 120.0f);
    EXPECT_EQ(periodChanged.GetCount(), 1);
    // Gestures are the wrapper's own.
    mode->BeginCapture();
    EXPECT_TRUE(mode->IsCaptured());
}

TEST(ModelObjectWrappersTest, CountWritesTruncateAndPassUnclamped)
{
    CCollection collection;
    std::unique_ptr<IParamWrapper> count(DataModel::CreateCountWrapper("c.count", collection, &collection.m_Changed, 2, 5, 2));
    CCountingCommand changed;
    count->GetValueChangedEvent().AddListener(changed);
    count->SetValue(3.9f);
    EXPECT_EQ(collection.m_Count, 3);
    count->SetValue(9.0f);
    EXPECT_EQ(collection.m_Count, 9);
    EXPECT_EQ(changed.GetCount(), 2);
    std::unique_ptr<IConstParamWrapper> forEach(DataModel::CreateForEachCountWrapper("f.count", collection, &collection.m_Changed));
    CCountingCommand forEachChanged;
    forEach->GetValueChangedEvent().AddListener(forEachChanged);
    collection.SetCount(1);
    EXPECT_EQ(forEach->GetValue(), 1.0f);
    EXPECT_EQ(forEachChanged.GetCount(), 1);
}

TEST(ModelObjectWrappersTest, AliveFollowsTheModelsEnableState)
{
    Core::CEnable model;
    model.Enable(false);
    std::unique_ptr<IConstParamWrapper> alive(DataModel::CreateAliveWrapper(model));
    CCountingCommand changed;
    alive->GetValueChangedEvent().AddListener(changed);
    EXPECT_EQ(alive->GetValue(), 0.0f);
    model.Enable(true);
    EXPECT_EQ(alive->GetValue(), 1.0f);
    EXPECT_EQ(changed.GetCount(), 1);
}

} // namespace
