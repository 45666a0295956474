#pragma once
// The windows and transfers the main window and the frame start but that other parts of the
// program provide, set where the program is wired together (and by the tests). Each member opens
// its window (modeless) and returns it, or nullptr; a member left unset opens nothing. A returned window
// that deletes itself on close (WA_DeleteOnClose) activates the main window again when it goes.
#include <QString>
#include <functional>

class QWidget;

namespace qv {

struct Fensteraufrufe {
  // Child windows inside the frame (their tag in brackets).
  std::function<QWidget*()> frmEingSz, frmEingPZ, frmEinSW, frmAutoEinst;
  std::function<QWidget*()> frmastro;   // "Astro"
  std::function<QWidget*()> FrmGrafik;  // "Grafik"
  // Windows of their own.
  std::function<QWidget*()> frmfeiertage, frmIRAccess, FrmBusaccess, frmDruck, frmGeraetEinst, FrmMaster, Frminfo;
  // The memory-key transfer, "s" write or "l" read.
  std::function<void(const QString& richtung)> KartenZugriff;
  // The frame's print button: prints the grid as shown.
  std::function<void()> Drucke_Ansicht;
  // Ends the program at once (the exit command); unset: the event loop ends with code 0.
  std::function<void()> Programmende;
};

Fensteraufrufe& fensteraufrufe();

// Opens one of the windows above through its member; nullptr when it is unset.
QWidget* Oeffne_Fenster(std::function<QWidget*()> Fensteraufrufe::*fenster);

// Closes every window of its own still shown but ausser, each as its close box would (the holiday
// editor without writing its file): the end of the program and New leave none behind.
void closeWindowsOfTheirOwn(QWidget* ausser);

// The end of the program: every other window still shown is closed, then Programmende runs (or
// the event loop ends with code 0), so no window stays behind on its own.
void Beende_Programm(QWidget* ausser);

}  // namespace qv
