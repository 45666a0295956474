#pragma once
// The print and export dialog (frmDruck), modeless and one at a time: which lists of
// the own program are printed, whether everything goes into the text file, and the lines between
// page headers with the button that opens the device settings.
#include <QDialog>

class QCheckBox;
class QLabel;

namespace qv {

class FrmDruck : public QDialog {
  Q_OBJECT
 public:
  explicit FrmDruck(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* e) override;
  void reject() override { close(); }
  void closeEvent(QCloseEvent* e) override;

 private:
  void cmdprdruck_Click();

  QCheckBox *chkprsz_, *chkprpz_, *chkprsw_, *Chkprastro_, *chkprgeraeteeigenschaften_, *chktxtdat_;
  QLabel* lblzeilen_;
};

// Opens the dialog, or brings the open one forward, and returns it.
QWidget* Zeige_Druckdialog();

}  // namespace qv
