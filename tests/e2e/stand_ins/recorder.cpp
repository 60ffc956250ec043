// recorder.exe for tests: each start appends its argument text (the command line after the
// program name, bytes as they came) as one line to "recorder.txt" beside the executable, so a
// test can see exactly what a program handed over when it started a command.
#include <windows.h>

#include <string>

#include "common/command_line.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string log(path, length);
    log = log.substr(0, log.find_last_of('\\') + 1) + "recorder.txt";
    std::string line = CommandTail(GetCommandLineA()) + "\r\n";
    // Two starts in quick succession meet at the file: the later one waits its turn.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION) break;
        if (file == INVALID_HANDLE_VALUE) Sleep(20);
    }
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
