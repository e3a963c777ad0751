#include <gtest/gtest.h>

#include <atomic>

#include "Veltis/Core/TCommand.h"
#include "Veltis/System/CEvent.h"
#include "Veltis/System/CMTEventProvider.h"
#include "Veltis/System/CThread.h"
#include "support/BoundedWait.h"
#include "support/CCountingCommand.h"

using namespace Veltis;

namespace {

const int kAbsenceWaitMs = 50;

// A listener that signals it is running, then holds the notification until released.
struct CBlockingListener {
    System::CEvent m_Running;
    System::CEvent m_Release;
    std::atomic<bool> m_Finished{false};

    void OnNotify()
    {
        m_Running.Set();
        VeltisTest::WaitFor(m_Release, "the release");
        // Still under the provider's lock: whoever registers after this must see it.
        m_Finished.store(true);
    }
};

struct CNotifier {
    System::CMTEventProvider* m_Provider;
    static void Run(void* userData) { static_cast<CNotifier*>(userData)->m_Provider->Notify(); }
};

struct CRegistrar {
    System::CMTEventProvider* m_Provider;
    Core::ICommand* m_Listener;
    CBlockingListener* m_Blocking;
    std::atomic<bool> m_Registered{false};
    std::atomic<bool> m_SawNotifyFinished{false};
    System::CEvent m_Done;

    static void Run(void* userData)
    {
        CRegistrar* self = static_cast<CRegistrar*>(userData);
        self->m_Provider->AddListener(self->m_Listener);
        self->m_SawNotifyFinished.store(self->m_Blocking->m_Finished.load());
        self->m_Registered.store(true);
        self->m_Done.Set();
    }
};

} // namespace

TEST(CMTEventProviderMTTest, RegistrationFromAnotherThreadWaitsUntilNotifyReturns)
{
    System::CMTEventProvider provider;
    CBlockingListener blocking;
    Core::TCommand<CBlockingListener> blockingCommand(&blocking, &CBlockingListener::OnNotify);
    provider.AddListener(blockingCommand);

    CNotifier notifier{&provider};
    System::CThread notifyThread(&CNotifier::Run, &notifier, true);
    ASSERT_TRUE(VeltisTest::WaitFor(blocking.m_Running, "the blocking listener to run"));

    VeltisTest::CCountingCommand late;
    CRegistrar registrar;
    registrar.m_Provider = &provider;
    registrar.m_Listener = &late;
    registrar.m_Blocking = &blocking;
    System::CThread registerThread(&CRegistrar::Run, &registrar, true);

    registrar.m_Done.Wait(kAbsenceWaitMs);
    EXPECT_FALSE(registrar.m_Registered.load());

    blocking.m_Release.Set();
    ASSERT_TRUE(VeltisTest::WaitFor(registrar.m_Done, "the registration"));
    EXPECT_TRUE(registrar.m_SawNotifyFinished.load());
    notifyThread.Join(-1);
    registerThread.Join(-1);

    // Registered after the pass: it did not run in it.
    EXPECT_EQ(late.GetCount(), 0);
    EXPECT_EQ(provider.GetListenerCount(), 2);
}

TEST(CMTEventProviderMTTest, ListenerMayRegisterOnTheSameProviderFromTheNotifyingThread)
{
    struct CAdder {
        System::CMTEventProvider* m_Provider;
        Core::ICommand* m_Other;
        void OnNotify() { m_Provider->AddListener(m_Other); }
    };
    System::CMTEventProvider provider;
    VeltisTest::CCountingCommand added;
    CAdder adder{&provider, &added};
    Core::TCommand<CAdder> adderCommand(&adder, &CAdder::OnNotify);
    provider.AddListener(adderCommand);

    CNotifier notifier{&provider};
    System::CThread thread(&CNotifier::Run, &notifier, true);
    thread.Join(-1);
    EXPECT_EQ(added.GetCount(), 1);
}

TEST(CMTEventProviderMTTest, ConcurrentNotifyAndRegistrationStayConsistent)
{
    struct CChurn {
        System::CMTEventProvider* m_Provider;
        static void Run(void* userData)
        {
            CChurn* self = static_cast<CChurn*>(userData);
            VeltisTest::CCountingCommand listener;
            for (int i = 0; i < 500; ++i) {
                self->m_Provider->AddListener(listener);
                self->m_Provider->Notify();
                self->m_Provider->RemoveListener(&listener);
            }
        }
    };
    System::CMTEventProvider provider;
    VeltisTest::CCountingCommand permanent;
    provider.AddListener(permanent);
    CChurn churn{&provider};
    System::CThread first(&CChurn::Run, &churn, true);
    System::CThread second(&CChurn::Run, &churn, true);
    first.Join(-1);
    second.Join(-1);
    EXPECT_EQ(permanent.GetCount(), 1000);
    EXPECT_EQ(provider.GetListenerCount(), 1);
}
