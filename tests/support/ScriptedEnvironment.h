#pragma once
// A stand-in for the user and the system: answers come from a script, everything the program
// shows is recorded. Install it for the lifetime of a test.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "model/Environment.h"

namespace qv::test {

struct ShownMessage {
  QString text;
  Buttons buttons;
  Icon icon;
  QString title;  // empty: the product title
};

class ScriptedEnvironment final : public Environment {
 public:
  ScriptedEnvironment();
  ~ScriptedEnvironment() override;

  // Queue the answers to the next message boxes; an unscripted box gets the default answer
  // (OK for OK boxes, Cancel otherwise) and is still recorded.
  void answer(Answer a) { answers_.push_back(a); }
  void answerFileDialog(const QString& name) { fileNames_.push_back(name); }
  void setNow(const QDateTime& t) { now_ = t; }
  // Queue what the user types into the next input boxes; an unscripted box is cancelled.
  void answerInput(const QString& text) { inputs_.push_back(text); }
  // The next colour dialog's choice; an unscripted one counts as cancelled.
  void answerColor(const QColor& c) { colors_.push_back(c); }

  Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title = {}) override;
  void beep() override { ++beeps; }
  void setBusy(bool busy) override;
  QDateTime now() const override { return now_; }
  QString openFileName(const QString& caption, const QString& filter, const QString& start) override;
  QString saveFileName(const QString& caption, const QString& filter, const QString& suggested) override;
  QString inputText(const QString& prompt) override;

  QColor chooseColor(const QColor& initial) override;

  std::vector<ShownMessage> messages;
  QStringList fileDialogCaptions;
  QStringList inputPrompts;
  std::vector<QColor> colorDialogPresets;  // the preset of each colour dialog shown
  int beeps = 0;
  int busyOn = 0;       // times the busy cursor was switched on
  int busyDepth = 0;    // on minus off; 0 when balanced
  size_t unusedAnswers() const { return answers_.size(); }

 private:
  std::deque<Answer> answers_;
  std::deque<QString> fileNames_;
  std::deque<QString> inputs_;
  std::deque<QColor> colors_;
  QDateTime now_;
};

}  // namespace qv::test
