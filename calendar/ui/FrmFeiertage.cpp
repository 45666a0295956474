#include "calendar/ui/FrmFeiertage.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "calendar/Feiertagseditor.h"
#include "calendar/ui/Steuerelemente.h"
#include "entry/ui/Eingabefelder.h"
#include "model/Environment.h"
#include "model/Kalender.h"
#include "model/Texte.h"
#include "model/Val.h"
#include "model/Zustand.h"
#include "shell/ui/Dateitextfilter.h"

namespace qv {
namespace {

constexpr int kSetsHinzufuegenWieder = 24;  // "add set" shows again below this many sets

QPointer<FrmFeiertage>& instanz() {
  static QPointer<FrmFeiertage> p;
  return p;
}

// The lists are filled when a kind is chosen, in the language chosen: each is at least as wide
// as its longest entry then ("Dezember", "Donnerstag nach"), and the window grows for it, instead
// of keeping the width the list had while it was empty.
void fuelle(QComboBox* liste, const QStringList& eintraege) {
  Fuelle_Kombi(liste, eintraege);
  liste->setMinimumWidth(liste->sizeHint().width());
}

bool loeschenBestaetigt() {
  return env().message(texts().S_DatenWirk, Buttons::OkCancel, Icon::Question) == Answer::Ok;
}

}  // namespace

FrmFeiertage::FrmFeiertage(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmfeiertage"));
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
  Form_Load();
}

void FrmFeiertage::buildControls() {
  fra_neuere_ft_ = control<QGroupBox>(this, "fra_neuere_ft");
  lbl_ft_name_ = control<QLabel>(fra_neuere_ft_, "lbl_ft_name");
  Txt_feiertag_name_ = control<QLineEdit>(fra_neuere_ft_, "Txt_feiertag_name");
  Dateitextfilter::setzeAuf(Txt_feiertag_name_);
  fra_ft_art_ = control<QGroupBox>(fra_neuere_ft_, "fra_ft_art");
  Opt_fest_ = control<QRadioButton>(fra_ft_art_, "Opt_fest");
  Opt_frei_ = control<QRadioButton>(fra_ft_art_, "Opt_frei");
  Opt_Ostern_ = control<QRadioButton>(fra_ft_art_, "Opt_Ostern");
  cbo_tagnummer_ = control<QComboBox>(fra_neuere_ft_, "cbo_tagnummer");
  cbo_monat_ = control<QComboBox>(fra_neuere_ft_, "cbo_monat");
  Cbo_Wochentag_ = control<QComboBox>(fra_neuere_ft_, "Cbo_Wochentag");
  HSb_oster_distanz_ = control<QScrollBar>(fra_neuere_ft_, "HSb_oster_distanz", Qt::Horizontal);
  HSb_oster_distanz_->setRange(0, 255);
  HSb_oster_distanz_->setSingleStep(1);
  HSb_oster_distanz_->setPageStep(10);
  lbl_oster_distanz_ = control<QLabel>(fra_neuere_ft_, "lbl_oster_distanz");
  cmd_add_Feiertage_ = control<QPushButton>(fra_neuere_ft_, "cmd_add_Feiertage", QStringLiteral(">>"));

  fra_bew_Feiertage_ = control<QGroupBox>(this, "fra_bew_Feiertage");
  lst_Feiertage_ = control<QListWidget>(fra_bew_Feiertage_, "lst_Feiertage");
  lbl_Feiertage_ = control<QLabel>(fra_bew_Feiertage_, "lbl_Feiertage");
  cmd_del_Feiertage_ = control<QPushButton>(fra_bew_Feiertage_, "cmd_del_Feiertage");

  fra_feiertagsset_ = control<QGroupBox>(this, "fra_feiertagsset");
  cbo_sets_ = control<QComboBox>(fra_feiertagsset_, "cbo_sets");
  lst_feiertagsset_ = control<QListWidget>(fra_feiertagsset_, "lst_feiertagsset");
  cmd_add_to_set_ = control<QPushButton>(fra_feiertagsset_, "cmd_add_to_set", QStringLiteral(">>"));
  cmd_remove_from_set_ = control<QPushButton>(fra_feiertagsset_, "cmd_remove_from_set", QStringLiteral("<<"));
  cmd_add_set_ = control<QPushButton>(fra_feiertagsset_, "cmd_add_set");
  cmd_del_set_ = control<QPushButton>(fra_feiertagsset_, "cmd_del_set");

  fra_wieviel_freie_Ft_ = control<QGroupBox>(this, "fra_wieviel_freie_Ft");
  cbo_Jahre_fuer_Ft_ = control<QComboBox>(fra_wieviel_freie_Ft_, "cbo_Jahre_f\u00fcr_Ft");
  cmd_ft_end_ = control<QPushButton>(this, "cmd_ft_end");

  for (QComboBox* liste : findChildren<QComboBox*>()) liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  auto* art = new QVBoxLayout(fra_ft_art_);
  art->addWidget(Opt_fest_);
  art->addWidget(Opt_frei_);
  art->addWidget(Opt_Ostern_);
  auto* neu = new QGridLayout(fra_neuere_ft_);
  neu->addWidget(lbl_ft_name_, 0, 0, 1, 3);
  neu->addWidget(Txt_feiertag_name_, 1, 0, 1, 3);
  neu->addWidget(fra_ft_art_, 2, 0, 1, 3);
  neu->addWidget(Cbo_Wochentag_, 3, 0);
  neu->addWidget(cbo_tagnummer_, 3, 1);
  neu->addWidget(cbo_monat_, 3, 2);
  neu->addWidget(HSb_oster_distanz_, 4, 0, 1, 3);
  neu->addWidget(lbl_oster_distanz_, 5, 0, 1, 3);
  neu->addWidget(cmd_add_Feiertage_, 6, 2);
  auto* bew = new QVBoxLayout(fra_bew_Feiertage_);
  bew->addWidget(lst_Feiertage_);
  bew->addWidget(lbl_Feiertage_);
  bew->addWidget(cmd_del_Feiertage_);
  auto* sets = new QGridLayout(fra_feiertagsset_);
  sets->addWidget(cbo_sets_, 0, 1);
  sets->addWidget(cmd_add_to_set_, 1, 0);
  sets->addWidget(cmd_remove_from_set_, 2, 0);
  sets->addWidget(lst_feiertagsset_, 1, 1, 3, 1);
  sets->addWidget(cmd_add_set_, 4, 1);
  sets->addWidget(cmd_del_set_, 5, 1);
  auto* jahre = new QVBoxLayout(fra_wieviel_freie_Ft_);
  jahre->addWidget(cbo_Jahre_fuer_Ft_);
  auto* l = new QGridLayout(this);
  l->addWidget(fra_neuere_ft_, 0, 0, 2, 1);
  l->addWidget(fra_bew_Feiertage_, 0, 1);
  l->addWidget(fra_feiertagsset_, 0, 2);
  l->addWidget(fra_wieviel_freie_Ft_, 1, 1);
  l->addWidget(cmd_ft_end_, 1, 2, Qt::AlignBottom | Qt::AlignRight);

  connect(Opt_fest_, &QRadioButton::clicked, this, &FrmFeiertage::Opt_fest_Click);
  connect(Opt_frei_, &QRadioButton::clicked, this, &FrmFeiertage::Opt_frei_Click);
  connect(Opt_Ostern_, &QRadioButton::clicked, this, &FrmFeiertage::Opt_Ostern_Click);
  connect(cbo_monat_, &QComboBox::currentIndexChanged, this, &FrmFeiertage::cbo_monat_Click);
  connect(HSb_oster_distanz_, &QScrollBar::valueChanged, this, &FrmFeiertage::hsb_oster_distanz_Change);
  connect(lst_Feiertage_, &QListWidget::currentRowChanged, this, &FrmFeiertage::lst_Feiertage_Click);
  connect(cmd_add_Feiertage_, &QPushButton::clicked, this, &FrmFeiertage::cmd_add_Feiertage_Click);
  connect(cmd_del_Feiertage_, &QPushButton::clicked, this, &FrmFeiertage::cmd_del_Feiertage_Click);
  connect(cbo_sets_, &QComboBox::currentIndexChanged, this, &FrmFeiertage::cbo_sets_Click);
  connect(cmd_add_set_, &QPushButton::clicked, this, &FrmFeiertage::cmd_add_set_Click);
  connect(cmd_del_set_, &QPushButton::clicked, this, &FrmFeiertage::cmd_del_set_Click);
  connect(cmd_add_to_set_, &QPushButton::clicked, this, &FrmFeiertage::cmd_add_to_set_Click);
  connect(cmd_remove_from_set_, &QPushButton::clicked, this, &FrmFeiertage::cmd_remove_from_set_Click);
  connect(cbo_Jahre_fuer_Ft_, &QComboBox::activated, this, &FrmFeiertage::cbo_Jahre_fuer_Ft_Click);
  connect(cmd_ft_end_, &QPushButton::clicked, this, &FrmFeiertage::cmd_ft_end_Click);
}

void FrmFeiertage::Form_Load() {
  const Texts& t = texts();
  setWindowTitle(t.S_Feiertagseinst);
  fra_neuere_ft_->setTitle(t.S_NeuerFeie);
  lbl_ft_name_->setText(t.S_NameFeie);
  fra_ft_art_->setTitle(t.S_ArtFeie);
  Opt_fest_->setText(t.S_fest);
  Opt_frei_->setText(t.S_frei);
  Opt_Ostern_->setText(t.S_BezugOste);
  fra_bew_Feiertage_->setTitle(t.S_Feiertage2);
  cmd_del_Feiertage_->setText(t.S_Loeschen);
  fra_feiertagsset_->setTitle(t.S_Feiertagssets);
  cmd_add_set_->setText(t.S_SetHinz);
  cmd_del_set_->setText(t.S_SetLoesc);
  fra_wieviel_freie_Ft_->setTitle(t.S_JahreFreie);
  cmd_ft_end_->setText(t.S_Beenden);

  Opt_Ostern_->setChecked(true);
  Opt_Ostern_Click();

  zeigeTabelle({}, {});

  if (profile().Bewft == 1) {
    fra_wieviel_freie_Ft_->setVisible(true);
    QStringList jahre;
    for (int n = 2; n <= 30; n += 2) jahre << QString::number(n) + u' ' + t.S_Jahre;
    fuelle(cbo_Jahre_fuer_Ft_, jahre);
    cbo_Jahre_fuer_Ft_->setCurrentIndex(profile().FtJahre / 2 - 1);
  } else {
    fra_wieviel_freie_Ft_->setVisible(false);
  }
}

void FrmFeiertage::zeigeTabelle(const QString& feiertag, const QString& set) {
  const HolidayTable& ft = holidayTable();
  stand_ = ft;
  const bool feiertage = ft.AnzFt > 0;
  const bool sets = ft.AnzFtSets > 0;
  cmd_del_Feiertage_->setVisible(feiertage);
  fuelleFeiertage();
  if (feiertage) {
    const QList<QListWidgetItem*> treffer = lst_Feiertage_->findItems(feiertag, Qt::MatchExactly);
    lst_Feiertage_->setCurrentRow(feiertag.isEmpty() || treffer.isEmpty() ? 0 : lst_Feiertage_->row(treffer.first()));
  } else {
    lbl_Feiertage_->clear();
  }
  cbo_sets_->setVisible(sets);
  cmd_add_to_set_->setVisible(feiertage && sets);
  cmd_remove_from_set_->setVisible(feiertage && sets);
  fuelleSets();
  if (sets) {
    cbo_sets_->setCurrentIndex(std::max<int>(0, static_cast<int>(ft.FtSetName.mid(0, ft.AnzFtSets).indexOf(set))));
  } else {
    AktFtSet_ = 0;
    Fuelle_Liste(lst_feiertagsset_, {});
  }
  cmd_add_set_->setVisible(ft.AnzFtSets < kFtSetsEditorMax);
}

void FrmFeiertage::nachziehen() {
  if (holidayTable() == stand_) return;
  const QListWidgetItem* feiertag = lst_Feiertage_->currentItem();
  const QString set = AktFtSet_ >= 0 && AktFtSet_ < stand_.FtSetName.size() ? stand_.FtSetName[AktFtSet_] : QString();
  zeigeTabelle(feiertag ? feiertag->text() : QString(), set);
}

bool FrmFeiertage::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) nachziehen();
  return QDialog::event(e);
}

void FrmFeiertage::fuelleMonate() { fuelle(cbo_monat_, monthNames()); }

void FrmFeiertage::Opt_fest_Click() {
  FtArt_ = 0;
  cbo_tagnummer_->setVisible(true);
  cbo_monat_->setVisible(true);
  Cbo_Wochentag_->setVisible(false);
  HSb_oster_distanz_->setVisible(false);
  lbl_oster_distanz_->setVisible(false);
  fuelleMonate();
  cbo_tagnummer_->setCurrentIndex(-1);
  cbo_monat_->setCurrentIndex(0);
  cbo_tagnummer_->setCurrentIndex(0);
}

void FrmFeiertage::Opt_frei_Click() {
  FtArt_ = 1;
  cbo_tagnummer_->setVisible(true);
  cbo_monat_->setVisible(true);
  Cbo_Wochentag_->setVisible(true);
  HSb_oster_distanz_->setVisible(false);
  lbl_oster_distanz_->setVisible(false);
  QStringList wochentage;
  for (int p = 0; p < 14; ++p) wochentage << Wochentag_Eintrag(p);
  fuelle(Cbo_Wochentag_, wochentage);
  fuelleMonate();
  cbo_tagnummer_->setCurrentIndex(-1);
  cbo_monat_->setCurrentIndex(0);
  Cbo_Wochentag_->setCurrentIndex(0);
}

void FrmFeiertage::Opt_Ostern_Click() {
  FtArt_ = 2;
  cbo_tagnummer_->setVisible(false);
  cbo_monat_->setVisible(false);
  Cbo_Wochentag_->setVisible(false);
  HSb_oster_distanz_->setVisible(true);
  lbl_oster_distanz_->setVisible(true);
  HSb_oster_distanz_->setValue(kFtOsterwertNull);
  hsb_oster_distanz_Change();
}

void FrmFeiertage::cbo_monat_Click() {
  const int tag = cbo_tagnummer_->currentIndex();
  // February always offers 28 days: the day list stands for every year.
  const int n = Tage_im_Monat(cbo_monat_->currentIndex() + 1, 3).value_or(31);
  QStringList tage;
  for (int d = 1; d <= n; ++d) tage << QString::number(d) + u'.';
  fuelle(cbo_tagnummer_, tage);
  if (tag >= 0) cbo_tagnummer_->setCurrentIndex(std::min(tag, n - 1));
}

void FrmFeiertage::hsb_oster_distanz_Change() {
  lbl_oster_distanz_->setText(Osterdistanz_Text(HSb_oster_distanz_->value() - kFtOsterwertNull));
}

void FrmFeiertage::lst_Feiertage_Click() {
  const HolidayTable& ft = holidayTable();
  const int k = lst_Feiertage_->currentRow();
  if (k < 0 || k >= ft.AnzFt || k >= static_cast<int>(ft.Feiertage.size())) return;
  lbl_Feiertage_->setText(Feiertag_Definition(ft.Feiertage[k]));
}

void FrmFeiertage::fuelleFeiertage() {
  const HolidayTable& ft = holidayTable();
  QStringList namen;
  for (int i = 0; i < ft.AnzFt && i < static_cast<int>(ft.Feiertage.size()); ++i) namen << ft.Feiertage[i].Name;
  Fuelle_Liste(lst_Feiertage_, namen);
}

void FrmFeiertage::fuelleSets() {
  const HolidayTable& ft = holidayTable();
  fuelle(cbo_sets_, ft.FtSetName.mid(0, ft.AnzFtSets));
}

void FrmFeiertage::fuelleMitglieder() {
  const HolidayTable& ft = holidayTable();
  QStringList namen;
  if (AktFtSet_ >= 0 && AktFtSet_ < ft.AnzFtSets) {
    for (int m = 1; m <= ft.FtSet[AktFtSet_][0]; ++m) {
      const int i = ft.FtSet[AktFtSet_][m] - 1;
      namen << (i >= 0 && i < static_cast<int>(ft.Feiertage.size()) ? ft.Feiertage[i].Name : QString());
    }
  }
  Fuelle_Liste(lst_feiertagsset_, namen);
}

void FrmFeiertage::cmd_add_Feiertage_Click() {
  nachziehen();
  TFeiertag f;
  f.Name = Txt_feiertag_name_->text();
  f.Art = static_cast<int16_t>(FtArt_);
  // A date rule needs its day: a rule without one would name no date.
  if (f.Name.isEmpty() || (FtArt_ != 2 && cbo_tagnummer_->currentIndex() < 0)) {
    env().beep();
    return;
  }
  if (FtArt_ == 2) {
    f.Tag = static_cast<int16_t>(HSb_oster_distanz_->value() - kFtOsterwertNull);
  } else {
    f.Tag = static_cast<int16_t>(cbo_tagnummer_->currentIndex() + 1);
    f.Monat = static_cast<int16_t>(cbo_monat_->currentIndex() + 1);
    if (FtArt_ == 1) f.Wochentag = static_cast<int16_t>(Wochentag_aus_Position(Cbo_Wochentag_->currentIndex()));
  }
  HolidayTable& ft = holidayTable();
  if (!Feiertag_Speichern(ft, f)) {
    cmd_del_Feiertage_->setVisible(true);
    if (ft.AnzFtSets > 0) cmd_add_to_set_->setVisible(true);
  }
  fuelleFeiertage();
  stand_ = ft;
  lst_Feiertage_->setCurrentRow(lst_Feiertage_->count() - 1);
  lst_Feiertage_Click();
}

void FrmFeiertage::cmd_del_Feiertage_Click() {
  nachziehen();
  const int k = selectedRow(lst_Feiertage_);
  if (k < 0) {
    env().beep();
    return;
  }
  if (!loeschenBestaetigt()) return;
  HolidayTable& ft = holidayTable();
  Feiertag_Loeschen(ft, k);
  fuelleFeiertage();
  lbl_Feiertage_->clear();
  const bool uebrig = ft.AnzFt > 0;
  cmd_add_to_set_->setVisible(uebrig);
  cmd_del_Feiertage_->setVisible(uebrig);
  if (uebrig) lst_Feiertage_->setCurrentRow(0);
  fuelleMitglieder();
  stand_ = ft;
}

void FrmFeiertage::cbo_sets_Click() {
  if (cbo_sets_->currentIndex() < 0) return;
  AktFtSet_ = cbo_sets_->currentIndex();
  fuelleMitglieder();
}

void FrmFeiertage::cmd_add_set_Click() {
  nachziehen();
  HolidayTable& ft = holidayTable();
  Set_Hinzufuegen(ft, env().inputText(texts().S_NameSets));
  stand_ = ft;
  if (ft.AnzFtSets >= kFtSetsEditorMax) cmd_add_set_->setVisible(false);
  if (ft.AnzFtSets > 0) {
    cbo_sets_->setVisible(true);
    if (ft.AnzFt > 0) {
      cmd_add_to_set_->setVisible(true);
      cmd_remove_from_set_->setVisible(true);
    }
    fuelleSets();
    cbo_sets_->setCurrentIndex(ft.AnzFtSets - 1);
  } else {
    cbo_sets_->setVisible(false);
    cmd_add_to_set_->setVisible(false);
    cmd_remove_from_set_->setVisible(false);
  }
}

void FrmFeiertage::cmd_del_set_Click() {
  nachziehen();
  HolidayTable& ft = holidayTable();
  if (ft.AnzFtSets <= 0 || !loeschenBestaetigt()) return;
  Set_Loeschen(ft, AktFtSet_);
  stand_ = ft;
  if (ft.AnzFtSets < kSetsHinzufuegenWieder) cmd_add_set_->setVisible(true);
  if (ft.AnzFtSets == 0) {
    fuelle(cbo_sets_, {});
    cbo_sets_->setVisible(false);
    cmd_add_to_set_->setVisible(false);
    cmd_remove_from_set_->setVisible(false);
    AktFtSet_ = 0;
    Fuelle_Liste(lst_feiertagsset_, {});
    return;
  }
  cbo_sets_->setVisible(true);
  if (ft.AnzFt > 0) cmd_add_to_set_->setVisible(true);
  fuelleSets();
  cbo_sets_->setCurrentIndex(0);
}

void FrmFeiertage::cmd_add_to_set_Click() {
  nachziehen();
  HolidayTable& ft = holidayTable();
  // Without a set there is nothing to add to.
  if (ft.AnzFtSets <= 0) return;
  const int k = selectedRow(lst_Feiertage_);
  if (k < 0) {
    env().beep();
    return;
  }
  const int i = Set_Mitglied_Einfuegen(ft, AktFtSet_, k + 1);
  if (i == 0) {
    env().message(QStringLiteral("Error : 9"), Buttons::Ok, Icon::Critical);
    return;
  }
  stand_ = ft;
  fuelleMitglieder();
  lst_feiertagsset_->setCurrentRow(i - 1);
}

void FrmFeiertage::cmd_remove_from_set_Click() {
  nachziehen();
  const int m = selectedRow(lst_feiertagsset_);
  if (m < 0) {
    env().beep();
    return;
  }
  if (!loeschenBestaetigt()) return;
  Set_Mitglied_Entfernen(holidayTable(), AktFtSet_, m + 1);
  stand_ = holidayTable();
  fuelleMitglieder();
}

void FrmFeiertage::cbo_Jahre_fuer_Ft_Click() {
  if (cbo_Jahre_fuer_Ft_->currentIndex() < 0) return;
  profile().FtJahre = static_cast<int16_t>(std::lround(Val(cbo_Jahre_fuer_Ft_->currentText())));
}

void FrmFeiertage::cmd_ft_end_Click() {
  Schreib_Feiertage();
  close();
}

QWidget* Oeffne_frmfeiertage() {
  QPointer<FrmFeiertage>& p = instanz();
  if (!p) {
    p = new FrmFeiertage;
    p->show();
  }
  p->raise();
  p->activateWindow();
  return p;
}

}  // namespace qv
