// recycle_file_win.h — deleting through the shell, so that what is deleted can be taken back.
#pragma once
#include <string>

// To the recycle bin without a question or a progress window; a folder pattern's "\*" is
// dropped first. True when the shell reports success.
bool RecycleFile(const std::string& path);
