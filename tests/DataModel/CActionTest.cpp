#include "Veltis/DataModel/Objects/CAction.h"

#include "support/CCountingCommand.h"
#include "support/CFunctionCommand.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;
using VeltisTest::CFunctionCommand;

namespace {

TEST(CActionTest, RunsItsCommandOnlyWhileEnabled)
{
    CCountingCommand command;
    CAction action(&command, false);
    CCountingCommand enableChanged;
    action.GetEnableChangedEvent().AddListener(enableChanged);

    EXPECT_TRUE(action.IsEnabled());
    action.Execute();
    action.Execute();
    EXPECT_EQ(command.GetCount(), 2);

    action.Enable(false);
    action.Enable(false);
    EXPECT_EQ(enableChanged.GetCount(), 1);
    action.Execute();
    EXPECT_EQ(command.GetCount(), 2);

    action.Enable(true);
    EXPECT_EQ(enableChanged.GetCount(), 2);
    action.Execute();
    EXPECT_EQ(command.GetCount(), 3);
    action.GetEnableChangedEvent().RemoveListener(&enableChanged);
}

TEST(CActionTest, DeletesOnlyAnOwnedCommand)
{
    std::atomic<bool> ownedDeleted{false};
    std::atomic<bool> lentDeleted{false};
    CFunctionCommand lent({}, &lentDeleted);
    {
        CAction owner(new CFunctionCommand({}, &ownedDeleted), true);
        CAction borrower(&lent, false);
        CAction empty;
        empty.Execute();
        borrower.Execute();
        EXPECT_EQ(empty.GetInfo().GetGraphics(), nullptr);
        EXPECT_STREQ(empty.GetInfo().GetName(), "");
    }
    EXPECT_TRUE(ownedDeleted);
    EXPECT_FALSE(lentDeleted);
    EXPECT_EQ(lent.GetCount(), 1);
}

class CFlaggedGraphics : public Veltis::Graphics::I2DGraphics {
public:
    explicit CFlaggedGraphics(bool& deleted) : m_Deleted(deleted) {}
    ~CFlaggedGraphics() override { m_Deleted = true; }

private:
    bool& m_Deleted;
};

TEST(CActionTest, DescriptorDeletesOnlyOwnedGraphicsWithoutAnnouncing)
{
    bool firstDeleted = false, secondDeleted = false, lentDeleted = false;
    CFlaggedGraphics lent(lentDeleted);
    CCountingCommand changed;
    {
        CAction action;
        CActionInfo& info = action.GetWritableInfo();
        info.GetChangedEvent().AddListener(changed);
        info.SetName("Undo");
        info.SetGraphics(new CFlaggedGraphics(firstDeleted), true);
        auto* second = new CFlaggedGraphics(secondDeleted);
        info.SetGraphics(second, true);
        EXPECT_TRUE(firstDeleted);
        EXPECT_EQ(action.GetInfo().GetGraphics(), second);
        EXPECT_STREQ(action.GetInfo().GetName(), "Undo");
        info.SetGraphics(&lent, false);
        EXPECT_TRUE(secondDeleted);
        EXPECT_EQ(changed.GetCount(), 1);
        info.GetChangedEvent().RemoveListener(&changed);
    }
    EXPECT_FALSE(lentDeleted);

    bool constructedDeleted = false;
    {
        const CActionInfo info("Open", "opens a file", new CFlaggedGraphics(constructedDeleted), true);
        EXPECT_STREQ(info.GetComment(), "opens a file");
    }
    EXPECT_TRUE(constructedDeleted);
}

} // namespace
