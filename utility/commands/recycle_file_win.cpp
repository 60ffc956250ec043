#include "utility/commands/recycle_file_win.h"

#include <windows.h>
#include <shellapi.h>

#include "utility/commands/path_text.h"

bool RecycleFile(const std::string& path) {
    std::string from = TrimPatternTail(path);
    if (from.empty()) return false;
    from.push_back('\0');  // the shell takes a list ended by an empty entry
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO;
    return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}
