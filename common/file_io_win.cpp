#include "common/file_io.h"

#include <windows.h>

#include "common/file_names.h"

namespace {

std::optional<std::string> ReadAllAndClose(HANDLE file) {
    LARGE_INTEGER size{};
    std::optional<std::string> content;
    if (GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF) {
        std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD done = 0;
        if (bytes.empty() ||
            (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
             done == bytes.size()))
            content = std::move(bytes);
    }
    CloseHandle(file);
    return content;
}

bool WriteAll(HANDLE file, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file, text.data() + written, chunk, &done, nullptr) || done == 0)
            return false;
        written += done;
    }
    return true;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return ReadAllAndClose(file);
        DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) return std::nullopt;
        Sleep(20);
    }
    return std::nullopt;
}

namespace {

bool WriteTemporary(const std::string& temporary, const std::string& text) {
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = WriteAll(file, text) && FlushFileBuffers(file);
    CloseHandle(file);
    return written;
}

// Another program may hold the target for a moment; any other failure does not pass by
// waiting, and trying again would only put in place what was meant to fail.
bool MoveInPlace(const std::string& from, const std::string& to) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (MoveFileExA(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION &&
            error != ERROR_ACCESS_DENIED)
            return false;
        Sleep(20);
    }
    return false;
}

// What putting one file in place needs to be undone: its old content under a second name (a
// link, so the file itself never goes missing), or nothing when there was no file.
struct PlacedFile {
    std::string path;
    std::string kept;  // empty: the file did not exist before
};

// False when the file may hold content that could not be kept aside.
bool KeepOldContent(const std::string& path, PlacedFile& placed) {
    std::string kept = path + kKeptSuffix;
    DeleteFileA(kept.c_str());
    if (CreateHardLinkA(kept.c_str(), path.c_str(), nullptr) ||
        CopyFileA(path.c_str(), kept.c_str(), FALSE)) {
        placed.kept = kept;
        return true;
    }
    return !MayExist(path);
}

void PutBack(const PlacedFile& placed) {
    if (placed.kept.empty())
        DeleteFileA(placed.path.c_str());
    else
        MoveInPlace(placed.kept, placed.path);
}

}  // namespace

bool ReplaceWholeFile(const std::string& path, const std::string& text) {
    return ReplaceFiles({{path, text}});
}

bool ReplaceFiles(const std::vector<FileReplacement>& files) {
    std::size_t written = 0;
    while (written < files.size() &&
           WriteTemporary(files[written].path + kTemporarySuffix, files[written].text))
        ++written;
    std::vector<PlacedFile> placed;
    bool done = written == files.size();
    for (std::size_t i = 0; done && i < files.size(); ++i) {
        PlacedFile file{files[i].path, {}};
        // The last file needs no undo: nothing after it can fail.
        bool last = i + 1 == files.size();
        done = (last || KeepOldContent(file.path, file)) &&
               MoveInPlace(file.path + kTemporarySuffix, file.path);
        if (done)
            placed.push_back(file);
        else if (!file.kept.empty())
            DeleteFileA(file.kept.c_str());
    }
    for (const FileReplacement& file : files) DeleteFileA((file.path + kTemporarySuffix).c_str());
    for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
        // An old content that could not be put back stays aside rather than being lost.
        if (!done)
            PutBack(*it);
        else if (!it->kept.empty())
            DeleteFileA(it->kept.c_str());
    }
    return done;
}

bool AppendToFile(const std::string& path, const std::string& text) {
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 5 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) Sleep(20);
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
                   WriteAll(file, text);
    CloseHandle(file);
    return written;
}

std::uint64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::uint64_t FileWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MayExist(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND &&
           error != ERROR_INVALID_NAME && error != ERROR_BAD_PATHNAME &&
           error != ERROR_FILENAME_EXCED_RANGE && error != ERROR_INVALID_DRIVE;
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void CreateFolder(const std::string& path) {
    CreateDirectoryA(path.c_str(), nullptr);
}

bool DeleteFileAt(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

std::vector<std::string> ListFileNames(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        bool folder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        if (!folder && !IsTemporaryName(entry.cFileName)) names.push_back(entry.cFileName);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

std::string FullPathOf(const std::string& path) {
    DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::string full(needed, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    full.resize(length);
    return full;
}

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ExecutableFolder() {
    return FolderOfPath(ExecutablePath());
}
