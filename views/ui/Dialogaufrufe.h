#pragma once
// The filter dialog as the frame and the main window open it.
class QWidget;

namespace qv {

// The filter dialog, modeless (raised when already open); returns its window.
QWidget* Oeffne_Filterdialog();

}  // namespace qv
