// The header panel's display and its handlers.
#include <QCloseEvent>
#include <algorithm>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>

#include "model/Ansicht.h"
#include "model/Astrogrenzen.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "views/Befehle.h"
#include "views/Kopfanzeige.h"
#include "views/Speicherbelegung.h"
#include "views/ui/Fensteraufrufe.h"
#include "views/ui/FrmHauptmenue.h"
#include "views/ui/Kopfwidgets.h"
#include "views/ui/MDIForm1.h"

namespace qv {

void MDIForm1::Zeige_Kopfdaten(int m) {
  // What is typed goes into the slot it was typed for, before the boxes show another.
  txtProgrammnummer_->uebernimmGetipptes();
  Txtverwendung_->uebernimmGetipptes();
  for (KopfFeld* f : txtkannam_) f->uebernimmGetipptes();
  m = m == 1 ? 1 : 0;
  kopfSlot_ = m;
  ProgramState& p = program();
  const Texts& t = texts();
  lblspeicherzeit_->setText(Speicherzeit_Text(p.Kopf[m], settings().Codierbyte));

  if (profile().Evu != 0) {
    lblProgrammnummer_->setVisible(true);
    txtProgrammnummer_->setVisible(true);
    lblProgrammnummer_->setText(t.S_Programmnummer + QStringLiteral(" :"));
    // Filling the box is no change of the program.
    const int16_t geaendert = p.Geaendert;
    txtProgrammnummer_->setText(Programmnummer_Text(p.Programmnummer[m]));
    p.Geaendert = geaendert;
  } else {
    lblProgrammnummer_->setVisible(false);
    txtProgrammnummer_->setVisible(false);
    p.Programmnummer[m] = kKeineProgrammnummer;
  }

  lblStandort_->setText(t.S_Verwendung + u':');
  lbl_uhrentyp_->setText(profile().UhrentypText);
  Txtverwendung_->setText(p.Verwendung[m]);

  Zeige_Kanalfelder(true);

  if (Schreibschutz_sichtbar()) AniSchreibschutz_->setChecked(settings().Schreibschutz == 1);
}

void MDIForm1::Zeige_Kanalfelder(bool alle) {
  for (KopfFeld* f : txtkannam_) f->uebernimmGetipptes();
  const ProgramState& p = program();
  const int m = kopfSlot_;
  const int n = Sichtbare_Kanalfelder();
  for (int i = 0; i < 4; ++i) {
    // Every box follows its caption, shown or not, so a hidden box never holds another
    // channel's name.
    lblCnam_[i]->setText(Kanalbeschriftung(i));
    txtkannam_[i]->setText(p.Kanalname[Kanal_von_Feld(i) - 1][m]);
    if (alle) {
      lblCnam_[i]->setVisible(i < n);
      txtkannam_[i]->setVisible(i < n);
    }
  }
}

void MDIForm1::Verberge_Kanalfelder_1_3() {
  for (int i = 1; i < 4; ++i) {
    lblCnam_[i]->setVisible(false);
    txtkannam_[i]->setVisible(false);
  }
}

void MDIForm1::Zeige_Speicherbelegung(int slot) {
  const Speicherbelegung s = Berechne_Speicherbelegung(slot == 1 ? 1 : 0);
  ggeanzSz_->setRange(0, std::max(s.maximum, 1));
  ggeanzSz_->setValue(std::clamp(s.value, 0, std::max(s.maximum, 1)));
  lblanzSz_->setText(s.text);
}

void MDIForm1::Zeige_Filterstatus() { picfilter_->zeige(viewState().filter.FilterAn != 0); }

void MDIForm1::setPanelButtonsVisible(bool visible) {
  picfilter_->setVisible(visible);
  AniButton2_->setVisible(visible);
  AniButton3_->setVisible(visible);
}

void MDIForm1::setSchreibschutzSichtbar(bool sichtbar) { AniSchreibschutz_->setVisible(sichtbar); }

void MDIForm1::txtkannam_LostFocus(int i) {
  // A hidden box is not shown for any channel; it stores nothing.
  if (txtkannam_[i]->isHidden()) return;
  Speichere_Kanalname(i, txtkannam_[i]->text(), kopfSlot_);
}

void MDIForm1::Uebernimm_Kopffelder() {
  if (profile().Evu != 0 && !txtProgrammnummer_->isHidden()) txtProgrammnummer_->verlasse();
  Txtverwendung_->verlasse();
  for (KopfFeld* f : txtkannam_) f->verlasse();
}

void MDIForm1::Image1_Click(int index) {
  const bool vor = index == 1;
  const QString tag = activeTag();
  const int m = program().AktSpeicher;
  if (viewState().AktAnsicht == 3) {
    txtkannam_[0]->verlasse();
    Blaettere(vor);
    Zeige_Kanalfelder(false);
    Verberge_Kanalfelder_1_3();
    if (tag == tagHauptmenue()) callHook(hooks().Fuelle_Grid, m);
    // An open astro dialog follows the channel shown, also while the main window is active.
    if (tag == tagAstro() || kindfenster(QStringLiteral("frmastro")))
      Setze_Astrogrenzen(viewState().firstChannelShown - 1);
  } else {
    for (KopfFeld* f : txtkannam_) f->verlasse();
    Blaettere(vor);
    Zeige_Kanalfelder(false);
  }
  if (profile().Uhrentyp == 280 && tag == tagGrafik()) {
    // The simulation draws the channel group it finds when it opens.
    if (QMdiSubWindow* grafik = mdi_->currentSubWindow()) grafik->close();
    Oeffne_Fenster(&Fensteraufrufe::FrmGrafik);
  }
}

void MDIForm1::picfilter_Click() {
  ViewState& v = viewState();
  v.filter.FilterAn = v.filter.FilterAn != 0 ? 0 : -1;
  Zeige_Filterstatus();
  callHook(hooks().Fuelle_Grid, program().AktSpeicher);
}

void MDIForm1::ggeanzSz_Click() {
  const int m = program().AktSpeicher;
  const QString text = Belegung_Text(m);
  env().message(text, Buttons::Ok, Icon::None, Belegung_Titel(m));
}

void MDIForm1::anibutton3_click() {
  Uebernimm_Kopffelder();
  Speichern_Knopf();
}

void MDIForm1::schliesseFuerNeu() {
  ohneFrage_ = true;
  close();
}

void MDIForm1::closeEvent(QCloseEvent* e) {
  if (ohneFrage_) {
    e->accept();
    return;
  }
  // The main window cannot go while another child window is active.
  if (activeTag() != tagHauptmenue()) {
    e->ignore();
    return;
  }
  Uebernimm_Kopffelder();
  if (!Beenden_vorbereiten(Anlass::Schliessen)) {
    e->ignore();
    return;
  }
  e->accept();
  // Closing the frame ends the program: the windows of their own (editors, dialogs) go with it.
  Beende_Programm(this);
}

}  // namespace qv
