#pragma once
// The infrared window: read or write the switching program, or set the clock's time and date,
// through the infrared helper program. One instance, a window of its own.
#include <QDialog>

#include "transfer/IRZugriff.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace qv {

class frmIRAccess final : public QDialog {
  Q_OBJECT
 public:
  frmIRAccess();
  static frmIRAccess* Oeffne();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void reject() override;

 private:
  void Option1_Click(int index);
  void cmd_IRok_Click();
  void cmd_Irend_Click();
  void txtdat_LostFocus();
  void TxtUz_LostFocus();
  void zeigeFelder(bool sichtbar);

  QRadioButton* Option1[3];
  QRadioButton* Optcom[2];
  QGroupBox* FraCOMNr;
  QLineEdit* TxtUz;
  QLineEdit* txtdat;
  QLabel* lblUz;
  QLabel* lblDat;
  QProgressBar* ggeIRtrans;
  QPushButton* cmd_IRok;
  QPushButton* cmd_Irend;

  IRModus modus_ = IRModus::Lesen;
  QString zeitmodus_ = QStringLiteral("UZ0");
  Uhrzeit zeit_;
  Datum datum_;
  bool kopieGemacht_ = false;
  bool laeuft_ = false;
};

}  // namespace qv
