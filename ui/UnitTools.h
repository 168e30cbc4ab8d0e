#pragma once

#include "platform/Time.h"

// Waits ms milliseconds on the desktop's tick count while window messages, timer ticks
// and user input keep being handled; sleeps between messages instead of spinning.
// Handlers may run, and re-enter, inside the wait.
void Espera(platform::Time& time, int ms);
