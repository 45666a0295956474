#include "views/ui/FrmDruck.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Geraeteeinstellungen.h"
#include "views/Drucken.h"
#include "views/ui/Drucker.h"
#include "views/ui/Fensteraufrufe.h"

namespace qv {
namespace {

QCheckBox* box(const QString& text, const char* name, QWidget* parent) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(QString::fromUtf8(name));
  return c;
}

// "umleiten in PLAN1.txt": the text file of the program as it is now.
QString Umleitung_Text() { return texts().S_umleiten + u' ' + Textdateiname(program().Dateiname[0]); }

}  // namespace

FrmDruck::FrmDruck(QWidget* parent) : QDialog(parent) {
  const Texts& t = texts();
  setObjectName(QStringLiteral("frmDruck"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(t.S_Drucken);

  auto* Frame1 = new QGroupBox(t.S_Drucken, this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  GeraeteText()[0] = Geraeteeigenschaften_Titel();
  chkprsz_ = box(t.S_Schaltzeitlist, "chkprsz", Frame1);
  chkprpz_ = box(t.S_Prioritaetslist, "chkprpz", Frame1);
  chkprsw_ = box(t.S_SoWiTabe, "chkprsw", Frame1);
  Chkprastro_ = box(t.S_Astrozeiten2, "Chkprastro", Frame1);
  chkprgeraeteeigenschaften_ = box(GeraeteText()[0], "chkprger\u00e4teeigenschaften", Frame1);
  chkprsz_->setChecked(true);
  Chkprastro_->setVisible(profile().Uhrentyp == 309);
  auto* l = new QVBoxLayout(Frame1);
  for (QCheckBox* c : {chkprsz_, chkprpz_, chkprsw_, Chkprastro_, chkprgeraeteeigenschaften_}) l->addWidget(c);

  chktxtdat_ = box(Umleitung_Text(), "chktxtdat", this);
  chktxtdat_->setChecked(printState().DruckInDatei == 1);
  connect(chktxtdat_, &QCheckBox::toggled, this, [](bool an) { printState().DruckInDatei = an ? 1 : 0; });
  // A program opened, read or saved under another name while the dialog is open: the box names at
  // once the text file the redirected print now goes into.
  const auto umbenennen = [this] { chktxtdat_->setText(Umleitung_Text()); };
  connect(&programEvents(), &ProgramEvents::replaced, this, umbenennen);
  connect(&programEvents(), &ProgramEvents::renamed, this, umbenennen);

  auto* fraKopfZeil = new QGroupBox(t.S_KopfAlle, this);
  fraKopfZeil->setObjectName(QStringLiteral("fraKopfZeil"));
  lblzeilen_ = new QLabel(Zeilen_Text(settings().Zeilen), fraKopfZeil);
  lblzeilen_->setObjectName(QStringLiteral("lblzeilen"));
  auto* cmdpraendern = new QPushButton(t.S_Aendern, fraKopfZeil);
  cmdpraendern->setObjectName(QStringLiteral("cmdpr\u00e4ndern"));
  connect(cmdpraendern, &QPushButton::clicked, this, [] { Oeffne_Fenster(&Fensteraufrufe::frmGeraetEinst); });
  auto* k = new QHBoxLayout(fraKopfZeil);
  k->addWidget(lblzeilen_);
  k->addWidget(cmdpraendern);

  auto* cmdprdruck = new QPushButton(t.S_Drucken, this);
  cmdprdruck->setObjectName(QStringLiteral("cmdprdruck"));
  cmdprdruck->setDefault(true);
  connect(cmdprdruck, &QPushButton::clicked, this, &FrmDruck::cmdprdruck_Click);
  auto* cmdprcancel = new QPushButton(t.S_Abbrechen, this);
  cmdprcancel->setObjectName(QStringLiteral("cmdprcancel"));
  connect(cmdprcancel, &QPushButton::clicked, this, &FrmDruck::close);

  auto* g = new QVBoxLayout(this);
  g->addWidget(Frame1);
  g->addWidget(chktxtdat_);
  g->addWidget(fraKopfZeil);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  knoepfe->addWidget(cmdprdruck);
  knoepfe->addWidget(cmdprcancel);
  g->addLayout(knoepfe);
}

void FrmDruck::changeEvent(QEvent* e) {
  // Active again: the lines set in the device settings.
  if (e->type() == QEvent::ActivationChange && isActiveWindow()) lblzeilen_->setText(Zeilen_Text(settings().Zeilen));
  QDialog::changeEvent(e);
}

void FrmDruck::closeEvent(QCloseEvent* e) { e->accept(); }

void FrmDruck::cmdprdruck_Click() {
  PrintState& s = printState();
  auto an = [](QCheckBox* c) -> int16_t { return c->isChecked() && !c->isHidden() ? 1 : 0; };
  s.DruckSz = an(chkprsz_);
  s.DruckPz = an(chkprpz_);
  s.DruckSw = an(chkprsw_);
  s.DruckAstro = an(Chkprastro_);
  s.DruckGeraet = an(chkprgeraeteeigenschaften_);
  close();
  s.DruckAnsicht = 0;
  Drucke_Auswahl();
}

QWidget* Zeige_Druckdialog() {
  // One dialog at a time: a second opening brings the open one forward as it stands.
  static QPointer<FrmDruck> offen;
  // A closed one is on its way out (it deletes itself).
  if (!offen || !offen->isVisible()) offen = new FrmDruck(QApplication::activeWindow());
  offen->show();
  offen->raise();
  offen->activateWindow();
  return offen;
}

}  // namespace qv
