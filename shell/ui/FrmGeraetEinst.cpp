#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/ui/Geraetefenster.h"

namespace qv {
namespace {

template <typename T>
T* benannt(T* w, const char* name) {
  w->setObjectName(QString::fromUtf8(name));
  return w;
}

// Refills a list and selects an entry without running its handler.
void fuelle(QComboBox* c, const QStringList& items, int index) {
  const QSignalBlocker b(c);
  c->clear();
  c->addItems(items);
  c->setCurrentIndex(index < c->count() ? index : -1);
}

void setze(QScrollBar* s, int wert) {
  const QSignalBlocker b(s);
  s->setValue(wert);
}

}  // namespace

FrmGeraetEinst::FrmGeraetEinst(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmGer\u00e4tEinst"));
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
  Form_Load();
  // A program opened or read while the dialog is open: it shows that program's settings at once.
  connect(&programEvents(), &ProgramEvents::replaced, this, &FrmGeraetEinst::nachfuehren);
}

void FrmGeraetEinst::buildControls() {
  fraKarte_ = benannt(new QGroupBox(this), "fraKarte");
  cbolpt_ = benannt(new QComboBox(fraKarte_), "cbolpt");
  lblverzfakt_ = benannt(new QLabel(fraKarte_), "lblverzfakt");
  hsbverz_ = benannt(new QScrollBar(Qt::Horizontal, fraKarte_), "hsbverz");
  hsbverz_->setRange(1, 25);
  hsbverz_->setPageStep(5);
  hsbverz_->setSingleStep(1);
  auto* k = new QVBoxLayout(fraKarte_);
  k->addWidget(cbolpt_);
  k->addWidget(lblverzfakt_);
  k->addWidget(hsbverz_);

  frazeilzahl_ = benannt(new QGroupBox(this), "frazeilzahl");
  lblKopfzeil_ = benannt(new QLabel(frazeilzahl_), "lblKopfzeil");
  Hsbzeilen_ = benannt(new QScrollBar(Qt::Horizontal, frazeilzahl_), "Hsbzeilen");
  Hsbzeilen_->setRange(30, 120);
  Hsbzeilen_->setPageStep(1);
  Hsbzeilen_->setMinimumWidth(140);
  lblzeilen_ = benannt(new QLabel(frazeilzahl_), "lblzeilen");
  cmdA4_ = benannt(new QPushButton(QStringLiteral("A4"), frazeilzahl_), "cmdA4");
  auto* z = new QHBoxLayout(frazeilzahl_);
  z->addWidget(lblKopfzeil_);
  z->addWidget(Hsbzeilen_, 1);
  z->addWidget(lblzeilen_);
  z->addWidget(cmdA4_);

  fraswregel_ = benannt(new QGroupBox(this), "fraswregel");
  cboswregel_ = benannt(new QComboBox(fraswregel_), "cboswregel");
  (new QVBoxLayout(fraswregel_))->addWidget(cboswregel_);

  Frasprache_ = benannt(new QGroupBox(this), "Frasprache");
  cbosprache_ = benannt(new QComboBox(Frasprache_), "cbosprache");
  (new QVBoxLayout(Frasprache_))->addWidget(cbosprache_);

  FraAstros_auf_ = benannt(new QGroupBox(this), "FraAstros_auf");
  optastroC1_ = benannt(new QRadioButton(QStringLiteral("C1"), FraAstros_auf_), "optastroC1");
  optastroC1undC2_ = benannt(new QRadioButton(QStringLiteral("C1 + C2"), FraAstros_auf_), "optastroC1undC2");
  auto* a = new QHBoxLayout(FraAstros_auf_);
  a->addWidget(optastroC1_);
  a->addWidget(optastroC1undC2_);

  Framessimp_ = benannt(new QGroupBox(this), "Framessimp");
  cboMessKan_ = benannt(new QComboBox(Framessimp_), "cboMessKan");
  cboMessPeriode_ = benannt(new QComboBox(Framessimp_), "cboMessPeriode");
  cboMessImpDauer_ = benannt(new QComboBox(Framessimp_), "cboMessImpDauer");
  cboMessZustand_ = benannt(new QComboBox(Framessimp_), "cboMessZustand");
  cboMessImpLage_ = benannt(new QComboBox(Framessimp_), "cboMessImpLage");
  auto* m = new QVBoxLayout(Framessimp_);
  for (QComboBox* c : {cboMessKan_, cboMessPeriode_, cboMessImpDauer_, cboMessZustand_, cboMessImpLage_}) m->addWidget(c);

  CmdEinstOk_ = benannt(new QPushButton(this), "CmdEinstOk");
  CmdEinstOk_->setDefault(true);
  cmdeinstSpei_ = benannt(new QPushButton(this), "cmdeinstSpei");
  cmdEinstend_ = benannt(new QPushButton(this), "cmdEinstend");

  auto* g = new QGridLayout(this);
  g->addWidget(fraKarte_, 0, 0);
  g->addWidget(frazeilzahl_, 1, 0);
  g->addWidget(fraswregel_, 2, 0);
  g->addWidget(Frasprache_, 3, 0);
  g->addWidget(FraAstros_auf_, 4, 0);
  g->addWidget(Framessimp_, 0, 1, 5, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(CmdEinstOk_);
  knoepfe->addWidget(cmdeinstSpei_);
  knoepfe->addWidget(cmdEinstend_);
  g->addLayout(knoepfe, 5, 0, 1, 2);

  connect(cbolpt_, &QComboBox::currentIndexChanged, this, &FrmGeraetEinst::cbolpt_Click);
  connect(cboMessKan_, &QComboBox::currentIndexChanged, this, &FrmGeraetEinst::cboMessKan_Click);
  connect(cboMessPeriode_, &QComboBox::currentIndexChanged, this, &FrmGeraetEinst::cboMessPeriode_Click);
  for (QComboBox* c : {cboMessImpDauer_, cboMessZustand_, cboMessImpLage_})
    connect(c, &QComboBox::currentIndexChanged, this, [] { program().Geaendert = 1; });
  connect(optastroC1_, &QRadioButton::clicked, this, [this] { astro_ = 0; program().Geaendert = 1; });
  connect(optastroC1undC2_, &QRadioButton::clicked, this, [this] { astro_ = 1; program().Geaendert = 1; });
  connect(hsbverz_, &QScrollBar::valueChanged, this, [this](int v) { lblverzfakt_->setText(Verzoegerung_Text(v)); });
  connect(Hsbzeilen_, &QScrollBar::valueChanged, this, [this](int v) { lblzeilen_->setText(Zeilen_Text(v)); });
  connect(cmdA4_, &QPushButton::clicked, this, [this] { Hsbzeilen_->setValue(65); });
  connect(CmdEinstOk_, &QPushButton::clicked, this, &FrmGeraetEinst::CmdEinstOk_Click);
  connect(cmdeinstSpei_, &QPushButton::clicked, this, &FrmGeraetEinst::cmdeinstSpei_Click);
  connect(cmdEinstend_, &QPushButton::clicked, this, &FrmGeraetEinst::close);
  hsbverz_->installEventFilter(this);
  Hsbzeilen_->installEventFilter(this);
}

void FrmGeraetEinst::Form_Load() {
  const Texts& t = texts();
  callHook(hooks().setFilterSwitchAndButtonsVisible, false);
  const Einstellstellung s = Anfangsstellung();

  Framessimp_->setVisible(Zeigt_Messimpuls());
  Frasprache_->setVisible(Zeigt_Sprache());
  FraAstros_auf_->setVisible(Zeigt_Astro());
  Framessimp_->setTitle(t.S_Messimpuls);
  Frasprache_->setTitle(t.S_SpraUhr);
  FraAstros_auf_->setTitle(t.S_AstrWirk);
  zeige(s);
  // Opening on a utility or an astro type counts as a change of the program.
  if (Zeigt_Messimpuls() || Zeigt_Astro()) program().Geaendert = 1;
  fraswregel_->setTitle(t.S_SommWint);
  setWindowTitle(t.S_Geraeteeigensch);
  fraKarte_->setTitle(t.S_ZugrChip);
  lblKopfzeil_->setText(t.S_KopfAlle);
  frazeilzahl_->setTitle(t.S_Druckeinstellu);
  CmdEinstOk_->setText(t.S_Ok);
  cmdeinstSpei_->setText(t.S_Speichern);
  cmdEinstend_->setText(t.S_Abbrechen);
  gezeigt_ = stellung();
}

void FrmGeraetEinst::zeige(const Einstellstellung& s) {
  if (Zeigt_Messimpuls()) {
    // The free channels are those of the program in memory.
    const QStringList kanaele = Messkanal_Eintraege(&kanaele_);
    // A channel records use now is no choice: "kein Messimpuls" stands instead.
    fuelle(cboMessKan_, kanaele, std::max(static_cast<int>(kanaele_.indexOf(s.messKanal)), 0));
    fuelle(cboMessImpLage_, Lage_Eintraege(), s.lage);
    fuelle(cboMessZustand_, Zustand_Eintraege(), s.zustand);
    fuelle(cboMessPeriode_, Perioden_Eintraege(), s.periode);
    // The duration list follows the period, so a stored 60 seconds stays selectable.
    fuelle(cboMessImpDauer_, Dauer_Eintraege(Dauer_Anzahl(s.periode)), s.dauer);
    const bool an = cboMessKan_->currentIndex() > 0;
    for (QComboBox* c : {cboMessPeriode_, cboMessImpDauer_, cboMessZustand_, cboMessImpLage_}) c->setVisible(an);
  }
  if (Zeigt_Sprache()) fuelle(cbosprache_, Sprache_Eintraege(), s.sprache);
  if (Zeigt_Astro()) {
    (s.astro == 1 ? optastroC1undC2_ : optastroC1_)->setChecked(true);
    astro_ = s.astro;
  }
  fuelle(cbolpt_, Lpt_Eintraege(), s.lpt);
  cbolpt_Click();
  fuelle(cboswregel_, SwRegel_Eintraege(), s.swRegel);
  {
    const QSignalBlocker b(hsbverz_);
    hsbverz_->setMaximum(s.maxDelay);
  }
  setze(hsbverz_, s.faktor);
  lblverzfakt_->setText(Verzoegerung_Text(s.faktor));
  setze(Hsbzeilen_, s.zeilen);
  lblzeilen_->setText(Zeilen_Text(s.zeilen));
}

void FrmGeraetEinst::nachfuehren() {
  const Einstellstellung jetzt = stellung();
  // A value the user left now shows the setting and counts as shown; a changed one stays changed.
  const Einstellstellung neu = Nachgefuehrte_Stellung(gezeigt_, jetzt, Anfangsstellung());
  // The entry forms may have put records on a channel the pulse list offers.
  QVector<int> frei;
  if (Zeigt_Messimpuls()) Messkanal_Eintraege(&frei);
  if (neu != jetzt || frei != kanaele_) zeige(neu);
}

bool FrmGeraetEinst::event(QEvent* e) {
  // Back in the dialog after a program was opened: it shows the settings that program brought.
  if (e->type() == QEvent::WindowActivate) nachfuehren();
  return QDialog::event(e);
}

Einstellstellung FrmGeraetEinst::uebernahme() const {
  return Geaenderte_Stellung(gezeigt_, stellung(), Anfangsstellung());
}

Einstellstellung FrmGeraetEinst::stellung() const {
  Einstellstellung s;
  s.lpt = cbolpt_->currentIndex();
  s.faktor = hsbverz_->value();
  s.maxDelay = hsbverz_->maximum();
  s.zeilen = Hsbzeilen_->value();
  s.swRegel = cboswregel_->currentIndex();
  s.sprache = cbosprache_->count() ? cbosprache_->currentIndex() : -1;
  s.astro = astro_;
  if (cboMessKan_->count()) {
    s.messKanal = kanaele_.value(cboMessKan_->currentIndex(), -1);
    s.periode = cboMessPeriode_->currentIndex();
    s.dauer = cboMessImpDauer_->currentIndex();
    s.zustand = cboMessZustand_->currentIndex();
    s.lage = cboMessImpLage_->currentIndex();
  }
  return s;
}

void FrmGeraetEinst::cbolpt_Click() {
  const bool lpt = cbolpt_->currentIndex() >= 0 && cbolpt_->currentIndex() <= 2;
  lblverzfakt_->setVisible(lpt);
  hsbverz_->setVisible(lpt);
}

void FrmGeraetEinst::cboMessKan_Click() {
  const bool an = cboMessKan_->currentIndex() > 0;
  for (QComboBox* c : {cboMessPeriode_, cboMessImpDauer_, cboMessZustand_, cboMessImpLage_}) c->setVisible(an);
  program().Geaendert = 1;
}

void FrmGeraetEinst::cboMessPeriode_Click() {
  const int anzahl = Dauer_Anzahl(cboMessPeriode_->currentIndex());
  // The selection comes from the setting, not from the duration chosen in the open dialog.
  fuelle(cboMessImpDauer_, Dauer_Eintraege(anzahl), Dauerindex(settings().MessImpDauer, anzahl));
  program().Geaendert = 1;
}

void FrmGeraetEinst::CmdEinstOk_Click() {
  Uebernimm_Einstellung(uebernahme());
  callHook(hooks().Zeige_Kopfdaten, static_cast<int>(program().AktSpeicher));
  close();
}

void FrmGeraetEinst::cmdeinstSpei_Click() {
  QString fehler;
  if (!writeSettingsFile(Einstellung_Dateiwerte(uebernahme()), &fehler)) refuse(fehler);
}

void FrmGeraetEinst::closeEvent(QCloseEvent* e) {
  Fuelle_Geraetetexte(uebernahme(), GeraeteText());
  e->accept();
}

bool FrmGeraetEinst::eventFilter(QObject* o, QEvent* e) {
  auto* bar = qobject_cast<QScrollBar*>(o);
  if (bar && e->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() >= Qt::Key_0 && k->key() <= Qt::Key_9) {
      if (const auto neu = Ziffertaste(bar->value(), k->key() - Qt::Key_0, bar->maximum())) bar->setValue(*neu);
      return true;
    }
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace qv
