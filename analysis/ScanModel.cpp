#include "analysis/ScanModel.h"

#include <algorithm>

namespace analysis {
namespace {

constexpr int kNone = FlatKeyboard::kNone;
// Any indent will do: the model counts steps and presses, not where the pointer goes.
constexpr int kModelIndent = 19;

}  // namespace

// The model's keyboard as scanning reads it: a node is its FlatKeyboard number plus one.
class ScanModel::View final : public scan::Tree {
  public:
    explicit View(const ScanModel& model) : model_(model) {}

    scan::Node First() const override { return NodeOf(Keyboard().First()); }
    scan::Node Parent(scan::Node node) const override { return NodeOf(At(node).parent); }
    scan::Node FirstChild(scan::Node node) const override { return NodeOf(At(node).firstChild); }
    scan::Node NextSibling(scan::Node node) const override { return NodeOf(At(node).nextSibling); }
    bool IsOpen(scan::Node group) const override { return model_.IsOpen(IndexOf(group)); }
    std::string Text(scan::Node node) const override { return At(node).key->text; }
    scan::Node Highlighted() const override { return NodeOf(model_.highlighted_); }
    bool Contains(scan::Node node) const override {
        return IndexOf(node) >= 0 && IndexOf(node) < static_cast<int>(Keyboard().Nodes().size());
    }
    int Indent() const override { return kModelIndent; }

    static scan::Node NodeOf(int index) { return static_cast<scan::Node>(index + 1); }
    static int IndexOf(scan::Node node) { return static_cast<int>(node) - 1; }

  private:
    const FlatKeyboard& Keyboard() const { return *model_.keyboard_; }
    const FlatKeyboard::Node& At(scan::Node node) const { return Keyboard().At(IndexOf(node)); }

    const ScanModel& model_;
};

ScanModel::ScanModel(const FlatKeyboard& keyboard, bool passTwice)
    : keyboard_(&keyboard), open_(keyboard.Nodes().size(), false) {
    options_.scanning = true;
    options_.passTwice = passTwice;
}

void ScanModel::Restart() { CarryOut(scanner_.Restart(View(*this), options_)); }

ScanModel::StepResult ScanModel::Step() {
    const scan::Reaction reaction = scanner_.Step(View(*this), options_);
    CarryOut(reaction);
    switch (reaction.outcome) {
        case scan::Reaction::Outcome::Restarted:
            return StepResult::Restarted;
        case scan::Reaction::Outcome::GroupReturn:
            return StepResult::GroupReturn;
        default:
            return StepResult::Moved;
    }
}

ScanModel::PressResult ScanModel::Press() {
    if (highlighted_ == kNone) return PressResult::Nothing;
    scanner_.Pressed(options_);
    const scan::Reaction reaction =
        scanner_.Chosen(View(*this), View::NodeOf(highlighted_), options_);
    CarryOut(reaction);
    switch (reaction.outcome) {
        case scan::Reaction::Outcome::Opened:
            return PressResult::Opened;
        case scan::Reaction::Outcome::Closed:
            return PressResult::Closed;
        default:
            // The key is typed, and the scan starts again at the first key.
            Restart();
            return PressResult::Typed;
    }
}

bool ScanModel::IsOpen(int node) const { return open_[static_cast<size_t>(node)]; }

// Only what moves the highlight and the groups matters to the model.
void ScanModel::CarryOut(const scan::Reaction& reaction) {
    using Kind = scan::Action::Kind;
    for (const scan::Action& action : reaction.actions) {
        switch (action.kind) {
            case Kind::Highlight:
                highlighted_ = View::IndexOf(action.node);
                break;
            case Kind::OpenGroup:
                open_[static_cast<size_t>(View::IndexOf(action.node))] = true;
                break;
            case Kind::CloseGroup:
                CloseWithDescendants(View::IndexOf(action.node));
                break;
            case Kind::CloseAll:
                std::fill(open_.begin(), open_.end(), false);
                break;
            default:
                break;
        }
    }
}

// Nodes are numbered in display order with every group open, so a group's descendants are the
// nodes between it and what follows it.
void ScanModel::CloseWithDescendants(int group) {
    std::fill(open_.begin() + group, open_.begin() + AfterDescendants(group), false);
}

int ScanModel::AfterDescendants(int group) const {
    for (int at = group; at != kNone; at = keyboard_->At(at).parent) {
        if (keyboard_->At(at).nextSibling != kNone) return keyboard_->At(at).nextSibling;
    }
    return static_cast<int>(open_.size());
}

}  // namespace analysis
