// The main window's menu commands and grid handlers.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "model/Ansicht.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Befehle.h"
#include "views/Gridereignisse.h"
#include "views/Kopfanzeige.h"
#include "views/Meldungstexte.h"
#include "views/Rahmenzustand.h"
#include "views/ui/Dialogaufrufe.h"
#include "views/ui/Fensteraufrufe.h"
#include "views/ui/FrmHauptmenue.h"
#include "views/ui/GrdDisplSz.h"
#include "views/ui/MDIForm1.h"

namespace qv {
namespace {

// After an astro edit the cell dialog has refilled the grid and asked to skip the next refill;
// its window was not a child, so the activation that would clear the request never comes.
void nachZellendialog() { viewState().KeinRefresh = false; }

// The help file of the language: the named file, or a page of the same name, in the start
// directory; the names are taken without regard to letter case.
QString hilfedatei() {
  const QString name = texts().Hilfedatei;
  if (name.isEmpty()) return {};
  const QString stamm = QFileInfo(name).completeBaseName();
  const QStringList kandidaten{name, stamm + QStringLiteral(".html"), stamm + QStringLiteral(".htm")};
  const QStringList vorhanden = QDir::current().entryList(QDir::Files);
  for (const QString& k : kandidaten)
    for (const QString& v : vorhanden)
      if (v.compare(k, Qt::CaseInsensitive) == 0) return QDir::current().absoluteFilePath(v);
  return {};
}

}  // namespace

void FrmHauptmenue::oeffne(std::function<QWidget*()> Fensteraufrufe::*fenster) {
  QWidget* w = Oeffne_Fenster(fenster);
  if (w && w->isWindow()) {
    // A window of its own going away makes this the active window again.
    connect(w, &QObject::destroyed, this, [this] {
      if (rahmen_->activeTag() == tagHauptmenue()) Form_Activate();
    });
  }
}

// ---- File ----------------------------------------------------------------------------------

void FrmHauptmenue::mnuDatneu_Click() {
  rahmen_->Uebernimm_Kopffelder();
  if (!Neu_vorbereiten()) return;
  // The start-up window reads the tables anew (holidays among them): no window may go on with the
  // old ones and write them back later.
  closeWindowsOfTheirOwn(rahmen_);
  callHook(hooks().Zeige_Startbild);
  rahmen_->schliesseFuerNeu();
}

void FrmHauptmenue::mnuDatOeff_Click() { Oeffnen(); }
void FrmHauptmenue::mnudatspei_click() { Speichern(); }
void FrmHauptmenue::mnudatspu_click() { Speichern_unter(); }
void FrmHauptmenue::mnuDatVorl_Click() { Vorlage_oeffnen(); }
void FrmHauptmenue::mnuDatVorlSchl_Click() { Vorlage_schliessen(); }
void FrmHauptmenue::mnuDatDruck_Click() { oeffne(&Fensteraufrufe::frmDruck); }

void FrmHauptmenue::mnuDatExp_Click() {
  if (!Export_pruefen()) return;
  if (fensteraufrufe().KartenZugriff) fensteraufrufe().KartenZugriff(QStringLiteral("s"));
}

void FrmHauptmenue::mnuDatImp_Click() {
  if (!Lesen_vorbereiten()) return;
  if (fensteraufrufe().KartenZugriff) fensteraufrufe().KartenZugriff(QStringLiteral("l"));
  else program().ImportAktiv = 0;
}

void FrmHauptmenue::mnuIRAccess_Click() { oeffne(&Fensteraufrufe::frmIRAccess); }
void FrmHauptmenue::mnuBusAccess_Click() { oeffne(&Fensteraufrufe::FrmBusaccess); }

void FrmHauptmenue::mnuDatBend_Click() {
  rahmen_->Uebernimm_Kopffelder();
  if (!Beenden_vorbereiten()) return;
  // The program ends at once; no window asks again.
  Beende_Programm(rahmen_);
}

// ---- Edit ----------------------------------------------------------------------------------

void FrmHauptmenue::mnuBaSz_Click() {
  viewState().EingabeModus = 0;
  oeffne(&Fensteraufrufe::frmEingSz);
}

void FrmHauptmenue::mnuBaPz_Click() {
  viewState().EingabeModus = 0;
  oeffne(&Fensteraufrufe::frmEingPZ);
}

void FrmHauptmenue::mnuBaSw_Click() {
  viewState().EingabeModus = 0;
  oeffne(&Fensteraufrufe::frmEinSW);
}

void FrmHauptmenue::mnuBaAstro_Click() {
  viewState().AktAnsicht = 3;
  Astrokanal_begrenzen();
  rahmen_->Zeige_Kanalfelder(false);
  rahmen_->Verberge_Kanalfelder_1_3();
  oeffne(&Fensteraufrufe::frmastro);
}

void FrmHauptmenue::mnuBaLoe_Click() {
  if (Loeschen(grid_->auswahl()) == Loeschausgang::Astro) nachZellendialog();
}

void FrmHauptmenue::mnuBaAend_Click() {
  const GridSelection sel = grid_->auswahl();
  if (viewState().AktAnsicht == 3) {
    Astrozeiten_bearbeiten(sel, 1);
    nachZellendialog();
    return;
  }
  if (!Auswahl_uebernehmen(sel, 1)) return;
  switch (viewState().AktAnsicht) {
    case 0: oeffne(&Fensteraufrufe::frmEingSz); break;
    case 1: oeffne(&Fensteraufrufe::frmEingPZ); break;
    case 2: oeffne(&Fensteraufrufe::frmEinSW); break;
    default: break;
  }
}

void FrmHauptmenue::mnuBaKop_Click() {
  if (viewState().AktAnsicht == 3) return;
  if (!Auswahl_uebernehmen(grid_->auswahl(), 2)) return;
  switch (viewState().AktAnsicht) {
    case 0: oeffne(&Fensteraufrufe::frmEingSz); break;
    case 1: oeffne(&Fensteraufrufe::frmEingPZ); break;
    case 2: oeffne(&Fensteraufrufe::frmEinSW); break;
    default: break;
  }
}

void FrmHauptmenue::mnuBaFilt_Click() {
  QWidget* w = Oeffne_Filterdialog();
  if (w && w->isWindow())
    connect(w, &QObject::destroyed, this, [this] {
      if (rahmen_->activeTag() == tagHauptmenue()) Form_Activate();
    });
}

// ---- Views ---------------------------------------------------------------------------------

void FrmHauptmenue::mnuANSSz_click() { Zeige_Ansicht(0, 0); }
void FrmHauptmenue::mnuAnsPz_Click() { Zeige_Ansicht(1, 0); }
void FrmHauptmenue::mnuAnsSw_Click() { Zeige_Ansicht(2, 0); }
void FrmHauptmenue::mnuAnsAsz_Click() { Zeige_Ansicht(3, program().AktSpeicher); }
void FrmHauptmenue::mnuAnsSzVorl_click() { Zeige_Ansicht(0, 1); }
void FrmHauptmenue::mnuAnsPzVorl_Click() { Zeige_Ansicht(1, 1); }
void FrmHauptmenue::mnuAnsSWVorl_Click() { Zeige_Ansicht(2, 1); }

void FrmHauptmenue::mnuAnsGrafik_Click() {
  if (viewState().AktAnsicht == 3 && profile().Uhrentyp == 280) {
    viewState().AktAnsicht = 0;
    Kanaele_zuruecksetzen();
    rahmen_->Zeige_Kanalfelder(true);
  }
  oeffne(&Fensteraufrufe::FrmGrafik);
}

// ---- Settings and help ---------------------------------------------------------------------

void FrmHauptmenue::mnuEinstAuto_Click() { oeffne(&Fensteraufrufe::frmAutoEinst); }
void FrmHauptmenue::mnu_Einst_Ft_Click() { oeffne(&Fensteraufrufe::frmfeiertage); }
void FrmHauptmenue::mnuEinstGeraet_Click() { oeffne(&Fensteraufrufe::frmGeraetEinst); }
void FrmHauptmenue::mnuMaster_Click() { oeffne(&Fensteraufrufe::FrmMaster); }
void FrmHauptmenue::mnuinfo_Click() { oeffne(&Fensteraufrufe::Frminfo); }

void FrmHauptmenue::mnuhelpQuorvel_Click() {
  const QString datei = hilfedatei();
  if (datei.isEmpty()) {
    env().message(Meldung(Meldungstext::HilfedateiFehlt).arg(texts().Hilfedatei), Buttons::Ok, Icon::Critical);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(datei));
}

// ---- Grid ----------------------------------------------------------------------------------

void FrmHauptmenue::GrdDisplSz_MouseDown(Qt::MouseButton) {
  const GridSelection sel = grid_->auswahl();
  if (sel.startCol == 0) {
    grid_->setzeAuswahl(sel.startRow, sel.endRow, 0, sel.cols - 1);
    return;
  }
  Programmsprung(sel.startCol, grid_->Text(grid_->Row(), grid_->Col()));
}

void FrmHauptmenue::GrdDisplSz_MouseMove() {
  const GridSelection sel = grid_->auswahl();
  if (sel.startCol <= 0) grid_->setzeAuswahl(sel.startRow, sel.endRow, 0, sel.cols - 1);
}

void FrmHauptmenue::GrdDisplSz_MouseUp(Qt::MouseButton b, int spalte) {
  const GridSelection sel = grid_->auswahl();
  if (b == Qt::LeftButton) {
    // The refill of a jump has put the selection on row 1; where the button comes up decides.
    if (frameState().ProgSprung && spalte != 0) {
      Sprung_zurueck();
    } else if (sel.startCol == 0) {
      // In the astro view the days' two time columns, else whole rows.
      grid_->setzeAuswahl(sel.startRow, sel.endRow, viewState().AktAnsicht == 3 ? 3 : 0, sel.cols - 1);
    } else {
      Sprung_zurueck();
    }
    return;
  }
  if (b == Qt::RightButton && viewState().AktAnsicht == 3 && viewState().GridDlgOffen == -1) {
    Astrozeiten_bearbeiten(sel, -1);
    nachZellendialog();
  }
}

void FrmHauptmenue::GrdDisplSz_DblClick() {
  const int r = grid_->Row();
  const int c = grid_->Col();
  const int spalten = grid_->columnCount();
  const Doppelklickaktion aktion = Doppelklick(grid_->Text(r, 0));
  if (aktion == Doppelklickaktion::Astro) {
    if (viewState().GridDlgOffen != -1) return;
    if (c == 3 || c == 4) {
      Astrozeiten_bearbeiten(GridSelection{r, r, c, c, spalten}, -1);
      nachZellendialog();
    } else {
      Fuelle_Grid(0);
    }
    grid_->setzeZelle(r, c);
    return;
  }
  if (aktion == Doppelklickaktion::Keine) return;
  grid_->setzeZelle(r, 0);
  grid_->setzeAuswahl(r, r, 0, spalten - 1);
  switch (aktion) {
    case Doppelklickaktion::Aendern: mnuBaAend_Click(); break;
    case Doppelklickaktion::Kopieren: mnuBaKop_Click(); break;
    case Doppelklickaktion::NeuSz: mnuBaSz_Click(); break;
    case Doppelklickaktion::NeuPz: mnuBaPz_Click(); break;
    case Doppelklickaktion::NeuSw: mnuBaSw_Click(); break;
    default: break;
  }
  aktualisiereMenues();
}

}  // namespace qv
