#include "views/ui/MDIForm1.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/Hooks.h"
#include "model/Marke.h"
#include "views/Befehle.h"
#include "views/Kopfanzeige.h"
#include "views/Rahmenzustand.h"
#include "views/ui/Fensteraufrufe.h"
#include "views/ui/FrmHauptmenue.h"
#include "views/ui/Kopfwidgets.h"

namespace qv {
namespace {

// Cleared as soon as the frame's destructor starts: while its children go, the half-destroyed
// object is no frame any more.
MDIForm1* gRahmen = nullptr;

QToolButton* knopf(const QString& name, const QIcon& icon, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setIcon(icon);
  b->setIconSize(QSize(22, 22));
  b->setAutoRaise(false);
  return b;
}

}  // namespace

QString tagHauptmenue() { return QStringLiteral("Hauptmen\u00fc"); }
QString tagAstro() { return QStringLiteral("Astro"); }
QString tagGrafik() { return QStringLiteral("Grafik"); }

MDIForm1::MDIForm1() {
  setObjectName(QStringLiteral("MDIForm1"));
  setAttribute(Qt::WA_DeleteOnClose);
  gRahmen = this;
  resetFrameState();
  setWindowTitle(brand().S_Titel);

  auto* zentral = new QWidget(this);
  auto* spalte = new QVBoxLayout(zentral);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->setSpacing(0);
  baueKopfpanel();
  spalte->addWidget(Picture1_);
  mdi_ = new QMdiArea(zentral);
  mdi_->setObjectName(QStringLiteral("mdiArea"));
  // A child window opens at its own size; the maximized main window stays as it is.
  mdi_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
  spalte->addWidget(mdi_, 1);
  setCentralWidget(zentral);
  // The filter switch, save and print act for the main window, as its menu does: only while it
  // is the active child.
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
    if (!w) return;
    const bool haupt = w->property("Tag").toString() == tagHauptmenue();
    for (QWidget* k : {static_cast<QWidget*>(picfilter_), static_cast<QWidget*>(AniButton2_),
                       static_cast<QWidget*>(AniButton3_)})
      k->setEnabled(haupt);
  });
  resize(1000, 720);

  installHooks();

  // Boxes, labels and paging images by the channel count; then the main window.
  Zeige_Kanalfelder(true);
  const bool blaettern = Blaettern_sichtbar();
  Image1_[0]->setVisible(blaettern);
  Image1_[1]->setVisible(blaettern);
  haupt_ = new FrmHauptmenue(this);
}

MDIForm1::~MDIForm1() {
  // A frame opened after this one owns the hooks by now.
  if (gRahmen != this) return;
  gRahmen = nullptr;
  WindowHooks& h = hooks();
  h.Fuelle_Grid = nullptr;
  h.Zeige_Kopfdaten = nullptr;
  h.Zeige_Speicherbelegung = nullptr;
  h.setSaveCommandEnabled = nullptr;
  h.setFilterSwitchAndButtonsVisible = nullptr;
  h.showFilterImages = nullptr;
}

MDIForm1* MDIForm1::instance() { return gRahmen; }

void MDIForm1::installHooks() {
  WindowHooks& h = hooks();
  h.Zeige_Kopfdaten = [this](int m) { Zeige_Kopfdaten(m); };
  h.Zeige_Speicherbelegung = [this](int slot) { Zeige_Speicherbelegung(slot); };
  h.setFilterSwitchAndButtonsVisible = [this](bool visible) { setPanelButtonsVisible(visible); };
  h.showFilterImages = [this](bool on) { picfilter_->zeige(on); };
  // The main window sets Fuelle_Grid and setSaveCommandEnabled.
}

void MDIForm1::baueKopfpanel() {
  Picture1_ = new QFrame(this);
  Picture1_->setObjectName(QStringLiteral("Picture1"));
  static_cast<QFrame*>(Picture1_)->setFrameShape(QFrame::StyledPanel);
  auto* g = new QGridLayout(Picture1_);
  g->setContentsMargins(6, 4, 6, 4);
  g->setHorizontalSpacing(6);
  g->setVerticalSpacing(3);

  auto label = [this](const QString& name) {
    auto* l = new QLabel(Picture1_);
    l->setObjectName(name);
    return l;
  };

  // Each label stands a little apart from its box; the groups further apart.
  constexpr int kAbstand = 6;
  constexpr int kGruppe = 18;
  auto zeile = [] {
    auto* z = new QHBoxLayout;
    z->setSpacing(kAbstand);
    return z;
  };
  auto zeichenBreite = [this](int n) { return Picture1_->fontMetrics().averageCharWidth() * n; };

  // First line: usage text and program number; the usage box takes the room there is.
  lblProgrammnummer_ = label(QStringLiteral("lblProgrammnummer"));
  txtProgrammnummer_ = new KopfFeld(QStringLiteral("txtProgrammnummer"), 6, Picture1_);
  txtProgrammnummer_->setFixedWidth(txtProgrammnummer_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 14);
  txtProgrammnummer_->erlaubt = Zeichen_erlaubt_Nummer;
  txtProgrammnummer_->verlassen = [this] {
    txtProgrammnummer_->setText(Pruefe_Programmnummer(txtProgrammnummer_->text(), kopfSlot_));
  };
  lblStandort_ = label(QStringLiteral("lblStandort"));
  Txtverwendung_ = new KopfFeld(QStringLiteral("Txtverwendung"), 60, Picture1_);
  Txtverwendung_->setMinimumWidth(zeichenBreite(16));
  Txtverwendung_->erlaubt = Zeichen_erlaubt_Text;
  Txtverwendung_->verlassen = [this] { Speichere_Verwendung(Txtverwendung_->text(), kopfSlot_); };
  lbl_uhrentyp_ = label(QStringLiteral("lbl_uhrentyp"));
  lblspeicherzeit_ = label(QStringLiteral("lblspeicherzeit"));

  auto* zeile1 = zeile();
  zeile1->addWidget(lblStandort_);
  zeile1->addWidget(Txtverwendung_, 1);
  zeile1->addSpacing(kGruppe);
  zeile1->addWidget(lblProgrammnummer_);
  zeile1->addWidget(txtProgrammnummer_);
  g->addLayout(zeile1, 0, 0);

  // Second line: clock type and the time of saving.
  auto* zeile2 = zeile();
  zeile2->addWidget(lbl_uhrentyp_);
  zeile2->addSpacing(kGruppe);
  zeile2->addWidget(lblspeicherzeit_);
  zeile2->addStretch(1);
  g->addLayout(zeile2, 1, 0);

  // Third line: channel paging and the four channel boxes.
  auto* zeile3 = zeile();
  Image1_[0] = new QToolButton(Picture1_);
  Image1_[0]->setObjectName(QStringLiteral("Image1_0"));
  Image1_[0]->setArrowType(Qt::LeftArrow);
  Image1_[1] = new QToolButton(Picture1_);
  Image1_[1]->setObjectName(QStringLiteral("Image1_1"));
  Image1_[1]->setArrowType(Qt::RightArrow);
  connect(Image1_[0], &QToolButton::clicked, this, [this] { Image1_Click(0); });
  connect(Image1_[1], &QToolButton::clicked, this, [this] { Image1_Click(1); });
  zeile3->addWidget(Image1_[0]);
  for (int i = 0; i < 4; ++i) {
    lblCnam_[i] = label(QStringLiteral("lblCnam%1").arg(i));
    txtkannam_[i] = new KopfFeld(QStringLiteral("txtkannam%1").arg(i), 20, Picture1_);
    txtkannam_[i]->setMinimumWidth(zeichenBreite(8));
    txtkannam_[i]->erlaubt = Zeichen_erlaubt_Kanalname;
    txtkannam_[i]->verlassen = [this, i] { txtkannam_LostFocus(i); };
    if (i > 0) zeile3->addSpacing(kGruppe - kAbstand);
    zeile3->addWidget(lblCnam_[i]);
    zeile3->addWidget(txtkannam_[i], 1);
  }
  zeile3->addWidget(Image1_[1]);
  g->addLayout(zeile3, 2, 0);

  // Right: gauge, filter switch, write protection, save and print.
  picanzSz_ = new QWidget(Picture1_);
  picanzSz_->setObjectName(QStringLiteral("picanzSz"));
  auto* anz = new QVBoxLayout(picanzSz_);
  anz->setContentsMargins(0, 0, 0, 0);
  anz->setSpacing(1);
  ggeanzSz_ = new Speicheranzeige(picanzSz_);
  ggeanzSz_->setObjectName(QStringLiteral("ggeanzSz"));
  ggeanzSz_->setFixedSize(120, 14);
  lblanzSz_ = new QLabel(picanzSz_);
  lblanzSz_->setObjectName(QStringLiteral("lblanzSz"));
  lblanzSz_->setAlignment(Qt::AlignCenter);
  anz->addWidget(ggeanzSz_);
  anz->addWidget(lblanzSz_);
  connect(ggeanzSz_, &Speicheranzeige::clicked, this, &MDIForm1::ggeanzSz_Click);

  picfilter_ = new Filterschalter(Picture1_);
  connect(picfilter_, &Filterschalter::clicked, this, &MDIForm1::picfilter_Click);
  connect(picfilter_, &Filterschalter::doubleClicked, this, [this] {
    if (haupt_) haupt_->mnuBaFilt_Click();
  });

  AniSchreibschutz_ = knopf(QStringLiteral("AniSchreibschutz"), Schlosssymbol(), Picture1_);
  AniSchreibschutz_->setCheckable(true);
  connect(AniSchreibschutz_, &QToolButton::clicked, this,
          [this](bool an) { Speichere_Schreibschutz(an ? 2 : 1); });
  AniButton3_ = knopf(QStringLiteral("AniButton3"), Speichersymbol(), Picture1_);
  connect(AniButton3_, &QToolButton::clicked, this, &MDIForm1::anibutton3_click);
  AniButton2_ = knopf(QStringLiteral("AniButton2"), Druckersymbol(), Picture1_);
  connect(AniButton2_, &QToolButton::clicked, this, [] {
    if (fensteraufrufe().Drucke_Ansicht) fensteraufrufe().Drucke_Ansicht();
  });

  auto* rechts = new QHBoxLayout;
  rechts->addWidget(picanzSz_);
  rechts->addWidget(picfilter_);
  rechts->addWidget(AniSchreibschutz_);
  rechts->addWidget(AniButton3_);
  rechts->addWidget(AniButton2_);
  rechts->setSpacing(kAbstand);
  g->addLayout(rechts, 0, 1, 3, 1);
  g->setColumnStretch(0, 1);
}

QString MDIForm1::activeTag() const {
  const QMdiSubWindow* w = mdi_ ? mdi_->currentSubWindow() : nullptr;
  return w ? w->property("Tag").toString() : QString();
}

QMdiSubWindow* MDIForm1::addChild(QWidget* w, const QString& tag) {
  QMdiSubWindow* sub = mdi_->addSubWindow(w);
  sub->setObjectName(w->objectName());
  sub->setProperty("Tag", tag);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  removeWindowMenuShortcuts(sub);
  w->show();
  mdi_->setActiveSubWindow(sub);
  return sub;
}

void removeWindowMenuShortcuts(QMdiSubWindow* sub) {
  if (QMenu* sys = sub->systemMenu())
    for (QAction* a : sys->actions()) a->setShortcut(QKeySequence());
}

QMdiSubWindow* MDIForm1::kindfenster(const QString& name) const {
  for (QMdiSubWindow* w : mdi_->subWindowList())
    if (w->objectName() == name) return w;
  return nullptr;
}

}  // namespace qv
