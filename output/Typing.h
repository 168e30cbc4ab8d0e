#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "keys/KeyKind.h"
#include "lang/CaptionTable.h"
#include "platform/Keyboard.h"
#include "platform/Time.h"
#include "platform/Windows.h"

class KeyTree;
class QAction;
class QToolButton;
class QTreeWidgetItem;

namespace output {

class WordPrediction;
class Tracking;

// The parts of the window that typing works with; the form builds them.
struct TypingParts {
    KeyTree* Tree;
    QToolButton* ButtonShift;
    QToolButton* ButtonBloqMajuscules;
    QAction* MenuEnviarLesTeclesALAplicacioActiva;
    QAction* MenuLlegirElQueSEscriu;
};

// What typing asks of the rest of the keyboard, wired by the form.
struct TypingHooks {
    // Reads a typed key aloud.
    std::function<bool(const std::string&)> LlegirTecla;
    // The keyboard gives the focus back when the user was typing into one of its fields.
    std::function<void()> TornarElFocus;
    // What a press does to the scan: it begins, a group is chosen, a key was typed (the scan
    // restarts), it ends.
    std::function<void()> PressStarted;
    std::function<void(QTreeWidgetItem*)> Chosen;
    std::function<void()> ReiniciarEscaneig;
    std::function<void()> PressEnded;
    std::function<lang::Llengua()> Llengua;
};

// The key press dispatch: what choosing a key types into the receiving window, with the shift
// and caps-lock toggles, and what it does to the groups and the scan.
class Typing {
  public:
    Typing(platform::Keyboard& keyboard, platform::Windows& windows, platform::Time& time,
           Tracking& tracking, WordPrediction& prediction, TypingParts parts, TypingHooks hooks);

    void TreeClick();
    void EnviarTecla(uint8_t vk);
    void EnviarCaracter(char character);
    // Tells the user, once a run, that the layout could not type a character of the key
    // just typed.
    void AvisarCaracterOmes();
    void ButtonShiftClick();
    void ButtonBloqMajusculesClick();
    void MenuEnviarLesTeclesALAplicacioActivaClick();

  private:
    void TeclejarTecla(const QTreeWidgetItem* key, bool receiverInFront);
    void EnviarTeclaEspecial(const keys::SpecialKey& key);
    bool Majuscula() const;
    void GastarShift();
    void ShiftOn();
    void ShiftOff();
    void TeclejarVocalAccentuada(char accent, char vowel);
    void TeclejarAlTeclatEspanyol(char character);
    bool TeclejarTalComEsEscriu(char character);

    platform::Keyboard& keyboard_;
    platform::Windows& windows_;
    platform::Time& time_;
    Tracking& tracking_;
    WordPrediction& prediction_;
    TypingParts parts_;
    TypingHooks hooks_;
    // A character of the key being typed was skipped; the user has been told of one.
    bool caracterOmes_ = false;
    bool caracterOmesAvisat_ = false;
};

}  // namespace output
