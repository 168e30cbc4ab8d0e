#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scan/ScanState.h"

namespace {

constexpr int kIndent = 19;

// What happens to the scan, in order: "open G N" enters group G of N children, "close"
// closes every group, "step" is one scanning step, "restart H" restarts with H highlighted.
struct Event {
    enum Kind { Open, Close, Step, Restart } kind;
    char group = 0;
    int children = 0;
};

Event Open(char group, int children) { return {Event::Open, group, children}; }
Event Close() { return {Event::Close}; }
Event Step() { return {Event::Step}; }
Event Restart(char highlighted) { return {Event::Restart, highlighted}; }

// Runs the events and writes down, for each step, the group the highlight returns to, or '-'.
std::string Returns(scan::ScanState<char>& state, const std::vector<Event>& events,
                    bool passTwice) {
    std::string returns;
    for (const Event& event : events) {
        switch (event.kind) {
            case Event::Open:
                state.Pressed();
                state.GroupOpened(event.group, event.children, kIndent, passTwice);
                break;
            case Event::Close:
                state.Pressed();
                state.GroupsClosed(passTwice);
                break;
            case Event::Step:
                returns += state.CountStep(passTwice, kIndent) ? state.CountedGroup() : '-';
                break;
            case Event::Restart:
                state.Restart(event.group, passTwice);
                break;
        }
    }
    return returns;
}

TEST(ScanState, PassTwiceReturnsToTheGroupAfterOnePassOverItsChildren) {
    struct Row {
        const char* rule;
        bool passTwice;
        std::vector<Event> events;
        std::string returns;  // one character a step
        int column;           // after the events
    };
    const Row rows[] = {
        {"a group of three: its node, three children, then back to its node",
         true,
         {Open('B', 3), Step(), Step(), Step(), Step(), Step()},
         "---B-",
         20},
        {"a group of one shows its child for one step, then its node",
         true,
         {Open('B', 1), Step(), Step(), Step()},
         "-B-",
         20},
        {"without pass-twice the scan runs on past the group, in its column",
         false,
         {Open('B', 2), Step(), Step(), Step(), Step(), Step()},
         "-----",
         39},
        {"an inner group replaces the counting, the outer one stays open",
         true,
         {Open('B', 15), Step(), Open('C', 2), Step(), Step(), Step(), Step(), Step()},
         "---C--",
         39},
        {"closing every group stops the counting",
         true,
         {Open('B', 2), Step(), Close(), Step(), Step(), Step()},
         "----",
         20},
        {"a restart stops the counting",
         true,
         {Open('B', 2), Step(), Restart('A'), Step(), Step(), Step()},
         "----",
         20},
        {"entering the group again after its return counts it again",
         true,
         {Open('B', 1), Step(), Step(), Open('B', 1), Step(), Step()},
         "-B-B",
         20},
    };
    for (const Row& row : rows) {
        scan::ScanState<char> state;
        EXPECT_EQ(Returns(state, row.events, row.passTwice), row.returns) << row.rule;
        EXPECT_EQ(state.Column(), row.column) << row.rule;
    }
}

TEST(ScanState, ARestartMakesTheHighlightedNodeTheCountedGroupWithNothingToCount) {
    scan::ScanState<char> state;
    state.GroupOpened('B', 4, kIndent, true);
    state.Restart('X', true);
    EXPECT_EQ(state.CountedGroup(), 'X');
    EXPECT_EQ(state.GroupChildren(), 0);
    EXPECT_EQ(state.GroupSteps(), 0);

    state.GroupOpened('B', 4, kIndent, false);
    state.Restart('Y', false);
    EXPECT_EQ(state.CountedGroup(), 'X') << "without pass-twice the counted group is left alone";
}

TEST(ScanState, TheListEndsWhenAStepShowsTheTextOfTheStepBefore) {
    struct Row {
        const char* rule;
        void (*between)(scan::ScanState<char>&);
        bool ended;
    };
    const Row rows[] = {
        {"nothing in between: the highlight did not move", [](scan::ScanState<char>&) {}, true},
        {"a press on the tree", [](scan::ScanState<char>& s) { s.Pressed(); }, false},
        {"a restart", [](scan::ScanState<char>& s) { s.Restart('A', true); }, false},
        {"a group return",
         [](scan::ScanState<char>& s) {
             s.GroupOpened('B', 1, kIndent, true);
             s.CountStep(true, kIndent);
             s.CountStep(true, kIndent);
         },
         false},
    };
    for (const Row& row : rows) {
        scan::ScanState<char> state;
        state.Remember("B");
        row.between(state);
        EXPECT_EQ(state.EndOfList("B"), row.ended) << row.rule;
        EXPECT_FALSE(state.EndOfList("BA")) << row.rule << ": another text never ends the list";
    }
}

}  // namespace
