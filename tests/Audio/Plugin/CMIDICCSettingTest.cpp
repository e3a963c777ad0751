#include "Veltis/Audio/Plugin/CMIDICCSetting.h"
#include "Veltis/Runtime/CreateObject.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "support/CCountingCommand.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

using Veltis::Audio::Plugin::CMIDICCSetting;
using Veltis::Audio::Plugin::IMIDICCSetting;
using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;
using VeltisTest::Element;

namespace {

std::string Written(const CMIDICCSetting& setting, bool* result = nullptr)
{
    Veltis::Serialization::CXmlDataObject document("Root", 0);
    const bool written = setting.Serialize(document);
    if (result)
        *result = written;
    return VeltisTest::CompactText(document);
}

// Listeners on both events of a setting, removed before it goes.
struct CListened {
    explicit CListened(CMIDICCSetting& setting) : m_Setting(setting)
    {
        setting.GetEnableChangedEvent().AddListener(enable);
        setting.GetChangedEvent().AddListener(changed);
    }
    ~CListened()
    {
        m_Setting.GetEnableChangedEvent().RemoveListener(&enable);
        m_Setting.GetChangedEvent().RemoveListener(&changed);
    }
    CMIDICCSetting& m_Setting;
    CCountingCommand enable;
    CCountingCommand changed;
};

std::string Body(const char* curve, const char* enabled = "1")
{
    std::string body = Element("channel", "5") + Element("version", "1") + Element("number", "7") +
                       Element("enabled", enabled);
    if (curve)
        body += Element("curve", curve);
    return body + Element("min", "-2") + Element("max", "3.5");
}

} // namespace

TEST(CMIDICCSetting, DefaultWritesTheSevenValuesInOrder)
{
    bool result = false;
    const std::string text = Written(CMIDICCSetting(), &result);
    EXPECT_TRUE(result);
    EXPECT_NE(text.find("<Root><channel>0</channel><version>1</version><number>0</number><enabled>0</enabled>"
                        "<curve>Linear</curve><min>0</min><max>0</max></Root>"),
              std::string::npos)
        << text;
}

TEST(CMIDICCSetting, CurveOutsideTheEnumerationIsStoredButNotWritten)
{
    for (int index : {13, -1}) {
        SCOPED_TRACE(index);
        CMIDICCSetting setting;
        setting.SetCurve(static_cast<EParamValueCurve>(index));
        EXPECT_EQ(setting.GetCurve(), index);
        bool result = true;
        const std::string text = Written(setting, &result);
        EXPECT_FALSE(result);
        EXPECT_EQ(text.find("<curve>"), std::string::npos);
        EXPECT_NE(text.find("<max>0</max>"), std::string::npos);
    }
}

TEST(CMIDICCSetting, ReadsEveryValueAndTheCurveOnlyByItsExactPersistedName)
{
    struct Case {
        const char* curve;
        EParamValueCurve expected;
        bool result;
    };
    const Case kCases[] = {
        {"Exp2", eParamValueCurveExp2, true},     {"Square Root", eParamValueCurveSquareRoot, true},
        {"linear", eParamValueCurveLinear, false}, {"Fast 5", eParamValueCurveLinear, false},
        {"", eParamValueCurveLinear, false},       {nullptr, eParamValueCurveLinear, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.curve ? c.curve : "(missing)");
        CMIDICCSetting setting;
        setting.SetCurve(eParamValueCurveLog3);
        EXPECT_EQ(setting.DeSerialize(*VeltisTest::LoadXmlBody(Body(c.curve))), c.result);
        EXPECT_EQ(setting.GetCurve(), c.expected);
        EXPECT_EQ(setting.GetChannel(), 5);
        EXPECT_EQ(setting.GetNumber(), 7);
        EXPECT_TRUE(setting.IsEnabled());
        EXPECT_EQ(setting.GetMin(), -2.0f);
        EXPECT_EQ(setting.GetMax(), 3.5f);
    }
}

TEST(CMIDICCSetting, ReadingAnnouncesOnlyRealChanges)
{
    CMIDICCSetting setting;
    ASSERT_TRUE(setting.DeSerialize(*VeltisTest::LoadXmlBody(Body("Exp"))));
    {
        CListened listened(setting);
        EXPECT_TRUE(setting.DeSerialize(*VeltisTest::LoadXmlBody(Body("Exp"))));
        EXPECT_EQ(listened.enable.GetCount(), 0);
        EXPECT_EQ(listened.changed.GetCount(), 0);

        EXPECT_TRUE(setting.DeSerialize(*VeltisTest::LoadXmlBody(Body("Exp", "0"))));
        EXPECT_FALSE(setting.IsEnabled());
        EXPECT_EQ(listened.enable.GetCount(), 1);
        EXPECT_EQ(listened.changed.GetCount(), 1);

        // Only the curve falls back to Linear: one change, no enable event.
        EXPECT_FALSE(setting.DeSerialize(*VeltisTest::LoadXmlBody(Body(nullptr, "0"))));
        EXPECT_EQ(listened.enable.GetCount(), 1);
        EXPECT_EQ(listened.changed.GetCount(), 2);
    }
}

TEST(CMIDICCSetting, MissingOrDamagedValuesKeepTheirMembers)
{
    CMIDICCSetting setting;
    setting.SetChannel(3);
    setting.SetMin(1.0f);
    setting.SetMax(4.0f);
    const std::string body = Element("version", "1") + Element("number", "x") + Element("enabled", "1") +
                             Element("curve", "Log") + Element("min", "nan") + Element("max", "1e99");
    EXPECT_FALSE(setting.DeSerialize(*VeltisTest::LoadXmlBody(body)));
    EXPECT_EQ(setting.GetChannel(), 3);
    EXPECT_EQ(setting.GetNumber(), 0);
    EXPECT_EQ(setting.GetMin(), 1.0f);
    EXPECT_EQ(setting.GetMax(), 4.0f);
    EXPECT_EQ(setting.GetCurve(), eParamValueCurveLog);
}

TEST(CMIDICCSetting, SettersAnnounceOnlyRealChanges)
{
    CMIDICCSetting setting;
    CListened listened(setting);
    setting.SetChannel(0);
    setting.SetNumber(0);
    setting.SetCurve(eParamValueCurveLinear);
    setting.SetMin(0.0f);
    setting.SetMax(-0.0f);
    setting.SetMin(std::numeric_limits<float>::quiet_NaN());
    setting.Enable(false);
    EXPECT_EQ(listened.changed.GetCount(), 0);
    EXPECT_EQ(setting.GetMin(), 0.0f);

    setting.SetChannel(17);
    setting.SetNumber(200);
    setting.SetCurve(eParamValueCurveExp);
    setting.SetMin(-1.0f);
    setting.SetMax(1.0f);
    EXPECT_EQ(listened.changed.GetCount(), 5);
    EXPECT_EQ(listened.enable.GetCount(), 0);
    EXPECT_EQ(setting.GetChannel(), 17);
    EXPECT_EQ(setting.GetNumber(), 200);

    setting.Enable(true);
    EXPECT_EQ(listened.enable.GetCount(), 1);
    EXPECT_EQ(listened.changed.GetCount(), 6);
}

TEST(CMIDICCSetting, CopiesAndAssignmentsTakeValuesButNeverListeners)
{
    CMIDICCSetting source;
    source.SetChannel(2);
    source.SetNumber(9);
    source.Enable(true);
    source.SetCurve(eParamValueCurveSquare);
    source.SetMin(-3.0f);
    source.SetMax(3.0f);
    CCountingCommand sourceListener;
    source.GetChangedEvent().AddListener(sourceListener);

    const IMIDICCSetting& asInterface = source;
    CMIDICCSetting copied(source);
    CMIDICCSetting fromInterface(asInterface);
    CMIDICCSetting assigned;
    CListened listened(assigned);
    assigned = asInterface;
    EXPECT_EQ(listened.changed.GetCount(), 0);
    EXPECT_EQ(listened.enable.GetCount(), 0);
    for (const CMIDICCSetting* copy : {&copied, &fromInterface, &assigned}) {
        EXPECT_EQ(copy->GetChannel(), 2);
        EXPECT_EQ(copy->GetNumber(), 9);
        EXPECT_TRUE(copy->IsEnabled());
        EXPECT_EQ(copy->GetCurve(), eParamValueCurveSquare);
        EXPECT_EQ(copy->GetMin(), -3.0f);
        EXPECT_EQ(copy->GetMax(), 3.0f);
    }
    copied.SetChannel(4);
    EXPECT_EQ(sourceListener.GetCount(), 0);
    source.GetChangedEvent().RemoveListener(&sourceListener);
}

TEST(CMIDICCSetting, IsCreatedByTheRegistryFromItsClassIdentifier)
{
    const char* id = "{F6541269-6409-4db8-B203-22D1BA7AD106}";
    std::unique_ptr<CMIDICCSetting> created(
        static_cast<CMIDICCSetting*>(Veltis::Runtime::CreateObject(id, id)));
    ASSERT_NE(created, nullptr);
    EXPECT_STREQ(created->GetTypeId(), id);
    EXPECT_EQ(created->GetCurve(), eParamValueCurveLinear);
    EXPECT_EQ(Veltis::Runtime::CreateObject(id, "{other}"), nullptr);
}
