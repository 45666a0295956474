#include "calendar/ui/FrmGrafik.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <cmath>

#include "calendar/ui/Simulationsbilder.h"
#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Vergleich.h"
#include "views/ui/MDIForm1.h"

namespace qv {
namespace {

// Layout below the strip, in the window's drawing units (one pixel each).
constexpr int kBildX = 40;
constexpr int kJahrY = 282;
constexpr int kStundenY = 310;
constexpr int kBildY = 326;
constexpr int kScrollY = 386;
constexpr int kTagY = 408;
constexpr int kKnopfY = 436;
constexpr int kBreite = 800;
constexpr int kHoehe = 472;
// The widths the controls below the drawing have at least, and the gap between them.
constexpr int kJahrBreite = 110;
constexpr int kJahrlisteBreite = 80;
constexpr int kNeuBreite = 140;
constexpr int kStundenBreite = 260;
constexpr int kEndeBreite = 100;
constexpr int kKnopfHoehe = 26;
constexpr int kAbstand = 4;
constexpr int kJahre = 30;

template <typename W>
W* platziere(W* w, const QString& name, int x, int y, int breite, int hoehe) {
  w->setObjectName(name);
  w->setGeometry(x, y, breite, hoehe);
  return w;
}

QLabel* kleinesLabel(QWidget* parent, const QString& name, int pixel) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  QFont f = l->font();
  f.setPixelSize(pixel);
  l->setFont(f);
  return l;
}

}  // namespace

FrmGrafik::FrmGrafik(int ersterKanal, QWidget* parent) : QWidget(parent), sim_(ersterKanal) {
  setObjectName(QStringLiteral("FrmGrafik"));
  setFixedSize(kBreite, kHoehe);
  buildControls();
  Form_Load();
}

FrmGrafik::~FrmGrafik() = default;

void FrmGrafik::buildControls() {
  for (int i = 0; i < kFarben; ++i) {
    lblColorP_[i] = platziere(new Legendenfeld(Legendentext(i), this), QStringLiteral("lblColorP%1").arg(i),
                              kStreifenX + i * 57, 4, 53, 18);
    lblColorP_[i]->geklickt = [this, i] { lblColorP_Click(i); };
  }
  for (int i = 0; i < 16; ++i) {
    LblKan_[i] = kleinesLabel(this, QStringLiteral("LblKan%1").arg(i), 9);
    LblKan_[i]->resize(22, kZeilenabstand);
  }
  for (int i = 0; i < 12; ++i) {
    Lblmonat_[i] = kleinesLabel(this, QStringLiteral("Lblmonat%1").arg(i), 11);
    Lblmonat_[i]->resize(120, 13);
  }

  lblSimulationsjahr_ = platziere(new QLabel(this), QStringLiteral("lblSimulationsjahr"), kStreifenX, kJahrY, kJahrBreite, 22);
  cboSimulationsjahr_ = platziere(new QComboBox(this), QStringLiteral("cboSimulationsjahr"), kStreifenX + kJahrBreite + kAbstand,
                                  kJahrY, kJahrlisteBreite, 22);

  for (int k = 0; k < 12; ++k)
    lblstarttime_[k] = platziere(new QLabel(this), QStringLiteral("lblstarttime%1").arg(k), kBildX + k * 60, kStundenY, 50, 14);
  picSzGrafik_ = new Tagesgrafik(this);
  picSzGrafik_->move(kBildX, kBildY);
  picSzGrafik_->ablesen = [this](int x) {
    lbltag_->setText(sim_.Ablesung(x + Startminute(HScroll1_->value())));
  };
  picSzGrafik_->losgelassen = [this] { lbltag_->setText(sim_.Ruhezeile()); };
  const char* pegel[2] = {"I", "0"};
  for (int i = 0; i < 2; ++i) {
    LblOn_[i] = platziere(new QLabel(QString::fromLatin1(pegel[i]), this), QStringLiteral("LblOn%1").arg(i), kBildX - 14,
                          kBildY + (i == 0 ? kPegelEin : kPegelAus) - 8, 12, 16);
  }

  HScroll1_ = platziere(new QScrollBar(Qt::Horizontal, this), QStringLiteral("HScroll1"), kBildX, kScrollY,
                        kTagesbildBreite, 17);
  HScroll1_->setRange(0, kScrollMax);
  HScroll1_->setSingleStep(4);
  HScroll1_->setPageStep(12);
  HScroll1_->setValue(1);
  HScroll1_->setFocusPolicy(Qt::StrongFocus);
  HScroll1_->setInvertedControls(false);  // the right arrow key moves on in the day
  // A dragged thumb counts where it is let go, so holding it at an end steps one day only.
  HScroll1_->setTracking(false);
  connect(HScroll1_, &QScrollBar::valueChanged, this, &FrmGrafik::HScroll1_Change);

  lbltag_ = platziere(new QLabel(this), QStringLiteral("lbltag"), kBildX, kTagY, kTagesbildBreite, 20);
  // Placed by their captions once these are set (ordneNachTexten).
  cmd_redraw_ = platziere(new QPushButton(this), QStringLiteral("cmd_redraw"), kBildX, kKnopfY, kNeuBreite, kKnopfHoehe);
  cmdBetriebsstunden_ = platziere(new QPushButton(this), QStringLiteral("cmdBetriebsstunden"), 0, kKnopfY, kStundenBreite, kKnopfHoehe);
  cmd_grafik_end_ = platziere(new QPushButton(this), QStringLiteral("cmd_grafik_end"), 0, kKnopfY, kEndeBreite, kKnopfHoehe);
  connect(cmd_redraw_, &QPushButton::clicked, this, &FrmGrafik::cmd_redraw_Click);
  connect(cmdBetriebsstunden_, &QPushButton::clicked, this, &FrmGrafik::cmdBetriebsstunden_Click);
  connect(cmd_grafik_end_, &QPushButton::clicked, this, &FrmGrafik::cmd_grafik_end_Click);

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName(QStringLiteral("Timer1"));
  Timer1_->setSingleShot(true);
  Timer1_->setInterval(300);
  connect(Timer1_, &QTimer::timeout, this, &FrmGrafik::Timer1_Timer);
}

void FrmGrafik::Form_Load() {
  const Texts& t = texts();
  for (int i = 0; i < kFarben; ++i) lblColorP_[i]->setzeFarbe(sim_.Farbe[i]);
  for (int i = 0; i < 12; ++i) Lblmonat_[i]->setText(Monatsname(i + 1));
  cmd_redraw_->setText(t.S_NeuZeic);
  cmd_grafik_end_->setText(t.S_Beenden);
  lblSimulationsjahr_->setText(t.S_Simulationsjah);
  setWindowTitle(t.S_Programmsimula);
  cmdBetriebsstunden_->setText(t.S_JahrBere);
  const int jahr = env().now().date().year();
  for (int i = 0; i < kJahre; ++i) cboSimulationsjahr_->addItem(QString::number(jahr + i));
  cboSimulationsjahr_->setCurrentIndex(0);
  connect(cboSimulationsjahr_, &QComboBox::currentIndexChanged, this, &FrmGrafik::cboSimulationsjahr_Click);
  ordneNachTexten();
  cboSimulationsjahr_Click();
}

// The year list and the buttons keep their places below the drawing, each as wide as its caption
// needs in the language and font shown ("Année de simulation", "Calculer les heures de
// fonctionnement annuelles"), and never narrower than the layout gives it; the window widens only
// when the buttons need more than the day picture's width.
void FrmGrafik::ordneNachTexten() {
  auto breite = [](const QWidget* w, int mindestens) { return std::max(mindestens, w->sizeHint().width()); };
  lblSimulationsjahr_->resize(breite(lblSimulationsjahr_, kJahrBreite), lblSimulationsjahr_->height());
  cboSimulationsjahr_->setGeometry(lblSimulationsjahr_->geometry().right() + 1 + kAbstand, kJahrY,
                                   breite(cboSimulationsjahr_, kJahrlisteBreite), cboSimulationsjahr_->height());
  int hoehe = kKnopfHoehe;
  for (const QPushButton* b : {cmd_redraw_, cmdBetriebsstunden_, cmd_grafik_end_}) hoehe = std::max(hoehe, b->sizeHint().height());
  cmd_redraw_->setGeometry(kBildX, kKnopfY, breite(cmd_redraw_, kNeuBreite), hoehe);
  cmdBetriebsstunden_->setGeometry(cmd_redraw_->geometry().right() + 1 + 2 * kAbstand, kKnopfY,
                                   breite(cmdBetriebsstunden_, kStundenBreite), hoehe);
  const int ende = breite(cmd_grafik_end_, kEndeBreite);
  const int x = std::max(kBildX + kTagesbildBreite - ende, cmdBetriebsstunden_->geometry().right() + 1 + 2 * kAbstand);
  cmd_grafik_end_->setGeometry(x, kKnopfY, ende, hoehe);
  setFixedSize(std::max(kBreite, x + ende + kBildX), kHoehe + hoehe - kKnopfHoehe);
}

void FrmGrafik::Form_Activate() { Timer1_->start(); }

void FrmGrafik::Timer1_Timer() {
  Timer1_->stop();
  sim_.Erste_Zeichnung();
  zeigeTag();
}

void FrmGrafik::cboSimulationsjahr_Click() {
  sim_.Jahr_waehlen(cboSimulationsjahr_->currentText().toInt());
  zeigeTag();
}

// The strip and the first twelve hours of the day shown, with its caption.
void FrmGrafik::zeigeTag() {
  male_PZGrafik();
  {
    const QSignalBlocker still(HScroll1_);
    HScroll1_->setValue(1);
  }
  displtimebar();
  male_SZGrafik();
  setzeTageszeile();
}

void FrmGrafik::cmd_redraw_Click() {
  male_PZGrafik();
  male_SZGrafik();
  setzeTageszeile();
}

void FrmGrafik::cmdBetriebsstunden_Click() { lbltag_->setText(sim_.Betriebsstunden()); }

void FrmGrafik::cmd_grafik_end_Click() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->close();
  else close();
}

void FrmGrafik::HScroll1_Change(int value) {
  if (value == 0) {
    if (!sim_.Vortag()) env().beep();
    HScroll1_->setValue(kScrollMax - 1);
  } else if (value == kScrollMax) {
    if (!sim_.Folgetag()) env().beep();
    HScroll1_->setValue(1);
  } else {
    displtimebar();
    male_SZGrafik();
  }
  setzeTageszeile();
}

void FrmGrafik::lblColorP_Click(int index) {
  const QColor c = env().chooseColor(QColor::fromRgb(sim_.Farbe[index]));
  if (!c.isValid()) return;  // cancelled: the entry keeps its colour
  sim_.Farbe[index] = c.rgb();
  lblColorP_[index]->setzeFarbe(c.rgb());
  male_PZGrafik();
}

void FrmGrafik::male_PZGrafik() {
  streifen_ = sim_.Streifen();
  for (int i = 0; i < 16; ++i) {
    const Beschriftung& b = streifen_.kanaele[i];
    LblKan_[i]->setText(b.text);
    LblKan_[i]->move(b.pos);
    LblKan_[i]->setVisible(b.sichtbar);
  }
  for (int i = 0; i < 12; ++i) Lblmonat_[i]->move(streifen_.monate[i].pos);
  update();
}

void FrmGrafik::male_SZGrafik() { picSzGrafik_->zeige(sim_.Tagbild(Startminute(HScroll1_->value()))); }

void FrmGrafik::displtimebar() {
  const auto texte = Stundenbeschriftung(HScroll1_->value());
  for (int k = 0; k < 12; ++k) lblstarttime_[k]->setText(texte[k]);
}

void FrmGrafik::setzeTageszeile() {
  if (const auto text = sim_.Tageszeile()) lbltag_->setText(*text);
}

void FrmGrafik::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Zeichne(p, streifen_.schritte, palette().color(QPalette::WindowText), palette().color(QPalette::Window));
}

void FrmGrafik::mousePressEvent(QMouseEvent* e) { e->accept(); }

std::optional<Treffer> FrmGrafik::streifentreffer(const QMouseEvent* e) const {
  const QPointF pos = e->position();
  return Treffer_im_Streifen(static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y())), sim_.SimJahr,
                             sim_.kanalzahl());
}

void FrmGrafik::mouseMoveEvent(QMouseEvent* e) {
  // Only a drag with the left button alone previews.
  if (e->buttons() != Qt::LeftButton) return;
  const auto treffer = streifentreffer(e);
  if (!treffer) return;
  if (const auto text = sim_.Vorschau(*treffer)) lbltag_->setText(*text);
}

void FrmGrafik::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const auto treffer = streifentreffer(e);
  if (!treffer) return;
  sim_.Waehle(*treffer);
  setzeTageszeile();
  // The new day at the hours shown.
  HScroll1_Change(HScroll1_->value());
}

QWidget* Zeige_FrmGrafik() {
  MDIForm1* rahmen = MDIForm1::instance();
  if (!rahmen) return nullptr;
  const QString name = QStringLiteral("FrmGrafik");
  if (QMdiSubWindow* offen = rahmen->kindfenster(name)) {
    rahmen->mdiArea()->setActiveSubWindow(offen);
    return offen;
  }
  auto* grafik = new FrmGrafik(viewState().firstChannelShown);
  QMdiSubWindow* sub = rahmen->addChild(grafik, tagGrafik());
  sub->setWindowTitle(grafik->windowTitle());
  sub->adjustSize();
  QObject::connect(rahmen->mdiArea(), &QMdiArea::subWindowActivated, grafik, [grafik, sub](QMdiSubWindow* w) {
    if (w == sub) grafik->Form_Activate();
  });
  // Another program opened or read while the simulation is shown: it draws that one at once.
  QObject::connect(&programEvents(), &ProgramEvents::replaced, grafik, &FrmGrafik::Timer1_Timer);
  grafik->Form_Activate();
  return sub;
}

}  // namespace qv
