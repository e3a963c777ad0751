#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Veltis/CoreUtilities/CMemMessageLog.h"

using Veltis::CoreUtilities::CMemMessageLog;

namespace {

std::vector<std::string> Texts(const CMemMessageLog& log)
{
    std::vector<std::string> texts;
    for (int i = 0; i < log.GetMessages().GetCount(); ++i)
        texts.push_back(log.GetMessages()[i].GetText().GetString());
    return texts;
}

} // namespace

TEST(CMemMessageLogTest, NewLogCountsNothing)
{
    CMemMessageLog log;
    EXPECT_EQ(log.GetMessagesCount(), 0u);
    for (int type = -1; type <= 3; ++type)
        EXPECT_EQ(log.GetMessagesCount(type), 0u);
}

TEST(CMemMessageLogTest, CountsByTypeAndRemovalKeepsTheOthersInOrder)
{
    CMemMessageLog log;
    Veltis::Core::IMessageLog& asLog = log;
    asLog.AddMessage(1, "first warning", 0);
    asLog.AddMessage(0, "SCRIPT: missing mandatory src attribute.", 0);
    asLog.AddMessage(1, "second warning", 0);
    asLog.AddMessage(2, "Skin parsing successful", 0);

    EXPECT_EQ(asLog.GetMessagesCount(), 4u);
    EXPECT_EQ(asLog.GetMessagesCount(1), 2u);
    EXPECT_EQ(asLog.GetMessagesCount(0), 1u);

    asLog.RemoveMessages(1);
    EXPECT_EQ(asLog.GetMessagesCount(), 2u);
    EXPECT_EQ(asLog.GetMessagesCount(1), 0u);
    EXPECT_EQ(Texts(log), (std::vector<std::string>{"SCRIPT: missing mandatory src attribute.",
                                                    "Skin parsing successful"}));
    EXPECT_EQ(log.GetMessages()[0].GetType(), 0);
    EXPECT_EQ(log.GetMessages()[1].GetType(), 2);

    asLog.RemoveMessages(7);
    EXPECT_EQ(asLog.GetMessagesCount(), 2u);
}

TEST(CMemMessageLogTest, EveryLevelIsAdmittedAndKept)
{
    CMemMessageLog log;
    log.AddMessage(2, "detail", 7);
    log.AddMessage(2, "deepest", 0xFFFFFFFFu);
    EXPECT_EQ(log.GetMessagesCount(2), 2u);
    EXPECT_EQ(log.GetMessages()[0].GetLevel(), 7u);
}

TEST(CMemMessageLogTest, TextIsCopiedAndNullBecomesEmpty)
{
    CMemMessageLog log;
    char text[] = "changing";
    log.AddMessage(0, text, 0);
    text[0] = 'X';
    log.AddMessage(0, nullptr, 0);
    EXPECT_EQ(Texts(log), (std::vector<std::string>{"changing", ""}));
}

TEST(CMemMessageLogTest, ClearEmptiesAndAddingStartsANewSequence)
{
    CMemMessageLog log;
    log.Clear();
    for (int i = 0; i < 20; ++i)
        log.AddMessage(i % 3, "m", 0);
    log.Clear();
    EXPECT_EQ(log.GetMessagesCount(), 0u);
    log.AddMessage(1, "after", 0);
    EXPECT_EQ(Texts(log), (std::vector<std::string>{"after"}));
}
