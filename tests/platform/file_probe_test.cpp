// SPDX-License-Identifier: MIT
#include "platform/file_probe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;
using platform::FileExists;
using platform::MatchesWildcard;

TEST(Wildcard, MatchesLikeTheSystemShell) {
    struct Row {
        const char* name;
        const char* pattern;
        bool matches;
    };
    for (const Row& row : {
             Row{"MSINFO32.EXE", "MSINFO32.EXE", true},
             Row{"MSINFO32.EXE", "*.EXE", true},
             Row{"MSINFO32.EXE", "MSINFO??.EXE", true},
             Row{"MSINFO32.EXE", "MSINFO?.EXE", false},
             Row{"MSINFO32.EXE", "*", true},
             Row{"", "*", true},
             Row{"", "?", false},
             Row{"abc", "a*b*c", true},
             Row{"abcbc", "a*bc", true},
             Row{"abcbd", "a*bc", false},
             Row{"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*c", false},
         })
        EXPECT_EQ(MatchesWildcard(row.name, row.pattern), row.matches)
            << row.name << " ~ " << row.pattern;
}

class FileProbe : public testing::Test {
protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() /
            ("moltrava-probe-" + std::to_string(testing::UnitTest::GetInstance()->random_seed()) +
             testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "sub folder");
        std::ofstream(m_folder / "MSINFO32.EXE") << "x";
        std::ofstream(m_folder / ".hidden.txt") << "x";
#ifdef _WIN32
        // There a file is hidden by its attribute, not by its name.
        SetFileAttributesW((m_folder / ".hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
        std::ofstream(m_folder / fs::path(u8"生肖.jpg")) << "x";
    }
    void TearDown() override {
        fs::remove_all(m_folder);
    }

    [[nodiscard]] std::string at(const std::string& name) const {
        return (m_folder / "").string() + name;
    }

    fs::path m_folder;
};

TEST_F(FileProbe, FindsOrdinaryFilesByNameOrWildcard) {
    EXPECT_TRUE(FileExists(at("MSINFO32.EXE")));
    EXPECT_TRUE(FileExists(at("MSINFO*.EXE")));
    EXPECT_TRUE(FileExists(at("MSINFO3?.EXE")));
    EXPECT_TRUE(FileExists(at("*")));
    EXPECT_TRUE(FileExists(at("生肖.jpg")));
}

TEST_F(FileProbe, IgnoresFoldersHiddenFilesAndMissingPaths) {
    EXPECT_FALSE(FileExists(at("sub folder")));
    EXPECT_FALSE(FileExists(at("sub*")));
    EXPECT_FALSE(FileExists(at(".hidden.txt")));
    EXPECT_FALSE(FileExists(at("*.txt")));
    EXPECT_FALSE(FileExists(at("NOTHERE.EXE")));
    EXPECT_FALSE(FileExists(at("missing folder/MSINFO32.EXE")));
    EXPECT_FALSE(FileExists(at("")));
    EXPECT_FALSE(FileExists(""));
}

TEST_F(FileProbe, AcceptsBackslashSeparators) {
    std::string path = at("MSINFO32.EXE");
    for (char& c : path)
        if (c == '/')
            c = '\\';
    EXPECT_TRUE(FileExists(path));
}

} // namespace
