#include "Veltis/CoreUtilities/FileSystem.h"

#include "support/CTemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

using namespace Veltis::CoreUtilities;
using VeltisTest::CTemporaryFolder;

namespace {

TEST(CreateFolder, MakesOneLevelWithOwnerOnlyAccess)
{
    CTemporaryFolder temp;
    const std::string folder = temp.Join("made");
    ASSERT_TRUE(CreateFolder(folder.c_str()));
    struct stat info;
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(CreateFolder, ExistingEntryIsSuccessAndMissingParentIsFailure)
{
    CTemporaryFolder temp;
    std::ofstream(temp.Join("file")) << "x";
    EXPECT_TRUE(CreateFolder(temp.GetPath().c_str()));
    EXPECT_TRUE(CreateFolder(temp.Join("file").c_str()));
    EXPECT_FALSE(CreateFolder(temp.Join("missing/child").c_str()));
    EXPECT_FALSE(FileExists(temp.Join("missing").c_str()));
    EXPECT_FALSE(CreateFolder(nullptr));
}

TEST(FileExists, CountsFilesAndFolders)
{
    CTemporaryFolder temp;
    std::ofstream(temp.Join("file")) << "x";
    EXPECT_TRUE(FileExists(temp.Join("file").c_str()));
    EXPECT_TRUE(FileExists(temp.GetPath().c_str()));
    EXPECT_FALSE(FileExists(temp.Join("nothing").c_str()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(nullptr));
}

} // namespace
