#include "Veltis/DataModel/CCaptureText.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"

#include "support/CCountingCommand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Veltis::DataModel;
using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountingCommand;

namespace {

TEST(CCaptureStringTest, AnnouncesRealChangesOnly)
{
    CCaptureString text;
    CCountingCommand changed;
    text.GetValueChangedEvent().AddListener(changed);

    text.SetValue(nullptr);
    text.SetValue("");
    EXPECT_EQ(changed.GetCount(), 0);
    EXPECT_STREQ(text.GetValue(), "");

    text.SetValue("Low");
    text.SetValue("Low");
    EXPECT_EQ(changed.GetCount(), 1);
    text.SetValue(nullptr);
    EXPECT_EQ(changed.GetCount(), 2);
    ASSERT_NE(text.GetValue(), nullptr);
    EXPECT_STREQ(text.GetValue(), "");
    text.GetValueChangedEvent().RemoveListener(&changed);
}

// Logs what StoreValue saw and what the listeners saw, in order.
class CLoggingString : public CCaptureString {
public:
    std::vector<std::string> log;

protected:
    void StoreValue(const char* text) override
    {
        log.push_back(std::string("before store: ") + GetValue());
        CCaptureString::StoreValue(text);
        log.push_back(std::string("after store: ") + GetValue());
    }
};

TEST(CCaptureStringTest, StoreRunsBetweenComparisonAndAnnouncement)
{
    CLoggingString text;
    VeltisTest::CCountingCommand changed;
    text.GetValueChangedEvent().AddListener(changed);
    text.SetValue("a");
    text.SetValue("a");
    EXPECT_EQ(text.log, (std::vector<std::string>{"before store: ", "after store: a"}));
    EXPECT_EQ(changed.GetCount(), 1);
    text.GetValueChangedEvent().RemoveListener(&changed);

    const CConstCaptureString fixed("Preset");
    EXPECT_STREQ(fixed.GetValue(), "Preset");
    EXPECT_STREQ(CConstCaptureString(nullptr).GetValue(), "");
}

TEST(CCaptureTextTest, AnnouncesEveryWriteAndIsNeverNull)
{
    CCaptureText text("tip");
    CCountingCommand changed;
    text.GetValueChangedEvent().AddListener(changed);
    text.SetValue("tip");
    text.SetValue(text.GetValue());
    EXPECT_STREQ(text.GetValue(), "tip");
    text.SetValue(nullptr);
    EXPECT_EQ(changed.GetCount(), 3);
    ASSERT_NE(text.GetValue(), nullptr);
    EXPECT_STREQ(text.GetValue(), "");
    EXPECT_STREQ(CCaptureText(nullptr).GetValue(), "");
    text.GetValueChangedEvent().RemoveListener(&changed);
}

} // namespace
