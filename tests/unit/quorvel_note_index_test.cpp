// Reading Marnelo's boards into the board list, the note index and the note pairs.
#include <gtest/gtest.h>

#include "common/date_stamp.h"
#include "launcher/model/note_file.h"
#include "utility/model/note_index.h"
#include "utility/model/read_ahead.h"

#include <atomic>
#include <ctime>
#include <new>

namespace {

// <chrono> does not build with the code page 932 literals.
void SleepMilliseconds(long ms) {
    std::timespec pause{0, ms * 1000000};
    nanosleep(&pause, nullptr);
}

// A record line of `count` fields: text, command, then filler fields; CR LF ended.
std::string Record(const std::string& text, const std::string& command, int count) {
    std::string line = text + "\t" + command;
    for (int i = 3; i <= count; ++i) line += "\t" + std::to_string(i);
    return line + "\r\n";
}

TEST(QuorvelNoteIndex, FieldCountsThatMakeARecord) {
    struct Case {
        int fields;
        int taken;
    };
    for (Case c : {Case{12, 1}, Case{17, 1}, Case{20, 0}, Case{21, 1}, Case{28, 1}, Case{11, 0},
                   Case{13, 0}, Case{2, 0}}) {
        NoteLists lists;
        EXPECT_EQ(ParseNoteText(lists, "b.txt", Record("t", "c", c.fields)), c.taken)
            << c.fields << " fields";
        EXPECT_EQ(lists.pairs.size(), static_cast<std::size_t>(c.taken));
    }
}

TEST(QuorvelNoteIndex, DeletionHeadersAreNoPartOfANote) {
    Note note;
    note.text = "買い物";
    note.command = "notepad";
    // A deleted-notes file as Marnelo writes it: its header before every record.
    std::string old = DeletedNoteHeader({2026, 12, 9, 8, 5, 7}) + FormatNote(note) +
                      DeletedNoteHeader(LocalNow()) + FormatNote(note);
    NoteLists lists;
    EXPECT_EQ(ParseNoteText(lists, "marnelo.txt", old), 2);
    ASSERT_EQ(lists.pairs.size(), 2u);
    EXPECT_EQ(lists.pairs[1].text, "買い物");
    ASSERT_EQ(lists.index.rows.size(), 2u);
    EXPECT_EQ(lists.index.rows[0].note, "買い物");
    EXPECT_EQ(DeletedNoteHeader({2026, 12, 9, 8, 5, 7}), "--- 2026/12/09 08:05:07 ---\r\n");
    // Only a line of exactly that form, with its line end, at the start of a record's text.
    for (const char* text :
         {"--- 2026/12/09 08:05:07 ---\r\n買い物", "--- 2026/12/09 08:05:07 ---\n買い物"})
        EXPECT_EQ(DeletedNoteHeaderLength(text), std::string(text).size() - 6) << text;
    for (const char* text :
         {"--- 2026/12/09 08:05:07 ---", "--- 2026/12/9 08:05:07 ---\r\n",
          "--- 2026/12/09 08:05:07 --- x\r\n", "x--- 2026/12/09 08:05:07 ---\r\n",
          "--- 2026-12-09 08:05:07 ---\r\n", "--- 2026/1a/09 08:05:07 ---\r\n"})
        EXPECT_EQ(DeletedNoteHeaderLength(text), 0u) << text;
}

TEST(QuorvelNoteIndex, FullRecordsGiveTwoRowsAndOnePair) {
    NoteLists lists;
    std::string board = Record("買い物", "notepad memo.txt", 28) + Record("電話", "", 28) +
                        Record("買い物", "other", 28) + Record("ignored", "x", 20) +
                        Record("short", "cmd", 12);
    EXPECT_EQ(ParseNoteText(lists, "marnelo.txt", board), 4);
    ASSERT_EQ(lists.index.rows.size(), 7u) << "the same text on one board is one row";
    EXPECT_EQ(lists.index.rows[0].board, "marnelo.txt");
    EXPECT_EQ(lists.index.rows[0].note, "買い物");
    EXPECT_EQ(lists.index.rows[1].note, "notepad memo.txt");
    EXPECT_EQ(lists.index.rows[2].note, "電話");
    EXPECT_EQ(lists.index.rows[3].note, "");  // an empty command is a row of its own
    EXPECT_EQ(lists.index.rows[4].note, "other");
    EXPECT_EQ(lists.index.rows[5].note, "short");
    EXPECT_EQ(lists.index.rows[6].note, "cmd");
    ASSERT_EQ(lists.pairs.size(), 4u) << "pairs keep duplicates";
    EXPECT_EQ(lists.pairs[2].text, "買い物");
    EXPECT_EQ(lists.pairs[2].command, "other");
    // A row's note string shows the first pair it belongs to, by text or by command.
    EXPECT_EQ(PairOfNote(lists.pairs, "買い物"), &lists.pairs[0]);
    EXPECT_EQ(PairOfNote(lists.pairs, "other"), &lists.pairs[2]);
    EXPECT_EQ(PairOfNote(lists.pairs, "ignored"), nullptr);
    // The same note on another board is a row of its own.
    ParseNoteText(lists, "work.txt", Record("買い物", "x", 28));
    EXPECT_EQ(lists.index.rows.size(), 9u);
    // Reading the same board again adds pairs, no rows.
    ParseNoteText(lists, "marnelo.txt", board);
    EXPECT_EQ(lists.index.rows.size(), 9u);
    EXPECT_EQ(lists.pairs.size(), 9u);
}

TEST(QuorvelNoteIndex, RowsStayUniqueWhileTheIndexGrowsOverManyBoards) {
    NoteLists lists;
    auto board = [](int first, int count) {
        std::string text;
        for (int i = first; i < first + count; ++i)
            text += Record("note " + std::to_string(i), "cmd " + std::to_string(i % 7), 28);
        return text;
    };
    // Each board is read twice, the second time half of it again, across many growths of
    // the table that finds rows already present.
    for (int b = 0; b < 40; ++b)
        TakeNoteFile(lists, "b" + std::to_string(b % 20),
                     board((b % 20) * 50 + (b / 20) * 50, 100));
    // 150 texts and seven commands a board; the same note on another board is another row.
    std::size_t expected = 20 * (150 + 7);
    EXPECT_EQ(lists.index.rows.size(), expected);
    EXPECT_EQ(lists.pairs.size(), 4000u);
}

TEST(QuorvelReadAhead, FilesComeInTheirOrderAndAnUnreadableOneIsNothing) {
    std::atomic<int> reads{0};
    std::vector<std::string> paths;
    for (int i = 0; i < 50; ++i) paths.push_back(std::to_string(i));
    ReadAhead files(paths, [&](const std::string& path) -> std::optional<std::string> {
        ++reads;
        if (path == "7") return std::nullopt;
        if (path == "8") throw std::bad_alloc();
        // Some reads take a while, so that taking sometimes waits and sometimes does not.
        if (std::stoi(path) % 10 == 0) SleepMilliseconds(2);
        return "content " + path;
    });
    for (std::size_t at = 0; at < files.size(); ++at) {
        std::optional<std::string> content = files.Take(at);
        if (at == 7 || at == 8)
            EXPECT_FALSE(content) << at;
        else
            EXPECT_EQ(content, "content " + std::to_string(at));
    }
    EXPECT_EQ(reads, 50);
    EXPECT_FALSE(files.Take(50));
}

TEST(QuorvelReadAhead, LeavingEarlyStopsTheReading) {
    std::atomic<int> reads{0};
    {
        ReadAhead files(std::vector<std::string>(1000, "x"), [&](const std::string&) {
            ++reads;
            SleepMilliseconds(1);
            return std::optional<std::string>("x");
        });
        EXPECT_EQ(files.Take(0), "x");
    }
    EXPECT_LT(reads, 1000);
}

TEST(QuorvelNoteIndex, TextAndCommandMaySpanLines) {
    NoteLists lists;
    EXPECT_EQ(ParseNoteText(lists, "b", Record("一行目\r\n二行目", "cmd\r\nline", 28)), 1);
    ASSERT_EQ(lists.pairs.size(), 1u);
    EXPECT_EQ(lists.pairs[0].text, "一行目\r\n二行目");
    EXPECT_EQ(lists.pairs[0].command, "cmd\r\nline");
}

TEST(QuorvelNoteIndex, DamagedContentGivesNothingAndNeverReadsPastTheEnd) {
    NoteLists lists;
    std::string full = Record("a", "b", 28);
    EXPECT_EQ(ParseNoteText(lists, "b", ""), 0);
    EXPECT_EQ(ParseNoteText(lists, "b", full.substr(0, full.size() - 2)), 1)
        << "a last line without its line end is still the note the launcher shows";
    EXPECT_EQ(ParseNoteText(lists, "b", std::string("\t\t\r\n\n\n\t")), 0);
    EXPECT_EQ(ParseNoteText(lists, "b", std::string(2 + 26 * 3, '\t')), 1)
        << "the tabs after the 26th field are no further records";
    // A damaged line does not take the next good record with it.
    NoteLists again;
    EXPECT_EQ(ParseNoteText(again, "b", Record("bad", "x", 5) + Record("good", "y", 28)), 1);
    EXPECT_EQ(again.pairs[0].text, "good");
}

TEST(QuorvelBoardList, SourcesAreTheFolderFilesThenTheOutsideBoards) {
    auto shown = [](bool boardsOnly) {
        std::vector<std::string> lines;
        for (const BoardSource& s :
             BoardSources("C:\\fdir", {"a.txt"}, "\"D:\\x y.txt\"\r\n\r\nE:\\z.txt\n", boardsOnly))
            lines.push_back(s.board + "|" + s.path);
        return lines;
    };
    EXPECT_EQ(shown(false),
              (std::vector<std::string>{"a.txt|C:\\fdir\\a.txt", "D:\\x y.txt|D:\\x y.txt",
                                        "E:\\z.txt|E:\\z.txt"}));
    EXPECT_EQ(shown(true)[1], "\"D:\\x y.txt\"|D:\\x y.txt");
}

TEST(QuorvelBoardList, QuotesAndAddMode) {
    BoardList boards;
    AddBoard(boards, "marnelo.txt", 0, 0);
    AddBoard(boards, "\"C:\\memo dir\\a.txt\"", 0, 0);
    AddBoard(boards, "C:\\memo dir\\a.txt", 0, 0);
    AddBoard(boards, "\"", 0, 0);  // one quote is no pair of quotes
    ASSERT_EQ(boards.count(), 3);
    EXPECT_EQ(boards.names[1], "C:\\memo dir\\a.txt");
    EXPECT_EQ(boards.names[2], "\"");
    EXPECT_EQ(boards.currentBoard, -1) << "without addmode nothing becomes current";
    AddBoard(boards, "marnelo.txt", 0, 1);
    EXPECT_EQ(boards.currentBoard, 0) << "a board found becomes current";
    AddBoard(boards, "old.txt", 1, 1);
    EXPECT_EQ(boards.currentBoard, 3) << "a board added becomes current";
    EXPECT_EQ(boards.pastFlag[3], 1);
    AddBoard(boards, "\"\"", 0, 0);
    EXPECT_EQ(boards.names.back(), "");
}

TEST(QuorvelBoardList, RemoveBoardKeepsTheOthersAndTheCurrentOne) {
    BoardList boards;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) AddBoard(boards, name, 0, 0);
    boards.pastFlag[2] = 1;
    AddBoard(boards, "c.txt", 0, 1);
    RemoveBoard(boards, "a.txt");
    EXPECT_EQ(boards.names, (std::vector<std::string>{"b.txt", "c.txt"}));
    EXPECT_EQ(boards.pastFlag, (std::vector<int>{0, 1}));
    EXPECT_EQ(boards.currentBoard, 1) << "the current board is still c.txt";
    RemoveBoard(boards, "missing.txt");
    EXPECT_EQ(boards.count(), 2);
    RemoveBoard(boards, "c.txt");
    EXPECT_EQ(boards.currentBoard, -1);
    EXPECT_EQ(boards.names, (std::vector<std::string>{"b.txt"}));
}

TEST(QuorvelBoardList, FileOfABoard) {
    EXPECT_EQ(BoardFilePath("C:\\q\\", "a.txt"), "C:\\q\\fdir\\a.txt");
    EXPECT_EQ(BoardFilePath("C:\\q\\", "D:\\memo\\a.txt"), "D:\\memo\\a.txt");
    EXPECT_EQ(BoardFilePath("C:\\q\\", "表.txt"), "C:\\q\\fdir\\表.txt");  // 0x5C trail byte
    EXPECT_EQ(PastNoteFolderPath("C:\\q\\"), "C:\\q\\fdir\\old");
}

}  // namespace
