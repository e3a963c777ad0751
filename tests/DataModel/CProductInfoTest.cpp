#include "Veltis/DataModel/Objects/CProductInfo.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltis::DataModel::Objects;

namespace {

TEST(CProductInfoTest, NullTextsStayNullAndEmptyTextsStayEmpty)
{
    const CProductInfo nulls(nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nulls.GetName(), nullptr);
    EXPECT_EQ(nulls.GetVersion(), nullptr);
    EXPECT_EQ(nulls.GetCopyright(), nullptr);
    EXPECT_EQ(nulls.GetComment(), nullptr);
    const CProductInfo empty("Meter", "1.0", "(c) maker", "");
    EXPECT_STREQ(empty.GetComment(), "");
    EXPECT_STREQ(empty.GetVersion(), "1.0");
    const CProductInfo copyOfNulls(static_cast<const IConstProductInfo&>(nulls));
    EXPECT_EQ(copyOfNulls.GetComment(), nullptr);
}

TEST(CProductInfoTest, CopySurvivesItsSource)
{
    std::unique_ptr<CProductInfo> source(new CProductInfo("Equalizer", "3.0", "2026 maker", "https://maker"));
    const CProductInfo fromInterface(static_cast<const IConstProductInfo&>(*source));
    const CProductInfo copy(*source);
    EXPECT_NE(fromInterface.GetName(), source->GetName());
    source.reset();
    for (const CProductInfo* info : {&fromInterface, &copy}) {
        EXPECT_STREQ(info->GetName(), "Equalizer");
        EXPECT_STREQ(info->GetVersion(), "3.0");
        EXPECT_STREQ(info->GetCopyright(), "2026 maker");
        EXPECT_STREQ(info->GetComment(), "https://maker");
    }
}

} // namespace
