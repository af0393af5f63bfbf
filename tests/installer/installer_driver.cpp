// SPDX-License-Identifier: MIT
// In a Wine prefix of its own: installs the program silently, starts it as its Start-menu shortcut
// does, asks for the sign of 1984, whose picture is read from the installed folder, closes it,
// uninstalls it and finds nothing of it left. Usage: installer_driver INSTALLER SHORTCUT (under the
// common Start menu) UNINSTALL_KEY KEY... (the keys it writes under HKEY_LOCAL_MACHINE)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <windows.h>

#include <shlobj.h>
#include <wrl/client.h>

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::printf("installer test failed: %s\n", what);
        std::exit(1);
    }
}

// Whether `holds` comes true within 60 s.
template <typename Condition> bool waitFor(Condition holds) {
    for (int tries = 0; tries < 600 && !holds(); ++tries)
        Sleep(100);
    return holds();
}

// Starts a command line in a job, so that waiting for its end covers the processes it starts: an
// NSIS uninstaller hands its work to a copy of itself and ends at once.
HANDLE start(std::wstring line, const wchar_t* folder = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    require(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, folder, &startup,
                           &process) &&
                AssignProcessToJobObject(job, process.hProcess) && ResumeThread(process.hThread) == 1,
            "a program did not start");
    return job;
}

bool ended(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    return waitFor([&] {
        return QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr) &&
               info.ActiveProcesses == 0;
    });
}

// A message to the program's window, answered within 30 s.
void send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    require(SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 30000, &result) != 0,
            "the program did not answer");
}

bool keyExists(const wchar_t* key) {
    HKEY opened{};
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &opened) == ERROR_SUCCESS && !RegCloseKey(opened);
}

// The command IDs of the main window's controls: 100 + their place in its table.
constexpr int Frame1 = 100, Option2 = 102, Text1 = 103, Command1 = 104, Picture1 = 111;

} // namespace

int wmain(int count, wchar_t** arguments) {
    namespace fs = std::filesystem;
    require(count >= 4 && SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), "usage");
    require(ended(start(L"\"" + std::wstring(arguments[1]) + L"\" /S")), "the installer did not end");
    for (int key = 3; key < count; ++key)
        require(keyExists(arguments[key]), "the installer wrote no registry key");

    wchar_t* menu = nullptr;
    SHGetKnownFolderPath(FOLDERID_CommonPrograms, 0, nullptr, &menu);
    const fs::path shortcut = fs::path(menu) / arguments[2];
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    wchar_t program[MAX_PATH]{}, folder[MAX_PATH]{};
    require(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
                SUCCEEDED(link.As(&file)) && SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(program, MAX_PATH, nullptr, 0)) &&
                SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)),
            "the shortcut cannot be read");

    // The prefix is the test's own: the program's windows are the only ones of their class.
    const HANDLE job = start(L"\"" + std::wstring(program) + L"\"", folder);
    HWND form = nullptr;
    require(waitFor([&] { return IsWindowVisible(form = FindWindowW(L"Form1", nullptr)); }), "no main window");
    send(GetDlgItem(GetDlgItem(form, Frame1), Option2), BM_CLICK);
    send(GetDlgItem(form, Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1984"));
    send(GetDlgItem(form, Command1), BM_CLICK);
    // Named after its animal only when its picture was read, and as large as the picture (64 pixels
    // square at Wine's 96 dpi) within its sunken edge.
    const HWND picture = GetDlgItem(form, Picture1);
    require(waitFor([picture] {
                wchar_t name[8]{};
                RECT box{};
                GetWindowTextW(picture, name, 8);
                GetWindowRect(picture, &box);
                return std::wstring(name) == L"鼠" && box.right - box.left == 68 && box.bottom - box.top == 68;
            }),
            "the picture of 1984 was not shown");
    PostMessageW(form, WM_CLOSE, 0, 0);
    HWND question = nullptr;
    require(waitFor([&] { return (question = FindWindowW(L"#32770", L"退出")) != nullptr; }), "no close question");
    send(GetDlgItem(question, IDYES), BM_CLICK);
    require(ended(job), "the program did not end");

    // The uninstall entry's command, as Add/Remove programs runs it, silently.
    wchar_t uninstall[MAX_PATH]{};
    DWORD size = sizeof uninstall;
    require(RegGetValueW(HKEY_LOCAL_MACHINE, arguments[3], L"UninstallString", RRF_RT_REG_SZ, nullptr, uninstall,
                         &size) == ERROR_SUCCESS &&
                ended(start(std::wstring(uninstall) + L" /S")),
            "the uninstaller did not end");
    require(!fs::exists(fs::path(program).parent_path()) && !fs::exists(shortcut.parent_path()),
            "files are left behind");
    for (int key = 3; key < count; ++key)
        require(!keyExists(arguments[key]), "registry keys are left behind");
    std::printf("installed, ran from %ls, uninstalled: nothing left\n", folder);
    return 0;
}
