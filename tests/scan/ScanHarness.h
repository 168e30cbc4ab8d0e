#pragma once

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "scan/Scanner.h"

// A key tree written as indented lines ("B", " BA", " BE", "C"), with its open groups and its
// highlight, that carries out the scanner's actions as the window does; and the record of
// what a user would see.
class ScanHarness final : public scan::Tree {
  public:
    explicit ScanHarness(const std::vector<std::string>& lines) {
        std::vector<int> parents;  // by depth
        for (const std::string& line : lines) {
            const size_t depth = line.find_first_not_of(' ');
            parents.resize(depth);
            nodes_.push_back({line.substr(depth), parents.empty() ? 0 : parents.back()});
            parents.push_back(static_cast<int>(nodes_.size()));
        }
    }

    // --- scan::Tree ------------------------------------------------------------------------
    scan::Node First() const override { return nodes_.empty() ? scan::kNoNode : 1; }
    scan::Node Parent(scan::Node node) const override { return At(node).parent; }
    scan::Node FirstChild(scan::Node node) const override {
        return node < nodes_.size() && At(node + 1).parent == static_cast<int>(node) ? node + 1 : 0;
    }
    scan::Node NextSibling(scan::Node node) const override {
        for (scan::Node next = node + 1; next <= nodes_.size(); ++next) {
            if (At(next).parent == At(node).parent) return next;
            if (!Within(next, At(node).parent)) return scan::kNoNode;
        }
        return scan::kNoNode;
    }
    bool IsOpen(scan::Node group) const override { return open_.contains(group); }
    std::string Text(scan::Node node) const override { return At(node).text; }
    scan::Node Highlighted() const override { return highlighted_; }
    bool Contains(scan::Node node) const override { return node >= 1 && node <= nodes_.size(); }
    int Indent() const override { return kIndent; }

    static constexpr int kIndent = 19;

    // --- driving -------------------------------------------------------------------------
    scan::Options options{.scanning = true, .passTwice = true, .stepMs = 1000};
    scan::Scanner scanner;
    // The engine's answer to the next readings.
    bool engineTakesReadings = true;

    // Carries out a reaction, answering readings as the engine would, and writes down what
    // the user notices: "Read x", "Pause n", "Timer on", "Timer off", "Waits".
    scan::Reaction::Outcome Run(const scan::Reaction& reaction) {
        for (const scan::Action& action : reaction.actions) CarryOut(action);
        return reaction.outcome;
    }

    // The scan switched on, n steps, presses on the highlighted node: the highlighted text
    // after each, blank-separated.
    std::string Do(const std::string& events) {
        std::istringstream in(events);
        std::string seen;
        for (std::string event; in >> event;) {
            if (event == "on") {
                Run(scanner.SwitchedOn(*this, options));
            } else if (event == "step") {
                Run(scanner.Step(*this, options));
            } else if (event == "press") {
                Press();
            }
            seen += (seen.empty() ? "" : " ") + HighlightedText();
        }
        return seen;
    }

    // A press of the switch on the highlighted node, as the key press dispatch makes it; a
    // press on a resting scan only wakes it.
    void Press() {
        if (scanner.Resting()) {
            Run(scanner.Woken(*this, options));
            return;
        }
        Run(scanner.Pressed(options));
        const scan::Node node = highlighted_;
        if (FirstChild(node) == scan::kNoNode) {
            Run(scanner.Restart(*this, options));
        } else {
            Run(scanner.Chosen(*this, node, options));
        }
        Run(scanner.PressEnded(options));
    }

    std::string HighlightedText() const {
        return highlighted_ == scan::kNoNode ? "-" : At(highlighted_).text;
    }
    scan::Node NodeNamed(const std::string& text) const {
        for (scan::Node node = 1; node <= nodes_.size(); ++node) {
            if (At(node).text == text) return node;
        }
        return scan::kNoNode;
    }
    void Highlight(scan::Node node) { highlighted_ = node; }
    void Open(scan::Node node) { open_.insert(node); }

    std::vector<std::string> notes;
    int pointerColumn = -1;

  private:
    struct Entry {
        std::string text;
        int parent;
    };
    const Entry& At(scan::Node node) const { return nodes_[node - 1]; }
    bool Within(scan::Node node, scan::Node group) const {
        if (group == scan::kNoNode) return true;
        for (scan::Node at = node; at != scan::kNoNode; at = At(at).parent) {
            if (at == group) return true;
        }
        return false;
    }

    void CarryOut(const scan::Action& action) {
        using Kind = scan::Action::Kind;
        switch (action.kind) {
            case Kind::Highlight:
                highlighted_ = action.node;
                break;
            case Kind::OpenGroup:
                open_.insert(action.node);
                break;
            case Kind::CloseGroup:
                std::erase_if(open_, [&](scan::Node open) { return Within(open, action.node); });
                break;
            case Kind::CloseAll:
                open_.clear();
                break;
            case Kind::PointerToRow:
            case Kind::PointerToStart:
                pointerColumn = action.column;
                break;
            case Kind::Read:
                notes.push_back("Read " + action.text);
                Run(scanner.ReadingStarted(*this, engineTakesReadings, options));
                break;
            case Kind::WaitForReadingEnd:
                notes.push_back("Waits");
                break;
            case Kind::StepTimerOn:
                notes.push_back("Timer on");
                break;
            case Kind::StepTimerOff:
                notes.push_back("Timer off");
                break;
            case Kind::Pause:
                notes.push_back("Pause " + std::to_string(action.ms));
                break;
            case Kind::ResumeTracking:
            case Kind::ReceiverToTop:
                break;
        }
    }

    std::vector<Entry> nodes_;
    std::set<scan::Node> open_;
    scan::Node highlighted_ = scan::kNoNode;
};
