#include "process.h"

#include "forms/platform.h"
#include "text.h"

#include <windows.h>

namespace win32ui {

std::string ProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return ".";
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    path.resize(slash == std::wstring::npos ? 0 : slash);
    return Narrow(path);
}

void StartProgram(const std::string& path) {
    const std::wstring program = Wide(path);
    const DWORD attributes = GetFileAttributesW(program.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            throw forms::StartFailure(path, "the file does not exist");
        }
    } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        throw forms::StartFailure(path, "it is a directory");
    }
    // The command line is the program's path alone, quoted for the blanks a
    // path may hold; no arguments.
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        throw forms::StartFailure(path, calc::SystemText(GetLastError()));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace win32ui
