#include "Veltis/CoreUtilities/FileSystem.h"

#include "support/CTemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The names in a folder, so that a left-over temporary file shows.
std::vector<std::string> Entries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFile, NewAndExistingTargetsGetTheBytesAndKeepTheirPermissions)
{
    CTemporaryFolder temp;
    const std::string fresh = temp.Join("fresh");
    ASSERT_TRUE(ReplaceFile(fresh.c_str(), "one", 3));
    EXPECT_EQ(ReadAll(fresh), "one");

    const std::string existing = temp.Join("existing");
    std::ofstream(existing) << "old and longer";
    ASSERT_EQ(chmod(existing.c_str(), 0640), 0);
    ASSERT_TRUE(ReplaceFile(existing.c_str(), "new", 3));
    EXPECT_EQ(ReadAll(existing), "new");
    struct stat info;
    ASSERT_EQ(stat(existing.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // A link stays a link; the file it names gets the bytes.
    const std::string link = temp.Join("link");
    ASSERT_EQ(symlink(existing.c_str(), link.c_str()), 0);
    ASSERT_TRUE(ReplaceFile(link.c_str(), "via link", 8));
    EXPECT_EQ(ReadAll(existing), "via link");
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));

    ASSERT_TRUE(ReplaceFile(fresh.c_str(), "", 0));
    EXPECT_EQ(ReadAll(fresh), "");
    EXPECT_EQ(Entries(temp.GetPath()), (std::vector<std::string>{"existing", "fresh", "link"}));
}

TEST(ReplaceFile, FailuresLeaveTheTargetAndNoOtherFile)
{
    CTemporaryFolder temp;
    const std::string target = temp.Join("target");
    std::ofstream(target) << "kept";
    EXPECT_FALSE(ReplaceFile(temp.Join("missing/child").c_str(), "x", 1));
    EXPECT_FALSE(ReplaceFile(nullptr, "x", 1));
    EXPECT_FALSE(ReplaceFile("", "x", 1));
    EXPECT_FALSE(ReplaceFile(target.c_str(), nullptr, 1));
    // A folder cannot be written, in place or otherwise.
    EXPECT_FALSE(ReplaceFile(temp.GetPath().c_str(), "x", 1));
    EXPECT_EQ(ReadAll(target), "kept");
    EXPECT_EQ(Entries(temp.GetPath()), (std::vector<std::string>{"target"}));
}

} // namespace
