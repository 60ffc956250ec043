#include "launcher/frame/handoff.h"

#include <gtest/gtest.h>

TEST(PlanHandoff, ExactWordsHaveTheirOwnMessage) {
    const std::string path = "C:\\app\\fdir\\work.txt";
    // The message numbers are what another copy of the program sends: they must not move.
    struct Case {
        const char* argument;
        const char* title;
        unsigned message;
    };
    const Case cases[] = {
        {"", "", 9997},  // activate: bring the notes to the front
        {"exec", "", 9995},
        {"clipb", "", 9996},
        {"end", "C:\\app\\fdir\\work.txt", 9994},
        {"End", "C:\\app\\fdir\\work.txt", 9997},  // case matters: this is a board
        {"CLIPB", "C:\\app\\fdir\\work.txt", 9997},
        {"exec ", "C:\\app\\fdir\\work.txt", 9997},
        {"work.txt", "C:\\app\\fdir\\work.txt", 9997}};
    for (const Case& c : cases) {
        Handoff h = PlanHandoff(c.argument, path);
        EXPECT_EQ(h.title, c.title) << '"' << c.argument << '"';
        EXPECT_EQ(h.message, c.message) << '"' << c.argument << '"';
    }
}

TEST(FirstStartRefusal, OnlyClipbAndExecAreRefused) {
    EXPECT_STREQ(FirstStartRefusal("clipb"), "起動後にclipを実行して下さい");
    EXPECT_STREQ(FirstStartRefusal("exec"), "起動後にexeを実行して下さい");
    for (const char* argument : {"", "end", "Clipb", "EXEC", "work.txt"})
        EXPECT_EQ(FirstStartRefusal(argument), nullptr) << argument;
}

TEST(TakesHandOff, ANoteWindowOfOurClassWithAnEmptyTitle) {
    EXPECT_TRUE(TakesHandOff("marn", 0));
    EXPECT_FALSE(TakesHandOff("marn", 3)) << "a hand-over is already waiting there";
    EXPECT_FALSE(TakesHandOff("Marn", 0));
    EXPECT_FALSE(TakesHandOff("marnx", 0));
}

TEST(HandOverQueue, BoardsHandedOverDuringASwitchWaitForItInTheirOrder) {
    HandOverQueue queue;
    std::vector<std::string> switched;
    ASSERT_TRUE(queue.Arrive("a.txt"));
    for (std::string next = queue.Next(); !next.empty(); next = queue.Next()) {
        switched.push_back(next);
        // Two more arrive while the first switch saves: they wait, the running loop takes them.
        if (next == "a.txt") {
            EXPECT_FALSE(queue.Arrive("b.txt"));
            EXPECT_FALSE(queue.Arrive("c.txt"));
        }
    }
    EXPECT_EQ(switched, (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_TRUE(queue.Arrive("d.txt")) << "the run is over: the next hand-over runs at once";
    EXPECT_EQ(queue.Next(), "d.txt");
    EXPECT_EQ(queue.Next(), "");
}
