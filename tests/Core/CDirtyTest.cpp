#include <gtest/gtest.h>

#include "Veltis/Core/CDirty.h"

using namespace Veltis::Core;

TEST(CDirtyTest, StartsCleanAndFollowsSetAndClear)
{
    CDirty dirty;
    IDirty& asInterface = dirty;
    EXPECT_FALSE(asInterface.IsDirty());
    dirty.SetDirty();
    EXPECT_TRUE(asInterface.IsDirty());
    asInterface.ClearDirty();
    EXPECT_FALSE(asInterface.IsDirty());
}
