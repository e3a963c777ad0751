#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"

#include <gtest/gtest.h>

#include <string>

using namespace Veltis::Math;

// The interface identifiers form the second half of every registry key, so they must be exact.
TEST(FunctionInterfaces, IdentifiersArePublishedAndDistinct)
{
    EXPECT_STREQ(IConstant::kInterfaceId, "{EAD44198-7EE3-4880-BC12-476597EF40AA}");
    EXPECT_STREQ(IFunction::kInterfaceId, "{EC7456EE-AA8C-421c-B49E-3E5CA6519665}");
    EXPECT_STREQ(IBinaryFunction::kInterfaceId, "{C3FE0CFA-7AAC-413b-B803-A9B885B86EE1}");
    EXPECT_NE(std::string(IConstant::kInterfaceId), IFunction::kInterfaceId);
    EXPECT_NE(std::string(IFunction::kInterfaceId), IBinaryFunction::kInterfaceId);
    EXPECT_NE(std::string(IConstant::kInterfaceId), IBinaryFunction::kInterfaceId);
}

// Usable before any static initialiser runs, because registrations in other files read them then.
static_assert(IFunction::kInterfaceId[0] == '{', "interface identifiers are constant data");
