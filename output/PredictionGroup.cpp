#include "output/PredictionGroup.h"

#include <QCoreApplication>

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

// The group, moved back to the top when keys were put in front of it, made when a new
// keyboard replaced it.
QTreeWidgetItem* GroupAtTop(KeyTree& tree) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (!IsGroup(tree.topLevelItem(i))) continue;
        if (i > 0) tree.insertTopLevelItem(0, tree.takeTopLevelItem(i));
        return tree.topLevelItem(0);
    }
    QTreeWidgetItem* group = KeyTree::NewNode("");
    group->setData(0, kWordRole, QByteArray(kGroupMark));
    tree.insertTopLevelItem(0, group);
    return group;
}

void ReplaceChildren(QTreeWidgetItem* group, const std::vector<std::string>& words) {
    for (QTreeWidgetItem* child : group->takeChildren()) delete child;
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
    QTreeWidgetItem* group = GroupAtTop(tree);
    group->setText(0, platform::ToQString(label));
    const std::optional<predict::Word>& typing = typed_.Typing();
    const std::vector<std::string> words =
        typing ? model_->Predict(typing->previous, typing->text) : std::vector<std::string>{};
    ReplaceChildren(group, words);
    // Without children the group would be a key that types its label.
    group->setHidden(words.empty());
}

QTreeWidgetItem* PredictionGroup::GroupOf(const KeyTree& tree) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (IsGroup(tree.topLevelItem(i))) return tree.topLevelItem(i);
    }
    return nullptr;
}

bool PredictionGroup::IsPrediction(const QTreeWidgetItem* node) {
    return node && IsGroup(node->parent());
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
