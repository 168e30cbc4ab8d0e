#pragma once

#include <QDialog>
#include <optional>

#include "scanning/Scanning.h"

// The small "press your switch now" dialog for a joystick or gamepad, naming the devices
// listened to: the first button pressed on any of them becomes the switch; the cancel button
// leaves the switch as it was.
class SwitchButtonDialog : public QDialog {
  public:
    SwitchButtonDialog(const QString& prompt, const QStringList& devices, const QString& cancel,
                       QWidget* parent = nullptr);

    // Shows the dialog until a button is caught or the user cancels.
    std::optional<scanning::LearntButton> Ask();
    // A button was pressed: the dialog closes with it.
    void Caught(scanning::LearntButton button);

  private:
    std::optional<scanning::LearntButton> learnt_;
};
