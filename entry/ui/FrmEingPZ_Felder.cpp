// The priority-time form's field rules, its holiday binding, the loading of a stored record and
// its part of the input automation.
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <optional>

#include "entry/Eingaberegeln.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/FrmEingPZ.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "model/Vergleich.h"
#include "views/ui/Fensteraufrufe.h"

namespace qv {

// A day list with its month list, as the automation steps them.
struct FrmEingPZ::Felder : Datumsfelder {
  QListWidget *tag, *monat;
  std::function<void()> monatKlick_, tagKlick_;
  Felder(QListWidget* t, QListWidget* m, std::function<void()> mk, std::function<void()> tk)
      : tag(t), monat(m), monatKlick_(std::move(mk)), tagKlick_(std::move(tk)) {}
  int monatPos() const override { return monat->currentRow(); }
  int tagPos() const override { return tag->currentRow(); }
  void waehleMonat(int p) override { monat->setCurrentRow(p); }
  void waehleTag(int p) override { tag->setCurrentRow(p); }
  void monatKlick() override { monatKlick_(); }
  void tagKlick() override { tagKlick_(); }
};

void FrmEingPZ::verbinde() {
  von_ = new Felder(Listvontag, Lstvonmon, [this] { lstvonmon_click(); }, [this] { Listvontag_click(); });
  bis_ = new Felder(listbistag, LstbisMon, [this] { lstbismon_click(); }, [this] { ListbisTag_click(); });
  connect(this, &QObject::destroyed, [v = von_, b = bis_] {
    delete v;
    delete b;
  });
  for (int k = 0; k < 4; ++k) connect(chkKan[k], &QCheckBox::toggled, this, [this, k] { Kanal_Click(k); });
  connect(cmdEinAus, &QPushButton::clicked, this, &FrmEingPZ::cmdEinAus_Click);
  connect(LstPrio, &QListWidget::currentRowChanged, this, &FrmEingPZ::LstPrio_click);
  connect(Listvontag, &QListWidget::currentRowChanged, this, &FrmEingPZ::Listvontag_click);
  connect(listbistag, &QListWidget::currentRowChanged, this, &FrmEingPZ::ListbisTag_click);
  connect(Lstvonmon, &QListWidget::currentRowChanged, this, &FrmEingPZ::lstvonmon_click);
  connect(LstbisMon, &QListWidget::currentRowChanged, this, &FrmEingPZ::lstbismon_click);
  connect(lstvonJahr, &QListWidget::currentRowChanged, this, &FrmEingPZ::lstvonJahr_Click);
  connect(chk_bew_Feiertage, &QCheckBox::toggled, this, &FrmEingPZ::chk_bew_Feiertage_Click);
  connect(cbo_Ft_sets, &QComboBox::currentIndexChanged, this, &FrmEingPZ::cbo_Ft_sets_Click);
  connect(lst_bew_Feiertage, &QListWidget::currentRowChanged, this, [this] {
    if (const QListWidgetItem* i = lst_bew_Feiertage->currentItem()) txtvonMon->setText(i->text());
  });
  connect(Chkautopil, &QCheckBox::toggled, this, &FrmEingPZ::chkautopil_Click);
  connect(Cmd1xauto, &QPushButton::clicked, this, &FrmEingPZ::Cmd1xauto_Click);
  connect(cmdneuassi, &QPushButton::clicked, this, [] { Oeffne_Fenster(&Fensteraufrufe::frmAutoEinst); });
  connect(cmdPzOk, &QPushButton::clicked, this, &FrmEingPZ::cmdPzOk_Click);
  connect(Cmdalleok, &QPushButton::clicked, this, &FrmEingPZ::Cmdalleok_Click);
  connect(cmdPzEnd, &QPushButton::clicked, this, &FrmEingPZ::Schliessen);
  connect(imgoldPzdown, &Bildknopf::clicked, this, &FrmEingPZ::imgoldPzdown_Click);
  connect(imgoldPzup, &Bildknopf::clicked, this, &FrmEingPZ::imgoldPzup_Click);
  connect(Timer1, &QTimer::timeout, this, [this] {
    imgPzok->hide();
    Timer1->stop();
  });
  connect(Tmalleok, &QTimer::timeout, this, &FrmEingPZ::tmalleok_Timer);

  txtvonTag->setLeaveCheck([this] { return Verlasse_Tag(txtvonTag, Listvontag); });
  txtbistag->setLeaveCheck([this] { return Verlasse_Tag(txtbistag, listbistag); });
  txtvonMon->setLeaveCheck([this] { return chk_bew_Feiertage->isChecked() || Verlasse_Monat(txtvonMon, Lstvonmon, true); });
  txtbisMon->setLeaveCheck([this] { return Verlasse_Monat(txtbisMon, LstbisMon, false); });
  txtAnzPrio->setLeaveCheck([this] {
    const QString text = txtAnzPrio->text();
    if (IstProgrammname(text) == 1) return true;
    const int n = txtAnzPrio->leadingNumber();
    if (n > 9 || (n > 7 && profile().Geraetefamilie == 1)) return false;
    Setze_Listindex(LstPrio, n - 1);
    LstPrio_click();
    return true;
  });
  txtvonMon->installEventFilter(this);
  txtAnzPrio->installEventFilter(this);
}

bool FrmEingPZ::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    // With the binding on, the holiday's name takes no key at all; the program takes no "0".
    const bool gesperrt = (o == txtvonMon && chk_bew_Feiertage->isChecked() &&
                           (!k->text().isEmpty() || k->key() == Qt::Key_Backspace || k->key() == Qt::Key_Delete) &&
                           k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) ||
                          (o == txtAnzPrio && k->text() == QStringLiteral("0"));
    if (gesperrt) {
      env().beep();
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

void FrmEingPZ::Kanal_Click(int k) {
  // On the two-channel astro type channels 1 and 2 exclude each other.
  if (profile().Uhrentyp == 309 && k < 2 && chkKan[k]->isChecked()) chkKan[1 - k]->setChecked(false);
}

void FrmEingPZ::cmdEinAus_Click() {
  cmdEinAus->setText(cmdEinAus->text() == texts().S_AUS ? texts().S_EIN : texts().S_AUS);
}

void FrmEingPZ::LstPrio_click() {
  const QListWidgetItem* i = LstPrio->currentItem();
  txtAnzPrio->setText(i ? i->text() : QString());
  if (txtAnzPrio->text() == texts().S_Permanent) {
    cmdEinAus->show();
    PicBackColor->show();
  } else {
    cmdEinAus->hide();
    cmdEinAus->setText(texts().S_AUS);
    PicBackColor->hide();
  }
}

bool FrmEingPZ::Tag_begrenzen(QListWidget* tag, QListWidget* monat, bool piep) {
  const int letzter = Letzter_Tagindex(monat->currentRow());
  if (letzter < 0 || tag->currentRow() <= letzter) return false;
  if (piep) env().beep();
  tag->setCurrentRow(letzter);
  return true;
}

void FrmEingPZ::Listvontag_click() {
  txtvonTag->setText(Tagestext(Listvontag->currentRow()));
  Tag_begrenzen(Listvontag, Lstvonmon, true);
}

void FrmEingPZ::ListbisTag_click() {
  txtbistag->setText(Tagestext(listbistag->currentRow()));
  Tag_begrenzen(listbistag, LstbisMon, true);
}

QString FrmEingPZ::Monatstext() const {
  const int m = Lstvonmon->currentRow();
  const QString name = m >= 0 ? Monatsname(m + 1) : QString();
  if (lstvonJahr->currentRow() <= 0) return name;
  return name + u' ' + lstvonJahr->currentItem()->text();
}

void FrmEingPZ::lstvonmon_click() {
  txtvonMon->setText(Monatstext());
  if (txtvonTag->text().isEmpty()) txtvonTag->setText(Tagestext(Listvontag->currentRow()));
  if (Tag_begrenzen(Listvontag, Lstvonmon, false)) Listvontag_click();
}

void FrmEingPZ::lstbismon_click() {
  const int m = LstbisMon->currentRow();
  txtbisMon->setText(m >= 0 ? Monatsname(m + 1) : QString());
  if (txtbistag->text().isEmpty()) txtbistag->setText(Tagestext(listbistag->currentRow()));
  Tag_begrenzen(listbistag, LstbisMon, true);
}

void FrmEingPZ::lstvonJahr_Click() { txtvonMon->setText(Monatstext()); }

bool FrmEingPZ::Verlasse_Tag(NumericField* feld, QListWidget* liste) {
  const int n = feld->leadingNumber();
  if (n < 1 || n > 31) return false;
  liste->setCurrentRow(n - 1);
  if (liste == Listvontag) Listvontag_click();
  else ListbisTag_click();
  return true;
}

bool FrmEingPZ::Verlasse_Monat(NumericField* feld, QListWidget* liste, bool mitJahr) {
  const int n = feld->leadingNumber();
  if (n < 1 || n > 12) {
    // The month name, and in the from-month field the month name with the chosen year, stand.
    return IstMonatsname(feld->text()) == 1 || (mitJahr && feld->text() == Monatstext());
  }
  liste->setCurrentRow(n - 1);
  if (liste == Lstvonmon) lstvonmon_click();
  else lstbismon_click();
  return true;
}

void FrmEingPZ::chk_bew_Feiertage_Click() {
  const bool an = chk_bew_Feiertage->isChecked();
  const Texts& t = texts();
  for (QWidget* w : {static_cast<QWidget*>(Listvontag), static_cast<QWidget*>(Lstvonmon),
                     static_cast<QWidget*>(listbistag), static_cast<QWidget*>(LstbisMon),
                     static_cast<QWidget*>(LblUesbis), static_cast<QWidget*>(LblUesTg[0]),
                     static_cast<QWidget*>(LblUesTg[1]), static_cast<QWidget*>(LblUesMon[0]),
                     static_cast<QWidget*>(LblUesMon[1]), static_cast<QWidget*>(txtbisMon),
                     static_cast<QWidget*>(txtvonTag), static_cast<QWidget*>(txtbistag)})
    w->setVisible(!an);
  lst_bew_Feiertage->setVisible(an);
  cbo_Ft_sets->setVisible(an);
  if (an) {
    LblUesvon->setText(t.S_Feiertage2);
    lstvonJahr->hide();
    Chkautopil->setChecked(false);
    chkautopil_Click();
    frmautopil->hide();
    // A year picked in the date layout would bind a fixed-date holiday to it unseen.
    lstvonJahr->setCurrentRow(0);
    QStringList eintraege = holidayTable().FtSetName.mid(0, holidayTable().AnzFtSets);
    eintraege << t.S_alle;
    Fuelle_Kombi(cbo_Ft_sets, eintraege);
    cbo_Ft_sets->setCurrentIndex(cbo_Ft_sets->count() - 1);
    Cmdalleok->show();
  } else {
    lstvonJahr->setVisible(jahrlisteSichtbar());
    chk1x->setVisible(!jahrlisteSichtbar());
    LblUesvon->setText(t.S_Beginn);
    Lstvonmon->setCurrentRow(0);
    lstvonmon_click();
    Cmdalleok->hide();
    frmautopil->show();
  }
}

void FrmEingPZ::Fuelle_Feiertagsliste(int eintrag) {
  const bool alle = eintrag < 0 || eintrag == cbo_Ft_sets->count() - 1;
  feiertage_ = Pz_Feiertagsliste(alle ? -1 : eintrag);
  stand_ = holidayTable();
  const QSignalBlocker b(lst_bew_Feiertage);
  lst_bew_Feiertage->clear();
  for (const FeiertagEintrag& f : feiertage_) lst_bew_Feiertage->addItem(f.name);
  lst_bew_Feiertage->setCurrentRow(-1);
}

void FrmEingPZ::cbo_Ft_sets_Click() {
  Fuelle_Feiertagsliste(cbo_Ft_sets->currentIndex());
  if (lst_bew_Feiertage->count() > 0) lst_bew_Feiertage->setCurrentRow(0);
}

void FrmEingPZ::Feiertage_nachziehen() {
  const HolidayTable& ft = holidayTable();
  if (ft == stand_) return;
  chk_bew_Feiertage->setVisible(ft.AnzFt > 0 || chk_bew_Feiertage->isChecked());
  // The date layout fills its lists afresh when the binding is ticked.
  if (!chk_bew_Feiertage->isChecked()) return;
  const int set = cbo_Ft_sets->currentIndex();
  const QString setName = set >= 0 && set < cbo_Ft_sets->count() - 1 ? cbo_Ft_sets->currentText() : QString();
  const int r = lst_bew_Feiertage->currentRow();
  const std::optional<TFeiertag> gewaehlt =
      r >= 0 && r < static_cast<int>(feiertage_.size()) ? std::optional(feiertage_[r].feiertag) : std::nullopt;

  const QStringList sets = ft.FtSetName.mid(0, ft.AnzFtSets);
  Fuelle_Kombi(cbo_Ft_sets, QStringList(sets) << texts().S_alle);
  const int neuerSet = setName.isEmpty() ? -1 : static_cast<int>(sets.indexOf(setName));
  {
    const QSignalBlocker b(cbo_Ft_sets);
    cbo_Ft_sets->setCurrentIndex(neuerSet >= 0 ? neuerSet : cbo_Ft_sets->count() - 1);
  }
  Fuelle_Feiertagsliste(cbo_Ft_sets->currentIndex());
  // A holiday that is gone leaves nothing chosen: OK then stores nothing.
  int zeile = -1;
  for (int k = 0; gewaehlt && k < static_cast<int>(feiertage_.size()) && zeile < 0; ++k)
    if (feiertage_[k].feiertag == *gewaehlt) zeile = k;
  {
    const QSignalBlocker b(lst_bew_Feiertage);
    lst_bew_Feiertage->setCurrentRow(zeile);
  }
  txtvonMon->setText(zeile >= 0 ? feiertage_[zeile].name : QString());
}

bool FrmEingPZ::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) {
    Feiertage_nachziehen();
    Messkanal_nachziehen(chkKan);
  }
  return QWidget::event(e);
}

void FrmEingPZ::Zeige_Pz_in_Feldern(int nr, int speicher) {
  const TSz r = program().Sz[speicher == 1 ? 1 : 0][nr];
  const int familie = profile().Geraetefamilie;
  const PzFelder f = Pz_Felder(r, env().now().date().year(), familie, LstPrio->count());
  if (f.ostern) {
    chk_bew_Feiertage->setChecked(true);
    chk_bew_Feiertage_Click();
    int i = Pz_Osterfeiertag(f.osterabstand);
    if (i < 0) {
      i = Pz_Osterfeiertag_anlegen(f.osterabstand);
      Feiertage_nachziehen();
    }
    for (int k = 0; k < static_cast<int>(feiertage_.size()); ++k)
      if (feiertage_[k].index == i) lst_bew_Feiertage->setCurrentRow(k);
  } else {
    chk_bew_Feiertage->setChecked(false);
    Lstvonmon->setCurrentRow(f.vonMonat - 1);
    LstbisMon->setCurrentRow(f.bisMonat - 1);
    Listvontag->setCurrentRow(f.vonTag - 1);
    listbistag->setCurrentRow(f.bisTag - 1);
    lstvonJahr->setCurrentRow(Jahrindex(f.jahrcode));
  }
  Setze_Listindex(LstPrio, f.prioIndex);
  chk1x->setChecked(f.einmal == 1);
  if (pzFormState().Modus == 1) {
    if (profile().Kanalzahl == 16) cbokanal->setCurrentIndex(f.kanal & 15);
    else
      for (int k = 0; k < 4; ++k) chkKan[k]->setChecked((f.kanal >> k) & 1);
  }
  if (f.permanent) cmdEinAus->setText(f.zustand == 1 ? texts().S_EIN : texts().S_AUS);
}

void FrmEingPZ::chkautopil_Click() {
  InputAutomation& a = inputAutomation();
  a.AutoAktiv = a.AutoAktiv2 = Chkautopil->isChecked() ? 1 : 0;
  Cmdalleok->setVisible(Chkautopil->isChecked() && pzFormState().Modus == 1);
}

void FrmEingPZ::Cmd1xauto_Click() { Automatik_Schritt(); }

int FrmEingPZ::prioPos() const { return LstPrio->currentRow(); }
int FrmEingPZ::prioAnzahl() const { return LstPrio->count(); }
void FrmEingPZ::waehlePrio(int pos) { LstPrio->setCurrentRow(pos); }
bool FrmEingPZ::feiertagsbindung() const { return chk_bew_Feiertage->isChecked(); }
Datumsfelder& FrmEingPZ::von() { return *von_; }
Datumsfelder& FrmEingPZ::bis() { return *bis_; }

}  // namespace qv
