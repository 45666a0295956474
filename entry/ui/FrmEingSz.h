#pragma once
// The switching-time entry form: new entries, changing and copying selected rows. The fields
// keep each other consistent while the user types; OK hands them to the entry logic. The form is
// created anew at every opening; its form-level state lives in szFormState().
#include <QWidget>

#include "entry/Schaltzeiteingabe.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace qv {

class Bildknopf;
class ColourCheckBox;
class NumericField;

class FrmEingSz : public QWidget, private SzFormular {
  Q_OBJECT
 public:
  explicit FrmEingSz(QWidget* parent = nullptr);
  ~FrmEingSz() override;
  // The set-up by mode; false when the selected rows lead to no switching times (the form must
  // not open then).
  bool Form_Load();

  int EingabeArt() const { return szFormState().EingabeArt; }

  // Handlers, also reached by the input automation.
  void cmdSzok_Click();
  void cmdSzEnd_Click();
  void Cmdalleok_Click();
  void tmalleok_Timer();
  void cmdEinAus_Click();
  void Liststd_Click();
  void Listmin_Click();
  void listimp_click();
  void LstPrio_click();
  void Listtag_click();
  void LstMonat_click();
  void Wochentage_weiter();
  void Zeige_Sz_in_Feldern(int nr, int speicher) override;
  void Zeige_AltSz(int index) override;
  void imgoldSzdown_Click();
  void imgoldSzup_click();
  // The input automation frame.
  void chkautopil_Click();
  void Automatik_Schritt() override;
  bool Automatik_gewaehlt() const override;
  void cmdneuassi_Click();

  // Controls, named as the form's own.
  QListWidget *liststd = nullptr, *listmin = nullptr, *listimp = nullptr, *Listtag = nullptr, *LstMonat = nullptr,
              *LstPrio = nullptr;
  NumericField *txtAnzstd = nullptr, *txtAnzMin = nullptr, *txtAnzImp = nullptr, *txtAnztag = nullptr,
               *txtAnzMon = nullptr, *txtAnzPrio = nullptr;
  QLabel *LblUesImp = nullptr, *LblUesPrio = nullptr;
  ColourCheckBox* chkWochentag[7]{};  // chkMontag .. chkSonntag
  ColourCheckBox *chktgl = nullptr, *chk1x = nullptr;
  ColourCheckBox* chkKan[4]{};
  QComboBox* cbokanal = nullptr;
  QPushButton *cmdEinAus = nullptr, *cmdSzOk = nullptr, *Cmdalleok = nullptr, *cmdSzEnd = nullptr;
  QGroupBox* frmautopil = nullptr;
  ColourCheckBox* Chkautopil = nullptr;
  QPushButton *Cmd1xauto = nullptr, *cmdneuassi = nullptr;
  QGroupBox* frmoldSz = nullptr;
  QLabel *lbloldkan = nullptr, *lbloldday = nullptr, *lbloldtime = nullptr, *lbloldimp = nullptr,
         *lbloldprio = nullptr;
  Bildknopf *imgoldSzdown = nullptr, *imgoldSZup = nullptr;
  QLabel* imgSzok = nullptr;
  QTimer *Timer1 = nullptr, *Tmalleok = nullptr;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void baue();
  void verbinde();
  void Form_Unload();
  void Wochentag_Click(int tag);
  void chktgl_Click();
  void chkKan_Click(int k);
  void Zeige_Prio(bool sichtbar);
  bool Verlasse_Feld(NumericField* feld);

  // What OK asks of the form.
  SzFelder Felder() const override;
  bool Pruefe_Fokusfeld() override;
  void Fokus_auf(SzFeld feld) override;
  void Bestaetige() override;
  void Ansicht_Schaltzeiten() override;
  void Alleok_weiter() override;
  void Schliessen() override;

  bool entladen_ = false;
};

// Opens the form in the frame for the mode in viewState().EingabeModus, or brings the open one
// forward. Nothing opens for new entries into a full program (it says so) or for a selection that
// leads to no switching times (a beep).
QWidget* Oeffne_EingSz();

}  // namespace qv
