#pragma once

#include "platform/Clipboard.h"
#include "platform/Keyboard.h"
#include "platform/Modules.h"
#include "platform/Pointer.h"
#include "platform/Processes.h"
#include "platform/SwitchKeys.h"
#include "platform/Time.h"
#include "platform/Windows.h"

namespace platform {

// Every desktop operation the keyboard uses, keeping the operations' own names.
// One backend drives the real desktop (x11/), another records calls for tests (fake/).
// Private-profile files are plain file logic shared by all backends (profile/).
class Desktop : public Windows,
                public Keyboard,
                public Pointer,
                public Clipboard,
                public Modules,
                public Processes,
                public SwitchKeys,
                public Time {};

}  // namespace platform
