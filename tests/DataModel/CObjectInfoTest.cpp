#include "Veltis/DataModel/CObjectInfo.h"

#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

#include <string>

using Veltis::DataModel::CObjectInfo;
using VeltisTest::CCountingCommand;

namespace {

TEST(CObjectInfoTest, NullTextsReadAsEmpty)
{
    CObjectInfo info(nullptr, nullptr);
    EXPECT_STREQ(info.GetName(), "");
    EXPECT_STREQ(info.GetComment(), "");
    info.SetName("Gain");
    info.SetComment(nullptr);
    EXPECT_STREQ(info.GetName(), "Gain");
    EXPECT_STREQ(info.GetComment(), "");
}

TEST(CObjectInfoTest, TextSettersNotifyEvenWhenUnchanged)
{
    CObjectInfo info("a", "b");
    CCountingCommand listener;
    info.GetChangedEvent().AddListener(listener);
    info.SetName("a");
    info.SetComment("b");
    EXPECT_EQ(listener.GetCount(), 2);
    info.GetChangedEvent().RemoveListener(&listener);
}

TEST(CObjectInfoTest, CopyFromCopiesBothTextsAndNotifiesOnce)
{
    CObjectInfo source("name", "comment");
    CObjectInfo target;
    CCountingCommand listener;
    target.GetChangedEvent().AddListener(listener);
    target = source;
    EXPECT_STREQ(target.GetName(), "name");
    EXPECT_STREQ(target.GetComment(), "comment");
    EXPECT_EQ(listener.GetCount(), 1);

    target.CopyFrom(target);
    EXPECT_STREQ(target.GetName(), "name");
    EXPECT_STREQ(target.GetComment(), "comment");
    EXPECT_EQ(listener.GetCount(), 2);

    target.CopyTexts(CObjectInfo("other", nullptr));
    EXPECT_STREQ(target.GetName(), "other");
    EXPECT_EQ(listener.GetCount(), 2);
    target.GetChangedEvent().RemoveListener(&listener);
}

TEST(CObjectInfoTest, CopyHasItsOwnTextsAndNoListeners)
{
    CCountingCommand listener;
    CObjectInfo* source = new CObjectInfo("name", "comment");
    source->GetChangedEvent().AddListener(listener);
    CObjectInfo copy(*source);
    delete source;
    copy.SetName("renamed");
    EXPECT_EQ(listener.GetCount(), 0);
    EXPECT_STREQ(copy.GetComment(), "comment");
}

} // namespace
