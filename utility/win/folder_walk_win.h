// folder_walk_win.h — the listing over the real file system: the system's enumeration and
// the last-write dates. The questions and the window texts are the program's.
#pragma once
#include "utility/model/folder_walk.h"

class SystemFolders : public ListingHost {
  public:
    std::unique_ptr<Enumeration> Enumerate(const std::string& pattern) override;
    std::string DateText(const std::string& path, bool folder) override;
};

// "YYYY/MM/DD hh:mm:ss" in local time, empty when the time cannot be read. A folder path
// may end in "\*".
std::string FileDateText(const std::string& path, bool folder);
