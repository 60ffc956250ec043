// install.h — a fresh install folder per test: the program files copied in, the note, list
// and settings files written as the test wants them, and files read back afterwards.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "launcher/model/note.h"

class Install {
  public:
    // An empty folder named after the running test (or a `subfolder` of it, which may hold
    // spaces), holding the programs and the test stand-ins snapkeep.exe (which only counts its
    // starts; WithCopyOf("snapkeep.exe", "snapkeep.exe") installs the real one) and recorder.exe.
    static Install Fresh(const std::string& subfolder = "");
    // The same folder with nothing in it, for an installer to fill.
    static Install Empty(const std::string& subfolder = "");

    // A copy of one of the built programs at `relative`, e.g. "my tools\\recorder.exe".
    Install& WithCopyOf(const std::string& program, const std::string& relative);

    Install& WithFile(const std::string& relative, const std::string& bytes);
    Install& WithBoard(const std::string& name, const std::vector<Note>& records);
    Install& WithSettings(const std::string& iniText) { return WithFile("Marnelo.ini", iniText); }

    const std::string& Folder() const { return folder_; }  // with a trailing backslash
    std::string PathOf(const std::string& relative) const { return folder_ + relative; }
    std::string Read(const std::string& relative) const;  // empty when missing
    // The notes of a note file of the install folder, decoded as Marnelo reads them.
    std::vector<Note> Board(const std::string& relative) const;
    std::vector<std::string> BoardTexts(const std::string& relative) const;  // their texts
    bool Exists(const std::string& relative) const;
    bool FolderExists(const std::string& relative) const;
    // The data folder's files in the order the system lists them: the order of the boards.
    std::vector<std::string> DataFolderOrder() const;

  private:
    std::string folder_;
};

// A file held open without sharing, as another program may hold it for longer than the
// programs' retries.
class HeldFile {
  public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    void Release() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

// A note at (x, y) of the given full size, everything else as a new record has it.
Note BoardNote(const std::string& text, int x, int y, int width = 120, int height = 60);

// The folder of the test program, where the built executables lie.
std::string BuildFolder();

// One record in the current 26-field layout; TAB-joined fields with CR LF otherwise.
std::string RecordOf(const Note& note);
std::string RecordLine(const std::vector<std::string>& fields);
