#include "speech/Speech.h"

#include "ui/DesignTexts.h"

namespace speech {

Speech::Speech(platform::Keyboard& keyboard, platform::Windows& windows,
               platform::Clipboard& clipboard, platform::Time& time, Engines& engines,
               SpeechParts parts, SpeechHooks hooks)
    : TimerStatusUpcTV(time, design::kStatusIntervalMs, [this] { TimerStatusUpcTVTimer(); }),
      keyboard_(keyboard),
      windows_(windows),
      clipboard_(clipboard),
      time_(time),
      engines_(engines),
      parts_(parts),
      hooks_(std::move(hooks)) {}

}  // namespace speech
