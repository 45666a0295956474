#pragma once
// The painted parts of the simulation window: replaying a display list with a painter, the day
// picture (picSzGrafik) with its time read-out, and the clickable legend labels (lblColorP).
#include <QLabel>
#include <QWidget>
#include <functional>

#include "calendar/Simulationsbild.h"

class QPainter;

namespace qv {

// Draws the steps; the two roles take the given colours.
void Zeichne(QPainter& p, const Zeichenliste& liste, const QColor& vordergrund, const QColor& hintergrund);

class Tagesgrafik : public QWidget {
 public:
  explicit Tagesgrafik(QWidget* parent);
  void zeige(const Tagesbild& bild);
  // A button held at picture column x (0..719): the window shows the time there.
  std::function<void(int x)> ablesen;
  // The button comes up.
  std::function<void()> losgelassen;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void lies(QMouseEvent* e);
  Tagesbild bild_;
};

class Legendenfeld : public QLabel {
 public:
  Legendenfeld(const QString& text, QWidget* parent);
  void setzeFarbe(QRgb farbe);
  std::function<void()> geklickt;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace qv
