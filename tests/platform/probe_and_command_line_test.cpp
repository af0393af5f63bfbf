// SPDX-License-Identifier: MIT
#include "platform/command_line.h"
#include "platform/file_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;

TEST(Wildcard, MatchesLikeTheSystemShell) {
    // clang-format off
    const struct { const char* name; const char* pattern; bool matches; } rows[] = {
        {"MSINFO32.EXE", "*.EXE", true}, {"MSINFO32.EXE", "MSINFO??.EXE", true},
        {"MSINFO32.EXE", "MSINFO?.EXE", false}, {"", "*", true}, {"", "?", false},
        {"abcbc", "a*bc", true}, {"abcbd", "a*bc", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*c", false}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(platform::MatchesWildcard(row.name, row.pattern), row.matches) << row.pattern;
}

TEST(FileProbe, FindsOrdinaryVisibleFilesOnly) {
    const fs::path folder =
        fs::temp_directory_path() /
        ("moltrava-probe-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(folder / "sub folder");
    std::ofstream(folder / "MSINFO32.EXE") << "x";
    std::ofstream(folder / fs::path(u8"生肖.jpg")) << "x";
    std::ofstream(folder / ".hidden.txt") << "x";
#ifdef _WIN32
    // There a file is hidden by its attribute, not by its name.
    SetFileAttributesW((folder / ".hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
    const std::string at = (folder / "").string();
    std::string backslashed = at + "MSINFO32.EXE";
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    for (const std::string& found : {at + "MSINFO*.EXE", at + "MSINFO3?.EXE", at + "*", backslashed,
                                     (folder / fs::path(u8"生肖.jpg")).string()})
        EXPECT_TRUE(platform::FileExists(found)) << found;
    for (const std::string& absent : {at + "sub*", at + ".hidden.txt", at + "*.txt", at + "NO.EXE",
                                      at + "missing/MSINFO32.EXE", at, std::string()})
        EXPECT_FALSE(platform::FileExists(absent)) << absent;
    fs::remove_all(folder);
}

TEST(CommandLine, QuotesWhatWouldOtherwiseBeSplit) {
    // clang-format off
    const struct { const char* path; const char* line; } rows[] = {
        {"C:\\x\\msinfo32.exe", "C:\\x\\msinfo32.exe"}, {"C:\\Program Files\\M.EXE", "\"C:\\Program Files\\M.EXE\""},
        {"C:\\Tab\there\\x.exe", "\"C:\\Tab\there\\x.exe\""}, {"\"C:\\P Q\\x.exe\"", "\"C:\\P Q\\x.exe\""},
        {"\"C:\\x.exe\"", "C:\\x.exe"}, {"", ""}, {"\"\"", ""}, {"\"", ""}, {"C:\\a\"b\\x.exe", ""}};
    // clang-format on
    for (const auto& row : rows)
        EXPECT_EQ(platform::ProgramCommandLine(row.path), row.line) << row.path;
    EXPECT_EQ(platform::CommandLineWithArgument("explorer.exe", "https://a.example/%20b"),
              "explorer.exe \"https://a.example/%20b\"");
}

} // namespace
