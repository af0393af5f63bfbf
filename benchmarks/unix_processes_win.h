// SPDX-License-Identifier: MIT
// The Linux processes behind a Windows program under Wine, read from /proc through drive Z:: the
// CPUs each may run on and the CPU time each has used. Elsewhere nothing is found.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unix_processes {

inline std::wstring procPath(std::string_view pid, std::wstring_view file) {
    return L"Z:\\proc\\" + std::wstring(pid.begin(), pid.end()) + L"\\" + std::wstring(file);
}

// A small file of /proc whole, read from its start each time: the file stays open, so that
// reading it again costs no round trip to the wineserver, whose own time it may be measuring.
class ProcFile {
public:
    explicit ProcFile(const std::wstring& path)
        : m_file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~ProcFile() {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(m_file);
    }
    ProcFile(const ProcFile&) = delete;
    ProcFile& operator=(const ProcFile&) = delete;

    [[nodiscard]] std::optional<std::string> read() const {
        if (m_file == INVALID_HANDLE_VALUE)
            return std::nullopt;
        std::string text(16384, '\0');
        OVERLAPPED from{}; // offset 0
        DWORD got = 0;
        if (!ReadFile(m_file, text.data(), static_cast<DWORD>(text.size()), &got, &from))
            return std::nullopt;
        text.resize(got);
        return text;
    }

private:
    HANDLE m_file;
};

inline std::optional<std::string> readFile(std::string_view pid, std::wstring_view file) {
    return ProcFile(procPath(pid, file)).read();
}

// The value of a "Name:\tvalue" line of /proc/PID/status.
inline std::string statusField(std::string_view pid, std::string_view name) {
    const std::string status = readFile(pid, L"status").value_or("");
    const std::string key = "\n" + std::string(name) + ":";
    const std::size_t at = status.find(key);
    if (at == std::string::npos)
        return "?";
    const std::size_t begin = status.find_first_not_of(" \t", at + key.size());
    return status.substr(begin, status.find('\n', begin) - begin);
}

// Whether a NUL-separated list (environ, cmdline) holds the entry.
inline bool holds(const std::string& list, std::string_view entry) {
    for (std::size_t begin = 0; begin < list.size();) {
        const std::size_t end = std::min(list.find('\0', begin), list.size());
        if (std::string_view(list).substr(begin, end - begin) == entry)
            return true;
        begin = end + 1;
    }
    return false;
}

// The process IDs above `after` whose name (at most 15 characters, as Linux keeps it) is `name`
// and whose environment or command line, as `inWhich` says, holds `entry`; newest last.
inline std::vector<std::string> find(std::string_view name, std::wstring_view inWhich,
                                     std::string_view entry, long long after = 0) {
    std::vector<std::string> found;
    WIN32_FIND_DATAW item{};
    const HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &item);
    if (search == INVALID_HANDLE_VALUE)
        return found;
    const std::string wanted = std::string(name.substr(0, 15)) + "\n";
    do {
        const std::wstring_view folder = item.cFileName;
        if (folder.empty() || folder.find_first_not_of(L"0123456789") != std::wstring_view::npos)
            continue;
        const std::string pid(folder.begin(), folder.end());
        if (std::atoll(pid.c_str()) <= after || readFile(pid, L"comm") != wanted)
            continue;
        if (holds(readFile(pid, inWhich).value_or(""), entry))
            found.push_back(pid);
    } while (FindNextFileW(search, &item));
    FindClose(search);
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        return std::atoll(a.c_str()) < std::atoll(b.c_str());
    });
    return found;
}

// The time a process has run on a CPU, in milliseconds, from /proc/PID/schedstat (nanoseconds).
class CpuClock {
public:
    explicit CpuClock(std::string_view pid)
        : m_file(procPath(pid, L"schedstat")) {}
    [[nodiscard]] std::optional<double> milliseconds() const {
        const std::optional<std::string> text = m_file.read();
        if (!text || text->empty())
            return std::nullopt;
        return std::strtod(text->c_str(), nullptr) / 1e6;
    }

private:
    ProcFile m_file;
};

// The process ID that Linux gave last, from /proc/loadavg; kept open, it is read without a round
// trip to the wineserver.
class LastProcessId {
public:
    [[nodiscard]] long long get() const {
        const std::string text = m_file.read().value_or("");
        const std::size_t last = text.find_last_of(' ');
        return last == std::string::npos ? 0 : std::atoll(text.c_str() + last + 1);
    }

private:
    ProcFile m_file{L"Z:\\proc\\loadavg"};
};

// The entry "NAME=value" of this process's Linux environment, or nothing.
inline std::string ownEnvironmentEntry(std::string_view name) {
    const std::string environment = readFile("self", L"environ").value_or("");
    const std::string nul(1, '\0');
    const std::string key = nul + std::string(name) + "=";
    const std::size_t at = (nul + environment).find(key); // where the name starts in environment
    if (at == std::string::npos)
        return {};
    return environment.substr(at, environment.find('\0', at) - at);
}

} // namespace unix_processes
