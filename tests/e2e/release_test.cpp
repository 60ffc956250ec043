// The installer as a user runs it silently: the programs and shortcuts it puts in place, the
// installed Marnelo's first start, and an uninstall that takes the programs and keeps the notes.
#include <windows.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/date_stamp.h"
#include "common/file_io.h"
#include "harness/install.h"
#include "harness/marnelo.h"
#include "harness/wait.h"
#include "release_version.h"

namespace {

const char* const kInstalledFiles[] = {"marnelo.exe",  "quorvel.exe",
                                       "snapkeep.exe", "MarneloHelp\\help.html",
                                       "readme.txt",   "uninstall.exe"};

std::string Installer() {
    return BuildFolder() + "..\\packages\\marnelo-" RELEASE_VERSION_TEXT "-setup.exe";
}

std::string ShortcutFolder() {
    char programs[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    return std::string(programs) + "\\Marnelo\\";
}

bool HasUninstallEntry() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Marnelo", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool IsRunning(const char* exeName) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found;
         more = Process32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szExeFile, exeName) == 0;
    CloseHandle(snapshot);
    return found;
}

int RunAndWait(const std::string& exe, const std::string& arguments, int timeoutMs) {
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info))
        return -1;
    DWORD code = 12345;
    if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return static_cast<int>(code);
}

}  // namespace

TEST(Installer, SilentInstallStartsMarneloWithItsDefaultNoteAndTheUninstallKeepsTheNotes) {
    ASSERT_TRUE(FileExists(Installer())) << Installer();
    Install inst = Install::Empty("ユーザーの 道具");
    std::string folder = inst.Folder().substr(0, inst.Folder().size() - 1);
    ASSERT_EQ(RunAndWait(Installer(), "/S /D=" + folder, 120000), 0);
    for (const char* file : kInstalledFiles) EXPECT_TRUE(inst.Exists(file)) << file;
    EXPECT_TRUE(FileExists(ShortcutFolder() + "Marnelo.lnk"));
    EXPECT_TRUE(FileExists(ShortcutFolder() + "Quorvel.lnk"));
    EXPECT_TRUE(HasUninstallEntry());

    {
        Marnelo app(inst);
        ASSERT_TRUE(app.WaitForNotes(1));
        EXPECT_EQ(app.NoteTexts(), std::vector<std::string>{"付箋です。"});
        ASSERT_EQ(app.End(), 0);
    }
    // The save started the installed backup; the program file is only free once it has ended.
    std::string dayCopy = "snapkeep\\" + DateStamp(LocalNow()) + "\\fdir\\marnelo.txt";
    ASSERT_TRUE(WaitFor([&] { return inst.Exists(dayCopy) && !IsRunning("snapkeep.exe"); }, 15000));

    ASSERT_EQ(RunAndWait(inst.PathOf("uninstall.exe"), "/S", 60000), 0);
    // The uninstaller goes on from a copy of itself and removes its own file last.
    ASSERT_TRUE(WaitFor([&] { return !inst.Exists("uninstall.exe"); }, 30000));
    for (const char* file : kInstalledFiles) EXPECT_FALSE(inst.Exists(file)) << file;
    EXPECT_FALSE(FolderExists(ShortcutFolder()));
    EXPECT_FALSE(HasUninstallEntry());
    EXPECT_THAT(inst.BoardTexts("fdir\\marnelo.txt"), testing::ElementsAre("付箋です。"));
    EXPECT_TRUE(inst.Exists("Marnelo.ini"));
    EXPECT_TRUE(inst.Exists(dayCopy));
}
