#pragma once
// The widgets the entry forms are built from: a check box that shows its state by its colour,
// a numeric field with the digit filter and the check on leaving it, a picture that reacts to
// clicks, and the filling of lists without running their handlers.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <functional>

class QComboBox;
class QListWidget;
class QMdiSubWindow;

namespace qv {

// Light blue when checked, light grey when not; recolours itself on every change.
class ColourCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit ColourCheckBox(const QString& text = {}, QWidget* parent = nullptr);
  QColor colour() const;
  // The value as the forms read it: 1 checked, 0 not.
  int wert() const { return isChecked() ? 1 : 0; }

 private:
  void recolour();
};

// A text field paired with a list. Only digits and Backspace pass the key filter (anything else
// beeps and is dropped; editing keys without text pass); pasting is not offered. When the field
// loses the focus to another control of the window, the leave check runs: false beeps and takes
// the focus back, the text stays as typed.
class NumericField : public QLineEdit {
  Q_OBJECT
 public:
  explicit NumericField(QWidget* parent = nullptr);
  // Returns whether the value is accepted; it also does what an accepted value does.
  void setLeaveCheck(std::function<bool()> check) { check_ = std::move(check); }
  // The value of the leading number of the text.
  int leadingNumber() const;
  // Runs the leave check as leaving the field does (also before OK reads the fields); false
  // when it refused the value.
  bool runLeaveCheck();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  std::function<bool()> check_;
};

// A picture with a click on release; a double click runs the click once more.
class Bildknopf : public QLabel {
  Q_OBJECT
 public:
  explicit Bildknopf(QWidget* parent = nullptr);
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  bool nachDoppelklick_ = false;
};

// The entry form of that name already open in the frame, made the active child; else nullptr.
QWidget* Aktiviere_offene_Form(const QString& name);
// Shows a loaded form as a child of the frame at its own size (its object name is its tag), or
// without a frame as a window of its own that deletes itself on close. Returns the window.
QWidget* Zeige_Form(QWidget* form);
// Sizes a child window of the frame to its own size, at most the frame's area, and moves it
// wholly into that area.
void Passe_in_Rahmen(QMdiSubWindow* sub);
// Closes the form together with its child window.
void Schliesse_Form(QWidget* form);
// The main window's view menu ticks follow viewState() at once, whichever child is active.
void Ansichtsmenue_nachfuehren();

// The channel boxes of a utility clock with 2 to 4 channels follow the measuring pulse, which the
// device settings dialog may move while a form is open: its channel's box is cleared and off,
// the other boxes are on.
void Messkanal_nachziehen(ColourCheckBox* const (&kanaele)[4]);

// Fill a list or combo without running its handlers; both are left with no position, and a list
// takes the focus only by a click.
void Fuelle_Liste(QListWidget* liste, const QStringList& eintraege);
void Fuelle_Kombi(QComboBox* kombi, const QStringList& eintraege);
// The list index of a position, or no selection when the position is out of range.
void Setze_Listindex(QListWidget* liste, int index);

}  // namespace qv
