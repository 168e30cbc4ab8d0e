#include "scan/Scanner.h"

#include <utility>

#include "text/Case.h"

namespace scan {
namespace {

using Kind = Action::Kind;
using Outcome = Reaction::Outcome;

void Add(Reaction& reaction, Kind kind, Node node = kNoNode) {
    reaction.actions.emplace_back(kind, node);
}

void AddAt(Reaction& reaction, Kind kind, int column) {
    reaction.actions.emplace_back(kind, kNoNode, column);
}

std::string TextOf(const Tree& tree, Node node) {
    return node != kNoNode ? tree.Text(node) : std::string();
}

}  // namespace

Reaction Scanner::SwitchedOn(const Tree& tree, const Options& options) {
    Reaction reaction{Outcome::Restarted};
    resting_ = false;
    passes_ = 0;
    const int holds = holds_;
    RestartFrom(tree, tree.Highlighted(), options, {.timerIfRefused = true}, reaction);
    if (reaction.actions.back().kind != Kind::Read) TimerAtEnd(holds, options, reaction);
    return reaction;
}

Reaction Scanner::SwitchedOff() {
    Reaction reaction;
    resting_ = false;
    Add(reaction, Kind::StepTimerOff);
    return reaction;
}

Reaction Scanner::Step(const Tree& tree, const Options& options) {
    // A tick that was on its way when the scan came to rest.
    if (resting_) return Reaction{};
    Reaction reaction{Outcome::Moved};
    const Node next = NextVisible(tree, tree.Highlighted());
    if (next != kNoNode) Add(reaction, Kind::Highlight, next);
    if (options.passTwice && FillsGrup > 0 && ++SaltsGrup == FillsGrup) {
        GroupReturn(tree, options, reaction);
        return reaction;
    }
    AddAt(reaction, Kind::PointerToRow, XEscaneig);
    // A highlight that shows the text of the last step's did not move: the list has ended.
    if (TextOf(tree, next) == TextEscaneigAnterior) {
        EndOfList(tree, next, options, reaction);
        return reaction;
    }
    HoldFirstKey(tree, next, options, reaction);
    if (options.readKeys) {
        ReadOrGoOn(tree, next, {.stepTail = true}, options, reaction);
        return reaction;
    }
    StepTail(tree, next, reaction);
    return reaction;
}

Reaction Scanner::MovePressed(const Tree& tree, const Options& options) {
    passes_ = 0;
    resting_ = false;
    const int holds = holds_;
    Reaction reaction = Step(tree, options);
    reaction.actions.insert(reaction.actions.begin(), Action{Kind::StepTimerOff});
    if (reaction.actions.back().kind == Kind::Read) {
        afterRead_.timerIfRefused = true;
    } else {
        TimerAtEnd(holds, options, reaction);
    }
    return reaction;
}

Reaction Scanner::Restart(const Tree& tree, const Options& options) {
    Reaction reaction;
    if (!options.scanning) return reaction;
    reaction.outcome = Outcome::Restarted;
    RestartFrom(tree, tree.Highlighted(), options, {}, reaction);
    return reaction;
}

Reaction Scanner::Pressed(const Options& options) {
    Reaction reaction;
    passes_ = 0;
    holdsAtPress_ = holds_;
    if (options.scanning) Add(reaction, Kind::StepTimerOff);
    TextEscaneigAnterior.clear();
    return reaction;
}

Reaction Scanner::Chosen(const Tree& tree, Node node, const Options& options) {
    Reaction reaction;
    if (node == kNoNode || tree.FirstChild(node) == kNoNode) return reaction;
    if (tree.IsOpen(node)) {
        reaction.outcome = Outcome::Closed;
        openedGroup_ = kNoNode;
        Add(reaction, Kind::CloseAll);
        XEscaneig = kColumnaInicial;
        if (options.passTwice) FillsGrup = SaltsGrup = 0;
        return reaction;
    }
    reaction.outcome = Outcome::Opened;
    Add(reaction, Kind::OpenGroup, node);
    openedGroup_ = node;
    XEscaneig += tree.Indent();
    if (options.passTwice) {
        FillsGrup = ChildCount(tree, node);
        SaltsGrup = -1;
        GrupDuesVegades = node;
    }
    return reaction;
}

Reaction Scanner::PressEnded(const Options& options) {
    Reaction reaction;
    TimerAtEnd(holdsAtPress_, options, reaction);
    return reaction;
}

Reaction Scanner::ReadingStarted(const Tree& tree, bool started, const Options& options) {
    Reaction reaction;
    if (!started) {
        Refused(tree, options, reaction);
        return reaction;
    }
    ++holds_;
    TextEscaneigAnterior = TextOf(tree, tree.Highlighted());
    tailAfterReading_ = tailAfterReading_ || afterRead_.stepTailAtEnd;
    afterRead_ = {};
    Add(reaction, Kind::ResumeTracking);
    Add(reaction, Kind::ReceiverToTop);
    // The key stays highlighted while it is spoken.
    Add(reaction, Kind::StepTimerOff);
    Add(reaction, Kind::WaitForReadingEnd);
    return reaction;
}

Reaction Scanner::ReadingEnded(const Tree& tree, const Options& options) {
    Reaction reaction;
    if (options.scanning) Add(reaction, Kind::StepTimerOn);
    if (tailAfterReading_) {
        tailAfterReading_ = false;
        StepTail(tree, tree.Highlighted(), reaction);
    }
    return reaction;
}

Reaction Scanner::Woken(const Tree& tree, const Options& options) {
    Reaction reaction{Outcome::Restarted};
    resting_ = false;
    passes_ = 0;
    const int holds = holds_;
    RestartFrom(tree, tree.Highlighted(), options, {.timerIfRefused = true}, reaction);
    if (reaction.actions.back().kind != Kind::Read) TimerAtEnd(holds, options, reaction);
    return reaction;
}

Reaction Scanner::PauseOver(const Options& options) {
    Reaction reaction;
    if (options.scanning) Add(reaction, Kind::StepTimerOn);
    return reaction;
}

void Scanner::RestartFrom(const Tree& tree, Node highlighted, const Options& options,
                          AfterRead afterRead, Reaction& reaction) {
    Add(reaction, Kind::CloseAll);
    XEscaneig = kColumnaInicial;
    openedGroup_ = kNoNode;
    if (options.passTwice) {
        GrupDuesVegades = highlighted;
        FillsGrup = SaltsGrup = 0;
    }
    TextEscaneigAnterior.clear();
    const Node first = tree.First();
    if (first != kNoNode) Add(reaction, Kind::Highlight, first);
    AddAt(reaction, Kind::PointerToStart, kColumnaInicial);
    // The person goes on working in the receiving application while the scan runs.
    Add(reaction, Kind::ReceiverToTop);
    if (options.readKeys) ReadOrGoOn(tree, first, afterRead, options, reaction);
}

void Scanner::EndOfList(const Tree& tree, Node highlighted, const Options& options,
                        Reaction& reaction) {
    if (options.restPasses > 0 && ++passes_ >= options.restPasses) {
        reaction.outcome = Outcome::Rested;
        resting_ = true;
        Add(reaction, Kind::StepTimerOff);
        StepTail(tree, highlighted, reaction);
        return;
    }
    reaction.outcome = Outcome::Restarted;
    RestartFrom(tree, highlighted, options, {.stepTail = true, .stepTailAtEnd = true}, reaction);
    if (reaction.actions.back().kind != Kind::Read) StepTail(tree, tree.First(), reaction);
}

void Scanner::HoldFirstKey(const Tree& tree, Node highlighted, const Options& options,
                           Reaction& reaction) {
    const Node group = std::exchange(openedGroup_, kNoNode);
    const int extraMs = options.stepMs * (options.firstKeyPercent - 100) / 100;
    if (group == kNoNode || highlighted != tree.FirstChild(group) || extraMs <= 0 ||
        !options.pauseAfterGroupReturn || options.readKeys) {
        return;
    }
    // The timer starts its whole step again once the pause is over.
    ++holds_;
    Add(reaction, Kind::StepTimerOff);
    reaction.actions.emplace_back(Kind::Pause, kNoNode, 0, extraMs);
}

void Scanner::GroupReturn(const Tree& tree, const Options& options, Reaction& reaction) {
    reaction.outcome = Outcome::GroupReturn;
    XEscaneig -= tree.Indent();
    FillsGrup = SaltsGrup = 0;
    TextEscaneigAnterior.clear();
    if (tree.Contains(GrupDuesVegades)) {
        Add(reaction, Kind::Highlight, GrupDuesVegades);
        Add(reaction, Kind::CloseGroup, GrupDuesVegades);
    }
    Add(reaction, Kind::StepTimerOff);
    AddAt(reaction, Kind::PointerToRow, XEscaneig);
    // The group's node stays highlighted one step longer and a little more; the tracking and
    // the receiving window wait for the next ordinary step.
    if (options.pauseAfterGroupReturn) {
        ++holds_;
        reaction.actions.emplace_back(Kind::Pause, kNoNode, 0, options.stepMs + kPausaRetornGrupMs);
    } else if (options.scanning) {
        Add(reaction, Kind::StepTimerOn);
    }
}

void Scanner::StepTail(const Tree& tree, Node highlighted, Reaction& reaction) {
    TextEscaneigAnterior = TextOf(tree, highlighted);
    Add(reaction, Kind::ResumeTracking);
    Add(reaction, Kind::ReceiverToTop);
}

void Scanner::ReadOrGoOn(const Tree& tree, Node node, AfterRead afterRead, const Options& options,
                         Reaction& reaction) {
    afterRead_ = afterRead;
    if (node == kNoNode) {
        Refused(tree, options, reaction);
        return;
    }
    reaction.actions.emplace_back(Kind::Read, node, 0, 0, text::LowerAscii(tree.Text(node)));
}

void Scanner::Refused(const Tree& tree, const Options& options, Reaction& reaction) {
    const AfterRead afterRead = afterRead_;
    afterRead_ = {};
    if (afterRead.stepTail) StepTail(tree, tree.Highlighted(), reaction);
    if (afterRead.timerIfRefused && options.scanning) Add(reaction, Kind::StepTimerOn);
}

void Scanner::TimerAtEnd(int holdsAtStart, const Options& options, Reaction& reaction) const {
    if (options.scanning && holds_ == holdsAtStart) Add(reaction, Kind::StepTimerOn);
}

}  // namespace scan
