// paths.h — where Marnelo's files lie beside its executable, and which board a start opens.
#pragma once
#include <string>
#include <string_view>

#include "common/date_stamp.h"

struct LauncherPaths {
    std::string exeFolder;        // with its trailing backslash
    std::string dataFolder;       // "fdir", no trailing backslash
    std::string imageFolder;      // "img"
    std::string deletedFolder;    // "fdir\old"
    std::string settingsFile;     // "Marnelo.ini"
    std::string outsideListFile;  // "filelist.txt"
    std::string commonFile;       // "fdir\common.txt"
    std::string aliasFile;        // "cmd.txt"
    std::string logFolder;        // "marnelolog"
    std::string helpPage;         // "MarneloHelp\help.html"
};

LauncherPaths BuildLauncherPaths(const std::string& exeFolder);

// The run log of the day of `now`: "marnelolog\YYYYMMDD.log".
std::string RunLogFile(const LauncherPaths& paths, const LocalTime& now);

// The common file opened as a board, in whatever letter case the path was given.
bool IsCommonFile(std::string_view path, const LauncherPaths& paths);

inline constexpr const char* kDefaultBoardName = "marnelo.txt";

struct BoardChoice {
    std::string name;         // currentBoardName
    std::string path;         // currentBoardPath
    std::string deletedPath;  // where deleted notes of this board go
    bool createFolders = false;
};

// The one argument of the command line: a leading double quote is dropped and the argument
// then ends at the next double quote. Blanks around an unquoted argument do not count.
std::string ArgumentOf(std::string_view commandLine);

// A board path relative to the folder the user started the program in ("notes\a.txt",
// "..\a.txt", "\a.txt"): it must be made absolute before the running copy, whose folder may
// be another, or "filelist.txt" sees it. A plain name is a board of the data folder instead.
bool IsRelativeBoardPath(std::string_view argument);

// An empty argument always means the default board (the folders are made then), whatever the
// show state; a name is a board of the data folder, a text with a backslash a path.
BoardChoice ChooseBoard(const LauncherPaths& paths, std::string_view argument);
