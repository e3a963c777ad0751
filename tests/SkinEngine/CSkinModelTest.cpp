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
#include "support/CCountingCommand.h"
#include "support/SkinLogMatcher.h"

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
  CCountedParam(CDestructionLog *log, const char *name, float min = 0.0f,
                float max = 10.0f)
      : m_Log(log), m_Name(name) {
    GetWritableInfo().SetName(name);
    GetWritableInfo().SetUnit("dB");
    GetWritableInfo().SetMin(min);
    GetWritableInfo().SetMax(max);
    GetWritableInfo().SetDefault(min);
  }
  ~CCountedParam() override {
    if (m_Log)
      m_Log->names.push_back(m_Name);
  }

private:
  CDestructionLog *m_Log;
  std::string m_Name;
};

// A read-only parameter wrapper that counts its disconnections.
class CCountingWrapper
    : public virtual Veltis::DataModel::TIConstCaptureObjectWrapper<
          float, IConstParamInfo> {
public:
  float GetValue() const override { return 0.0f; }
  const IConstParamInfo &GetInfo() const override { return m_Info; }
  const IConstParamInfo &GetInfo() override { return m_Info; }
  Veltis::Core::IEventProvider &GetValueChangedEvent() override {
    return m_Changed;
  }
  Veltis::Core::IEventProvider &GetBeginCaptureEvent() override {
    return m_Changed;
  }
  Veltis::Core::IEventProvider &GetEndCaptureEvent() override {
    return m_Changed;
  }
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
  void SetPaused(bool) override {}
  int disconnects = 0;
};

// A collection with a count and its two events.
class CStubCollection : public virtual Veltis::DataModel::ICollection {
public:
  int GetCount() const override { return m_Count; }
  void SetCount(int count) override {
    m_Count = count;
    m_Changing.Notify(count);
    m_ItemsChanged.Notify();
  }
  Veltis::Core::TIArgEventProvider<int> &GetCountChangingEvent() override {
    return m_Changing;
  }
  Veltis::Core::IEventProvider &GetItemsChangedEvent() override {
    return m_ItemsChanged;
  }
  void Disconnect() override { ++disconnects; }
  int disconnects = 0;

private:
  int m_Count = 0;
  Veltis::Core::TArgEventProvider<int> m_Changing;
  Veltis::Core::CEventProvider m_ItemsChanged;
};

class CNamedDestroy : public Veltis::Core::IDestroy {
public:
  CNamedDestroy(CDestructionLog *log, const char *name)
      : m_Log(log), m_Name(name) {}
  ~CNamedDestroy() override { m_Log->names.push_back(m_Name); }

private:
  CDestructionLog *m_Log;
  std::string m_Name;
};

std::set<std::string> Ids(CSkinModel &model) {
  std::set<std::string> ids;
  auto *iterator = model.GetObjects().GetIdsIterator();
  for (iterator->First(); !iterator->IsEnd(); iterator->Next())
    ids.insert(iterator->GetCurrent());
  delete iterator;
  return ids;
}

template <class I> I *Find(CSkinModel &model, const char *id) {
  return CSkinModel::FindObject<I>(model.GetObjects(), id, false);
}

} // namespace

TEST(CSkinModelRegistration, TheMaskSelectsTheEntriesAndCompanions) {
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
  for (const Row &row : rows) {
    SCOPED_TRACE("mask " + std::to_string(row.mask) +
                 (row.writable ? " writable" : " read-only"));
    CSkinModel model(nullptr, nullptr, nullptr);
    CCaptureParam *param = new CCountedParam(nullptr, "Gain");
    const bool added =
        row.writable ? model.AddParam("p", param, row.mask, 1)
                     : model.AddReadOnlyParam(
                           "p", static_cast<ISkinModel::IConstParam *>(param),
                           row.mask, 1);
    EXPECT_TRUE(added);
    EXPECT_EQ(Ids(model), row.ids);
    if (row.ids.count("p")) {
      EXPECT_EQ(Find<ISkinModel::IConstParam>(model, "p"), param);
      EXPECT_EQ(Find<ISkinModel::IParam>(model, "p") != nullptr, row.writable);
      EXPECT_NE(Find<Veltis::Core::IValueChangedEventProvider>(model, "p"),
                nullptr);
    }
    if (row.ids.count("p.info"))
      EXPECT_EQ(Find<IConstParamInfo>(model, "p.info"), &param->GetInfo());
    if (row.ids.count("p.max"))
      EXPECT_EQ(Find<ISkinModel::IParam>(model, "p.max") != nullptr,
                row.writable);
  }
}

TEST(CSkinModelRegistration, OwnershipFollowsTheMaskEvenWhenRefused) {
  CDestructionLog log;
  CMemMessageLog messages;
  {
    CSkinModel model(nullptr, nullptr, &messages);
    EXPECT_TRUE(model.AddParam("gone", new CCountedParam(&log, "gone"), 0, 1));
    EXPECT_EQ(log.names, std::vector<std::string>{"gone"});
    EXPECT_TRUE(model.GetObjects().GetObject("gone") == nullptr);

    EXPECT_TRUE(
        model.AddParam("kept", new CCountedParam(&log, "info only"), 2, 1));
    EXPECT_TRUE(model.GetObjects().GetObject("kept") == nullptr);
    EXPECT_NE(model.GetObjects().GetObject("kept.info"), nullptr);

    EXPECT_TRUE(model.AddParam("p", new CCountedParam(&log, "first"), 1, 1));
    // The second one under a taken identifier creates no companion but is still
    // owned.
    EXPECT_FALSE(model.AddParam("p", new CCountedParam(&log, "second"), 31, 1));
    EXPECT_TRUE(model.GetObjects().GetObject("p.info") == nullptr);
    EXPECT_TRUE(model.GetObjects().GetObject("p.max") == nullptr);
    EXPECT_EQ(
        LoggedMessages(messages),
        (std::vector<LoggedMessage>{{0, "'p' : this object identifier already "
                                        "exists, use another identifier."}}));
    EXPECT_EQ(log.names.size(), 1u);

    CCountedParam kept(&log, "caller's");
    EXPECT_TRUE(model.AddParam("c", &kept, 31, 0));
    model.RemoveAll();
    EXPECT_EQ(log.names, (std::vector<std::string>{"gone", "second", "first",
                                                   "info only"}));
    EXPECT_TRUE(Ids(model).empty());
  }
  EXPECT_EQ(log.names.back(), "caller's");
}

TEST(CSkinModelRegistration,
     WritableCompanionsMoveTheRangeAndAllReFireTheDescriptor) {
  CSkinModel model(nullptr, nullptr, nullptr);
  CCaptureParam *param = new CCountedParam(nullptr, "Gain", -12.0f, 12.0f);
  param->GetWritableInfo().SetDefault(0.0f);
  ASSERT_TRUE(model.AddParam("gain", param, 31, 1));

  struct Row {
    const char *id;
    const char *name;
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
    ISkinModel::IParam *companion = Find<ISkinModel::IParam>(model, rows[i].id);
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
    Find<ISkinModel::IConstParam>(model, rows[i].id)
        ->GetValueChangedEvent()
        .RemoveListener(&listeners[i]);
}

TEST(CSkinModelRegistration, ReadOnlyCompanionsHaveOnePointRanges) {
  // Objects the model does not own outlive it.
  CCountedParam param(nullptr, "Level", 0.0f, 10.0f);
  CSkinModel model(nullptr, nullptr, nullptr);
  param.GetWritableInfo().SetDefault(4.0f);
  ASSERT_TRUE(model.AddReadOnlyParam(
      "level", static_cast<ISkinModel::IConstParam *>(&param), 28, 0));

  struct Row {
    const char *id;
    float value, min, max, defaultValue;
  };
  const Row rows[] = {
      {"level.default", 4.0f, 0.0f, 10.0f, 4.0f},
      {"level.min", 0.0f, 0.0f, 0.0f, 0.0f},
      {"level.max", 10.0f, 10.0f, 10.0f, 10.0f},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.id);
    ISkinModel::IConstParam *companion =
        Find<ISkinModel::IConstParam>(model, row.id);
    ASSERT_NE(companion, nullptr);
    EXPECT_EQ(Find<ISkinModel::IParam>(model, row.id), nullptr);
    EXPECT_EQ(companion->GetValue(), row.value);
    EXPECT_EQ(companion->GetInfo().GetMin(), row.min);
    EXPECT_EQ(companion->GetInfo().GetMax(), row.max);
    EXPECT_EQ(companion->GetInfo().GetDefault(), row.defaultValue);
  }
  EXPECT_EQ(Ids(model),
            (std::set<std::string>{"level.default", "level.min", "level.max"}));
}

TEST(CSkinModelRegistration,
     CurvesAndSurfacesGetAxisCompanionsUntilOneIsRefused) {
  CMemMessageLog messages;
  Veltis::DataModel::Objects::CCaptureCurve curve;
  Veltis::DataModel::Objects::CCaptureSurface surface, second;
  Veltis::DataModel::Objects::CCaptureString text;
  CSkinModel model(nullptr, nullptr, &messages);
  ASSERT_TRUE(model.AddCurve("c", &curve, 3, 0));
  EXPECT_EQ(Find<IConstParamInfo>(model, "c.x_info"),
            &curve.GetInfo().GetXInfo());
  EXPECT_EQ(Find<IConstParamInfo>(model, "c.y_info"),
            &curve.GetInfo().GetYInfo());
  EXPECT_NE(Find<ISkinModel::ICurve>(model, "c"), nullptr);

  ASSERT_TRUE(model.AddReadOnlySurface(
      "s", static_cast<ISkinModel::IConstSurface *>(&surface), 2, 0));
  EXPECT_EQ(Ids(model),
            (std::set<std::string>{"c", "c.x_info", "c.y_info", "s.x_info",
                                   "s.y_info", "s.z_info"}));

  // ".x_info" is taken: no later axis companion.
  ASSERT_TRUE(model.AddParam("t.x_info", new CCaptureParam, 1, 1));
  EXPECT_FALSE(model.AddReadOnlySurface(
      "t", static_cast<ISkinModel::IConstSurface *>(&second), 3, 0));
  EXPECT_NE(model.GetObjects().GetObject("t"), nullptr);
  EXPECT_TRUE(model.GetObjects().GetObject("t.y_info") == nullptr);
  EXPECT_TRUE(model.GetObjects().GetObject("t.z_info") == nullptr);
  EXPECT_EQ(messages.GetMessagesCount(0), 1u);

  // Strings have no companions; bit 2 asks for nothing.
  EXPECT_TRUE(model.AddString("text", &text, 3, 0));
  EXPECT_TRUE(model.GetObjects().GetObject("text.info") == nullptr);
  EXPECT_NE(Find<ISkinModel::IString>(model, "text"), nullptr);
}

TEST(CSkinModelLookup, MissesAreReportedOnlyWhenAskedAndLogged) {
  CMemMessageLog messages;
  Veltis::DataModel::Objects::CCaptureCurve curve;
  Veltis::DataModel::Objects::CAction action;
  CStubCollection collection;
  CSkinModel model(nullptr, nullptr, &messages);
  ASSERT_TRUE(model.AddReadOnlyCurve(
      "curve", static_cast<ISkinModel::IConstCurve *>(&curve), 1, 0));
  ASSERT_TRUE(model.AddAction("act", &action, 0));
  ASSERT_TRUE(model.AddCollection("items", &collection, 0));

  auto &objects = model.GetObjects();
  EXPECT_EQ(
      CSkinModel::FindObject<ISkinModel::IConstCurve>(objects, "curve", true),
      static_cast<ISkinModel::IConstCurve *>(&curve));
  EXPECT_EQ(CSkinModel::FindObject<Veltis::DataModel::Objects::IConstAction>(
                objects, "act", true),
            static_cast<Veltis::DataModel::Objects::IConstAction *>(&action));
  EXPECT_EQ(CSkinModel::FindObject<Veltis::DataModel::IConstCollection>(
                objects, "items", true),
            static_cast<Veltis::DataModel::IConstCollection *>(&collection));
  EXPECT_EQ(CSkinModel::FindObject<Veltis::DataModel::ICollection>(
                objects, "items", true),
            static_cast<Veltis::DataModel::ICollection *>(&collection));
  EXPECT_EQ(messages.GetMessagesCount(), 0u);

  EXPECT_EQ(CSkinModel::FindObject<ISkinModel::ICurve>(objects, "curve", false),
            nullptr);
  EXPECT_EQ(CSkinModel::FindObject<ISkinModel::IConstParam>(objects, "nothing",
                                                            false),
            nullptr);
  EXPECT_EQ(messages.GetMessagesCount(), 0u);

  EXPECT_EQ(CSkinModel::FindObject<ISkinModel::ICurve>(objects, "curve", true),
            nullptr);
  EXPECT_EQ(
      CSkinModel::FindObject<ISkinModel::IConstString>(objects, "act", true),
      nullptr);
  EXPECT_EQ(
      CSkinModel::FindObject<ISkinModel::IParam>(objects, "nothing", true),
      nullptr);
  EXPECT_EQ(
      LoggedMessages(messages),
      (std::vector<LoggedMessage>{
          {0, "curve: Unknown curve identifier (wrong object type)."},
          {0, "act: Unknown read only string identifier (wrong object type)."},
          {0, "nothing: Unknown identifier (object does not exist)."}}));

  // No log on the dictionary: nothing to write to.
  model.SetMessageLog(nullptr);
  EXPECT_EQ(
      CSkinModel::FindObject<ISkinModel::IParam>(objects, "nothing", true),
      nullptr);
  EXPECT_EQ(messages.GetMessagesCount(), 3u);
}

TEST(CSkinModel, EnableNotifiesChangesOnly) {
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

TEST(CSkinModel, PersistentAndTrackedChangesFollowTheirObjects) {
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

TEST(CSkinModel, ClearDisconnectsEachListedObjectOnceAndKeepsTheIdentifiers) {
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

TEST(CSkinModel,
     RemoveAllDestroysAdoptedObjectsNewestFirstAndLeavesAReusableModel) {
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

TEST(CSkinModel, NameAndFallbacks) {
  CSkinModel model(nullptr, nullptr, nullptr);
  EXPECT_STREQ(model.GetName(), "");
  model.SetName("x");
  model.SetName(nullptr);
  EXPECT_STREQ(model.GetName(), "");

  ISkinModel::IParam &param = model.GetFallbackParam();
  EXPECT_STREQ(param.GetInfo().GetComment(), "Parameter not found");
  EXPECT_STREQ(param.GetInfo().GetName(), "?");
  EXPECT_STREQ(param.GetInfo().GetUnit(), "?");
  EXPECT_EQ(param.GetInfo().GetMin(), 0.0f);
  EXPECT_EQ(param.GetInfo().GetMax(), 0.0f);
  EXPECT_EQ(param.GetValue(), 0.0f);
  EXPECT_STREQ(model.GetFallbackCurve().GetInfo().GetComment(),
               "Curve not found");
  EXPECT_STREQ(model.GetFallbackCurve().GetInfo().GetXInfo().GetUnit(), "?");
  EXPECT_EQ(model.GetFallbackCurve().GetValue().GetValue(0.25f), 0.25f);
  EXPECT_STREQ(model.GetFallbackSurface().GetInfo().GetComment(),
               "Surface not found");
  EXPECT_STREQ(model.GetFallbackSurface().GetInfo().GetZInfo().GetName(), "?");
  EXPECT_EQ(model.GetFallbackSurface().GetValue().GetValue(1.0f, 3.0f), 2.0f);
  EXPECT_STREQ(model.GetFallbackString().GetValue(), "?");
  EXPECT_STREQ(model.GetFallbackString().GetInfo().GetComment(),
               "String not found");
  EXPECT_STREQ(model.GetFallbackAction().GetInfo().GetComment(),
               "Action not found");
  EXPECT_STREQ(model.GetFallbackAction().GetInfo().GetName(), "?");
  EXPECT_TRUE(Ids(model).empty());
}
