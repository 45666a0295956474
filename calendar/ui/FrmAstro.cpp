#include "calendar/ui/FrmAstro.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>

#include "calendar/Astrotabelle.h"
#include "calendar/ui/Steuerelemente.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Zelltexte.h"
#include "views/ui/MDIForm1.h"

namespace qv {

FrmAstro::FrmAstro(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmastro"));
  buildControls();
  Form_Load();
  // The frame's paging shows a channel's limits here while the dialog is open; from then on the
  // dialog works on that channel.
  hooks().Zeige_Astrogrenzen = [this](int auf, int unter) {
    kanal_ = astro().AstroKanal;
    limitAuf_.bar->setValue(auf);
    limitUnter_.bar->setValue(unter);
    gezeigt_.grenzeAuf = limitAuf_.bar->value();
    gezeigt_.grenzeUnter = limitUnter_.bar->value();
  };
}

FrmAstro::~FrmAstro() { hooks().Zeige_Astrogrenzen = nullptr; }

FrmAstro::Regler FrmAstro::baue(const char* lbl, const char* bar, const char* txt, int min, int max, int gross) {
  Regler r;
  r.lbl = control<QLabel>(this, lbl);
  r.bar = control<QScrollBar>(this, bar, Qt::Horizontal);
  r.bar->setRange(min, max);
  r.bar->setSingleStep(1);
  r.bar->setPageStep(gross);
  // Without a width of its own the layout leaves a slider too short to drag.
  r.bar->setMinimumWidth(180);
  r.txt = control<QLineEdit>(this, txt);
  r.txt->setReadOnly(true);
  connect(r.bar, &QScrollBar::valueChanged, this, &FrmAstro::Zeige_Texte);
  return r;
}

void FrmAstro::buildControls() {
  breite_ = baue("lbl_Breitengrad", "vsb_Breitengrad", "txt_Breitengrad", 0, kReglerBreiteMax, 10);
  laenge_ = baue("lbl_längengrad", "vsb_Längengrad", "Txt_längengrad", 0, kReglerLaengeMax, 10);
  zeitzone_ = baue("lbl_zeitzone", "vsb_Zeitzone", "txt_zeitzone", 0, kReglerZeitzoneMax, 4);
  offsetAuf_ = baue("lbl_offset_aufgang", "vsb_offset_aufgang", "txt_offset_Aufgang", 0, kReglerOffsetMax, 15);
  offsetUnter_ = baue("lbl_offset_untergang", "vsb_Offset_untergang", "txt_offset_untergang", 0, kReglerOffsetMax, 15);
  limitAuf_ = baue("lbl_limit_Sonnenaufgang", "hsb_limit_Sonnenaufgang", "txt_limit_Sonnenaufgang", 0, kGrenzeAufMax, 30);
  limitUnter_ = baue("lbl_limit_Sonnenuntergang", "hsb_limit_Sonnenuntergang", "txt_limit_Sonnenuntergang",
                     kGrenzeUnterMin, kGrenzeUnterMax, 30);
  limitAuf_.txt->setText(QStringLiteral("0:00 Uhr"));
  limitUnter_.txt->setText(QStringLiteral("24:00 Uhr"));
  lbl_Zustand_Aufgang_ = control<QLabel>(this, "lbl_Zustand_Aufgang");
  cbo_Zustand_Aufgang_ = control<QComboBox>(this, "cbo_Zustand_Aufgang");
  lbl_Zustand_Untergang_ = control<QLabel>(this, "lbl_Zustand_Untergang");
  cbo_Zustand_untergang_ = control<QComboBox>(this, "cbo_Zustand_untergang");
  fra_ort_ = control<QGroupBox>(this, "fra_ort");
  cboort_ = control<QComboBox>(fra_ort_, "cboort");
  // The layout gives the place list its width: thousands of names are not measured one by one.
  cboort_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cboort_->setMinimumContentsLength(16);
  cmdspeichern_ = control<QPushButton>(fra_ort_, "cmdspeichern");
  cmd_delete_ort_ = control<QPushButton>(fra_ort_, "cmd_delete_ort");
  cmd_astro_ok_ = control<QPushButton>(this, "cmd_astro_ok");
  cmd_astro_end_ = control<QPushButton>(this, "cmd_astro_end");

  auto* ort = new QHBoxLayout(fra_ort_);
  ort->addWidget(cboort_, 1);
  ort->addWidget(cmdspeichern_);
  ort->addWidget(cmd_delete_ort_);
  auto* l = new QGridLayout(this);
  int zeile = 0;
  l->addWidget(fra_ort_, zeile++, 0, 1, 3);
  for (const Regler* r : {&breite_, &laenge_, &zeitzone_, &offsetAuf_, &offsetUnter_, &limitAuf_, &limitUnter_}) {
    l->addWidget(r->lbl, zeile, 0);
    l->addWidget(r->bar, zeile, 1);
    l->addWidget(r->txt, zeile++, 2);
  }
  l->addWidget(lbl_Zustand_Aufgang_, zeile, 0);
  l->addWidget(cbo_Zustand_Aufgang_, zeile++, 1);
  l->addWidget(lbl_Zustand_Untergang_, zeile, 0);
  l->addWidget(cbo_Zustand_untergang_, zeile++, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(cmd_astro_ok_);
  knoepfe->addWidget(cmd_astro_end_);
  l->addLayout(knoepfe, zeile, 0, 1, 3);

  connect(cboort_, &QComboBox::activated, this, &FrmAstro::cboort_Click);
  connect(cmdspeichern_, &QPushButton::clicked, this, &FrmAstro::cmdspeichern_Click);
  connect(cmd_delete_ort_, &QPushButton::clicked, this, &FrmAstro::cmd_delete_ort_Click);
  connect(cmd_astro_ok_, &QPushButton::clicked, this, &FrmAstro::cmd_astro_ok_Click);
  connect(cmd_astro_end_, &QPushButton::clicked, this, &FrmAstro::cmd_astro_end_Click);
  Esc_beendet(this, [this] { cmd_astro_end_Click(); });
}

void FrmAstro::Form_Load() {
  const Texts& t = texts();
  setWindowTitle(t.S_EingAstr);
  breite_.lbl->setText(t.S_Breitengrad);
  laenge_.lbl->setText(t.S_Laengengrad);
  zeitzone_.lbl->setText(t.S_Zeitzone);
  offsetAuf_.lbl->setText(t.S_OffsAufg);
  offsetUnter_.lbl->setText(t.S_OffsUnterg);
  limitAuf_.lbl->setText(t.S_morgNicht);
  limitUnter_.lbl->setText(t.S_abenNicht);
  lbl_Zustand_Aufgang_->setText(t.S_ZustAufg);
  lbl_Zustand_Untergang_->setText(t.S_ZustUnterg);
  fra_ort_->setTitle(t.S_Ort);
  cmdspeichern_->setText(t.S_Hinzufuegen);
  cmd_delete_ort_->setText(t.S_Loeschen);
  cmd_astro_ok_->setText(t.S_Ok);
  cmd_astro_end_->setText(t.S_Beenden);

  setzeRegler(Regler_aus_Astrodaten());
  Lade_Ortliste();

  AstroState& a = astro();
  const bool grenzen = profile().Uhrentyp == 280;
  for (QWidget* w : {static_cast<QWidget*>(limitAuf_.lbl), static_cast<QWidget*>(limitAuf_.bar),
                     static_cast<QWidget*>(limitAuf_.txt), static_cast<QWidget*>(limitUnter_.lbl),
                     static_cast<QWidget*>(limitUnter_.bar), static_cast<QWidget*>(limitUnter_.txt),
                     static_cast<QWidget*>(lbl_Zustand_Aufgang_), static_cast<QWidget*>(cbo_Zustand_Aufgang_),
                     static_cast<QWidget*>(lbl_Zustand_Untergang_), static_cast<QWidget*>(cbo_Zustand_untergang_)})
    w->setVisible(grenzen);
  if (grenzen) {
    Zeige_Astrokanal(Astrokanal_beim_Oeffnen());
  } else {
    a.AstroKanal = 0;
  }
  kanal_ = a.AstroKanal;
  Fuelle_Kombi(cbo_Zustand_Aufgang_, {t.S_AUS, t.S_EIN});
  Fuelle_Kombi(cbo_Zustand_untergang_, {t.S_AUS, t.S_EIN});
  cbo_Zustand_Aufgang_->setCurrentIndex(0);
  cbo_Zustand_untergang_->setCurrentIndex(1);
  if (grenzen) {
    const TAstroEinst& g = a.AstroGrenzen[a.AstroKanal];
    limitUnter_.bar->setValue(Grenze_Unter_beim_Oeffnen(g.GrenzeUnter));
    limitAuf_.bar->setValue(Grenze_Auf_beim_Oeffnen(g.GrenzeAuf));
  }
  Zeige_Texte();
  gezeigt_ = stellung();
}

AstroStellung FrmAstro::stellung() const {
  const AstroRegler r = regler();
  return {r.breite, r.laenge, r.zeitzone, r.offsetAuf, r.offsetUnter, limitAuf_.bar->value(), limitUnter_.bar->value()};
}

void FrmAstro::Zeige_Astrokanal(int k) {
  astro().AstroKanal = static_cast<int16_t>(k - 1);
  // The frame's first channel caption holds the astro channel only while the astro view is shown;
  // in another view it holds the channel group, which stays. The dialog writes that one caption,
  // so the others keep their form.
  if (viewState().AktAnsicht != 3) return;
  viewState().firstChannelShown = static_cast<int16_t>(k);
  if (MDIForm1* rahmen = MDIForm1::instance()) {
    rahmen->Zeige_Kanalfelder(false);
    rahmen->Verberge_Kanalfelder_1_3();
  }
}

bool FrmAstro::folge() {
  const AstroStellung jetzt = stellung();
  const AstroStellung neu = Nachgefuehrte_Astrostellung(gezeigt_, jetzt, kanal_);
  if (neu == jetzt) return false;
  setzeRegler(neu.regler());
  limitAuf_.bar->setValue(neu.grenzeAuf);
  limitUnter_.bar->setValue(neu.grenzeUnter);
  return true;
}

void FrmAstro::nachfuehren() {
  // The place list names the place shown.
  if (folge()) Lade_Ortliste();
}

void FrmAstro::Programm_ersetzt() {
  // The 16-channel type works on the channel the program brings no astro times for, as when the
  // dialog opens; the limits shown are that channel's, whatever was moved on the one before.
  if (profile().Uhrentyp == 280) {
    const int k = Astrokanal_beim_Oeffnen();
    // The astro view shows that one channel; another view keeps its channel group.
    Zeige_Astrokanal(k);
    if (k - 1 != kanal_) {
      kanal_ = k - 1;
      const TAstroEinst& g = astro().AstroGrenzen[kanal_];
      limitAuf_.bar->setValue(Grenze_Auf_beim_Oeffnen(g.GrenzeAuf));
      limitUnter_.bar->setValue(Grenze_Unter_beim_Oeffnen(g.GrenzeUnter));
      gezeigt_.grenzeAuf = limitAuf_.bar->value();
      gezeigt_.grenzeUnter = limitUnter_.bar->value();
    }
  }
  folge();
  // The place list is read again and names the place shown, as when the dialog opens.
  Lade_Ortliste();
}

void FrmAstro::Zeige_Texte() {
  breite_.txt->setText(Breite_Text(breite_.bar->value()));
  laenge_.txt->setText(Laenge_Text(laenge_.bar->value()));
  zeitzone_.txt->setText(Zeitzone_Text(zeitzone_.bar->value()));
  offsetAuf_.txt->setText(Offset_Text(offsetAuf_.bar->value()));
  offsetUnter_.txt->setText(Offset_Text(offsetUnter_.bar->value()));
  limitAuf_.txt->setText(Uhrzeit_Text(limitAuf_.bar->value()));
  limitUnter_.txt->setText(Uhrzeit_Text(limitUnter_.bar->value()));
}

AstroRegler FrmAstro::regler() const {
  return {breite_.bar->value(), laenge_.bar->value(), zeitzone_.bar->value(), offsetAuf_.bar->value(),
          offsetUnter_.bar->value()};
}

void FrmAstro::setzeRegler(const AstroRegler& r) {
  breite_.bar->setValue(r.breite);
  laenge_.bar->setValue(r.laenge);
  zeitzone_.bar->setValue(r.zeitzone);
  offsetAuf_.bar->setValue(r.offsetAuf);
  offsetUnter_.bar->setValue(r.offsetUnter);
}

void FrmAstro::cmd_astro_ok_Click() {
  // The channel whose limits the dialog shows, whatever the frame's captions say by now.
  const int kanal = Astrokanal_fuer_OK(kanal_ + 1);
  const AstroKanalEinstellung k{limitAuf_.bar->value(), limitUnter_.bar->value(),
                                std::max(cbo_Zustand_Aufgang_->currentIndex(), 0),
                                std::max(cbo_Zustand_untergang_->currentIndex(), 0)};
  Astro_uebernehmen(regler(), kanal, k);
  gezeigt_ = stellung();
  // The 16-channel type stays open for the next channel.
  if (profile().Uhrentyp != 280) schliessen();
}

void FrmAstro::cmd_astro_end_Click() { schliessen(); }

void FrmAstro::schliessen() {
  viewState().KeinRefresh = false;
  viewState().AktAnsicht = 3;
  Schliesse_Form(this);
  callHook(hooks().Fuelle_Grid, 0);
}

void FrmAstro::Lade_Ortliste() {
  const std::vector<Place> orte = loadPlaceList();
  Fuelle_Ortliste(orte, preselectedPlace(orte, Ortcodes(regler())));
}

void FrmAstro::Fuelle_Ortliste(const std::vector<Place>& orte, int auswahl) {
  if (orte.empty()) {
    Fuelle_Kombi(cboort_, {});
    cboort_->setVisible(false);
    cmd_delete_ort_->setVisible(false);
    return;
  }
  QStringList namen;
  for (const Place& p : orte) namen << p.name;
  namen << texts().S_unbekannt;
  Fuelle_Kombi(cboort_, namen);
  cboort_->setVisible(true);
  cboort_->setCurrentIndex(auswahl);
  cboort_Click();
}

void FrmAstro::cboort_Click() {
  const int i = cboort_->currentIndex();
  const bool gespeichert = i >= 0 && i < cboort_->count() - 1;
  // The file is read again: another program may have changed it meanwhile.
  const std::optional<Place> ort = gespeichert ? placeAt(i) : std::nullopt;
  cmd_delete_ort_->setVisible(ort.has_value());
  if (!ort) return;
  AstroRegler r = regler();
  Setze_Ort(r, ort->codes);
  setzeRegler(r);
}

void FrmAstro::cmdspeichern_Click() {
  const auto neu = addPlace([] { return env().inputText(texts().S_NameOrtes + QStringLiteral(" ?")); },
                            Ortcodes(regler()));
  if (neu) Fuelle_Ortliste(neu->places, neu->selected);
}

void FrmAstro::cmd_delete_ort_Click() {
  const auto neu = deletePlace(cboort_->currentIndex());
  if (neu) Fuelle_Ortliste(neu->places, neu->selected);
}

QWidget* Oeffne_frmastro() {
  if (QWidget* offen = Aktiviere_offene_Form(QStringLiteral("frmastro"))) return offen;
  MDIForm1* rahmen = MDIForm1::instance();
  if (!rahmen) return nullptr;
  auto* w = new FrmAstro;
  QMdiSubWindow* sub = rahmen->addChild(w, tagAstro());
  QObject::connect(rahmen->mdiArea(), &QMdiArea::subWindowActivated, w, [w, sub](QMdiSubWindow* aktiv) {
    if (aktiv == sub) w->nachfuehren();
  });
  QObject::connect(&programEvents(), &ProgramEvents::replaced, w, &FrmAstro::Programm_ersetzt);
  sub->setWindowTitle(w->windowTitle());
  Passe_in_Rahmen(sub);
  return sub;
}

}  // namespace qv
