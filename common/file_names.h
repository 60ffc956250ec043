// file_names.h — the name rules of the files the programs write and of the paths they start
// from.
#pragma once
#include <string>
#include <string_view>

// Beside both programs: the folder of the boards, its folder of deleted notes and the list of
// the boards kept elsewhere. Quorvel and the backup read what Marnelo writes there.
inline constexpr char kDataFolderName[] = "fdir";
inline constexpr char kDeletedFolderName[] = "fdir\\old";
inline constexpr char kOutsideListName[] = "filelist.txt";

// A file is first written beside its place under this suffix, then moved in.
inline constexpr char kTemporarySuffix[] = ".tmp~";
// The old content kept aside while files that belong together are replaced; it ends like a
// temporary file, so no listing offers it as a board.
inline constexpr char kKeptSuffix[] = ".old.tmp~";

// True for a name that ends in the temporary suffix after at least one character of its own.
bool IsTemporaryName(std::string_view name);

// The folder of a path, up to and including its last "\" that starts a character; empty when
// there is none.
std::string FolderOfPath(std::string_view path);
