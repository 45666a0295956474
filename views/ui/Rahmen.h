#pragma once

namespace qv {

// Opens the frame (MDIForm1) with the main window for the clock type just chosen.
void Oeffne_Rahmen();

}  // namespace qv
