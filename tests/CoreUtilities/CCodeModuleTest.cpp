#include "Veltis/CoreUtilities/CCodeModule.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int VeltisCodeModuleProbe();

using Veltis::CoreUtilities::CCodeModule;

namespace {

std::string RealPath(const char* path)
{
    char resolved[PATH_MAX];
    return realpath(path, resolved) != nullptr ? std::string(resolved) : std::string("(unresolved) ") + path;
}

void LocalFunction() {}

TEST(CCodeModule, FindsTheSharedLibraryThatHoldsAFunction)
{
    ASSERT_EQ(VeltisCodeModuleProbe(), 42);
    CCodeModule module(reinterpret_cast<void (*)()>(&VeltisCodeModuleProbe));
    EXPECT_EQ(RealPath(module.GetPath()), RealPath(VELTIS_CODE_MODULE_PROBE_PATH));
    EXPECT_STREQ(module.GetFileName(), "libVeltisCodeModuleProbe.so");
    EXPECT_NE(module.GetBaseAddress(), reinterpret_cast<void*>(&VeltisCodeModuleProbe));
    EXPECT_LT(module.GetBaseAddress(), reinterpret_cast<void*>(&VeltisCodeModuleProbe));

    CCodeModule byAddress(reinterpret_cast<void*>(&VeltisCodeModuleProbe));
    EXPECT_STREQ(byAddress.GetPath(), module.GetPath());
    EXPECT_EQ(byAddress.GetBaseAddress(), module.GetBaseAddress());
}

TEST(CCodeModule, CodeOfTheProgramGivesTheExecutable)
{
    const std::string executable = RealPath("/proc/self/exe");
    CCodeModule local(&LocalFunction);
    EXPECT_EQ(RealPath(local.GetPath()), executable);
    // Without a function: the module of the framework's own code, linked into this program.
    CCodeModule own;
    EXPECT_EQ(RealPath(own.GetPath()), executable);
    EXPECT_EQ(own.GetBaseAddress(), local.GetBaseAddress());
    EXPECT_STREQ(own.GetFileName(), "core_tests");
}

TEST(CCodeModule, AddressOutsideEveryImageFallsBackToTheExecutable)
{
    std::unique_ptr<int> heap(new int(1));
    CCodeModule module(static_cast<void*>(heap.get()));
    EXPECT_EQ(RealPath(module.GetPath()), RealPath("/proc/self/exe"));
    EXPECT_EQ(module.GetBaseAddress(), static_cast<void*>(heap.get()));
}

} // namespace
