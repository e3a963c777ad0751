#include "Veltis/DataModel/Objects/CStringInfo.h"

#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

using namespace Veltis::DataModel::Objects;
using Veltis::DataModel::CObjectInfo;
using VeltisTest::CCountingCommand;

namespace {

TEST(CStringInfoTest, BuiltFromAnotherRecordStartsWithAnEmptyDefault)
{
    CStringInfo source;
    source.SetName("Preset");
    source.SetComment("name of the preset");
    source.SetDefaultValue("xyz");

    CStringInfo built(source);
    EXPECT_STREQ(built.GetName(), "Preset");
    EXPECT_STREQ(built.GetComment(), "name of the preset");
    EXPECT_STREQ(built.GetDefaultValue(), "");

    CCountingCommand listener;
    built.GetChangedEvent().AddListener(listener);
    built.CopyFrom(source);
    EXPECT_EQ(listener.GetCount(), 1);
    EXPECT_STREQ(built.GetDefaultValue(), "xyz");

    const CStringInfo fromObjectInfo(CObjectInfo("Label", nullptr));
    EXPECT_STREQ(fromObjectInfo.GetName(), "Label");
    EXPECT_STREQ(fromObjectInfo.GetDefaultValue(), "");
    built.GetChangedEvent().RemoveListener(&listener);
}

TEST(CStringInfoTest, SettersAndCopiesNotifyAlways)
{
    CStringInfo info;
    CCountingCommand listener;
    info.GetChangedEvent().AddListener(listener);
    info.SetDefaultValue(nullptr);
    EXPECT_STREQ(info.GetDefaultValue(), "");
    info.SetDefaultValue("");
    info = info;
    CObjectInfo& base = info;
    base.CopyFrom(CObjectInfo("plain", "info"));
    EXPECT_EQ(listener.GetCount(), 4);
    EXPECT_STREQ(info.GetName(), "plain");
    info.GetChangedEvent().RemoveListener(&listener);
}

TEST(CStringInfoTest, VectorsCopyByAssignmentKeepingTheDefault)
{
    CStringInfo source;
    source.SetName("s");
    source.SetDefaultValue("text");
    Veltis::CoreUtilities::TDynamicCollection<CStringInfo, IConstStringInfo> infos;
    infos.GetStorage().SetSize(1, true);
    infos.GetStorage()[0] = source;
    infos.GetStorage().SetSize(4, true);
    EXPECT_STREQ(infos.GetAt(0).GetDefaultValue(), "text");
    const Veltis::CoreUtilities::TDynamicCollection<CStringInfo, IConstStringInfo> copy(infos);
    EXPECT_STREQ(copy.GetAt(0).GetDefaultValue(), "text");
    EXPECT_STREQ(copy.GetAt(3).GetName(), "");
}

} // namespace
