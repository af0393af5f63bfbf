// SPDX-License-Identifier: MIT
#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramCommandLine, QuotesPathsThatWouldOtherwiseBeSplit) {
    struct Row {
        const char* path;
        const char* commandLine;
    };
    for (const Row& row : {
             Row{"C:\\WINDOWS\\system32\\msinfo32.exe", "C:\\WINDOWS\\system32\\msinfo32.exe"},
             Row{"C:\\Program Files\\MSInfo\\MSINFO32.EXE",
                 "\"C:\\Program Files\\MSInfo\\MSINFO32.EXE\""},
             Row{"C:\\Tab\there\\x.exe", "\"C:\\Tab\there\\x.exe\""},
             Row{"C:\\系统 工具\\系统信息.exe", "\"C:\\系统 工具\\系统信息.exe\""},
             Row{"\"C:\\Program Files\\x.exe\"", "\"C:\\Program Files\\x.exe\""},
             Row{"\"C:\\x.exe\"", "C:\\x.exe"},
             Row{"", ""},
             Row{"\"\"", ""},
             Row{"\"", ""},
             Row{"C:\\a\"b\\x.exe", ""},
             Row{"\"C:\\a\"b.exe\"", ""},
         })
        EXPECT_EQ(platform::ProgramCommandLine(row.path), row.commandLine) << row.path;
}

} // namespace
