#pragma once
// The changeover table editor (frmEinSW), a child of the frame: appends entries to the summer/
// winter changeover table of the own program, one per OK or the rest of the table with "alle",
// or changes the entries selected in the main grid. Its objects carry the system's control names.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace qv {

class FrmEinSW : public QWidget {
  Q_OBJECT

 public:
  explicit FrmEinSW(QWidget* parent = nullptr);
  ~FrmEinSW() override;

  // The window became the active child of the frame.
  void Form_Activate();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  struct Haelfte {
    QListWidget* std = nullptr;
    QListWidget* umStd = nullptr;
    QListWidget* tag = nullptr;
    QListWidget* mon = nullptr;
    QLabel* lblStd = nullptr;
    QLabel* lblUmStd = nullptr;
    QLabel* lblTag = nullptr;
    QLabel* lblMon = nullptr;
    bool zurueck = false;
  };

  void buildControls();
  void buildHaelfte(Haelfte& h, const char* prefix);
  void Form_Load();
  void Std_Click(Haelfte& h);
  void UmStd_Click(Haelfte& h);
  void Tag_Click(Haelfte& h);
  void Mon_Click(Haelfte& h);
  void cboprojahr_Click();
  void chkautopil_Click();
  void vsbSWJahr_change(int wert);
  bool cmdswok_click();
  void cmdSwAlle_Click();
  void cmdautoneu_Click();
  void Zeige_SwEintrag(int nr);

  // The year the editor works on: counter, label, February's 29th and the rule days.
  void setzeJahr(int jahr);
  void Regeltage_anwenden();
  bool Regeltage_aktiv() const;
  void Regeltag_anwenden(Haelfte& h);
  // The day index cut to the month of its half.
  void Tag_begrenzen(Haelfte& h, bool piepen);
  void schliessen();

  Haelfte von_;
  Haelfte bis_;
  int modus_ = 0;   // EingabeModus when the editor opened
  int selBis_ = 0;  // last entry of a change run
  int AendNr_ = 0;
  int AlleZaehler_ = 0;
  bool geschlossen_ = false;
  bool entladen_ = false;  // closed: no longer counted as an open entry form

  QComboBox* cboprojahr_ = nullptr;
  QScrollBar* vsbSWJahr_ = nullptr;
  QLabel* LblJahr_ = nullptr;
  QLabel* headings_[11]{};
  QGroupBox* frmautopil_ = nullptr;
  QCheckBox* Chkautopil_ = nullptr;
  QPushButton* cmdautoneu_ = nullptr;
  QPushButton* cmdswalle_ = nullptr;
  QPushButton* cmdSwOk_ = nullptr;
  QPushButton* cmdSwEnd_ = nullptr;
  QLabel* imgswok_ = nullptr;
};

// Opens the changeover table editor inside the frame for viewState().EingabeModus, or brings it
// forward when it is open; returns its window.
QWidget* Oeffne_frmEinSW();

}  // namespace qv
