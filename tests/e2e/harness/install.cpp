#include "harness/install.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "common/file_io.h"
#include "launcher/model/note_file.h"

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

void MakeParents(const std::string& path) {
    for (std::size_t i = path.find('\\', 3); i != std::string::npos; i = path.find('\\', i + 1))
        CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

}  // namespace

std::string BuildFolder() {
    return ExecutableFolder();
}

Install Install::Empty(const std::string& subfolder) {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "run";
    Install install;
    std::string root = BuildFolder() + "e2e-runs\\" + name + "\\";
    RemoveTree(root);
    install.folder_ = subfolder.empty() ? root : root + subfolder + "\\";
    MakeParents(install.folder_);
    return install;
}

Install Install::Fresh(const std::string& subfolder) {
    Install install = Empty(subfolder);
    for (const char* program : {"marnelo.exe", "quorvel.exe", "recorder.exe"})
        CopyFileA((BuildFolder() + program).c_str(), (install.folder_ + program).c_str(), FALSE);
    install.WithCopyOf("snapkeep_counter.exe", "snapkeep.exe");
    install.WithCopyOf("MarneloHelp\\help.html", "MarneloHelp\\help.html");
    return install;
}

Install& Install::WithCopyOf(const std::string& program, const std::string& relative) {
    MakeParents(folder_ + relative);
    CopyFileA((BuildFolder() + program).c_str(), (folder_ + relative).c_str(), FALSE);
    return *this;
}

Install& Install::WithFile(const std::string& relative, const std::string& bytes) {
    std::string path = folder_ + relative;
    MakeParents(path);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return *this;
}

Install& Install::WithBoard(const std::string& name, const std::vector<Note>& records) {
    std::string text;
    for (const Note& note : records) text += RecordOf(note);
    return WithFile("fdir\\" + name, text);
}

std::string Install::Read(const std::string& relative) const {
    return ReadWholeFile(folder_ + relative).value_or("");
}

std::vector<Note> Install::Board(const std::string& relative) const {
    return ParseNotes(Read(relative), {});
}

bool Install::Exists(const std::string& relative) const {
    return FileExists(folder_ + relative);
}

bool Install::FolderExists(const std::string& relative) const {
    return ::FolderExists(folder_ + relative);
}

Note BoardNote(const std::string& text, int x, int y, int width, int height) {
    Note note;
    note.text = text;
    note.x = x;
    note.y = y;
    note.width = width;
    note.height = height;
    return note;
}

std::string RecordOf(const Note& note) {
    return FormatNote(note);
}

std::string RecordLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
    return line + "\r\n";
}

std::vector<std::string> Install::DataFolderOrder() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    HANDLE find = FindFirstFileA(PathOf("fdir\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
}

std::vector<std::string> Install::BoardTexts(const std::string& relative) const {
    std::vector<std::string> texts;
    for (const Note& note : Board(relative)) texts.push_back(note.text);
    return texts;
}
