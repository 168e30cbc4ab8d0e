#include "scanning/SwitchKeyDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Cp1252.h"
#include "platform/SwitchKeys.h"
#include "platform/Time.h"
#include "ui/DesignTexts.h"

namespace {

constexpr int kRetryMs = 200;

}  // namespace

SwitchKeyDialog::SwitchKeyDialog(platform::SwitchKeys& keys, platform::Time& time,
                                 const QString& prompt, const QString& cancel, QWidget* parent)
    : QDialog(parent), keys_(keys), retry_(time.CreateTimer([this] { TryToCatch(); })) {
    setWindowTitle(platform::ToQString(design::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    QFont large = label->font();
    large.setPointSize(large.pointSize() * 2);
    label->setFont(large);
    layout->addWidget(label);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

SwitchKeyDialog::~SwitchKeyDialog() { keys_.StopCatchingKey(); }

std::optional<std::string> SwitchKeyDialog::Ask() {
    key_.reset();
    exec();
    return key_;
}

void SwitchKeyDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TryToCatch();
}

void SwitchKeyDialog::TryToCatch() {
    const bool catching = keys_.CatchNextKey([this](const std::string& name) {
        key_ = name;
        accept();
    });
    if (catching) {
        retry_->stop();
    } else {
        retry_->start(kRetryMs);
    }
}

void SwitchKeyDialog::done(int result) {
    retry_->stop();
    keys_.StopCatchingKey();
    QDialog::done(result);
}
