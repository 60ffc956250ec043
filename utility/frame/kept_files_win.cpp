#include "utility/frame/kept_files_win.h"

#include <windows.h>
#include <commctrl.h>

#include "common/backup_start.h"
#include "common/backup_start_win.h"
#include "common/date_stamp.h"
#include "common/file_io.h"
#include "common/profile_ini.h"
#include "common/window_text_win.h"
#include "utility/frame/state_files.h"
#include "utility/frame/utility_app_win.h"

std::string TodayStamp() {
    return DateStamp(LocalNow());
}

void EnsureFolder(const std::string& path) {
    if (!SetCurrentDirectoryA(path.c_str())) CreateDirectoryA(path.c_str(), nullptr);
}

namespace {

std::string RecentFilePath() {
    return utility.exeFolder + "recent\\" + TodayStamp() + ".txt";
}

void WriteUnlessEmpty(const std::string& name, bool empty, const std::string& text) {
    if (!empty) ReplaceWholeFile(utility.exeFolder + name, text);
}

}  // namespace

void ReadTodayRecent() {
    if (std::optional<std::string> text = ReadWholeFile(RecentFilePath()))
        ParseRecentText(utility.recent, *text);
}

void ReadStampsAndBookmarks() {
    if (std::optional<std::string> text = ReadWholeFile(utility.exeFolder + "hanko.txt"))
        utility.stamps = ParseLineList(*text);
    if (std::optional<std::string> text = ReadWholeFile(utility.exeFolder + "bookmark.txt"))
        utility.bookmarks = ParseLineList(*text);
    utility.stampsRead = !utility.stamps.empty();
    utility.bookmarksRead = !utility.bookmarks.empty();
}

void SaveState() {
    // A copy or move waiting for its second key is not carried over a save.
    utility.pending.Forget();
    SendMessageA(utility.statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));
    UtilitySettings& settings = utility.settings;
    settings.nowTxt = WindowText(utility.inputLine);
    settings.nowDir = utility.listing.nowDir;

    const BoardList& boards = utility.notes.boards;
    if (boards.count() > 0) {
        std::string text = FormatDataTxt(boards);
        std::string path = utility.exeFolder + "data.txt";
        if (ShouldWriteDataTxt(FileSize(path), text.size())) ReplaceWholeFile(path, text);
    }
    WriteUnlessEmpty("cmd.txt", utility.notes.index.rows.empty(),
                     FormatCmdTxt(utility.notes.index));
    WriteUnlessEmpty("ctrl.txt", utility.notes.pairs.empty(), FormatCtrlTxt(utility.notes.pairs));
    // Emptied since they were read back: the file is emptied too, or the stamps would return.
    if (utility.stampsRead && utility.stamps.empty())
        ReplaceWholeFile(utility.exeFolder + "hanko.txt", "");
    if (utility.bookmarksRead && utility.bookmarks.empty())
        ReplaceWholeFile(utility.exeFolder + "bookmark.txt", "");
    WriteUnlessEmpty("hanko.txt", utility.stamps.empty(), FormatLines(utility.stamps));
    WriteUnlessEmpty("bookmark.txt", utility.bookmarks.empty(), FormatBookmarks(utility.bookmarks));
    if (!utility.recent.pairs.empty())
        ReplaceWholeFile(RecentFilePath(), FormatRecent(utility.recent));

    RECT rect{};
    std::optional<WindowRect> place;
    if (GetWindowRect(utility.mainWindow, &rect))
        place = WindowRect{rect.top, rect.bottom, rect.right, rect.left};
    ProfileIniStore ini(utility.iniPath);
    WriteUtilitySettings(ini, settings, place);
    if (TakeBackupTurn(ini, settings.backup, TodayStamp())) StartBackupProgram(utility.exeFolder);
}

void LogCommand(const std::string& line) {
    AppendToFile(utility.exeFolder + "Quorvellog\\" + TodayStamp() + ".log", line + "\n");
}
