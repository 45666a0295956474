#pragma once
// The application frame: the header panel along the top (program number, usage text, clock
// type, save line, channel names with paging, memory gauge, filter switch, write protection,
// save and print buttons) over the area of the child windows, the main window among them.
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QToolButton;

namespace qv {

class FrmHauptmenue;
class KopfFeld;
class Speicheranzeige;
class Filterschalter;

// The tag of the main window, and of the astro and simulation windows.
QString tagHauptmenue();
QString tagAstro();
QString tagGrafik();

// Takes the window menu's own shortcuts from a child (Ctrl+W closes on some desktops): they would
// close it and lose what is typed in it; the keys belong to the main window's edit menu.
void removeWindowMenuShortcuts(QMdiSubWindow* sub);

class MDIForm1 : public QMainWindow {
  Q_OBJECT
 public:
  MDIForm1();
  ~MDIForm1() override;
  // The frame while it is open, else nullptr.
  static MDIForm1* instance();

  QMdiArea* mdiArea() const { return mdi_; }
  FrmHauptmenue* hauptmenue() const { return haupt_; }
  // The tag of the active child window ("" when there is none).
  QString activeTag() const;
  // Adds a child window with its tag and shows it.
  QMdiSubWindow* addChild(QWidget* w, const QString& tag);
  // The child window with this object name, if open.
  QMdiSubWindow* kindfenster(const QString& name) const;

  // The header panel. A box holding typed text takes it over by its leave rule before it is
  // filled again (a click on the filter switch or a frame button moves no focus). Every box then
  // shows slot m, and what is typed into one goes into that slot.
  void Zeige_Kopfdaten(int m);
  void Zeige_Speicherbelegung(int slot);
  // Filter images and colour as FilterAn says.
  void Zeige_Filterstatus();
  // picfilter, the print and the save button.
  void setPanelButtonsVisible(bool visible);
  // Captions and names of the four channel boxes for the channels shown, of the slot the panel
  // shows; with alle also shows every box the channel count allows.
  void Zeige_Kanalfelder(bool alle);
  // Hides labels and boxes 1..3 (astro channel only).
  void Verberge_Kanalfelder_1_3();
  // Takes over what is typed in the header boxes, as when they lose the focus.
  void Uebernimm_Kopffelder();
  // Whether the write-protect button shows.
  void setSchreibschutzSichtbar(bool sichtbar);

  // Channel paging, index 0 back and 1 forward.
  void Image1_Click(int index);
  // The filter switch.
  void picfilter_Click();
  // The usage box.
  void ggeanzSz_Click();
  // The save button.
  void anibutton3_click();

  // Closes the frame without the save question (the main window's New has asked).
  void schliesseFuerNeu();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void baueKopfpanel();
  void installHooks();
  void txtkannam_LostFocus(int i);

  QMdiArea* mdi_ = nullptr;
  FrmHauptmenue* haupt_ = nullptr;
  bool ohneFrage_ = false;
  int kopfSlot_ = 0;

  QWidget* Picture1_ = nullptr;
  KopfFeld* txtProgrammnummer_ = nullptr;
  QLabel* lblProgrammnummer_ = nullptr;
  KopfFeld* txtkannam_[4]{};
  QLabel* lblCnam_[4]{};
  KopfFeld* Txtverwendung_ = nullptr;
  QLabel* lblStandort_ = nullptr;
  QLabel* lbl_uhrentyp_ = nullptr;
  QLabel* lblspeicherzeit_ = nullptr;
  QWidget* picanzSz_ = nullptr;
  Speicheranzeige* ggeanzSz_ = nullptr;
  QLabel* lblanzSz_ = nullptr;
  Filterschalter* picfilter_ = nullptr;
  QToolButton* AniSchreibschutz_ = nullptr;
  QToolButton* AniButton3_ = nullptr;
  QToolButton* AniButton2_ = nullptr;
  QToolButton* Image1_[2]{};
};

}  // namespace qv
