// The priority-time form: building, set-up by mode, the frame of stored entries, OK and closing.
#include "entry/ui/FrmEingPZ.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <type_traits>

#include "entry/Eingaberegeln.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Sortierung.h"
#include "model/Texte.h"
#include "views/Rahmenzustand.h"
#include "views/Zelltexte.h"

namespace qv {

namespace {
template <typename W>
W* neu(QWidget* parent, const char* name) {
  W* w = nullptr;
  if constexpr (std::is_same_v<W, ColourCheckBox>) w = new W(QString(), parent);
  else w = new W(parent);
  w->setObjectName(QString::fromUtf8(name));
  return w;
}

QListWidget* liste(QWidget* parent, const char* name, int hoehe = 96) {
  auto* l = neu<QListWidget>(parent, name);
  l->setMaximumHeight(hoehe);
  l->setMinimumWidth(90);
  return l;
}
}  // namespace

FrmEingPZ::FrmEingPZ(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmEingPZ"));
  ++offeneEingabeformen();
  baue();
  verbinde();
}

FrmEingPZ::~FrmEingPZ() { Form_Unload(); }

void FrmEingPZ::baue() {
  LblUesKan = neu<QLabel>(this, "LblÜsKan");
  const char* kanalNamen[4] = {"chkKan1", "chkKan2", "ChkKan3", "chkKan4"};
  for (int i = 0; i < 4; ++i) chkKan[i] = neu<ColourCheckBox>(this, kanalNamen[i]);
  cbokanal = neu<QComboBox>(this, "cbokanal");
  cbokanal->hide();

  LblUesvon = neu<QLabel>(this, "LblÜsvon");
  LblUesbis = neu<QLabel>(this, "LblÜsbis");
  for (int i = 0; i < 2; ++i) {
    LblUesTg[i] = neu<QLabel>(this, i == 0 ? "LblÜsTg" : "LblÜsTag");
    LblUesMon[i] = neu<QLabel>(this, i == 0 ? "LblÜsMon" : "LblÜsMonat");
  }
  txtvonTag = neu<NumericField>(this, "txtvonTag");
  txtvonMon = neu<NumericField>(this, "txtvonMon");
  txtbistag = neu<NumericField>(this, "txtbistag");
  txtbisMon = neu<NumericField>(this, "txtbisMon");
  for (NumericField* f : {txtvonTag, txtbistag}) f->setMaximumWidth(50);
  LblvonUz = neu<QLabel>(this, "LblvonUz");
  LblbisUz = neu<QLabel>(this, "LblbisUz");
  Listvontag = liste(this, "Listvontag");
  listbistag = liste(this, "listbistag");
  Lstvonmon = liste(this, "Lstvonmon");
  LstbisMon = liste(this, "LstbisMon");
  lstvonJahr = liste(this, "lstvonJahr");
  chk1x = neu<ColourCheckBox>(this, "chk1x");
  chk1x->setText(QStringLiteral("1x"));
  chk_bew_Feiertage = neu<ColourCheckBox>(this, "chk_bew_Feiertage");
  cbo_Ft_sets = neu<QComboBox>(this, "cbo_Ft_sets");
  cbo_Ft_sets->hide();
  lst_bew_Feiertage = liste(this, "lst_bew_Feiertage", 140);
  lst_bew_Feiertage->hide();

  LblUesPrio = neu<QLabel>(this, "LblÜsPrio");
  txtAnzPrio = neu<NumericField>(this, "txtAnzPrio");
  LstPrio = liste(this, "LstPrio");
  cmdEinAus = neu<QPushButton>(this, "cmdEinAus");
  PicBackColor = neu<QLabel>(this, "PicBackColor");
  PicBackColor->setFixedSize(12, 12);
  PicBackColor->setAutoFillBackground(true);

  frmoldPz = neu<QGroupBox>(this, "frmoldPz");
  lbloldvon = neu<QLabel>(frmoldPz, "lbloldvon");
  lbloldbis = neu<QLabel>(frmoldPz, "lbloldbis");
  lbloldkan = neu<QLabel>(frmoldPz, "lbloldkan");
  lbloldprio = neu<QLabel>(frmoldPz, "lbloldprio");
  Label1 = neu<QLabel>(frmoldPz, "Label1");
  Label1->setText(QStringLiteral("-"));
  imgoldPzdown = neu<Bildknopf>(frmoldPz, "imgoldPzdown");
  imgoldPzup = neu<Bildknopf>(frmoldPz, "imgoldPzup");
  imgoldPzdown->setText(QStringLiteral("\u25bc"));
  imgoldPzup->setText(QStringLiteral("\u25b2"));
  auto* alt = new QGridLayout(frmoldPz);
  alt->addWidget(lbloldvon, 0, 0);
  alt->addWidget(Label1, 0, 1);
  alt->addWidget(lbloldbis, 0, 2);
  alt->addWidget(imgoldPzup, 0, 3);
  alt->addWidget(lbloldkan, 1, 0, 1, 2);
  alt->addWidget(lbloldprio, 1, 2);
  alt->addWidget(imgoldPzdown, 1, 3);

  frmautopil = neu<QGroupBox>(this, "frmautopil");
  Chkautopil = neu<ColourCheckBox>(frmautopil, "Chkautopil");
  Cmd1xauto = neu<QPushButton>(frmautopil, "Cmd1xauto");
  cmdneuassi = neu<QPushButton>(frmautopil, "cmdneuassi");
  auto* auto_ = new QHBoxLayout(frmautopil);
  auto_->addWidget(Chkautopil);
  auto_->addWidget(Cmd1xauto);
  auto_->addWidget(cmdneuassi);

  cmdPzOk = neu<QPushButton>(this, "cmdPzOk");
  Cmdalleok = neu<QPushButton>(this, "Cmdalleok");
  cmdPzEnd = neu<QPushButton>(this, "cmdPzEnd");
  imgPzok = neu<QLabel>(this, "imgPzok");
  imgPzok->setText(QStringLiteral("\u2714"));
  imgPzok->hide();
  Timer1 = new QTimer(this);
  Timer1->setInterval(500);
  Tmalleok = new QTimer(this);
  Tmalleok->setInterval(20);
  Tmalleok->setSingleShot(true);

  auto* g = new QGridLayout(this);
  auto* kanaele = new QHBoxLayout;
  kanaele->addWidget(LblUesKan);
  for (ColourCheckBox* c : chkKan) kanaele->addWidget(c);
  kanaele->addWidget(cbokanal);
  kanaele->addStretch();
  g->addLayout(kanaele, 0, 0, 1, 6);
  g->addWidget(LblUesTg[0], 1, 1);
  g->addWidget(LblUesMon[0], 1, 2);
  g->addWidget(LblUesvon, 2, 0);
  g->addWidget(txtvonTag, 2, 1);
  g->addWidget(txtvonMon, 2, 2, 1, 2);
  g->addWidget(LblvonUz, 2, 4);
  g->addWidget(Listvontag, 3, 1);
  g->addWidget(Lstvonmon, 3, 2);
  g->addWidget(lstvonJahr, 3, 3);
  g->addWidget(chk1x, 3, 4);
  g->addWidget(cbo_Ft_sets, 3, 0);
  g->addWidget(lst_bew_Feiertage, 3, 2, 1, 2);
  g->addWidget(LblUesTg[1], 4, 1);
  g->addWidget(LblUesMon[1], 4, 2);
  g->addWidget(LblUesbis, 5, 0);
  g->addWidget(txtbistag, 5, 1);
  g->addWidget(txtbisMon, 5, 2);
  g->addWidget(LblbisUz, 5, 4);
  g->addWidget(listbistag, 6, 1);
  g->addWidget(LstbisMon, 6, 2);
  g->addWidget(chk_bew_Feiertage, 1, 4);
  g->addWidget(LblUesPrio, 7, 0);
  g->addWidget(txtAnzPrio, 7, 1, 1, 2);
  auto* zustand = new QHBoxLayout;
  zustand->addWidget(cmdEinAus);
  zustand->addWidget(PicBackColor);
  zustand->addStretch();
  g->addLayout(zustand, 7, 3);
  g->addWidget(LstPrio, 8, 1, 1, 2);
  g->addWidget(frmoldPz, 9, 0, 1, 6);
  g->addWidget(frmautopil, 10, 0, 1, 6);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(imgPzok);
  knoepfe->addStretch();
  knoepfe->addWidget(cmdPzOk);
  knoepfe->addWidget(Cmdalleok);
  knoepfe->addWidget(cmdPzEnd);
  g->addLayout(knoepfe, 11, 0, 1, 6);
}

bool FrmEingPZ::jahrlisteSichtbar() const { return profile().Bewft != 0 && profile().Uhrentyp != 309; }

int FrmEingPZ::Jahrindex(int code) {
  for (int i = 0; i < lstvonJahr->count(); ++i)
    if (lstvonJahr->item(i)->data(Qt::UserRole).toInt() == code) return i;
  if (code < 1 || code > kPzJahrcodeMax) return 0;
  // A year before the list's first one (a loaded record) gets an item of its own, in order.
  int i = 1;
  while (i < lstvonJahr->count() && lstvonJahr->item(i)->data(Qt::UserRole).toInt() < code) ++i;
  auto* item = new QListWidgetItem(Pz_Jahrtext(code));
  item->setData(Qt::UserRole, code);
  const QSignalBlocker b(lstvonJahr);
  lstvonJahr->insertItem(i, item);
  return i;
}

void FrmEingPZ::Form_Load() {
  const Uhrenprofil& u = profile();
  const Texts& t = texts();
  ViewState& v = viewState();
  PzFormState& s = pzFormState();
  callHook(hooks().setFilterSwitchAndButtonsVisible, false);

  Fuelle_Liste(Listvontag, Tagesliste());
  Fuelle_Liste(listbistag, Tagesliste());
  Fuelle_Liste(Lstvonmon, Monatsliste());
  Lstvonmon->setCurrentRow(0);
  Fuelle_Liste(LstbisMon, Monatsliste());
  LstbisMon->setCurrentRow(0);
  {
    const QSignalBlocker b(lstvonJahr);
    lstvonJahr->clear();
    for (int code : Pz_Jahrcodes()) {
      auto* item = new QListWidgetItem(Pz_Jahrtext(code), lstvonJahr);
      item->setData(Qt::UserRole, code);
    }
    lstvonJahr->setCurrentRow(-1);
  }
  lstvonJahr->setCurrentRow(0);
  Fuelle_Liste(LstPrio, Pz_Prioliste(u.Geraetefamilie));
  LstPrio->setCurrentRow(0);

  const int kanalzahl = u.Kanalzahl;
  for (int i = 0; i < 4; ++i) chkKan[i]->setVisible(kanalzahl == 16 ? false : (kanalzahl >= 1 && kanalzahl <= 3 ? i < kanalzahl : true));
  if (kanalzahl == 1) {
    chkKan[0]->setChecked(true);
    chkKan[0]->setEnabled(false);
  }
  if (kanalzahl == 16) {
    Fuelle_Kombi(cbokanal, Kanalliste16());
    cbokanal->show();
  }
  if (u.Evu == 0)
    for (ColourCheckBox* c : chkKan) c->setEnabled(true);
  const int mess = settings().MessKanal;
  if (mess > 0 && mess <= kanalzahl && mess <= 4 && u.Evu == 1) chkKan[mess - 1]->setEnabled(false);

  chk_bew_Feiertage->setVisible(holidayTable().AnzFt > 0);
  chk_bew_Feiertage->setText(t.S_Feiertage2);
  lstvonJahr->setVisible(jahrlisteSichtbar());
  chk1x->setVisible(!jahrlisteSichtbar());
  Listvontag->setCurrentRow(0);
  listbistag->setCurrentRow(0);
  Chkautopil->setChecked(inputAutomation().AutoAktiv == 1);

  const QString* kanalTexte[4] = {&t.S_Kanal1, &t.S_Kanal2, &t.S_Kanal3, &t.S_Kanal4};
  for (int i = 0; i < 4; ++i) chkKan[i]->setText(*kanalTexte[i]);
  LblUesKan->setText(t.S_Kanaele2);
  for (int i = 0; i < 2; ++i) {
    LblUesTg[i]->setText(t.S_Tag);
    LblUesMon[i]->setText(t.S_Monat);
  }
  LblUesPrio->setText(t.S_Prioritaet);
  LblUesvon->setText(t.S_Beginn);
  LblUesbis->setText(t.S_Ende);
  LblvonUz->setText(QStringLiteral("00") + t.S_Doppelpunkt + QStringLiteral("00 ") + t.S_Uhr);
  LblbisUz->setText(QStringLiteral("24") + t.S_Doppelpunkt + QStringLiteral("00 ") + t.S_Uhr);
  cmdPzOk->setText(t.S_Ok);
  Cmdalleok->setText(t.S_alle);
  cmdPzEnd->setText(t.S_Beenden);
  frmoldPz->setTitle(t.S_eingegeben);
  for (QLabel* l : {lbloldkan, lbloldvon, lbloldbis, lbloldprio}) l->clear();
  frmautopil->setTitle(t.S_Eingabeautomat);
  Cmd1xauto->setText(t.S_Ausfuehren);
  cmdneuassi->setText(t.S_Neu);
  Chkautopil->setText(t.S_aktivNach);

  s.AltSatz = program().AnzGesamt[0];
  s.AlleOk = 0;
  s.AlleFeiertage = 0;
  s.Modus = v.EingabeModus;
  s.Auswahl.Leeren();
  cbo_Ft_sets->hide();

  switch (v.EingabeModus) {
    case 0:
      setWindowTitle(t.S_EingPrio);
      cmdEinAus->setText(t.S_AUS);
      txtvonMon->setText(t.S_Januar);
      txtbisMon->setText(t.S_Januar);
      LblvonUz->setText(QStringLiteral("00:00 ") + t.S_Uhr);
      LblbisUz->setText(QStringLiteral("24:00 ") + t.S_Uhr);
      txtAnzPrio->setText(t.S_ProgP1);
      if (u.Uhrentyp == 280) cbokanal->setCurrentIndex(0);
      Cmdalleok->hide();
      break;
    case 1:
    case 2: {
      const int speicher = v.EingabeModus == 1 ? 0 : 1;
      s.Auswahl.Merke(v.SelVon, v.SelBis, speicher);
      s.AktZeile = v.SelVon;
      if (const int nr = s.Auswahl.Finde(s.AktZeile); nr >= 0) Zeige_Pz_in_Feldern(nr, speicher);
      setWindowTitle(v.EingabeModus == 1 ? t.S_AendePrio : t.S_KopiPrio);
      Cmdalleok->setVisible(v.EingabeModus == 2 || Chkautopil->isChecked());
      break;
    }
    default:
      break;
  }
  Timer1->start();
}

void FrmEingPZ::Zeige_AltPz(int index) {
  const AltPzTexte a = AltPz_Texte(program().Sz[0][index], env().now().date().year());
  lbloldvon->setText(a.von);
  lbloldbis->setText(a.bis);
  lbloldkan->setText(a.kan);
  lbloldprio->setText(a.prio);
  Label1->show();
}

void FrmEingPZ::imgoldPzdown_Click() {
  if (const auto i = Pz_blaettern_zurueck(pzFormState().AltSatz)) Zeige_AltPz(*i);
}

void FrmEingPZ::imgoldPzup_Click() {
  if (const auto i = Pz_blaettern_vor(pzFormState().AltSatz)) Zeige_AltPz(*i);
}

void FrmEingPZ::cmdPzOk_Click() { Pz_Ok(*this); }

bool FrmEingPZ::Pruefe_Fokusfeld() {
  // A field left by a click on OK is checked before OK reads the lists.
  if (auto* f = qobject_cast<NumericField*>(focusWidget())) return f->runLeaveCheck();
  return true;
}

void FrmEingPZ::Cmdalleok_Click() {
  PzFormState& s = pzFormState();
  if (chk_bew_Feiertage->isChecked()) {
    s.AlleFeiertage = 1;
    lstvonJahr->setCurrentRow(0);
    lst_bew_Feiertage->setCurrentRow(0);
  } else {
    s.AlleOk = 1;
  }
  Tmalleok->start();
}

void FrmEingPZ::tmalleok_Timer() {
  Tmalleok->stop();
  const PzFormState& s = pzFormState();
  if (s.AlleOk == 1 || s.AlleFeiertage == 1) Pz_Ok(*this);
}

PzLesung FrmEingPZ::lesen() {
  const Uhrenprofil& u = profile();
  PzLesung l;
  l.e.vonTag = Listvontag->currentRow() + 1;
  l.e.vonMonat = Lstvonmon->currentRow() + 1;
  l.e.bisTag = listbistag->currentRow() + 1;
  l.e.bisMonat = LstbisMon->currentRow() + 1;
  const QListWidgetItem* jahr = lstvonJahr->currentItem();
  l.e.jahrcode = jahr ? jahr->data(Qt::UserRole).toInt() : 0;
  // Where no year is offered, the one-off box marks the entry.
  l.e.einmal = jahrlisteSichtbar() ? (l.e.jahrcode != 0 ? 1 : 0) : chk1x->wert();
  if (!jahrlisteSichtbar()) l.e.jahrcode = 0;
  l.prioGewaehlt = LstPrio->currentRow() >= 0;
  l.e.prio = LstPrio->currentRow() + 1;
  l.e.zustand = cmdEinAus->text() == texts().S_EIN ? 1 : 0;
  if (u.Kanalzahl == 16) {
    l.e.kanal = cbokanal->currentIndex();
    l.kanalGewaehlt = l.e.kanal >= 0;
  } else {
    l.e.kanal = chkKan[0]->wert() + 2 * chkKan[1]->wert() + 4 * chkKan[2]->wert() + 8 * chkKan[3]->wert();
    l.kanalGewaehlt = l.e.kanal != 0;
  }
  l.bindung = chk_bew_Feiertage->isChecked();
  if (l.bindung) {
    Feiertage_nachziehen();
    const int r = lst_bew_Feiertage->currentRow();
    if (r >= 0 && r < static_cast<int>(feiertage_.size())) l.feiertag = Pz_Feiertag_wiederfinden(feiertage_[r].feiertag);
  }
  return l;
}

void FrmEingPZ::Setze_Altanzeige(const PzEingabe& e) {
  if (chk_bew_Feiertage->isChecked()) {
    lbloldvon->setText(txtvonMon->text());
    lbloldbis->setText(LblvonUz->text() + QStringLiteral(" - ") + LblbisUz->text());
    Label1->hide();
  } else {
    lbloldvon->setText(txtvonTag->text() + u' ' + txtvonMon->text() + u' ' + LblvonUz->text());
    lbloldbis->setText(txtbistag->text() + u' ' + txtbisMon->text() + u' ' + LblbisUz->text());
    Label1->show();
  }
  QString kan = Kanal_Text(e.kanal) + u' ' + Einmal_Text(e.einmal);
  if (LstPrio->currentRow() == LstPrio->count() - 1) kan += u' ' + cmdEinAus->text();
  lbloldkan->setText(kan);
  lbloldprio->setText(txtAnzPrio->text());
}

void FrmEingPZ::Zeige_Okmarke() {
  imgPzok->show();
  Timer1->start();
}

bool FrmEingPZ::Automatik_gewaehlt() const { return Chkautopil->isChecked(); }

void FrmEingPZ::Automatik_Schritt() { Automatik_Schritt_Pz(*this, inputAutomation(), env().now().date().year()); }

bool FrmEingPZ::Naechster_Feiertag() {
  if (!chk_bew_Feiertage->isChecked()) return false;
  const int i = lst_bew_Feiertage->currentRow();
  if (i < lst_bew_Feiertage->count() - 1) {
    lst_bew_Feiertage->setCurrentRow(i + 1);
    return true;
  }
  return false;
}

void FrmEingPZ::Ansicht_Prioritaeten() { Ansichtsmenue_nachfuehren(); }

void FrmEingPZ::Starte_Alleok() { Tmalleok->start(); }

void FrmEingPZ::Schliessen() { Schliesse_Form(this); }

void FrmEingPZ::closeEvent(QCloseEvent* e) {
  Form_Unload();
  e->accept();
}

void FrmEingPZ::Form_Unload() {
  if (entladen_) return;
  entladen_ = true;
  --offeneEingabeformen();
  PzFormState& s = pzFormState();
  viewState().EingabeModus = 0;
  s.AlleOk = 0;
  s.AlleFeiertage = 0;
  Tmalleok->stop();
  Timer1->stop();
  SortiereSz(1, 0);
}

QWidget* Oeffne_EingPZ() {
  if (QWidget* offen = Aktiviere_offene_Form(QStringLiteral("frmEingPZ"))) return offen;
  if (Pz_Speicher_voll_bei_Neu()) return nullptr;
  // A row that is no priority time is refused, as the switching-time form refuses the others.
  const ViewState& v = viewState();
  const bool lauf = v.EingabeModus == 1 || v.EingabeModus == 2;
  if (Auswahlsaetze probe; lauf && !probe.Merke(v.SelVon, v.SelBis, v.EingabeModus == 1 ? 0 : 1, Ist_Prioritaetszeit)) {
    env().beep();
    viewState().EingabeModus = 0;
    return nullptr;
  }
  auto* form = new FrmEingPZ;
  form->Form_Load();
  QWidget* fenster = Zeige_Form(form);
  // Back from another child window, the holiday lists show the table as it is now.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(fenster))
    QObject::connect(sub, &QMdiSubWindow::aboutToActivate, form, &FrmEingPZ::Feiertage_nachziehen);
  return fenster;
}

}  // namespace qv
