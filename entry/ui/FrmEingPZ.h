#pragma once
// The priority-time entry form: new entries, changing and copying selected rows, date ranges or
// holidays. The fields keep each other consistent; OK hands them to the entry logic. The form is
// created anew at every opening; its form-level state lives in pzFormState().
#include <QWidget>

#include "entry/Eingabeautomatik.h"
#include "entry/Prioritaetseingabe.h"

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

class FrmEingPZ : public QWidget, private PzFormular, private PzAutomatikFelder {
  Q_OBJECT
 public:
  explicit FrmEingPZ(QWidget* parent = nullptr);
  ~FrmEingPZ() override;
  void Form_Load();

  // Handlers.
  void cmdPzOk_Click();
  void Cmdalleok_Click();
  void tmalleok_Timer();
  void cmdEinAus_Click() override;
  void LstPrio_click();
  void Listvontag_click();
  void ListbisTag_click();
  void lstvonmon_click();
  void lstbismon_click();
  void lstvonJahr_Click();
  void chk_bew_Feiertage_Click();
  void cbo_Ft_sets_Click();
  void chkautopil_Click();
  void Cmd1xauto_Click();
  void imgoldPzdown_Click();
  void imgoldPzup_Click();
  void Zeige_Pz_in_Feldern(int nr, int speicher) override;
  // The holiday and set lists follow a holiday table another window changed since they were
  // filled, keeping the set by name and the holiday by name and definition.
  void Feiertage_nachziehen();

  // Controls, named as the form's own.
  QListWidget *Listvontag = nullptr, *listbistag = nullptr, *Lstvonmon = nullptr, *LstbisMon = nullptr,
              *lstvonJahr = nullptr, *LstPrio = nullptr, *lst_bew_Feiertage = nullptr;
  NumericField *txtvonTag = nullptr, *txtvonMon = nullptr, *txtbistag = nullptr, *txtbisMon = nullptr,
               *txtAnzPrio = nullptr;
  ColourCheckBox* chkKan[4]{};
  ColourCheckBox *chk1x = nullptr, *chk_bew_Feiertage = nullptr, *Chkautopil = nullptr;
  QComboBox *cbokanal = nullptr, *cbo_Ft_sets = nullptr;
  QPushButton *cmdEinAus = nullptr, *cmdPzOk = nullptr, *Cmdalleok = nullptr, *cmdPzEnd = nullptr,
              *Cmd1xauto = nullptr, *cmdneuassi = nullptr;
  QLabel *PicBackColor = nullptr, *LblUesKan = nullptr, *LblUesTg[2]{}, *LblUesMon[2]{}, *LblUesPrio = nullptr,
         *LblUesvon = nullptr, *LblUesbis = nullptr, *LblvonUz = nullptr, *LblbisUz = nullptr;
  QGroupBox *frmoldPz = nullptr, *frmautopil = nullptr;
  QLabel *lbloldvon = nullptr, *lbloldbis = nullptr, *lbloldkan = nullptr, *lbloldprio = nullptr, *Label1 = nullptr;
  Bildknopf *imgoldPzdown = nullptr, *imgoldPzup = nullptr;
  QLabel* imgPzok = nullptr;
  QTimer *Timer1 = nullptr, *Tmalleok = nullptr;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void baue();
  void verbinde();
  void Form_Unload();
  void Kanal_Click(int k);
  void Zeige_AltPz(int index);
  QString Monatstext() const;
  int Jahrindex(int code);
  bool jahrlisteSichtbar() const;
  bool Tag_begrenzen(QListWidget* tag, QListWidget* monat, bool piep);
  bool Verlasse_Tag(NumericField* feld, QListWidget* liste);
  bool Verlasse_Monat(NumericField* feld, QListWidget* liste, bool mitJahr);
  void Fuelle_Feiertagsliste(int eintrag);

  // PzFormular
  bool Pruefe_Fokusfeld() override;
  PzLesung lesen() override;
  void Setze_Altanzeige(const PzEingabe& e) override;
  void Zeige_Okmarke() override;
  void Automatik_Schritt() override;
  bool Automatik_gewaehlt() const override;
  bool Naechster_Feiertag() override;
  void Ansicht_Prioritaeten() override;
  void Starte_Alleok() override;
  void Schliessen() override;
  // PzAutomatikFelder
  int prioPos() const override;
  int prioAnzahl() const override;
  void waehlePrio(int pos) override;
  bool feiertagsbindung() const override;
  Datumsfelder& von() override;
  Datumsfelder& bis() override;

  struct Felder;
  Felder* von_ = nullptr;
  Felder* bis_ = nullptr;
  bool entladen_ = false;
  // The holidays of lst_bew_Feiertage, row by row, and the table they were taken from.
  std::vector<FeiertagEintrag> feiertage_;
  HolidayTable stand_;
};

// Opens the one form inside the frame (or raises it); nullptr when it may not open.
QWidget* Oeffne_EingPZ();

}  // namespace qv
