#include <gtest/gtest.h>

#include <vector>

#include "Veltis/System/CThreadInvokerSerializer.h"
#include "support/CCountingCommand.h"
#include "support/CFunctionCommand.h"
#include "support/CManualTimerProvider.h"
#include "support/CQueueInvoker.h"

using namespace Veltis;
using VeltisTest::CCountingCommand;
using VeltisTest::CManualTimerProvider;
using CActionCommand = VeltisTest::CFunctionCommand;

namespace {

class CDeletionCounter : public Core::ICommand {
public:
    explicit CDeletionCounter(int* deleted) : m_Deleted(deleted) {}
    ~CDeletionCounter() override { ++*m_Deleted; }
    void Execute() override {}

private:
    int* m_Deleted;
};

struct CInvokerSerializerFixture : public ::testing::Test {
    CInvokerSerializerFixture() : m_Serializer(&m_Target, &m_Timer, 40) {}
    ~CInvokerSerializerFixture() override { m_Serializer.Stop(); }

    Core::ICommand* Self() { return &m_Serializer; }

    VeltisTest::CQueueInvoker m_Target;
    CManualTimerProvider m_Timer;
    System::CThreadInvokerSerializer m_Serializer;
};

} // namespace

TEST_F(CInvokerSerializerFixture, PostedCommandsRunInOrderAtTheNextTickOnly)
{
    std::vector<int> log;
    CCountingCommand a(1, &log), b(2, &log), c(3, &log);
    m_Serializer.Start();
    EXPECT_EQ(m_Timer.GetPeriod(Self()), 40);
    EXPECT_TRUE(m_Serializer.Post(&a, false));
    EXPECT_TRUE(m_Serializer.Post(&b, false));
    EXPECT_TRUE(m_Serializer.Post(&c, false));
    EXPECT_TRUE(log.empty());
    m_Timer.Tick();
    EXPECT_EQ(log, (std::vector<int>{1, 2, 3}));
    m_Timer.Tick();
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(CInvokerSerializerFixture, ACommandPostedDuringTheDrainRunsInTheSameTick)
{
    std::vector<int> log;
    CCountingCommand posted(2, &log);
    CActionCommand poster([this, &log, &posted] {
        log.push_back(1);
        m_Serializer.Post(&posted, false);
    });
    m_Serializer.Start();
    m_Serializer.Post(&poster, false);
    m_Timer.Tick();
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
}

TEST_F(CInvokerSerializerFixture, AStopDuringTheDrainEndsItAfterTheCurrentCommandAndKeepsTheRest)
{
    std::vector<int> log;
    CActionCommand stopper([this, &log] {
        log.push_back(1);
        m_Serializer.Stop();
    });
    CCountingCommand rest(2, &log);
    m_Serializer.Start();
    m_Serializer.Post(&stopper, false);
    m_Serializer.Post(&rest, false);
    m_Timer.Tick();
    EXPECT_EQ(log, (std::vector<int>{1}));
    EXPECT_EQ(m_Timer.GetPeriod(Self()), -1);

    m_Serializer.Start();
    m_Timer.Tick();
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
}

TEST_F(CInvokerSerializerFixture, ATickOfAStoppedSerializerRunsNothing)
{
    CCountingCommand command;
    m_Serializer.Post(&command, false);
    m_Serializer.Execute();
    EXPECT_EQ(command.GetCount(), 0);
}

TEST_F(CInvokerSerializerFixture, SendGoesStraightToTheTarget)
{
    CCountingCommand command;
    EXPECT_TRUE(m_Serializer.Send(&command, false));
    EXPECT_EQ(command.GetCount(), 1);
}

TEST_F(CInvokerSerializerFixture, StartingTwiceRegistersOnce)
{
    m_Serializer.Start();
    m_Serializer.Start();
    int added = 0;
    for (const CManualTimerProvider::CCall& call : m_Timer.GetCalls())
        added += call.m_Added ? 1 : 0;
    EXPECT_EQ(added, 1);
}

TEST_F(CInvokerSerializerFixture, ANewRefreshTimeReRegistersOnlyWhileRunning)
{
    m_Serializer.SetRefreshTime(60);
    EXPECT_EQ(m_Serializer.GetRefreshTime(), 60);
    EXPECT_TRUE(m_Timer.GetCalls().empty());

    m_Serializer.Start();
    m_Timer.ClearCalls();
    m_Serializer.SetRefreshTime(60);
    EXPECT_TRUE(m_Timer.GetCalls().empty());
    m_Serializer.SetRefreshTime(25);
    ASSERT_EQ(m_Timer.GetCalls().size(), 2u);
    EXPECT_FALSE(m_Timer.GetCalls()[0].m_Added);
    EXPECT_EQ(m_Timer.GetCalls()[1].m_Period, 25);
    EXPECT_EQ(m_Timer.GetPeriod(Self()), 25);
}

TEST_F(CInvokerSerializerFixture, ClearAndDestructionDeleteOwnedCommandsUnrun)
{
    int deleted = 0;
    CCountingCommand notOwned;
    m_Serializer.Post(new CDeletionCounter(&deleted), true);
    m_Serializer.Post(&notOwned, false);
    m_Serializer.Clear();
    EXPECT_EQ(deleted, 1);
    m_Serializer.Start();
    m_Timer.Tick();
    EXPECT_EQ(notOwned.GetCount(), 0);

    {
        System::CThreadInvokerSerializer other(&m_Target, &m_Timer, 10);
        other.Post(new CDeletionCounter(&deleted), true);
    }
    EXPECT_EQ(deleted, 2);
}

TEST_F(CInvokerSerializerFixture, AnOwnedCommandIsDeletedAfterItRan)
{
    int deleted = 0;
    m_Serializer.Start();
    m_Serializer.Post(new CDeletionCounter(&deleted), true);
    EXPECT_EQ(deleted, 0);
    m_Timer.Tick();
    EXPECT_EQ(deleted, 1);
}
