#pragma once
// The bus access window (FrmBusaccess), a window of its own, not modal: the serial port of the
// bus interface, the search for the brand's clocks over a range of one line, and reading,
// programming and restoring the clock whose address is given. While an operation runs its
// commands are off and the window does not close. Its objects carry the system's control names.
#include <QDialog>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace qv {

class Buszugriff;
class EibTreiber;

class FrmBusaccess : public QDialog {
  Q_OBJECT

 public:
  // Without a driver the window drives the serial bus coupler.
  explicit FrmBusaccess(EibTreiber* treiber = nullptr, QWidget* parent = nullptr);
  ~FrmBusaccess() override;
  Buszugriff& zugriff() { return *zugriff_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void reject() override;

 private:
  void Form_Load();
  void Feld_Change(QLineEdit* feld, int grenze, const QString& ersatz);
  void cmdbussearch_Click();
  void cmdbusread_Click();
  void cmdbusprog_Click();
  void cmd_appl_reinstall_Click();
  void setzeBeschaeftigt(bool an);

  std::unique_ptr<EibTreiber> eigener_;
  std::unique_ptr<Buszugriff> zugriff_;

  QGroupBox* frminterface_ = nullptr;
  QLabel* lblcomnr_ = nullptr;
  QRadioButton* optcom1_ = nullptr;
  QRadioButton* optcom2_ = nullptr;
  QGroupBox* fraBusSearch_ = nullptr;
  QLabel* lblBusbereich_ = nullptr;
  QLineEdit* txtBereich_ = nullptr;
  QLabel* lblBusLinie_ = nullptr;
  QLineEdit* txtBuslinie_ = nullptr;
  QLabel* lblvonTeilnehmer_ = nullptr;
  QLineEdit* txtvonTeilnehmer_ = nullptr;
  QLabel* lblbisTeilnehmer_ = nullptr;
  QLineEdit* txtbisTeilnehmer_ = nullptr;
  QPushButton* cmdbussearch_ = nullptr;
  QLabel* lblsearchresult_ = nullptr;
  QComboBox* cboPhysadr_ = nullptr;
  QGroupBox* FraBusProg_ = nullptr;
  QLabel* lblPhysadr_ = nullptr;
  QLineEdit* txtPhysadr_ = nullptr;
  QPushButton* cmdbusread_ = nullptr;
  QPushButton* cmdbusprog_ = nullptr;
  QPushButton* cmd_appl_reinstall_ = nullptr;
  QPushButton* cmdBusend_ = nullptr;
  QGroupBox* Frmstatus_ = nullptr;
  QLabel* lblstatus_ = nullptr;
  QLineEdit* txtstatus_ = nullptr;
  QProgressBar* ggestatus_ = nullptr;
};

// Shows the single bus window, creating it on first use.
QWidget* Oeffne_Busaccess();

}  // namespace qv
