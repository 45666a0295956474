#pragma once
// The input automation's settings dialog (frmAutoEinst), not modal: the steps of the proposal and
// the own changeover rule. OK copies the controls into the settings; Abbrechen, Esc and closing
// store nothing.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace qv {

class FrmAutoEinst : public QDialog {
  Q_OBJECT
 public:
  explicit FrmAutoEinst(QWidget* parent = nullptr);

  void ChkEinstOk_Click();

  QScrollBar *hsbincmin = nullptr, *HsbIncStd = nullptr, *HsbincTag = nullptr, *hsbwert = nullptr;
  QLabel *LblincMin = nullptr, *lblincStd = nullptr, *LblIncTag = nullptr, *lblwert = nullptr;
  QCheckBox *chkincWtag = nullptr, *chkincMon = nullptr, *chkincPrio = nullptr, *chkincZust = nullptr;
  QComboBox *cbovonregel = nullptr, *cbovonwtag = nullptr, *cbobisregel = nullptr, *cbobiswtag = nullptr;
  QPushButton *ChkEinstOk = nullptr, *cmdEinstend = nullptr;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Form_Load();
};

// Shows the one dialog (raises it when open) and returns it.
QWidget* Oeffne_AutoEinst();

}  // namespace qv
