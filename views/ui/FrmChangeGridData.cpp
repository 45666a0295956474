#include "views/ui/FrmChangeGridData.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Texte.h"
#include "model/Val.h"
#include "model/Zustand.h"
#include "views/Zellaenderung.h"

namespace qv {
namespace {

constexpr int kOptionLoeschen = 0;
constexpr int kOptionAendern = 1;
constexpr int kOptionVerschieben = 2;

QLabel* label(QWidget* parent, const QString& name) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  return l;
}

QLineEdit* zweiZeichen(QWidget* parent, const QString& name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(2);
  e->setFixedWidth(36);
  // Only typed digits get in: no pasting through the menu or by dropping.
  e->setContextMenuPolicy(Qt::NoContextMenu);
  e->setAcceptDrops(false);
  return e;
}

QListWidget* liste(QWidget* parent, const QString& name) {
  auto* l = new QListWidget(parent);
  l->setObjectName(name);
  l->setFixedSize(56, 120);
  return l;
}

int zahl(const QLineEdit* box) { return static_cast<int>(Val(box->text())); }

// Key filter of the hour and minute boxes: digits and Backspace; the keys the dialog itself
// handles (focus change, OK, Cancel) pass as well.
bool tasteErlaubt(const QKeyEvent* k) {
  switch (k->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
      return true;
    default:
      break;
  }
  const QString text = k->text();
  if (text.isEmpty()) return true;  // cursor keys and the like type nothing
  const QChar c = text.at(0);
  return (c >= u'0' && c <= u'9') || c == u'\b';
}

}  // namespace

FrmChangeGridData::FrmChangeGridData(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_change_grid_data"));
  buildControls();
  Form_Load();
}

void FrmChangeGridData::buildControls() {
  Fra_zeit_aendern_ = new QGroupBox(this);
  Fra_zeit_aendern_->setObjectName(QStringLiteral("Fra_zeit_ändern"));
  Opt_del_ = new QRadioButton(Fra_zeit_aendern_);
  Opt_del_->setObjectName(QStringLiteral("Opt_del"));
  opt_Aendern_ = new QRadioButton(Fra_zeit_aendern_);
  opt_Aendern_->setObjectName(QStringLiteral("opt_Ändern"));
  opt_verschieben_ = new QRadioButton(Fra_zeit_aendern_);
  opt_verschieben_->setObjectName(QStringLiteral("opt_verschieben"));
  auto* optionen = new QVBoxLayout(Fra_zeit_aendern_);
  optionen->addWidget(Opt_del_);
  optionen->addWidget(opt_Aendern_);
  optionen->addWidget(opt_verschieben_);
  optionen->addStretch();

  LblUesstd_ = label(this, QStringLiteral("LblÜsstd"));
  LblUesMin_ = label(this, QStringLiteral("LblÜsMin"));
  liststd_ = liste(this, QStringLiteral("liststd"));
  listmin_ = liste(this, QStringLiteral("listmin"));
  txtAnzstd_ = zweiZeichen(this, QStringLiteral("txtAnzstd"));
  txtAnzMin_ = zweiZeichen(this, QStringLiteral("txtAnzMin"));
  lbldpp_ = label(this, QStringLiteral("lbldpp"));
  LblAnzUhr_ = label(this, QStringLiteral("LblAnzUhr"));
  cmd_onoff_ = new QPushButton(this);
  cmd_onoff_->setObjectName(QStringLiteral("cmd_onoff"));
  cmd_onoff_->setAutoDefault(false);
  cmd_onoff_->setVisible(false);  // only the 280 type shows the switching state
  cmdSzOk_ = new QPushButton(this);
  cmdSzOk_->setObjectName(QStringLiteral("cmdSzOk"));
  cmdSzOk_->setDefault(true);
  cmdSzEnd_ = new QPushButton(this);
  cmdSzEnd_->setObjectName(QStringLiteral("cmdSzEnd"));
  cmdSzEnd_->setAutoDefault(false);

  auto* werte = new QGridLayout;
  werte->addWidget(LblUesstd_, 0, 0);
  werte->addWidget(LblUesMin_, 0, 1);
  werte->addWidget(liststd_, 1, 0);
  werte->addWidget(listmin_, 1, 1);
  auto* zeit = new QHBoxLayout;
  zeit->addWidget(txtAnzstd_);
  zeit->addWidget(lbldpp_);
  zeit->addWidget(txtAnzMin_);
  zeit->addWidget(LblAnzUhr_);
  zeit->addStretch();
  werte->addLayout(zeit, 2, 0, 1, 2);
  werte->addWidget(cmd_onoff_, 3, 0, 1, 2);
  auto* knoepfe = new QVBoxLayout;
  knoepfe->addWidget(cmdSzOk_);
  knoepfe->addWidget(cmdSzEnd_);
  knoepfe->addStretch();
  auto* haupt = new QHBoxLayout(this);
  haupt->addWidget(Fra_zeit_aendern_);
  haupt->addLayout(werte);
  haupt->addLayout(knoepfe);
  haupt->setSizeConstraint(QLayout::SetFixedSize);

  connect(Opt_del_, &QRadioButton::toggled, this, [this](bool an) { if (an) opt_del_Click(); });
  connect(opt_Aendern_, &QRadioButton::toggled, this, [this](bool an) { if (an) opt_Aendern_Click(); });
  connect(opt_verschieben_, &QRadioButton::toggled, this, [this](bool an) { if (an) opt_verschieben_Click(); });
  connect(liststd_, &QListWidget::currentRowChanged, this, &FrmChangeGridData::Liststd_Click);
  connect(liststd_, &QListWidget::itemClicked, this, &FrmChangeGridData::Liststd_Click);
  connect(listmin_, &QListWidget::currentRowChanged, this, &FrmChangeGridData::Listmin_Click);
  connect(listmin_, &QListWidget::itemClicked, this, &FrmChangeGridData::Listmin_Click);
  connect(cmd_onoff_, &QPushButton::clicked, this, &FrmChangeGridData::cmd_onoff_Click);
  connect(cmdSzOk_, &QPushButton::clicked, this, &FrmChangeGridData::cmdSzok_Click);
  connect(cmdSzEnd_, &QPushButton::clicked, this, &FrmChangeGridData::reject);
  txtAnzstd_->installEventFilter(this);
  txtAnzMin_->installEventFilter(this);
}

void FrmChangeGridData::Form_Load() {
  const Texts& t = texts();
  const ViewState& v = viewState();
  setWindowTitle(t.S_Aendern);
  if (v.GridDlgArt != 1) return;

  {
    const QSignalBlocker bs(liststd_);
    const QSignalBlocker bm(listmin_);
    for (int h = 0; h < 24; ++h) liststd_->addItem(QStringLiteral("%1").arg(h, 2, 10, QLatin1Char(' ')));
    for (int m = 0; m < 60; ++m) listmin_->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    liststd_->setCurrentRow(-1);
    listmin_->setCurrentRow(-1);
  }
  Fra_zeit_aendern_->setTitle(t.S_Zeit);
  Opt_del_->setText(t.S_Loeschen);
  opt_Aendern_->setText(t.S_aendern);
  opt_verschieben_->setText(t.S_verschieben);
  LblUesstd_->setText(t.S_Stunden2);
  LblUesMin_->setText(t.S_Minuten2);
  lbldpp_->setText(t.S_Doppelpunkt);
  LblAnzUhr_->setText(t.S_Uhr);
  cmdSzOk_->setText(t.S_Ok);
  cmdSzEnd_->setText(t.S_Abbrechen);

  switch (v.GridDlgOption) {
    case kOptionVerschieben:
      opt_verschieben_->setChecked(true);
      // A new opening starts the shift at 0:00, whatever the last shift was.
      setzeStunde(0);
      setzeMinute(0);
      cmd_onoff_->setText(viewState().GridDlgWert != 0 ? t.S_EIN : t.S_AUS);
      break;
    case kOptionAendern:
      opt_Aendern_->setChecked(true);
      cmd_onoff_->setText(viewState().GridDlgWert != 0 ? t.S_EIN : t.S_AUS);
      break;
    case kOptionLoeschen:
      Opt_del_->setChecked(true);
      break;
    default:
      break;
  }
}

void FrmChangeGridData::zeigeEinAus() {
  cmd_onoff_->setVisible(profile().Uhrentyp == 280);
  cmd_onoff_->setText(viewState().GridDlgWert == 1 ? texts().S_EIN : texts().S_AUS);
}

void FrmChangeGridData::setzeStunde(int eintrag) {
  {
    const QSignalBlocker b(liststd_);
    if (eintrag < 0) liststd_->clearSelection();
    liststd_->setCurrentRow(eintrag);
  }
  Liststd_Click();
}

void FrmChangeGridData::setzeMinute(int eintrag) {
  {
    const QSignalBlocker b(listmin_);
    if (eintrag < 0) listmin_->clearSelection();
    listmin_->setCurrentRow(eintrag);
  }
  Listmin_Click();
}

void FrmChangeGridData::opt_Aendern_Click() {
  for (QWidget* w : {static_cast<QWidget*>(LblUesstd_), static_cast<QWidget*>(LblUesMin_),
                     static_cast<QWidget*>(liststd_), static_cast<QWidget*>(listmin_),
                     static_cast<QWidget*>(txtAnzstd_), static_cast<QWidget*>(txtAnzMin_),
                     static_cast<QWidget*>(lbldpp_), static_cast<QWidget*>(LblAnzUhr_)})
    w->setVisible(true);
  zeigeEinAus();
  const Zellenvorgabe z = changePreset();
  setzeStunde(z.stunde);
  setzeMinute(z.minute);
  viewState().GridDlgOption = kOptionAendern;
}

void FrmChangeGridData::opt_verschieben_Click() {
  for (QWidget* w : {static_cast<QWidget*>(LblUesstd_), static_cast<QWidget*>(LblUesMin_),
                     static_cast<QWidget*>(liststd_), static_cast<QWidget*>(listmin_)})
    w->setVisible(true);
  for (QWidget* w : {static_cast<QWidget*>(txtAnzstd_), static_cast<QWidget*>(txtAnzMin_),
                     static_cast<QWidget*>(lbldpp_), static_cast<QWidget*>(LblAnzUhr_)})
    w->setVisible(false);
  zeigeEinAus();
  const Zellenvorgabe z = shiftPreset();
  setzeStunde(z.stunde);
  setzeMinute(z.minute);
  viewState().GridDlgOption = kOptionVerschieben;
}

void FrmChangeGridData::opt_del_Click() {
  for (QWidget* w : {static_cast<QWidget*>(txtAnzstd_), static_cast<QWidget*>(txtAnzMin_),
                     static_cast<QWidget*>(lbldpp_), static_cast<QWidget*>(LblAnzUhr_)})
    w->setVisible(true);
  txtAnzstd_->setText(QStringLiteral("--"));
  txtAnzMin_->setText(QStringLiteral("--"));
  for (QWidget* w : {static_cast<QWidget*>(LblUesstd_), static_cast<QWidget*>(LblUesMin_),
                     static_cast<QWidget*>(liststd_), static_cast<QWidget*>(listmin_),
                     static_cast<QWidget*>(cmd_onoff_)})
    w->setVisible(false);
  viewState().GridDlgOption = kOptionLoeschen;
}

void FrmChangeGridData::Liststd_Click() {
  const QListWidgetItem* e = liststd_->currentItem();
  txtAnzstd_->setText(QString::number(e ? static_cast<int>(Val(e->text())) : 0));
}

void FrmChangeGridData::Listmin_Click() {
  const QListWidgetItem* e = listmin_->currentItem();
  txtAnzMin_->setText(e ? e->text() : QString());
}

void FrmChangeGridData::zurueckInsFeld(QLineEdit* box) {
  env().beep();
  // Later, so that the focus change under way has ended first; no further checks meanwhile.
  schliesst_ = true;
  QTimer::singleShot(0, box, [this, box] {
    box->setFocus(Qt::OtherFocusReason);
    schliesst_ = false;
  });
}

void FrmChangeGridData::txtanzstd_LostFocus() {
  const int h = zahl(txtAnzstd_);
  if (h < 0 || h > 23) {
    zurueckInsFeld(txtAnzstd_);
    return;
  }
  setzeStunde(h);
}

void FrmChangeGridData::txtanzmin_LostFocus() {
  const int m = zahl(txtAnzMin_);
  if (m < 0 || m > 59) {
    zurueckInsFeld(txtAnzMin_);
    return;
  }
  setzeMinute(m);
}

bool FrmChangeGridData::eventFilter(QObject* watched, QEvent* event) {
  if (watched != txtAnzstd_ && watched != txtAnzMin_) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && !tasteErlaubt(static_cast<QKeyEvent*>(event))) {
    env().beep();
    return true;
  }
  if (event->type() == QEvent::FocusOut && !schliesst_) {
    // Switching to another window or opening a menu is no leaving of the box.
    const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
    if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) {
      if (watched == txtAnzstd_)
        txtanzstd_LostFocus();
      else
        txtanzmin_LostFocus();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FrmChangeGridData::cmd_onoff_Click() {
  ViewState& v = viewState();
  v.GridDlgWert = v.GridDlgWert != 1 ? 1 : 0;
  cmd_onoff_->setText(v.GridDlgWert == 1 ? texts().S_EIN : texts().S_AUS);
}

void FrmChangeGridData::cmdSzok_Click() {
  bool ok;
  if (Opt_del_->isChecked()) {
    ok = cellDialogOk(kOptionLoeschen, 0, 0);
  } else if (opt_Aendern_->isChecked()) {
    // The boxes are checked again: a refused value can still stand in them when OK is clicked.
    const int h = zahl(txtAnzstd_);
    const int m = zahl(txtAnzMin_);
    if (h < 0 || h > 23) {
      zurueckInsFeld(txtAnzstd_);
      return;
    }
    if (m < 0 || m > 59) {
      zurueckInsFeld(txtAnzMin_);
      return;
    }
    ok = cellDialogOk(kOptionAendern, h, m);
  } else {
    // Shift by, or no option chosen: the shift of the two lists (no entry counts 0).
    const int option = opt_verschieben_->isChecked() ? kOptionVerschieben : -1;
    ok = cellDialogOk(option, liststd_->currentRow(), listmin_->currentRow());
  }
  if (!ok) return;
  schliesst_ = true;
  accept();
}

void FrmChangeGridData::reject() {
  schliesst_ = true;
  cellDialogCancel();
  QDialog::reject();
}

void installCellDialog() {
  hooks().Zellendialog = [] {
    // Modal for the whole program: nothing may change the program while the opener waits.
    QPointer<FrmChangeGridData> d = new FrmChangeGridData(QApplication::activeWindow());
    d->setWindowModality(Qt::ApplicationModal);
    const int r = d->exec();
    delete d.data();
    if (r != QDialog::Accepted) cellDialogCancel();
    cellDialogUnloaded();
  };
}

}  // namespace qv
