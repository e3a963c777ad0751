#include "Veltis/Containers/TValueVector.h"
#include "Veltis/Core/CCharString.h"

#include <gtest/gtest.h>

#include <string>

using Veltis::Containers::IValueVector;
using Veltis::Containers::TValueVector;
using Veltis::Core::CCharString;

namespace {

typedef TValueVector<const char*, CCharString> CTexts;

TEST(TValueVector, StoresCopiesOfTheTexts)
{
    CTexts texts;
    EXPECT_EQ(texts.GetCount(), 0);
    texts.GetStorage().SetSize(3, true);
    IValueVector<const char*>& vector = texts;
    ASSERT_EQ(vector.GetCount(), 3);
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case kCases[] = {{"gain", "gain"}, {"", ""}, {nullptr, ""}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        std::string source = kCases[i].text ? kCases[i].text : "";
        vector.SetValue(i, kCases[i].text ? source.c_str() : nullptr);
        source = "changed";
        EXPECT_STREQ(vector.GetValue(i), kCases[i].expected);
    }
}

TEST(TValueVector, FreshAndClearedEntriesReadEmpty)
{
    CTexts texts;
    texts.GetStorage().SetSize(2, true);
    EXPECT_STREQ(texts.GetValue(0), "");
    texts.SetValue(1, "x");
    texts.SetValue(1, nullptr);
    EXPECT_STREQ(texts.GetValue(1), "");
}

TEST(TValueVector, TextsSurviveGrowth)
{
    CTexts texts;
    for (int i = 0; i < 20; ++i) {
        texts.GetStorage().SetSize(i + 1, false);
        texts.SetValue(i, std::to_string(i).c_str());
    }
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(std::string(texts.GetValue(i)), std::to_string(i));
}

} // namespace
