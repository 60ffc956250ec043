// Installed as snapkeep.exe for tests that only count the daily starts: each start appends one
// line to "snapkeep.log" beside it. Tests of the backup itself install the real snapkeep.exe.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string log(path, length);
    log = log.substr(0, log.find_last_of('\\') + 1) + "snapkeep.log";
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const char line[] = "started\n";
    DWORD written = 0;
    WriteFile(file, line, sizeof line - 1, &written, nullptr);
    CloseHandle(file);
    return 0;
}
