#include "calendar/ui/FrmEinSW.h"

#include <QComboBox>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "calendar/SoWiEingabe.h"
#include "calendar/SoWiTabelle.h"
#include "calendar/ui/Steuerelemente.h"
#include "entry/Eingabeautomatik.h"
#include "entry/Eingaberegeln.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Rahmenzustand.h"
#include "views/ui/Fensteraufrufe.h"
#include "views/ui/MDIForm1.h"

namespace qv {
namespace {

constexpr int kOkMarkeMs = 500;

}  // namespace

FrmEinSW::FrmEinSW(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmEinSW"));
  // An entry form: while it works on the table, the main window neither replaces the program nor
  // deletes, changes or copies rows.
  ++offeneEingabeformen();
  buildControls();
  Form_Load();
}

FrmEinSW::~FrmEinSW() {
  if (!entladen_) --offeneEingabeformen();
  viewState().EingabeModus = 0;
}

void FrmEinSW::closeEvent(QCloseEvent* e) {
  // The main window's commands come back as soon as the editor is gone, not when it is deleted.
  if (!entladen_) --offeneEingabeformen();
  entladen_ = true;
  e->accept();
}

void FrmEinSW::buildHaelfte(Haelfte& h, const char* prefix) {
  const QByteArray p(prefix);
  const bool bis = p == "bis";
  h.zurueck = bis;
  h.std = control<QListWidget>(this, bis ? "ListbisStd" : "Listvonstd");
  h.umStd = control<QListWidget>(this, bis ? "LstbisUmStd" : "LstvonUmStd");
  h.tag = control<QListWidget>(this, bis ? "listbistag" : "Listvontag");
  h.mon = control<QListWidget>(this, bis ? "LstbisMon" : "Lstvonmon");
  h.lblStd = control<QLabel>(this, bis ? "LblbisStd" : "LblvonStd");
  h.lblUmStd = control<QLabel>(this, bis ? "LblbisUmStd" : "LblvonUmStd");
  h.lblTag = control<QLabel>(this, bis ? "LblbisTag" : "LblvonTag");
  h.lblMon = control<QLabel>(this, bis ? "LblbisMon" : "LblvonMon");
  connect(h.std, &QListWidget::currentRowChanged, this, [this, &h] { Std_Click(h); });
  connect(h.umStd, &QListWidget::currentRowChanged, this, [this, &h] { UmStd_Click(h); });
  connect(h.tag, &QListWidget::currentRowChanged, this, [this, &h] { Tag_Click(h); });
  connect(h.mon, &QListWidget::currentRowChanged, this, [this, &h] { Mon_Click(h); });
}

void FrmEinSW::buildControls() {
  buildHaelfte(von_, "von");
  buildHaelfte(bis_, "bis");
  cboprojahr_ = control<QComboBox>(this, "cboprojahr");
  vsbSWJahr_ = control<QScrollBar>(this, "vsbSWJahr", Qt::Vertical);
  vsbSWJahr_->setRange(kSwErstesJahr, kSwReglerLetztesJahr);
  vsbSWJahr_->setPageStep(10);
  // Up on the bar is the later year.
  vsbSWJahr_->setInvertedAppearance(true);
  vsbSWJahr_->installEventFilter(this);
  LblJahr_ = control<QLabel>(this, "LblJahr");
  const char* namen[11] = {"LblÜsvon", "LblÜsbis", "LblÜsvonStd", "LblÜsbisStd", "LblÜsJahr", "LblÜsVers",
                           "LblÜsumStd", "LblÜsTg", "LblÜsTag", "LblÜsMon", "LblÜsMonat"};
  for (int i = 0; i < 11; ++i) headings_[i] = control<QLabel>(this, namen[i]);
  frmautopil_ = control<QGroupBox>(this, "frmautopil");
  Chkautopil_ = control<QCheckBox>(frmautopil_, "Chkautopil");
  cmdautoneu_ = control<QPushButton>(frmautopil_, "cmdautoneu");
  cmdswalle_ = control<QPushButton>(this, "cmdswalle");
  cmdSwOk_ = control<QPushButton>(this, "cmdSwOk");
  cmdSwEnd_ = control<QPushButton>(this, "cmdSwEnd");
  imgswok_ = control<QLabel>(this, "imgswok");
  imgswok_->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(24, 24));

  auto* auto_ = new QVBoxLayout(frmautopil_);
  auto_->addWidget(Chkautopil_);
  auto_->addWidget(cmdautoneu_);

  auto* l = new QGridLayout(this);
  l->addWidget(headings_[0], 0, 0, 1, 4);                 // forward
  l->addWidget(headings_[2], 1, 0);                       // time
  l->addWidget(headings_[5], 1, 1);                       // shift
  l->addWidget(headings_[7], 1, 2);                       // day
  l->addWidget(headings_[9], 1, 3);                       // month
  const auto zeileHaelfte = [l](Haelfte& h, int r) {
    l->addWidget(h.std, r, 0);
    l->addWidget(h.umStd, r, 1);
    l->addWidget(h.tag, r, 2);
    l->addWidget(h.mon, r, 3);
    l->addWidget(h.lblStd, r + 1, 0);
    l->addWidget(h.lblUmStd, r + 1, 1);
    l->addWidget(h.lblTag, r + 1, 2);
    l->addWidget(h.lblMon, r + 1, 3);
  };
  zeileHaelfte(von_, 2);
  l->addWidget(headings_[1], 4, 0, 1, 4);                 // back
  l->addWidget(headings_[3], 5, 0);
  l->addWidget(headings_[6], 5, 1);
  l->addWidget(headings_[8], 5, 2);
  l->addWidget(headings_[10], 5, 3);
  l->addWidget(headings_[4], 5, 4);                       // year
  zeileHaelfte(bis_, 6);
  l->addWidget(vsbSWJahr_, 0, 4, 3, 1);
  l->addWidget(LblJahr_, 3, 4);
  l->addWidget(cboprojahr_, 4, 4);
  l->addWidget(frmautopil_, 6, 4);
  l->addWidget(imgswok_, 7, 4);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(cmdswalle_);
  knoepfe->addStretch();
  knoepfe->addWidget(cmdSwOk_);
  knoepfe->addWidget(cmdSwEnd_);
  l->addLayout(knoepfe, 8, 0, 1, 5);

  connect(cboprojahr_, &QComboBox::activated, this, &FrmEinSW::cboprojahr_Click);
  connect(Chkautopil_, &QCheckBox::clicked, this, &FrmEinSW::chkautopil_Click);
  connect(vsbSWJahr_, &QScrollBar::valueChanged, this, &FrmEinSW::vsbSWJahr_change);
  connect(cmdswalle_, &QPushButton::clicked, this, &FrmEinSW::cmdSwAlle_Click);
  connect(cmdSwOk_, &QPushButton::clicked, this, [this] { cmdswok_click(); });
  connect(cmdSwEnd_, &QPushButton::clicked, this, &FrmEinSW::schliessen);
  connect(cmdautoneu_, &QPushButton::clicked, this, &FrmEinSW::cmdautoneu_Click);
  Esc_beendet(this, [this] { schliessen(); });
}

void FrmEinSW::Form_Load() {
  const Texts& t = texts();
  ProgramState& p = program();
  callHook(hooks().setFilterSwitchAndButtonsVisible, false);
  frmautopil_->setTitle(t.S_Eingabeautomat);
  Chkautopil_->setText(t.S_aktivNach);
  cmdautoneu_->setText(t.S_Neu);

  QStringList tage;
  for (int d = 1; d <= 31; ++d) tage << QStringLiteral("%1.").arg(d, 2);
  QStringList stunden;
  for (int h = 0; h <= 12; ++h) stunden << QStringLiteral("%1").arg(h, 2);
  const QStringList umStunden{QStringLiteral("0 ") + t.S_Stunden, t.S_1Stunde, QStringLiteral("2 ") + t.S_Stunden,
                              QStringLiteral("3 ") + t.S_Stunden};
  for (Haelfte* h : {&von_, &bis_}) {
    Fuelle_Liste(h->tag, tage);
    Fuelle_Liste(h->std, stunden);
    Fuelle_Liste(h->umStd, umStunden);
    Fuelle_Liste(h->mon, monthNames());
  }

  SwEingabeState& s = swEingabe();
  s.SwEingabeJahr = static_cast<int16_t>(SwStartjahr(env().now().date().year()));
  Setze_Listindex(bis_.mon, 9);
  Setze_Listindex(von_.mon, 2);
  Fuelle_Kombi(cboprojahr_, {t.S_1xJahr, t.S_2xJahr});
  Setze_Listindex(von_.umStd, 1);
  Setze_Listindex(bis_.umStd, 1);
  Setze_Listindex(von_.tag, 30);
  Setze_Listindex(bis_.tag, 30);
  Setze_Listindex(von_.std, 2);
  Setze_Listindex(bis_.std, 3);

  if (p.AnzSw[0] <= 0) {
    vsbSWJahr_->setVisible(true);
    cboprojahr_->setEnabled(true);
    cboprojahr_->setCurrentIndex(0);
    vsbSWJahr_->setValue(s.SwEingabeJahr);
    setzeJahr(s.SwEingabeJahr);
  } else {
    vsbSWJahr_->setVisible(false);
    cboprojahr_->setEnabled(false);
    // Only bit 6 of the header carries the per-year flag.
    cboprojahr_->setCurrentIndex((p.SwKopf[0] >> 6) & 1);
    setzeJahr(std::clamp(SwJahrNaechsterEintrag(s.SwEingabeJahr), kSwErstesJahr, kSwLetztesJahr));
  }
  InputAutomation& a = inputAutomation();
  if (cboprojahr_->currentIndex() == 1) {
    frmautopil_->setVisible(false);
    a.AutoAktiv = a.AutoAktiv2 = 0;
  }

  headings_[0]->setText(t.S_Vorstellen);
  headings_[1]->setText(t.S_Zurueckstellen);
  headings_[2]->setText(t.S_Uhrzeit);
  headings_[3]->setText(t.S_Uhrzeit);
  headings_[4]->setText(t.S_Jahr);
  headings_[5]->setText(t.S_um);
  headings_[6]->setText(t.S_um);
  headings_[7]->setText(t.S_Tag);
  headings_[8]->setText(t.S_Tag);
  headings_[9]->setText(t.S_Monat);
  headings_[10]->setText(t.S_Monat);
  cmdSwOk_->setText(t.S_Ok);
  cmdSwEnd_->setText(t.S_Beenden);
  cmdswalle_->setText(t.S_alle);
  cmdswalle_->setVisible(false);

  // The mode and the rows are the ones of this opening: the main window may set them for another
  // form meanwhile.
  ViewState& v = viewState();
  modus_ = v.EingabeModus;
  if (modus_ == 1) {
    setWindowTitle(t.S_AendeSoWi);
    // The rows to change lie within the entries in use.
    const int letzter = std::max<int>(p.AnzSw[0], 1) - 1;
    v.SelVon = static_cast<int16_t>(std::clamp<int>(v.SelVon, 0, letzter));
    v.SelBis = static_cast<int16_t>(std::clamp<int>(v.SelBis, v.SelVon, letzter));
    AendNr_ = v.SelVon;
    selBis_ = v.SelBis;
    if (p.AnzSw[0] > 0) Zeige_SwEintrag(AendNr_);
  } else {
    setWindowTitle(t.S_EingSoWi);
    if (a.AutoAktiv == 1) cmdswalle_->setVisible(true);
    Chkautopil_->setChecked(a.AutoAktiv == 1);
    if (a.AutoAktiv == 1) chkautopil_Click();
  }
  QTimer::singleShot(kOkMarkeMs, imgswok_, &QWidget::hide);
}

void FrmEinSW::Form_Activate() {
  if (Regeltage_aktiv()) Regeltage_anwenden();
  const bool anfuegen = modus_ == 0 || modus_ == 2;
  const bool nichtsZuAendern = modus_ == 1 && program().AnzSw[0] <= 0;
  if ((anfuegen && program().AnzSw[0] >= kSwEntries) || nichtsZuAendern) {
    if (!nichtsZuAendern) env().message(texts().S_KeinWeit, Buttons::Ok, Icon::Critical);
    // Closing while the frame activates the window would pull it out from under the frame.
    geschlossen_ = true;
    QMetaObject::invokeMethod(this, &FrmEinSW::schliessen, Qt::QueuedConnection);
  }
}

bool FrmEinSW::eventFilter(QObject* o, QEvent* e) {
  if (o == vsbSWJahr_ && e->type() == QEvent::KeyPress) {
    const QString text = static_cast<QKeyEvent*>(e)->text();
    if (text.size() == 1 && text[0].isDigit()) {
      if (const auto j = SwJahrTaste(vsbSWJahr_->value(), text[0].digitValue())) vsbSWJahr_->setValue(*j);
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}

void FrmEinSW::Std_Click(Haelfte& h) {
  const int r = h.std->currentRow();
  h.lblStd->setText(r < 0 ? QString() : QString::number(r) + texts().S_Doppelpunkt + QStringLiteral("00 ") + texts().S_Uhr);
}

void FrmEinSW::UmStd_Click(Haelfte& h) {
  h.lblUmStd->setText(h.umStd->currentItem() ? h.umStd->currentItem()->text() : QString());
}

void FrmEinSW::Tag_begrenzen(Haelfte& h, bool piepen) {
  const int tag = h.tag->currentRow();
  const int monat = h.mon->currentRow() + 1;
  if (tag < 0 || monat < 1) return;
  const int n = SwTageImMonat(monat, swEingabe().SwEingabeJahr);
  if (tag + 1 <= n) return;
  if (piepen) env().beep();
  Setze_Listindex(h.tag, n - 1);
}

void FrmEinSW::Tag_Click(Haelfte& h) {
  const int tag = h.tag->currentRow() + 1;
  if (tag <= 0) h.lblTag->clear();
  else h.lblTag->setText(tag == 1 ? texts().S_ersterTag : QString::number(tag) + texts().S_Punkt);
  Tag_begrenzen(h, true);
}

void FrmEinSW::Mon_Click(Haelfte& h) {
  const int m = h.mon->currentRow();
  if (h.zurueck) swEingabe().SwMonatBis = static_cast<int16_t>(m);
  else swEingabe().SwMonatVon = static_cast<int16_t>(m);
  h.lblMon->setText(h.mon->currentItem() ? h.mon->currentItem()->text() : QString());
  Tag_begrenzen(h, h.zurueck);
  if (Regeltage_aktiv()) Regeltag_anwenden(h);
}

void FrmEinSW::cboprojahr_Click() {
  const bool zweimal = cboprojahr_->currentIndex() == 1;
  frmautopil_->setVisible(!zweimal);
  if (zweimal) inputAutomation().AutoAktiv = inputAutomation().AutoAktiv2 = 0;
}

void FrmEinSW::chkautopil_Click() {
  InputAutomation& a = inputAutomation();
  a.AutoAktiv = a.AutoAktiv2 = Chkautopil_->isChecked() ? 1 : 0;
  if (a.AutoAktiv != 1) return;
  Regeltage_anwenden();
  if (modus_ == 0) cmdswalle_->setVisible(true);
}

void FrmEinSW::vsbSWJahr_change(int wert) { setzeJahr(wert); }

void FrmEinSW::setzeJahr(int jahr) {
  swEingabe().SwEingabeJahr = static_cast<int16_t>(jahr);
  LblJahr_->setText(QString::number(jahr));
  if (!vsbSWJahr_->isHidden() && jahr >= vsbSWJahr_->minimum() && jahr <= vsbSWJahr_->maximum()) {
    const QSignalBlocker b(vsbSWJahr_);
    vsbSWJahr_->setValue(jahr);
  }
  if (jahr % 4 != 0) {
    for (Haelfte* h : {&von_, &bis_})
      if (h->mon->currentRow() == 1 && h->tag->currentRow() == 28) Setze_Listindex(h->tag, 27);
  }
  if (Regeltage_aktiv()) Regeltage_anwenden();
}

// A change run loads its entries with the automation off; another entry form may switch it on
// meanwhile, so the run follows only this editor's own box.
bool FrmEinSW::Regeltage_aktiv() const {
  return inputAutomation().AutoAktiv == 1 && (modus_ != 1 || Chkautopil_->isChecked());
}

void FrmEinSW::Regeltag_anwenden(Haelfte& h) {
  const InputAutomation& a = inputAutomation();
  const SwRegeltage r = SwAutomatikTage(a.SwRegelVon, a.SwWtagVon, a.SwRegelBis, a.SwWtagBis);
  Setze_Listindex(h.tag, h.zurueck ? r.TagBisIndex : r.TagVonIndex);
}

void FrmEinSW::Regeltage_anwenden() {
  Regeltag_anwenden(von_);
  Regeltag_anwenden(bis_);
}

bool FrmEinSW::cmdswok_click() {
  if (geschlossen_) return false;
  ProgramState& p = program();
  ViewState& v = viewState();
  SwHalbe h[2];
  const Haelfte* haelften[2] = {&von_, &bis_};
  for (int i = 0; i < 2; ++i) {
    const Haelfte& x = *haelften[i];
    h[i] = {selectedRow(x.std), selectedRow(x.umStd), selectedRow(x.tag) + 1, selectedRow(x.mon) + 1};
    // An entry without a day or month would name no date.
    if (h[i].Stunde < 0 || h[i].Verschiebung < 0 || h[i].Tag < 1 || h[i].Monat < 1) {
      env().beep();
      return false;
    }
  }
  p.SwProJahr[0] = static_cast<int16_t>(std::max(cboprojahr_->currentIndex(), 0));
  const TSwEintrag e = SwEintrag_Bauen(h[0], h[1]);

  if (modus_ == 1 && AendNr_ >= p.AnzSw[0]) {
    // The entry is no longer in the table: nothing is written behind its end.
    Laufzeitfehler(9);
    schliessen();
    return false;
  }
  const int index = modus_ == 1 ? AendNr_ : p.AnzSw[0];
  const SwPruefung pruefung = SwEintrag_pruefen(e, index);
  if (pruefung.art != SwPruefung::Ok) {
    env().beep();
    env().message(pruefung.art == SwPruefung::AnfaEndd ? texts().S_AnfaEndd
                                                        : texts().S_GleiDatum + QString::number(pruefung.nr),
                  Buttons::Ok, Icon::Critical);
    return false;
  }

  if (modus_ == 1) {
    p.SwTab[0][AendNr_] = e;
    p.Geaendert = 1;
    if (AendNr_ < selBis_) {
      ++AendNr_;
      Zeige_SwEintrag(AendNr_);
    } else {
      schliessen();
    }
  } else {
    const SwAnfuegen a = SwEintrag_anfuegen(e, swEingabe().SwEingabeJahr);
    if (a != SwAnfuegen::Angefuegt) {
      if (a == SwAnfuegen::Voll) {
        env().message(texts().S_KeinWeit, Buttons::Ok, Icon::Critical);
        schliessen();
      } else {
        env().beep();
      }
      return false;
    }
    imgswok_->show();
    QTimer::singleShot(kOkMarkeMs, imgswok_, &QWidget::hide);
    // The year steps on, but never past the last year the table can hold.
    if (SwJahr_voll() && swEingabe().SwEingabeJahr < kSwLetztesJahr) setzeJahr(swEingabe().SwEingabeJahr + 1);
    vsbSWJahr_->setVisible(false);
    cboprojahr_->setEnabled(false);
    callHook(hooks().Zeige_Speicherbelegung, 0);
    if (p.AnzSw[0] >= kSwEntries) {
      if (AlleZaehler_ != kSwEntries - 1) env().message(texts().S_KeinWeit, Buttons::Ok, Icon::Critical);
      schliessen();
    }
  }
  v.AktAnsicht = 2;
  p.AktSpeicher = 0;
  return true;
}

void FrmEinSW::cmdSwAlle_Click() {
  // A refused step ends the run: every further step would be refused the same way.
  for (AlleZaehler_ = program().AnzSw[0]; AlleZaehler_ < kSwEntries && !geschlossen_; ++AlleZaehler_)
    if (!cmdswok_click()) break;
  AlleZaehler_ = 0;
}

void FrmEinSW::cmdautoneu_Click() { Oeffne_Fenster(&Fensteraufrufe::frmAutoEinst); }

void FrmEinSW::Zeige_SwEintrag(int nr) {
  const ProgramState& p = program();
  if (nr < 0 || nr >= kSwEntries) return;
  inputAutomation().AutoAktiv = 0;
  {
    const QSignalBlocker b(Chkautopil_);
    Chkautopil_->setChecked(false);
  }
  const TSwEintrag& e = p.SwTab[0][nr];
  const int jahr = (p.SwKopf[0] % 64) + kSwErstesJahr + nr / (p.SwProJahr[0] + 1);
  const SwHalbe h[2] = {SwEintrag_Vor(e), SwEintrag_Zurueck(e)};
  Haelfte* haelften[2] = {&von_, &bis_};
  for (int i = 0; i < 2; ++i) {
    Haelfte& x = *haelften[i];
    for (QListWidget* l : {x.std, x.umStd, x.tag, x.mon}) l->blockSignals(true);
    Setze_Listindex(x.umStd, h[i].Verschiebung);
    Setze_Listindex(x.std, h[i].Stunde);
    Setze_Listindex(x.mon, h[i].Monat - 1);
    Setze_Listindex(x.tag, h[i].Tag - 1);
    for (QListWidget* l : {x.std, x.umStd, x.tag, x.mon}) l->blockSignals(false);
  }
  setzeJahr(std::clamp(jahr, kSwErstesJahr, kSwLetztesJahr));
  for (Haelfte* x : haelften) {
    UmStd_Click(*x);
    Std_Click(*x);
    Mon_Click(*x);
    Tag_Click(*x);
  }
}

void FrmEinSW::schliessen() {
  geschlossen_ = true;
  Schliesse_Form(this);
}

QWidget* Oeffne_frmEinSW() {
  if (QWidget* offen = Aktiviere_offene_Form(QStringLiteral("frmEinSW"))) return offen;
  MDIForm1* rahmen = MDIForm1::instance();
  if (!rahmen) return nullptr;
  auto* w = new FrmEinSW;
  QObject::connect(rahmen->mdiArea(), &QMdiArea::subWindowActivated, w, [w](QMdiSubWindow* sub) {
    if (sub && sub == w->parentWidget()) w->Form_Activate();
  });
  return Zeige_Form(w);
}

}  // namespace qv
