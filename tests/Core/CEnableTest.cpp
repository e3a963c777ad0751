#include <gtest/gtest.h>

#include "Veltis/Core/CEnable.h"
#include "support/CCountingCommand.h"

using namespace Veltis::Core;

TEST(CEnableTest, NotifiesOnlyRealChanges)
{
    CEnable enable;
    VeltisTest::CCountingCommand listener;
    enable.GetEnableChangedEvent().AddListener(listener);

    EXPECT_TRUE(enable.IsEnabled());
    enable.Enable(true);
    EXPECT_EQ(listener.GetCount(), 0);
    enable.Enable(false);
    EXPECT_FALSE(enable.IsEnabled());
    EXPECT_EQ(listener.GetCount(), 1);
    enable.Enable(false);
    enable.Enable(true);
    EXPECT_EQ(listener.GetCount(), 2);
}
