#include "utility/win/folder_walk_win.h"

#include <windows.h>

#include "common/date_stamp.h"

namespace {

class FindEnumeration : public Enumeration {
  public:
    FindEnumeration(HANDLE find, const WIN32_FIND_DATAA& first) : find_(find), entry_(first) {}
    ~FindEnumeration() override { FindClose(find_); }
    bool Next(FoundEntry& entry) override {
        if (!first_ && !FindNextFileA(find_, &entry_)) return false;
        first_ = false;
        entry.name = entry_.cFileName;
        entry.folder = (entry_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        return true;
    }

  private:
    HANDLE find_;
    WIN32_FIND_DATAA entry_;
    bool first_ = true;
};

}  // namespace

std::unique_ptr<Enumeration> SystemFolders::Enumerate(const std::string& pattern) {
    WIN32_FIND_DATAA first{};
    HANDLE find = FindFirstFileA(pattern.c_str(), &first);
    if (find == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<FindEnumeration>(find, first);
}

std::string SystemFolders::DateText(const std::string& path, bool folder) {
    return FileDateText(path, folder);
}

std::string FileDateText(const std::string& path, bool folder) {
    std::string target = DatedPath(path, folder);
    // Only the attributes are read, shared every way, so a file another program holds still
    // has its date and that program is never kept from opening it meanwhile.
    HANDLE file = CreateFileA(target.c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    FILETIME written{}, local{};
    SYSTEMTIME parts{};
    std::string text;
    if (GetFileTime(file, nullptr, nullptr, &written) &&
        FileTimeToLocalFileTime(&written, &local) && FileTimeToSystemTime(&local, &parts)) {
        text = DateTimeText(
            {parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond});
    }
    CloseHandle(file);
    return text;
}
