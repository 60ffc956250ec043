#include "utility/win/kept_files_win.h"

#include <windows.h>
#include <commctrl.h>

#include "common/backup_start.h"
#include "common/backup_start_win.h"
#include "common/date_stamp.h"
#include "common/file_io.h"
#include "common/profile_ini.h"
#include "common/screens_win.h"
#include "common/window_text_win.h"
#include "utility/rules/state_files.h"
#include "utility/win/list_display_win.h"
#include "utility/win/utility_app_win.h"

std::string TodayStamp() {
    return DateStamp(LocalNow());
}

void ReadTodayRecent() {
    if (std::optional<std::string> text =
            ReadWholeFile(quorvel.exeFolder + RecentFileName(TodayStamp())))
        ParseRecentText(quorvel.recent, *text);
}

void SaveRecentFile() {
    ReplaceWholeFile(quorvel.exeFolder + RecentFileName(TodayStamp()),
                     FormatRecent(quorvel.recent));
}

void ReadStampsAndBookmarks() {
    if (std::optional<std::string> text = ReadWholeFile(quorvel.exeFolder + kStampFileName))
        quorvel.stamps = ParseLineList(*text);
    if (std::optional<std::string> text = ReadWholeFile(quorvel.exeFolder + kBookmarkFileName))
        quorvel.bookmarks = ParseLineList(*text);
    quorvel.stampsRead = !quorvel.stamps.empty();
    quorvel.bookmarksRead = !quorvel.bookmarks.empty();
}

void SaveState() {
    // A copy or move waiting for its second key is not carried over a save.
    quorvel.pending.Forget();
    ShowStatusText("");
    UtilitySettings& settings = quorvel.settings;
    settings.nowTxt = WindowText(ui.inputLine);
    settings.nowDir = quorvel.listing.nowDir;

    const BoardList& boards = quorvel.notes.boards;
    if (boards.count() > 0) {
        std::string text = FormatDataTxt(boards);
        std::string path = quorvel.exeFolder + "data.txt";
        if (ShouldWriteDataTxt(FileSize(path), text.size())) ReplaceWholeFile(path, text);
    }
    std::string aliasPath = quorvel.exeFolder + kAliasFileName;
    // A file that is there but cannot be read holds lines of the user's that must not be lost.
    std::optional<std::string> aliases =
        MayExist(aliasPath) ? ReadWholeFile(aliasPath) : std::optional<std::string>("");
    for (const ListFile& file : ListFilesToSave(quorvel, TodayStamp(), aliases))
        ReplaceWholeFile(quorvel.exeFolder + file.name, file.text);

    // Kept in 96-DPI units when the window is on a screen: a minimised window has no place.
    std::optional<WindowRect> place;
    ScreenBox pixels = WindowBoxOf(ui.mainWindow);
    std::vector<ScreenBox> areas;
    for (const MonitorArea& monitor : CurrentMonitors()) areas.push_back(monitor.work);
    if (!IsIconic(ui.mainWindow) && TouchesAnyArea(pixels, areas)) {
        ScreenBox u = PixelsToUnits(pixels, ui.dpi);
        place = WindowRect{u.top, u.top + u.height, u.left + u.width, u.left};
    }
    ProfileIniStore ini(quorvel.iniPath);
    WriteUtilitySettings(ini, settings, place);
    if (TakeBackupTurn(ini, settings.backup, TodayStamp())) StartBackupProgram(quorvel.exeFolder);
}

void LogCommand(const std::string& line) {
    AppendToFile(quorvel.exeFolder + LogFileName(TodayStamp()), line + "\n");
}
