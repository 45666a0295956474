#include "transfer/ui/frmIRAccess.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Rahmenzustand.h"

namespace qv {

frmIRAccess::frmIRAccess() {
  const Texts& t = texts();
  setObjectName(QStringLiteral("frmIRAccess"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(t.S_IRZugr);
  auto* l = new QVBoxLayout(this);
  const QString optionen[3] = {t.S_SchaLesen, t.S_SchaProg, t.S_UhrzDatum};
  for (int i = 0; i < 3; ++i) {
    Option1[i] = new QRadioButton(optionen[i], this);
    Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    l->addWidget(Option1[i]);
    connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
  }
  FraCOMNr = new QGroupBox(t.S_ZugrUeber, this);
  FraCOMNr->setObjectName(QStringLiteral("FraCOMNr"));
  auto* com = new QHBoxLayout(FraCOMNr);
  for (int i = 0; i < 2; ++i) {
    Optcom[i] = new QRadioButton(QStringLiteral("COM %1").arg(i + 1), FraCOMNr);
    Optcom[i]->setObjectName(QStringLiteral("Optcom_%1").arg(i));
    com->addWidget(Optcom[i]);
    connect(Optcom[i], &QRadioButton::clicked, this, [i] { IR_ComPort() = i + 1; });
  }
  l->addWidget(FraCOMNr);
  auto* felder = new QGridLayout;
  lblUz = new QLabel(t.S_UhrzHh, this);
  TxtUz = new QLineEdit(this);
  TxtUz->setObjectName(QStringLiteral("TxtUz"));
  lblDat = new QLabel(t.S_DatumTt, this);
  txtdat = new QLineEdit(this);
  txtdat->setObjectName(QStringLiteral("txtdat"));
  felder->addWidget(lblUz, 0, 0);
  felder->addWidget(TxtUz, 0, 1);
  felder->addWidget(lblDat, 1, 0);
  felder->addWidget(txtdat, 1, 1);
  l->addLayout(felder);
  for (QLineEdit* e : {TxtUz, txtdat}) e->installEventFilter(this);
  ggeIRtrans = new QProgressBar(this);
  ggeIRtrans->setObjectName(QStringLiteral("ggeIRtrans"));
  ggeIRtrans->setRange(0, 100);
  l->addWidget(ggeIRtrans);
  auto* knoepfe = new QHBoxLayout;
  cmd_IRok = new QPushButton(t.S_Ok, this);
  cmd_IRok->setObjectName(QStringLiteral("cmd_IRok"));
  cmd_Irend = new QPushButton(t.S_Beenden, this);
  cmd_Irend->setObjectName(QStringLiteral("cmd_Irend"));
  knoepfe->addWidget(cmd_IRok);
  knoepfe->addWidget(cmd_Irend);
  l->addLayout(knoepfe);
  connect(cmd_IRok, &QPushButton::clicked, this, &frmIRAccess::cmd_IRok_Click);
  connect(cmd_Irend, &QPushButton::clicked, this, &frmIRAccess::cmd_Irend_Click);

  Option1[0]->setChecked(true);
  zeigeFelder(false);
  ggeIRtrans->hide();
  Optcom[IR_ComPort() == 2 ? 1 : 0]->setChecked(true);
}

frmIRAccess* frmIRAccess::Oeffne() {
  static QPointer<frmIRAccess> offen;
  if (!offen) offen = new frmIRAccess;
  offen->show();
  offen->raise();
  offen->activateWindow();
  return offen;
}

void frmIRAccess::zeigeFelder(bool sichtbar) {
  for (QWidget* w : {static_cast<QWidget*>(TxtUz), static_cast<QWidget*>(txtdat), static_cast<QWidget*>(lblUz),
                     static_cast<QWidget*>(lblDat)})
    w->setVisible(sichtbar);
}

void frmIRAccess::Option1_Click(int index) {
  modus_ = static_cast<IRModus>(index);
  ggeIRtrans->hide();
  ggeIRtrans->setValue(0);
  zeigeFelder(index == 2);
  zeitmodus_ = QStringLiteral("UZ0");
  kopieGemacht_ = false;
  if (index == 2) {
    const QDateTime jetzt = env().now();
    txtdat->setText(jetzt.toString(QStringLiteral("dd.MM.yy")));
    TxtUz->setText(jetzt.toString(QStringLiteral("HH:mm:ss")));
    zeitmodus_ = QStringLiteral("UZ1");
    txtdat_LostFocus();
    TxtUz_LostFocus();
  } else if (index == 1) {
    kopieGemacht_ = IR_Austausch_vorbereiten();
  }
}

bool frmIRAccess::eventFilter(QObject* o, QEvent* e) {
  auto* box = qobject_cast<QLineEdit*>(o);
  if (!box) return QDialog::eventFilter(o, e);
  if (e->type() == QEvent::KeyPress) {
    const auto* k = static_cast<QKeyEvent*>(e);
    zeitmodus_ = QStringLiteral("UZ2");
    // Only printable characters are filtered; editing and navigation keys pass.
    if (k->text().size() == 1 && k->text()[0].isPrint())
      return !IR_Taste_erlaubt(k->text()[0], box->text(), box == txtdat ? u'.' : u':');
  } else if (e->type() == QEvent::FocusIn) {
    ggeIRtrans->setValue(0);
    ggeIRtrans->hide();
  } else if (e->type() == QEvent::FocusOut) {
    if (box == txtdat) txtdat_LostFocus();
    else TxtUz_LostFocus();
  }
  return QDialog::eventFilter(o, e);
}

void frmIRAccess::txtdat_LostFocus() {
  datum_ = Normalisiere_Datum(txtdat->text());
  txtdat->setText(datum_.text);
}

void frmIRAccess::TxtUz_LostFocus() {
  zeit_ = Normalisiere_Uhrzeit(TxtUz->text());
  TxtUz->setText(zeit_.text);
}

void frmIRAccess::cmd_IRok_Click() {
  if (laeuft_) return;
  // An open entry form works on the program's records and tables: a read never replaces them,
  // as the main window's key read and Open are off meanwhile.
  if (modus_ == IRModus::Lesen && offeneEingabeformen() > 0) {
    env().beep();
    return;
  }
  if (modus_ == IRModus::Stellen) {
    txtdat_LostFocus();
    TxtUz_LostFocus();
  }
  // A write sends the program as it is now: one changed after the option was chosen is saved
  // again, an unchanged one (also one opened meanwhile) is copied from its file once more.
  if (modus_ == IRModus::Schreiben) {
    kopieGemacht_ = program().Geaendert == 1 || !kopieGemacht_ ? IR_Austausch_vorbereiten() : IR_Austausch_kopieren();
    if (!kopieGemacht_) return;
  }
  if (!IR_Anfrage_schreiben(modus_, IR_ComPort(), zeitmodus_, zeit_, datum_)) return;
  laeuft_ = true;
  // Every control waits for the transfer: an option chosen meanwhile would save and copy the
  // program over the exchange file a read is bringing.
  QWidget* const bedienung[] = {cmd_IRok, cmd_Irend, Option1[0], Option1[1], Option1[2],
                                Optcom[0], Optcom[1], txtdat, TxtUz};
  for (QWidget* w : bedienung) w->setEnabled(false);
  ggeIRtrans->setValue(0);
  ggeIRtrans->show();
  QPointer<QProgressBar> gauge = ggeIRtrans;
  IR_Uebertragung(modus_, [gauge](int wert) {
    if (gauge) gauge->setValue(wert);
  });
  ggeIRtrans->setValue(0);
  ggeIRtrans->hide();
  for (QWidget* w : bedienung) w->setEnabled(true);
  laeuft_ = false;
  callHook(hooks().Fuelle_Grid, program().AktSpeicher);
}

void frmIRAccess::cmd_Irend_Click() {
  if (laeuft_) return;
  close();
  callHook(hooks().Fuelle_Grid, program().AktSpeicher);
}

void frmIRAccess::reject() { cmd_Irend_Click(); }

void frmIRAccess::closeEvent(QCloseEvent* e) {
  if (laeuft_) e->ignore();
  else e->accept();
}

}  // namespace qv
