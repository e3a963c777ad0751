#include "Veltis/CoreUtilities/TDestroyAdapter.h"

#include "support/CountedObject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Veltis::Core::IDestroy;
using Veltis::CoreUtilities::TDestroyAdapter;
using VeltisTest::CCountedObject;

namespace {

TEST(TDestroyAdapter, ListOfUnrelatedObjectsIsDeletedThroughOneInterface)
{
    CCountedObject::ResetCounters();
    std::vector<IDestroy*> owned;
    owned.push_back(new TDestroyAdapter<CCountedObject>(new CCountedObject(1)));
    owned.push_back(new TDestroyAdapter<std::string>(new std::string("text")));
    owned.push_back(new TDestroyAdapter<CCountedObject>(new CCountedObject(2)));
    owned.push_back(new TDestroyAdapter<CCountedObject>(nullptr));
    EXPECT_EQ(CCountedObject::Alive(), 2);
    for (IDestroy* object : owned)
        delete object;
    EXPECT_EQ(CCountedObject::Alive(), 0);
}

} // namespace
