// snapkeep.exe — the daily backup both programs start once a day: it copies their files into
// snapkeep\YYYYMMDD\ beside itself and shows nothing. "snapkeep.exe /list" prints the kept days.
#include <windows.h>

#include "common/command_line.h"
#include "common/date_stamp.h"
#include "common/file_io.h"
#include "snapkeep/backup_host_win.h"

namespace {

// A program without a console writes to what its starter redirected its output to, or else to
// the console of the command prompt it was typed in.
void Print(const std::string& text) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    bool opened = false;
    if ((output == nullptr || output == INVALID_HANDLE_VALUE) &&
        AttachConsole(ATTACH_PARENT_PROCESS)) {
        output = CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
        opened = output != INVALID_HANDLE_VALUE;
    }
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    if (opened) CloseHandle(output);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string exeFolder = ExecutableFolder();
    if (exeFolder.empty()) return 1;
    SystemBackupHost host;
    switch (RequestOf(CommandTail(GetCommandLineA()))) {
        case Request::Backup:
            return ExitCodeOf(RunBackup(host, exeFolder, DateStamp(LocalNow())));
        case Request::List:
            Print(DayListText(host.List(exeFolder + kBackupFolder), exeFolder));
            return 0;
        case Request::Unknown:
            break;
    }
    return 2;
}
