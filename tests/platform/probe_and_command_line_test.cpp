// SPDX-License-Identifier: MIT
#include "platform/command_line.h"
#include "platform/file_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

TEST(FileProbe, FindsOrdinaryVisibleFilesByNameOrWildcard) {
    const fs::path folder = fs::temp_directory_path() / ("moltrava-probe-" + std::to_string(std::random_device()()));
    fs::create_directories(folder / "sub folder");
    for (const fs::path& name : {fs::path("MSINFO32.EXE"), fs::path(u8"生肖.jpg"), fs::path(".hidden")})
        std::ofstream(folder / name) << "x";
#ifdef _WIN32 // there a file is hidden by its attribute, not by its name
    SetFileAttributesW((folder / ".hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
    const std::string at = (folder / "").string();
    for (const std::string& found : {at + "MSINFO*.EXE*", at + "MSINFO3?.EXE", at + "*", at + "生肖.jpg"})
        EXPECT_TRUE(platform::FileExists(found)) << found;
    for (const std::string& absent :
         {at + "sub*", at + ".hid*", at + "MSINFO?.EXE", at + "missing/*", at, std::string()})
        EXPECT_FALSE(platform::FileExists(absent)) << absent;
    std::string backslashed = at + "MSINFO32.EXE";
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_TRUE(platform::FileExists(backslashed));
    fs::remove_all(folder);
    EXPECT_TRUE(platform::MatchesWildcard("abcbc", "a*bc") && !platform::MatchesWildcard("abcbd", "a*bc"));
    EXPECT_FALSE(platform::MatchesWildcard(std::string(40, 'a') + "b", "*a*a*a*a*a*a*a*a*a*a*c"));
}

TEST(CommandLine, QuotesWhatWouldOtherwiseBeSplitAndRefusesWhatNoFileIsNamed) {
    // clang-format off
    const struct { const char* path; const char* line; } rows[] = {
        {"C:\\x\\msinfo32.exe", "C:\\x\\msinfo32.exe"}, {"C:\\P Q\\M.EXE", "\"C:\\P Q\\M.EXE\""},
        {"C:\\T\tX\\x.exe", "\"C:\\T\tX\\x.exe\""}, {"\"C:\\P Q\\x.exe\"", "\"C:\\P Q\\x.exe\""},
        {"\"C:\\x.exe\"", "C:\\x.exe"}, {"", ""}, {"\"\"", ""}, {"\"", ""}, {"C:\\a\"b\\x.exe", ""}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(platform::ProgramCommandLine(row.path), row.line) << row.path;
    EXPECT_EQ(platform::CommandLineWithArgument("explorer.exe", "https://a.example/%20b"),
              "explorer.exe \"https://a.example/%20b\"");
    // A web address as one argument that holds no space or quote, its own escapes kept.
    EXPECT_EQ(platform::WebPageCommandLine("https://a.example/%41 \"羊\"?q=<1>"),
              "explorer.exe \"https://a.example/%41%20%22%E7%BE%8A%22?q=%3C1%3E\"");
}

} // namespace
