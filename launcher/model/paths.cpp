#include "launcher/model/paths.h"

#include "common/file_names.h"
#include "common/sjis.h"

LauncherPaths BuildLauncherPaths(const std::string& exeFolder) {
    LauncherPaths p;
    p.exeFolder = exeFolder;
    p.dataFolder = exeFolder + kDataFolderName;
    p.imageFolder = exeFolder + "img";
    p.deletedFolder = exeFolder + kDeletedFolderName;
    p.settingsFile = exeFolder + "Marnelo.ini";
    p.outsideListFile = exeFolder + kOutsideListName;
    p.commonFile = p.dataFolder + "\\common.txt";
    p.aliasFile = exeFolder + "cmd.txt";
    p.logFolder = exeFolder + "marnelolog";
    p.helpPage = exeFolder + "MarneloHelp\\help.html";
    return p;
}

std::string RunLogFile(const LauncherPaths& paths, const LocalTime& now) {
    return paths.logFolder + "\\" + DateStamp(now) + ".log";
}

bool IsCommonFile(std::string_view path, const LauncherPaths& paths) {
    return EqualsIgnoringCase(path, paths.commonFile);
}

std::string ArgumentOf(std::string_view commandLine) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!commandLine.empty() && isBlank(commandLine.front())) commandLine.remove_prefix(1);
    if (!commandLine.empty() && commandLine.front() == '"') {
        commandLine.remove_prefix(1);
        std::size_t close = commandLine.find('"');
        return std::string(commandLine.substr(0, close));
    }
    while (!commandLine.empty() && isBlank(commandLine.back())) commandLine.remove_suffix(1);
    return std::string(commandLine);
}

BoardChoice ChooseBoard(const LauncherPaths& paths, std::string_view argument) {
    BoardChoice choice;
    if (argument.empty()) {
        choice.name = kDefaultBoardName;
        choice.path = paths.dataFolder + "\\" + choice.name;
        choice.deletedPath = paths.deletedFolder + "\\" + choice.name;
        choice.createFolders = true;
        return choice;
    }
    choice.name = std::string(argument);
    if (ContainsChar(argument, '\\')) {
        choice.path = choice.name;
        choice.deletedPath = paths.deletedFolder + "\\outside.txt";
    } else {
        choice.path = paths.dataFolder + "\\" + choice.name;
        choice.deletedPath = paths.deletedFolder + "\\" + choice.name;
    }
    return choice;
}

bool IsRelativeBoardPath(std::string_view argument) {
    if (!ContainsChar(argument, '\\')) return false;
    bool letter = !argument.empty() && ((argument[0] >= 'A' && argument[0] <= 'Z') ||
                                        (argument[0] >= 'a' && argument[0] <= 'z'));
    if (letter && argument.size() >= 3 && argument[1] == ':' && argument[2] == '\\') return false;
    return argument.substr(0, 2) != "\\\\";
}
