#pragma once
// The input automation's settings dialog (frmAutoEinst), not modal: the steps of the proposal and
// the own changeover rule. Once a program is opened or read, and whenever it is active again, it
// shows the settings and the device family as they are now, keeping what was changed in it; OK
// takes that over. Abbrechen, Esc and closing store
// nothing.
#include <QDialog>

#include "model/Automatikeinstellung.h"

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
  bool event(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Form_Load();
  void zeige(const InputAutomation& a);
  // The settings with the controls' values.
  InputAutomation stellung() const;
  void nachfuehren();

  bool familie1_ = false;     // the state step shows as a value (device family 1)
  InputAutomation gezeigt_;   // what the controls showed, apart from what the user changed
};

// Shows the one dialog (raises it when open) and returns it.
QWidget* Oeffne_AutoEinst();

}  // namespace qv
