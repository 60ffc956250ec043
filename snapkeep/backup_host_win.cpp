#include "snapkeep/backup_host_win.h"

#include <windows.h>

#include "common/file_names.h"

namespace {

bool IsHeldError(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

}  // namespace

std::vector<FolderEntry> SystemBackupHost::List(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found{};
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return entries;
}

bool SystemBackupHost::MakeFolder(const std::string& folder) {
    return CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// The copy keeps the original's last-write time, so a restored board looks as old as it was.
CopyOutcome SystemBackupHost::Copy(const std::string& from, const std::string& to) {
    std::string temporary = to + kTemporarySuffix;
    if (!CopyFileA(from.c_str(), temporary.c_str(), FALSE)) {
        DWORD error = GetLastError();
        DeleteFileA(temporary.c_str());
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return CopyOutcome::Missing;
        return IsHeldError(error) ? CopyOutcome::Held : CopyOutcome::Failed;
    }
    if (MoveFileExA(temporary.c_str(), to.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return CopyOutcome::Copied;
    DeleteFileA(temporary.c_str());
    return CopyOutcome::Failed;
}

void SystemBackupHost::RemoveTree(const std::string& folder) {
    for (const FolderEntry& entry : List(folder)) {
        std::string path = folder + entry.name;
        if (entry.folder) {
            RemoveTree(path + "\\");
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }
    RemoveDirectoryA(folder.c_str());
}

void SystemBackupHost::RemoveIfEmpty(const std::string& folder) {
    RemoveDirectoryA(folder.c_str());
}

void SystemBackupHost::Pause(int ms) {
    Sleep(ms);
}
