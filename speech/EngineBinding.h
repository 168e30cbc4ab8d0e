#pragma once

struct Programa;

// Binds the speech library at start-up, before any window exists, and sets its speed.
void CarregarUpcTV(Programa& programa);
