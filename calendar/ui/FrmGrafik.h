#pragma once
// The program simulation window (FrmGrafik, tag "Grafik"): the year strip of the programs in
// force per day and channel with its colour legend, the day graphic of the channel and day
// chosen with its hour labels and time-window scroll bar, and the caption line with the day's
// operating hours. It only reads the program. Its objects carry the system's control names.
#include <QWidget>
#include <memory>

#include "calendar/Programmsimulation.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace qv {

class Legendenfeld;
class Tagesgrafik;

class FrmGrafik : public QWidget {
  Q_OBJECT

 public:
  // Loads the window for the channel group that starts at ersterKanal.
  explicit FrmGrafik(int ersterKanal, QWidget* parent = nullptr);
  ~FrmGrafik() override;

  const Programmsimulation& simulation() const { return sim_; }
  QTimer* Timer1() const { return Timer1_; }

 public slots:
  // Each activation arms the first drawing again, which takes up program edits made meanwhile.
  void Form_Activate();
  void Timer1_Timer();
  void cboSimulationsjahr_Click();
  void cmd_redraw_Click();
  void cmdBetriebsstunden_Click();
  void cmd_grafik_end_Click();
  void HScroll1_Change(int value);
  void lblColorP_Click(int index);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void buildControls();
  void Form_Load();
  void ordneNachTexten();
  void zeigeTag();
  void male_PZGrafik();
  void male_SZGrafik();
  void displtimebar();
  void setzeTageszeile();
  // The strip cell under the mouse, if any.
  std::optional<Treffer> streifentreffer(const QMouseEvent* e) const;

  Programmsimulation sim_;
  Jahresstreifen streifen_;

  QComboBox* cboSimulationsjahr_ = nullptr;
  QLabel* lblSimulationsjahr_ = nullptr;
  Tagesgrafik* picSzGrafik_ = nullptr;
  QScrollBar* HScroll1_ = nullptr;
  QLabel* lblstarttime_[12]{};
  QLabel* lbltag_ = nullptr;
  QPushButton* cmd_redraw_ = nullptr;
  QPushButton* cmdBetriebsstunden_ = nullptr;
  QPushButton* cmd_grafik_end_ = nullptr;
  QLabel* Lblmonat_[12]{};
  Legendenfeld* lblColorP_[kFarben]{};
  QLabel* LblKan_[16]{};
  QLabel* LblOn_[2]{};
  QTimer* Timer1_ = nullptr;
};

// Opens the simulation inside the frame for the channel group the frame shows, or brings the
// open one to the front; returns its sub-window.
QWidget* Zeige_FrmGrafik();

}  // namespace qv
