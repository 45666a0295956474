// The input automation frame of the switching-time form: its check box, its step over the
// form's own fields, and the settings dialog.
#include <QListWidget>
#include <QPushButton>

#include "entry/Eingabeautomatik.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/FrmEingSz.h"
#include "model/Environment.h"
#include "views/ui/Fensteraufrufe.h"

namespace qv {
namespace {

class Datum final : public Datumsfelder {
 public:
  explicit Datum(FrmEingSz& f) : f_(f) {}
  int monatPos() const override { return f_.LstMonat->currentRow(); }
  int tagPos() const override { return f_.Listtag->currentRow(); }
  void waehleMonat(int pos) override { Setze_Listindex(f_.LstMonat, pos); }
  void waehleTag(int pos) override { Setze_Listindex(f_.Listtag, pos); }
  void monatKlick() override { f_.LstMonat_click(); }
  void tagKlick() override { f_.Listtag_click(); }

 private:
  FrmEingSz& f_;
};

class Schrittfelder final : public SzAutomatikFelder {
 public:
  explicit Schrittfelder(FrmEingSz& f) : f_(f), datum_(f) {}
  void cmdEinAus_Click() override { f_.cmdEinAus_Click(); }
  int minutePos() const override { return f_.listmin->currentRow(); }
  void waehleMinute(int pos) override {
    Setze_Listindex(f_.listmin, pos);
    f_.Listmin_Click();
  }
  int stundePos() const override { return f_.liststd->currentRow(); }
  void waehleStunde(int pos) override { Setze_Listindex(f_.liststd, pos); }
  int eingabeArt() const override { return f_.EingabeArt(); }
  void Wochentage_weiter() override { f_.Wochentage_weiter(); }
  int prioPos() const override { return f_.LstPrio->currentRow(); }
  int prioAnzahl() const override { return f_.LstPrio->count(); }
  void waehlePrio(int pos) override { Setze_Listindex(f_.LstPrio, pos); }
  Datumsfelder& datum() override { return datum_; }

 private:
  FrmEingSz& f_;
  Datum datum_;
};

}  // namespace

void FrmEingSz::chkautopil_Click() {
  InputAutomation& a = inputAutomation();
  a.AutoAktiv = a.AutoAktiv2 = static_cast<int16_t>(Chkautopil->wert());
  // Accept-all goes with the automation in change mode only.
  Cmdalleok->setVisible(Chkautopil->isChecked() && szFormState().Modus == 1);
}

void FrmEingSz::Automatik_Schritt() {
  Schrittfelder f(*this);
  Automatik_Schritt_Sz(f, inputAutomation(), env().now().date().year());
}

bool FrmEingSz::Automatik_gewaehlt() const { return Chkautopil->isChecked(); }

void FrmEingSz::cmdneuassi_Click() { Oeffne_Fenster(&Fensteraufrufe::frmAutoEinst); }

}  // namespace qv
