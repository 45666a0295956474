// The field rules of the switching-time entry form: the check boxes, the lists with their text
// fields, the on/off button, the checks on leaving a field and reading the fields for OK.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "entry/Eingaberegeln.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/FrmEingSz.h"
#include "model/Environment.h"
#include "model/Texte.h"
#include "model/Vergleich.h"

namespace qv {

namespace {
constexpr int kMittwoch = 2;
constexpr int kFreitag = 4;
}  // namespace

void FrmEingSz::Zeige_Prio(bool sichtbar) {
  LblUesPrio->setVisible(sichtbar);
  txtAnzPrio->setVisible(sichtbar);
  LstPrio->setVisible(sichtbar);
}

void FrmEingSz::Wochentag_Click(int tag) {
  chk1x->hide();
  chktgl->show();
  if (!chkWochentag[tag]->isChecked()) {
    chktgl->setChecked(false);
    return;
  }
  txtAnztag->clear();
  txtAnzMon->clear();
  Zeige_Prio(true);
  // Wednesday and Friday leave the hidden one-off box as it was.
  if (tag != kMittwoch && tag != kFreitag) chk1x->setChecked(false);
  szFormState().EingabeArt = 1;
}

void FrmEingSz::chktgl_Click() {
  if (!chktgl->isChecked()) return;
  for (ColourCheckBox* b : chkWochentag) b->setChecked(true);
  txtAnztag->clear();
  txtAnzMon->clear();
  chk1x->hide();
  chk1x->setChecked(false);
  Zeige_Prio(true);
  szFormState().EingabeArt = 1;
}

void FrmEingSz::chkKan_Click(int k) {
  // The astro type's first two channels exclude each other.
  if (profile().Uhrentyp != 309 || k > 1 || !chkKan[k]->isChecked()) return;
  chkKan[1 - k]->setChecked(false);
}

void FrmEingSz::cmdEinAus_Click() {
  const Texts& t = texts();
  cmdEinAus->setText(cmdEinAus->text() == t.S_AUS ? t.S_EIN : t.S_AUS);
}

void FrmEingSz::Liststd_Click() {
  if (liststd->currentRow() >= 0) txtAnzstd->setText(QString::number(liststd->currentRow()));
}

void FrmEingSz::Listmin_Click() {
  if (QListWidgetItem* i = listmin->currentItem()) txtAnzMin->setText(i->text());
}

void FrmEingSz::listimp_click() {
  if (listimp->currentRow() >= 0) txtAnzImp->setText(Impulstext(listimp->currentRow()));
}

void FrmEingSz::LstPrio_click() {
  const int r = LstPrio->currentRow();
  if (r < 0) return;
  txtAnzPrio->setText(r == 0 ? QString() : LstPrio->item(r)->text());
}

void FrmEingSz::Listtag_click() {
  const int tag = Listtag->currentRow();
  if (tag < 0) return;
  szFormState().EingabeArt = 2;
  txtAnztag->setText(Tagestext(tag));
  const int letzter = Letzter_Tagindex(LstMonat->currentRow());
  if (letzter >= 0 && tag > letzter) {
    env().beep();
    Listtag->setCurrentRow(letzter);
  }
  for (ColourCheckBox* b : chkWochentag) b->setChecked(false);
  chk1x->show();
  Zeige_Prio(false);
  if (LstMonat->currentRow() < 0) LstMonat->setCurrentRow(0);
  else txtAnzMon->setText(LstMonat->currentItem()->text());
}

void FrmEingSz::LstMonat_click() {
  // Also run with no month chosen (the automation's step on an empty form): the day rule then
  // chooses the first day and January.
  szFormState().EingabeArt = 2;
  for (ColourCheckBox* b : chkWochentag) b->setChecked(false);
  chktgl->setChecked(false);
  const QListWidgetItem* monat = LstMonat->currentItem();
  txtAnzMon->setText(monat ? monat->text() : QString());
  chk1x->show();
  Zeige_Prio(false);
  if (leadingNumber(txtAnztag->text()) == 0) {
    Listtag->setCurrentRow(0);
    Listtag_click();
  } else {
    txtAnztag->setText(QString::number(Listtag->currentRow() + 1) + texts().S_Punkt);
  }
  const int letzter = Letzter_Tagindex(LstMonat->currentRow());
  if (letzter >= 0 && Listtag->currentRow() > letzter) {
    Listtag->setCurrentRow(letzter);
    Listtag_click();
  }
}

void FrmEingSz::Wochentage_weiter() {
  const bool sonntag = chkWochentag[6]->isChecked();
  for (int k = 6; k > 0; --k) chkWochentag[k]->setChecked(chkWochentag[k - 1]->isChecked());
  chkWochentag[0]->setChecked(sonntag);
}

bool FrmEingSz::Verlasse_Feld(NumericField* feld) {
  const int wert = feld->leadingNumber();
  const QString text = feld->text();
  auto waehle = [](QListWidget* liste, int index) { liste->setCurrentRow(index); };
  if (feld == txtAnzstd || feld == txtAnzMin || feld == txtAnzImp) {
    if (wert > (feld == txtAnzstd ? 23 : 59)) return false;
    if (feld == txtAnzstd) waehle(liststd, wert), Liststd_Click();
    else if (feld == txtAnzMin) waehle(listmin, wert), Listmin_Click();
    else waehle(listimp, wert), listimp_click();
    return true;
  }
  if (feld == txtAnztag) {
    if (text.isEmpty()) return true;
    if (wert == 0 || wert > 31) return false;
    waehle(Listtag, wert - 1);
    Listtag_click();
    return true;
  }
  if (feld == txtAnzMon) {
    if (text.isEmpty()) return true;
    if (wert == 0 || wert > 12) return IstMonatsname(text) == 1;
    waehle(LstMonat, wert - 1);
    LstMonat_click();
    return true;
  }
  // The program field.
  if (IstProgrammname(text) == 1) return true;
  if (wert > LstPrio->count() - 1) return false;
  waehle(LstPrio, wert);
  LstPrio_click();
  return true;
}

SzFelder FrmEingSz::Felder() const {
  SzFelder f;
  f.stunde = txtAnzstd->leadingNumber();
  f.minute = txtAnzMin->leadingNumber();
  f.impuls = txtAnzImp->leadingNumber();
  f.einmal = chk1x->wert();
  f.programm = LstPrio->currentRow();
  f.zustand = cmdEinAus->text() == texts().S_EIN ? 1 : 0;
  f.tagText = txtAnztag->text();
  f.monatText = txtAnzMon->text();
  f.monatIndex = LstMonat->currentRow();
  for (int k = 0; k < 7; ++k) f.wochentage |= chkWochentag[k]->wert() << k;
  if (profile().Kanalzahl == 16) {
    f.kanalfeld = cbokanal->currentIndex();
  } else {
    f.kanalfeld = 0;
    for (int k = 0; k < 4; ++k) f.kanalfeld |= chkKan[k]->wert() << k;
  }
  return f;
}

bool FrmEingSz::Pruefe_Fokusfeld() {
  for (NumericField* f : {txtAnzstd, txtAnzMin, txtAnzImp, txtAnztag, txtAnzMon, txtAnzPrio})
    if (f->hasFocus()) return f->runLeaveCheck();
  return true;
}

void FrmEingSz::Fokus_auf(SzFeld feld) {
  NumericField* f = nullptr;
  switch (feld) {
    case SzFeld::Stunde: f = txtAnzstd; break;
    case SzFeld::Minute: f = txtAnzMin; break;
    case SzFeld::Impuls: f = txtAnzImp; break;
    case SzFeld::Tag: f = txtAnztag; break;
    case SzFeld::Monat: f = txtAnzMon; break;
    case SzFeld::Programm: f = txtAnzPrio; break;
    case SzFeld::Keines: return;
  }
  if (f->isVisible()) f->setFocus(Qt::OtherFocusReason);
}

}  // namespace qv
