#include "output/PredictionGroup.h"

#include <QCoreApplication>
#include <algorithm>

#include "keys/KeyTyping.h"
#include "output/CharacterClasses.h"
#include "platform/Cp1252.h"
#include "predict/Completion.h"
#include "predict/DataFolder.h"
#include "text/Case.h"
#include "ui/KeyTree.h"

namespace output {
namespace {

// Marks the group among the tree's nodes, and holds each prediction's word.
constexpr int kWordRole = Qt::UserRole;
constexpr const char* kGroupMark = "\x01predictions";
// Words learned between two saves: often enough to lose little, seldom enough to cost nothing.
constexpr int kSaveEvery = 25;

bool IsGroup(const QTreeWidgetItem* item) {
    return item && item->data(0, kWordRole).toByteArray() == kGroupMark;
}

// A word as the keys show their texts: in capitals.
std::string Shown(std::string word) {
    for (char& c : word) c = text::ToCapital(c);
    return word;
}

// The group, moved back to its place when keys were put in front of it or it was placed
// elsewhere, made when a new keyboard replaced it.
QTreeWidgetItem* GroupAt(KeyTree& tree, std::size_t place) {
    QTreeWidgetItem* group = nullptr;
    for (int i = 0; i < tree.topLevelItemCount() && !group; ++i) {
        if (IsGroup(tree.topLevelItem(i))) group = tree.takeTopLevelItem(i);
    }
    if (!group) {
        group = KeyTree::NewNode("");
        group->setData(0, kWordRole, QByteArray(kGroupMark));
    }
    const int at = static_cast<int>(std::min<std::size_t>(place, tree.topLevelItemCount()));
    tree.insertTopLevelItem(at, group);
    return group;
}

// The keyboard's keys that may be offered as next keys, as the cost analyser counts them: the
// first key of each text that types characters and closes its group, in the tree's order.
struct OfferableKeys {
    std::vector<std::string> typed;  // in small letters, for the model
    std::vector<std::string> shown;  // as the keys hold them
};

void AddOfferable(const QTreeWidgetItem* node, OfferableKeys& keys) {
    if (node->childCount() == 0) {
        const std::string shown = KeyTree::TextOf(node);
        const keys::KeyTyping typing = keys::WhatAKeyTypes(shown);
        if (typing.special || !typing.closesGroups || typing.characters.empty()) return;
        std::string small = text::ToSmall(typing.characters);
        if (std::ranges::find(keys.typed, small) != keys.typed.end()) return;
        keys.typed.push_back(std::move(small));
        keys.shown.push_back(shown);
        return;
    }
    for (int i = 0; i < node->childCount(); ++i) AddOfferable(node->child(i), keys);
}

OfferableKeys OfferableKeysOf(const KeyTree& tree) {
    OfferableKeys keys;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (!IsGroup(tree.topLevelItem(i))) AddOfferable(tree.topLevelItem(i), keys);
    }
    return keys;
}

void ReplaceChildren(QTreeWidgetItem* group, const std::vector<std::string>& keys,
                     const std::vector<std::string>& words) {
    for (QTreeWidgetItem* child : group->takeChildren()) delete child;
    for (const std::string& key : keys) group->addChild(KeyTree::NewNode(key));
    for (const std::string& word : words) {
        QTreeWidgetItem* node = KeyTree::NewNode(Shown(word));
        node->setData(0, kWordRole, QByteArray::fromStdString(word));
        group->addChild(node);
    }
}

}  // namespace

std::filesystem::path PredictionGroup::InstalledLexicon(const std::string& language) {
    return predict::InstalledLexicon(language,
                                     QCoreApplication::applicationDirPath().toStdString());
}

PredictionGroup::Problem PredictionGroup::SwitchOn(const std::string& language) {
    // What was learned in the language left behind is kept for when it comes back.
    Save();
    model_.emplace();
    typed_.Forget();
    language_ = language;
    learnedSinceSave_ = 0;
    const predict::LoadStatus lexicon = model_->LoadLexicon(LexiconFile(language));
    const predict::LoadStatus learned = model_->LoadLearned(predict::LearnedWordsFile(language));
    if (learned.outcome != predict::LoadOutcome::Loaded) return Problem::DamagedStore;
    if (lexicon.outcome != predict::LoadOutcome::Loaded) return Problem::NoLexicon;
    return Problem::None;
}

void PredictionGroup::SwitchOff(KeyTree& tree) {
    Save();
    model_.reset();
    if (QTreeWidgetItem* group = GroupOf(tree)) {
        for (QTreeWidgetItem* child : group->takeChildren()) delete child;
        delete group;
    }
}

void PredictionGroup::Typed(std::string_view text) {
    if (!model_) return;
    for (const predict::WordChange& change : typed_.Type(text)) {
        model_->Learn(change);
        ++learnedSinceSave_;
    }
    if (learnedSinceSave_ >= kSaveEvery) Save();
}

void PredictionGroup::CaretMoved() { typed_.Forget(); }

void PredictionGroup::Refresh(KeyTree& tree, const std::string& label) {
    if (!model_) return;
    QTreeWidgetItem* group = GroupAt(tree, layout_.place);
    group->setText(0, platform::ToQString(label));
    const std::optional<predict::Word>& typing = typed_.Typing();
    std::vector<std::string> keys;
    if (layout_.keys > 0) {
        const OfferableKeys offerable = OfferableKeysOf(tree);
        const std::string_view word = typing ? std::string_view(typing->text) : std::string_view();
        for (std::size_t key : model_->NextKeys(word, offerable.typed, layout_.keys)) {
            keys.push_back(offerable.shown[key]);
        }
    }
    const std::vector<std::string> words =
        typing && layout_.words > 0 ? model_->Predict(typing->previous, typing->text, layout_.words)
                                    : std::vector<std::string>{};
    ReplaceChildren(group, keys, words);
    // Without children the group would be a key that types its label.
    group->setHidden(keys.empty() && words.empty());
}

QTreeWidgetItem* PredictionGroup::GroupOf(const KeyTree& tree) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (IsGroup(tree.topLevelItem(i))) return tree.topLevelItem(i);
    }
    return nullptr;
}

bool PredictionGroup::IsPrediction(const QTreeWidgetItem* node) {
    return node && IsGroup(node->parent()) && !node->data(0, kWordRole).toByteArray().isEmpty();
}

std::optional<std::string> PredictionGroup::CompletionFor(const QTreeWidgetItem* node,
                                                          char middleDot) const {
    if (!model_ || !IsPrediction(node)) return std::nullopt;
    const std::optional<predict::Word>& typing = typed_.Typing();
    const std::string word = node->data(0, kWordRole).toByteArray().toStdString();
    return predict::Completion(typing ? typing->text : std::string(), word, middleDot);
}

bool PredictionGroup::Save() {
    if (!model_) return true;
    if (!model_->SaveLearned()) return false;
    learnedSinceSave_ = 0;
    return true;
}

bool PredictionGroup::Clear() { return !model_ || model_->ClearLearned(); }

}  // namespace output
