#include "analysis/ScanModel.h"

#include <algorithm>

namespace analysis {

namespace {
constexpr int kNone = FlatKeyboard::kNone;
}

ScanModel::ScanModel(const FlatKeyboard& keyboard, bool passTwice)
    : keyboard_(&keyboard), passTwice_(passTwice) {}

void ScanModel::Restart() {
    CloseAll();
    if (passTwice_) {
        GrupDuesVegades = highlighted_;
        FillsGrup = SaltsGrup = 0;
    }
    highlighted_ = keyboard_->First();
    hidden_ = false;
    TextEscaneigAnterior = {};
}

ScanModel::StepResult ScanModel::Step() {
    if (highlighted_ != kNone) {
        highlighted_ = hidden_ ? NextFromHidden() : NextVisible(highlighted_);
        hidden_ = false;
    }
    if (passTwice_ && FillsGrup > 0 && ++SaltsGrup == FillsGrup) {
        highlighted_ = GrupDuesVegades;
        CloseWithDescendants(GrupDuesVegades);
        FillsGrup = SaltsGrup = 0;
        TextEscaneigAnterior = {};
        return StepResult::GroupReturn;
    }
    StepResult result = StepResult::Moved;
    // A highlight whose text repeats the last one is taken for one that did not move.
    if (HighlightedText() == TextEscaneigAnterior) {
        Restart();
        result = StepResult::Restarted;
    }
    TextEscaneigAnterior = HighlightedText();
    return result;
}

ScanModel::PressResult ScanModel::Press() {
    TextEscaneigAnterior = {};
    if (highlighted_ == kNone) return PressResult::Nothing;
    if (!keyboard_->IsGroup(highlighted_)) {
        Restart();
        return PressResult::Typed;
    }
    if (IsOpen(highlighted_)) {
        CloseAll();
        hidden_ = keyboard_->At(highlighted_).parent != kNone;
        if (passTwice_) FillsGrup = SaltsGrup = 0;
        return PressResult::Closed;
    }
    openGroups_.push_back(highlighted_);
    if (passTwice_) {
        FillsGrup = static_cast<int>(keyboard_->At(highlighted_).key->children.size());
        SaltsGrup = -1;
        GrupDuesVegades = highlighted_;
    }
    return PressResult::Opened;
}

int ScanModel::NextVisible(int node) const {
    if (IsOpen(node)) return keyboard_->At(node).firstChild;
    for (int at = node; at != kNone; at = keyboard_->At(at).parent) {
        if (keyboard_->At(at).nextSibling != kNone) return keyboard_->At(at).nextSibling;
    }
    return node;
}

int ScanModel::NextFromHidden() const { return NextVisible(keyboard_->First()); }

bool ScanModel::IsOpen(int node) const {
    return std::find(openGroups_.begin(), openGroups_.end(), node) != openGroups_.end();
}

void ScanModel::CloseAll() { openGroups_.clear(); }

void ScanModel::CloseWithDescendants(int group) {
    std::erase_if(openGroups_, [&](int open) { return Within(open, group); });
}

bool ScanModel::Within(int node, int group) const {
    for (int at = node; at != kNone; at = keyboard_->At(at).parent) {
        if (at == group) return true;
    }
    return false;
}

std::string_view ScanModel::HighlightedText() const {
    return highlighted_ == kNone ? std::string_view() : keyboard_->TextOf(highlighted_);
}

}  // namespace analysis
