#include <QApplication>
#include <QTextStream>
#include <memory>

#include "model/Environment.h"
#include "model/Hooks.h"
#include "shell/ui/FrmStartbild.h"
#include "shell/ui/WidgetEnvironment.h"
#include "views/ui/Rahmen.h"

namespace {

// For runs without a user (QV_UNATTENDED set): every message goes to standard error and gets its
// default answer, file dialogs count as cancelled.
class UnattendedEnvironment final : public qv::Environment {
 public:
  qv::Answer message(const QString& text, qv::Buttons buttons, qv::Icon) override {
    QTextStream(stderr) << text << Qt::endl;
    return buttons == qv::Buttons::Ok ? qv::Answer::Ok : qv::Answer::Cancel;
  }
  void beep() override {}
  void setBusy(bool) override {}
  QDateTime now() const override { return QDateTime::currentDateTime(); }
  QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  std::unique_ptr<qv::Environment> environment;
  if (qEnvironmentVariableIsSet("QV_UNATTENDED"))
    environment = std::make_unique<UnattendedEnvironment>();
  else
    environment = std::make_unique<qv::WidgetEnvironment>();
  qv::setEnvironment(environment.get());

  qv::hooks().Zeige_Rahmen = &qv::Oeffne_Rahmen;
  // "New" in the main window: the start-up window again, or the end when the brand has gone.
  qv::hooks().Zeige_Startbild = [] {
    if (!qv::Zeige_Startbild()) QCoreApplication::exit(1);
  };

  // Without a valid brand file no window is shown at all.
  int rc = 1;
  if (qv::Zeige_Startbild()) rc = app.exec();
  qv::setEnvironment(nullptr);
  return rc;
}
