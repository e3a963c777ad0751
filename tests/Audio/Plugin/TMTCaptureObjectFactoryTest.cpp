#include "Veltis/Audio/Plugin/TConstMTCaptureObjectFactories.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/Objects/CSurfaceInfo.h"
#include "Veltis/DataModel/TConstCaptureObjectTimerProxy.h"
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IFunction.h"

#include "support/CAllocationCounter.h"
#include "support/CCountingCommand.h"
#include "support/CManualTimerProvider.h"
#include "support/CountedFunctions.h"
#include "support/OutputSources.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltis;
using Audio::Plugin::TConstMTCaptureObjectFactories;
using Audio::Plugin::TMTCaptureObjectFactory;
using DataModel::Objects::CCurveInfo;
using DataModel::Objects::CStringInfo;
using DataModel::Objects::CSurfaceInfo;
using DataModel::Objects::IConstCurveInfo;
using DataModel::Objects::IConstStringInfo;
using DataModel::Objects::IConstSurfaceInfo;
using VeltisTest::CCountedFunction;
using VeltisTest::CCountingCommand;

namespace {

typedef TConstMTCaptureObjectFactories<const char*, IConstStringInfo> CStringFactories;
typedef TConstMTCaptureObjectFactories<const Math::IFunction&, IConstCurveInfo> CCurveFactories;
typedef TConstMTCaptureObjectFactories<const Math::IBinaryFunction&, IConstSurfaceInfo> CSurfaceFactories;
typedef TMTCaptureObjectFactory<const char*, IConstStringInfo> CStringFactory;
typedef TMTCaptureObjectFactory<const Math::IFunction&, IConstCurveInfo> CCurveFactory;

// A lock that counts how often it is taken and released.
class CCountingLock : public virtual Core::ILock {
public:
    void Lock() override { ++m_Locks; }
    void Unlock() override { ++m_Unlocks; }
    int m_Locks = 0;
    int m_Unlocks = 0;
};

struct CStrings {
    CStringInfo infos[2];
    VeltisTest::TLentVector<IConstStringInfo> infoVector{{&infos[0], &infos[1]}};
    VeltisTest::TLentValues<const char*> values{{"first", nullptr}};
};

std::unique_ptr<char[]> Copy(const DataModel::TIConstCaptureObjectFactory<const char*, IConstStringInfo>& factory)
{
    return std::unique_ptr<char[]>(factory.CreateValue());
}

class TMTCaptureObjectFactoryTest : public VeltisTest::CCountedFunctionsFixture {};

} // namespace

TEST_F(TMTCaptureObjectFactoryTest, CollectionOverNoOutputsAllocatesNothing)
{
    VeltisTest::TLentVector<IConstCurveInfo> infos({});
    VeltisTest::TLentValues<const Math::IFunction&> values(std::vector<const Math::IFunction*>{});
    CCountingLock lock;
    long allocations = -1;
    {
        VeltisTest::CAllocationCounter counter;
        CCurveFactories factories(infos, values, &lock);
        EXPECT_EQ(factories.GetCount(), 0);
        allocations = counter.GetCount();
    }
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(lock.m_Locks, 0);
}

TEST_F(TMTCaptureObjectFactoryTest, EachFactoryStartsWithTheReportedValueAndInfo)
{
    CStrings strings;
    CCountingLock lock;
    CStringFactories factories(strings.infoVector, strings.values, &lock);
    ASSERT_EQ(factories.GetCount(), 2);
    EXPECT_EQ(lock.m_Locks, 0);
    EXPECT_EQ(&factories.GetAt(1).GetInfo(), &strings.infos[1]);

    std::unique_ptr<char[]> first = Copy(factories.GetAt(0));
    std::unique_ptr<char[]> second = Copy(factories.GetAt(0));
    EXPECT_STREQ(first.get(), "first");
    EXPECT_NE(first.get(), second.get());
    first.reset();
    EXPECT_STREQ(Copy(factories.GetAt(0)).get(), "first");
    EXPECT_EQ(Copy(factories.GetAt(1)), nullptr);
    // Every copy took the shared lock once.
    EXPECT_EQ(lock.m_Locks, 4);
    EXPECT_EQ(lock.m_Unlocks, 4);

    CCurveInfo curveInfo("curve");
    const CCountedFunction function(2.0f, 1.0f);
    VeltisTest::TLentVector<IConstCurveInfo> curveInfos({&curveInfo});
    VeltisTest::TLentValues<const Math::IFunction&> curveValues({&function});
    CCurveFactories curves(curveInfos, curveValues, &lock);
    std::unique_ptr<Math::IFunction> clone(curves.GetAt(0).CreateValue());
    EXPECT_EQ(clone->GetValue(3.0f), 7.0f);
    EXPECT_STREQ(curves.GetAt(0).GetInfo().GetName(), "curve");
}

TEST_F(TMTCaptureObjectFactoryTest, TextSetValueStoresRealChangesAndAlwaysTellsReaders)
{
    CStrings strings;
    CStringFactories factories(strings.infoVector, strings.values, nullptr);
    CStringFactory& factory = factories.GetFactory(0);
    CCountingCommand readers, held;
    factory.GetValueChangedEvent().AddListener(readers);
    factory.GetHeldValue().GetValueChangedEvent().AddListener(held);

    const std::string equal("first");
    const char* buffer = factory.GetHeldValue().GetHeldValue().GetValue();
    factory.SetValue(equal.c_str());
    EXPECT_EQ(factory.GetHeldValue().GetHeldValue().GetValue(), buffer);
    EXPECT_EQ(held.GetCount(), 0);
    EXPECT_EQ(readers.GetCount(), 1);

    factory.SetValue(nullptr);
    EXPECT_EQ(Copy(factory), nullptr);
    EXPECT_EQ(held.GetCount(), 1);
    factory.SetValue(nullptr);
    EXPECT_EQ(held.GetCount(), 1);
    EXPECT_EQ(readers.GetCount(), 3);
    factory.GetValueChangedEvent().RemoveListener(&readers);
    factory.GetHeldValue().GetValueChangedEvent().RemoveListener(&held);
}

TEST_F(TMTCaptureObjectFactoryTest, CurveSetValueClonesBeforeDeletingAndCopiesOutliveTheFactory)
{
    CCurveInfo info;
    const CCountedFunction function(1.0f, 5.0f);
    VeltisTest::TLentVector<IConstCurveInfo> infos({&info});
    VeltisTest::TLentValues<const Math::IFunction&> values({&function});
    std::unique_ptr<Math::IFunction> survivor;
    {
        CCurveFactories factories(infos, values, nullptr);
        CCurveFactory& factory = factories.GetFactory(0);
        CCountingCommand readers;
        factory.GetValueChangedEvent().AddListener(readers);
        factory.SetValue(factory.GetHeldValue().GetHeldValue().GetValue());
        factory.SetValue(function);
        EXPECT_EQ(readers.GetCount(), 2);
        survivor.reset(factory.CreateValue());
        factory.GetValueChangedEvent().RemoveListener(&readers);
        // The template clone, the held clone and the copy.
        EXPECT_EQ(VeltisTest::CFunctionCounters::Alive(), 3);
    }
    EXPECT_EQ(survivor->GetValue(1.0f), 6.0f);
    EXPECT_EQ(VeltisTest::CFunctionCounters::Alive(), 2);
}

TEST_F(TMTCaptureObjectFactoryTest, CaptureEdgesAreAnnouncedOnce)
{
    CStringFactory factory;
    CCountingCommand begin, end;
    factory.GetBeginCaptureEvent().AddListener(begin);
    factory.GetEndCaptureEvent().AddListener(end);
    factory.EndCapture();
    factory.BeginCapture();
    factory.BeginCapture();
    EXPECT_TRUE(factory.IsCaptured());
    factory.EndCapture();
    factory.EndCapture();
    EXPECT_EQ(begin.GetCount(), 1);
    EXPECT_EQ(end.GetCount(), 1);
    factory.GetBeginCaptureEvent().RemoveListener(&begin);
    factory.GetEndCaptureEvent().RemoveListener(&end);
}

TEST_F(TMTCaptureObjectFactoryTest, LockForwardsOnlyOnceTheLockIsSet)
{
    CStringFactory factory;
    factory.Lock();
    factory.Unlock();
    CCountingLock lock;
    factory.SetLock(&lock);
    factory.Lock();
    factory.Unlock();
    factory.SetValue("x");
    EXPECT_EQ(lock.m_Locks, 2);
    EXPECT_EQ(lock.m_Unlocks, 2);
}

TEST_F(TMTCaptureObjectFactoryTest, AssignmentCopiesInfoValueAndLockButNotListenersOrCapture)
{
    CStrings strings;
    CCountingLock lock;
    CStringFactories factories(strings.infoVector, strings.values, &lock);
    CStringFactory& source = factories.GetFactory(0);
    CCountingCommand readers;
    source.GetValueChangedEvent().AddListener(readers);
    source.BeginCapture();

    CStringFactory target;
    CCountingCommand held;
    target.GetHeldValue().GetValueChangedEvent().AddListener(held);
    target = source;
    EXPECT_EQ(held.GetCount(), 1);
    EXPECT_EQ(&target.GetInfo(), &strings.infos[0]);
    EXPECT_FALSE(target.IsCaptured());
    EXPECT_NE(target.GetHeldValue().GetHeldValue().GetValue(), source.GetHeldValue().GetHeldValue().GetValue());
    const int locks = lock.m_Locks;
    EXPECT_STREQ(Copy(target).get(), "first");
    EXPECT_EQ(lock.m_Locks, locks + 1);
    target.SetValue("other");
    EXPECT_EQ(readers.GetCount(), 0);
    target.GetHeldValue().GetValueChangedEvent().RemoveListener(&held);
    source.GetValueChangedEvent().RemoveListener(&readers);

    // A function factory that holds nothing leaves the target as it was.
    TMTCaptureObjectFactory<const Math::IFunction&, IConstCurveInfo> empty, curveTarget;
    curveTarget = empty;
    EXPECT_EQ(std::unique_ptr<Math::IFunction>(curveTarget.CreateValue()), nullptr);
}

TEST_F(TMTCaptureObjectFactoryTest, GrowingTheArrayKeepsValuesInfosAndLock)
{
    CSurfaceInfo info;
    const VeltisTest::CCountedBinaryFunction surface(1.0f, 2.0f);
    VeltisTest::TLentVector<IConstSurfaceInfo> infos({&info});
    VeltisTest::TLentValues<const Math::IBinaryFunction&> values({&surface});
    CCountingLock lock;
    CSurfaceFactories factories(infos, values, &lock);
    factories.GetStorage().SetSize(3, true);
    ASSERT_EQ(factories.GetCount(), 3);
    EXPECT_EQ(&factories.GetAt(0).GetInfo(), &info);
    std::unique_ptr<Math::IBinaryFunction> copy(factories.GetAt(0).CreateValue());
    EXPECT_EQ(copy->GetValue(1.0f, 1.0f), 3.0f);
    EXPECT_EQ(lock.m_Locks, 1);
}

TEST_F(TMTCaptureObjectFactoryTest, TimerProxyCopiesAtTheTickAfterAChange)
{
    CStrings strings;
    CStringFactories factories(strings.infoVector, strings.values, nullptr);
    CStringFactory& factory = factories.GetFactory(0);
    VeltisTest::CManualTimerProvider timer;
    {
        DataModel::TConstCaptureObjectTimerProxy<const char*, IConstStringInfo> proxy(factories.GetAt(0), timer);
        EXPECT_EQ(timer.GetCalls().at(0).m_Period, 50);
        EXPECT_STREQ(proxy.GetValue(), "first");
        EXPECT_EQ(&proxy.GetInfo(), &strings.infos[0]);
        CCountingCommand changed, begin, end;
        proxy.GetValueChangedEvent().AddListener(changed);
        proxy.GetBeginCaptureEvent().AddListener(begin);
        proxy.GetEndCaptureEvent().AddListener(end);

        factory.SetValue("second");
        factory.SetValue("third");
        EXPECT_STREQ(proxy.GetValue(), "first");
        timer.Tick();
        EXPECT_STREQ(proxy.GetValue(), "third");
        EXPECT_EQ(changed.GetCount(), 1);
        // A reported change is announced at the next tick even when the text is equal.
        factory.SetValue("third");
        timer.Tick();
        EXPECT_EQ(changed.GetCount(), 2);
        timer.Tick();
        EXPECT_EQ(changed.GetCount(), 2);

        factory.BeginCapture();
        EXPECT_FALSE(proxy.IsCaptured());
        timer.Tick();
        EXPECT_TRUE(proxy.IsCaptured());
        factory.EndCapture();
        factory.BeginCapture();
        timer.Tick();
        EXPECT_EQ(begin.GetCount(), 1);
        EXPECT_EQ(end.GetCount(), 0);
        factory.EndCapture();
        timer.Tick();
        EXPECT_EQ(end.GetCount(), 1);
    }
    EXPECT_EQ(timer.GetRegistrationCount(), 0);
    factory.SetValue("after");
    factory.BeginCapture();
}

TEST_F(TMTCaptureObjectFactoryTest, TimerProxyAnnouncesEveryNewCurve)
{
    CCurveInfo info;
    const CCountedFunction function(1.0f, 0.0f);
    VeltisTest::TLentVector<IConstCurveInfo> infos({&info});
    VeltisTest::TLentValues<const Math::IFunction&> values({&function});
    CCurveFactories factories(infos, values, nullptr);
    VeltisTest::CManualTimerProvider timer;
    DataModel::TConstCaptureObjectTimerProxy<const Math::IFunction&, IConstCurveInfo> proxy(factories.GetAt(0), timer);
    CCountingCommand changed;
    proxy.GetValueChangedEvent().AddListener(changed);
    factories.GetFactory(0).SetValue(CCountedFunction(3.0f, 0.0f));
    timer.Tick();
    factories.GetFactory(0).SetValue(CCountedFunction(3.0f, 0.0f));
    timer.Tick();
    EXPECT_EQ(changed.GetCount(), 2);
    EXPECT_EQ(proxy.GetValue().GetValue(2.0f), 6.0f);
}
