#pragma once
// The device windows of the settings menu and the help menu: the device settings dialog
// (frmGerätEinst), the device coding dialog (FrmMaster) and the about box (Frminfo). Each is one
// modeless instance that deletes itself when closed; opening it again raises the open one.
#include <QDialog>
#include <QVector>

#include "shell/Geraeteeinstellungen.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace qv {

class FrmGeraetEinst : public QDialog {
  Q_OBJECT
 public:
  explicit FrmGeraetEinst(QWidget* parent = nullptr);
  // What the controls show now.
  Einstellstellung stellung() const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  void reject() override { close(); }

 private:
  void buildControls();
  void Form_Load();
  void cbolpt_Click();
  void cboMessKan_Click();
  void cboMessPeriode_Click();
  void CmdEinstOk_Click();
  void cmdeinstSpei_Click();
  // The controls set to a position (lists refilled, no handler run).
  void zeige(const Einstellstellung& s);
  // What the dialog stands for by now: the user's changes over the settings as they are.
  Einstellstellung uebernahme() const;
  // The values the user has not changed follow the settings as they are now.
  void nachfuehren();

  QGroupBox *fraKarte_, *frazeilzahl_, *fraswregel_, *Frasprache_, *FraAstros_auf_, *Framessimp_;
  QComboBox *cbolpt_, *cboswregel_, *cbosprache_, *cboMessKan_, *cboMessPeriode_, *cboMessImpDauer_,
      *cboMessZustand_, *cboMessImpLage_;
  QScrollBar *hsbverz_, *Hsbzeilen_;
  QLabel *lblverzfakt_, *lblKopfzeil_, *lblzeilen_;
  QPushButton *cmdA4_, *CmdEinstOk_, *cmdeinstSpei_, *cmdEinstend_;
  QRadioButton *optastroC1_, *optastroC1undC2_;
  Einstellstellung gezeigt_;  // what the controls showed, apart from what the user changed
  QVector<int> kanaele_;  // channel of each cboMessKan entry
  int astro_ = -1;        // the astro selection value
};

class FrmMaster : public QDialog {
  Q_OBJECT
 public:
  explicit FrmMaster(QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;
  void reject() override { close(); }

 private:
  void Check_Click(int bit);
  void Aenderung();
  // The boxes and option pairs as the program has them now.
  void zeige();

  QCheckBox* Check_[8]{};
  QRadioButton* paar_[6][2]{};  // the first and the second button of each option pair
};

class Frminfo : public QDialog {
  Q_OBJECT
 public:
  explicit Frminfo(QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* e) override;
  void reject() override { close(); }
};

// Open (or raise) the windows; each returns its window.
QWidget* Zeige_Geraeteeinstellungen();
QWidget* Zeige_Codierung();
QWidget* Zeige_Info();

// Shows or hides the frame's header panel (the about box hides it while it is open).
void Zeige_Kopfpanel(bool sichtbar);

}  // namespace qv
