#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Programa.h"
#include "platform/SwitchButtons.h"

class TFormPrincipal;
class TAboutBox;
class TFormLlengua;

// The entry routine's steps, apart from running the message loop: Start brings the
// windows up in their fixed order, Finish frees what start-up took.
class Startup {
  public:
    Startup(platform::Desktop& desktop, std::vector<std::string> parameters);
    ~Startup();

    // False when the main window was closed during start-up: the program must end then,
    // without running the message loop, which would never see the window go.
    bool Start();
    void Finish();

    Programa programa;
    // Joysticks and gamepads, read through the kernel whatever the desktop; it outlives the
    // window that reads them.
    std::unique_ptr<platform::SwitchButtons> switchButtons;
    std::unique_ptr<TFormPrincipal> FormPrincipal;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TFormLlengua> FormLlengua;

  private:
    void CreateWindows();
    void ShowSplash();

    std::vector<std::string> parameters_;
};
