#pragma once
// Small widgets of the frame's header panel: a text box with a key filter that takes over its
// text when it loses the focus, the clickable memory gauge, the filter switch with its two
// images, and the drawn button pictures.
#include <QFrame>
#include <QIcon>
#include <QLineEdit>
#include <QProgressBar>
#include <functional>

class QLabel;

namespace qv {

class KopfFeld : public QLineEdit {
  Q_OBJECT
 public:
  // maxLaenge limits what the user types or pastes; a longer text set by the program is shown
  // whole, so showing it never changes it.
  KopfFeld(const QString& name, int maxLaenge, QWidget* parent);
  ~KopfFeld() override;
  // Characters typed that this returns false for are dropped with a beep; pasted ones are removed.
  std::function<bool(QChar)> erlaubt;
  // Runs when the box loses the focus (the box's LostFocus).
  std::function<void()> verlassen;
  // The leave rule as on losing the focus; the box's text then counts as taken over.
  void verlasse();
  // The leave rule, when the box holds text typed since it was filled or last taken over: what
  // refills the box runs this first, so a click that takes no focus loses nothing typed.
  void uebernimmGetipptes();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  void filtereEingefuegtes(const QString& text);
  int maxLaenge_;
};

// The memory gauge: a bar without text that reports a click.
class Speicheranzeige : public QProgressBar {
  Q_OBJECT
 public:
  explicit Speicheranzeige(QWidget* parent);
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
};

// The filter switch: yellow with the filter image while the filter is on, grey with the other
// image while it is off. A click toggles; a double click opens the filter dialog (its first click
// has already toggled, the second does not toggle again).
class Filterschalter : public QFrame {
  Q_OBJECT
 public:
  explicit Filterschalter(QWidget* parent);
  void zeige(bool filterAn);
  bool filterbildSichtbar() const;
 signals:
  void clicked();
  void doubleClicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  QLabel* imgfilt_;
  QLabel* imgnofilt_;
  bool nachDoppelklick_ = false;
};

// Drawn pictures of the panel's buttons.
QIcon Druckersymbol();
QIcon Speichersymbol();
QIcon Schlosssymbol();  // open (off) and closed (on)

}  // namespace qv
