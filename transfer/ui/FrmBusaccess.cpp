#include "transfer/ui/FrmBusaccess.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Environment.h"
#include "model/Texte.h"
#include "model/Val.h"
#include "transfer/EibBuszugriff.h"
#include "transfer/EibSeriell.h"

namespace qv {
namespace {

template <typename T>
T* neu(QWidget* eltern, const char* name) {
  T* w = new T(eltern);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

QLineEdit* feld(QWidget* eltern, const char* name, const char* text) {
  QLineEdit* f = neu<QLineEdit>(eltern, name);
  f->setText(QString::fromLatin1(text));
  return f;
}

int zahl(const QLineEdit* f) { return static_cast<int>(Val(f->text())); }

QPointer<FrmBusaccess>& instanz() {
  static QPointer<FrmBusaccess> p;
  return p;
}

}  // namespace

FrmBusaccess::FrmBusaccess(EibTreiber* treiber, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmBusaccess"));
  setAttribute(Qt::WA_DeleteOnClose);
  if (!treiber) {
    eigener_ = std::make_unique<SerielleEibSchnittstelle>();
    treiber = eigener_.get();
  }
  zugriff_ = std::make_unique<Buszugriff>(treiber);

  auto* haupt = new QVBoxLayout(this);
  frminterface_ = neu<QGroupBox>(this, "frminterface");
  auto* li = new QHBoxLayout(frminterface_);
  lblcomnr_ = neu<QLabel>(frminterface_, "lblcomnr");
  optcom1_ = neu<QRadioButton>(frminterface_, "optcom1");
  optcom2_ = neu<QRadioButton>(frminterface_, "optcom2");
  li->addWidget(lblcomnr_);
  li->addWidget(optcom1_);
  li->addWidget(optcom2_);
  li->addStretch();
  haupt->addWidget(frminterface_);

  fraBusSearch_ = neu<QGroupBox>(this, "fraBusSearch");
  auto* ls = new QGridLayout(fraBusSearch_);
  lblBusbereich_ = neu<QLabel>(fraBusSearch_, "lblBusbereich");
  txtBereich_ = feld(fraBusSearch_, "txtBereich", "1");
  lblBusLinie_ = neu<QLabel>(fraBusSearch_, "lblBusLinie");
  txtBuslinie_ = feld(fraBusSearch_, "txtBuslinie", "1");
  lblvonTeilnehmer_ = neu<QLabel>(fraBusSearch_, "lblvonTeilnehmer");
  txtvonTeilnehmer_ = feld(fraBusSearch_, "txtvonTeilnehmer", "0");
  lblbisTeilnehmer_ = neu<QLabel>(fraBusSearch_, "lblbisTeilnehmer");
  txtbisTeilnehmer_ = feld(fraBusSearch_, "txtbisTeilnehmer", "63");
  cmdbussearch_ = neu<QPushButton>(fraBusSearch_, "cmdbussearch");
  lblsearchresult_ = neu<QLabel>(fraBusSearch_, "lblsearchresult");
  cboPhysadr_ = neu<QComboBox>(fraBusSearch_, "cboPhysadr");
  ls->addWidget(lblBusbereich_, 0, 0);
  ls->addWidget(txtBereich_, 0, 1);
  ls->addWidget(lblBusLinie_, 1, 0);
  ls->addWidget(txtBuslinie_, 1, 1);
  ls->addWidget(lblvonTeilnehmer_, 2, 0);
  ls->addWidget(txtvonTeilnehmer_, 2, 1);
  ls->addWidget(lblbisTeilnehmer_, 3, 0);
  ls->addWidget(txtbisTeilnehmer_, 3, 1);
  ls->addWidget(cmdbussearch_, 0, 2);
  ls->addWidget(lblsearchresult_, 1, 2);
  ls->addWidget(cboPhysadr_, 2, 2);
  haupt->addWidget(fraBusSearch_);

  FraBusProg_ = neu<QGroupBox>(this, "FraBusProg");
  auto* lp = new QGridLayout(FraBusProg_);
  lblPhysadr_ = neu<QLabel>(FraBusProg_, "lblPhysadr");
  txtPhysadr_ = neu<QLineEdit>(FraBusProg_, "txtPhysadr");
  cmdbusread_ = neu<QPushButton>(FraBusProg_, "cmdbusread");
  cmdbusprog_ = neu<QPushButton>(FraBusProg_, "cmdbusprog");
  cmd_appl_reinstall_ = neu<QPushButton>(FraBusProg_, "cmd_appl_reinstall");
  lp->addWidget(lblPhysadr_, 0, 0);
  lp->addWidget(txtPhysadr_, 0, 1);
  lp->addWidget(cmdbusread_, 1, 0);
  lp->addWidget(cmdbusprog_, 1, 1);
  lp->addWidget(cmd_appl_reinstall_, 2, 0, 1, 2);
  haupt->addWidget(FraBusProg_);

  Frmstatus_ = neu<QGroupBox>(this, "Frmstatus");
  auto* lz = new QGridLayout(Frmstatus_);
  lblstatus_ = neu<QLabel>(Frmstatus_, "lblstatus");
  txtstatus_ = neu<QLineEdit>(Frmstatus_, "txtstatus");
  txtstatus_->setReadOnly(true);
  ggestatus_ = neu<QProgressBar>(Frmstatus_, "ggestatus");
  ggestatus_->setTextVisible(false);
  lz->addWidget(lblstatus_, 0, 0);
  lz->addWidget(txtstatus_, 0, 1);
  lz->addWidget(ggestatus_, 1, 0, 1, 2);
  haupt->addWidget(Frmstatus_);

  cmdBusend_ = neu<QPushButton>(this, "cmdBusend");
  cmdBusend_->setAutoDefault(false);
  haupt->addWidget(cmdBusend_, 0, Qt::AlignRight);

  connect(optcom1_, &QRadioButton::toggled, this, [this](bool an) {
    if (an) zugriff_->sitzung().EIB_ComPort = 0;
  });
  connect(optcom2_, &QRadioButton::toggled, this, [this](bool an) {
    if (an) zugriff_->sitzung().EIB_ComPort = 1;
  });
  connect(txtBereich_, &QLineEdit::textChanged, this, [this] { Feld_Change(txtBereich_, 15, QStringLiteral("0")); });
  connect(txtBuslinie_, &QLineEdit::textChanged, this, [this] { Feld_Change(txtBuslinie_, 15, QStringLiteral("0")); });
  connect(txtvonTeilnehmer_, &QLineEdit::textChanged, this,
          [this] { Feld_Change(txtvonTeilnehmer_, 255, QStringLiteral("0")); });
  connect(txtbisTeilnehmer_, &QLineEdit::textChanged, this,
          [this] { Feld_Change(txtbisTeilnehmer_, 255, QStringLiteral("255")); });
  // Choosing an entry, by the user or from code, puts its address into the address field.
  connect(cboPhysadr_, &QComboBox::currentTextChanged, this, [this](const QString& t) {
    if (!t.isEmpty()) txtPhysadr_->setText(t);
  });
  connect(cboPhysadr_, &QComboBox::activated, this, [this] { txtPhysadr_->setText(cboPhysadr_->currentText()); });
  connect(cmdbussearch_, &QPushButton::clicked, this, &FrmBusaccess::cmdbussearch_Click);
  connect(cmdbusread_, &QPushButton::clicked, this, &FrmBusaccess::cmdbusread_Click);
  connect(cmdbusprog_, &QPushButton::clicked, this, &FrmBusaccess::cmdbusprog_Click);
  connect(cmd_appl_reinstall_, &QPushButton::clicked, this, &FrmBusaccess::cmd_appl_reinstall_Click);
  connect(cmdBusend_, &QPushButton::clicked, this, &QWidget::close);

  BusSitzung& s = zugriff_->sitzung();
  s.aufStatus = [this](const QString& t) { txtstatus_->setText(t); };
  s.aufMesser = [this](int maximum, int wert) {
    ggestatus_->setMaximum(std::max(maximum, 1));
    ggestatus_->setValue(wert);
  };
  zugriff_->aufWiederherstellen = [this](bool an) { cmd_appl_reinstall_->setVisible(an); };
  zugriff_->aufBeschaeftigt = [this](bool an) { setzeBeschaeftigt(an); };
  Form_Load();
}

FrmBusaccess::~FrmBusaccess() = default;

void FrmBusaccess::Form_Load() {
  const Texts& t = texts();
  setWindowTitle(t.S_Buszugriff);
  frminterface_->setTitle(t.S_SchnBusz);
  lblcomnr_->setText(t.S_Schnittstelle);
  optcom1_->setText(t.S_COM1);
  optcom2_->setText(t.S_COM2);
  fraBusSearch_->setTitle(t.S_SchaSuch);
  lblBusbereich_->setText(t.S_Bereich);
  lblBusLinie_->setText(t.S_Linie);
  lblvonTeilnehmer_->setText(t.S_vonTeil);
  lblbisTeilnehmer_->setText(t.S_bisTeil);
  cmdbussearch_->setText(t.S_SucheStar);
  lblsearchresult_->setText(t.S_Suchergebnis);
  FraBusProg_->setTitle(t.S_ZeitScha);
  lblPhysadr_->setText(t.S_PhysAdre);
  cmdbusread_->setText(t.S_Lesen);
  cmdbusprog_->setText(t.S_Programmieren);
  cmd_appl_reinstall_->setText(t.S_Wiederherstell);
  cmdBusend_->setText(t.S_Beenden);
  Frmstatus_->setTitle(t.S_Status);
  lblstatus_->setText(t.S_Status2);
  txtstatus_->setText(t.S_bereit);
  cmd_appl_reinstall_->setVisible(false);
  zugriff_->sitzung().EIB_Layer = 150;
  optcom1_->setChecked(true);
  zugriff_->sitzung().EIB_ComPort = 0;
}

void FrmBusaccess::Feld_Change(QLineEdit* f, int grenze, const QString& ersatz) {
  const Feldwert w = Pruefe_Bereichsfeld(f->text(), grenze, ersatz);
  if (w.beep) env().beep();
  if (w.text == f->text()) return;
  // The cursor goes behind the number, so that typing into a field just emptied replaces its 0.
  const QSignalBlocker sperre(f);
  f->setText(w.text);
  f->setCursorPosition(static_cast<int>(w.text.size()));
}

void FrmBusaccess::setzeBeschaeftigt(bool an) {
  for (QPushButton* k : {cmdbussearch_, cmdbusread_, cmdbusprog_, cmd_appl_reinstall_, cmdBusend_}) k->setEnabled(!an);
}

void FrmBusaccess::cmdbussearch_Click() {
  cboPhysadr_->clear();
  if (zahl(txtbisTeilnehmer_) < zahl(txtvonTeilnehmer_)) {
    const QString von = txtvonTeilnehmer_->text();
    txtvonTeilnehmer_->setText(txtbisTeilnehmer_->text());
    txtbisTeilnehmer_->setText(von);
  }
  const QStringList gefunden =
      zugriff_->Suche(zahl(txtBereich_), zahl(txtBuslinie_), zahl(txtvonTeilnehmer_), zahl(txtbisTeilnehmer_));
  {
    const QSignalBlocker sperre(cboPhysadr_);
    cboPhysadr_->addItems(gefunden);
    cboPhysadr_->setCurrentIndex(-1);
  }
  if (!gefunden.isEmpty()) cboPhysadr_->setCurrentIndex(static_cast<int>(gefunden.size()) - 1);
}

void FrmBusaccess::cmdbusread_Click() { zugriff_->Lesen(txtPhysadr_->text()); }
void FrmBusaccess::cmdbusprog_Click() { zugriff_->Programmieren(txtPhysadr_->text()); }
void FrmBusaccess::cmd_appl_reinstall_Click() { zugriff_->Wiederherstellen(txtPhysadr_->text()); }

// Esc, "Beenden" and the close box all end here (the dialog's close rejects it), unless an
// operation still runs: the link, the log and the timers belong to it until it ends.
void FrmBusaccess::reject() {
  if (zugriff_->laeuft()) return;
  zugriff_->Schliessen();
  QDialog::reject();
}

void FrmBusaccess::closeEvent(QCloseEvent* e) {
  if (zugriff_->laeuft()) {
    e->ignore();
    return;
  }
  QDialog::closeEvent(e);
}

QWidget* Oeffne_Busaccess() {
  QPointer<FrmBusaccess>& p = instanz();
  if (!p) {
    p = new FrmBusaccess;
    p->show();
  }
  p->raise();
  p->activateWindow();
  return p;
}

}  // namespace qv
