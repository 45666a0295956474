#include "calendar/ui/Simulationsbilder.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace qv {

void Zeichne(QPainter& p, const Zeichenliste& liste, const QColor& vordergrund, const QColor& hintergrund) {
  p.setRenderHint(QPainter::Antialiasing, false);
  for (const Zeichenschritt& s : liste) {
    QColor farbe = QColor::fromRgb(s.farbe);
    if (s.rolle == Zeichenschritt::Rolle::Vordergrund) farbe = vordergrund;
    if (s.rolle == Zeichenschritt::Rolle::Hintergrund) farbe = hintergrund;
    switch (s.art) {
      case Zeichenschritt::Art::Linie:
        p.setPen(QPen(farbe, 0));
        p.drawLine(s.von, s.bis);
        break;
      case Zeichenschritt::Art::Rahmen:
        // A one-pixel outline covers its corner points.
        p.setPen(QPen(farbe, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(s.von, QSize(s.bis.x() - s.von.x(), s.bis.y() - s.von.y())));
        break;
      case Zeichenschritt::Art::Fuellung:
        p.fillRect(QRect(s.von, s.bis), farbe);
        break;
    }
  }
}

Tagesgrafik::Tagesgrafik(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picSzGrafik"));
  setFixedSize(kTagesbildBreite, kTagesbildHoehe + 1);
}

void Tagesgrafik::zeige(const Tagesbild& bild) {
  bild_ = bild;
  update();
}

void Tagesgrafik::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor hinten = QColor::fromRgb(bild_.hintergrund);
  p.fillRect(rect(), hinten);
  Zeichne(p, bild_.schritte, Qt::black, hinten);
}

void Tagesgrafik::lies(QMouseEvent* e) {
  const double x = e->position().x();
  if (e->buttons() != Qt::NoButton && x >= 0 && x < kTagesbildBreite && ablesen)
    ablesen(static_cast<int>(std::floor(x)));
}

void Tagesgrafik::mousePressEvent(QMouseEvent* e) {
  e->accept();
  lies(e);
}

void Tagesgrafik::mouseMoveEvent(QMouseEvent* e) { lies(e); }

void Tagesgrafik::mouseReleaseEvent(QMouseEvent*) {
  if (losgelassen) losgelassen();
}

Legendenfeld::Legendenfeld(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  setFrameShape(QFrame::Box);
}

void Legendenfeld::setzeFarbe(QRgb farbe) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor::fromRgb(farbe));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
}

void Legendenfeld::mousePressEvent(QMouseEvent* e) { e->accept(); }

void Legendenfeld::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && geklickt) geklickt();
}

}  // namespace qv
