#pragma once

namespace qv {

// Wires the memory-key transfer with its progress window and the infrared window into the
// main window's commands.
void Installiere_Transferfenster();

}  // namespace qv
