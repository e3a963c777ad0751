#include "Veltis/CoreUtilities/CFilePath.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using Veltis::CoreUtilities::CFilePath;

namespace {

// Takes over an array-new text handed out by the path.
std::string Take(char* text)
{
    std::unique_ptr<char[]> owner(text);
    return owner ? std::string(owner.get()) : std::string("(null)");
}

TEST(CFilePath, NormalizeAndAppend)
{
    struct Case { const char* path; const char* expected; };
    const Case kNormalize[] = {
        {"a\\b//c/", "a/b/c/"}, {"//x", "/x"}, {"x", "x"}, {"", ""}, {"\\\\server\\\\share\\", "/server/share/"},
        {"/a/./b", "/a/./b"},
    };
    for (const Case& c : kNormalize) {
        SCOPED_TRACE(c.path);
        CFilePath path(c.path);
        path.Normalize();
        EXPECT_STREQ(path.GetString(), c.expected);
    }

    struct AppendCase { const char* path; const char* component; const char* expected; };
    const AppendCase kAppend[] = {
        {"", "img", "img"}, {"/skins/", "img", "/skins/img"}, {"/skins", "img", "/skins/img"},
        {"/skins", "", "/skins/"}, {"/skins", nullptr, "/skins/"}, {"", nullptr, ""}, {"a", "/b", "a//b"},
    };
    for (const AppendCase& c : kAppend) {
        SCOPED_TRACE(testing::Message() << c.path << " + " << (c.component ? c.component : "(null)"));
        CFilePath path(c.path);
        path.Append(c.component);
        EXPECT_STREQ(path.GetString(), c.expected);
    }
    EXPECT_STREQ(CFilePath(nullptr).GetString(), "");
}

TEST(CFilePath, ComponentsTable)
{
    struct Case { const char* path; const char* fileName; const char* folder; const char* extension; const char* bare; };
    const Case kCases[] = {
        {"/a/b.txt", "b.txt", "/a/", ".txt", "b"},
        {"b.txt", "b.txt", "", ".txt", "b"},
        {"/a/", "", "/a/", "", ""},
        {"/a/b.tar.gz", "b.tar.gz", "/a/", ".gz", "b.tar"},
        {"/a/b", "b", "/a/", "", "b"},
        {"/a.d/b", "b", "/a.d/", ".d/b", "b"},
        {"/a.b/c", "c", "/a.b/", ".b/c", "c"},
        {"", "", "", "", ""},
        {".hidden", ".hidden", "", ".hidden", ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.path);
        const CFilePath path(c.path);
        EXPECT_EQ(Take(path.GetFileName()), c.fileName);
        EXPECT_EQ(Take(path.GetFolder()), c.folder);
        EXPECT_EQ(Take(path.GetExtension()), c.extension);
        EXPECT_EQ(Take(path.GetFileNameWithoutExtension()), c.bare);
    }
}

TEST(CFilePath, InsertBeforeExtension)
{
    struct Case { const char* path; const char* expected; };
    const Case kCases[] = {{"/a/b.txt", "/a/b_x.txt"}, {"/a/b", "/a/b"}, {"/a.d/b", "/a_x.d/b"}, {"", ""}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.path);
        CFilePath path(c.path);
        path.InsertBeforeExtension("_x");
        EXPECT_STREQ(path.GetString(), c.expected);
    }
}

TEST(CFilePath, RelativeAndAbsoluteForms)
{
    struct Case { const char* path; const char* base; bool relative; const char* expected; };
    const Case kRelative[] = {
        {"/users/me/skins/dark/skin.xml", "/Users/Me/Skins", true, "dark/skin.xml"},
        {"/Users/Me/SkinsX/a", "/Users/Me/Skins", false, "/Users/Me/SkinsX/a"},
        {"/Users/Me/Skins", "/Users/Me/Skins", false, "/Users/Me/Skins"},
        {"\\Data\\\\Skins\\Dark.xml", "/data/", true, "Skins/Dark.xml"},
        {"/data/x", "/data//", true, "x"},
        {"/data/x", nullptr, false, "/data/x"},
    };
    for (const Case& c : kRelative) {
        SCOPED_TRACE(testing::Message() << c.path << " relative to " << (c.base ? c.base : "(null)"));
        CFilePath path(c.path);
        EXPECT_EQ(path.MakeRelativeTo(c.base), c.relative);
        EXPECT_STREQ(path.GetString(), c.expected);
    }

    const Case kAbsolute[] = {
        {"dark/skin.xml", "/base", true, "/base/dark/skin.xml"},
        {"/abs/x", "/base", false, "/abs/x"},
        {"", "/base", true, "/base/"},
        {"x", "\\base\\\\sub\\", true, "/base/sub/x"},
        {"a//b", "/base", true, "/base/a//b"},
    };
    for (const Case& c : kAbsolute) {
        SCOPED_TRACE(testing::Message() << c.path << " absolute from " << c.base);
        CFilePath path(c.path);
        EXPECT_EQ(path.MakeAbsolute(c.base), c.relative);
        EXPECT_STREQ(path.GetString(), c.expected);
    }
}

TEST(CFilePath, DetachAndAttachMoveTheText)
{
    CFilePath path("/a/b");
    char* text = path.Detach();
    EXPECT_STREQ(text, "/a/b");
    EXPECT_STREQ(path.GetString(), "");
    path.Attach(text);
    EXPECT_STREQ(path.GetString(), "/a/b");
}

} // namespace
