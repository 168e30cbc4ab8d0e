#pragma once

#include <string>
#include <vector>

#include "scan/Tree.h"

namespace scan {

// One thing the window carries out for scanning, in the order given.
struct Action {
    enum class Kind {
        Highlight,          // select `node`, scrolled into view
        OpenGroup,          // open `node`, not its descendants
        CloseGroup,         // close `node` with every group inside it
        CloseAll,           // close every group of the tree, with their descendants
        PointerToRow,       // put the pointer on the highlighted row at `column`; leave it
                            // where it is when no probe finds that row
        PointerToStart,     // put the pointer on the first row at `column`
        Read,               // read `text` aloud; answer with Scanner::ReadingStarted
        WaitForReadingEnd,  // answer with Scanner::ReadingEnded once the reading has ended
        ResumeTracking,     // the receiving-window tracking runs again
        ReceiverToTop,      // give the foreground back to the receiving window, if known
        StepTimerOn,        // the step timer runs again, from a whole step time
        StepTimerOff,       // the step timer stops
        Pause,              // answer with Scanner::PauseOver after `ms` milliseconds
    };
    explicit Action(Kind kind, Node node = kNoNode, int column = 0, int ms = 0,
                    std::string text = {})
        : kind(kind), node(node), column(column), ms(ms), text(std::move(text)) {}

    Kind kind;
    Node node;
    int column;
    int ms;
    std::string text;

    bool operator==(const Action&) const = default;
};

// What an event did to the scan, and the actions that carry it out.
struct Reaction {
    enum class Outcome {
        None,         // nothing moved: scanning is off, or the event only continues another
        Moved,        // the highlight went on to the next row, or stayed on the last
        Restarted,    // back to the first key, every group closed
        GroupReturn,  // pass twice: back on the group's node after one pass over its children
        Opened,       // a press opened a group
        Closed,       // a press closed every group
        Rested,       // passes without a press: the scan stops where it is
    };
    explicit Reaction(Outcome outcome = Outcome::None) : outcome(outcome) {}

    Outcome outcome;
    std::vector<Action> actions;
};

}  // namespace scan
