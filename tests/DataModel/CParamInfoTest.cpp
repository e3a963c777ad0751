#include "Veltis/DataModel/Objects/CParamInfo.h"

#include "Veltis/CoreUtilities/TDynamicCollection.h"
#include "Veltis/DataModel/Objects/CEnumToText.h"
#include "Veltis/DataModel/Objects/CParamValueToText.h"
#include "support/CCountingCommand.h"
#include "support/CountedItem.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountedObject;
using VeltisTest::CCountingCommand;
using VeltisTest::CCountingValueToText;
using VeltisTest::TextOf;

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();

// A descriptor with a listener on its change event.
class CParamInfoTest : public VeltisTest::CCountingFixture {
protected:
    void Watch(CParamInfo& info) { info.GetChangedEvent().AddListener(m_Listener); }
    int Notifications() const { return m_Listener.GetCount(); }

    CCountingCommand m_Listener;
};

TEST_F(CParamInfoTest, DefaultConverterFollowsTheType)
{
    struct Case {
        int type;
        const char* expected;
    };
    const Case kCases[] = {{0, "4"}, {1, "4"}, {3, "4"}, {2, "3.60"}, {7, "3.60"}, {-1, "3.60"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.type);
        CParamInfo info(c.type, "p", nullptr, nullptr, nullptr, 0.0f, 10.0f, 0.0f, false);
        ASSERT_NE(info.GetValueToText(), nullptr);
        EXPECT_EQ(TextOf(*info.GetValueToText(), 3.6f), c.expected);
    }
}

TEST_F(CParamInfoTest, DefaultArgumentsDescribeAnEmptyContinuousParameter)
{
    const CParamInfo info;
    EXPECT_EQ(info.GetType(), 2);
    EXPECT_STREQ(info.GetName(), "");
    EXPECT_STREQ(info.GetUnit(), "");
    EXPECT_STREQ(info.GetComment(), "");
    EXPECT_EQ(info.GetMin(), 0.0f);
    EXPECT_EQ(info.GetMax(), 0.0f);
    EXPECT_EQ(info.GetDefault(), 0.0f);
    EXPECT_EQ(TextOf(*info.GetValueToText(), 1.0f), "1.00");
}

TEST_F(CParamInfoTest, StoresWhatItIsGivenUnchecked)
{
    CParamInfo info(9, nullptr, "dB", nullptr, nullptr, 5.0f, -5.0f, 20.0f);
    EXPECT_EQ(info.GetType(), 9);
    EXPECT_EQ(info.GetName(), nullptr);
    EXPECT_STREQ(info.GetUnit(), "dB");
    EXPECT_EQ(info.GetComment(), nullptr);
    EXPECT_EQ(info.GetMin(), 5.0f);
    EXPECT_EQ(info.GetMax(), -5.0f);
    EXPECT_EQ(info.GetDefault(), 20.0f);
    info.SetMin(100.0f);
    EXPECT_EQ(info.GetMin(), 100.0f);
    info.SetUnit(nullptr);
    EXPECT_EQ(info.GetUnit(), nullptr);
}

TEST_F(CParamInfoTest, TextSettersAlwaysNotifyAndAcceptTheirOwnText)
{
    CParamInfo info(2, "Gain", "dB", "Level");
    Watch(info);
    info.SetName("Gain");
    info.SetUnit(info.GetUnit());
    info.SetComment(info.GetComment());
    EXPECT_EQ(Notifications(), 3);
    EXPECT_STREQ(info.GetName(), "Gain");
    EXPECT_STREQ(info.GetUnit(), "dB");
    EXPECT_STREQ(info.GetComment(), "Level");
}

TEST_F(CParamInfoTest, NumericSettersNotifyOnlyARealChange)
{
    CParamInfo info(2, "p", "", "", nullptr, -1.0f, 1.0f, 0.0f);
    Watch(info);
    info.SetMin(-1.0f);
    info.SetMax(1.0f);
    info.SetDefault(0.0f);
    info.SetType(2);
    EXPECT_EQ(Notifications(), 0);

    info.SetMin(kNaN);
    info.SetMax(kNaN);
    info.SetDefault(kNaN);
    EXPECT_EQ(Notifications(), 0);
    EXPECT_EQ(info.GetMin(), -1.0f);
    EXPECT_EQ(info.GetMax(), 1.0f);
    EXPECT_EQ(info.GetDefault(), 0.0f);

    info.SetMin(-2.0f);
    info.SetMax(2.0f);
    info.SetDefault(0.5f);
    info.SetType(1);
    EXPECT_EQ(Notifications(), 4);
    EXPECT_EQ(info.GetType(), 1);
    // The type does not replace the converter.
    EXPECT_EQ(TextOf(*info.GetValueToText(), 3.6f), "3.60");
}

TEST_F(CParamInfoTest, StoredNaNIsReplacedByANumber)
{
    CParamInfo info(2, "p", "", "", nullptr, kNaN, kNaN, kNaN);
    Watch(info);
    info.SetMin(1.0f);
    info.SetDefault(2.0f);
    info.SetMax(3.0f);
    EXPECT_EQ(Notifications(), 3);
    EXPECT_EQ(info.GetMin(), 1.0f);
    EXPECT_EQ(info.GetDefault(), 2.0f);
    EXPECT_EQ(info.GetMax(), 3.0f);
}

TEST_F(CParamInfoTest, OwnedConverterIsDeletedOnReplacementAndDestruction)
{
    {
        CParamInfo info(2, "p", "", "", new CCountingValueToText(1), 0.0f, 1.0f, 0.0f, true);
        info.SetValueToText(new CCountingValueToText(2), true);
        EXPECT_EQ(CCountedObject::Alive(), 1);
        EXPECT_EQ(TextOf(*info.GetValueToText(), 0.0f), "tag2");
    }
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

TEST_F(CParamInfoTest, BorrowedConverterIsNeverDeleted)
{
    CCountingValueToText first(1);
    CCountingValueToText second(2);
    {
        CParamInfo info(2, "p", "", "", &first, 0.0f, 1.0f, 0.0f, false);
        info.SetValueToText(&second, false);
        EXPECT_EQ(info.GetValueToText(), &second);
    }
    EXPECT_EQ(CCountedObject::Alive(), 2);
}

TEST_F(CParamInfoTest, SettingTheHeldConverterKeepsItAndNotifies)
{
    CCountingValueToText* converter = new CCountingValueToText(3);
    CParamInfo info(2, "p", "", "", converter, 0.0f, 1.0f, 0.0f, true);
    Watch(info);
    info.SetValueToText(converter, true);
    EXPECT_EQ(Notifications(), 1);
    EXPECT_EQ(info.GetValueToText(), converter);
    EXPECT_EQ(CCountedObject::Alive(), 1);
    EXPECT_EQ(TextOf(*info.GetValueToText(), 0.0f), "tag3");

    // Held again as borrowed: the descriptor no longer deletes it.
    info.SetValueToText(converter, false);
    info.SetValueToText(new CCountingValueToText(4), true);
    EXPECT_EQ(CCountedObject::Alive(), 2);
    delete converter;
}

TEST_F(CParamInfoTest, NullConverterInstallsTheDefaultOne)
{
    CParamInfo info(1, "p", "", "", new CCountingValueToText(1), 0.0f, 1.0f, 0.0f, true);
    Watch(info);
    info.SetValueToText(nullptr, false);
    EXPECT_EQ(Notifications(), 1);
    EXPECT_EQ(CCountedObject::Alive(), 0);
    EXPECT_EQ(TextOf(*info.GetValueToText(), 3.6f), "4");
}

TEST_F(CParamInfoTest, CopyFromCopiesEveryFieldWithItsOwnConverterAndNotifiesOnce)
{
    CCountingValueToText borrowed(7);
    const CParamInfo source(1, "Mode", nullptr, "Filter mode", &borrowed, 0.0f, 3.0f, 1.0f, false);
    CParamInfo target(2, "x", "y", "z", new CCountingValueToText(8), -1.0f, 1.0f, 0.5f, true);
    Watch(target);
    target.CopyFrom(source);
    EXPECT_EQ(Notifications(), 1);
    EXPECT_EQ(target.GetType(), 1);
    EXPECT_STREQ(target.GetName(), "Mode");
    EXPECT_EQ(target.GetUnit(), nullptr);
    EXPECT_STREQ(target.GetComment(), "Filter mode");
    EXPECT_EQ(target.GetMin(), 0.0f);
    EXPECT_EQ(target.GetMax(), 3.0f);
    EXPECT_EQ(target.GetDefault(), 1.0f);
    EXPECT_NE(target.GetValueToText(), &borrowed);
    EXPECT_EQ(TextOf(*target.GetValueToText(), 0.0f), "tag7");
    // The old owned converter went, the clone is alive; the borrowed source converter is untouched.
    EXPECT_EQ(CCountedObject::Alive(), 2);

    target.CopyFrom(source);
    EXPECT_EQ(Notifications(), 2);
    EXPECT_EQ(CCountedObject::Alive(), 2);
}

TEST_F(CParamInfoTest, CopyFromItselfKeepsEverythingAndNotifiesOnce)
{
    CParamInfo info(0, "On", "state", "comment", new CCountingValueToText(5), 0.0f, 1.0f, 1.0f, true);
    Watch(info);
    info.CopyFrom(info);
    info = info;
    EXPECT_EQ(Notifications(), 2);
    EXPECT_STREQ(info.GetName(), "On");
    EXPECT_STREQ(info.GetUnit(), "state");
    EXPECT_STREQ(info.GetComment(), "comment");
    EXPECT_EQ(TextOf(*info.GetValueToText(), 0.0f), "tag5");
    EXPECT_EQ(CCountedObject::Alive(), 1);
}

TEST_F(CParamInfoTest, CopiesOwnDistinctConvertersAndKeepNullTexts)
{
    const CParamInfo source(2, nullptr, "Hz", nullptr, new CEnumToText("Low;High", 0), 0.0f, 1.0f, 0.0f, true);
    const CParamInfo copy(source);
    const CParamInfo fromInterface(static_cast<const IConstParamInfo&>(source));
    for (const CParamInfo* info : {&copy, &fromInterface}) {
        EXPECT_NE(info->GetValueToText(), source.GetValueToText());
        EXPECT_EQ(TextOf(*info->GetValueToText(), 1.0f), "High");
        EXPECT_EQ(info->GetName(), nullptr);
        EXPECT_STREQ(info->GetUnit(), "Hz");
        EXPECT_EQ(info->GetComment(), nullptr);
    }
}

TEST_F(CParamInfoTest, CollectionsHoldDescriptorsByValue)
{
    Veltis::CoreUtilities::TDynamicCollection<CParamInfo, IParamInfo> infos;
    infos.GetStorage().SetSize(2, true);
    infos.GetAt(0).SetName("first");
    infos.GetAt(1).CopyFrom(CParamInfo(0, "second", "", "", new CCountingValueToText(1), 0.0f, 1.0f, 0.0f, true));
    infos.GetStorage().SetSize(5, true);
    EXPECT_STREQ(infos.GetAt(0).GetName(), "first");
    EXPECT_STREQ(infos.GetAt(1).GetName(), "second");
    EXPECT_EQ(TextOf(*infos.GetAt(1).GetValueToText(), 0.0f), "tag1");
    EXPECT_EQ(TextOf(*infos.GetAt(4).GetValueToText(), 2.0f), "2.00");
    infos.GetStorage().SetSize(0, true);
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

} // namespace
