#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScanHarness.h"

namespace {

using Outcome = scan::Reaction::Outcome;

const std::vector<std::string> kLetters = {"A", "B", " BA", " BE", "C", " CA", "D"};

TEST(ScanWalk, TheHighlightMovesRowByRowInDisplayOrder) {
    struct Row {
        const char* rule;
        std::vector<std::string> tree;
        std::vector<std::string> open;
        const char* from;  // "" for no highlight
        const char* to;
    };
    const Row rows[] = {
        {"from a key to the next", kLetters, {}, "A", "B"},
        {"over a closed group", kLetters, {}, "B", "C"},
        {"into an open group's first child", kLetters, {"B"}, "B", "BA"},
        {"out of a group's last child to what follows the group", kLetters, {"B"}, "BE", "C"},
        {"out of nested last children at once", {"A", " B", "  C", "D"}, {"A", "B"}, "C", "D"},
        {"nowhere from the last visible node", kLetters, {}, "D", "D"},
        {"a highlight hidden in a closed group counts as the first row", kLetters, {}, "BA", "B"},
        {"no highlight at all goes to the first row", kLetters, {}, "", "A"},
    };
    for (const Row& row : rows) {
        ScanHarness tree(row.tree);
        for (const std::string& group : row.open) tree.Open(tree.NodeNamed(group));
        tree.Highlight(std::string(row.from).empty() ? scan::kNoNode : tree.NodeNamed(row.from));
        EXPECT_EQ(tree.Text(scan::NextVisible(tree, tree.Highlighted())), row.to) << row.rule;
    }
}

TEST(Scanner, StepsFollowTheRulesOfTheScan) {
    struct Row {
        const char* rule;
        std::vector<std::string> tree;
        bool passTwice;
        const char* events;
        const char* seen;  // the highlight after each event
    };
    const Row rows[] = {
        {"switching on highlights the first key", kLetters, true, "on", "A"},
        {"the first node comes one step after the last",
         {"A", "B", "C"},
         true,
         "on step step step step",
         "A B C A B"},
        {"a single top-level node: every step after the first restarts",
         {"A"},
         true,
         "on step step step",
         "A A A A"},
        {"two neighbours with the same text restart as if the list had ended",
         {"X", "A", "A", "B"},
         true,
         "on step step step",
         "X A X A"},
        {"a letter group's first child of the same text shows right after entering",
         {"B", " B", " BA"},
         true,
         "on press step step",
         "B B B BA"},
        {"pass twice: the group's children, then its node again, then what follows",
         {"A", "B", " BA", " BE", "C"},
         true,
         "on step press step step step step",
         "A B B BA BE B C"},
        {"pass twice with one child: the child for one step, then the group's node",
         {"B", " BA", "C"},
         true,
         "on press step step step",
         "B B BA B C"},
        {"without pass twice the scan runs on past the group until the list ends",
         {"B", " BA", "C"},
         false,
         "on press step step step step",
         "B B BA C B C"},
        {"a press on an open group closes every group and the scan goes on from it",
         {"A", "B", " BA", "C"},
         true,
         "on step press press step",
         "A B B B C"},
        {"a press on a key restarts at the first key",
         {"A", "B", "C"},
         true,
         "on step step press step",
         "A B C A B"},
        {"an inner group replaces the counting; the outer group stays open",
         {"B", " BA", " BB", "  BBA", "  BBE", " BC", "C"},
         true,
         "on press step step press step step step step",
         "B B BA BB BB BBA BBE BB BC"},
    };
    for (const Row& row : rows) {
        ScanHarness scan(row.tree);
        scan.options.passTwice = row.passTwice;
        EXPECT_EQ(scan.Do(row.events), row.seen) << row.rule;
    }
}

TEST(Scanner, TheColumnFollowsTheGroupsEntered) {
    struct Row {
        const char* rule;
        bool passTwice;
        const char* events;
        int column;
    };
    const int in = 20 + ScanHarness::kIndent;
    const Row rows[] = {
        {"at the top level", true, "on step", 20},
        {"one indent in after entering a group", true, "on press", in},
        {"two indents in after entering a group inside it", true, "on press step step press",
         in + ScanHarness::kIndent},
        {"back one indent at a group return", true, "on press step step step step step", 20},
        {"back at the top level after a press closes every group", true,
         "on press step step press press", 20},
        {"kept inside without pass twice until the restart", false, "on press step", in},
    };
    for (const Row& row : rows) {
        ScanHarness scan({"B", " BA", " BB", "  BBA", "C"});
        scan.options.passTwice = row.passTwice;
        scan.Do(row.events);
        EXPECT_EQ(scan.scanner.Column(), row.column) << row.rule;
    }
}

TEST(Scanner, AGroupReturnHoldsTheGroupsNodeForAPause) {
    struct Row {
        const char* rule;
        bool pause;
        std::vector<std::string> notes;
    };
    const Row rows[] = {
        {"with the timer, a step time and 300 ms more", true, {"Timer off", "Pause 1300"}},
        {"with a switch that moves, no pause: the timer runs on", false, {"Timer off", "Timer on"}},
    };
    for (const Row& row : rows) {
        ScanHarness scan({"B", " BA", "C"});
        scan.options.pauseAfterGroupReturn = row.pause;
        scan.Do("on press step");
        scan.notes.clear();
        EXPECT_EQ(scan.Run(scan.scanner.Step(scan, scan.options)), Outcome::GroupReturn)
            << row.rule;
        EXPECT_EQ(scan.notes, row.notes) << row.rule;
        scan.notes.clear();
        scan.Run(scan.scanner.PauseOver(scan.options));
        EXPECT_EQ(scan.notes, std::vector<std::string>{"Timer on"}) << "after the pause";
    }
}

TEST(Scanner, TheHighlightedKeyIsReadAndTheScanHoldsUntilTheReadingEnds) {
    struct Row {
        const char* rule;
        bool engineTakes;
        const char* events;
        std::vector<std::string> notes;
    };
    const Row rows[] = {
        {"switching on reads the first key and the timer waits for the reading",
         true,
         "on",
         {"Read r\xC0", "Timer off", "Waits"}},
        {"switching on with the engine busy lets the timer run at once",
         false,
         "on",
         {"Read r\xC0", "Timer on"}},
        {"a step reads the key in small letters, A to Z only",
         true,
         "on step",
         {"Read r\xC0", "Timer off", "Waits", "Read b\xC9", "Timer off", "Waits"}},
        {"a press on a key reads the first key and the press leaves the timer to the reading",
         true,
         "on step press",
         {"Read r\xC0", "Timer off", "Waits", "Read b\xC9", "Timer off", "Waits", "Timer off",
          "Read r\xC0", "Timer off", "Waits"}},
        {"a press on a key with the engine busy lets the timer run at the press's end",
         false,
         "on step press",
         {"Read r\xC0", "Timer on", "Read b\xC9", "Timer off", "Read r\xC0", "Timer on"}},
    };
    for (const Row& row : rows) {
        ScanHarness scan({"R\xC0", "B\xC9"});
        scan.options.readKeys = true;
        scan.engineTakesReadings = row.engineTakes;
        scan.Do(row.events);
        EXPECT_EQ(scan.notes, row.notes) << row.rule;
    }
}

TEST(Scanner, AfterAReadingTheStepTimeStartsAgain) {
    ScanHarness scan({"A", "B"});
    scan.options.readKeys = true;
    scan.Do("on step");
    scan.notes.clear();
    scan.Run(scan.scanner.ReadingEnded(scan, scan.options));
    EXPECT_EQ(scan.notes, std::vector<std::string>{"Timer on"});
    EXPECT_EQ(scan.scanner.PreviousText(), "B") << "the key read is the one compared with next";
    scan.options.scanning = false;
    scan.notes.clear();
    scan.Run(scan.scanner.ReadingEnded(scan, scan.options));
    EXPECT_TRUE(scan.notes.empty()) << "scanning switched off meanwhile stays off";
}

TEST(Scanner, TheMovingSwitchMakesOneStepAndTheTimerStartsAgain) {
    ScanHarness scan({"A", "B", "C"});
    scan.Do("on");
    scan.notes.clear();
    EXPECT_EQ(scan.Run(scan.scanner.MovePressed(scan, scan.options)), Outcome::Moved);
    EXPECT_EQ(scan.HighlightedText(), "B");
    EXPECT_EQ(scan.notes, (std::vector<std::string>{"Timer off", "Timer on"}));
}

TEST(Scanner, WithScanningOffARestartDoesNothing) {
    ScanHarness scan({"A", "B", " BA"});
    scan.options.scanning = false;
    scan.Highlight(scan.NodeNamed("BA"));
    scan.Open(scan.NodeNamed("B"));
    const scan::Reaction restart = scan.scanner.Restart(scan, scan.options);
    EXPECT_EQ(restart.outcome, Outcome::None);
    EXPECT_TRUE(restart.actions.empty());
    EXPECT_TRUE(scan.scanner.Pressed(scan.options).actions.empty())
        << "a click with scanning off leaves the timer alone";
}

TEST(Scanner, ACountedGroupThatWentWithItsKeyboardIsNotHighlighted) {
    ScanHarness scan({"B", " BA", "C"});
    scan.Do("on press step");
    scan.scanner.ForgetGroup();
    EXPECT_EQ(scan.Run(scan.scanner.Step(scan, scan.options)), Outcome::GroupReturn);
    EXPECT_EQ(scan.HighlightedText(), "C") << "the highlight moved on and stays";
}

}  // namespace
