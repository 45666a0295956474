#include "model/Environment.h"

#include <QTextStream>

namespace qv {
namespace {

class QuietEnvironment final : public Environment {
 public:
  Answer message(const QString& text, Buttons buttons, Icon, const QString&) override {
    QTextStream(stderr) << "quorvel: " << text << '\n';
    switch (buttons) {
      case Buttons::Ok: return Answer::Ok;
      case Buttons::OkCancel: return Answer::Cancel;
      case Buttons::YesNo: return Answer::No;
      case Buttons::YesNoCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
  }
  void beep() override {}
  void setBusy(bool) override {}
  QDateTime now() const override { return QDateTime::currentDateTime(); }
  QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

QuietEnvironment quiet;
Environment* current = &quiet;
int busyDepth = 0;

}  // namespace

Environment& env() { return *current; }
void setEnvironment(Environment* e) { current = e ? e : &quiet; }

BusyCursor::BusyCursor() {
  if (busyDepth++ == 0) env().setBusy(true);
}
BusyCursor::~BusyCursor() {
  if (--busyDepth == 0) env().setBusy(false);
}

Answer refuse(const QString& text) { return env().message(text, Buttons::Ok, Icon::Critical); }
Answer ask(const QString& text) { return env().message(text, Buttons::YesNo, Icon::Question); }
Answer askSave(const QString& text) { return env().message(text, Buttons::YesNoCancel, Icon::Question); }

}  // namespace qv
