#pragma once
// The grid-cell change dialog (frm_change_grid_data): delete a time, change it to a new time or
// shift it by hours and minutes, on type 280 with the switching state. It works only on the
// exchange values of viewState(); its objects carry the system's control names.
#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace qv {

class FrmChangeGridData : public QDialog {
  Q_OBJECT

 public:
  // Loads the dialog from GridDlgArt, GridDlgZeit, GridDlgOption and GridDlgWert.
  explicit FrmChangeGridData(QWidget* parent = nullptr);

  // Cancel, Escape and the window's close button: the run counts as cancelled.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void opt_del_Click();
  void opt_Aendern_Click();
  void opt_verschieben_Click();
  void Liststd_Click();
  void Listmin_Click();
  void cmd_onoff_Click();
  void cmdSzok_Click();

 private:
  void buildControls();
  void Form_Load();
  void zeigeEinAus();
  void setzeStunde(int eintrag);
  void setzeMinute(int eintrag);
  void txtanzstd_LostFocus();
  void txtanzmin_LostFocus();
  // A refused box: a beep and the focus back into it.
  void zurueckInsFeld(QLineEdit* box);

  QGroupBox* Fra_zeit_aendern_ = nullptr;
  QRadioButton* Opt_del_ = nullptr;
  QRadioButton* opt_Aendern_ = nullptr;
  QRadioButton* opt_verschieben_ = nullptr;
  QLabel* LblUesstd_ = nullptr;
  QLabel* LblUesMin_ = nullptr;
  QListWidget* liststd_ = nullptr;
  QListWidget* listmin_ = nullptr;
  QLineEdit* txtAnzstd_ = nullptr;
  QLineEdit* txtAnzMin_ = nullptr;
  QLabel* lbldpp_ = nullptr;
  QLabel* LblAnzUhr_ = nullptr;
  QPushButton* cmd_onoff_ = nullptr;
  QPushButton* cmdSzOk_ = nullptr;
  QPushButton* cmdSzEnd_ = nullptr;
  bool schliesst_ = false;  // no focus checks while the dialog closes or a refusal is pending
};

// Installs the dialog as hooks().Zellendialog: shown application-modal over the exchange values;
// any close other than OK counts as Cancel. The program calls it once at start.
void installCellDialog();

}  // namespace qv
