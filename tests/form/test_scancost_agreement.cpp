#include <QAction>
#include <optional>
#include <string>
#include <vector>

#include "ScanningFixture.h"
#include "analysis/FlatKeyboard.h"
#include "analysis/KeyCosts.h"
#include "analysis/ScanModel.h"
#include "keys/DefaultKeyboard.h"

// The scanning model of orvalet-scancost beside the keyboard's real scanning on the fake
// clock: the same steps and presses must move both alike, and what the model says a key
// costs must be what reaching it takes in the real keyboard.
namespace {

using analysis::FlatKeyboard;
using analysis::ScanModel;
using keys::KeyForest;
// A node by its place among its siblings at each level, from the top.
using Place = std::vector<int>;

Place PlaceOf(QTreeWidgetItem* item) {
    Place place;
    for (; item; item = item->parent()) {
        place.insert(place.begin(), item->parent() ? item->parent()->indexOfChild(item)
                                                   : item->treeWidget()->indexOfTopLevelItem(item));
    }
    return place;
}

class ScanCostAgreement : public ScanningFixture {
  protected:
    void Load(const KeyForest& keyboard, bool passTwice) {
        keyboard_ = keyboard;
        flat_.emplace(keyboard_);
        form.Tree->SetKeyboard(keyboard_);
        if (form.MenuPassarDuesVegades->isChecked() != passTwice) {
            form.MenuPassarDuesVegades->trigger();
        }
    }

    // Scanning switched off and on again: the scan restarts at the first key.
    void Restart() {
        if (form.MenuActivarLEscaneigAutomatic->isChecked()) RightButton();
        StartScanning();
    }

    Place RealHighlight() {
        const QList<QTreeWidgetItem*> selected = form.Tree->selectedItems();
        return selected.isEmpty() ? Place{} : PlaceOf(selected.first());
    }

    std::vector<Place> RealOpenGroups() {
        std::vector<Place> open;
        for (QTreeWidgetItemIterator it(form.Tree); *it; ++it) {
            if ((*it)->isExpanded()) open.push_back(PlaceOf(*it));
        }
        return open;
    }

    Place ModelPlace(int node) const {
        Place place;
        if (node == FlatKeyboard::kNone) return place;
        for (int step : flat_->PathTo(node)) {
            const int parent = flat_->At(step).parent;
            int sibling =
                parent == FlatKeyboard::kNone ? flat_->First() : flat_->At(parent).firstChild;
            int index = 0;
            for (; sibling != step; sibling = flat_->At(sibling).nextSibling) ++index;
            place.push_back(index);
        }
        return place;
    }

    std::vector<Place> ModelOpenGroups(const ScanModel& model) const {
        std::vector<Place> open;
        for (int node = 0; node < static_cast<int>(flat_->Nodes().size()); ++node) {
            if (model.IsOpen(node)) open.push_back(ModelPlace(node));
        }
        return open;
    }

    // The steps and presses the real keyboard takes to choose a node from a restart: wait
    // for each node of its path and press; nothing when the scan never gets there.
    std::optional<analysis::KeyCost> RealCost(int node) {
        Restart();
        analysis::KeyCost cost;
        const int mostSteps = 3 * static_cast<int>(flat_->Nodes().size()) + 3;
        for (int step : flat_->PathTo(node)) {
            for (int waited = 0; RealHighlight() != ModelPlace(step); ++waited) {
                if (waited == mostSteps) return std::nullopt;
                Step();
                ++cost.steps;
            }
            ClickAtPointer();
            ++cost.presses;
        }
        return cost;
    }

    KeyForest keyboard_;
    std::optional<FlatKeyboard> flat_;
};

KeyForest Keys(std::initializer_list<const char*> texts) {
    KeyForest keys;
    for (const char* text : texts) keys.push_back({text, {}});
    return keys;
}

keys::KeyNode Group(const char* text, KeyForest children) { return {text, std::move(children)}; }

struct Tree {
    const char* rule;
    KeyForest keys;
    bool passTwice;
};

const Tree kTrees[] = {
    {"a list: one step per key, the end restarts", Keys({"P", "Q", "R"}), false},
    {"two neighbours with the same text end the list", Keys({"P", "Q", "Q", "R"}), false},
    {"an empty second key restarts on the first pass, not on the second", Keys({"X", "", "Y"}),
     false},
    {"a group's first key may repeat the group's text",
     {Group("B", Keys({"B", "BA", "BE"})), {"C", {}}},
     false},
    {"an empty first key in a group ends the group",
     {Group("G", Keys({"", "H"})), {"K", {}}},
     false},
    {"a group of one key, pass twice", {Group("G", Keys({"H"})), {"K", {}}, {"L", {}}}, true},
    {"three levels, pass twice",
     {Group("G", {Group("H", Keys({"X", "Y"})), {"J", {}}}), {"K", {}}},
     true},
    {"three levels, without pass twice",
     {Group("G", {Group("H", Keys({"X", "Y"})), {"J", {}}}), {"K", {}}},
     false},
    {"digits and special keys in a group",
     {{"ESPAI", {}}, Group("N", Keys({"7", "RETURN", "8"})), {"A", {}}},
     false},
};

TEST_F(ScanCostAgreement, StepsAndPressesMoveTheModelAsTheyMoveTheScan) {
    struct Run {
        size_t tree;
        const char* actions;  // s: a step of the scan; p: a press of the switch
    };
    const Run runs[] = {
        {0, "sssssp"}, {1, "sssss"},   {2, "sssss"},    {3, "psssspsp"},
        {4, "pss"},    {5, "pssssps"}, {6, "pspsssss"}, {7, "pspsssssss"},
        {6, "pspps"},  {8, "sspspsp"}, {8, "spsssp"},
    };
    for (const Run& run : runs) {
        const Tree& tree = kTrees[run.tree];
        SCOPED_TRACE(std::string(tree.rule) + ": " + run.actions);
        Load(tree.keys, tree.passTwice);
        Restart();
        ScanModel model(*flat_, tree.passTwice);
        model.Restart();
        ASSERT_EQ(RealHighlight(), ModelPlace(model.Highlighted()));
        for (const char* action = run.actions; *action; ++action) {
            if (*action == 's') {
                Step();
                model.Step();
            } else {
                ClickAtPointer();
                model.Press();
            }
            const auto done = action - run.actions + 1;
            EXPECT_EQ(RealHighlight(), ModelPlace(model.Highlighted())) << "after " << done;
            EXPECT_EQ(RealOpenGroups(), ModelOpenGroups(model)) << "after " << done;
        }
    }
}

TEST_F(ScanCostAgreement, EveryNodeCostsWhatReachingItTakesInTheKeyboard) {
    for (const Tree& tree : kTrees) {
        SCOPED_TRACE(tree.rule);
        Load(tree.keys, tree.passTwice);
        const auto costs = analysis::CostsFromRestart(*flat_, tree.passTwice);
        for (int node = 0; node < static_cast<int>(costs.size()); ++node) {
            SCOPED_TRACE(ModelPlace(node).size() == 1 ? "top-level node " + std::to_string(node)
                                                      : "node " + std::to_string(node));
            const std::optional<analysis::KeyCost> real = RealCost(node);
            ASSERT_EQ(real.has_value(), costs[static_cast<size_t>(node)].has_value());
            if (!real) continue;
            EXPECT_EQ(real->steps, costs[static_cast<size_t>(node)]->steps);
            EXPECT_EQ(real->presses, costs[static_cast<size_t>(node)]->presses);
        }
    }
}

TEST_F(ScanCostAgreement, KeysOfTheBuiltInKeyboardCostWhatReachingThemTakes) {
    Load(keys::DefaultKeyboard(), false);
    const auto costs = analysis::CostsFromRestart(*flat_, false);
    // A spread of keys: the special keys, the digits and signs, vowels, syllables, Y, Z.
    for (const Place& place :
         std::vector<Place>{{0, 9}, {3}, {4, 28}, {6, 2}, {15, 5}, {32}, {33, 5}}) {
        int node = 0;
        while (ModelPlace(node) != place) ++node;
        SCOPED_TRACE(flat_->TextOf(node));
        const std::optional<analysis::KeyCost> real = RealCost(node);
        ASSERT_TRUE(real.has_value());
        ASSERT_TRUE(costs[static_cast<size_t>(node)].has_value());
        EXPECT_EQ(real->steps, costs[static_cast<size_t>(node)]->steps);
        EXPECT_EQ(real->presses, costs[static_cast<size_t>(node)]->presses);
    }
}

TEST_F(ScanCostAgreement, TypingADigitInAGroupRestartsTheScanWithEveryGroupClosed) {
    // Without scanning a digit leaves its group open; while scanning, the restart after every
    // key closes it, so the next key costs the same after a digit as after any other key.
    Load(kTrees[8].keys, false);
    Restart();
    Step();
    ClickAtPointer();
    Step();
    ASSERT_EQ(Highlighted(), "7");
    ClickAtPointer();
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_EQ(Highlighted(), "ESPAI");
}

}  // namespace
