// SPDX-License-Identifier: MIT
#include "file_probe.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

// The desktop's convention for hidden files; there are no system files here.
bool isOrdinaryVisibleFile(const fs::directory_entry& entry, std::error_code& error) {
    const std::string name = entry.path().filename().string();
    return !name.empty() && name.front() != '.' && entry.is_regular_file(error);
}

} // namespace

bool FileExists(std::string_view pattern) {
    std::string text(pattern);
    for (char& c : text)
        if (c == '\\')
            c = '/';
    const fs::path path(text);
    const std::string namePattern = path.filename().string();
    if (namePattern.empty())
        return false;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");

    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code entryError;
        if (MatchesWildcard(it->path().filename().string(), namePattern) &&
            isOrdinaryVisibleFile(*it, entryError))
            return true;
    }
    return false;
}

} // namespace platform
