#include "Veltis/Containers/IConstIterator.h"
#include "Veltis/Containers/IConstValueIterator.h"
#include "Veltis/Containers/IIterator.h"
#include "Veltis/Core/TIArgCommand.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/Runtime/CDynamicObject.h"
#include "Veltis/SkinEngine/CDynamicObjectsDictionary.h"
#include "support/SkinLogMatcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Veltis::CoreUtilities::CMemMessageLog;
using Veltis::Runtime::IDynamicObject;
using Veltis::SkinEngine::CDynamicObjectsDictionary;
using Veltis::SkinEngine::ISkinDynamicObjectsDictionary;
using VeltisTest::LoggedMessage;
using VeltisTest::LoggedMessages;

namespace {

// A dynamic object that counts its destruction.
class CCountedObject : public Veltis::Runtime::CDynamicObject {
public:
    explicit CCountedObject(int* deleted) : m_Deleted(deleted) {}
    ~CCountedObject() override { ++*m_Deleted; }

private:
    int* m_Deleted;
};

// Records the events of a dictionary as "+id" and "-id".
class CEventLog : public Veltis::Core::TIArgCommand<ISkinDynamicObjectsDictionary::Entry&> {
public:
    CEventLog(char sign, std::vector<std::string>& events, CDynamicObjectsDictionary* dictionary = nullptr)
        : m_Sign(sign), m_Events(events), m_Dictionary(dictionary)
    {
    }
    void Execute(ISkinDynamicObjectsDictionary::Entry& entry) override
    {
        m_Events.push_back(m_Sign + std::string(entry.id));
        // While the removed event runs the entry is still there.
        if (m_Dictionary)
            EXPECT_EQ(m_Dictionary->GetObject(entry.id), entry.object);
    }

private:
    char m_Sign;
    std::vector<std::string>& m_Events;
    CDynamicObjectsDictionary* m_Dictionary;
};

} // namespace

TEST(CDynamicObjectsDictionary, ATakenIdentifierRefusesTheNewObject)
{
    struct Case {
        const char* name;
        bool withLog;
        int owned;
        int deletedAfterRefusal;
        std::vector<LoggedMessage> messages;
    };
    const Case kCases[] = {
        {"owned, with a log", true, 1, 1,
         {{0, "'gain' : this object identifier already exists, use another identifier."}}},
        {"owned, without a log", false, 1, 1, {}},
        {"not owned", true, 0, 0, {{0, "'gain' : this object identifier already exists, use another identifier."}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CMemMessageLog log;
        int deletedFirst = 0;
        int deletedSecond = 0;
        CCountedObject* first = new CCountedObject(&deletedFirst);
        CCountedObject second(&deletedSecond);
        std::vector<std::string> events;
        CEventLog added('+', events);
        {
            CDynamicObjectsDictionary dictionary(c.withLog ? &log : nullptr);
            dictionary.GetObjectAddedEvent().AddListener(added);
            EXPECT_TRUE(dictionary.AddObject("gain", first, 1));
            CCountedObject* refused = c.owned ? new CCountedObject(&deletedSecond) : &second;
            EXPECT_FALSE(dictionary.AddObject("gain", refused, c.owned));
            EXPECT_EQ(deletedSecond, c.deletedAfterRefusal);
            EXPECT_EQ(dictionary.GetObject("gain"), first);
            EXPECT_EQ(LoggedMessages(log), c.messages);
            EXPECT_EQ(events, std::vector<std::string>{"+gain"});
            dictionary.GetObjectAddedEvent().RemoveListener(&added);
        }
        EXPECT_EQ(deletedFirst, 1);
    }
}

TEST(CDynamicObjectsDictionary, DetachRemoveAndClearNotifyAsTheySay)
{
    int deleted = 0;
    CCountedObject kept(&deleted);
    CDynamicObjectsDictionary dictionary;
    std::vector<std::string> events;
    CEventLog added('+', events);
    CEventLog removed('-', events, &dictionary);
    dictionary.GetObjectAddedEvent().AddListener(added);
    dictionary.GetObjectRemovedEvent().AddListener(removed);

    EXPECT_TRUE(dictionary.AddObject("a", new CCountedObject(&deleted), 1));
    EXPECT_TRUE(dictionary.AddObject("b", &kept, 0));
    EXPECT_TRUE(dictionary.AddObject("A", new CCountedObject(&deleted), 1));
    EXPECT_TRUE(dictionary.AddObject("", new CCountedObject(&deleted), 1));
    EXPECT_FALSE(dictionary.AddObject(nullptr, &kept, 0));

    int owned = -1;
    std::unique_ptr<IDynamicObject> detached(dictionary.DetachObject("a", &owned));
    EXPECT_NE(detached, nullptr);
    EXPECT_EQ(owned, 1);
    EXPECT_EQ(dictionary.GetObject("a"), nullptr);
    EXPECT_EQ(dictionary.DetachObject("a", &owned), nullptr);
    EXPECT_EQ(dictionary.DetachObject(nullptr, &owned), nullptr);

    dictionary.RemoveObject("b");
    dictionary.RemoveObject("nothing");
    dictionary.RemoveObject(nullptr);
    EXPECT_EQ(deleted, 0);
    dictionary.RemoveObject("A");
    EXPECT_EQ(deleted, 1);
    dictionary.Clear();
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(events, (std::vector<std::string>{"+a", "+b", "+A", "+", "-a", "-b", "-A"}));
    dictionary.GetObjectAddedEvent().RemoveListener(&added);
    dictionary.GetObjectRemovedEvent().RemoveListener(&removed);
}

TEST(CDynamicObjectsDictionary, IteratorsWalkTheSameEntriesInStep)
{
    CDynamicObjectsDictionary dictionary;
    std::unique_ptr<Veltis::Containers::IConstValueIterator<const char*>> empty(dictionary.GetIdsIterator());
    EXPECT_TRUE(empty->IsEnd());
    empty->First();
    EXPECT_TRUE(empty->IsEnd());

    std::vector<IDynamicObject*> objects;
    for (const char* id : {"one", "two", "three", "four"}) {
        objects.push_back(new Veltis::Runtime::CDynamicObject());
        dictionary.AddObject(id, objects.back(), 1);
    }
    std::unique_ptr<Veltis::Containers::IConstValueIterator<const char*>> ids(dictionary.GetIdsIterator());
    std::unique_ptr<Veltis::Containers::IIterator<IDynamicObject>> writable(dictionary.GetObjectsIterator());
    std::unique_ptr<Veltis::Containers::IConstIterator<IDynamicObject>> readable(dictionary.GetConstObjectsIterator());
    EXPECT_TRUE(ids->IsEnd());
    EXPECT_TRUE(writable->IsEnd());
    int visited = 0;
    for (ids->First(), writable->First(), readable->First(); !ids->IsEnd();
         ids->Next(), writable->Next(), readable->Next()) {
        ASSERT_FALSE(writable->IsEnd());
        ASSERT_FALSE(readable->IsEnd());
        EXPECT_EQ(&writable->GetCurrent(), dictionary.GetObject(ids->GetCurrent()));
        EXPECT_EQ(&readable->GetCurrent(), dictionary.GetObject(ids->GetCurrent()));
        ++visited;
    }
    EXPECT_TRUE(writable->IsEnd());
    EXPECT_TRUE(readable->IsEnd());
    EXPECT_EQ(visited, 4);
    writable->First();
    writable->GoToEnd();
    EXPECT_TRUE(writable->IsEnd());
}

TEST(CDynamicObjectsDictionary, TheLogCanBeReplaced)
{
    CMemMessageLog first;
    CMemMessageLog second;
    CDynamicObjectsDictionary dictionary(&first);
    EXPECT_EQ(dictionary.SetMessageLog(&second), &first);
    EXPECT_EQ(dictionary.GetMessageLog(), &second);
    Veltis::Runtime::CDynamicObject object;
    dictionary.AddObject("x", &object, 0);
    dictionary.AddObject("x", &object, 0);
    EXPECT_EQ(first.GetMessagesCount(), 0u);
    EXPECT_EQ(second.GetMessagesCount(0), 1u);
    EXPECT_EQ(dictionary.SetMessageLog(nullptr), &second);
}
