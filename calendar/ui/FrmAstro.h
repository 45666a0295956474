#pragma once
// The astro settings dialog (frmastro, tag "Astro"), a child of the frame: latitude, longitude,
// time zone and the sunrise and sunset corrections with the list of stored places, and on the
// 16-channel type the limits and states of one astro channel. OK computes the channel's astro
// times; when a command puts another program into the tables, the dialog shows at once its place
// and the channel it would open with, wherever the user moved no bar. "Beenden" closes without
// taking anything over. Its objects carry the system's names.
#include <QWidget>

#include "calendar/Astroeinstellung.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace qv {

class FrmAstro : public QWidget {
  Q_OBJECT

 public:
  explicit FrmAstro(QWidget* parent = nullptr);
  ~FrmAstro() override;
  // Active again: the bars the user has not moved show the program as it is now.
  void nachfuehren();
  // Another program stands in the tables: the dialog shows it at once, on the channel and with
  // the place it would open with, keeping only the bars the user moved.
  void Programm_ersetzt();

 private:
  struct Regler {
    QLabel* lbl = nullptr;
    QScrollBar* bar = nullptr;
    QLineEdit* txt = nullptr;
  };

  void buildControls();
  Regler baue(const char* lbl, const char* bar, const char* txt, int min, int max, int gross);
  void Form_Load();
  void Zeige_Texte();
  // The astro channel k (1..4) as the current one, and alone in the frame's first channel label
  // while the astro view is shown.
  void Zeige_Astrokanal(int k);
  // The bars the user has not moved show the program as it is now; true when any changed.
  bool folge();
  void cmd_astro_ok_Click();
  void cmd_astro_end_Click();
  void Lade_Ortliste();
  void Fuelle_Ortliste(const std::vector<Place>& orte, int auswahl);
  void cboort_Click();
  void cmdspeichern_Click();
  void cmd_delete_ort_Click();
  AstroRegler regler() const;
  void setzeRegler(const AstroRegler& r);
  AstroStellung stellung() const;
  void schliessen();

  int kanal_ = 0;  // the astro channel (0-based) whose limits the dialog shows
  AstroStellung gezeigt_;  // what the bars showed, apart from what the user moved
  Regler breite_, laenge_, zeitzone_, offsetAuf_, offsetUnter_, limitAuf_, limitUnter_;
  QLabel* lbl_Zustand_Aufgang_ = nullptr;
  QComboBox* cbo_Zustand_Aufgang_ = nullptr;
  QLabel* lbl_Zustand_Untergang_ = nullptr;
  QComboBox* cbo_Zustand_untergang_ = nullptr;
  QGroupBox* fra_ort_ = nullptr;
  QComboBox* cboort_ = nullptr;
  QPushButton* cmdspeichern_ = nullptr;
  QPushButton* cmd_delete_ort_ = nullptr;
  QPushButton* cmd_astro_ok_ = nullptr;
  QPushButton* cmd_astro_end_ = nullptr;
};

// Opens the astro dialog inside the frame, or brings it forward when it is open.
QWidget* Oeffne_frmastro();

}  // namespace qv
