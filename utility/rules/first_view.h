// first_view.h — what Quorvel shows when it starts: the folder it was started on, else the
// folder and the text it was left with, else the drives.
#pragma once
#include <string>

enum class FirstListing {
    CommandFolder,  // the folder of the command line, already in the input line
    SavedFolder,    // the saved folder (NowDir), then the saved text (NowTxt) if any
    SavedText,      // only the saved text, over the note index
    Drives,
};

struct FirstView {
    FirstListing listing = FirstListing::Drives;
    std::string folder;  // the input line while the saved folder is listed
    std::string text;    // the input line afterwards; empty leaves it as it is
};

FirstView PlanFirstView(const std::string& commandText, const std::string& nowDir,
                        const std::string& nowTxt);
