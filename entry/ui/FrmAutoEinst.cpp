#include "entry/ui/FrmAutoEinst.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "entry/Eingabeautomatik.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Hooks.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"

namespace qv {
namespace {

QPointer<FrmAutoEinst>& instanz() {
  static QPointer<FrmAutoEinst> p;
  return p;
}

QScrollBar* leiste(QWidget* parent, const char* name, int max, int seite) {
  auto* s = new QScrollBar(Qt::Horizontal, parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(0, max);
  s->setSingleStep(1);
  s->setPageStep(seite);
  s->setMinimumWidth(180);
  s->setFocusPolicy(Qt::StrongFocus);
  return s;
}

template <typename W>
W* benannt(W* w, const char* name) {
  w->setObjectName(QString::fromUtf8(name));
  return w;
}

}  // namespace

FrmAutoEinst::FrmAutoEinst(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAutoEinst"));
  setAttribute(Qt::WA_DeleteOnClose);
  const Texts& t = texts();
  auto* inc = benannt(new QGroupBox(t.S_SchaErhoe, this), "FraEinstInc");
  hsbincmin = leiste(inc, "hsbincmin", 59, 10);
  HsbIncStd = leiste(inc, "HsbIncStd", 23, 6);
  HsbincTag = leiste(inc, "HsbincTag", 364, 10);
  hsbwert = leiste(inc, "hsbwert", 255, 10);
  LblincMin = benannt(new QLabel(inc), "LblincMin");
  lblincStd = benannt(new QLabel(inc), "lblincStd");
  LblIncTag = benannt(new QLabel(inc), "LblIncTag");
  lblwert = benannt(new QLabel(inc), "lblwert");
  chkincWtag = benannt(new QCheckBox(t.S_WochPlus1, inc), "chkincWtag");
  chkincMon = benannt(new QCheckBox(t.S_MonatPlus1, inc), "chkincMon");
  chkincPrio = benannt(new QCheckBox(t.S_PrioPlus1, inc), "chkincPrio");
  chkincZust = benannt(new QCheckBox(t.S_SchaUmsc, inc), "chkincZust");
  auto* gi = new QGridLayout(inc);
  int r = 0;
  for (auto [s, l] : {std::pair{hsbincmin, LblincMin}, {HsbIncStd, lblincStd}, {HsbincTag, LblIncTag}, {hsbwert, lblwert}}) {
    gi->addWidget(s, r, 0);
    gi->addWidget(l, r++, 1);
  }
  for (QCheckBox* c : {chkincWtag, chkincMon, chkincPrio, chkincZust}) gi->addWidget(c, r++, 0, 1, 2);

  auto* sw = benannt(new QGroupBox(t.S_SommWint, this), "fraSwAuto");
  cbovonregel = benannt(new QComboBox(sw), "cbovonregel");
  cbovonwtag = benannt(new QComboBox(sw), "cbovonwtag");
  cbobisregel = benannt(new QComboBox(sw), "cbobisregel");
  cbobiswtag = benannt(new QComboBox(sw), "cbobiswtag");
  auto* gs = new QGridLayout(sw);
  gs->addWidget(benannt(new QLabel(t.S_Vorstellen, sw), "lblVorst"), 0, 0);
  gs->addWidget(cbovonregel, 0, 1);
  gs->addWidget(cbovonwtag, 0, 2);
  gs->addWidget(benannt(new QLabel(t.S_Zurueckstellen, sw), "LblZurück"), 1, 0);
  gs->addWidget(cbobisregel, 1, 1);
  gs->addWidget(cbobiswtag, 1, 2);

  ChkEinstOk = benannt(new QPushButton(t.S_Ok, this), "ChkEinstOk");
  cmdEinstend = benannt(new QPushButton(t.S_Abbrechen, this), "cmdEinstend");
  auto* g = new QGridLayout(this);
  g->addWidget(inc, 0, 0, 1, 3);
  g->addWidget(sw, 1, 0, 1, 3);
  g->addWidget(ChkEinstOk, 2, 1);
  g->addWidget(cmdEinstend, 2, 2);
  setWindowTitle(t.S_Eingabeautomat);

  connect(hsbincmin, &QScrollBar::valueChanged, this, [this](int n) { LblincMin->setText(Minutentext(n)); });
  connect(HsbIncStd, &QScrollBar::valueChanged, this, [this](int n) { lblincStd->setText(Stundentext(n)); });
  connect(HsbincTag, &QScrollBar::valueChanged, this, [this](int n) { LblIncTag->setText(Tagetext(n)); });
  connect(hsbwert, &QScrollBar::valueChanged, this, [this](int n) { lblwert->setText(Werttext(n)); });
  for (QScrollBar* s : {hsbincmin, HsbIncStd, HsbincTag, hsbwert}) s->installEventFilter(this);
  connect(ChkEinstOk, &QPushButton::clicked, this, &FrmAutoEinst::ChkEinstOk_Click);
  connect(cmdEinstend, &QPushButton::clicked, this, &QDialog::reject);
  Form_Load();
  // A program opened or read while the dialog is open: it shows that program's settings at once.
  connect(&programEvents(), &ProgramEvents::replaced, this, &FrmAutoEinst::nachfuehren);
}

void FrmAutoEinst::Form_Load() {
  const Texts& t = texts();
  callHook(hooks().setFilterSwitchAndButtonsVisible, false);
  const QStringList ordnungen{t.S_ersten, t.S_zweiten, t.S_dritten, t.S_vierten, t.S_letzten};
  const QStringList tage{t.S_Montag, t.S_Dienstag, t.S_Mittwoch, t.S_Donnerstag, t.S_Freitag, t.S_Samstag, t.S_Sonntag};
  Fuelle_Kombi(cbovonregel, ordnungen);
  Fuelle_Kombi(cbobisregel, ordnungen);
  Fuelle_Kombi(cbovonwtag, tage);
  Fuelle_Kombi(cbobiswtag, tage);
  zeige(inputAutomation());
  gezeigt_ = stellung();
}

void FrmAutoEinst::zeige(const InputAutomation& a) {
  hsbincmin->setValue(a.IncMin);
  HsbIncStd->setValue(a.IncStd);
  HsbincTag->setValue(a.IncTag);
  chkincWtag->setChecked(a.IncWtag == 1);
  chkincMon->setChecked(a.IncMon == 1);
  chkincPrio->setChecked(a.IncPrio == 1);
  // The state step is a value on family 1, a switch on the others.
  familie1_ = profile().Geraetefamilie == 1;
  chkincZust->setVisible(!familie1_);
  hsbwert->setVisible(familie1_);
  lblwert->setVisible(familie1_);
  if (familie1_) hsbwert->setValue(a.IncZustand);
  else chkincZust->setChecked(a.IncZustand == 1);
  lblwert->setText(Werttext(hsbwert->value()));
  LblincMin->setText(Minutentext(hsbincmin->value()));
  lblincStd->setText(Stundentext(HsbIncStd->value()));
  LblIncTag->setText(Tagetext(HsbincTag->value()));
  cbovonregel->setCurrentIndex(a.SwRegelVon);
  cbovonwtag->setCurrentIndex(a.SwWtagVon);
  cbobisregel->setCurrentIndex(a.SwRegelBis);
  cbobiswtag->setCurrentIndex(a.SwWtagBis);
}

bool FrmAutoEinst::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* s = qobject_cast<QScrollBar*>(o);
    const QString text = static_cast<QKeyEvent*>(e)->text();
    if (s && text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9')
      if (const auto neu = Ziffer_eingeben(s->value(), text.at(0).unicode() - '0', s->maximum())) s->setValue(*neu);
  }
  return QDialog::eventFilter(o, e);
}

InputAutomation FrmAutoEinst::stellung() const {
  InputAutomation a = inputAutomation();
  auto i16 = [](int v) { return static_cast<int16_t>(v); };
  a.IncZustand = i16(familie1_ ? hsbwert->value() : (chkincZust->isChecked() ? 1 : 0));
  a.IncWtag = i16(chkincWtag->isChecked());
  a.IncMon = i16(chkincMon->isChecked());
  a.IncTag = i16(HsbincTag->value());
  a.IncStd = i16(HsbIncStd->value());
  a.IncMin = i16(hsbincmin->value());
  a.IncPrio = i16(chkincPrio->isChecked());
  a.SwRegelVon = i16(cbovonregel->currentIndex());
  a.SwWtagVon = i16(cbovonwtag->currentIndex());
  a.SwRegelBis = i16(cbobisregel->currentIndex());
  a.SwWtagBis = i16(cbobiswtag->currentIndex());
  return a;
}

void FrmAutoEinst::nachfuehren() {
  const InputAutomation jetzt = stellung();
  // A program of the other device family opened meanwhile: the state step shows in that family's
  // own control.
  const bool andereFamilie = familie1_ != (profile().Geraetefamilie == 1);
  const InputAutomation neu = Nachgefuehrte_Automatik(gezeigt_, jetzt);
  if (andereFamilie || neu != jetzt) zeige(neu);
}

bool FrmAutoEinst::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) nachfuehren();
  return QDialog::event(e);
}

void FrmAutoEinst::ChkEinstOk_Click() {
  // The dialog shows the settings as they are, with what the user changed in it: it takes over
  // what it shows.
  inputAutomation() = stellung();
  accept();
}

QWidget* Oeffne_AutoEinst() {
  QPointer<FrmAutoEinst>& d = instanz();
  if (!d) {
    d = new FrmAutoEinst;
    d->show();
  } else {
    d->raise();
    d->activateWindow();
  }
  return d;
}

}  // namespace qv
