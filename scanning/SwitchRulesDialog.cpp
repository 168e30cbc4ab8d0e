#include "scanning/SwitchRulesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace {

// A list of the values from 0 to max in steps, 0 shown as `off`.
QComboBox* Milliseconds(int step, int max, const QString& off, int current) {
    auto* list = new QComboBox;
    list->addItem(off, 0);
    for (int ms = step; ms <= max; ms += step) list->addItem(QStringLiteral("%1 ms").arg(ms), ms);
    list->setCurrentIndex(list->findData(current));
    return list;
}

// A share in percent as a factor, "× 1,5": every interface language writes a decimal comma.
QString Factor(int percent) {
    return QStringLiteral("\u00D7 %1").arg(QString::number(percent / 100.0).replace('.', ','));
}

QComboBox* FirstKey(int current) {
    auto* list = new QComboBox;
    for (int percent = scan::kFirstKeyMinPercent; percent <= scan::kFirstKeyMaxPercent;
         percent += scan::kFirstKeyStepPercent) {
        list->addItem(Factor(percent), percent);
    }
    list->setCurrentIndex(list->findData(current));
    return list;
}

QComboBox* CueSpeed(const QString& off, int current) {
    auto* list = new QComboBox;
    list->addItem(off, 0);
    for (int percent = scan::kCueSpeedMinPercent; percent <= scan::kCueSpeedMaxPercent;
         percent += scan::kCueSpeedStepPercent) {
        list->addItem(Factor(percent), percent);
    }
    list->setCurrentIndex(list->findData(current));
    return list;
}

QComboBox* Rest(const QString& never, const QString& passes, int current) {
    auto* list = new QComboBox;
    list->addItem(never, 0);
    for (int n = 1; n <= scan::kRestMaxPasses; ++n) list->addItem(passes.arg(n), n);
    list->setCurrentIndex(list->findData(current));
    return list;
}

}  // namespace

SwitchRulesDialog::SwitchRulesDialog(const SwitchRulesCaptions& captions,
                                     const scan::SwitchRules& rules, QWidget* parent)
    : QDialog(parent),
      acceptance_(Milliseconds(scan::kAcceptanceStepMs, scan::kAcceptanceMaxMs, captions.off,
                               rules.acceptanceMs)),
      repeat_(Milliseconds(scan::kRepeatStepMs, scan::kRepeatMaxMs, captions.off, rules.repeatMs)),
      firstKey_(FirstKey(rules.firstKeyPercent)),
      rest_(Rest(captions.never, captions.passes, rules.restPasses)),
      cueSpeed_(CueSpeed(captions.off, rules.cueVoice.speedPercent)),
      cueOtherVoice_(new QCheckBox(captions.cueOtherVoice)) {
    cueOtherVoice_->setChecked(rules.cueVoice.otherSpeaker);
    setWindowTitle(captions.title);
    auto* form = new QFormLayout(this);
    form->addRow(captions.acceptance, acceptance_);
    form->addRow(captions.repeat, repeat_);
    form->addRow(captions.firstKey, firstKey_);
    form->addRow(captions.rest, rest_);
    form->addRow(captions.cueSpeed, cueSpeed_);
    form->addRow(cueOtherVoice_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(captions.ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(captions.cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

std::optional<scan::SwitchRules> SwitchRulesDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Rules();
}

scan::SwitchRules SwitchRulesDialog::Rules() const {
    return {
        .acceptanceMs = acceptance_->currentData().toInt(),
        .repeatMs = repeat_->currentData().toInt(),
        .firstKeyPercent = firstKey_->currentData().toInt(),
        .restPasses = rest_->currentData().toInt(),
        .cueVoice = {cueSpeed_->currentData().toInt(), cueOtherVoice_->isChecked()},
    };
}
