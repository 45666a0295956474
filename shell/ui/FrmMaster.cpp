// The device coding dialog and the about box.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "model/Hooks.h"
#include "model/Kopfdaten.h"
#include "model/Marke.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Startbild.h"
#include "shell/ui/Geraetefenster.h"

namespace qv {
namespace {

// One option pair: the first button sets the global to 1, the second to 0.
struct Paar {
  const char* rahmen;
  const char* titel;
  const char* erster;
  const char* ersterText;
  const char* zweiter;
  const char* zweiterText;
};

constexpr Paar kPaare[] = {
    {"Frame1", "Mastercard", "optmastercard", "Mastercard", "optprogcard", "Progcard"},
    {"Frame2", "Zeitbasis", "optfunk", "Funk", "optquart", "Quarz"},
    {"Frame3", "Sprache", "optgerman", "Deutsch", "optfranz", "Franz\u00f6sisch"},
    {"Frame4", "Datumsformat", "optEurodat", "Euro", "optUSAdat", "USA"},
    {"Frame6", "Basisstrom bei NAK", "optNakoff", "abschalten", "optNAKON", "anlassen"},
    {"Frame7", "Dauerschaltung", "optDautast", "\u00fcber Tastatur", "optDauschalt", "\u00fcber Schalter"},
};

constexpr const char* kBits[8][2] = {{"Check1", "EIB TP"}, {"Check2", "Bit 1"}, {"Check3", "Bit2"},
                                     {"Check4", "Bit 3"},  {"Check5", "IR"},    {"Check6", "Bit5"},
                                     {"Check7", "Bit6"},   {"Check8", "bistabil"}};

// The state each pair shows, and what choosing one of its buttons does.
bool paarWert(int i) {
  const DeviceSettings& s = settings();
  switch (i) {
    case 0: return (profile().Geraetecode & 128) != 0;
    case 1: return s.OptFunk == 1;
    case 2: return s.SpracheUhr == 1;
    case 3: return s.OptDatum == 1;
    case 4: return s.OptNak == 1;
    default: return s.OptDauer == 1;
  }
}

void setzePaar(int i, bool erster) {
  DeviceSettings& s = settings();
  const int16_t v = erster ? 1 : 0;
  switch (i) {
    case 0: {
      int16_t& code = profile().Geraetecode;
      code = static_cast<int16_t>(erster ? (code | 128) : (code & 127));
      break;
    }
    case 1: s.OptFunk = v; break;
    case 2: s.SpracheUhr = v; break;
    case 3: s.OptDatum = v; break;
    case 4: s.OptNak = v; break;
    default: s.OptDauer = v; break;
  }
}

}  // namespace

FrmMaster::FrmMaster(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmMaster"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Codierung"));
  auto* g = new QGridLayout(this);

  auto* FrmVersch = new QGroupBox(this);
  FrmVersch->setObjectName(QStringLiteral("FrmVersch"));
  auto* bits = new QGridLayout(FrmVersch);
  for (int k = 0; k < 8; ++k) {
    Check_[k] = new QCheckBox(QString::fromUtf8(kBits[k][1]), FrmVersch);
    Check_[k]->setObjectName(QString::fromLatin1(kBits[k][0]));
    bits->addWidget(Check_[k], k % 4, k / 4);
    connect(Check_[k], &QCheckBox::clicked, this, [this, k] { Check_Click(k); });
  }
  g->addWidget(FrmVersch, 0, 0, 2, 1);

  int i = 0;
  for (const Paar& p : kPaare) {
    auto* rahmen = new QGroupBox(QString::fromUtf8(p.titel), this);
    rahmen->setObjectName(QString::fromLatin1(p.rahmen));
    auto* l = new QVBoxLayout(rahmen);
    auto* a = paar_[i][0] = new QRadioButton(QString::fromUtf8(p.ersterText), rahmen);
    a->setObjectName(QString::fromLatin1(p.erster));
    auto* b = paar_[i][1] = new QRadioButton(QString::fromUtf8(p.zweiterText), rahmen);
    b->setObjectName(QString::fromLatin1(p.zweiter));
    l->addWidget(a);
    l->addWidget(b);
    connect(a, &QRadioButton::clicked, this, [this, i] { setzePaar(i, true); Aenderung(); });
    connect(b, &QRadioButton::clicked, this, [this, i] { setzePaar(i, false); Aenderung(); });
    g->addWidget(rahmen, i / 3, 1 + i % 3);
    ++i;
  }

  auto* cmdmachmstr = new QPushButton(QStringLiteral("Eishockey"), this);
  cmdmachmstr->setObjectName(QStringLiteral("cmdmachmstr"));
  connect(cmdmachmstr, &QPushButton::clicked, this, &FrmMaster::close);
  g->addWidget(cmdmachmstr, 2, 3);

  // Form_Load: loading the state counts as one change, the header is rebuilt and shown once.
  settings().Codierbyte = static_cast<int16_t>(settings().Codierbyte & 255);
  zeige();
  Aenderung();
  // A program opened or read while the dialog is open: it shows that program's coding at once.
  connect(&programEvents(), &ProgramEvents::replaced, this, &FrmMaster::zeige);
}

void FrmMaster::zeige() {
  // Setting a control does not run its handler; the card bit comes from the format id, which
  // holds it even when the header block is stale.
  for (int k = 0; k < 8; ++k) Check_[k]->setChecked((settings().Codierbyte >> k & 1) != 0);
  for (int i = 0; i < int(std::size(kPaare)); ++i) paar_[i][paarWert(i) ? 0 : 1]->setChecked(true);
}

bool FrmMaster::event(QEvent* e) {
  // Back in the dialog after a program was opened or read: it shows that program's coding.
  if (e->type() == QEvent::WindowActivate) zeige();
  return QDialog::event(e);
}

void FrmMaster::closeEvent(QCloseEvent* e) { e->accept(); }

void FrmMaster::Check_Click(int bit) {
  // Only the bit clicked changes: the others stay as the program has them now.
  int16_t& c = settings().Codierbyte;
  c = static_cast<int16_t>((c & 255 & ~(1 << bit)) | (Check_[bit]->isChecked() ? 1 << bit : 0));
  Aenderung();
}

void FrmMaster::Aenderung() {
  program().Geaendert = 1;
  Baue_Kopfdaten();
  // The header panel shows the program on screen: with the template shown, the template's.
  callHook(hooks().Zeige_Kopfdaten, static_cast<int>(program().AktSpeicher));
}

Frminfo::Frminfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Frminfo"));
  setAttribute(Qt::WA_DeleteOnClose);
  Zeige_Kopfpanel(false);
  const Brand& m = brand();
  const Texts& t = texts();
  setWindowTitle(t.S_Info);

  // A missing picture leaves the box plain.
  auto* bild = new QLabel(this);
  bild->setObjectName(QStringLiteral("Infobild"));
  const QPixmap p = QPixmap::fromImage(Lies_Bild(m.S_Infobild));
  if (!p.isNull()) {
    bild->setPixmap(p);
    bild->resize(p.size());
    setFixedSize(p.size());
  } else {
    setFixedSize(520, 460);
  }

  auto farbe = [](uint32_t c) { return QColor(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)); };
  // PosInfo pairs in this order; positions are twips, 15 to the pixel.
  const struct {
    const char* name;
    QString text;
  } kLabels[7] = {{"lblversion", t.S_Version},     {"lblHersteller", m.S_InfoZeile[1]}, {"lblBereich", m.S_InfoVon},
                  {"lbladress", m.S_InfoZeile[2]}, {"lbltel", m.S_InfoZeile[3]},        {"lblemail", m.S_InfoZeile[4]},
                  {"lblvonkt", m.S_InfoZeile[5]}};
  auto* cmdinfoend = new QPushButton(t.S_Abbrechen, this);
  cmdinfoend->setObjectName(QStringLiteral("cmdinfoend"));
  cmdinfoend->move(m.PosInfo[0] / 15, m.PosInfo[1] / 15);
  connect(cmdinfoend, &QPushButton::clicked, this, &Frminfo::close);
  for (int i = 0; i < 7; ++i) {
    auto* l = new QLabel(kLabels[i].text, this);
    l->setObjectName(QString::fromLatin1(kLabels[i].name));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, farbe(m.FarbeInfo[i == 6 ? 1 : 0]));
    l->setPalette(pal);
    l->adjustSize();
    l->move(m.PosInfo[2 + 2 * i] / 15, m.PosInfo[3 + 2 * i] / 15);
  }
}

void Frminfo::closeEvent(QCloseEvent* e) {
  Zeige_Kopfpanel(true);
  e->accept();
}

namespace {

QWidget* rahmen() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("MDIForm1")) return w;
  return nullptr;
}

}  // namespace

void Zeige_Kopfpanel(bool sichtbar) {
  if (QWidget* r = rahmen())
    if (auto* panel = r->findChild<QWidget*>(QStringLiteral("Picture1"))) panel->setVisible(sichtbar);
}

namespace {

template <typename T>
QWidget* einmal(QPointer<T>& offen) {
  // A closed window may still wait for its deletion.
  if (!offen || !offen->isVisible()) {
    // Over the frame, so that the window opening it (the print dialog) may close first.
    QWidget* r = rahmen();
    offen = new T(r ? r : QApplication::activeWindow());
    offen->show();
  }
  offen->raise();
  offen->activateWindow();
  return offen;
}

}  // namespace

QWidget* Zeige_Geraeteeinstellungen() {
  static QPointer<FrmGeraetEinst> offen;
  return einmal(offen);
}

QWidget* Zeige_Codierung() {
  static QPointer<FrmMaster> offen;
  return einmal(offen);
}

QWidget* Zeige_Info() {
  static QPointer<Frminfo> offen;
  return einmal(offen);
}

}  // namespace qv
