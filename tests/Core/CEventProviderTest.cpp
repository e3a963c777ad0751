#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/Core/TConstCommand.h"
#include "Veltis/System/CMTEventProvider.h"
#include "support/CAllocationCounter.h"
#include "support/CCountingCommand.h"

using namespace Veltis::Core;
using VeltisTest::CCountingCommand;

namespace {

enum EAction { None, NotifyAgain, AddOther, RemoveOther, RemoveSelf };

// A listener that logs its id and then performs one action on its provider.
class CScriptedListener : public virtual ICommand {
public:
    CScriptedListener(int id, std::vector<int>* log, CEventProvider* provider)
        : m_Id(id), m_Log(log), m_Provider(provider)
    {
    }

    void Execute() override
    {
        m_Log->push_back(m_Id);
        switch (m_Action) {
        case NotifyAgain:
            m_Provider->Notify();
            break;
        case AddOther:
            m_Provider->AddListener(m_Other);
            break;
        case RemoveOther:
            m_Provider->RemoveListener(m_Other);
            break;
        case RemoveSelf:
            m_Provider->RemoveListener(this);
            break;
        case None:
            break;
        }
    }

    int m_Id;
    std::vector<int>* m_Log;
    CEventProvider* m_Provider;
    EAction m_Action = None;
    ICommand* m_Other = nullptr;
};

struct CListenerSetup {
    EAction action;
    int other; // index of the listener the action refers to
};

struct CRuleCase {
    const char* name;
    std::vector<CListenerSetup> listeners;
    std::vector<int> registered; // indices, in registration order
    std::vector<int> firstPass;
    std::vector<int> secondPass;
};

const CRuleCase kRuleCases[] = {
    {"a command added twice runs twice", {{None, 0}}, {0, 0}, {0, 0}, {0, 0}},
    {"listeners run in insertion order", {{None, 0}, {None, 0}, {None, 0}}, {2, 0, 1}, {2, 0, 1}, {2, 0, 1}},
    {"a re-notifying listener is skipped in the nested pass, the others run",
     {{None, 0}, {NotifyAgain, 0}, {None, 0}},
     {0, 1, 2},
     {0, 1, 0, 2, 2},
     {0, 1, 0, 2, 2}},
    {"a listener added during a pass runs in it, after the earlier ones",
     {{AddOther, 2}, {None, 0}, {None, 0}},
     {0, 1},
     {0, 1, 2},
     {0, 1, 2, 2}},
    {"removal during a pass prevents a run not yet reached",
     {{None, 0}, {RemoveOther, 2}, {None, 0}, {None, 0}},
     {0, 1, 2, 3},
     {0, 1, 3},
     {0, 1, 3}},
    {"removing a listener already run keeps the pass going",
     {{None, 0}, {RemoveOther, 0}, {None, 0}},
     {0, 1, 2},
     {0, 1, 2},
     {1, 2}},
    {"a listener removing itself lets the pass go on",
     {{RemoveSelf, 0}, {None, 0}, {None, 0}},
     {1, 0, 2},
     {1, 0, 2},
     {1, 2}},
    {"removal takes every registration of the command",
     {{None, 0}, {RemoveOther, 0}},
     {1, 0, 0},
     {1},
     {1}},
    {"a nested pass removes the listener the outer pass stands on",
     {{NotifyAgain, 0}, {RemoveOther, 0}},
     {0, 1},
     {0, 1, 1},
     {1}},
    {"the last listener removing itself",
     {{None, 0}, {RemoveSelf, 0}},
     {0, 1},
     {0, 1},
     {0}},
};

template <class Provider>
class EventProviderRulesTest : public ::testing::Test {};

typedef ::testing::Types<CEventProvider, Veltis::System::CMTEventProvider> ProviderTypes;
TYPED_TEST_SUITE(EventProviderRulesTest, ProviderTypes);

TYPED_TEST(EventProviderRulesTest, ListenerRulesHoldDuringAndAcrossPasses)
{
    for (const CRuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.name);
        TypeParam provider;
        std::vector<int> log;
        std::vector<std::unique_ptr<CScriptedListener>> listeners;
        for (size_t i = 0; i < c.listeners.size(); ++i)
            listeners.emplace_back(new CScriptedListener(static_cast<int>(i), &log, &provider));
        for (size_t i = 0; i < c.listeners.size(); ++i) {
            listeners[i]->m_Action = c.listeners[i].action;
            listeners[i]->m_Other = listeners[c.listeners[i].other].get();
        }
        for (int index : c.registered)
            provider.AddListener(listeners[index].get());

        provider.Notify();
        EXPECT_EQ(log, c.firstPass);
        log.clear();
        provider.Notify();
        EXPECT_EQ(log, c.secondPass);
    }
}

} // namespace

TEST(CEventProviderTest, RemovingWithDeleteFlagDeletesOnceAndClearsThePointer)
{
    struct CTracked : public CCountingCommand {
        explicit CTracked(int* destroyed) : m_Destroyed(destroyed) {}
        ~CTracked() override { ++*m_Destroyed; }
        int* m_Destroyed;
    };
    int destroyed = 0;
    CEventProvider provider;
    ICommand* command = new CTracked(&destroyed);
    provider.AddListener(command);
    provider.AddListener(*command);

    provider.RemoveListener(command, true);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(command, nullptr);
    EXPECT_EQ(provider.GetListenerCount(), 0);
    provider.Notify();

    ICommand* nothing = nullptr;
    provider.RemoveListener(nothing, true);
    EXPECT_EQ(nothing, nullptr);
}

TEST(CEventProviderTest, RemovingWithoutDeleteFlagLeavesThePointerAndTheCommand)
{
    CCountingCommand counter;
    ICommand* command = &counter;
    CEventProvider provider;
    provider.AddListener(command);
    provider.RemoveListener(command, false);
    EXPECT_EQ(command, &counter);
    provider.Notify();
    EXPECT_EQ(counter.GetCount(), 0);
}

TEST(CEventProviderTest, RemovingAnUnregisteredListenerIsIgnored)
{
    CCountingCommand registered, stranger;
    CEventProvider provider;
    provider.AddListener(registered);
    provider.RemoveListener(&stranger);
    provider.Notify();
    EXPECT_EQ(registered.GetCount(), 1);
}

TEST(CEventProviderTest, ListenerThatDeletesItselfDuringItsRunIsSafe)
{
    // Deletes itself through the provider while its own Execute runs; ASan checks the pass
    // touches neither the command nor a freed node afterwards. The removal frees the command only: the
    // node the pass stands on goes when the pass ends, which a plain build sees in the free count.
    class CSelfDeleting : public virtual ICommand {
    public:
        CSelfDeleting(CEventProvider* provider, int* runs, long* freed) : m_Provider(provider), m_Runs(runs), m_Freed(freed) {}
        void Execute() override
        {
            ++*m_Runs;
            long* freed = m_Freed;
            ICommand* self = this;
            VeltisTest::CAllocationCounter counter;
            m_Provider->RemoveListener(self, true);
            *freed = counter.GetFreeCount();
        }
        CEventProvider* m_Provider;
        int* m_Runs;
        long* m_Freed;
    };
    CEventProvider provider;
    int runs = 0;
    long freedByRemoval = -1;
    CCountingCommand before, after;
    provider.AddListener(before);
    provider.AddListener(new CSelfDeleting(&provider, &runs, &freedByRemoval));
    provider.AddListener(after);

    {
        VeltisTest::CAllocationCounter counter;
        provider.Notify();
        EXPECT_EQ(counter.GetFreeCount(), 2) << "the command, then its node once the pass ended";
    }
    EXPECT_EQ(freedByRemoval, 1);
    provider.Notify();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(before.GetCount(), 2);
    EXPECT_EQ(after.GetCount(), 2);
    EXPECT_EQ(provider.GetListenerCount(), 2);
}

TEST(CEventProviderTest, DestroyingTheProviderLeavesTheListenersAlive)
{
    CCountingCommand listener;
    {
        CEventProvider provider;
        provider.AddListener(listener);
        provider.AddListener(listener);
    }
    listener.Execute();
    EXPECT_EQ(listener.GetCount(), 1);
}

TEST(CEventProviderTest, ConstCommandChainsOneProviderToAnother)
{
    CEventProvider first, second;
    CCountingCommand listener;
    second.AddListener(listener);
    TConstCommand<INotify> forward(&second, &INotify::Notify);
    first.AddListener(forward);

    first.Notify();
    EXPECT_EQ(listener.GetCount(), 1);
}

TEST(CEventProviderTest, NullListenerIsNotRegistered)
{
    CEventProvider provider;
    provider.AddListener(static_cast<ICommand*>(nullptr));
    EXPECT_EQ(provider.GetListenerCount(), 0);
    provider.Notify();
}
