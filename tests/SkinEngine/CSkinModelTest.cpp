#include "Veltis/SkinEngine/CSkinModel.h"
#include "Veltis/Containers/IConstValueIterator.h"
#include "Veltis/Core/IDestroy.h"
#include "Veltis/Core/TArgEventProvider.h"
#include "Veltis/CoreUtilities/CMemMessageLog.h"
#include "Veltis/DataModel/Objects/CAction.h"
#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"
#include "Veltis/DataModel/Objects/CCaptureSurface.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "support/CCountingCommand.h"
#include "support/SkinLogMatcher.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <set>
#include <string>
#include <vector>

using Veltis::CoreUtilities::CMemMessageLog;
using Veltis::DataModel::Objects::CCaptureParam;
using Veltis::DataModel::Objects::IConstParamInfo;
using Veltis::SkinEngine::CSkinModel;
using Veltis::SkinEngine::ISkinModel;
using VeltisTest::CCountingCommand;
using VeltisTest::LoggedMessage;
using VeltisTest::LoggedMessages;

namespace {

// Records destructions, by name, in one shared list.
struct CDestructionLog {
    std::vector<std::string> names;
};

class CCountedParam : public CCaptureParam {
public:
    CCountedParam(CDestructionLog* log, const char* name, float min = 0.0f, float max = 10.0f)
        : m_Log(log),
          m_Name(name)
    {
        GetWritableInfo().SetName(name);
        GetWritableInfo().SetUnit("dB");
        GetWritableInfo().SetMin(min);
        GetWritableInfo().SetMax(max);
        GetWritableInfo().SetDefault(min);
    }
    ~CCountedParam() override
    {
        if (m_Log)
            m_Log->names.push_back(m_Name);
    }

private:
    CDestructionLog* m_Log;
    std::string m_Name;
};

// A read-only parameter wrapper that counts its disconnections.
class CCountingWrapper : public virtual Veltis::DataModel::TIConstCaptureObjectWrapper<float, IConstParamInfo> {
public:
    float GetValue() const override { return 0.0f; }
    const IConstParamInfo& GetInfo() const override { return m_Info; }
    const IConstParamInfo& GetInfo() override { return m_Info; }
    Veltis::Core::IEventProvider& GetValueChangedEvent() override { return m_Changed; }
    Veltis::Core::IEventProvider& GetBeginCaptureEvent() override { return m_Changed; }
    Veltis::Core::IEventProvider& GetEndCaptureEvent() override { return m_Changed; }
    bool IsCaptured() override { return false; }
    void Disconnect() override { ++disconnects; }

    int disconnects = 0;

private:
    Veltis::DataModel::Objects::CParamInfo m_Info;
    Veltis::Core::CEventProvider m_Changed;
};

class CCountingLink : public virtual Veltis::DataModel::IDisconnectAndPause {
public:
    void Disconnect() override { ++disconnects; }
    void SetPaused(bool) override { }
    int disconnects = 0;
};

// A collection with a count and its two events.
class CStubCollection : public virtual Veltis::DataModel::ICollection {
public:
    int GetCount() const override { return m_Count; }
    void SetCount(int count) override
    {
        m_Count = count;
        if (order)
            order->push_back(0);
        m_Changing.Notify(count);
        m_ItemsChanged.Notify();
    }
    Veltis::Core::TIArgEventProvider<int>& GetCountChangingEvent() override { return m_Changing; }
    Veltis::Core::IEventProvider& GetItemsChangedEvent() override { return m_ItemsChanged; }
    void Disconnect() override { ++disconnects; }
    int disconnects = 0;
    std::vector<int>* order = nullptr;

private:
    int m_Count = 0;
    Veltis::Core::TArgEventProvider<int> m_Changing;
    Veltis::Core::CEventProvider m_ItemsChanged;
};

class CNamedDestroy : public Veltis::Core::IDestroy {
public:
    CNamedDestroy(CDestructionLog* log, const char* name)
        : m_Log(log),
          m_Name(name)
    {
    }
    ~CNamedDestroy() override { m_Log->names.push_back(m_Name); }

private:
    CDestructionLog* m_Log;
    std::string m_Name;
};

std::set<std::string> Ids(CSkinModel& model)
{
    std::set<std::string> ids;
    auto* iterator = model.GetObjects().GetIdsIterator();
    for (iterator->First(); !iterator->IsEnd(); iterator->Next())
        ids.insert(iterator->GetCurrent());
    delete iterator;
    return ids;
}

template <class I> I* Find(CSkinModel& model, const char* id)
{
    return CSkinModel::FindObject<I>(model.GetObjects(), id, false);
}

} // namespace

TEST(CSkinModelRegistration, TheMaskSelectsTheEntriesAndCompanions)
{
    struct Row {
        int mask;
        bool writable;
        std::set<std::string> ids;
    };
    const Row rows[] = {
        {0, true, {}},
        {1, true, {"p"}},
        {2, true, {"p.info"}},
        {4 | 16, false, {"p.default", "p.max"}},
        {31, true, {"p", "p.info", "p.default", "p.min", "p.max"}},
        {31, false, {"p", "p.info", "p.default", "p.min", "p.max"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("mask " + std::to_string(row.mask) + (row.writable ? " writable" : " read-only"));
        CSkinModel model(nullptr, nullptr, nullptr);
        CCaptureParam* param = new CCountedParam(nullptr, "Gain");
        const bool added = row.writable
            ? model.AddParam("p", param, row.mask, 1)
            : model.AddReadOnlyParam("p", static_cast<ISkinModel::IConstParam*>(param), row.mask, 1);
        EXPECT_TRUE(added);
        EXPECT_EQ(Ids(model), row.ids);
        if (row.ids.count("p")) {
            EXPECT_EQ(Find<ISkinModel::IConstParam>(model, "p"), param);
            EXPECT_EQ(Find<ISkinModel::IParam>(model, "p") != nullptr, row.writable);
            EXPECT_NE(Find<Veltis::Core::IValueChangedEventProvider>(model, "p"), nullptr);
        }
        if (row.ids.count("p.info"))
            EXPECT_EQ(Find<IConstParamInfo>(model, "p.info"), &param->GetInfo());
        if (row.ids.count("p.max"))
            EXPECT_EQ(Find<ISkinModel::IParam>(model, "p.max") != nullptr, row.writable);
    }
}

TEST(CSkinModelRegistration, OwnershipFollowsTheMaskEvenWhenRefused)
{
    CDestructionLog log;
    CMemMessageLog messages;
    {
        CSkinModel model(nullptr, nullptr, &messages);
        EXPECT_TRUE(model.AddParam("gone", new CCountedParam(&log, "gone"), 0, 1));
        EXPECT_EQ(log.names, std::vector<std::string>{"gone"});
        EXPECT_TRUE(model.GetObjects().GetObject("gone") == nullptr);

        EXPECT_TRUE(model.AddParam("kept", new CCountedParam(&log, "info only"), 2, 1));
        EXPECT_TRUE(model.GetObjects().GetObject("kept") == nullptr);
        EXPECT_NE(model.GetObjects().GetObject("kept.info"), nullptr);

        EXPECT_TRUE(model.AddParam("p", new CCountedParam(&log, "first"), 1, 1));
        // The second one under a taken identifier creates no companion but is still
        // owned.
        EXPECT_FALSE(model.AddParam("p", new CCountedParam(&log, "second"), 31, 1));
        EXPECT_TRUE(model.GetObjects().GetObject("p.info") == nullptr);
        EXPECT_TRUE(model.GetObjects().GetObject("p.max") == nullptr);
        EXPECT_EQ(LoggedMessages(messages),
                  (std::vector<LoggedMessage>{{0,
                                               "'p' : this object identifier already "
                                               "exists, use another identifier."}}));
        EXPECT_EQ(log.names.size(), 1u);

        CCountedParam kept(&log, "caller's");
        EXPECT_TRUE(model.AddParam("c", &kept, 31, 0));
        model.RemoveAll();
        EXPECT_EQ(log.names, (std::vector<std::string>{"gone", "second", "first", "info only"}));
        EXPECT_TRUE(Ids(model).empty());
    }
    EXPECT_EQ(log.names.back(), "caller's");
}

TEST(CSkinModelRegistration, WritableCompanionsMoveTheRangeAndAllReFireTheDescriptor)
{
    CSkinModel model(nullptr, nullptr, nullptr);
    CCaptureParam* param = new CCountedParam(nullptr, "Gain", -12.0f, 12.0f);
    param->GetWritableInfo().SetDefault(0.0f);
    ASSERT_TRUE(model.AddParam("gain", param, 31, 1));

    struct Row {
        const char* id;
        const char* name;
        float value;
        float defaultValue;
    };
    const Row rows[] = {
        {"gain.default", "Gain Default", 0.0f, 0.0f},
        {"gain.min", "Gain Min", -12.0f, -12.0f},
        {"gain.max", "Gain Max", 12.0f, 12.0f},
    };
    std::vector<CCountingCommand> listeners(3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(rows[i].id);
        ISkinModel::IParam* companion = Find<ISkinModel::IParam>(model, rows[i].id);
        ASSERT_NE(companion, nullptr);
        EXPECT_STREQ(companion->GetInfo().GetName(), rows[i].name);
        EXPECT_STREQ(companion->GetInfo().GetUnit(), "dB");
        EXPECT_EQ(companion->GetValue(), rows[i].value);
        EXPECT_EQ(companion->GetInfo().GetDefault(), rows[i].defaultValue);
        EXPECT_EQ(companion->GetInfo().GetMin(), -FLT_MAX);
        EXPECT_EQ(companion->GetInfo().GetMax(), FLT_MAX);
        companion->GetValueChangedEvent().AddListener(&listeners[i]);
    }

    Find<ISkinModel::IParam>(model, "gain.max")->SetValue(5.0f);
    EXPECT_EQ(param->GetInfo().GetMax(), 5.0f);
    EXPECT_EQ(Find<ISkinModel::IConstParam>(model, "gain.max")->GetValue(), 5.0f);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(listeners[i].GetCount(), 1) << rows[i].id;
    Find<ISkinModel::IParam>(model, "gain.min")->SetValue(-3.0f);
    EXPECT_EQ(param->GetInfo().GetMin(), -3.0f);
    for (int i = 0; i < 3; ++i)
        Find<ISkinModel::IConstParam>(model, rows[i].id)->GetValueChangedEvent().RemoveListener(&listeners[i]);
}

TEST(CSkinModelRegistration, ReadOnlyCompanionsHaveOnePointRanges)
{
    // Objects the model does not own outlive it.
    CCountedParam param(nullptr, "Level", 0.0f, 10.0f);
    CSkinModel model(nullptr, nullptr, nullptr);
    param.GetWritableInfo().SetDefault(4.0f);
    ASSERT_TRUE(model.AddReadOnlyParam("level", static_cast<ISkinModel::IConstParam*>(&param), 28, 0));

    struct Row {
        const char* id;
        float value, min, max, defaultValue;
    };
    const Row rows[] = {
        {"level.default", 4.0f, 0.0f, 10.0f, 4.0f},
        {"level.min", 0.0f, 0.0f, 0.0f, 0.0f},
        {"level.max", 10.0f, 10.0f, 10.0f, 10.0f},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        ISkinModel::IConstParam* companion = Find<ISkinModel::IConstParam>(model, row.id);
        ASSERT_NE(companion, nullptr);
        EXPECT_EQ(Find<ISkinModel::IParam>(model, row.id), nullptr);
        EXPECT_EQ(companion->GetValue(), row.value);
        EXPECT_EQ(companion->GetInfo().GetMin(), row.min);
        EXPECT_EQ(companion->GetInfo().GetMax(), row.max);
        EXPECT_EQ(companion->GetInfo().GetDefault(), row.defaultValue);
    }
    EXPECT_EQ(Ids(model), (std::set<std::string>{"level.default", "level.min", "level.max"}));
}

TEST(CSkinModelRegistration, CurvesAndSurfacesGetAxisCompanionsUntilOneIsRefused)
{
    CMemMessageLog messages;
    Veltis::DataModel::Objects::CCaptureCurve curve;
    Veltis::DataModel::Objects::CCaptureSurface surface, second;
    Veltis::DataModel::Objects::CCaptureString text;
    CSkinModel model(nullptr, nullptr, &messages);
    ASSERT_TRUE(model.AddCurve("c", &curve, 3, 0));
    EXPECT_EQ(Find<IConstParamInfo>(model, "c.x_info"), &curve.GetInfo().GetXInfo());
    EXPECT_EQ(Find<IConstParamInfo>(model, "c.y_info"), &curve.GetInfo().GetYInfo());
    EXPECT_NE(Find<ISkinModel::ICurve>(model, "c"), nullptr);

    ASSERT_TRUE(model.AddReadOnlySurface("s", static_cast<ISkinModel::IConstSurface*>(&surface), 2, 0));
    EXPECT_EQ(Ids(model), (std::set<std::string>{"c", "c.x_info", "c.y_info", "s.x_info", "s.y_info", "s.z_info"}));

    // ".x_info" is taken: no later axis companion.
    ASSERT_TRUE(model.AddParam("t.x_info", new CCaptureParam, 1, 1));
    EXPECT_FALSE(model.AddReadOnlySurface("t", static_cast<ISkinModel::IConstSurface*>(&second), 3, 0));
    EXPECT_NE(model.GetObjects().GetObject("t"), nullptr);
    EXPECT_TRUE(model.GetObjects().GetObject("t.y_info") == nullptr);
    EXPECT_TRUE(model.GetObjects().GetObject("t.z_info") == nullptr);
    EXPECT_EQ(messages.GetMessagesCount(0), 1u);

    // Strings have no companions; bit 2 asks for nothing.
    EXPECT_TRUE(model.AddString("text", &text, 3, 0));
    EXPECT_TRUE(model.GetObjects().GetObject("text.info") == nullptr);
    EXPECT_NE(Find<ISkinModel::IString>(model, "text"), nullptr);
}

TEST(CSkinModelLookup, MissesAreReportedOnlyWhenAskedAndLogged)
{
    CMemMessageLog messages;
    Veltis::DataModel::Objects::CCaptureCurve curve;
    Veltis::DataModel::Objects::CAction action;
    CStubCollection collection;
    CSkinModel model(nullptr, nullptr, &messages);
    ASSERT_TRUE(model.AddReadOnlyCurve("curve", static_cast<ISkinModel::IConstCurve*>(&curve), 1, 0));
    ASSERT_TRUE(model.AddAction("act", &action, 0));
    ASSERT_TRUE(model.AddCollection("items", &collection, 0));

    auto& objects = model.GetObjects();
    EXPECT_EQ(CSkinModel::FindObject<ISkinModel::IConstCurve>(objects, "curve", true),
              static_cast<ISkinModel::IConstCurve*>(&curve));
    EXPECT_EQ(CSkinModel::FindObject<Veltis::DataModel::Objects::IConstAction>(objects, "act", true),
              static_cast<Veltis::DataModel::Objects::IConstAction*>(&action));
    EXPECT_EQ(CSkinModel::FindObject<Veltis::DataModel::IConstCollection>(objects, "items", true),
              static_cast<Veltis::DataModel::IConstCollection*>(&collection));
    EXPECT_EQ(CSkinModel::FindObject<Veltis::DataModel::ICollection>(objects, "items", true),
              static_cast<Veltis::DataModel::ICollection*>(&collection));
    EXPECT_EQ(messages.GetMessagesCount(), 0u);

    EXPECT_EQ(CSkinModel::FindObject<ISkinModel::ICurve>(objects, "curve", false), nullptr);
    EXPECT_EQ(CSkinModel::FindObject<ISkinModel::IConstParam>(objects, "nothing", false), nullptr);
    EXPECT_EQ(messages.GetMessagesCount(), 0u);

    EXPECT_EQ(CSkinModel::FindObject<ISkinModel::ICurve>(objects, "curve", true), nullptr);
    EXPECT_EQ(CSkinModel::FindObject<ISkinModel::IConstString>(objects, "act", true), nullptr);
    EXPECT_EQ(CSkinModel::FindObject<ISkinModel::IParam>(objects, "nothing", true), nullptr);
    EXPECT_EQ(LoggedMessages(messages),
              (std::vector<LoggedMessage>{{0, "curve: Unknown curve identifier (wrong object type)."},
                                          {0, "act: Unknown read only string identifier (wrong object type)."},
                                          {0, "nothing: Unknown identifier (object does not exist)."}}));

    // No log on the dictionary: nothing to write to.
    model.SetMessageLog(nullptr);
    EXPECT_EQ(CSkinModel::FindObject<ISkinModel::IParam>(objects, "nothing", true), nullptr);
    EXPECT_EQ(messages.GetMessagesCount(), 3u);
}

TEST(CSkinModel, EnableNotifiesChangesOnly)
{
    CSkinModel model(nullptr, nullptr, nullptr);
    CCountingCommand changed;
    model.GetEnableChangedEvent().AddListener(&changed);
    EXPECT_FALSE(model.IsEnabled());
    model.Enable(true);
    model.Enable(true);
    EXPECT_TRUE(model.IsEnabled());
    EXPECT_EQ(changed.GetCount(), 1);
    model.Enable(false);
    EXPECT_EQ(changed.GetCount(), 2);
    model.GetEnableChangedEvent().RemoveListener(&changed);
}

TEST(CSkinModel, PersistentAndTrackedChangesFollowTheirObjects)
{
    CCountedParam quiet(nullptr, "quiet"), tracked(nullptr, "tracked");
    CStubCollection collection;
    CSkinModel model(nullptr, nullptr, nullptr);
    ASSERT_TRUE(model.AddParam("quiet", &quiet, 1, 0));
    ASSERT_TRUE(model.AddParam("tracked", &tracked, 1, 0));
    ASSERT_TRUE(model.AddCollection("items", &collection, 0));
    CCountingCommand persistent, trackedChanges;
    model.GetPersistentChangedEvent().AddListener(&persistent);
    model.GetTrackedChangedEvent().AddListener(&trackedChanges);

    EXPECT_FALSE(model.MakePersistent("absent", true));
    EXPECT_TRUE(model.MakePersistent("quiet", false));
    EXPECT_FALSE(model.MakePersistent("quiet", true));
    EXPECT_TRUE(model.MakePersistent("tracked", true));
    EXPECT_TRUE(model.MakePersistent("items", true));
    EXPECT_TRUE(model.Expose("tracked"));
    EXPECT_FALSE(model.Expose("tracked"));
    EXPECT_FALSE(model.Expose("absent"));

    quiet.SetValue(3.0f);
    EXPECT_EQ(persistent.GetCount(), 1);
    EXPECT_EQ(trackedChanges.GetCount(), 0);
    tracked.SetValue(3.0f);
    EXPECT_EQ(persistent.GetCount(), 2);
    EXPECT_EQ(trackedChanges.GetCount(), 1);
    collection.SetCount(4);
    EXPECT_EQ(persistent.GetCount(), 3);
    EXPECT_EQ(trackedChanges.GetCount(), 2);

    model.RemoveObject("tracked");
    tracked.SetValue(4.0f);
    EXPECT_EQ(persistent.GetCount(), 3);
    EXPECT_EQ(trackedChanges.GetCount(), 2);
    EXPECT_TRUE(model.GetObjects().GetObject("tracked") == nullptr);
    EXPECT_TRUE(model.GetPersistentObjects().GetObject("tracked") == nullptr);
    EXPECT_TRUE(model.GetExposedObjects().GetObject("tracked") == nullptr);
    model.RemoveObject("absent");

    // Clear unhooks the rest and disables.
    model.Enable(true);
    model.Clear();
    EXPECT_FALSE(model.IsEnabled());
    quiet.SetValue(5.0f);
    collection.SetCount(1);
    EXPECT_EQ(persistent.GetCount(), 3);
    EXPECT_EQ(trackedChanges.GetCount(), 2);
    EXPECT_NE(model.GetPersistentObjects().GetObject("quiet"), nullptr);
    model.GetPersistentChangedEvent().RemoveListener(&persistent);
    model.GetTrackedChangedEvent().RemoveListener(&trackedChanges);
}

TEST(CSkinModel, ClearDisconnectsEachListedObjectOnceAndKeepsTheIdentifiers)
{
    CCountingWrapper wrapper, duplicate, unreferenced;
    CCountingLink link;
    CStubCollection collection;
    CSkinModel model(nullptr, nullptr, nullptr);
    ASSERT_TRUE(model.AddReadOnlyParam("w", &wrapper, 1, 0));
    EXPECT_FALSE(model.AddReadOnlyParam("w", &duplicate, 1, 0));
    EXPECT_TRUE(model.AddReadOnlyParam("u", &unreferenced, 0, 0));
    ASSERT_TRUE(model.AddReadOnlyCollection("items", &collection, 0));
    model.AddLink(&link, 0);
    EXPECT_EQ(model.GetDisconnectableCount(), 2);
    EXPECT_EQ(model.GetLinkCount(), 1);

    model.Clear();
    model.Clear();
    EXPECT_EQ(wrapper.disconnects, 1);
    EXPECT_EQ(collection.disconnects, 1);
    EXPECT_EQ(link.disconnects, 1);
    EXPECT_EQ(duplicate.disconnects, 0);
    EXPECT_EQ(unreferenced.disconnects, 0);
    EXPECT_EQ(model.GetDisconnectableCount(), 0);
    EXPECT_EQ(Ids(model), (std::set<std::string>{"w", "items"}));
}

TEST(CSkinModel, RemoveAllDestroysAdoptedObjectsNewestFirstAndLeavesAReusableModel)
{
    CDestructionLog log;
    CSkinModel model(nullptr, nullptr, nullptr);
    model.AdoptObject(new CNamedDestroy(&log, "first"));
    ASSERT_TRUE(model.AddParam("p", new CCountedParam(&log, "param"), 1, 1));
    model.AdoptObject(new CNamedDestroy(&log, "last"));
    model.SetName("panel");
    model.RemoveAll();
    EXPECT_EQ(log.names, (std::vector<std::string>{"last", "param", "first"}));
    EXPECT_TRUE(Ids(model).empty());
    EXPECT_STREQ(model.GetName(), "panel");
    EXPECT_TRUE(model.AddParam("p", new CCountedParam(&log, "again"), 1, 1));
}

TEST(CSkinModel, NameAndFallbacks)
{
    CSkinModel model(nullptr, nullptr, nullptr);
    EXPECT_STREQ(model.GetName(), "");
    model.SetName("x");
    model.SetName(nullptr);
    EXPECT_STREQ(model.GetName(), "");

    ISkinModel::IParam& param = model.GetFallbackParam();
    EXPECT_STREQ(param.GetInfo().GetComment(), "Parameter not found");
    EXPECT_STREQ(param.GetInfo().GetName(), "?");
    EXPECT_STREQ(param.GetInfo().GetUnit(), "?");
    EXPECT_EQ(param.GetInfo().GetMin(), 0.0f);
    EXPECT_EQ(param.GetInfo().GetMax(), 0.0f);
    EXPECT_EQ(param.GetValue(), 0.0f);
    EXPECT_STREQ(model.GetFallbackCurve().GetInfo().GetComment(), "Curve not found");
    EXPECT_STREQ(model.GetFallbackCurve().GetInfo().GetXInfo().GetUnit(), "?");
    EXPECT_EQ(model.GetFallbackCurve().GetValue().GetValue(0.25f), 0.25f);
    EXPECT_STREQ(model.GetFallbackSurface().GetInfo().GetComment(), "Surface not found");
    EXPECT_STREQ(model.GetFallbackSurface().GetInfo().GetZInfo().GetName(), "?");
    EXPECT_EQ(model.GetFallbackSurface().GetValue().GetValue(1.0f, 3.0f), 2.0f);
    EXPECT_STREQ(model.GetFallbackString().GetValue(), "?");
    EXPECT_STREQ(model.GetFallbackString().GetInfo().GetComment(), "String not found");
    EXPECT_STREQ(model.GetFallbackAction().GetInfo().GetComment(), "Action not found");
    EXPECT_STREQ(model.GetFallbackAction().GetInfo().GetName(), "?");
    EXPECT_TRUE(Ids(model).empty());
}

namespace {

// A model with persistent objects of every saved kind, and one non-persistent parameter.
struct CStateFixture {
    CStateFixture()
    {
        gain.GetWritableInfo().SetDefault(0.25f);
        text.GetWritableInfo().SetDefaultValue("default text");
        EXPECT_TRUE(model.AddParam("gain", &gain, 1, 0));
        EXPECT_TRUE(model.AddParam("free", &free, 1, 0));
        EXPECT_TRUE(model.AddCurve("curve", &curve, 1, 0));
        EXPECT_TRUE(model.AddString("text", &text, 1, 0));
        EXPECT_TRUE(model.AddReadOnlyString("label", static_cast<ISkinModel::IConstString*>(&label), 1, 0));
        EXPECT_TRUE(model.AddCollection("bands", &bands, 0));
        for (const char* id : {"gain", "curve", "text", "label", "bands"})
            EXPECT_TRUE(model.MakePersistent(id, true));
    }

    std::string Write()
    {
        Veltis::Serialization::CXmlDataObject document("Root", 0);
        EXPECT_TRUE(model.Serialize(document));
        return VeltisTest::CompactText(document);
    }

    bool Read(const std::string& text)
    {
        std::unique_ptr<Veltis::Serialization::CXmlDataObject> document = VeltisTest::LoadXml(text);
        return model.DeSerialize(*document);
    }

    CCountedParam gain{nullptr, "gain", 0.0f, 1.0f};
    CCountedParam free{nullptr, "free", 0.0f, 1.0f};
    Veltis::DataModel::Objects::CCaptureCurve curve;
    Veltis::DataModel::Objects::CCaptureString text;
    Veltis::DataModel::Objects::CCaptureString label;
    CStubCollection bands;
    CSkinModel model{nullptr, nullptr, nullptr};
};

const char kHead[] = "<?xml version=\"1.0\" encoding=\"utf-8\" ?><Root><state>";
const char kTail[] = "</state></Root>";

std::string Lists(const std::string& params, const std::string& strings, const std::string& counts)
{
    return "<paramStates>" + params + "</paramStates><curveStates><curveCount>0</curveCount></curveStates>" +
        "<surfaceStates><surfaceCount>0</surfaceCount></surfaceStates><stringStates>" + strings + "</stringStates>" +
        counts;
}

} // namespace

TEST(CSkinModelState, OneParameterIsWrittenInTheSavedFormat)
{
    CCountedParam gain(nullptr, "gain", 0.0f, 1.0f);
    CSkinModel model(nullptr, nullptr, nullptr);
    ASSERT_TRUE(model.AddParam("gain", &gain, 1, 0));
    ASSERT_TRUE(model.MakePersistent("gain", false));
    gain.SetValue(0.5f);
    Veltis::Serialization::CXmlDataObject document("Root", 0);
    EXPECT_TRUE(model.Serialize(document));
    EXPECT_EQ(VeltisTest::CompactText(document),
              std::string(kHead) + "<version>2</version>" +
                  Lists("<paramCount>1</paramCount><param0><name>gain</name><value>0.5</value></param0>",
                        "<stringCount>0</stringCount>",
                        "<collectionCountStates><collectionCount>0</collectionCount></collectionCountStates>") +
                  kTail);
}

TEST(CSkinModelState, ARoundTripRestoresCountsBeforeValues)
{
    CStateFixture fixture;
    fixture.gain.SetValue(0.75f);
    fixture.text.SetValue("saved");
    fixture.label.SetValue("shown");
    fixture.bands.SetCount(3);
    const std::string saved = fixture.Write();
    EXPECT_NE(saved.find("<name>bands.count</name><value>3</value>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<name>label</name><value>shown</value>"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("free"), std::string::npos) << saved;

    fixture.gain.SetValue(0.0f);
    fixture.free.SetValue(0.5f);
    fixture.text.SetValue("changed");
    fixture.label.SetValue("changed");
    fixture.bands.SetCount(1);
    std::vector<int> order;
    fixture.bands.order = &order;
    CCountingCommand paramWritten(1, &order);
    fixture.gain.GetValueChangedEvent().AddListener(&paramWritten);
    EXPECT_TRUE(fixture.Read(saved));
    fixture.gain.GetValueChangedEvent().RemoveListener(&paramWritten);

    EXPECT_EQ(order, (std::vector<int>{0, 1}));
    EXPECT_EQ(fixture.bands.GetCount(), 3);
    EXPECT_EQ(fixture.gain.GetValue(), 0.75f);
    EXPECT_STREQ(fixture.text.GetValue(), "saved");
    // Read-only strings are saved but never written back; non-persistent objects are left alone.
    EXPECT_STREQ(fixture.label.GetValue(), "changed");
    EXPECT_EQ(fixture.free.GetValue(), 0.5f);
    EXPECT_TRUE(fixture.model.IsEnabled());
}

TEST(CSkinModelState, UnmentionedObjectsTakeTheirDefaultsButCollectionsKeepTheirCounts)
{
    CStateFixture fixture;
    fixture.gain.SetValue(0.9f);
    fixture.text.SetValue("typed");
    fixture.bands.SetCount(2);
    // A state that names only a parameter that is not persistent.
    EXPECT_TRUE(fixture.Read(std::string(kHead) + "<version>1</version>" +
                             Lists("<paramCount>1</paramCount><param0><name>free</name><value>1</value></param0>",
                                   "<stringCount>0</stringCount>", "") +
                             kTail));
    EXPECT_EQ(fixture.gain.GetValue(), 0.25f);
    EXPECT_STREQ(fixture.text.GetValue(), "default text");
    EXPECT_EQ(fixture.free.GetValue(), 0.0f);
    EXPECT_EQ(fixture.bands.GetCount(), 2);
    EXPECT_TRUE(fixture.model.IsEnabled());
}

TEST(CSkinModelState, ReadsThatFailAnywhereLeaveTheModelAsItWas)
{
    const std::string noCounts = "<stringCount>0</stringCount>";
    const std::string param = "<paramCount>1</paramCount><param0><name>gain</name><value>1</value></param0>";
    struct Row {
        const char* name;
        std::string body;
        bool accepted;
    };
    const Row rows[] = {
        {"version 1 without counts", "<version>1</version>" + Lists(param, noCounts, ""), true},
        {"no version", Lists(param, noCounts, ""), true},
        {"version 2 without counts", "<version>2</version>" + Lists(param, noCounts, ""), false},
        {"a null curve",
         "<version>1</version><paramStates>" + param +
             "</paramStates><curveStates><curveCount>1</curveCount><curve0><name>curve</name><value><isNull>1</isNull>"
             "</value></curve0></curveStates><surfaceStates><surfaceCount>0</surfaceCount></surfaceStates>"
             "<stringStates><stringCount>0</stringCount></stringStates>",
         false},
        {"an unknown function class",
         "<version>1</version><paramStates>" + param +
             "</paramStates><curveStates><curveCount>1</curveCount><curve0><name>curve</name><value><isNull>0</isNull>"
             "<type>{no such class}</type><content/></value></curve0></curveStates><surfaceStates><surfaceCount>0"
             "</surfaceCount></surfaceStates><stringStates><stringCount>0</stringCount></stringStates>",
         false},
        {"a count beyond the items", "<version>1</version>" + Lists("<paramCount>5</paramCount>", noCounts, ""), false},
        {"a negative count", "<version>1</version>" + Lists("<paramCount>-1</paramCount>", noCounts, ""), false},
        {"no state", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CStateFixture fixture;
        fixture.gain.SetValue(0.5f);
        fixture.text.SetValue("kept");
        const std::string text = row.body.empty() ? "<?xml version=\"1.0\" encoding=\"utf-8\" ?><Root/>"
                                                  : std::string(kHead) + row.body + kTail;
        EXPECT_EQ(fixture.Read(text), row.accepted);
        EXPECT_EQ(fixture.gain.GetValue(), row.accepted ? 1.0f : 0.5f);
        EXPECT_STREQ(fixture.text.GetValue(), row.accepted ? "default text" : "kept");
        EXPECT_EQ(fixture.model.IsEnabled(), row.accepted);
    }
}

TEST(CSkinModelState, CollectionCountsFromUntrustedStatesAreCheckedBeforeUse)
{
    struct Row {
        const char* name;
        const char* item;
        int count;
    };
    const Row rows[] = {
        {"well formed", "<name>bands.count</name><value>4</value>", 4},
        {"no suffix", "<name>bands</name><value>4</value>", 2},
        {"shorter than the suffix", "<name>s</name><value>4</value>", 2},
        {"negative", "<name>bands.count</name><value>-3</value>", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CStateFixture fixture;
        fixture.bands.SetCount(2);
        EXPECT_TRUE(fixture.Read(std::string(kHead) + "<version>2</version>" +
                                 Lists("<paramCount>0</paramCount>", "<stringCount>0</stringCount>",
                                       std::string("<collectionCountStates><collectionCount>1</collectionCount>"
                                                   "<collection0>") +
                                           row.item + "</collection0></collectionCountStates>") +
                                 kTail));
        EXPECT_EQ(fixture.bands.GetCount(), row.count);
    }
}

TEST(CSkinModelState, SetStatePausesLinksAndUpdatesProxiesFirst)
{
    class CPausedLink : public virtual Veltis::DataModel::IDisconnectAndPause {
    public:
        void Disconnect() override { }
        void SetPaused(bool paused) override { calls.push_back(paused); }
        std::vector<bool> calls;
    };
    CPausedLink link;
    CStateFixture fixture;
    fixture.model.AddLink(&link, 0);
    CSkinModel::CState state;
    fixture.model.GetState(state);
    EXPECT_EQ(state.m_Params.size(), 1u);
    EXPECT_EQ(state.m_Curves.size(), 1u);
    EXPECT_EQ(state.m_Strings.size(), 2u);
    EXPECT_EQ(state.m_Counts.size(), 1u);
    fixture.model.SetState(state);
    EXPECT_EQ(link.calls, (std::vector<bool>{true, false}));
    EXPECT_TRUE(fixture.model.IsEnabled());
}
