#include <QApplication>
#include <csignal>

#include "calendar/ui/FrmGrafik.h"
#include "calendar/ui/Kalenderfenster.h"
#include "entry/ui/FrmAutoEinst.h"
#include "entry/ui/FrmEingPZ.h"
#include "entry/ui/FrmEingSz.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "shell/ui/FrmStartbild.h"
#include "shell/ui/Geraetefenster.h"
#include "shell/ui/WidgetEnvironment.h"
#include "transfer/ui/FrmBusaccess.h"
#include "transfer/ui/Transferfenster.h"
#include "views/ui/Drucker.h"
#include "views/ui/Fensteraufrufe.h"
#include "views/ui/FrmDruck.h"
#include "views/ui/Rahmen.h"

int main(int argc, char* argv[]) {
  // A file-size limit (a quota, a sandbox) makes a write past it fail, which the save reports and
  // survives, instead of ending the program with all unsaved work.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  // Runs without a user (QV_UNATTENDED set) keep the quiet default environment: messages go to
  // standard error with their default answer.
  qv::WidgetEnvironment widgets;
  if (!qEnvironmentVariableIsSet("QV_UNATTENDED")) qv::setEnvironment(&widgets);

  qv::hooks().Zeige_Rahmen = &qv::Oeffne_Rahmen;
  qv::Kalenderfenster_anmelden();
  qv::fensteraufrufe().frmEingSz = &qv::Oeffne_EingSz;
  qv::fensteraufrufe().frmEingPZ = &qv::Oeffne_EingPZ;
  qv::fensteraufrufe().frmAutoEinst = &qv::Oeffne_AutoEinst;
  qv::fensteraufrufe().FrmBusaccess = &qv::Oeffne_Busaccess;
  qv::Installiere_Transferfenster();
  qv::fensteraufrufe().frmGeraetEinst = &qv::Zeige_Geraeteeinstellungen;
  qv::fensteraufrufe().FrmMaster = &qv::Zeige_Codierung;
  qv::fensteraufrufe().Frminfo = &qv::Zeige_Info;
  qv::fensteraufrufe().FrmGrafik = &qv::Zeige_FrmGrafik;
  qv::fensteraufrufe().frmDruck = &qv::Zeige_Druckdialog;
  qv::fensteraufrufe().Drucke_Ansicht = &qv::Drucke_Ansicht;
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
