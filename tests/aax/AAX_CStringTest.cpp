#include <gtest/gtest.h>

#include "aax/AAX_CString.h"
#include "support/DecimalCommaLocale.h"

TEST(AAX_CStringTest, NullTextIsEmptyAndMaxLengthIsFixed)
{
    AAX_CString text(nullptr);
    EXPECT_STREQ(text.Get(), "");
    EXPECT_EQ(text.Length(), 0u);
    EXPECT_EQ(text.MaxLength(), 4294967294u);
    text.Set("abc");
    text.Set(nullptr);
    EXPECT_STREQ(text.Get(), "");
}

TEST(AAX_CStringTest, AssignsAppendsAndComparesBytewise)
{
    AAX_CString a("ab");
    a.Append("cd");
    a.Append(nullptr);
    EXPECT_STREQ(a.Get(), "abcd");
    EXPECT_EQ(a.Length(), 4u);

    AAX_CString b;
    AAX_IString& asInterface = b;
    asInterface = static_cast<const AAX_IString&>(a);
    EXPECT_TRUE(a == b);
    asInterface = "ABCD";
    EXPECT_TRUE(a != b);
    AAX_CString c(static_cast<const AAX_IString&>(b));
    EXPECT_STREQ(c.Get(), "ABCD");
}

TEST(AAX_CStringTest, ToDoubleReadsTheCLocaleWhateverTheProcessLocale)
{
    VeltisTest::CDecimalCommaLocale locale;
    ASSERT_TRUE(locale.IsActive());
    struct Case {
        const char* text;
        bool ok;
        double value;
    };
    const Case kCases[] = {{"2.5", true, 2.5}, {"  -1e3xyz", true, -1000.0}, {"x", false, 0.0}, {"", false, 0.0}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        double value = 99.0;
        EXPECT_EQ(AAX_CString(c.text).ToDouble(&value), c.ok);
        EXPECT_EQ(value, c.value);
    }
}
