#include <gtest/gtest.h>

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/System/TAsyncCommand.h"
#include "support/CQueueInvoker.h"

using namespace Veltis;

namespace {

class CTarget {
public:
    void Bump() { ++m_Bumps; }
    int m_Bumps = 0;
};

} // namespace

TEST(TAsyncCommandTest, ExecuteOnlyQueuesAndTheMemberRunsOncePerExecuteOnTheInvoker)
{
    CTarget target;
    VeltisTest::CQueueInvoker invoker;
    System::TAsyncCommand<CTarget> command(&target, &CTarget::Bump, &invoker);

    command.Execute();
    command.Execute();
    EXPECT_EQ(target.m_Bumps, 0);
    EXPECT_EQ(invoker.GetPendingCount(), 2);

    EXPECT_EQ(invoker.RunAll(), 2);
    EXPECT_EQ(target.m_Bumps, 2);
}

TEST(TAsyncCommandTest, AsListenerTurnsANotificationIntoAPostedCall)
{
    CTarget target;
    VeltisTest::CQueueInvoker invoker;
    System::TAsyncCommand<CTarget> command(&target, &CTarget::Bump, &invoker);
    Core::CEventProvider provider;
    provider.AddListener(command);

    provider.Notify();
    EXPECT_EQ(target.m_Bumps, 0);
    invoker.RunAll();
    EXPECT_EQ(target.m_Bumps, 1);
}

TEST(TAsyncCommandTest, PostedCommandIsNotOwnedByTheInvoker)
{
    CTarget target;
    {
        VeltisTest::CQueueInvoker invoker;
        System::TAsyncCommand<CTarget> posting(&target, &CTarget::Bump, &invoker);
        posting.Execute();
        // Discarding the queue must not delete the poster's own member (ASan would report it).
        invoker.Clear();
        posting.Execute();
        invoker.RunAll();
    }
    EXPECT_EQ(target.m_Bumps, 1);
}
