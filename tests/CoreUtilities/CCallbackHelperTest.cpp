#include <gtest/gtest.h>

#include "Veltis/Core/CEventProvider.h"
#include "Veltis/CoreUtilities/CCallbackHelper.h"
#include "support/CCountingCommand.h"

using namespace Veltis;

TEST(CCallbackHelperTest, ListenerIsRegisteredForTheHelpersLifetimeOnly)
{
    Core::CEventProvider provider;
    VeltisTest::CCountingCommand listener;
    {
        CoreUtilities::CCallbackHelper helper(&provider, &listener);
        provider.Notify();
        EXPECT_EQ(listener.GetCount(), 1);
    }
    provider.Notify();
    EXPECT_EQ(listener.GetCount(), 1);
    // The helper removes without deleting: the listener is still usable.
    listener.Execute();
    EXPECT_EQ(listener.GetCount(), 2);
}
