#include "views/ui/FrmHauptmenue.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Gridereignisse.h"
#include "views/Gridinhalt.h"
#include "views/Kopfanzeige.h"
#include "views/ui/GrdDisplSz.h"
#include "views/ui/MDIForm1.h"

namespace qv {
namespace {

// The main window's frame inside the MDI area: closing it closes the program's frame, which asks
// the save question once.
class HauptSubfenster : public QMdiSubWindow {
 public:
  explicit HauptSubfenster(MDIForm1* rahmen) : rahmen_(rahmen) {}

 protected:
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    QTimer::singleShot(0, rahmen_, [r = rahmen_] {
      if (r) r->close();
    });
  }

 private:
  QPointer<MDIForm1> rahmen_;
};

}  // namespace

FrmHauptmenue::FrmHauptmenue(MDIForm1* rahmen) : QWidget(nullptr), rahmen_(rahmen) {
  setObjectName(QStringLiteral("frmHauptmenue"));
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  grid_ = new GrdDisplSz(this);
  l->addWidget(grid_);
  verbindeGrid();

  // Form_Load: the captions, the switching-times item checked, the write-protect button.
  baueMenues();
  rahmen_->setSchreibschutzSichtbar(Schreibschutz_sichtbar());

  hooks().Fuelle_Grid = [this](int slot) { Fuelle_Grid(slot); };
  hooks().setSaveCommandEnabled = [this](bool an) {
    // The item stays off while another child window is active.
    if (QAction* a = action(QStringLiteral("mnuDatSpei"))) a->setEnabled(an && rahmen_->activeTag() == tagHauptmenue());
  };

  auto* sub = new HauptSubfenster(rahmen_);
  sub->setWidget(this);
  sub->setObjectName(objectName());
  sub->setProperty("Tag", tagHauptmenue());
  removeWindowMenuShortcuts(sub);
  sub_ = sub;

  // Activation: when this window becomes the active child again, not when the frame merely
  // gets the focus back from a message box.
  connect(rahmen_->mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
    if (!w || w == zuletztAktiv_) return;
    zuletztAktiv_ = w;
    if (w == sub_) Form_Activate();
    else aktualisiereMenues();
  });
  rahmen_->mdiArea()->addSubWindow(sub_);
  sub_->showMaximized();
}

FrmHauptmenue::~FrmHauptmenue() {
  // A frame opened after this window's own owns the hooks by now.
  if (const MDIForm1* r = MDIForm1::instance(); r && r != rahmen_) return;
  hooks().Fuelle_Grid = nullptr;
  hooks().setSaveCommandEnabled = nullptr;
}

void FrmHauptmenue::verbindeGrid() {
  grid_->MouseDown = [this](Qt::MouseButton b) { GrdDisplSz_MouseDown(b); };
  grid_->MouseMove = [this] { GrdDisplSz_MouseMove(); };
  grid_->MouseUp = [this](Qt::MouseButton b, int spalte) { GrdDisplSz_MouseUp(b, spalte); };
  grid_->DblClick = [this] { GrdDisplSz_DblClick(); };
  // The sort and the refill happen in the logic.
  grid_->HeaderClick = [](int c) { Spaltenkopf_geklickt(c); };
  connect(grid_, &QTableWidget::itemSelectionChanged, this, &FrmHauptmenue::aktualisiereMenues);
}

QAction* FrmHauptmenue::neu(QMenu* menu, const QString& name, const QString& text, void (FrmHauptmenue::*slot)(),
                            const QKeySequence& kurz) {
  auto* a = new QAction(text, menu);
  a->setObjectName(name);
  if (!kurz.isEmpty()) a->setShortcut(kurz);
  connect(a, &QAction::triggered, this, [this, slot] {
    (this->*slot)();
    aktualisiereMenues();
  });
  menu->addAction(a);
  actions_.insert(name, a);
  return a;
}

void FrmHauptmenue::trenner(QMenu* menu, const QString& name) {
  QAction* a = menu->addSeparator();
  a->setObjectName(name);
}

void FrmHauptmenue::baueMenues() {
  const Texts& t = texts();
  QMenuBar* leiste = rahmen_->menuBar();
  leiste->clear();
  menues_.clear();
  auto menue = [&](const QString& name, const QString& text) {
    QMenu* m = leiste->addMenu(text);
    m->setObjectName(name);
    menues_.append(m);
    return m;
  };

  QMenu* dat = menue(QStringLiteral("mnuDat"), t.S_mnuDatei);
  neu(dat, QStringLiteral("mnuDatneu"), t.S_mnuNeu, &FrmHauptmenue::mnuDatneu_Click);
  neu(dat, QStringLiteral("mnuDat\u00d6ff"), t.S_mnuOeffnen, &FrmHauptmenue::mnuDatOeff_Click);
  neu(dat, QStringLiteral("mnuDatSpei"), t.S_mnuSpeichern, &FrmHauptmenue::mnudatspei_click);
  neu(dat, QStringLiteral("mnuDatSpu"), t.S_mnuSpeiUnter, &FrmHauptmenue::mnudatspu_click);
  trenner(dat, QStringLiteral("mnudatl0"));
  neu(dat, QStringLiteral("mnuDatVorl"), t.S_mnuVorlOeffnen, &FrmHauptmenue::mnuDatVorl_Click);
  neu(dat, QStringLiteral("mnuDatVorlSchl"), t.S_mnuVorlSchliessen, &FrmHauptmenue::mnuDatVorlSchl_Click);
  trenner(dat, QStringLiteral("mnudatl1"));
  neu(dat, QStringLiteral("mnuDatDruck"), t.S_mnuDrucken, &FrmHauptmenue::mnuDatDruck_Click);
  neu(dat, QStringLiteral("mnuDatExp"), t.S_mnuChipProg, &FrmHauptmenue::mnuDatExp_Click);
  neu(dat, QStringLiteral("mnuDatImp"), t.S_mnuChipLesen, &FrmHauptmenue::mnuDatImp_Click);
  neu(dat, QStringLiteral("mnuIRAccess"), t.S_IRZugr + QStringLiteral("..."), &FrmHauptmenue::mnuIRAccess_Click);
  trenner(dat, QStringLiteral("mnudatl2"));
  neu(dat, QStringLiteral("mnuDatBend"), t.S_mnuBeenden, &FrmHauptmenue::mnuDatBend_Click);

  QMenu* ba = menue(QStringLiteral("mnuBa"), t.S_mnuBearbeiten);
  neu(ba, QStringLiteral("mnuBaSz"), t.S_mnuSzEing, &FrmHauptmenue::mnuBaSz_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
  neu(ba, QStringLiteral("mnuBaPz"), t.S_mnuPzEing, &FrmHauptmenue::mnuBaPz_Click, QKeySequence(Qt::CTRL | Qt::Key_P));
  neu(ba, QStringLiteral("mnuBaAstro"), t.S_mnuAstroDaten, &FrmHauptmenue::mnuBaAstro_Click,
      QKeySequence(Qt::CTRL | Qt::Key_A));
  neu(ba, QStringLiteral("mnuBaSw"), t.S_mnuSoWiEing, &FrmHauptmenue::mnuBaSw_Click, QKeySequence(Qt::CTRL | Qt::Key_W));
  trenner(ba, QStringLiteral("mnuBal1"));
  neu(ba, QStringLiteral("mnuBal\u00f6"), t.S_mnuLoeschen, &FrmHauptmenue::mnuBaLoe_Click, QKeySequence(Qt::Key_Delete));
  neu(ba, QStringLiteral("mnuBa\u00c4nd"), t.S_mnuAendern, &FrmHauptmenue::mnuBaAend_Click,
      QKeySequence(Qt::CTRL | Qt::Key_X));
  neu(ba, QStringLiteral("mnuBaKop"), t.S_mnuKopieren, &FrmHauptmenue::mnuBaKop_Click, QKeySequence(Qt::CTRL | Qt::Key_C));
  trenner(ba, QStringLiteral("mnuBal2"));
  neu(ba, QStringLiteral("mnuBaFilt"), t.S_mnuFiltern, &FrmHauptmenue::mnuBaFilt_Click, QKeySequence(Qt::CTRL | Qt::Key_F));

  QMenu* ans = menue(QStringLiteral("mnuAns"), t.S_mnuFenster);
  neu(ans, QStringLiteral("mnuAnsSZ"), t.S_mnuSchaltzeiten, &FrmHauptmenue::mnuANSSz_click);
  neu(ans, QStringLiteral("mnuAnsPz"), t.S_mnuPrioritaetszeiten, &FrmHauptmenue::mnuAnsPz_Click);
  neu(ans, QStringLiteral("mnuAnsSW"), t.S_mnuSoWiTabelle, &FrmHauptmenue::mnuAnsSw_Click);
  neu(ans, QStringLiteral("mnuAnsAsz"), t.S_Astrozeiten, &FrmHauptmenue::mnuAnsAsz_Click);
  trenner(ans, QStringLiteral("mnuAnsl1"));
  neu(ans, QStringLiteral("mnuAnsSZVorl"), t.S_mnuVorlSz, &FrmHauptmenue::mnuAnsSzVorl_click);
  neu(ans, QStringLiteral("mnuAnsPzVorl"), t.S_mnuVorlPz, &FrmHauptmenue::mnuAnsPzVorl_Click);
  neu(ans, QStringLiteral("mnuAnsSWVorl"), t.S_mnuVorlSoWi, &FrmHauptmenue::mnuAnsSWVorl_Click);
  trenner(ans, QStringLiteral("mnuansl2"));
  neu(ans, QStringLiteral("mnuAnsGrafik"), t.S_Programmsimula, &FrmHauptmenue::mnuAnsGrafik_Click);
  for (const char* n : {"mnuAnsSZ", "mnuAnsPz", "mnuAnsSW", "mnuAnsAsz", "mnuAnsSZVorl", "mnuAnsPzVorl", "mnuAnsSWVorl"})
    actions_.value(QString::fromLatin1(n))->setCheckable(true);

  QMenu* einst = menue(QStringLiteral("mnuEinst"), t.S_mnuEinstellungen);
  neu(einst, QStringLiteral("mnuEinstAuto"), t.S_mnuEingabeautomatik, &FrmHauptmenue::mnuEinstAuto_Click);
  neu(einst, QStringLiteral("mnu_Einst_Ft"), t.S_mnuFeiertage, &FrmHauptmenue::mnu_Einst_Ft_Click);
  neu(einst, QStringLiteral("mnuEinstGer\u00e4t"), t.S_mnuGeraeteeigensch, &FrmHauptmenue::mnuEinstGeraet_Click);
  neu(einst, QStringLiteral("mnuMaster"), QStringLiteral("Mastercard"), &FrmHauptmenue::mnuMaster_Click);

  QMenu* hilfe = menue(QStringLiteral("mnuhelp"), t.S_mnuHilfe);
  neu(hilfe, QStringLiteral("mnuhelpQuorvel"), t.S_mnuHilfeZu, &FrmHauptmenue::mnuhelpQuorvel_Click,
      QKeySequence::HelpContents);
  neu(hilfe, QStringLiteral("mnuInfo"), t.S_mnuInfo, &FrmHauptmenue::mnuinfo_Click);

  // Opening a menu first takes over what is typed in the header boxes.
  connect(dat, &QMenu::aboutToShow, this, [this] {
    rahmen_->Uebernimm_Kopffelder();
    aktualisiereMenues();
  });
  connect(ba, &QMenu::aboutToShow, this, [this] {
    rahmen_->Uebernimm_Kopffelder();
    aktualisiereMenues();
  });
  connect(ans, &QMenu::aboutToShow, this, &FrmHauptmenue::aktualisiereMenues);

  zustand_ = MenuState{};
  wendeAn(zustand_, true);
}

void FrmHauptmenue::wendeAn(const MenuState& m, bool aktiv) {
  for (const auto& [name, member] : menuItems()) {
    QAction* a = actions_.value(QString::fromUtf8(name));
    if (!a) continue;
    const ItemState& s = m.*member;
    a->setEnabled(aktiv && s.enabled);
    a->setVisible(s.visible);
    if (a->isCheckable()) a->setChecked(s.checked);
  }
}

void FrmHauptmenue::aktualisiereMenues() {
  zustand_ = Menuezustand(zustand_, grid_->auswahl());
  // The menu is this window's: while another child window is active its commands, and their
  // shortcuts, are off, so none acts on a grid or header panel that is not brought up to date.
  const bool aktiv = rahmen_->activeTag() == tagHauptmenue();
  for (QMenu* m : menues_) m->menuAction()->setEnabled(aktiv);
  for (QAction* a : actions_) a->setEnabled(aktiv);
  wendeAn(zustand_, aktiv);
}

void FrmHauptmenue::Fuelle_Grid(int slot) {
  BusyCursor busy;
  slot = slot == 1 ? 1 : 0;
  if (rahmen_->activeTag() != tagHauptmenue()) {
    // A window of its own may have loaded a program meanwhile. The grid waits for this window's
    // next activation; the header panel, whose boxes stay editable, shows the program now.
    rahmen_->Zeige_Speicherbelegung(slot);
    rahmen_->Zeige_Kopfdaten(slot);
    gridVeraltet_ = true;
    return;
  }
  gridVeraltet_ = false;
  rahmen_->Zeige_Speicherbelegung(slot);
  const GridInhalt g = Baue_Gridinhalt(slot);
  if (g.filled) {
    sub_->setWindowTitle(g.caption);
    grid_->fuelle(g);
  }
  rahmen_->Zeige_Kopfdaten(slot);
  rahmen_->Zeige_Filterstatus();
  aktualisiereMenues();
}

void FrmHauptmenue::Form_Activate() {
  rahmen_->setPanelButtonsVisible(true);
  ViewState& v = viewState();
  if (!v.KeinRefresh || gridVeraltet_) Fuelle_Grid(program().AktSpeicher);
  v.KeinRefresh = false;
  aktualisiereMenues();
}

}  // namespace qv
