// SPDX-License-Identifier: MIT
// In a Wine prefix of its own: installs the program silently into a folder of its own, and again,
// which upgrades it there; starts it as its Start-menu shortcut does, asks for the sign of 1984,
// whose picture is read from the installed folder; while it runs, finds the installer and the
// uninstaller refusing or asking to close it; closes it, uninstalls it and finds nothing of it left.
// Usage: installer_driver INSTALLER SHORTCUT (under the common Start menu) UNINSTALL_KEY KEY... (the
// keys it writes under HKEY_LOCAL_MACHINE)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ui/win32/main_window_class.h"

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
struct Started {
    HANDLE job, process;
};

Started start(std::wstring line, const wchar_t* folder = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    require(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, folder, &startup,
                           &process) &&
                AssignProcessToJobObject(job, process.hProcess) && ResumeThread(process.hThread) == 1,
            "a program did not start");
    return {job, process.hProcess};
}

bool ended(const Started& started) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    return waitFor([&] {
        return QueryInformationJobObject(started.job, JobObjectBasicAccountingInformation, &info, sizeof info,
                                         nullptr) &&
               info.ActiveProcesses == 0;
    });
}

DWORD exitCode(const std::wstring& line) {
    const Started started = start(line);
    DWORD code = 0;
    require(ended(started) && GetExitCodeProcess(started.process, &code), "an installer did not end");
    return code;
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

// The files under a folder, with their times.
std::wstring listing(const std::filesystem::path& folder) {
    std::wstring text;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        text += entry.path().wstring() + std::to_wstring(entry.last_write_time().time_since_epoch().count());
    return text;
}

std::wstring regText(const wchar_t* key, const wchar_t* value) {
    wchar_t text[MAX_PATH]{};
    DWORD size = sizeof text;
    RegGetValueW(HKEY_LOCAL_MACHINE, key, value, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

} // namespace

int wmain(int count, wchar_t** arguments) {
    namespace fs = std::filesystem;
    require(count >= 4 && SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), "usage");
    const std::wstring installer = L"\"" + std::wstring(arguments[1]) + L"\" /S";
    // An entry whose install is gone stands in no one's way; then an earlier install in a folder of
    // its own, and the upgrade, which finds it there.
    const std::wstring gone = L"\"C:\\gone\\Uninstall.exe\"";
    require(RegSetKeyValueW(HKEY_LOCAL_MACHINE, arguments[3], L"UninstallString", REG_SZ, gone.c_str(),
                            static_cast<DWORD>((gone.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS,
            "usage");
    const fs::path earlier = L"C:\\Moltrava earlier";
    require(exitCode(installer + L" /D=" + earlier.wstring()) == 0 && exitCode(installer) == 0, "the installer failed");
    for (int key = 3; key < count; ++key)
        require(keyExists(arguments[key]), "the installer wrote no registry key");
    for (const auto* value : {L"Publisher", L"DisplayVersion", L"DisplayIcon", L"EstimatedSize"})
        require(RegGetValueW(HKEY_LOCAL_MACHINE, arguments[3], value, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
                    ERROR_SUCCESS,
                "the uninstall entry lacks a value");

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
    wchar_t* programFiles = nullptr;
    SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &programFiles);
    const auto shortcuts = fs::directory_iterator(shortcut.parent_path());
    require(fs::path(folder) == earlier && !fs::exists(fs::path(programFiles) / L"Moltrava") &&
                std::distance(fs::begin(shortcuts), fs::end(shortcuts)) == 2,
            "the upgrade did not replace the earlier install in its folder");

    // The prefix is the test's own: the program's windows are the only ones of their class.
    const Started running = start(L"\"" + std::wstring(program) + L"\"", folder);
    HWND form = nullptr;
    require(waitFor([&] { return IsWindowVisible(form = FindWindowW(MOLTRAVA_MAIN_WINDOW_CLASS, nullptr)); }),
            "no main window");
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

    // While it runs, the silent installer and uninstaller end with an error, the interactive one asks
    // to close it first and stops when told to, and none of them changes anything.
    const std::wstring before = listing(earlier) + listing(shortcut.parent_path());
    require(exitCode(installer) != 0 &&
                exitCode(regText(arguments[3], L"UninstallString") + L" /S _?=" + earlier.wstring()) != 0,
            "a silent installer or uninstaller went on while the program ran");
    const Started asking = start(L"\"" + std::wstring(arguments[1]) + L"\"");
    HWND retry = nullptr; // the only dialog box: the program shows none
    require(waitFor([&] { return IsWindowVisible(GetDlgItem(retry = FindWindowW(L"#32770", nullptr), IDRETRY)); }),
            "the installer did not ask to close the program");
    PostMessageW(retry, WM_COMMAND, IDCANCEL, 0);
    require(ended(asking) && listing(earlier) + listing(shortcut.parent_path()) == before,
            "a refused installer changed the install");
    PostMessageW(form, WM_CLOSE, 0, 0);
    HWND question = nullptr;
    require(waitFor([&] { return (question = FindWindowW(L"#32770", L"退出")) != nullptr; }), "no close question");
    send(GetDlgItem(question, IDYES), BM_CLICK);
    require(ended(running), "the program did not end");

    // The uninstall entry's command, as Add/Remove programs runs it, silently.
    require(ended(start(regText(arguments[3], L"UninstallString") + L" /S")), "the uninstaller did not end");
    require(!fs::exists(earlier) && !fs::exists(shortcut.parent_path()), "files are left behind");
    for (int key = 3; key < count; ++key)
        require(!keyExists(arguments[key]), "registry keys are left behind");
    std::printf("installed, ran from %ls, uninstalled: nothing left\n", folder);
    return 0;
}
