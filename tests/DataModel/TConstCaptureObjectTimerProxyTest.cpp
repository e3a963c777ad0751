#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TValueTraits.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/Objects/CSurfaceInfo.h"
#include "Veltis/DataModel/TConstCaptureObjectTimerProxy.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"

#include "support/CCountingCommand.h"
#include "support/CManualTimerProvider.h"
#include "support/CountedFunctions.h"
#include "support/ListenerCount.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Veltis;
using DataModel::Objects::CCurveInfo;
using DataModel::Objects::CStringInfo;
using DataModel::Objects::CSurfaceInfo;
using DataModel::Objects::IConstCurveInfo;
using DataModel::Objects::IConstStringInfo;
using DataModel::Objects::IConstSurfaceInfo;
using VeltisTest::CCountingCommand;
using VeltisTest::CManualTimerProvider;

namespace {

// A published output that counts the copies taken of it; the test raises its events by hand.
template <class V, class IInfo, class CInfo>
class TCountingSource : public virtual DataModel::TIConstCaptureObjectFactory<V, IInfo> {
    typedef Core::TValueTraits<V> Traits;

public:
    explicit TCountingSource(typename Traits::Stored value) : m_Value(value) {}
    ~TCountingSource() override { Traits::Free(m_Value); }

    typename Traits::Created CreateValue() const override
    {
        ++m_Copies;
        return Traits::Copy(m_Value);
    }
    const IInfo& GetInfo() const override { return m_Info; }
    const IInfo& GetInfo() override { return m_Info; }
    Core::IEventProvider& GetValueChangedEvent() override { return m_Changed; }
    Core::IEventProvider& GetBeginCaptureEvent() override { return m_Begin; }
    Core::IEventProvider& GetEndCaptureEvent() override { return m_End; }
    bool IsCaptured() override { return m_Captured; }

    void Set(typename Traits::Stored value)
    {
        Traits::Free(m_Value);
        m_Value = value;
        m_Changed.Notify();
    }
    void Begin()
    {
        m_Captured = true;
        m_Begin.Notify();
    }
    void End()
    {
        m_Captured = false;
        m_End.Notify();
    }

    mutable int m_Copies = 0;
    bool m_Captured = false;
    CInfo m_Info;
    Core::CEventProvider m_Changed;
    Core::CEventProvider m_Begin;
    Core::CEventProvider m_End;

private:
    typename Traits::Stored m_Value;
};

typedef TCountingSource<const char*, IConstStringInfo, CStringInfo> CTextSource;
typedef TCountingSource<const Math::IFunction&, IConstCurveInfo, CCurveInfo> CCurveSource;
typedef TCountingSource<const Math::IBinaryFunction&, IConstSurfaceInfo, CSurfaceInfo> CSurfaceSource;
typedef DataModel::TConstCaptureObjectTimerProxy<const char*, IConstStringInfo> CTextProxy;
typedef DataModel::TConstCaptureObjectTimerProxy<const Math::IFunction&, IConstCurveInfo> CCurveProxy;
typedef DataModel::TConstCaptureObjectTimerProxy<const Math::IBinaryFunction&, IConstSurfaceInfo> CSurfaceProxy;

char* Text(const char* text)
{
    return Core::TValueTraits<const char*>::Make(text);
}

// The proxy's events in one log: 1 value changed, 2 begin, 3 end.
struct CProxyLog {
    template <class Proxy>
    explicit CProxyLog(Proxy& proxy) : changed(1, &log), begin(2, &log), end(3, &log)
    {
        proxy.GetValueChangedEvent().AddListener(changed);
        proxy.GetBeginCaptureEvent().AddListener(begin);
        proxy.GetEndCaptureEvent().AddListener(end);
    }
    std::vector<int> Take()
    {
        std::vector<int> taken;
        taken.swap(log);
        return taken;
    }
    std::vector<int> log;
    CCountingCommand changed, begin, end;
};

TEST(TConstCaptureObjectTimerProxyTest, ConstructionCopiesSilentlyAndTakesTheCaptureState)
{
    CTextSource source(Text("a"));
    source.m_Captured = true;
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    EXPECT_EQ(source.m_Copies, 1);
    EXPECT_STREQ(proxy.GetValue(), "a");
    EXPECT_TRUE(proxy.IsCaptured());
    EXPECT_EQ(proxy.GetRefreshTime(), 50);
    EXPECT_EQ(timer.GetCalls().at(0).m_Period, 50);
    EXPECT_EQ(&proxy.GetInfo(), &source.m_Info);
    CProxyLog log(proxy);
    timer.Tick(3);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(source.m_Copies, 1);
}

TEST(TConstCaptureObjectTimerProxyTest, ManyChangesBetweenTicksGiveOneCopyAndOneNotification)
{
    CTextSource source(Text("a"));
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    CProxyLog log(proxy);
    source.Set(Text("b"));
    source.Set(Text("c"));
    source.Set(Text("d"));
    EXPECT_STREQ(proxy.GetValue(), "a");
    timer.Tick();
    EXPECT_EQ(source.m_Copies, 2);
    EXPECT_STREQ(proxy.GetValue(), "d");
    EXPECT_EQ(log.Take(), std::vector<int>{1});
    // A reported change to an equal text is announced too.
    source.Set(Text("d"));
    timer.Tick();
    EXPECT_EQ(log.Take(), std::vector<int>{1});
}

TEST(TConstCaptureObjectTimerProxyTest, GestureEdgesFrameTheValue)
{
    CTextSource source(Text("a"));
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    CProxyLog log(proxy);
    source.Begin();
    source.Set(Text("b"));
    timer.Tick();
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 1}));
    EXPECT_TRUE(proxy.IsCaptured());
    source.Set(Text("c"));
    source.End();
    timer.Tick();
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 3}));
    // An end without a change still ends.
    source.Begin();
    timer.Tick();
    source.End();
    timer.Tick();
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 3}));
}

TEST(TConstCaptureObjectTimerProxyTest, AGestureBetweenTwoTicksLeavesOnlyItsValue)
{
    CTextSource source(Text("a"));
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    CProxyLog log(proxy);
    source.Begin();
    source.Set(Text("b"));
    source.End();
    timer.Tick();
    EXPECT_EQ(log.Take(), std::vector<int>{1});
    EXPECT_FALSE(proxy.IsCaptured());
}

TEST(TConstCaptureObjectTimerProxyTest, PausedTicksPublishNothingUntilResumed)
{
    CTextSource source(Text("a"));
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    CProxyLog log(proxy);
    proxy.SetPaused(true);
    EXPECT_TRUE(proxy.IsPaused());
    source.Begin();
    source.Set(Text("b"));
    timer.Tick(3);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(source.m_Copies, 1);
    EXPECT_FALSE(proxy.IsCaptured());
    EXPECT_EQ(timer.GetRegistrationCount(), 1);
    proxy.SetPaused(false);
    EXPECT_TRUE(log.Take().empty());
    timer.Tick();
    EXPECT_EQ(log.Take(), (std::vector<int>{2, 1}));
    EXPECT_STREQ(proxy.GetValue(), "b");
}

TEST(TConstCaptureObjectTimerProxyTest, UpdatePublishesOnlyWhenDirty)
{
    CTextSource source(Text("a"));
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    CProxyLog log(proxy);
    proxy.Update();
    EXPECT_EQ(source.m_Copies, 1);
    source.Set(Text("b"));
    proxy.Update();
    EXPECT_STREQ(proxy.GetValue(), "b");
    timer.Tick();
    EXPECT_EQ(log.Take(), std::vector<int>{1});
    EXPECT_EQ(source.m_Copies, 2);
}

// A change reported while the copy is taken is fetched again by the next update.
class CChangingSource : public CTextSource {
public:
    CChangingSource() : CTextSource(Text("a")) {}
    char* CreateValue() const override
    {
        if (m_ChangeWhileCopying) {
            m_ChangeWhileCopying = false;
            const_cast<Core::CEventProvider&>(m_Changed).Notify();
        }
        return CTextSource::CreateValue();
    }
    mutable bool m_ChangeWhileCopying = false;
};

TEST(TConstCaptureObjectTimerProxyTest, AChangeDuringTheCopyIsNotLost)
{
    CChangingSource source;
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    source.Set(Text("b"));
    source.m_ChangeWhileCopying = true;
    timer.Tick();
    EXPECT_EQ(source.m_Copies, 2);
    timer.Tick();
    EXPECT_EQ(source.m_Copies, 3);
    timer.Tick();
    EXPECT_EQ(source.m_Copies, 3);
}

TEST(TConstCaptureObjectTimerProxyTest, ATextSourceWithoutTextGivesNull)
{
    CTextSource source(nullptr);
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    EXPECT_EQ(proxy.GetValue(), nullptr);
    source.Set(Text("x"));
    source.Set(nullptr);
    timer.Tick();
    EXPECT_EQ(proxy.GetValue(), nullptr);
}

TEST(TConstCaptureObjectTimerProxyTest, SetRefreshTimeAlwaysReplacesTheTick)
{
    CTextSource source(Text("a"));
    CManualTimerProvider timer;
    CTextProxy proxy(source, timer);
    timer.ClearCalls();
    proxy.SetRefreshTime(50);
    ASSERT_EQ(timer.GetCalls().size(), 2u);
    EXPECT_FALSE(timer.GetCalls()[0].m_Added);
    EXPECT_TRUE(timer.GetCalls()[1].m_Added);
    EXPECT_EQ(timer.GetCalls()[1].m_Period, 50);
    proxy.SetRefreshTime(20);
    EXPECT_EQ(proxy.GetRefreshTime(), 20);
    EXPECT_EQ(timer.GetRegistrationCount(), 1);
    source.Set(Text("b"));
    timer.Tick();
    EXPECT_STREQ(proxy.GetValue(), "b");
}

TEST(TConstCaptureObjectTimerProxyTest, FunctionProxiesCloneAndFreeTheirCopies)
{
    VeltisTest::CFunctionCounters::Reset();
    {
        CCurveSource curves(new VeltisTest::CCountedFunction(2.0f, 0.0f));
        CSurfaceSource surfaces(new VeltisTest::CCountedBinaryFunction(1.0f, 3.0f));
        CManualTimerProvider timer;
        CCurveProxy curve(curves, timer);
        CSurfaceProxy surface(surfaces, timer);
        CProxyLog curveLog(curve), surfaceLog(surface);
        curves.Set(new VeltisTest::CCountedFunction(5.0f, 0.0f));
        surfaces.Set(new VeltisTest::CCountedBinaryFunction(0.0f, 4.0f));
        EXPECT_EQ(curve.GetValue().GetValue(1.0f), 2.0f);
        timer.Tick();
        EXPECT_EQ(curve.GetValue().GetValue(1.0f), 5.0f);
        EXPECT_EQ(surface.GetValue().GetValue(1.0f, 1.0f), 4.0f);
        EXPECT_EQ(curveLog.Take(), std::vector<int>{1});
        EXPECT_EQ(surfaceLog.Take(), std::vector<int>{1});
        surfaces.Begin();
        timer.Tick();
        EXPECT_TRUE(surface.IsCaptured());
    }
    EXPECT_EQ(VeltisTest::CFunctionCounters::Alive(), 0);
}

TEST(TConstCaptureObjectTimerProxyTest, DestructionUnhooksEverything)
{
    CTextSource source(Text("a"));
    CManualTimerProvider timer;
    {
        CTextProxy proxy(source, timer);
    }
    EXPECT_EQ(VeltisTest::ListenerCount(source.m_Changed), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(source.m_Begin), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(source.m_End), 0);
    EXPECT_EQ(timer.GetRegistrationCount(), 0);
}

} // namespace
