#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ScanHarness.h"
#include "scan/SwitchRules.h"

namespace {

using Verdict = scan::SwitchFilter::Verdict;

// One event of a switch: down or up, at a time of the desktop's clock.
struct SwitchEvent {
    bool down;
    std::uint32_t at;
};

// The presses that count, for a switch read at its press with a timer for the acceptance time
// (a key, a joystick button) or only at its release (the mouse button's click). The fake clock
// runs the timer when its time comes before the next event, or after the last.
int Counted(const scan::SwitchRules& rules, const std::vector<SwitchEvent>& events,
            bool atRelease) {
    scan::SwitchFilter filter;
    int counted = 0;
    bool timerSet = false;
    const auto runTimer = [&](std::uint32_t before, bool always) {
        if (!timerSet || (!always && before - filter.DecidedAt() > UINT32_MAX / 2)) return;
        timerSet = false;
        if (filter.Held(rules, filter.DecidedAt()) == Verdict::Accepted) ++counted;
    };
    for (const SwitchEvent& event : events) {
        runTimer(event.at, false);
        const Verdict verdict =
            event.down ? filter.Down(rules, event.at) : filter.Up(rules, event.at);
        timerSet = event.down && verdict == Verdict::Pending && !atRelease;
        if (verdict == Verdict::Accepted) ++counted;
    }
    runTimer(0, true);
    return counted;
}

TEST(SwitchFilter, PressesCountByTheAcceptanceTimeAndTheRepeatFilter) {
    struct Row {
        const char* rule;
        scan::SwitchRules rules;
        std::vector<SwitchEvent> events;
        bool atRelease;
        int counted;
    };
    const Row rows[] = {
        {"all off: every press counts",
         {},
         {{true, 0}, {false, 50}, {true, 100}, {false, 150}},
         false,
         2},
        {"two presses 80 ms apart with a 300 ms filter type one key",
         {.repeatMs = 300},
         {{true, 0}, {false, 40}, {true, 80}, {false, 120}},
         false,
         1},
        {"a press 300 ms after the accepted one counts again",
         {.repeatMs = 300},
         {{true, 0}, {false, 40}, {true, 300}, {false, 340}},
         false,
         2},
        {"the filter counts from the accepted press, not from an ignored one",
         {.repeatMs = 300},
         {{true, 0}, {false, 20}, {true, 200}, {false, 220}, {true, 350}, {false, 370}},
         false,
         2},
        {"a 30 ms touch with a 100 ms acceptance does nothing",
         {.acceptanceMs = 100},
         {{true, 0}, {false, 30}},
         false,
         0},
        {"held past the acceptance time the press counts while still held",
         {.acceptanceMs = 100},
         {{true, 0}},
         false,
         1},
        {"held 150 ms with a 100 ms acceptance counts once",
         {.acceptanceMs = 100},
         {{true, 0}, {false, 150}},
         false,
         1},
        {"a click held long enough counts at its release",
         {.acceptanceMs = 100},
         {{true, 0}, {false, 120}},
         true,
         1},
        {"a click too brief does nothing",
         {.acceptanceMs = 100},
         {{true, 0}, {false, 60}},
         true,
         0},
        {"a touch too brief does not start the repeat filter",
         {.acceptanceMs = 100, .repeatMs = 500},
         {{true, 0}, {false, 30}, {true, 100}, {false, 250}},
         false,
         1},
        {"both filters: a long press, a bounce, a long press later",
         {.acceptanceMs = 50, .repeatMs = 400},
         {{true, 0}, {false, 90}, {true, 120}, {false, 200}, {true, 600}, {false, 700}},
         false,
         2},
        {"the clock wrapping in the middle of a press",
         {.acceptanceMs = 20},
         {{true, UINT32_MAX - 9}, {false, 20}},
         true,
         1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Counted(row.rules, row.events, row.atRelease), row.counted) << row.rule;
    }
}

TEST(SwitchRules, ValuesOutOfRangeGoToTheNearestOneOffered) {
    struct Row {
        const char* rule;
        scan::SwitchRules stored;
        scan::SwitchRules used;
    };
    const Row rows[] = {
        {"off stays off", {}, {}},
        {"values offered stay", {150, 700, 150, 4}, {150, 700, 150, 4}},
        {"below the range: the least", {-20, -1, 0, -3}, {0, 0, 100, 0}},
        {"above the range: the most", {1500, 9000, 350, 25}, {1000, 2000, 200, 10}},
        {"between two values: the nearer", {70, 140, 130, 3}, {50, 100, 150, 3}},
        {"halfway: the upper one", {25, 150, 125, 1}, {50, 200, 150, 1}},
        {"cue speeds offered stay", {0, 0, 100, 0, {175, true}}, {0, 0, 100, 0, {175, true}}},
        {"a cue slower than the reading: as fast", {0, 0, 100, 0, {-50}}, {0, 0, 100, 0, {0}}},
        {"a cue nearer as fast than the least faster: as fast",
         {0, 0, 100, 0, {60}},
         {0, 0, 100, 0, {0}}},
        {"a cue nearer the least faster: that one", {0, 0, 100, 0, {70}}, {0, 0, 100, 0, {125}}},
        {"a cue between two speeds: the nearer", {0, 0, 100, 0, {160}}, {0, 0, 100, 0, {150}}},
        {"a cue above the fastest: the fastest",
         {0, 0, 100, 0, {900, true}},
         {0, 0, 100, 0, {200, true}}},
    };
    for (const Row& row : rows) EXPECT_EQ(scan::Clamped(row.stored), row.used) << row.rule;
}

const std::vector<std::string> kLetters = {"A", "B", " BA", " BE", "C", " CA", "D"};

TEST(Scanner, TheFirstKeyOfAGroupStaysLonger) {
    struct Row {
        const char* rule;
        int percent;
        bool byTimer;  // the timer moves the highlight, not a moving switch
        bool readKeys;
        const char* events;  // the notes are those of the last event
        std::vector<std::string> notes;
    };
    const Row rows[] = {
        {"times 1: the first key stays a step", 100, true, false, "on step press step", {}},
        {"times 1.5: half a step more",
         150,
         true,
         false,
         "on step press step",
         {"Timer off", "Pause 500"}},
        {"times 2: a whole step more",
         200,
         true,
         false,
         "on step press step",
         {"Timer off", "Pause 1000"}},
        {"the second key of the group stays a step",
         200,
         true,
         false,
         "on step press step step",
         {}},
        {"a key of the top level stays a step", 200, true, false, "on step", {}},
        {"the moving switch's user takes their own time",
         200,
         false,
         false,
         "on step press step",
         {}},
        {"a key read aloud is held for its reading already",
         200,
         true,
         true,
         "on step press step",
         {"Read ba", "Timer off", "Waits"}},
    };
    for (const Row& row : rows) {
        ScanHarness scan(kLetters);
        scan.options.firstKeyPercent = row.percent;
        scan.options.pauseAfterGroupReturn = row.byTimer;
        scan.options.readKeys = row.readKeys;
        std::string events = row.events;
        const std::string last = events.substr(events.rfind(' ') + 1);
        scan.Do(events.substr(0, events.rfind(' ')));
        scan.notes.clear();
        scan.Do(last);
        EXPECT_EQ(scan.notes, row.notes) << row.rule;
    }
}

TEST(Scanner, AfterPassesWithoutAPressTheScanRests) {
    struct Row {
        const char* rule;
        std::vector<std::string> tree;
        int passes;
        const char* events;
        const char* seen;
    };
    const Row rows[] = {
        {"never by default",
         {"A", "B", "C"},
         0,
         "on step step step step step step",
         "A B C A B C A"},
        {"after one pass the highlight and the pointer stay on the last key",
         {"A", "B", "C"},
         1,
         "on step step step step",
         "A B C C C"},
        {"after two passes",
         {"A", "B", "C"},
         2,
         "on step step step step step step step",
         "A B C A B C C C"},
        {"a press starts the count again",
         {"A", "B", "C"},
         2,
         "on step step step press step step step step",
         "A B C A A B C A B"},
        {"the press that wakes it starts at the top with the groups closed, for one more pass",
         {"A", "B", " BA"},
         1,
         "on step step press step step",
         "A B B A B B"},
    };
    for (const Row& row : rows) {
        ScanHarness scan(row.tree);
        scan.options.restPasses = row.passes;
        EXPECT_EQ(scan.Do(row.events), row.seen) << row.rule;
    }
}

TEST(Scanner, ARestingScanStopsItsTimerAndAPressStartsItAgain) {
    ScanHarness scan({"A", "B"});
    scan.options.restPasses = 1;
    scan.Do("on step");
    scan.notes.clear();
    EXPECT_EQ(scan.Run(scan.scanner.Step(scan, scan.options)), scan::Reaction::Outcome::Rested);
    EXPECT_EQ(scan.notes, std::vector<std::string>{"Timer off"});
    EXPECT_TRUE(scan.scanner.Resting());
    scan.notes.clear();
    scan.Press();
    EXPECT_FALSE(scan.scanner.Resting());
    EXPECT_EQ(scan.notes, std::vector<std::string>{"Timer on"});
    EXPECT_EQ(scan.HighlightedText(), "A");
}

}  // namespace
