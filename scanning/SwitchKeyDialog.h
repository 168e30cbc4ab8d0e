#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <string>

namespace platform {
class SwitchKeys;
class Time;
class TimerSource;
}  // namespace platform

// The small "press your switch now" dialog: the first key pressed anywhere becomes the
// switch; the cancel button, clicked with the mouse, leaves the switch as it was.
class SwitchKeyDialog : public QDialog {
    Q_OBJECT
  public:
    SwitchKeyDialog(platform::SwitchKeys& keys, platform::Time& time, const QString& prompt,
                    const QString& cancel, QWidget* parent = nullptr);
    ~SwitchKeyDialog() override;

    // Shows the dialog until a key is pressed or the user cancels: the key's name, or nothing.
    std::optional<std::string> Ask();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void TryToCatch();

    platform::SwitchKeys& keys_;
    std::optional<std::string> key_;
    // While another program holds the keyboard (a menu still closing), catching is tried again.
    std::unique_ptr<platform::TimerSource> retry_;
};
