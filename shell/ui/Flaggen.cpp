#include "shell/ui/Flaggen.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv {

namespace {

void horizontalStripes(QPainter& p, const QRect& r, std::initializer_list<QColor> colours) {
  const int n = static_cast<int>(colours.size());
  int i = 0;
  for (const QColor& c : colours) {
    const int top = r.top() + r.height() * i / n;
    const int bottom = r.top() + r.height() * (i + 1) / n;
    p.fillRect(QRect(r.left(), top, r.width(), bottom - top), c);
    ++i;
  }
}

void verticalStripes(QPainter& p, const QRect& r, std::initializer_list<QColor> colours) {
  const int n = static_cast<int>(colours.size());
  int i = 0;
  for (const QColor& c : colours) {
    const int left = r.left() + r.width() * i / n;
    const int right = r.left() + r.width() * (i + 1) / n;
    p.fillRect(QRect(left, r.top(), right - left, r.height()), c);
    ++i;
  }
}

void unionFlag(QPainter& p, const QRect& r) {
  const QColor blue(1, 33, 105), red(200, 16, 46);
  p.fillRect(r, blue);
  p.save();
  p.setClipRect(r);
  const QPointF tl = r.topLeft(), br = QPointF(r.right() + 1, r.bottom() + 1);
  const QPointF tr(r.right() + 1, r.top()), bl(r.left(), r.bottom() + 1);
  p.setPen(QPen(Qt::white, r.height() / 5.0));
  p.drawLine(tl, br);
  p.drawLine(tr, bl);
  p.setPen(QPen(red, r.height() / 15.0));
  p.drawLine(tl, br);
  p.drawLine(tr, bl);
  const QPointF c = QRectF(r).center();
  p.setPen(QPen(Qt::white, r.height() / 3.0));
  p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right() + 1, c.y()));
  p.drawLine(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom() + 1));
  p.setPen(QPen(red, r.height() / 5.0));
  p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right() + 1, c.y()));
  p.drawLine(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom() + 1));
  p.restore();
}

void globe(QPainter& p, const QRect& r) {
  p.fillRect(r, QColor(225, 235, 245));
  const int d = r.height() - 2;
  const QRectF ball(r.center().x() - d / 2.0 + 0.5, r.top() + 1, d, d);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(40, 110, 190));
  p.setPen(QPen(QColor(20, 60, 120), 1));
  p.drawEllipse(ball);
  // A few land masses and the grid of meridians and parallels.
  p.setBrush(QColor(70, 160, 80));
  p.setPen(Qt::NoPen);
  QPainterPath land;
  land.addEllipse(QRectF(ball.left() + d * 0.18, ball.top() + d * 0.18, d * 0.30, d * 0.38));
  land.addEllipse(QRectF(ball.left() + d * 0.55, ball.top() + d * 0.30, d * 0.28, d * 0.22));
  land.addEllipse(QRectF(ball.left() + d * 0.52, ball.top() + d * 0.60, d * 0.18, d * 0.22));
  QPainterPath clip;
  clip.addEllipse(ball);
  p.drawPath(land.intersected(clip));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 170), 1));
  p.drawEllipse(ball.adjusted(d * 0.3, 0, -d * 0.3, 0));
  p.drawLine(QPointF(ball.center().x(), ball.top()), QPointF(ball.center().x(), ball.bottom()));
  p.drawLine(QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()));
}

QPixmap flagPixmap(LanguageFlag flag, bool marked) {
  QPixmap pm(kFlagSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  const QRect r(2, 2, kFlagSize.width() - 4, kFlagSize.height() - 4);
  switch (flag) {
    case LanguageFlag::German:
      horizontalStripes(p, r, {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)});
      break;
    case LanguageFlag::English: unionFlag(p, r); break;
    case LanguageFlag::French:
      verticalStripes(p, r, {QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)});
      break;
    case LanguageFlag::World: globe(p, r); break;
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  if (marked) {
    // The language in effect carries a bright frame.
    p.setPen(QPen(QColor(255, 215, 0), 2));
    p.drawRect(QRectF(1, 1, kFlagSize.width() - 2, kFlagSize.height() - 2));
  } else {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  return pm;
}

}  // namespace

QIcon languageIcon(LanguageFlag flag) {
  QIcon icon;
  icon.addPixmap(flagPixmap(flag, false), QIcon::Normal, QIcon::Off);
  icon.addPixmap(flagPixmap(flag, true), QIcon::Normal, QIcon::On);
  return icon;
}

}  // namespace qv
