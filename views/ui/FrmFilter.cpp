#include "views/ui/FrmFilter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "model/Ansicht.h"
#include "model/Hooks.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Filterdialog.h"

namespace qv {
namespace {

QPointer<FrmFilter>& instanz() {
  static QPointer<FrmFilter> p;
  return p;
}

QLabel* label(QWidget* parent, const QString& name) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  return l;
}

QCheckBox* checkBox(QWidget* parent, const QString& name) {
  auto* c = new QCheckBox(parent);
  c->setObjectName(name);
  return c;
}

QComboBox* comboBox(QWidget* parent, const QString& name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  return c;
}

// Refills a list without running its handler; the caller selects the item.
void fuelle(QComboBox* c, const QStringList& items) {
  const QSignalBlocker b(c);
  c->clear();
  c->addItems(items);
  c->setCurrentIndex(-1);
}

}  // namespace

FrmFilter::FrmFilter(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmfilter"));
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
  Form_Load();
  connect(&programEvents(), &ProgramEvents::replaced, this, &FrmFilter::Programm_ersetzt);
}

void FrmFilter::buildControls() {
  LblUesKan_ = label(this, QStringLiteral("LblÜsKan"));
  const char* kanalNamen[4] = {"chkKan1", "chkKan2", "ChkKan3", "chkKan4"};
  for (int i = 0; i < 4; ++i) chkKan_[i] = checkBox(this, QString::fromLatin1(kanalNamen[i]));
  chkallKan_ = checkBox(this, QStringLiteral("chkallKan"));
  cbokanal_ = comboBox(this, QStringLiteral("cbokanal"));

  LblUesWt_ = label(this, QStringLiteral("LblÜsWt"));
  const char* tagNamen[7] = {"chkMo", "ChkDi", "chkMi", "chkDo", "chkFr", "chkSa", "chkSo"};
  for (int i = 0; i < 7; ++i) chkTag_[i] = checkBox(this, QString::fromLatin1(tagNamen[i]));
  chkallwtag_ = checkBox(this, QStringLiteral("chkallwtag"));

  LblUesMon_ = label(this, QStringLiteral("LblÜsMon"));
  LblvonMon_ = label(this, QStringLiteral("LblvonMon"));
  LblbisMon_ = label(this, QStringLiteral("LblbisMon"));
  cbovonmon_ = comboBox(this, QStringLiteral("cbovonmon"));
  cbobismon_ = comboBox(this, QStringLiteral("cbobismon"));

  LblUesPrio_ = label(this, QStringLiteral("LblÜsPrio"));
  LblvonPrio_ = label(this, QStringLiteral("LblvonPrio"));
  LblbisPrio_ = label(this, QStringLiteral("LblbisPrio"));
  cbovonp_ = comboBox(this, QStringLiteral("cbovonp"));
  cbobisp_ = comboBox(this, QStringLiteral("cbobisp"));

  LblSZust_ = label(this, QStringLiteral("LblSZust"));
  cboonoff_ = comboBox(this, QStringLiteral("cboonoff"));
  hsbwert_ = new QScrollBar(Qt::Horizontal, this);
  hsbwert_->setObjectName(QStringLiteral("hsbwert"));
  hsbwert_->setRange(0, 255);
  hsbwert_->setPageStep(10);
  hsbwert_->setSingleStep(1);
  hsbwert_->setMinimumWidth(160);
  lblwert_ = label(this, QStringLiteral("lblwert"));
  lblwert_->setMinimumWidth(30);

  LblUesImp_ = label(this, QStringLiteral("LblÜsImp"));
  cboimp_ = comboBox(this, QStringLiteral("cboimp"));

  cmdFilterok_ = new QPushButton(this);
  cmdFilterok_->setObjectName(QStringLiteral("cmdFilterok"));
  cmdFilterok_->setDefault(true);
  cmdFilterend_ = new QPushButton(this);
  cmdFilterend_->setObjectName(QStringLiteral("cmdFilterend"));

  auto* grid = new QGridLayout(this);
  auto zeile = [grid](int r, QWidget* titel) {
    auto* h = new QHBoxLayout;
    grid->addWidget(titel, r, 0);
    grid->addLayout(h, r, 1);
    return h;
  };
  QHBoxLayout* h = zeile(0, LblUesKan_);
  for (QCheckBox* c : chkKan_) h->addWidget(c);
  h->addWidget(chkallKan_);
  h->addWidget(cbokanal_);
  h->addStretch();
  h = zeile(1, LblUesWt_);
  for (QCheckBox* c : chkTag_) h->addWidget(c);
  h->addWidget(chkallwtag_);
  h->addStretch();
  h = zeile(2, LblUesMon_);
  for (QWidget* w : {static_cast<QWidget*>(LblvonMon_), static_cast<QWidget*>(cbovonmon_),
                     static_cast<QWidget*>(LblbisMon_), static_cast<QWidget*>(cbobismon_)})
    h->addWidget(w);
  h->addStretch();
  h = zeile(3, LblUesPrio_);
  for (QWidget* w : {static_cast<QWidget*>(LblvonPrio_), static_cast<QWidget*>(cbovonp_),
                     static_cast<QWidget*>(LblbisPrio_), static_cast<QWidget*>(cbobisp_)})
    h->addWidget(w);
  h->addStretch();
  h = zeile(4, LblSZust_);
  h->addWidget(cboonoff_);
  h->addWidget(hsbwert_);
  h->addWidget(lblwert_);
  h->addStretch();
  h = zeile(5, LblUesImp_);
  h->addWidget(cboimp_);
  h->addStretch();
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(cmdFilterok_);
  knoepfe->addWidget(cmdFilterend_);
  grid->addLayout(knoepfe, 6, 0, 1, 2);

  // Both "alles" boxes open ticked, whatever the record holds.
  chkallKan_->setChecked(true);
  chkallwtag_->setChecked(true);

  // Changes made by the program run the same handlers as the user's (the set-up relies on it).
  connect(cbovonmon_, &QComboBox::currentIndexChanged, this, &FrmFilter::cbovonmon_Click);
  connect(cbovonp_, &QComboBox::currentIndexChanged, this, &FrmFilter::cbovonp_Click);
  connect(chkallKan_, &QCheckBox::toggled, this, &FrmFilter::chkallKan_Click);
  connect(chkallwtag_, &QCheckBox::toggled, this, &FrmFilter::chkallwtag_Click);
  for (QCheckBox* c : chkTag_) connect(c, &QCheckBox::toggled, this, &FrmFilter::Zeige_Programmzeile);
  connect(hsbwert_, &QScrollBar::valueChanged, this, &FrmFilter::hsbwert_change);
  connect(cmdFilterok_, &QPushButton::clicked, this, &FrmFilter::cmdFilterok_Click);
  connect(cmdFilterend_, &QPushButton::clicked, this, &FrmFilter::cmdFilterend_Click);
}

void FrmFilter::Form_Load() {
  const Uhrenprofil& p = profile();
  zeige(Filterdialog_Stellung(viewState().filter, p.Geraetefamilie, p.Kanalzahl));
  const Texts& t = texts();
  setWindowTitle(t.S_FiltScha);
  const QString* kanaele[4] = {&t.S_Kanal1, &t.S_Kanal2, &t.S_Kanal3, &t.S_Kanal4};
  for (int i = 0; i < 4; ++i) chkKan_[i]->setText(*kanaele[i]);
  const QString* tage[7] = {&t.S_Montag, &t.S_Dienstag, &t.S_Mittwoch, &t.S_Donnerstag,
                            &t.S_Freitag, &t.S_Samstag, &t.S_Sonntag};
  for (int i = 0; i < 7; ++i) chkTag_[i]->setText(*tage[i]);
  chkallKan_->setText(t.S_alles);
  chkallwtag_->setText(t.S_alles);
  LblUesKan_->setText(t.S_Kanaele);
  LblUesWt_->setText(t.S_Wochentage);
  LblUesMon_->setText(t.S_Monate);
  LblvonMon_->setText(t.S_von2);
  LblbisMon_->setText(t.S_bis);
  LblUesPrio_->setText(t.S_Prioritaet);
  LblvonPrio_->setText(t.S_von2);
  LblbisPrio_->setText(t.S_bis);
  LblUesImp_->setText(t.S_Impulse);
  cmdFilterok_->setText(t.S_Ok);
  cmdFilterend_->setText(t.S_Abbrechen);
}

void FrmFilter::Programm_ersetzt() {
  const Uhrenprofil& p = profile();
  if (p.Geraetefamilie == familie_) return;
  // A program of the other device family: the programs and the state list (the value's
  // comparison in family 1) mean other things there and show the stored filter as in that
  // family; the rest stays, the value too, which is kept while hidden.
  FilterdialogStellung s = stellung();
  const FilterdialogStellung f = Filterdialog_Stellung(viewState().filter, p.Geraetefamilie, p.Kanalzahl);
  s.vonProg = f.vonProg;
  s.bisProg = f.bisProg;
  s.einAus = f.einAus;
  zeige(s);
}

void FrmFilter::zeige(const FilterdialogStellung& s) {
  const Uhrenprofil& p = profile();
  const int familie = p.Geraetefamilie;
  familie_ = familie;
  const Texts& t = texts();

  callHook(hooks().setFilterSwitchAndButtonsVisible, false);

  // Channels: up to four boxes, or the channel list of the 16-channel type.
  const int kanalzahl = p.Kanalzahl;
  const bool liste = kanalzahl < 1 || kanalzahl > 4;
  cbokanal_->setVisible(liste);
  chkallKan_->setVisible(!liste && kanalzahl > 1);
  for (int i = 0; i < 4; ++i) {
    chkKan_[i]->setVisible(!liste && i < kanalzahl);
    if (liste || i >= kanalzahl) continue;
    chkKan_[i]->setChecked(kanalzahl == 1 ? true : s.kanal[i]);
    chkKan_[i]->setEnabled(kanalzahl != 1);
  }
  if (liste) {
    fuelle(cbokanal_, Kanalliste(kanalzahl));
    cbokanal_->setCurrentIndex(s.kanalItem);
  }

  // State, or the value and its comparison in family 1.
  const bool wert = familie == 1;
  LblSZust_->setText(wert ? t.S_Wert : t.S_Schaltzustand);
  hsbwert_->setVisible(wert);
  lblwert_->setVisible(wert);
  // The value is kept also while it is hidden, since OK stores the scroll bar in any family.
  hsbwert_->setValue(s.wert);
  hsbwert_change(hsbwert_->value());
  fuelle(cboonoff_, wert ? QStringList{t.S_gleich, t.S_bis2, t.S_ab} : QStringList{t.S_AUS, t.S_EIN, t.S_EINOder});
  cboonoff_->setCurrentIndex(2);

  fuelle(cboimp_, {t.S_keineImpu, t.S_nurImpu, t.S_alles2});
  cboimp_->setCurrentIndex(2);

  fuelle(cbovonmon_, Vonmonatsliste());
  cbovonmon_->setCurrentIndex(0);
  fuelle(cbovonp_, Programmliste(familie));
  cbovonp_->setCurrentIndex(0);

  // The stored choices; each from-list rebuilds its to-list before the to-item is chosen.
  cbovonmon_->setCurrentIndex(s.vonMonat);
  cbobismon_->setCurrentIndex(s.bisMonat);
  cbovonp_->setCurrentIndex(s.vonProg);
  cbobisp_->setCurrentIndex(s.bisProg);
  cboimp_->setCurrentIndex(s.impuls);
  cboonoff_->setCurrentIndex(s.einAus);

  // The weekday boxes start unticked; every tick runs the program row's handler.
  for (int i = 0; i < 7; ++i) chkTag_[i]->setChecked(s.tag[i]);
}

void FrmFilter::cbovonmon_Click() {
  const int k = cbovonmon_->currentIndex();
  fuelle(cbobismon_, Bismonatsliste(k));
  const bool bis = k > 0;
  cbobismon_->setVisible(bis);
  LblbisMon_->setVisible(bis);
  if (bis) cbobismon_->setCurrentIndex(0);
}

void FrmFilter::cbovonp_Click() {
  const int k = cbovonp_->currentIndex();
  fuelle(cbobisp_, Programmliste(profile().Geraetefamilie).mid(std::max(k, 0)));
  cbobisp_->setCurrentIndex(0);
}

void FrmFilter::chkallKan_Click(bool checked) {
  // Also the hidden boxes follow; they count in the channel mask with their state.
  for (QCheckBox* c : chkKan_) c->setChecked(checked);
}

void FrmFilter::chkallwtag_Click(bool checked) {
  for (QCheckBox* c : chkTag_) c->setChecked(checked);
}

void FrmFilter::Zeige_Programmzeile() {
  bool tag[7];
  for (int i = 0; i < 7; ++i) tag[i] = chkTag_[i]->isChecked();
  const bool zeigen = Wochentagmaske(tag) != 0;
  for (QWidget* w : {static_cast<QWidget*>(cbovonp_), static_cast<QWidget*>(cbobisp_),
                     static_cast<QWidget*>(LblUesPrio_), static_cast<QWidget*>(LblvonPrio_),
                     static_cast<QWidget*>(LblbisPrio_)})
    w->setVisible(zeigen);
  // Without any weekday only dated entries can show: the months start over at January.
  if (!zeigen) cbovonmon_->setCurrentIndex(1);
}

void FrmFilter::hsbwert_change(int value) { lblwert_->setText(QString::number(value)); }

FilterdialogStellung FrmFilter::stellung() const {
  FilterdialogStellung s;
  for (int i = 0; i < 4; ++i) s.kanal[i] = chkKan_[i]->isChecked();
  s.kanalItem = cbokanal_->currentIndex();
  for (int i = 0; i < 7; ++i) s.tag[i] = chkTag_[i]->isChecked();
  s.vonMonat = cbovonmon_->currentIndex();
  s.bisMonat = cbobismon_->currentIndex();
  s.vonProg = cbovonp_->currentIndex();
  s.bisProg = cbobisp_->currentIndex();
  s.einAus = cboonoff_->currentIndex();
  s.impuls = cboimp_->currentIndex();
  s.wert = hsbwert_->value();
  return s;
}

void FrmFilter::cmdFilterok_Click() {
  const Uhrenprofil& p = profile();
  viewState().filter = Filterdialog_Ergebnis(stellung(), p.Geraetefamilie, p.Uhrentyp);
  callHook(hooks().showFilterImages, true);
  close();
  callHook(hooks().Fuelle_Grid, static_cast<int>(program().AktSpeicher));
}

void FrmFilter::cmdFilterend_Click() { close(); }

void Zeige_Filterdialog() {
  QPointer<FrmFilter>& d = instanz();
  if (d && d->isVisible()) {
    d->raise();
    d->activateWindow();
    return;
  }
  d = new FrmFilter(QApplication::activeWindow());
  d->show();
}

FrmFilter* offenerFilterdialog() {
  FrmFilter* d = instanz();
  return d && d->isVisible() ? d : nullptr;
}

}  // namespace qv
