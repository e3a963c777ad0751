#include "Veltis/DataModel/Objects/CSurfaceInfo.h"

#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;

namespace {

TEST(CSurfaceInfoTest, AxisEditsAndSettersNotifyTheRecord)
{
    CSurfaceInfo surface("History", nullptr);
    CCountingCommand listener;
    surface.GetChangedEvent().AddListener(listener);
    surface.SetZInfo(CParamInfo(2, "Level", "dB", "", nullptr, -60.0f, 0.0f, 0.0f));
    EXPECT_EQ(listener.GetCount(), 1);
    EXPECT_STREQ(surface.GetZInfo().GetName(), "Level");
    surface.GetXInfo().SetMax(1.0f);
    surface.GetYInfo().SetName("Frequency");
    surface.SetComment("c");
    EXPECT_EQ(listener.GetCount(), 4);
    EXPECT_STREQ(surface.GetComment(), "c");
    surface.GetChangedEvent().RemoveListener(&listener);
}

TEST(CSurfaceInfoTest, CopiesTakeEveryAxisAndCopyFromNotifiesOnce)
{
    CSurfaceInfo source("s", "comment");
    source.GetZInfo().SetUnit("dB");
    source.GetYInfo().SetMin(-1.0f);

    CSurfaceInfo target;
    CCountingCommand listener;
    target.GetChangedEvent().AddListener(listener);
    target = source;
    EXPECT_EQ(listener.GetCount(), 1);
    const CSurfaceInfo copy(source);
    for (const CSurfaceInfo* info : {static_cast<const CSurfaceInfo*>(&target), &copy}) {
        EXPECT_STREQ(info->GetName(), "s");
        EXPECT_STREQ(info->GetComment(), "comment");
        EXPECT_STREQ(info->GetZInfo().GetUnit(), "dB");
        EXPECT_EQ(info->GetYInfo().GetMin(), -1.0f);
    }
    target.CopyFrom(target);
    EXPECT_EQ(listener.GetCount(), 2);
    target.GetZInfo().SetUnit("V");
    EXPECT_EQ(listener.GetCount(), 3);
    EXPECT_STREQ(source.GetZInfo().GetUnit(), "dB");
    target.GetChangedEvent().RemoveListener(&listener);
}

} // namespace
