#include "Veltis/Audio/Plugin/CConstMIDICCMessageTimerProxy.h"
#include "Veltis/Audio/Plugin/CMIDICCMessage.h"
#include "Veltis/Core/IEventProvider.h"
#include "Veltis/System/CMTEventProvider.h"

#include "support/CCountingCommand.h"
#include "support/CManualTimerProvider.h"

#include <gtest/gtest.h>

using Veltis::Audio::Plugin::CConstMIDICCMessageTimerProxy;
using Veltis::Audio::Plugin::CMIDICCMessage;
using VeltisTest::CCountingCommand;
using VeltisTest::CManualTimerProvider;

TEST(CMIDICCMessage, SettersAnnounceChangesAndForcedSetAlways)
{
    CMIDICCMessage message;
    CCountingCommand changed;
    message.GetChangedEvent().AddListener(changed);
    message.SetChannel(0);
    message.SetCC(0);
    message.SetValue(0);
    EXPECT_EQ(changed.GetCount(), 0);
    message.SetChannel(3);
    message.SetCC(7);
    message.SetValue(100);
    EXPECT_EQ(changed.GetCount(), 3);

    const CMIDICCMessage same(3, 7, 100);
    message.Set(same, false);
    EXPECT_EQ(changed.GetCount(), 3);
    message.Set(same, true);
    EXPECT_EQ(changed.GetCount(), 4);
    const CMIDICCMessage other(16, 1, 2);
    message.Set(other, false);
    EXPECT_EQ(changed.GetCount(), 5);
    EXPECT_EQ(message.GetChannel(), 16);
    EXPECT_EQ(message.GetCC(), 1);
    EXPECT_EQ(message.GetValue(), 2);
    message.GetChangedEvent().RemoveListener(&changed);
}

TEST(CConstMIDICCMessageTimerProxy, AnnouncesAtTheNextTickOnlyWhenTheMessageChanged)
{
    CMIDICCMessage message;
    CManualTimerProvider timer;
    {
        CConstMIDICCMessageTimerProxy proxy(message, timer);
        EXPECT_EQ(proxy.GetRefreshTime(), 50);
        ASSERT_EQ(timer.GetRegistrationCount(), 1);
        EXPECT_EQ(timer.GetCalls()[0].m_Period, 50);
        CCountingCommand changed;
        proxy.GetChangedEvent().AddListener(changed);

        timer.Tick(3);
        EXPECT_EQ(changed.GetCount(), 0);
        for (int value = 1; value <= 5; ++value)
            message.SetValue(value);
        EXPECT_EQ(changed.GetCount(), 0);
        timer.Tick();
        EXPECT_EQ(changed.GetCount(), 1);
        EXPECT_EQ(proxy.GetValue(), 5);
        timer.Tick();
        EXPECT_EQ(changed.GetCount(), 1);

        // A new period replaces the command, also when it is the same period. The first command's
        // address may come back for its successor: its removal is what tells it went.
        Veltis::Core::ICommand* first = timer.GetCalls()[0].m_Command;
        timer.ClearCalls();
        proxy.SetRefreshTime(100);
        EXPECT_EQ(proxy.GetRefreshTime(), 100);
        ASSERT_EQ(timer.GetCalls().size(), 2u);
        EXPECT_FALSE(timer.GetCalls()[0].m_Added);
        EXPECT_EQ(timer.GetCalls()[0].m_Command, first);
        EXPECT_TRUE(timer.GetCalls()[1].m_Added);
        ASSERT_EQ(timer.GetRegistrationCount(), 1);
        EXPECT_EQ(timer.GetCalls().back().m_Period, 100);
        proxy.SetRefreshTime(100);
        EXPECT_EQ(timer.GetRegistrationCount(), 1);
        message.Set(CMIDICCMessage(1, 2, 3), true);
        timer.Tick();
        EXPECT_EQ(changed.GetCount(), 2);
        EXPECT_EQ(proxy.GetChannel(), 1);
        EXPECT_EQ(proxy.GetCC(), 2);
    }
    EXPECT_EQ(timer.GetRegistrationCount(), 0);
    message.SetValue(9);
}

// Editor objects hook on and off on the GUI thread while the audio thread notifies.
TEST(CMIDICCMessage, ChangedEventLocksAgainstListenersComingAndGoing)
{
    Veltis::Audio::Plugin::CMIDICCMessage message;
    EXPECT_NE(dynamic_cast<Veltis::System::CMTEventProvider*>(&message.GetChangedEvent()), nullptr);
}
