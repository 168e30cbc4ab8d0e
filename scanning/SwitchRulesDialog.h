#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "scan/SwitchRules.h"

class QCheckBox;
class QComboBox;

// The captions of the switch rules dialog, in the interface language.
struct SwitchRulesCaptions {
    QString title;
    QString acceptance;
    QString repeat;
    QString firstKey;
    QString rest;
    QString off;     // for a filter at 0
    QString never;   // for no rest
    QString passes;  // "%1 passes"
    QString cueSpeed;
    QString cueOtherVoice;
    QString ok;
    QString cancel;
};

// One small dialog for the switch rules: each rule a list of the values offered, the current
// one chosen; under them the cue voice of the key read while scanning.
class SwitchRulesDialog : public QDialog {
  public:
    SwitchRulesDialog(const SwitchRulesCaptions& captions, const scan::SwitchRules& rules,
                      QWidget* parent = nullptr);

    // Shows the dialog: the rules as the user left them, or nothing when cancelled.
    std::optional<scan::SwitchRules> Ask();
    // The rules the lists show now.
    scan::SwitchRules Rules() const;

  private:
    QComboBox* acceptance_;
    QComboBox* repeat_;
    QComboBox* firstKey_;
    QComboBox* rest_;
    QComboBox* cueSpeed_;
    QCheckBox* cueOtherVoice_;
};
