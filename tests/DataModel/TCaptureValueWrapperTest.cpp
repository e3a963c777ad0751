#include "Veltis/Core/CEventProvider.h"
#include "Veltis/DataModel/Objects/CParamInfo.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/DataModel/TCaptureValueWrapper.h"

#include "support/CCountingCommand.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>

using namespace Veltis;
using DataModel::Objects::CParamInfo;
using DataModel::Objects::CStringInfo;
using DataModel::Objects::IConstParamInfo;
using DataModel::Objects::IConstStringInfo;
using VeltisTest::CCountingCommand;

namespace {

enum EMode : int { eModeA = 0, eModeB = 1, eModeC = 7 };

// An object with a property of every wrapped kind, its events, and counts of the gesture members.
class CThing {
public:
    virtual ~CThing() {}
    bool GetFlag() const { return m_Flag; }
    void SetFlag(bool flag) { m_Flag = flag; }
    int GetNumber() const { return m_Number; }
    // A result the wrapper ignores.
    int SetNumber(int number) { return m_Number = number; }
    EMode GetMode() const { return m_Mode; }
    void SetMode(int mode) { m_Mode = static_cast<EMode>(mode); }
    float GetLevel() const { return m_Level; }
    void SetLevel(float level) { m_Level = level; }
    double GetPrecise() const { return m_Precise; }
    void SetPrecise(double precise) { m_Precise = precise; }
    const char* GetText() const { return m_Text; }
    // Virtual: a derived object's override must run.
    virtual int GetVirtual() { return 1; }
    void Begin() { ++m_Begins; }
    void End() { ++m_Ends; }

    bool m_Flag = false;
    int m_Number = 0;
    EMode m_Mode = eModeA;
    float m_Level = 0.0f;
    double m_Precise = 0.0;
    const char* m_Text = "text";
    int m_Begins = 0;
    int m_Ends = 0;
    Core::CEventProvider m_Changed;
    Core::CEventProvider m_BeginEvent;
    Core::CEventProvider m_EndEvent;
};

class CDerivedThing : public CThing {
public:
    int GetVirtual() override { return 2; }
};

template <class T, class V>
using TWrapper = DataModel::TCaptureValueWrapper<CThing, IConstParamInfo, CParamInfo, T, V>;

typedef TWrapper<bool, bool> CBoolWrapper;
typedef TWrapper<int, int> CIntWrapper;
typedef TWrapper<EMode, int> CModeWrapper;
typedef TWrapper<float, float> CFloatWrapper;
typedef TWrapper<double, double> CDoubleWrapper;

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

TEST(TCaptureValueWrapperTest, WritesConvertToTheObjectsTypes)
{
    struct Case {
        float written;
        bool flag;
        int number;
        double precise;
    };
    const Case kCases[] = {
        {0.3f, true, 0, 0.3f},
        {-0.0f, false, 0, -0.0},
        {kNaN, false, 0, 0.0},
        {2.9f, true, 2, 2.9f},
        {-2.9f, true, -2, -2.9f},
        {3e9f, true, INT_MAX, 3e9f},
        {-3e9f, true, INT_MIN, -3e9f},
        {kInf, true, INT_MAX, kInf},
        {-kInf, true, INT_MIN, -kInf},
    };
    CThing thing;
    CBoolWrapper flag(&thing, &CThing::GetFlag, &CThing::SetFlag, nullptr, nullptr, nullptr, nullptr, nullptr);
    CIntWrapper number(&thing, &CThing::GetNumber, &CThing::SetNumber, nullptr, nullptr, nullptr, nullptr, nullptr);
    CModeWrapper mode(&thing, &CThing::GetMode, &CThing::SetMode, nullptr, nullptr, nullptr, nullptr, nullptr);
    CDoubleWrapper precise(&thing, &CThing::GetPrecise, &CThing::SetPrecise, nullptr, nullptr, nullptr, nullptr,
                           nullptr);
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.written);
        flag.SetValue(c.written);
        number.SetValue(c.written);
        EXPECT_EQ(thing.m_Flag, c.flag);
        EXPECT_EQ(thing.m_Number, c.number);
        mode.SetValue(c.written);
        EXPECT_EQ(static_cast<int>(thing.m_Mode), c.number);
        precise.SetValue(c.written);
        if (std::isnan(c.written))
            EXPECT_TRUE(std::isnan(thing.m_Precise));
        else
            EXPECT_EQ(thing.m_Precise, c.precise);
        // Reads are exact: 0 or 1 for a bool, the number, the enumerator.
        EXPECT_EQ(flag.GetValue(), c.flag ? 1.0f : 0.0f);
        EXPECT_EQ(number.GetValue(), static_cast<float>(c.number));
    }
}

TEST(TCaptureValueWrapperTest, ReadsConvertFromTheObjectsTypes)
{
    CThing thing;
    thing.m_Mode = eModeC;
    thing.m_Level = -1.5f;
    thing.m_Precise = 0.1;
    CModeWrapper mode(&thing, &CThing::GetMode, &CThing::SetMode, nullptr, nullptr, nullptr, nullptr, nullptr);
    CFloatWrapper level(&thing, &CThing::GetLevel, &CThing::SetLevel, nullptr, nullptr, nullptr, nullptr, nullptr);
    CDoubleWrapper precise(&thing, &CThing::GetPrecise, &CThing::SetPrecise, nullptr, nullptr, nullptr, nullptr,
                           nullptr);
    EXPECT_EQ(mode.GetValue(), 7.0f);
    EXPECT_EQ(level.GetValue(), -1.5f);
    EXPECT_EQ(precise.GetValue(), 0.1f);
    level.SetValue(kNaN);
    EXPECT_TRUE(std::isnan(thing.m_Level));
}

TEST(TCaptureValueWrapperTest, VirtualGettersDispatchToTheOverride)
{
    CDerivedThing thing;
    DataModel::TConstCaptureValueWrapper<CThing, IConstParamInfo, CParamInfo, int> wrapper(&thing, &CThing::GetVirtual,
                                                                                          nullptr, nullptr, nullptr);
    EXPECT_EQ(wrapper.GetValue(), 2.0f);
}

TEST(TCaptureValueWrapperTest, TextWrapperReadsTheTextAndTheDefaultWithoutObject)
{
    CThing thing;
    DataModel::TConstCaptureValueWrapper<CThing, IConstStringInfo, CStringInfo, const char*> text(
        &thing, &CThing::GetText, &thing.m_Changed, nullptr, nullptr);
    EXPECT_STREQ(text.GetValue(), "text");
    text.GetWritableInfo().SetDefaultValue("none");
    text.Disconnect();
    EXPECT_STREQ(text.GetValue(), "none");
}

TEST(TCaptureValueWrapperTest, WithoutObjectReadsTheDefaultAndStillAnnouncesWrites)
{
    CIntWrapper orphan(nullptr, &CThing::GetNumber, &CThing::SetNumber, nullptr, nullptr, nullptr, nullptr, nullptr);
    orphan.GetWritableInfo().CopyFrom(CParamInfo(1, "n", "", "", nullptr, 0.0f, 10.0f, 4.0f));
    CCountingCommand changed;
    orphan.GetValueChangedEvent().AddListener(changed);
    EXPECT_EQ(orphan.GetValue(), 4.0f);
    orphan.SetValue(3.0f);
    EXPECT_EQ(changed.GetCount(), 1);
    EXPECT_EQ(orphan.GetValue(), 4.0f);
}

// How often a write announces, and how gestures run, with and without the object's events and members.
TEST(TCaptureValueWrapperTest, ChangeAndGestureBehaviourFollowsWhatTheObjectOffers)
{
    struct Case {
        const char* name;
        bool valueEvent;
        bool captureEvents;
        bool captureMembers;
        int changesPerWrite;   // the object's event does not fire here
        int beginsAfterTwoBegins;
        int memberBegins;
    };
    const Case kCases[] = {
        {"nothing", false, false, false, 1, 1, 0},
        {"value event", true, false, false, 0, 1, 0},
        {"members only", false, false, true, 1, 1, 2},
        {"events only", false, true, false, 1, 1, 0},
        // The object's event reports the begin; it does not fire in this fixture.
        {"events and members", false, true, true, 1, 0, 2},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CThing thing;
        CIntWrapper wrapper(&thing, &CThing::GetNumber, &CThing::SetNumber,
                            c.captureMembers ? &CThing::Begin : nullptr, c.captureMembers ? &CThing::End : nullptr,
                            c.valueEvent ? &thing.m_Changed : nullptr, c.captureEvents ? &thing.m_BeginEvent : nullptr,
                            c.captureEvents ? &thing.m_EndEvent : nullptr);
        CCountingCommand changed, begin, end;
        wrapper.GetValueChangedEvent().AddListener(changed);
        wrapper.GetBeginCaptureEvent().AddListener(begin);
        wrapper.GetEndCaptureEvent().AddListener(end);
        wrapper.SetValue(5.0f);
        wrapper.SetValue(5.0f);
        EXPECT_EQ(changed.GetCount(), 2 * c.changesPerWrite);
        EXPECT_EQ(thing.m_Number, 5);
        wrapper.BeginCapture();
        wrapper.BeginCapture();
        EXPECT_EQ(begin.GetCount(), c.beginsAfterTwoBegins);
        EXPECT_EQ(thing.m_Begins, c.memberBegins);
        wrapper.EndCapture();
        wrapper.EndCapture();
        EXPECT_EQ(end.GetCount(), c.beginsAfterTwoBegins);
        EXPECT_EQ(thing.m_Ends, c.memberBegins);
    }
}

TEST(TCaptureValueWrapperTest, RelaysTheObjectsEventsEachTimeTheyFire)
{
    CThing thing;
    CIntWrapper wrapper(&thing, &CThing::GetNumber, &CThing::SetNumber, &CThing::Begin, &CThing::End, &thing.m_Changed,
                        &thing.m_BeginEvent, &thing.m_EndEvent);
    VeltisTest::CGestureLog log;
    log.Watch(wrapper, 1, 2);
    CCountingCommand changed;
    wrapper.GetValueChangedEvent().AddListener(changed);
    thing.m_Changed.Notify();
    thing.m_Changed.Notify();
    EXPECT_EQ(changed.GetCount(), 2);
    thing.m_BeginEvent.Notify();
    thing.m_BeginEvent.Notify();
    EXPECT_TRUE(wrapper.IsCaptured());
    thing.m_EndEvent.Notify();
    thing.m_EndEvent.Notify();
    EXPECT_FALSE(wrapper.IsCaptured());
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 1, 2, 2}));
}

TEST(TCaptureValueWrapperTest, DisconnectInAGestureEndsItOnceAndDetaches)
{
    CThing thing;
    CIntWrapper wrapper(&thing, &CThing::GetNumber, &CThing::SetNumber, nullptr, nullptr, &thing.m_Changed,
                        &thing.m_BeginEvent, &thing.m_EndEvent);
    EXPECT_EQ(VeltisTest::ListenerCount(thing.m_Changed), 1);
    VeltisTest::CGestureLog log;
    log.Watch(wrapper, 1, 2);
    CCountingCommand changed;
    wrapper.GetValueChangedEvent().AddListener(changed);
    wrapper.BeginCapture();
    wrapper.Disconnect();
    wrapper.Disconnect();
    EXPECT_FALSE(wrapper.IsCaptured());
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 2}));
    EXPECT_EQ(VeltisTest::ListenerCount(thing.m_Changed), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(thing.m_BeginEvent), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(thing.m_EndEvent), 0);
    // Detached: writes reach nothing but are still announced; gestures run on the wrapper's own state.
    wrapper.SetValue(9.0f);
    EXPECT_EQ(thing.m_Number, 0);
    EXPECT_EQ(changed.GetCount(), 1);
    thing.m_Changed.Notify();
    EXPECT_EQ(changed.GetCount(), 1);
    wrapper.BeginCapture();
    wrapper.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 2}));
}

TEST(TCaptureValueWrapperTest, DestroyedAfterTheObjectWhenDisconnectedFirst)
{
    auto thing = std::make_unique<CThing>();
    auto wrapper = std::make_unique<CIntWrapper>(thing.get(), &CThing::GetNumber, &CThing::SetNumber, nullptr, nullptr,
                                                 &thing->m_Changed, &thing->m_BeginEvent, &thing->m_EndEvent);
    wrapper->Disconnect();
    thing.reset();
    wrapper.reset();
}

TEST(TCaptureValueWrapperTest, DestructionUnhooksFromTheObject)
{
    CThing thing;
    {
        CIntWrapper wrapper(&thing, &CThing::GetNumber, &CThing::SetNumber, nullptr, nullptr, &thing.m_Changed,
                            &thing.m_BeginEvent, &thing.m_EndEvent);
    }
    EXPECT_EQ(VeltisTest::ListenerCount(thing.m_Changed), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(thing.m_BeginEvent), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(thing.m_EndEvent), 0);
    thing.m_Changed.Notify();
}

} // namespace
