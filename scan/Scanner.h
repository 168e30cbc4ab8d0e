#pragma once

#include <string>

#include "scan/Action.h"
#include "scan/ScanDesign.h"
#include "scan/Tree.h"

namespace scan {

// What scanning is told of the options at each event: the check marks of the menu and the
// step timer's interval as they stand at that moment.
struct Options {
    bool scanning = false;  // "Activar l'escaneig automàtic"
    bool passTwice = true;  // "Passar dues vegades"
    bool readKeys = false;  // "Llegir la tecla en escaneig automàtic"
    // Whether a group return holds the group's node for a pause: only when the timer moves
    // the highlight; a person who moves it with a switch takes their own time.
    bool pauseAfterGroupReturn = true;
    int stepMs = kPasPerDefecteMs;  // the step timer's interval
    // The first key after a group opens stays this share of the step time, when the timer
    // moves the highlight and no reading holds the key already.
    int firstKeyPercent = 100;
    // Full passes over the keys without a press after which the scan rests; 0 never.
    int restPasses = 0;
};

// Automatic scanning: the rules of the step, the restart, the groups, pass-twice, the end of
// the list and the reading of the highlighted key, as a function of (state, event, tree) to
// actions. It keeps the values the scan remembers between steps, under the design's names,
// and nothing of the tree: it reads the tree afresh at each event. The window and the cost
// analyser both run it, so a cost printed for a keyboard is the scan the user lives.
//
// A reaction whose last action is Read waits for ReadingStarted; WaitForReadingEnd for
// ReadingEnded; Pause for PauseOver. Commands that end by letting the timer run again
// (switching scanning on, a press, a step of the moving switch) leave it to the end of a
// reading or a pause they started.
class Scanner {
  public:
    // Scanning was switched on: a restart, then the timer runs.
    Reaction SwitchedOn(const Tree& tree, const Options& options);
    // Scanning was switched off: the highlight and the pointer stay where they are.
    Reaction SwitchedOff();
    // One tick of the step timer.
    Reaction Step(const Tree& tree, const Options& options);
    // One press of the moving switch: a step, and the pause before the highlight moves by
    // itself starts again.
    Reaction MovePressed(const Tree& tree, const Options& options);
    // The scan starts again at the first key, with every group closed; nothing when scanning
    // is off.
    Reaction Restart(const Tree& tree, const Options& options);

    // A press on a node (a click, or the switch on the highlighted node) begins: the timer
    // stops while the key is typed, and the next step does not compare with the last.
    Reaction Pressed(const Options& options);
    // The node pressed: a group opens, or every group closes when it was open. For a key
    // nothing happens here: the window types it and calls Restart.
    Reaction Chosen(const Tree& tree, Node node, const Options& options);
    // The press is over: the timer runs again, unless a reading or a pause holds it.
    Reaction PressEnded(const Options& options);

    // The answer to a Read action: whether the engine took the text.
    Reaction ReadingStarted(const Tree& tree, bool started, const Options& options);
    // The reading that a WaitForReadingEnd waited for has ended.
    Reaction ReadingEnded(const Tree& tree, const Options& options);
    // A Pause is over.
    Reaction PauseOver(const Options& options);

    // The counted group is about to go with the keyboard it belongs to.
    void ForgetGroup() {
        GrupDuesVegades = kNoNode;
        openedGroup_ = kNoNode;
    }

    // Whether the scan rests after passes without a press: the highlight and the pointer stay
    // where they were, and the next press only wakes it.
    bool Resting() const { return resting_; }
    // A press while resting: the scan starts again at the first key, and nothing is chosen.
    Reaction Woken(const Tree& tree, const Options& options);

    // The column, in the tree's client pixels, at which the pointer is put on the row.
    int Column() const { return XEscaneig; }
    // The text highlighted at the end of the previous step; empty after a restart, a press
    // and a group return.
    const std::string& PreviousText() const { return TextEscaneigAnterior; }
    // Pass-twice: the group entered last, its number of children (0 when none is being
    // counted) and the steps counted since it was entered (from -1).
    Node CountedGroup() const { return GrupDuesVegades; }
    int GroupChildren() const { return FillsGrup; }
    int GroupSteps() const { return SaltsGrup; }

  private:
    // What follows a Read once the engine has answered.
    struct AfterRead {
        bool stepTail = false;        // the step ends as an ordinary one if nothing is read
        bool stepTailAtEnd = false;   // ... and also after the reading, if one is read
        bool timerIfRefused = false;  // the command lets the timer run if nothing is read
    };

    void RestartFrom(const Tree& tree, Node highlighted, const Options& options,
                     AfterRead afterRead, Reaction& reaction);
    void GroupReturn(const Tree& tree, const Options& options, Reaction& reaction);
    void StepTail(const Tree& tree, Node highlighted, Reaction& reaction);
    // The end of the list: a restart, or the rest once enough passes went without a press.
    void EndOfList(const Tree& tree, Node highlighted, const Options& options, Reaction& reaction);
    // The first key of the group opened last stays longer.
    void HoldFirstKey(const Tree& tree, Node highlighted, const Options& options,
                      Reaction& reaction);
    // Adds the Read of the node, or, when it cannot be read, what follows a refused reading.
    void ReadOrGoOn(const Tree& tree, Node node, AfterRead afterRead, const Options& options,
                    Reaction& reaction);
    void Refused(const Tree& tree, const Options& options, Reaction& reaction);
    // The timer runs again at the end of a command, unless the command started a hold.
    void TimerAtEnd(int holdsAtStart, const Options& options, Reaction& reaction) const;

    int XEscaneig = kColumnaInicial;
    std::string TextEscaneigAnterior;
    Node GrupDuesVegades = kNoNode;
    int FillsGrup = 0;
    int SaltsGrup = 0;

    AfterRead afterRead_;
    // A step's ordinary end is still to come once the reading ends.
    bool tailAfterReading_ = false;
    // Readings waited for and pauses started so far: a command that started one leaves the
    // timer to its end.
    int holds_ = 0;
    int holdsAtPress_ = 0;
    // The group a press opened last, until the step onto its first key.
    Node openedGroup_ = kNoNode;
    // Ends of the list reached since the last press, and whether the scan rests.
    int passes_ = 0;
    bool resting_ = false;
};

}  // namespace scan
