#include "analysis/CostReport.h"

#include <QList>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <iomanip>
#include <vector>

#include "platform/Cp1252.h"

namespace analysis {
namespace {

constexpr double kTenthsPerSecond = 10.0;
constexpr double kPercent = 100.0;

std::string Utf8(std::string_view cp1252) { return platform::ToQString(cp1252).toStdString(); }

double Share(uint64_t part, uint64_t whole) {
    return whole == 0 ? 0.0 : kPercent * static_cast<double>(part) / static_cast<double>(whole);
}

double PerCharacter(uint64_t count, uint64_t characters) {
    return characters == 0 ? 0.0 : static_cast<double>(count) / static_cast<double>(characters);
}

// A character as it can be read in a list: quoted, with its code point; a control character
// by its code point alone.
std::string Shown(const QString& character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character.toUcs4().front()));
    if (character.front().isPrint() && !character.front().isSpace()) {
        return "\"" + character.toStdString() + "\" " + code;
    }
    return code;
}

void WriteFigures(std::ostream& out, const CostSummary& summary, int stepTenths) {
    out << "Characters: " << summary.characters << ", " << summary.typed << " typed by the keys, "
        << summary.Failures() << " that no key types";
    if (summary.Failures() > 0) {
        out << " (failures, each counted as " << summary.failureActions
            << " actions: the dearest key's)";
    }
    const double actions = summary.ActionsPerCharacter();
    const double seconds = stepTenths / kTenthsPerSecond;
    out << "\n"
        << std::fixed << std::setprecision(2) << "Scan actions per character typed: " << actions
        << " (" << PerCharacter(summary.steps, summary.characters) << " steps, "
        << PerCharacter(summary.presses, summary.characters) << " presses and "
        << PerCharacter(summary.Failures() * summary.failureActions, summary.characters)
        << " for failures)\n"
        << "At " << std::setprecision(1) << seconds << " s per step: " << actions * seconds
        << " s per character\n";
}

void WriteUntypeable(std::ostream& out, const CostSummary& summary) {
    std::vector<std::pair<std::string, uint64_t>> missed;
    for (const auto& [character, count] : summary.untypeable) {
        missed.emplace_back(Shown(platform::ToQString(std::string_view(&character, 1))), count);
    }
    for (const auto& [character, count] : summary.foreign) {
        missed.emplace_back(Shown(QString::fromStdString(character)), count);
    }
    if (missed.empty()) return;
    std::stable_sort(missed.begin(), missed.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    out << "Characters no key types (compared in small letters), most frequent first:\n";
    for (const auto& [character, count] : missed) out << "  " << character << "  " << count << "\n";
}

void WriteCostliest(std::ostream& out, const ScannedKeyboard& keyboard,
                    const CostSummary& summary) {
    std::vector<int> used;
    for (size_t node = 0; node < summary.uses.size(); ++node) {
        if (summary.uses[node] > 0) used.push_back(static_cast<int>(node));
    }
    auto total = [&](int node) {
        return summary.uses[static_cast<size_t>(node)] *
               static_cast<uint64_t>(keyboard.Costs()[static_cast<size_t>(node)]->Actions());
    };
    std::stable_sort(used.begin(), used.end(), [&](int a, int b) { return total(a) > total(b); });
    used.resize(std::min(used.size(), kCostliestKeys));
    if (used.empty()) return;
    out << "The costliest keys: actions per use x uses = total actions (share of all)\n";
    for (size_t rank = 0; rank < used.size(); ++rank) {
        const int node = used[rank];
        out << std::setw(4) << rank + 1 << ". " << KeyPath(keyboard.Flat(), node) << "  "
            << keyboard.Costs()[static_cast<size_t>(node)]->Actions() << " x "
            << summary.uses[static_cast<size_t>(node)] << " = " << total(node) << " (" << std::fixed
            << std::setprecision(1) << Share(total(node), summary.Actions()) << " %)\n";
    }
}

}  // namespace

std::string KeyPath(const FlatKeyboard& keyboard, int node) {
    std::string path;
    for (int step : keyboard.PathTo(node)) {
        if (!path.empty()) path += " > ";
        path += "\"" + Utf8(keyboard.TextOf(step)) + "\"";
    }
    return path;
}

void WriteReport(std::ostream& out, const std::string& keyboardName,
                 const ScannedKeyboard& keyboard, const CostSummary& summary, int stepTenths) {
    out << "Keyboard: " << keyboardName << "\n";
    WriteFigures(out, summary, stepTenths);
    WriteUntypeable(out, summary);
    WriteCostliest(out, keyboard, summary);
}

}  // namespace analysis
