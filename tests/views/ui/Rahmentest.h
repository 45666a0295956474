#pragma once
// The frame with its main window as the start-up window's OK leaves them: brand 1, German texts,
// the clock type of a brand slot, an empty program, a temporary start directory and a scripted
// user. Shared by the frame and main-window tests.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <memory>

#include "entry/ui/FrmAutoEinst.h"
#include "entry/ui/FrmEingPZ.h"
#include "entry/ui/FrmEingSz.h"
#include "model/Ansicht.h"
#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "shell/Uhrenprofil.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"
#include "views/Filter.h"
#include "views/Rahmenzustand.h"
#include "views/ui/Fensteraufrufe.h"
#include "views/ui/FrmHauptmenue.h"
#include "views/ui/GrdDisplSz.h"
#include "views/ui/MDIForm1.h"
#include "views/ui/Rahmen.h"

namespace qv::test {

struct Rahmentest {
  std::unique_ptr<StartDir> dir = std::make_unique<StartDir>();
  std::unique_ptr<ScriptedEnvironment> env = std::make_unique<ScriptedEnvironment>();
  QPointer<MDIForm1> rahmen;

  // slot: brand slot of the clock type (4: 240 with 4 channels, 19: with program number,
  // 15: 280 with 16 channels, 20: 309, 2: two channels).
  explicit Rahmentest(int slot) {
    resetAllState();
    resetViewState();
    resetFrameState();
    fensteraufrufe() = Fensteraufrufe{};
    fensteraufrufe().frmEingSz = &Oeffne_EingSz;
    fensteraufrufe().frmEingPZ = &Oeffne_EingPZ;
    fensteraufrufe().frmAutoEinst = &Oeffne_AutoEinst;
    Setze_Markentexte(1);
    Setze_TexteDeutsch();
    settings().Sprache = 1;
    applyClockProfile(brand().S_Typ[slot]);
    profile().UhrentypText = brand().S_Typ[slot];
    Filter_Startwerte();
    program().Dateiname[0] = texts().S_SzTab + QStringLiteral("1.qvl");
    // The cell dialog answers are scripted per test; by default it counts as cancelled.
    hooks().Zellendialog = [] { viewState().GridDlgVerschiebung = -1; viewState().KeinRefresh = true; };
    Oeffne_Rahmen();
    rahmen = MDIForm1::instance();
    if (rahmen) {
      if (!QTest::qWaitForWindowExposed(rahmen)) qWarning("frame not exposed");
      QCoreApplication::processEvents();
    }
  }
  ~Rahmentest() {
    // Every window of the test goes, without the save question.
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w != rahmen && w->isVisible() && !qobject_cast<QMenu*>(w)) w->close();
    if (rahmen) {
      rahmen->schliesseFuerNeu();
      delete rahmen;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    hooks().Zellendialog = nullptr;
    fensteraufrufe() = Fensteraufrufe{};
  }

  FrmHauptmenue* haupt() const { return rahmen->hauptmenue(); }
  GrdDisplSz* grid() const { return haupt()->grid(); }
  QAction* action(const char* name) const { return haupt()->action(QString::fromUtf8(name)); }
  QMenu* menue(const char* name) const { return rahmen->menuBar()->findChild<QMenu*>(QString::fromLatin1(name)); }
  template <typename T>
  T* w(const char* name) const {
    T* c = rahmen->findChild<T*>(QString::fromUtf8(name));
    if (!c) qWarning("no control %s", name);
    return c;
  }
  // Opens a menu as the user would: its state is brought up to date first.
  void oeffneMenue(const char* name) const { emit menue(name)->aboutToShow(); }
  QString letzteMeldung() const { return env->messages.empty() ? QString() : env->messages.back().text; }
  // A cell of the grid on screen (grid rows from 1).
  QPoint zelle(int r, int c) const {
    return grid()->visualRect(grid()->model()->index(r - 1, c)).center();
  }
};

}  // namespace qv::test
