#include "Veltis/Core/THolder.h"
#include "Veltis/Core/TRefHolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Veltis::Core;

namespace {

// Records the order in which the parts of a holder's user are built and destroyed.
struct CJournal {
    std::vector<std::string> m_Events;
};

struct CHeld {
    CHeld(CJournal& journal, const char* name) : m_Journal(journal), m_Name(name)
    {
        m_Journal.m_Events.push_back("build " + m_Name);
    }
    ~CHeld() { m_Journal.m_Events.push_back("destroy " + m_Name); }
    CJournal& m_Journal;
    std::string m_Name;
};

// A base that works on the held object it is given.
struct CUser {
    explicit CUser(CHeld& held) : m_Held(held) { m_Held.m_Journal.m_Events.push_back("build user of " + held.m_Name); }
    ~CUser() { m_Held.m_Journal.m_Events.push_back("destroy user"); }
    CHeld& m_Held;
};

template <template <class, int> class Holder>
struct TWidget : private Holder<CHeld, 0>, public CUser {
    explicit TWidget(CJournal& journal) : Holder<CHeld, 0>(journal, "text"), CUser(this->m_Object) {}
};

template <template <class, int> class Holder>
void ExpectHeldObjectOutlivesLaterBases()
{
    CJournal journal;
    { TWidget<Holder> widget(journal); }
    const std::vector<std::string> expected = {"build text", "build user of text", "destroy user", "destroy text"};
    EXPECT_EQ(journal.m_Events, expected);
}

TEST(THolder, HeldObjectIsBuiltBeforeAndDestroyedAfterLaterBases)
{
    ExpectHeldObjectOutlivesLaterBases<THolder>();
    ExpectHeldObjectOutlivesLaterBases<TRefHolder>();
}

// Two holders of the same type in one class are told apart by their number.
struct CTwoTexts : private THolder<std::string, 0>, private THolder<std::string, 1> {
    CTwoTexts() : THolder<std::string, 0>("first"), THolder<std::string, 1>(3, 'x') {}
    std::string First() const { return THolder<std::string, 0>::m_Object; }
    std::string Second() const { return THolder<std::string, 1>::m_Object; }
};

TEST(THolder, NumberedHoldersOfOneTypeAreDistinct)
{
    CTwoTexts texts;
    EXPECT_EQ(texts.First(), "first");
    EXPECT_EQ(texts.Second(), "xxx");
}

} // namespace
