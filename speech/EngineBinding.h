#pragma once

namespace speech {

struct Engines;

// Binds the speech library at start-up, before any window exists, and sets its speed.
void CarregarUpcTV(Engines& engines);

}  // namespace speech
