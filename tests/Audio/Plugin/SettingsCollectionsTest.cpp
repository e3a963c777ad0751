#include "Veltis/Audio/Plugin/CAutomationSettings.h"
#include "Veltis/Audio/Plugin/CMIDICCSettings.h"
#include "Veltis/Audio/Plugin/CopyMIDICCSettings.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "support/CCountingCommand.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <string>

using namespace Veltis::Audio::Plugin;
using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;

namespace {

void Fill(CMIDICCSettings& list, int first)
{
    for (int i = 0; i < list.GetCount(); ++i) {
        list.GetAt(i).SetChannel(first + i);
        list.GetAt(i).SetNumber(first + 2 * i);
    }
}

std::string WriteList(CMIDICCSettings& list)
{
    Veltis::Serialization::CXmlDataObject document("Root", 0);
    EXPECT_TRUE(CMIDICCSettingsSerializer(&list.GetStorage(), "item").Serialize(document));
    return VeltisTest::CompactText(document);
}

bool ReadList(const std::string& text, CMIDICCSettings& list)
{
    return CMIDICCSettingsDeSerializer(&list.GetStorage(), "item").DeSerialize(*VeltisTest::LoadXml(text));
}

} // namespace

TEST(SettingsCollections, ListFormIsCountThenIndexedItems)
{
    CMIDICCSettings list(3);
    Fill(list, 1);
    const std::string text = WriteList(list);
    const size_t count = text.find("<itemCount>3</itemCount>");
    const size_t item0 = text.find("<item0><channel>1</channel>");
    const size_t item2 = text.find("<item2><channel>3</channel>");
    ASSERT_NE(count, std::string::npos) << text;
    EXPECT_LT(count, item0);
    EXPECT_LT(item0, text.find("<item1><channel>2</channel>"));
    EXPECT_NE(item2, std::string::npos);

    CMIDICCSettings five(5);
    Fill(five, 20);
    EXPECT_FALSE(ReadList(text, five));
    EXPECT_EQ(five.GetCount(), 5);
    EXPECT_EQ(five.GetAt(2).GetChannel(), 3);
    EXPECT_EQ(five.GetAt(3).GetChannel(), 23);
    EXPECT_EQ(five.GetAt(4).GetNumber(), 28);

    CMIDICCSettings two(2);
    EXPECT_TRUE(ReadList(text, two));
    EXPECT_EQ(two.GetAt(1).GetNumber(), 3);

    CMIDICCSettings empty(0);
    EXPECT_NE(WriteList(empty).find("<Root><itemCount>0</itemCount></Root>"), std::string::npos);
    EXPECT_TRUE(ReadList(text, empty));
}

TEST(SettingsCollections, ResizingCopiesValuesAndLosesListenersOnlyWhenItReallocates)
{
    CMIDICCSettings list(4);
    Fill(list, 1);
    CCountingCommand listener;
    list.GetAt(0).GetChangedEvent().AddListener(listener);

    list.GetStorage().SetSize(6, true);
    EXPECT_EQ(list.GetCount(), 6);
    EXPECT_EQ(list.GetStorage().GetCapacity(), 6);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(list.GetAt(i).GetChannel(), 1 + i);
    EXPECT_EQ(list.GetAt(4).GetChannel(), 0);
    EXPECT_EQ(list.GetAt(5).GetCurve(), eParamValueCurveLinear);
    list.GetAt(0).SetChannel(99);
    EXPECT_EQ(listener.GetCount(), 0);

    list.GetAt(1).GetChangedEvent().AddListener(listener);
    const IMIDICCSetting* sixth = &list.GetAt(5);
    list.GetStorage().SetSize(5, true);
    EXPECT_EQ(list.GetStorage().GetCapacity(), 6);
    EXPECT_EQ(&list.GetStorage()[5], sixth);
    list.GetAt(1).SetChannel(50);
    EXPECT_EQ(listener.GetCount(), 1);
    list.GetAt(1).GetChangedEvent().RemoveListener(&listener);

    list.GetStorage().SetSize(6, true);
    list.GetStorage().SetSize(4, true);
    EXPECT_EQ(list.GetStorage().GetCapacity(), 4);
    EXPECT_EQ(list.GetAt(0).GetChannel(), 99);
    EXPECT_EQ(list.GetAt(1).GetChannel(), 50);
    EXPECT_EQ(list.GetAt(3).GetNumber(), 7);
}

TEST(SettingsCollections, NonCopyingVectorStartsFreshAfterReallocating)
{
    CMIDICCSettingNCVector vector(2);
    vector[0].SetChannel(5);
    vector.SetSize(3, true);
    EXPECT_EQ(vector[0].GetChannel(), 0);
}

TEST(SettingsCollections, CopyTakesTheCommonRecordsThroughTheSetters)
{
    CMIDICCSettings source(2);
    source.GetAt(0).SetChannel(4);
    source.GetAt(0).Enable(true);
    source.GetAt(0).SetNumber(12);
    source.GetAt(0).SetCurve(eParamValueCurveExp3);
    source.GetAt(0).SetMin(-1.0f);
    source.GetAt(0).SetMax(2.0f);
    source.GetAt(1).SetNumber(13);
    CMIDICCSettings target(3);
    target.GetAt(2).SetNumber(77);
    CCountingCommand changed, enabled;
    target.GetAt(0).GetChangedEvent().AddListener(changed);
    target.GetAt(0).GetEnableChangedEvent().AddListener(enabled);

    CopyMIDICCSettings(source, target);
    const IMIDICCSetting& first = target.GetAt(0);
    EXPECT_EQ(first.GetChannel(), 4);
    EXPECT_TRUE(first.IsEnabled());
    EXPECT_EQ(first.GetNumber(), 12);
    EXPECT_EQ(first.GetCurve(), eParamValueCurveExp3);
    EXPECT_EQ(first.GetMin(), -1.0f);
    EXPECT_EQ(first.GetMax(), 2.0f);
    EXPECT_EQ(changed.GetCount(), 6);
    EXPECT_EQ(enabled.GetCount(), 1);
    EXPECT_EQ(target.GetAt(1).GetNumber(), 13);
    EXPECT_EQ(target.GetAt(2).GetNumber(), 77);

    CMIDICCSettings shorter(1);
    CopyMIDICCSettings(target, shorter);
    EXPECT_EQ(shorter.GetAt(0).GetNumber(), 12);
    target.GetAt(0).GetChangedEvent().RemoveListener(&changed);
    target.GetAt(0).GetEnableChangedEvent().RemoveListener(&enabled);
}

TEST(SettingsCollections, AutomationListsShareTheForm)
{
    CAutomationSettings list(2);
    list.GetAt(1).Enable(false);
    Veltis::Serialization::CXmlDataObject document("Root", 0);
    EXPECT_TRUE(CAutomationSettingsSerializer(&list.GetStorage(), "setting").Serialize(document));
    const std::string text = VeltisTest::CompactText(document);
    EXPECT_NE(text.find("<settingCount>2</settingCount><setting0><version>1</version><enabled>1</enabled>"
                        "</setting0><setting1><version>1</version><enabled>0</enabled></setting1>"),
              std::string::npos)
        << text;
    CAutomationSettings three(3);
    EXPECT_FALSE(CAutomationSettingsDeSerializer(&three.GetStorage(), "setting").DeSerialize(document));
    EXPECT_FALSE(three.GetAt(1).IsEnabled());
    EXPECT_TRUE(three.GetAt(2).IsEnabled());
    three.GetStorage().SetSize(5, true);
    EXPECT_FALSE(three.GetAt(1).IsEnabled());
}
