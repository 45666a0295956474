#pragma once
// The windows and transfers the main window and the frame start but that other parts of the
// program provide. Each member opens its window (modeless) and returns it, or nullptr; a member
// left unset opens a small placeholder that says the window is not built yet. A returned window
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

// Opens one of the windows above through its member, or its placeholder.
QWidget* Oeffne_Fenster(std::function<QWidget*()> Fensteraufrufe::*fenster);
// The object name and, for frame children, the tag of a window of the list.
QString Fenstername(std::function<QWidget*()> Fensteraufrufe::*fenster);

// A placeholder: inside the frame (with the tag) when mdiKind, else a window of its own.
QWidget* Zeige_Platzhalter(const QString& name, const QString& tag, bool mdiKind);
// A placeholder for an operation that has no window: a message that it is not built yet.
void Melde_nicht_gebaut(const QString& name);

// The end of the program: every other window still shown is closed, then Programmende runs (or
// the event loop ends with code 0), so no window stays behind on its own.
void Beende_Programm(QWidget* ausser);

}  // namespace qv
