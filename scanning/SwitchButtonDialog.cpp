#include "scanning/SwitchButtonDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/Cp1252.h"
#include "ui/DesignTexts.h"

SwitchButtonDialog::SwitchButtonDialog(const QString& prompt, const QStringList& devices,
                                       const QString& cancel, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(platform::ToQString(design::kCaption));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    QFont large = label->font();
    large.setPointSize(large.pointSize() * 2);
    label->setFont(large);
    layout->addWidget(label);
    layout->addWidget(new QLabel(devices.join(QLatin1Char('\n')), this));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<scanning::LearntButton> SwitchButtonDialog::Ask() {
    learnt_.reset();
    exec();
    return learnt_;
}

void SwitchButtonDialog::Caught(scanning::LearntButton button) {
    learnt_ = std::move(button);
    accept();
}
