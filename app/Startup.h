#pragma once

#include <QStringList>
#include <memory>
#include <string>

#include "app/Programa.h"

class TFormPrincipal;
class TAboutBox;
class TFormLlengua;

// The entry routine's steps, apart from running the message loop: Start brings the
// windows up in their fixed order, Finish frees what start-up took.
class Startup {
  public:
    Startup(platform::Desktop& desktop, const QStringList& parameters);
    ~Startup();

    void Start();
    void Finish();

    Programa programa;
    std::unique_ptr<TFormPrincipal> FormPrincipal;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TFormLlengua> FormLlengua;

  private:
    void CreateWindows();
    void ShowSplash();

    QStringList parameters_;
};
