#include "tests/support/ScriptedEnvironment.h"

namespace qv::test {

ScriptedEnvironment::ScriptedEnvironment()
    : now_(QDate(2026, 3, 14), QTime(9, 26, 53)) {
  setEnvironment(this);
}

ScriptedEnvironment::~ScriptedEnvironment() { setEnvironment(nullptr); }

Answer ScriptedEnvironment::message(const QString& text, Buttons buttons, Icon icon, const QString& title) {
  messages.push_back({text, buttons, icon, title});
  if (!answers_.empty()) {
    const Answer a = answers_.front();
    answers_.pop_front();
    return a;
  }
  return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

void ScriptedEnvironment::setBusy(bool busy) {
  if (busy) {
    ++busyOn;
    ++busyDepth;
  } else {
    --busyDepth;
  }
}

QString ScriptedEnvironment::openFileName(const QString& caption, const QString&, const QString&) {
  fileDialogCaptions << caption;
  if (fileNames_.empty()) return {};
  const QString n = fileNames_.front();
  fileNames_.pop_front();
  return n;
}

QString ScriptedEnvironment::saveFileName(const QString& caption, const QString& filter, const QString& suggested) {
  return openFileName(caption, filter, suggested);
}

QString ScriptedEnvironment::inputText(const QString& prompt) {
  inputPrompts << prompt;
  if (inputs_.empty()) return {};
  const QString t = inputs_.front();
  inputs_.pop_front();
  return t;
}

QColor ScriptedEnvironment::chooseColor(const QColor& initial) {
  colorDialogPresets.push_back(initial);
  if (colors_.empty()) return {};
  const QColor c = colors_.front();
  colors_.pop_front();
  return c;
}

}  // namespace qv::test
