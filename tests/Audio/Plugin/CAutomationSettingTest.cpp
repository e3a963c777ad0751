#include "Veltis/Audio/Plugin/CAutomationSetting.h"
#include "Veltis/Serialization/CXmlDataObject.h"

#include "support/CCountingCommand.h"
#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <string>

using Veltis::Audio::Plugin::CAutomationSetting;
using Veltis::Audio::Plugin::IAutomationSetting;
using VeltisTest::CCountingCommand;
using VeltisTest::Element;

TEST(CAutomationSetting, NewRecordWritesVersionThenEnabled)
{
    Veltis::Serialization::CXmlDataObject document("Root", 0);
    EXPECT_TRUE(CAutomationSetting().Serialize(document));
    EXPECT_NE(VeltisTest::CompactText(document).find("<Root><version>1</version><enabled>1</enabled></Root>"),
              std::string::npos);
}

TEST(CAutomationSetting, ReadingSetsTheFlagAndAnnouncesAToggleOnce)
{
    struct Case {
        std::string body;
        bool result;
        bool enabled;
        int events;
    };
    const Case kCases[] = {
        {Element("version", "1") + Element("enabled", "0"), true, false, 1},
        {Element("enabled", "0"), false, false, 1},
        {Element("version", "1"), false, true, 0},
        {Element("version", "1") + Element("enabled", "1"), true, true, 0},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.body);
        CAutomationSetting setting;
        std::vector<int> order;
        CCountingCommand enable(1, &order), changed(2, &order);
        setting.GetEnableChangedEvent().AddListener(enable);
        setting.GetChangedEvent().AddListener(changed);
        EXPECT_EQ(setting.DeSerialize(*VeltisTest::LoadXmlBody(c.body)), c.result);
        EXPECT_EQ(setting.IsEnabled(), c.enabled);
        EXPECT_EQ(enable.GetCount(), c.events);
        EXPECT_EQ(changed.GetCount(), c.events);
        if (c.events) {
            EXPECT_EQ(order, (std::vector<int>{1, 2}));
        }
        setting.GetEnableChangedEvent().RemoveListener(&enable);
        setting.GetChangedEvent().RemoveListener(&changed);
    }
}

TEST(CAutomationSetting, EnableAnnouncesOnlyChangesAndAssignmentNever)
{
    CAutomationSetting setting;
    CCountingCommand changed;
    setting.GetChangedEvent().AddListener(changed);
    setting.Enable(true);
    EXPECT_EQ(changed.GetCount(), 0);
    CAutomationSetting off;
    off.Enable(false);
    setting = static_cast<const IAutomationSetting&>(off);
    EXPECT_FALSE(setting.IsEnabled());
    EXPECT_EQ(changed.GetCount(), 0);
    setting.Enable(true);
    EXPECT_EQ(changed.GetCount(), 1);
    const CAutomationSetting copy(off);
    EXPECT_FALSE(copy.IsEnabled());
    setting.GetChangedEvent().RemoveListener(&changed);
}
