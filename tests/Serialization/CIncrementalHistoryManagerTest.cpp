#include "Veltis/Serialization/CIncrementalHistoryManager.h"

#include "Veltis/Core/ICommand.h"

#include "TestSerializable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Veltis::Serialization;

namespace {

// A target whose state is one number and a nested object holding a text.
class CTarget : public ISerializable {
public:
    int value = 0;
    std::string label = "x";

    bool Serialize(IWriteDataStream& stream) const override
    {
        const VeltisTest::CTestSerializable sub(
            [this](IWriteDataStream& inner) { return inner.WriteString("label", label.c_str()); });
        return stream.WriteInt("value", value) && stream.WriteObject("sub", sub);
    }
    bool DeSerialize(const IReadDataStream& stream) override
    {
        char* text = nullptr;
        VeltisTest::CTestSerializable sub(nullptr, [&](const IReadDataStream& inner) {
            return inner.ReadString("label", text);
        });
        const bool ok = stream.ReadInt("value", value) && stream.ReadObject("sub", sub);
        if (text)
            label = text;
        delete[] text;
        return ok;
    }
};

// Records which event fired, and what the history answered at that moment.
class CRecorder : public Veltis::Core::ICommand {
public:
    CRecorder(const char* name, IHistoryManager& history, std::vector<std::string>& log)
        : m_Name(name), m_History(history), m_Log(log)
    {
    }
    void Execute() override
    {
        m_Log.push_back(m_Name + (m_History.CanUndo() ? " u" : " -") + (m_History.CanRedo() ? "r" : "-"));
    }

private:
    std::string m_Name;
    IHistoryManager& m_History;
    std::vector<std::string>& m_Log;
};

class History : public testing::Test {
protected:
    History() : m_History(&m_Target), m_Undo("undo", m_History, m_Log), m_Redo("redo", m_History, m_Log)
    {
        m_History.GetUndoStateChangedEvent().AddListener(&m_Undo);
        m_History.GetRedoStateChangedEvent().AddListener(&m_Redo);
    }
    ~History() override
    {
        m_History.GetUndoStateChangedEvent().RemoveListener(&m_Undo);
        m_History.GetRedoStateChangedEvent().RemoveListener(&m_Redo);
    }

    void CommitValue(int value)
    {
        m_Target.value = value;
        m_History.Commit();
    }
    std::vector<std::string> TakeLog()
    {
        std::vector<std::string> log;
        log.swap(m_Log);
        return log;
    }

    CTarget m_Target;
    std::vector<std::string> m_Log;
    CIncrementalHistoryManager m_History;
    CRecorder m_Undo;
    CRecorder m_Redo;
};

typedef std::vector<std::string> Log;

TEST_F(History, UndoAndRedoRestoreStatesWithEventsInOrder)
{
    CommitValue(1);
    EXPECT_EQ(TakeLog(), Log());
    CommitValue(2);
    EXPECT_EQ(TakeLog(), Log({"undo u-"}));
    m_Target.label = "y";
    CommitValue(3);
    EXPECT_EQ(TakeLog(), Log());

    m_History.Undo();
    EXPECT_EQ(m_Target.value, 2);
    EXPECT_EQ(m_Target.label, "x");
    EXPECT_EQ(TakeLog(), Log({"redo ur"})) << "the first undo from the newest step makes redo possible";
    m_History.Undo();
    EXPECT_EQ(m_Target.value, 1);
    EXPECT_EQ(TakeLog(), Log({"undo -r"})) << "undo becomes impossible on the last undo only";
    m_History.Undo();
    EXPECT_EQ(TakeLog(), Log());

    m_History.Redo();
    EXPECT_EQ(m_Target.value, 2);
    EXPECT_EQ(TakeLog(), Log({"undo ur"}));
    m_History.Redo();
    EXPECT_EQ(m_Target.value, 3);
    EXPECT_EQ(m_Target.label, "y");
    EXPECT_EQ(TakeLog(), Log({"redo u-"}));
}

TEST_F(History, UnchangedCommitAfterUndoKeepsTheRedoStep)
{
    CommitValue(1);
    CommitValue(2);
    m_History.Undo();
    TakeLog();
    m_History.Commit();
    EXPECT_TRUE(m_History.CanRedo());
    EXPECT_EQ(m_History.GetCount(), 2);
    EXPECT_EQ(TakeLog(), Log());
}

TEST_F(History, ChangedCommitAfterUndoDropsTheRedoSteps)
{
    CommitValue(1);
    CommitValue(2);
    CommitValue(3);
    m_History.Undo();
    m_History.Undo();
    TakeLog();
    CommitValue(5);
    EXPECT_EQ(TakeLog(), Log({"undo u-", "redo u-"}));
    EXPECT_EQ(m_History.GetCount(), 2);

    CommitValue(7);
    m_History.Undo();
    TakeLog();
    CommitValue(6);
    EXPECT_EQ(TakeLog(), Log({"redo u-"})) << "undo was already possible";
    EXPECT_EQ(m_History.GetCount(), 3);
}

TEST_F(History, KeepsItsMaximum)
{
    m_History.SetMaxCount(128);
    for (int i = 0; i < 200; ++i)
        CommitValue(i);
    EXPECT_EQ(m_History.GetCount(), 128);
    int undos = 0;
    while (m_History.CanUndo()) {
        m_History.Undo();
        ++undos;
    }
    EXPECT_EQ(undos, 127);
    EXPECT_EQ(m_Target.value, 72) << "the oldest steps were dropped and every later one is still whole";
    EXPECT_EQ(m_Target.label, "x");
}

// The dropped step is freed: the oldest kept one must no longer refer to it when it is rewritten.
TEST_F(History, TheOldestStepLeftAfterTrimmingCanBeRefreshedAndRestored)
{
    m_History.SetMaxCount(2);
    CommitValue(1);
    CommitValue(2);
    CommitValue(3);
    m_History.Undo();
    ASSERT_FALSE(m_History.CanUndo());
    m_Target.value = 7;
    m_Target.label = "z";
    m_History.Refresh();
    m_History.Redo();
    EXPECT_EQ(m_Target.value, 3);
    m_History.Undo();
    EXPECT_EQ(m_Target.value, 7);
    EXPECT_EQ(m_Target.label, "z");
}

TEST_F(History, MaximumZeroKeepsNothing)
{
    m_History.SetMaxCount(0);
    CommitValue(1);
    CommitValue(2);
    EXPECT_EQ(m_History.GetCount(), 0);
    EXPECT_FALSE(m_History.CanUndo());
    EXPECT_FALSE(m_History.CanRedo());
    EXPECT_EQ(TakeLog(), Log());
}

TEST_F(History, ClearFiresRedoThenUndo)
{
    CommitValue(1);
    CommitValue(2);
    CommitValue(3);
    m_History.Undo();
    TakeLog();
    m_History.Clear();
    EXPECT_EQ(TakeLog(), Log({"redo --", "undo --"}));
    EXPECT_EQ(m_History.GetCount(), 0);
}

TEST_F(History, RefreshRewritesTheCurrentStepInPlace)
{
    m_History.Refresh();
    EXPECT_EQ(m_History.GetCount(), 1) << "without a current step Refresh commits";
    CommitValue(2);
    m_Target.value = 9;
    m_History.Refresh();
    EXPECT_EQ(m_History.GetCount(), 2);
    m_History.Undo();
    m_History.Redo();
    EXPECT_EQ(m_Target.value, 9);
}

TEST(CIncrementalHistoryManager, WithoutATargetEverythingDoesNothing)
{
    CIncrementalHistoryManager history(nullptr);
    history.Commit();
    history.Refresh();
    history.Undo();
    history.Redo();
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.GetCount(), 0);
}

} // namespace
