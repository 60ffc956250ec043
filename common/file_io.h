// file_io.h — whole-file reads and writes both programs use for their note, list and log files.
// Paths are code page 932 byte strings.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The whole content, or nothing when the file cannot be opened without sharing or read.
// Both programs hold these files unshared for a moment, so a held file is tried again briefly.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes a temporary file beside `path` and puts it in place in one step, so a failed write
// leaves the old content as it was. Returns false when nothing was replaced.
bool ReplaceWholeFile(const std::string& path, const std::string& text);

struct FileReplacement {
    std::string path;
    std::string text;
};

// Files that belong together change together or not at all: every temporary file is written
// before the first one is put in place, and when one cannot be put in place those already
// replaced get their old content back. Each file always holds one whole version.
bool ReplaceFiles(const std::vector<FileReplacement>& files);

// Creates the file when missing and writes `text` at its end.
bool AppendToFile(const std::string& path, const std::string& text);

// Size from the folder entry, so a file held open by another program still has its size;
// 0 when there is no such file.
std::uint64_t FileSize(const std::string& path);
// The last write time from the folder entry, in the system's 100 ns units; 0 when there is none.
std::uint64_t FileWriteTime(const std::string& path);

bool FileExists(const std::string& path);  // an existing file that is not a folder
// False only when the system says there is no such file: a file whose attributes cannot be
// read may still hold data that must not be replaced.
bool MayExist(const std::string& path);
bool FolderExists(const std::string& path);
void CreateFolder(const std::string& path);  // an existing folder is no error
bool DeleteFileAt(const std::string& path);

// Names of the files (not folders) in `folder`, in the order the system enumerates them. The
// temporary file of a replacement in progress, or of one cut off, is no board of its own.
std::vector<std::string> ListFileNames(const std::string& folder);

// `path` made absolute against the current folder; `path` itself when the system cannot.
std::string FullPathOf(const std::string& path);

// The full path of the running executable; empty when the system cannot tell it.
std::string ExecutablePath();

// The folder of the running executable with its trailing backslash.
std::string ExecutableFolder();
