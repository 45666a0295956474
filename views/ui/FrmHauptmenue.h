#pragma once
// The main window: the frame's child that shows one list of the program in its grid and carries
// the whole menu bar (file, edit, views, settings, help) on the frame.
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "views/Menuezustand.h"

class QAction;
class QMenu;
class QMdiSubWindow;

namespace qv {

class GrdDisplSz;
struct Fensteraufrufe;
class MDIForm1;

class FrmHauptmenue : public QWidget {
  Q_OBJECT
 public:
  explicit FrmHauptmenue(MDIForm1* rahmen);
  ~FrmHauptmenue() override;

  GrdDisplSz* grid() const { return grid_; }
  QMdiSubWindow* subWindow() const { return sub_; }
  QAction* action(const QString& name) const { return actions_.value(name); }

  // Refills the grid for the view shown from the slot, when this window is the active child;
  // else only the header panel, and the grid at the next activation.
  void Fuelle_Grid(int slot);
  // The window became the active child again.
  void Form_Activate();
  // Puts every item's state as the program, the view and the selection allow; while another child
  // window is active, every item is off.
  void aktualisiereMenues();

  // Commands, also reached by the grid and by other windows.
  void mnuBaSz_Click();
  void mnuBaPz_Click();
  void mnuBaSw_Click();
  void mnuBaAend_Click();
  void mnuBaKop_Click();
  void mnuBaLoe_Click();
  // The filter dialog, also from the frame's filter switch; its closing activates this window.
  void mnuBaFilt_Click();
  // Shows the bus access window; no menu command is bound to it.
  void mnuBusAccess_Click();

 private:
  void baueMenues();
  QAction* neu(QMenu* menu, const QString& name, const QString& text, void (FrmHauptmenue::*slot)(),
               const QKeySequence& kurz = {});
  void trenner(QMenu* menu, const QString& name);
  // The check marks and visibility always; an item is enabled only while aktiv.
  void wendeAn(const MenuState& m, bool aktiv);
  void verbindeGrid();
  // Opens a window of the list; its going away activates this window again.
  void oeffne(std::function<QWidget*()> Fensteraufrufe::*fenster);

  // File
  void mnuDatneu_Click();
  void mnuDatOeff_Click();
  void mnudatspei_click();
  void mnudatspu_click();
  void mnuDatVorl_Click();
  void mnuDatVorlSchl_Click();
  void mnuDatDruck_Click();
  void mnuDatExp_Click();
  void mnuDatImp_Click();
  void mnuIRAccess_Click();
  void mnuDatBend_Click();
  // Edit
  void mnuBaAstro_Click();
  // Views
  void mnuANSSz_click();
  void mnuAnsPz_Click();
  void mnuAnsSw_Click();
  void mnuAnsAsz_Click();
  void mnuAnsSzVorl_click();
  void mnuAnsPzVorl_Click();
  void mnuAnsSWVorl_Click();
  void mnuAnsGrafik_Click();
  // Settings and help
  void mnuEinstAuto_Click();
  void mnu_Einst_Ft_Click();
  void mnuEinstGeraet_Click();
  void mnuMaster_Click();
  void mnuhelpQuorvel_Click();
  void mnuinfo_Click();

  // Grid events
  void GrdDisplSz_MouseDown(Qt::MouseButton b);
  void GrdDisplSz_MouseMove();
  void GrdDisplSz_MouseUp(Qt::MouseButton b, int spalte);
  void GrdDisplSz_DblClick();

  MDIForm1* rahmen_;
  QMdiSubWindow* sub_ = nullptr;
  GrdDisplSz* grid_ = nullptr;
  QHash<QString, QAction*> actions_;
  QList<QMenu*> menues_;
  QPointer<QMdiSubWindow> zuletztAktiv_;
  MenuState zustand_;
  bool gridVeraltet_ = false;  // a refill was asked for while another child was active
};

}  // namespace qv
