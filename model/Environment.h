#pragma once
// What the program asks of the user and the system: message boxes, beeps, the busy cursor,
// file dialogs and the clock. Windows install the real one at start-up; tests install a
// scripted one (tests/support/ScriptedEnvironment.h). Logic code calls env() and never a widget.
#include <QColor>
#include <QDateTime>
#include <QString>

namespace qv {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

class Environment {
 public:
  virtual ~Environment() = default;
  // A modal message box titled with the product title (brand().S_Titel) unless a title is given.
  virtual Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title = {}) = 0;
  virtual void beep() = 0;
  virtual void setBusy(bool busy) = 0;
  virtual QDateTime now() const = 0;
  // File dialogs; an empty result means the user cancelled.
  virtual QString openFileName(const QString& caption, const QString& filter, const QString& start) = 0;
  virtual QString saveFileName(const QString& caption, const QString& filter, const QString& suggested) = 0;
  // An input box with a prompt and an empty default; an empty result also means Cancel. Without
  // a user nothing is typed.
  virtual QString inputText(const QString& prompt) {
    (void)prompt;
    return {};
  }
  // The colour dialog preset to initial; an invalid colour means the user cancelled.
  virtual QColor chooseColor(const QColor& initial) {
    (void)initial;
    return {};
  }
};

// The installed environment; until one is set, a quiet default: messages go to standard error
// and get their default answer (OK, otherwise Cancel or No), file dialogs count as cancelled.
Environment& env();
void setEnvironment(Environment* e);  // nullptr restores the quiet default

// Shows the busy cursor for its lifetime; nests.
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Short forms for the message styles every window uses.
Answer refuse(const QString& text);    // OK, stop icon
Answer ask(const QString& text);       // Yes/No, question icon
Answer askSave(const QString& text);   // Yes/No/Cancel, question icon

}  // namespace qv
