// The switching-time entry form: its controls, the set-up by mode, loading and showing stored
// records, the accept-all run and the confirmation, closing and opening.
#include "entry/ui/FrmEingSz.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "entry/Eingabeautomatik.h"
#include "entry/Eingaberegeln.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Satz.h"
#include "model/Sortierung.h"
#include "model/Texte.h"
#include "views/Rahmenzustand.h"

namespace qv {

namespace {

QListWidget* neueListe(QWidget* parent, const char* name, int breite) {
  auto* l = new QListWidget(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setFixedSize(breite, 96);
  return l;
}

NumericField* neuesFeld(QWidget* parent, const char* name, int breite) {
  auto* f = new NumericField(parent);
  f->setObjectName(QString::fromLatin1(name));
  f->setFixedWidth(breite);
  return f;
}

ColourCheckBox* neueBox(QWidget* parent, const char* name) {
  auto* b = new ColourCheckBox(QString(), parent);
  b->setObjectName(QString::fromUtf8(name));
  return b;
}

QLabel* neuesLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromUtf8(name));
  return l;
}

QPushButton* neuerKnopf(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

// A field with its caption above and its list below.
QVBoxLayout* spalte(QLabel* titel, QWidget* feld, QWidget* liste) {
  auto* v = new QVBoxLayout;
  v->addWidget(titel);
  v->addWidget(feld);
  v->addWidget(liste);
  v->addStretch();
  return v;
}

const char* const kWochentagNamen[7] = {"chkMontag",  "ChkDienstag", "chkMittwoch", "chkDonnerstag",
                                        "chkFreitag", "chkSamstag",  "chkSonntag"};

}  // namespace

FrmEingSz::FrmEingSz(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmEingSz"));
  ++offeneEingabeformen();
  baue();
  verbinde();
}

FrmEingSz::~FrmEingSz() {
  if (!entladen_) --offeneEingabeformen();
}

void FrmEingSz::baue() {
  const Texts& t = texts();
  QLabel* lblStd = neuesLabel(this, "Lbl\u00dcsstd");
  QLabel* lblMin = neuesLabel(this, "Lbl\u00dcsMin");
  LblUesImp = neuesLabel(this, "Lbl\u00dcsImp");
  QLabel* lblTag = neuesLabel(this, "Lbl\u00dcsTg");
  QLabel* lblMon = neuesLabel(this, "Lbl\u00dcsMon");
  LblUesPrio = neuesLabel(this, "Lbl\u00dcsPrio");
  QLabel* lblWt = neuesLabel(this, "Lbl\u00dcsWt");
  QLabel* lblKan = neuesLabel(this, "Lbl\u00dcsKan");
  QLabel* lbldpp = neuesLabel(this, "lbldpp");
  QLabel* lblUhr = neuesLabel(this, "LblAnzUhr");
  txtAnzstd = neuesFeld(this, "txtAnzstd", 48);
  txtAnzMin = neuesFeld(this, "txtAnzMin", 48);
  txtAnzImp = neuesFeld(this, "txtAnzImp", 72);
  txtAnztag = neuesFeld(this, "txtAnztag", 56);
  txtAnzMon = neuesFeld(this, "txtAnzMon", 96);
  txtAnzPrio = neuesFeld(this, "txtAnzPrio", 110);
  liststd = neueListe(this, "liststd", 48);
  listmin = neueListe(this, "listmin", 48);
  listimp = neueListe(this, "listimp", 72);
  Listtag = neueListe(this, "Listtag", 56);
  LstMonat = neueListe(this, "LstMonat", 96);
  LstPrio = neueListe(this, "LstPrio", 110);
  for (int k = 0; k < 7; ++k) chkWochentag[k] = neueBox(this, kWochentagNamen[k]);
  chktgl = neueBox(this, "chktgl");
  chk1x = neueBox(this, "chk1x");
  const char* const kanalNamen[4] = {"chkKan1", "chkKan2", "ChkKan3", "chkKan4"};
  for (int k = 0; k < 4; ++k) chkKan[k] = neueBox(this, kanalNamen[k]);
  cbokanal = new QComboBox(this);
  cbokanal->setObjectName(QStringLiteral("cbokanal"));
  cmdEinAus = neuerKnopf(this, "cmdEinAus");
  cmdSzOk = neuerKnopf(this, "cmdSzOk");
  Cmdalleok = neuerKnopf(this, "Cmdalleok");
  cmdSzEnd = neuerKnopf(this, "cmdSzEnd");

  frmautopil = new QGroupBox(this);
  frmautopil->setObjectName(QStringLiteral("frmautopil"));
  Chkautopil = neueBox(frmautopil, "Chkautopil");
  Cmd1xauto = neuerKnopf(frmautopil, "Cmd1xauto");
  cmdneuassi = neuerKnopf(frmautopil, "cmdneuassi");
  auto* autoLayout = new QVBoxLayout(frmautopil);
  autoLayout->addWidget(Chkautopil);
  auto* autoKnoepfe = new QHBoxLayout;
  autoKnoepfe->addWidget(Cmd1xauto);
  autoKnoepfe->addWidget(cmdneuassi);
  autoLayout->addLayout(autoKnoepfe);

  frmoldSz = new QGroupBox(this);
  frmoldSz->setObjectName(QStringLiteral("frmoldSz"));
  lbloldkan = neuesLabel(frmoldSz, "lbloldkan");
  lbloldday = neuesLabel(frmoldSz, "lbloldday");
  lbloldtime = neuesLabel(frmoldSz, "lbloldtime");
  lbloldimp = neuesLabel(frmoldSz, "lbloldimp");
  lbloldprio = neuesLabel(frmoldSz, "lbloldprio");
  imgoldSzdown = new Bildknopf(frmoldSz);
  imgoldSzdown->setObjectName(QStringLiteral("imgoldSzdown"));
  imgoldSzdown->setPixmap(style()->standardIcon(QStyle::SP_ArrowUp).pixmap(16, 16));
  imgoldSZup = new Bildknopf(frmoldSz);
  imgoldSZup->setObjectName(QStringLiteral("imgoldSZup"));
  imgoldSZup->setPixmap(style()->standardIcon(QStyle::SP_ArrowDown).pixmap(16, 16));
  auto* altLayout = new QGridLayout(frmoldSz);
  altLayout->addWidget(lbloldtime, 0, 0);
  altLayout->addWidget(lbloldimp, 0, 1);
  altLayout->addWidget(imgoldSzdown, 0, 2);
  altLayout->addWidget(lbloldday, 1, 0);
  altLayout->addWidget(lbloldprio, 1, 1);
  altLayout->addWidget(imgoldSZup, 1, 2);
  altLayout->addWidget(lbloldkan, 2, 0, 1, 3);

  imgSzok = neuesLabel(this, "imgSzok");
  imgSzok->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(24, 24));
  imgSzok->hide();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(500);
  Tmalleok = new QTimer(this);
  Tmalleok->setObjectName(QStringLiteral("Tmalleok"));
  Tmalleok->setInterval(20);

  // Captions of every mode.
  lblStd->setText(t.S_Stunden2);
  lblMin->setText(t.S_Minuten2);
  lbldpp->setText(t.S_Doppelpunkt);
  lblUhr->setText(t.S_Uhr);
  LblUesImp->setText(t.S_Impuls);
  lblTag->setText(t.S_Tag);
  lblMon->setText(t.S_Monat);
  lblWt->setText(t.S_Wochentage);
  lblKan->setText(t.S_Kanaele2);
  LblUesPrio->setText(t.S_Prioritaet);
  const QString* tage[7] = {&t.S_Montag, &t.S_Dienstag, &t.S_Mittwoch, &t.S_Donnerstag,
                            &t.S_Freitag, &t.S_Samstag,  &t.S_Sonntag};
  for (int k = 0; k < 7; ++k) chkWochentag[k]->setText(*tage[k]);
  chktgl->setText(t.S_taeglich);
  chk1x->setText(QStringLiteral("1x"));
  const QString* kanaele[4] = {&t.S_Kanal1, &t.S_Kanal2, &t.S_Kanal3, &t.S_Kanal4};
  for (int k = 0; k < 4; ++k) chkKan[k]->setText(*kanaele[k]);
  frmautopil->setTitle(t.S_Eingabeautomat);
  Chkautopil->setText(t.S_aktivNach);
  Cmd1xauto->setText(t.S_Ausfuehren);
  cmdneuassi->setText(t.S_Neu);
  frmoldSz->setTitle(t.S_eingegeben);
  cmdSzOk->setText(t.S_Ok);
  Cmdalleok->setText(t.S_alle);
  cmdSzEnd->setText(t.S_Beenden);
  cmdEinAus->setText(t.S_EIN);

  auto* oben = new QHBoxLayout;
  oben->addLayout(spalte(lblStd, txtAnzstd, liststd));
  oben->addWidget(lbldpp, 0, Qt::AlignTop);
  oben->addLayout(spalte(lblMin, txtAnzMin, listmin));
  oben->addWidget(lblUhr, 0, Qt::AlignTop);
  oben->addLayout(spalte(LblUesImp, txtAnzImp, listimp));
  oben->addLayout(spalte(lblTag, txtAnztag, Listtag));
  oben->addLayout(spalte(lblMon, txtAnzMon, LstMonat));
  oben->addLayout(spalte(LblUesPrio, txtAnzPrio, LstPrio));
  oben->addStretch();

  auto* tageLayout = new QVBoxLayout;
  tageLayout->addWidget(lblWt);
  for (ColourCheckBox* b : chkWochentag) tageLayout->addWidget(b);
  tageLayout->addWidget(chktgl);
  tageLayout->addWidget(chk1x);
  tageLayout->addStretch();
  auto* kanalLayout = new QVBoxLayout;
  kanalLayout->addWidget(lblKan);
  for (ColourCheckBox* b : chkKan) kanalLayout->addWidget(b);
  kanalLayout->addWidget(cbokanal);
  kanalLayout->addWidget(cmdEinAus);
  kanalLayout->addStretch();
  auto* knoepfe = new QVBoxLayout;
  knoepfe->addWidget(cmdSzOk);
  knoepfe->addWidget(Cmdalleok);
  knoepfe->addWidget(cmdSzEnd);
  knoepfe->addWidget(imgSzok, 0, Qt::AlignHCenter);
  knoepfe->addStretch();
  auto* rechts = new QVBoxLayout;
  rechts->addWidget(frmoldSz);
  rechts->addWidget(frmautopil);
  rechts->addStretch();

  auto* unten = new QHBoxLayout;
  unten->addLayout(tageLayout);
  unten->addLayout(kanalLayout);
  unten->addLayout(rechts);
  unten->addLayout(knoepfe);
  auto* haupt = new QVBoxLayout(this);
  haupt->addLayout(oben);
  haupt->addLayout(unten);
}

bool FrmEingSz::Form_Load() {
  SzFormState& s = szFormState();
  const ViewState& v = viewState();
  Uhrenprofil& pr = profile();
  InputAutomation& a = inputAutomation();
  const Texts& t = texts();

  s.Modus = v.EingabeModus;
  // Nothing is chosen yet, whatever the last opening left: the automation's step then
  // proposes a date.
  s.EingabeArt = 0;
  callHook(hooks().setFilterSwitchAndButtonsVisible, false);
  Fuelle_Liste(Listtag, Tagesliste());
  Fuelle_Liste(liststd, Stundenliste());
  Fuelle_Liste(listmin, Minutenliste());
  Fuelle_Liste(listimp, Impulsliste());
  Fuelle_Liste(LstMonat, Monatsliste());
  Fuelle_Liste(LstPrio, Prioliste(pr.Geraetefamilie == 1 ? 1 : 0));
  LstPrio->setCurrentRow(0);
  for (QLabel* l : {lbloldkan, lbloldday, lbloldtime, lbloldimp, lbloldprio}) l->clear();

  const Kanalplan plan = Kanalplan_fuer(pr.Kanalzahl, pr.Evu, settings().MessKanal);
  pr.Kanalzahl = static_cast<int16_t>(plan.kanalzahl);
  cbokanal->setVisible(plan.kombi);
  if (plan.kombi) Fuelle_Kombi(cbokanal, Kanalliste16());
  for (int k = 0; k < 4; ++k) {
    chkKan[k]->setVisible(plan.sichtbar[k]);
    if (plan.angehakt[k]) chkKan[k]->setChecked(true);
    chkKan[k]->setEnabled(plan.aktiv[k]);
  }

  switch (v.EingabeModus) {
    case 2:
    case 1: {
      const int speicher = v.EingabeModus == 2 ? 1 : 0;
      if (!Merke_Auswahl(s, speicher)) return false;
      s.AktZeile = static_cast<int16_t>(s.Auswahl.von());
      Zeige_Sz_in_Feldern(s.Auswahl.Finde(s.AktZeile), speicher);
      setWindowTitle(speicher == 1 ? t.S_KopiScha : t.S_AendeScha);
      a.AutoAktiv = 0;
      Chkautopil->setChecked(false);
      Cmdalleok->setVisible(speicher == 1);
      break;
    }
    default:
      s.Auswahl.Leeren();
      setWindowTitle(t.S_EingScha);
      cmdEinAus->setText(t.S_EIN);
      liststd->setCurrentRow(0);
      listmin->setCurrentRow(0);
      listimp->setCurrentRow(0);
      if (plan.kombi) cbokanal->setCurrentIndex(0);
      Cmdalleok->hide();
      Chkautopil->setChecked(a.AutoAktiv == 1);
      chk1x->hide();
      chktgl->show();
      break;
  }
  Chkautopil->setChecked(a.AutoAktiv == 1);
  s.AltSatz = program().AnzGesamt[0];
  s.AlleOk = 0;
  const bool impulse = pr.Uhrentyp != 309;
  LblUesImp->setVisible(impulse);
  listimp->setVisible(impulse);
  txtAnzImp->setVisible(impulse);
  Timer1->start();
  return true;
}

void FrmEingSz::verbinde() {
  connect(cmdSzOk, &QPushButton::clicked, this, &FrmEingSz::cmdSzok_Click);
  connect(cmdSzEnd, &QPushButton::clicked, this, &FrmEingSz::cmdSzEnd_Click);
  connect(Cmdalleok, &QPushButton::clicked, this, &FrmEingSz::Cmdalleok_Click);
  connect(Tmalleok, &QTimer::timeout, this, &FrmEingSz::tmalleok_Timer);
  connect(Timer1, &QTimer::timeout, this, [this] {
    imgSzok->hide();
    Timer1->stop();
  });
  connect(imgoldSzdown, &Bildknopf::clicked, this, &FrmEingSz::imgoldSzdown_Click);
  connect(imgoldSZup, &Bildknopf::clicked, this, &FrmEingSz::imgoldSzup_click);
  connect(Chkautopil, &QCheckBox::toggled, this, &FrmEingSz::chkautopil_Click);
  connect(Cmd1xauto, &QPushButton::clicked, this, &FrmEingSz::Automatik_Schritt);
  connect(cmdneuassi, &QPushButton::clicked, this, &FrmEingSz::cmdneuassi_Click);

  connect(cmdEinAus, &QPushButton::clicked, this, &FrmEingSz::cmdEinAus_Click);
  connect(liststd, &QListWidget::currentRowChanged, this, &FrmEingSz::Liststd_Click);
  connect(listmin, &QListWidget::currentRowChanged, this, &FrmEingSz::Listmin_Click);
  connect(listimp, &QListWidget::currentRowChanged, this, &FrmEingSz::listimp_click);
  connect(LstPrio, &QListWidget::currentRowChanged, this, &FrmEingSz::LstPrio_click);
  connect(Listtag, &QListWidget::currentRowChanged, this, &FrmEingSz::Listtag_click);
  connect(LstMonat, &QListWidget::currentRowChanged, this, &FrmEingSz::LstMonat_click);
  for (int k = 0; k < 7; ++k) connect(chkWochentag[k], &QCheckBox::toggled, this, [this, k] { Wochentag_Click(k); });
  connect(chktgl, &QCheckBox::toggled, this, &FrmEingSz::chktgl_Click);
  for (int k = 0; k < 4; ++k) connect(chkKan[k], &QCheckBox::toggled, this, [this, k] { chkKan_Click(k); });
  for (NumericField* f : {txtAnzstd, txtAnzMin, txtAnzImp, txtAnztag, txtAnzMon, txtAnzPrio})
    f->setLeaveCheck([this, f] { return Verlasse_Feld(f); });
}

// ---- stored records --------------------------------------------------------------------------

void FrmEingSz::Zeige_Sz_in_Feldern(int nr, int speicher) {
  if (nr < 0 || nr >= kRecordsPerSlot || speicher < 0 || speicher >= kSlots) return;
  const TSz rec = program().Sz[speicher][nr];
  SzFormState& s = szFormState();
  s.EingabeArt = static_cast<int16_t>(rec.w0 >= 128 ? 1 : 0);
  const int minuten = Sz_Minuten(rec);
  Setze_Listindex(liststd, minuten / 60);
  Setze_Listindex(listmin, minuten % 60);
  Setze_Listindex(listimp, Sz_Impuls(rec) < 60 ? Sz_Impuls(rec) : 0);
  const int tage = Sz_Wochentage(rec);
  if (tage == 0) {
    Setze_Listindex(LstMonat, Sz_Monat(rec) - 1);
    Setze_Listindex(Listtag, Sz_Tag(rec) - 1);
    Listtag_click();
    chk1x->setChecked(Ist_Einmalig(rec) == 1);
    if (Ist_Einmalig(rec) == 1) {
      chk1x->show();
      chktgl->hide();
    }
  } else {
    for (int k = 0; k < 7; ++k) chkWochentag[k]->setChecked(Bit_Feld(k, k, tage) == 1);
  }
  if (szFormState().Modus == 1) {
    const int art = Sz_Art(rec);
    // A family-1 record holds a channel number, the others a mask (the 16-channel type a number).
    const int kanal = Sz_Kanal(rec);
    if (profile().Kanalzahl == 16) {
      cbokanal->setCurrentIndex(art == 3 || art == 4 ? kanal - 1 : (kanal < cbokanal->count() ? kanal : -1));
    } else {
      const int maske = art == 3 || art == 4 ? 1 << (kanal - 1) : kanal;
      for (int k = 0; k < 4; ++k) chkKan[k]->setChecked(Bit_Feld(k, k, maske) == 1);
    }
  }
  cmdEinAus->setText(Sz_Schaltwert(rec) == 1 ? texts().S_EIN : texts().S_AUS);
  Setze_Listindex(LstPrio, Sz_Prio(rec));
}

void FrmEingSz::Zeige_AltSz(int index) {
  if (index < 0 || index >= kRecordsPerSlot) return;
  const AltSzTexte a = AltSz_Texte(program().Sz[0][index]);
  lbloldkan->setText(a.kan);
  lbloldday->setText(a.day);
  lbloldtime->setText(a.time);
  if (!a.impLassen) lbloldimp->setText(a.imp);
  lbloldprio->setText(a.prio);
}

void FrmEingSz::imgoldSzdown_Click() {
  if (const auto nr = Schritt_zurueck(szFormState().AltSatz)) Zeige_AltSz(*nr);
  else env().beep();
}

void FrmEingSz::imgoldSzup_click() {
  if (const auto nr = Schritt_vor(szFormState().AltSatz)) Zeige_AltSz(*nr);
  else env().beep();
}

// ---- OK, accept-all, closing -----------------------------------------------------------------

void FrmEingSz::cmdSzok_Click() { cmdSzok(szFormState(), *this); }

void FrmEingSz::Cmdalleok_Click() {
  szFormState().AlleOk = 1;
  Tmalleok->start();
}

void FrmEingSz::tmalleok_Timer() {
  Tmalleok->stop();
  if (szFormState().AlleOk == 1 && !entladen_) cmdSzok_Click();
}

void FrmEingSz::Bestaetige() {
  imgSzok->show();
  Timer1->start();
}

void FrmEingSz::Ansicht_Schaltzeiten() { Ansichtsmenue_nachfuehren(); }

void FrmEingSz::Alleok_weiter() {
  if (!entladen_) Tmalleok->start();
}

void FrmEingSz::cmdSzEnd_Click() { Schliessen(); }

void FrmEingSz::Schliessen() { Schliesse_Form(this); }

void FrmEingSz::closeEvent(QCloseEvent* e) {
  Form_Unload();
  e->accept();
}

void FrmEingSz::Form_Unload() {
  if (entladen_) return;
  entladen_ = true;
  --offeneEingabeformen();
  SzFormState& s = szFormState();
  viewState().EingabeModus = 0;
  s.AlleOk = 0;
  Tmalleok->stop();
  Timer1->stop();
  SortiereSz(1, 0);
}

bool FrmEingSz::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Messkanal_nachziehen(chkKan);
  return QWidget::event(e);
}

QWidget* Oeffne_EingSz() {
  if (QWidget* offen = Aktiviere_offene_Form(QStringLiteral("frmEingSz"))) return offen;
  if (Speicher_voll_bei_Neu()) return nullptr;
  auto* form = new FrmEingSz;
  if (!form->Form_Load()) {
    env().beep();
    delete form;
    callHook(hooks().setFilterSwitchAndButtonsVisible, true);
    viewState().EingabeModus = 0;
    return nullptr;
  }
  return Zeige_Form(form);
}

}  // namespace qv
