#include "launcher/rules/handoff.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "launcher/resources/messages.h"

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

namespace {

HandOver Switch(const char* path) {
    return {MSG_ACTIVATE, path};
}

// What a run of the queue does, one word per hand-over: the board, or "end", "exec", "clipb".
std::string Word(const HandOver& h) {
    if (h.message == MSG_END) return "end";
    if (h.message == MSG_EXEC) return "exec";
    if (h.message == MSG_CLIPB) return "clipb";
    return h.boardPath;
}

std::vector<std::string> RunAll(HandOverQueue& queue) {
    std::vector<std::string> ran;
    while (std::optional<HandOver> next = queue.Next()) ran.push_back(Word(*next));
    return ran;
}

}  // namespace

TEST(HandOverQueue, BoardsHandedOverDuringASwitchWaitForItInTheirOrder) {
    HandOverQueue queue;
    std::vector<std::string> ran;
    ASSERT_TRUE(queue.Arrive(Switch("a.txt")));
    while (std::optional<HandOver> next = queue.Next()) {
        ran.push_back(Word(*next));
        // More arrive while the first switch saves: they wait, the running loop takes them.
        if (ran.size() == 1) {
            EXPECT_FALSE(queue.Arrive(Switch("b.txt")));
            EXPECT_FALSE(queue.Arrive({MSG_CLIPB, ""}));
            EXPECT_FALSE(queue.Arrive(Switch("c.txt")));
        }
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"a.txt", "b.txt", "clipb", "c.txt"}));
    EXPECT_TRUE(queue.Arrive(Switch("d.txt"))) << "the run is over: the next runs at once";
    EXPECT_EQ(RunAll(queue), std::vector<std::string>{"d.txt"});
}

TEST(HandOverQueue, SwitchAndEndWaitForTheEditDialogAndThenRunInTheirOrder) {
    HandOverQueue queue;
    queue.Hold();
    EXPECT_TRUE(queue.Arrive({MSG_EXEC, ""})) << "a new note disturbs no dialog";
    EXPECT_EQ(RunAll(queue), std::vector<std::string>{"exec"});
    EXPECT_FALSE(queue.Arrive(Switch("a.txt")));
    EXPECT_EQ(RunAll(queue), std::vector<std::string>{}) << "nothing runs while held";
    EXPECT_FALSE(queue.Arrive({MSG_CLIPB, ""})) << "it waits behind the switch";
    EXPECT_FALSE(queue.Arrive({MSG_END, ""}));
    ASSERT_TRUE(queue.Release());
    EXPECT_EQ(RunAll(queue), (std::vector<std::string>{"a.txt", "clipb", "end"}));
    EXPECT_FALSE(queue.Release()) << "nothing left to run";

    // A dialog opened by a hand-over of a run under way holds the rest of that run; closing
    // it leaves them to the run, which goes on.
    ASSERT_TRUE(queue.Arrive(Switch("b.txt")));
    ASSERT_EQ(Word(*queue.Next()), "b.txt");
    queue.Hold();
    EXPECT_FALSE(queue.Arrive(Switch("c.txt")));
    EXPECT_FALSE(queue.Release()) << "the run under way takes it";
    EXPECT_EQ(RunAll(queue), std::vector<std::string>{"c.txt"});
}
