#include "common/file_io.h"

#include <windows.h>

#include "common/sjis.h"

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

constexpr char kTemporarySuffix[] = ".tmp~";

bool IsTemporaryName(const std::string& name) {
    std::size_t length = sizeof kTemporarySuffix - 1;
    return name.size() > length &&
           name.compare(name.size() - length, length, kTemporarySuffix) == 0;
}

}  // namespace

bool ReplaceWholeFile(const std::string& path, const std::string& text) {
    std::string temporary = path + kTemporarySuffix;
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = WriteAll(file, text) && FlushFileBuffers(file);
    CloseHandle(file);
    if (written) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (MoveFileExA(temporary.c_str(), path.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return true;
            Sleep(20);
        }
    }
    DeleteFileA(temporary.c_str());
    return false;
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
    std::string path = ExecutablePath();
    std::size_t cut = FindLastChar(path, '\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}
