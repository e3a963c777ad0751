#include "Veltis/Containers/ReplaceVariables.h"

#include "Veltis/Containers/CNamedAttributes.h"

#include <gtest/gtest.h>

#include <string>

using namespace Veltis::Containers;
using Veltis::Core::CCharString;

namespace {

TEST(ReplaceVariables, SubstitutionTable)
{
    CNamedAttributes variables;
    variables.SetValue("X", "1");
    variables.SetValue("A", "1");
    variables.SetValue("B", "2");
    variables.SetValue("C", "$A$");
    variables.SetValue("E", "");

    struct Case { const char* text; bool replaced; const char* expected; };
    const Case kCases[] = {
        {"a$X$b", true, "a1b"},
        {"$Y$", false, "$Y$"},
        {"$X$$X$", true, "11"},
        {"$X", false, "$X"},
        {"x$A", false, "x$A"},
        {"$$", false, "$$"},
        {"$A$$B$", true, "12"},
        // The closing '$' of A opens "B", which is defined too.
        {"$A$B$", true, "12"},
        {"$A$ and $B$", true, "1 and 2"},
        {"$unknown$A$", true, "$unknown1"},
        {"Price $5 and $A$", true, "Price $5 and 1"},
        {"$C$", true, "$A$"},
        {"[$E$]", true, "[]"},
        {"no variables", false, "no variables"},
        {"", false, ""},
        {"$A$$", true, "1$"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        CCharString text(c.text);
        EXPECT_EQ(ReplaceVariables(variables, text, '$'), c.replaced);
        EXPECT_STREQ(text.GetString(), c.expected);
    }
}

TEST(ReplaceVariables, EmptyNameIsLookedUpAndOtherDelimitersWork)
{
    CNamedAttributes variables;
    variables.SetValue("", "<empty>");
    variables.SetValue("v", "V");
    CCharString text("a$$b");
    EXPECT_TRUE(ReplaceVariables(variables, text, '$'));
    EXPECT_STREQ(text.GetString(), "a<empty>b");

    CCharString percent("%v% and $v$");
    EXPECT_TRUE(ReplaceVariables(variables, percent, '%'));
    EXPECT_STREQ(percent.GetString(), "V and $v$");

    CCharString nul("v");
    EXPECT_FALSE(ReplaceVariables(variables, nul, '\0'));
    EXPECT_STREQ(nul.GetString(), "v");
}

TEST(ReplaceVariables, HugeResultIsRefusedAndLeavesTheText)
{
    // 1000 delimiters each inserting 4 KiB would make 4 MB out of a 1 KB text.
    const std::string big(4096, 'x');
    CNamedAttributes variables;
    variables.SetValue("", big.c_str());
    const std::string delimiters(1000, '$');
    CCharString text(delimiters.c_str());
    EXPECT_FALSE(ReplaceVariables(variables, text, '$'));
    EXPECT_STREQ(text.GetString(), delimiters.c_str());

    // Up to 1 MiB is fine.
    const std::string some(200, '$');
    CCharString fits(some.c_str());
    EXPECT_TRUE(ReplaceVariables(variables, fits, '$'));
    EXPECT_EQ(fits.GetLength(), 199 * 4096);
}

TEST(ReplaceVariables, InValuesRewritesOnlyChangedValues)
{
    CNamedAttributes variables;
    variables.SetValue("size", "12");
    CNamedAttributes attributes;
    attributes.SetValue("width", "$size$px");
    attributes.SetValue("name", "knob");
    attributes.SetValue("other", "$missing$");
    EXPECT_TRUE(ReplaceVariablesInValues(variables, attributes, '$'));
    EXPECT_STREQ(attributes.GetValue("width"), "12px");
    EXPECT_STREQ(attributes.GetValue("name"), "knob");
    EXPECT_STREQ(attributes.GetValue("other"), "$missing$");
    EXPECT_FALSE(ReplaceVariablesInValues(variables, attributes, '$'));
}

} // namespace
