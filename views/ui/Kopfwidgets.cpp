#include "views/ui/Kopfwidgets.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "model/Environment.h"

namespace qv {

// ---- KopfFeld ------------------------------------------------------------------------------

KopfFeld::KopfFeld(const QString& name, int maxLaenge, QWidget* parent) : QLineEdit(parent), maxLaenge_(maxLaenge) {
  setObjectName(name);
  connect(this, &QLineEdit::textEdited, this, &KopfFeld::filtereEingefuegtes);
}

KopfFeld::~KopfFeld() {
  // No take-over while the panel is being torn down.
  verlassen = nullptr;
}

void KopfFeld::keyPressEvent(QKeyEvent* e) {
  // Delete edits and types nothing, though X11 gives it the text DEL: no key rule sees it.
  const QString t = e->key() == Qt::Key_Delete ? QString() : e->text();
  if (erlaubt && t.size() == 1 && !erlaubt(t[0])) {
    env().beep();
    e->accept();
    return;
  }
  // A full box takes no further character (Backspace and the other control keys still work).
  if (t.size() == 1 && t[0].isPrint() && text().size() - selectedText().size() >= maxLaenge_) {
    e->accept();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void KopfFeld::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  verlasse();
}

void KopfFeld::verlasse() {
  if (verlassen) verlassen();
  setModified(false);
}

void KopfFeld::uebernimmGetipptes() {
  if (isModified()) verlasse();
}

void KopfFeld::filtereEingefuegtes(const QString& text) {
  // The key rules let control keys through; as text, a line break or tab would split the
  // file's line of this box, so pasted control characters go too.
  QString sauber;
  for (QChar c : text)
    if (c.unicode() >= 0x20 && (!erlaubt || erlaubt(c))) sauber += c;
  const bool verboten = sauber.size() != text.size();
  if (sauber.size() > maxLaenge_) sauber.truncate(maxLaenge_);
  if (sauber.size() == text.size()) return;
  const int pos = cursorPosition() - static_cast<int>(text.size() - sauber.size());
  setText(sauber);
  setModified(true);
  setCursorPosition(std::clamp(pos, 0, static_cast<int>(sauber.size())));
  if (verboten) env().beep();
}

// ---- Speicheranzeige -----------------------------------------------------------------------

Speicheranzeige::Speicheranzeige(QWidget* parent) : QProgressBar(parent) {
  setTextVisible(false);
  setRange(0, 1);
  setValue(0);
}

void Speicheranzeige::mouseReleaseEvent(QMouseEvent* e) {
  QProgressBar::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

// ---- Filterschalter ------------------------------------------------------------------------

namespace {

QPixmap trichter(bool an) {
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.moveTo(3, 4);
  path.lineTo(19, 4);
  path.lineTo(13, 11);
  path.lineTo(13, 18);
  path.lineTo(9, 20);
  path.lineTo(9, 11);
  path.closeSubpath();
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(an ? QColor(40, 90, 200) : QColor(250, 250, 250));
  p.drawPath(path);
  if (!an) {
    p.setPen(QPen(QColor(190, 0, 0), 2));
    p.drawLine(4, 19, 19, 3);
  }
  return pm;
}

}  // namespace

Filterschalter::Filterschalter(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("picfilter"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  setAutoFillBackground(true);
  auto* l = new QHBoxLayout(this);
  l->setContentsMargins(3, 3, 3, 3);
  imgfilt_ = new QLabel(this);
  imgfilt_->setObjectName(QStringLiteral("imgfilt"));
  imgfilt_->setPixmap(trichter(true));
  imgnofilt_ = new QLabel(this);
  imgnofilt_->setObjectName(QStringLiteral("imgnofilt"));
  imgnofilt_->setPixmap(trichter(false));
  // The images pass their clicks on to the switch.
  imgfilt_->setAttribute(Qt::WA_TransparentForMouseEvents);
  imgnofilt_->setAttribute(Qt::WA_TransparentForMouseEvents);
  l->addWidget(imgfilt_);
  l->addWidget(imgnofilt_);
  zeige(false);
}

void Filterschalter::zeige(bool filterAn) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, filterAn ? QColor(255, 255, 16) : QColor(0xC0, 0xC0, 0xC0));
  setPalette(pal);
  imgfilt_->setVisible(filterAn);
  imgnofilt_->setVisible(!filterAn);
}

bool Filterschalter::filterbildSichtbar() const { return !imgfilt_->isHidden(); }

void Filterschalter::mousePressEvent(QMouseEvent* e) {
  QFrame::mousePressEvent(e);
  // A new click: the release that ended a double click may have gone to the window it opened.
  if (e->button() == Qt::LeftButton) nachDoppelklick_ = false;
}

void Filterschalter::mouseReleaseEvent(QMouseEvent* e) {
  QFrame::mouseReleaseEvent(e);
  if (e->button() != Qt::LeftButton) return;
  if (nachDoppelklick_) {
    nachDoppelklick_ = false;
    return;
  }
  emit clicked();
}

void Filterschalter::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  nachDoppelklick_ = true;
  emit doubleClicked();
}

// ---- pictures ------------------------------------------------------------------------------

QIcon Druckersymbol() {
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(6, 2, 10, 7);                      // paper
  p.setBrush(QColor(150, 150, 150));
  p.drawRoundedRect(2, 8, 18, 8, 2, 2);          // body
  p.setBrush(Qt::white);
  p.drawRect(6, 14, 10, 6);                      // sheet out
  p.setBrush(QColor(0, 160, 0));
  p.drawEllipse(16, 10, 2, 2);
  return QIcon(pm);
}

QIcon Speichersymbol() {
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(40, 70, 160));
  p.drawRect(2, 2, 17, 17);
  p.setBrush(Qt::white);
  p.drawRect(5, 2, 11, 6);
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(5, 12, 11, 7);
  return QIcon(pm);
}

QIcon Schlosssymbol() {
  auto schloss = [](bool zu) {
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    if (zu) p.drawArc(6, 2, 10, 12, 0, 180 * 16);
    else p.drawArc(11, 0, 10, 12, 0, 180 * 16);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(zu ? QColor(200, 30, 30) : QColor(60, 160, 60));
    p.drawRect(4, 9, 14, 11);
    return pm;
  };
  QIcon icon;
  icon.addPixmap(schloss(false), QIcon::Normal, QIcon::Off);
  icon.addPixmap(schloss(true), QIcon::Normal, QIcon::On);
  return icon;
}

}  // namespace qv
