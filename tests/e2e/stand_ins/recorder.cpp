// recorder.exe for tests: each start appends its argument text (the command line after the
// program name, bytes as they came) as one line to "recorder.txt" beside the executable, and the
// folder it was started in as one line to "recorder_dir.txt", so a test can see exactly what a
// program handed over, and where, when it started a command.
#include <windows.h>

#include <string>

#include "common/command_line.h"

namespace {

// Two starts in quick succession meet at the file: the later one waits its turn.
bool AppendLine(const std::string& path, const std::string& line) {
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION) break;
        if (file == INVALID_HANDLE_VALUE) Sleep(20);
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    folder = folder.substr(0, folder.find_last_of('\\') + 1);
    char current[MAX_PATH * 4] = {};
    DWORD currentLength = GetCurrentDirectoryA(sizeof current, current);
    // The folder first: a test that sees the arguments may read it at once.
    if (!AppendLine(folder + "recorder_dir.txt", std::string(current, currentLength) + "\r\n"))
        return 1;
    return AppendLine(folder + "recorder.txt", CommandTail(GetCommandLineA()) + "\r\n") ? 0 : 1;
}
