// "filelist.txt": what Marnelo reads, writes back and reads again is the same list of outside
// boards, with or without a separator ending the data folder's path.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/model/board_list.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void RequireListRoundTrip(std::string_view text, std::string_view dataFolder) {
    std::vector<std::string> boards;
    ReadOutsideList(boards, text, dataFolder);
    for (const std::string& board : boards) {
        Require(!board.empty() && board.find_first_of("\r\n") == std::string::npos,
                "an entry is one non-empty line");
        Require(!LiesInDataFolder(board, dataFolder), "no entry lies in the data folder");
        PlanBoardSwitch(board, "marnelo.txt", dataFolder, "C:\\m\\fdir\\old");
    }

    std::vector<std::string> kept = boards;
    std::optional<std::string> written =
        KnownBoardsText(kept, [](const std::string&) { return true; });
    Require(written.has_value() == !boards.empty(), "an empty list leaves the file as it is");
    if (!written) return;
    Require(kept == boards, "existing boards stay listed");
    std::vector<std::string> reread;
    ReadOutsideList(reread, *written, dataFolder);
    Require(reread == boards, "the written list reads back the same");

    // Boards whose file is gone drop out of what is written, and only they.
    std::vector<std::string> some = boards;
    written = KnownBoardsText(some, [](const std::string& path) { return path.size() % 2 == 0; });
    std::vector<std::string> left;
    for (const std::string& board : boards)
        if (board.size() % 2 == 0) left.push_back(board);
    reread.clear();
    ReadOutsideList(reread, *written, dataFolder);
    Require(reread == left, "only boards whose file is gone drop out");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(bytes), size);
    RequireListRoundTrip(text, "C:\\m\\fdir");
    RequireListRoundTrip(text, "C:\\m\\fdir\\");
    // The first line as the data folder, so that any folder name, Japanese ones too, is tried.
    std::size_t end = text.find_first_of("\r\n");
    if (end != std::string_view::npos) RequireListRoundTrip(text.substr(end), text.substr(0, end));
    return 0;
}
