// The priority-time entry form and the automation dialog through their widgets: new entries,
// refusals, holidays one by one and all at once, change of stored rows, the field rules, the
// automation's proposal and its settings.
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "entry/Eingabeautomatik.h"
#include "entry/Prioritaetseingabe.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/FrmAutoEinst.h"
#include "entry/ui/FrmEingPZ.h"
#include "model/Ansicht.h"
#include "model/Feiertage.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;
using namespace qv::test;

namespace {

std::array<int, 6> worte(const TSz& r) { return {r.w0, r.w1, r.w2, r.w3, r.w4, r.w5}; }

TFeiertag ft(const char* name, int art, int wtag, int tag, int monat) {
  return {QString::fromUtf8(name), static_cast<int16_t>(art), static_cast<int16_t>(wtag), static_cast<int16_t>(tag),
          static_cast<int16_t>(monat)};
}

QStringList items(const QComboBox* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
  return l;
}

QStringList items(const QListWidget* c) {
  QStringList l;
  for (int i = 0; i < c->count(); ++i) l << c->item(i)->text();
  return l;
}

}  // namespace

class TstEingPZ : public QObject {
  Q_OBJECT

  std::unique_ptr<ScriptedEnvironment> env_;
  std::unique_ptr<StartDir> dir_;
  QPointer<FrmEingPZ> form_;

  FrmEingPZ* oeffne(int modus) {
    viewState().EingabeModus = static_cast<int16_t>(modus);
    form_ = qobject_cast<FrmEingPZ*>(Oeffne_EingPZ());
    return form_;
  }
  void schliesse() {
    if (form_) form_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  int anzahl() const { return program().AnzGesamt[0]; }

 private slots:
  void init() {
    resetAllState();
    resetViewState();
    resetHolidayTable();
    pzFormState() = PzFormState{};
    inputAutomation() = InputAutomation{};
    setInputAutomationStartValues();
    dir_ = std::make_unique<StartDir>();
    env_ = std::make_unique<ScriptedEnvironment>();
    env_->setNow(QDateTime(QDate(2026, 6, 1), QTime(12, 0)));
    Setze_Markentexte(1);
    Setze_TexteDeutsch();
    settings().Sprache = 1;
    texts().FtDatei = QStringLiteral("deutsch.hdy");
    Uhrenprofil& u = profile();
    u.Kanalzahl = 4;
    u.Uhrentyp = 240;
    u.MaxSz = 324;
    u.Bewft = 1;
    u.FtJahre = 14;
    u.Geraetefamilie = 0;
    HolidayTable& t = holidayTable();
    t.Feiertage = {ft("Neujahr", 0, 0, 1, 1), ft("Karfreitag", 2, 0, -2, 0), ft("Buß- und Bettag", 1, -3, 23, 11)};
    t.AnzFt = 3;
    t.FtSetName = {"Bayern", "Sachsen"};
    t.AnzFtSets = 2;
    t.FtSet[1][0] = 2;
    t.FtSet[1][1] = 3;
    t.FtSet[1][2] = 1;
  }
  void cleanup() {
    schliesse();
    env_.reset();
    dir_.reset();
  }

  void newEntryAndItsRefusals() {
    FrmEingPZ* f = oeffne(0);
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("Eingabe von Prioritätszeiten"));
    QCOMPARE(f->Listvontag->count(), 31);
    QCOMPARE(f->Listvontag->item(0)->text(), QStringLiteral(" 1."));
    QCOMPARE(f->lstvonJahr->item(1)->text(), QStringLiteral("1999"));
    QCOMPARE(f->lstvonJahr->item(f->lstvonJahr->count() - 1)->text(), QStringLiteral("2063"));
    QCOMPARE(f->LstPrio->count(), 10);
    QCOMPARE(f->txtAnzPrio->text(), QStringLiteral("Programm P1"));
    QCOMPARE(f->LblvonUz->text(), QStringLiteral("00:00 Uhr"));
    QVERIFY(f->Cmdalleok->isHidden());

    // No channel: refused, nothing stored.
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 0);
    QCOMPARE(env_->messages.back().text, QStringLiteral("Kanalwahl unvollständig !"));
    QCOMPARE(env_->messages.back().icon, Icon::Critical);

    f->chkKan[0]->setChecked(true);
    QCOMPARE(f->chkKan[0]->colour(), QColor(128, 128, 255));
    f->listbistag->setCurrentRow(30);
    f->LstbisMon->setCurrentRow(11);
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 1);
    QCOMPARE(worte(program().Sz[0][0]), (std::array<int, 6>{98, 17, 0, 31, 1, 192}));
    QCOMPARE(f->lbloldvon->text(), QStringLiteral("1.  Januar 00:00 Uhr"));
    QCOMPARE(f->lbloldbis->text(), QStringLiteral("31.  Dezember 24:00 Uhr"));
    QCOMPARE(program().Geaendert, int16_t(1));
    QCOMPARE(viewState().AktAnsicht, int16_t(1));

    // The same again: already there. The other state of a permanent entry: the question.
    f->cmdPzOk_Click();
    QCOMPARE(env_->messages.back().text, QStringLiteral("Prioritätszeit bereits vorhanden !"));
    f->LstPrio->setCurrentRow(9);
    QVERIFY(!f->cmdEinAus->isHidden());
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 2);
    f->cmdEinAus->click();
    QCOMPARE(f->cmdEinAus->text(), QStringLiteral("EIN"));
    env_->answer(Answer::No);
    f->cmdPzOk_Click();
    QCOMPARE(env_->messages.back().buttons, Buttons::YesNo);
    QCOMPARE(anzahl(), 2);
    QCOMPARE(program().Sz[0][1].w5 & 1, 0);
    // A year: word 3 bit 6 and the year code.
    f->LstPrio->setCurrentRow(1);
    QVERIFY(f->cmdEinAus->isHidden());
    QCOMPARE(f->cmdEinAus->text(), QStringLiteral("AUS"));
    f->lstvonJahr->setCurrentRow(32);  // 2030
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Januar 2030"));
    f->cmdPzOk_Click();
    QCOMPARE(worte(program().Sz[0][2]), (std::array<int, 6>{98, 18, 0, 95, 225, 202}));

    // Stepping through the stored entries: up beeps at first, down shows the last one.
    schliesse();
    QCOMPARE(viewState().EingabeModus, int16_t(0));
    f = oeffne(0);
    const int piep = env_->beeps;
    f->imgoldPzup_Click();
    QCOMPARE(env_->beeps, piep + 1);
    f->imgoldPzdown_Click();
    // Closing sorted the program: the 2030 entry is no longer the last one.
    QStringList gezeigt{f->lbloldvon->text()};
    for (int i = 0; i < 2; ++i) {
      f->imgoldPzdown_Click();
      gezeigt << f->lbloldvon->text() + QLatin1Char('|') + f->lbloldprio->text();
    }
    QVERIFY(gezeigt.contains(QStringLiteral("1. Januar 2030 00:00 Uhr|Prio. 2")));
    QVERIFY(gezeigt.first().startsWith(QStringLiteral("1. Januar  00:00")));
  }

  void fullMemoryStoresNothingMore() {
    profile().MaxSz = 2;
    FrmEingPZ* f = oeffne(0);
    f->chkKan[1]->setChecked(true);
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 1);
    f->listbistag->setCurrentRow(4);
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 2);
    QCOMPARE(env_->messages.back().text, QStringLiteral("Kein weiterer Speicher mehr frei !"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form_);
    // Opening a new entry on a full memory: the message, and no form.
    const size_t n = env_->messages.size();
    QVERIFY(!oeffne(0));
    QCOMPARE(env_->messages.size(), n + 1);
  }

  void fieldRules() {
    FrmEingPZ* f = oeffne(0);
    int piep = env_->beeps;
    f->Lstvonmon->setCurrentRow(1);
    f->Listvontag->setCurrentRow(30);  // 31 February: back to 29 with a beep
    QCOMPARE(f->Listvontag->currentRow(), 28);
    QCOMPARE(f->txtvonTag->text(), QStringLiteral("29. "));
    QCOMPARE(env_->beeps, piep + 1);
    f->Lstvonmon->setCurrentRow(0);
    f->Listvontag->setCurrentRow(30);
    piep = env_->beeps;
    f->Lstvonmon->setCurrentRow(1);  // the from-month moves the day back silently
    QCOMPARE(f->Listvontag->currentRow(), 28);
    QCOMPARE(env_->beeps, piep);
    f->listbistag->setCurrentRow(30);
    f->LstbisMon->setCurrentRow(3);  // the to-month beeps
    QCOMPARE(f->listbistag->currentRow(), 29);
    QCOMPARE(env_->beeps, piep + 1);
    f->Lstvonmon->setCurrentRow(2);
    f->lstvonJahr->setCurrentRow(7);
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("März 2005"));
    QCOMPARE(f->txtbisMon->text(), QStringLiteral("April"));
    f->lstvonJahr->setCurrentRow(0);
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("März"));
    // Typed values: a day out of range stays and beeps; a month number becomes the name.
    f->txtvonTag->setText(QStringLiteral("32"));
    QVERIFY(!f->txtvonTag->runLeaveCheck());
    f->txtbisMon->setText(QStringLiteral("5"));
    QVERIFY(f->txtbisMon->runLeaveCheck());
    QCOMPARE(f->txtbisMon->text(), QStringLiteral("Mai"));
    f->txtAnzPrio->setText(QStringLiteral("8"));
    QVERIFY(f->txtAnzPrio->runLeaveCheck());
    QCOMPARE(f->txtAnzPrio->text(), QStringLiteral("Programm P8"));
    // Keys: the program field takes no "0"; with the binding on the name field takes none.
    piep = env_->beeps;
    QTest::keyClick(f->txtAnzPrio, Qt::Key_0);
    QCOMPARE(env_->beeps, piep + 1);
    f->chk_bew_Feiertage->setChecked(true);
    QTest::keyClick(f->txtvonMon, Qt::Key_3);
    QTest::keyClick(f->txtvonMon, Qt::Key_Backspace);
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Neujahr"));
    QCOMPARE(env_->beeps, piep + 3);
    QVERIFY(f->txtvonMon->runLeaveCheck());
    f->chk_bew_Feiertage->setChecked(false);
    // Emptied, the program list has no position and OK refuses.
    f->txtAnzPrio->clear();
    QVERIFY(f->txtAnzPrio->runLeaveCheck());
    f->chkKan[0]->setChecked(true);
    piep = env_->beeps;
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 0);
    QCOMPARE(env_->beeps, piep + 1);
  }

  void clockTypesAndLanguage() {
    // The two-channel astro type: channels 1 and 2 exclude each other; no year list.
    profile().Uhrentyp = 309;
    profile().Kanalzahl = 2;
    FrmEingPZ* f = oeffne(0);
    QVERIFY(f->chkKan[2]->isHidden());
    QVERIFY(f->lstvonJahr->isHidden());
    QVERIFY(!f->chk1x->isHidden());
    f->chkKan[1]->setChecked(true);
    f->chkKan[0]->setChecked(true);
    QVERIFY(!f->chkKan[1]->isChecked());
    QCOMPARE(f->chkKan[1]->colour(), QColor(192, 192, 192));
    // Without a year list the one-off box marks the entry.
    f->chk1x->setChecked(true);
    f->cmdPzOk_Click();
    QCOMPARE(program().Sz[0][0].w3, uint8_t(1 + 64));
    schliesse();
    // One channel, family 1 and French: the set-up's own colon, the literal one in new mode.
    profile().Uhrentyp = 240;
    profile().Kanalzahl = 1;
    profile().Geraetefamilie = 1;
    viewState().EingabeModus = 1;
    // The row to change leads to the stored priority time.
    viewState().ZeileZuSz[0] = 0;
    viewState().AnzAnzeige = 1;
    Setze_TexteFranzoesisch();
    f = oeffne(1);
    QVERIFY(f->chkKan[0]->isChecked());
    QCOMPARE(f->LstPrio->count(), 8);
    QCOMPARE(f->LblvonUz->text(), QStringLiteral("00h00 ") + texts().S_Uhr);
    schliesse();
    f = oeffne(0);
    QCOMPARE(f->LblvonUz->text(), QStringLiteral("00:00 ") + texts().S_Uhr);
  }

  void holidaysOneByOneAndAll() {
    FrmEingPZ* f = oeffne(0);
    f->lstvonJahr->setCurrentRow(5);
    f->chkKan[0]->setChecked(true);
    f->chk_bew_Feiertage->setChecked(true);
    QCOMPARE(items(f->cbo_Ft_sets), (QStringList{"Bayern", "Sachsen", "alle"}));
    QCOMPARE(f->cbo_Ft_sets->currentIndex(), 2);
    QCOMPARE(items(f->lst_bew_Feiertage), (QStringList{"Neujahr", "Karfreitag", "Buß- und Bettag"}));
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Neujahr"));
    QCOMPARE(f->lstvonJahr->currentRow(), 0);  // a hidden year no longer binds the holiday
    QVERIFY(f->frmautopil->isHidden());
    QVERIFY(!f->Cmdalleok->isHidden());
    f->cbo_Ft_sets->setCurrentIndex(1);
    QCOMPARE(items(f->lst_bew_Feiertage), (QStringList{"Buß- und Bettag", "Neujahr"}));
    f->cbo_Ft_sets->setCurrentIndex(2);

    // "alle": one record for New Year, one Easter record, 14 years of the weekday rule; the
    // run ends at the end of the list.
    f->Cmdalleok_Click();
    QTRY_COMPARE(pzFormState().AlleFeiertage, int16_t(0));
    QCOMPARE(anzahl(), 16);
    QCOMPARE(worte(program().Sz[0][0]), (std::array<int, 6>{98, 17, 0, 1, 1, 16}));
    QCOMPARE(worte(program().Sz[0][1]), (std::array<int, 6>{96, 80 + 1, 0, 0, 1, 0}));
    QCOMPARE(worte(program().Sz[0][2]).at(3), 18 + 64);
    QCOMPARE(f->lst_bew_Feiertage->currentRow(), 2);
    QCOMPARE(f->lbloldvon->text(), QStringLiteral("Buß- und Bettag"));

    // Start the run again and close before it goes on: the next opening's single OK stores one.
    f->chkKan[1]->setChecked(true);
    f->Cmdalleok_Click();
    schliesse();
    f = oeffne(0);
    f->chkKan[0]->setChecked(true);
    f->chkKan[2]->setChecked(true);
    f->chk_bew_Feiertage->setChecked(true);
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 17);
    QCOMPARE(f->lst_bew_Feiertage->currentRow(), 1);  // a single OK moves on to the next holiday
    QTest::qWait(100);
    QCOMPARE(anzahl(), 17);
    // Unticked: the date layout with the month's name.
    f->chk_bew_Feiertage->setChecked(false);
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Januar"));
    QVERIFY(!f->lstvonJahr->isHidden());
  }

  void changeSelectedRows() {
    ProgramState& p = program();
    PzEingabe e{1, 3, 5, 3, 0, 0, 3, 0, 2};
    p.Sz[0][0] = Pz_Oster_Satz(131, 2, 1, 0);  // Easter + 49: no such holiday yet
    p.Sz[0][1] = Pz_Zeitraum_Satz(e, 0);
    PzEingabe j = e;
    j.jahrcode = 2039 - 1936;
    j.einmal = 1;
    p.Sz[0][2] = Pz_Zeitraum_Satz(j, 0);
    p.AnzPz[0] = 3;
    p.AnzGesamt[0] = 3;
    ViewState& v = viewState();
    v.AnzAnzeige = 3;
    for (int i = 0; i < 3; ++i) v.ZeileZuSz[i] = static_cast<int16_t>(i);
    v.SelVon = 0;
    v.SelBis = 2;
    FrmEingPZ* f = oeffne(1);
    QCOMPARE(f->windowTitle(), QStringLiteral("Ändern von Prioritätszeiten"));
    QVERIFY(f->chk_bew_Feiertage->isChecked());
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Ostern + 49 Tag(e)"));
    QCOMPARE(holidayTable().AnzFt, int16_t(4));
    QVERIFY(dir_->read(QStringLiteral("deutsch.hdy")).contains("Ostern + 49 Tag(e)"));
    QCOMPARE(f->txtAnzPrio->text(), QStringLiteral("Programm P2"));
    QVERIFY(f->Cmdalleok->isHidden());
    QVERIFY(f->chkKan[0]->isChecked());

    // The Easter record is stored again unchanged, and the next row is loaded.
    f->cmdPzOk_Click();
    QCOMPARE(worte(p.Sz[0][0]), worte(Pz_Oster_Satz(131, 2, 1, 0)));
    QVERIFY(!f->chk_bew_Feiertage->isChecked());
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("März"));
    QCOMPARE(f->txtbistag->text(), QStringLiteral("5. "));
    QVERIFY(f->chkKan[1]->isChecked());
    f->LstPrio->setCurrentRow(4);
    f->cmdPzOk_Click();
    QCOMPARE(p.Sz[0][1].w1 & 15, 5);
    // A year beyond the old list's end loads and stores unchanged.
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("März 2039"));
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 3);
    int mit2039 = 0;
    for (int i = 0; i < 3; ++i) mit2039 += Pz_Jahrcode(p.Sz[0][i]) == 2039 - 1936 ? 1 : 0;
    QCOMPARE(mit2039, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form_);
    QCOMPARE(viewState().EingabeModus, int16_t(0));
  }

  void changeToAWeekdayHolidayKeepsTheOtherRow() {
    ProgramState& p = program();
    const TSz erste = Pz_Zeitraum_Satz({1, 3, 5, 3, 0, 0, 3, 0, 1}, 0);
    const TSz zweite = Pz_Zeitraum_Satz({1, 7, 5, 7, 0, 0, 4, 0, 1}, 0);
    p.Sz[0][0] = erste;
    p.Sz[0][1] = zweite;
    p.AnzPz[0] = 2;
    p.AnzGesamt[0] = 2;
    ViewState& v = viewState();
    v.AnzAnzeige = 2;
    v.ZeileZuSz[0] = 0;
    v.ZeileZuSz[1] = 1;
    v.SelVon = 0;
    v.SelBis = 1;
    FrmEingPZ* f = oeffne(1);
    f->chk_bew_Feiertage->setChecked(true);
    f->lst_bew_Feiertage->setCurrentRow(2);  // Buß- und Bettag, 14 years
    f->cmdPzOk_Click();
    // The first year replaces the row, the others are added; the second row is the next one.
    QCOMPARE(anzahl(), 15);
    QCOMPARE(Pz_Beginn_Tag(p.Sz[0][0], 2026), 18);
    QCOMPARE(worte(p.Sz[0][1]), worte(zweite));
    QCOMPARE(pzFormState().AktZeile, int16_t(1));
    QVERIFY(!f->chk_bew_Feiertage->isChecked());
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Juli"));
  }

  void copyFromTheTemplate() {
    ProgramState& p = program();
    p.Sz[1][0] = Pz_Zeitraum_Satz({1, 3, 5, 3, 0, 0, 3, 0, 1}, 0);
    p.Sz[1][1] = Pz_Zeitraum_Satz({1, 7, 5, 7, 0, 0, 4, 0, 1}, 0);
    p.AnzPz[1] = 2;
    p.AnzGesamt[1] = 2;
    ViewState& v = viewState();
    v.AnzAnzeige = 2;
    v.ZeileZuSz[0] = 0;
    v.ZeileZuSz[1] = 1;
    v.SelVon = 0;
    v.SelBis = 1;
    FrmEingPZ* f = oeffne(2);
    QCOMPARE(f->windowTitle(), QStringLiteral("Kopieren von Prioritätszeiten"));
    QVERIFY(!f->Cmdalleok->isHidden());
    // The rows go to the channels ticked in the form.
    f->chkKan[3]->setChecked(true);
    f->Cmdalleok_Click();
    QTRY_VERIFY(!form_);
    QCOMPARE(anzahl(), 2);
    QCOMPARE(p.Sz[0][0].w4 & 15, 8);
    QCOMPARE(p.Sz[0][1].w4 & 15, 8);

    // Into a full program nothing is copied, and the form says so.
    profile().MaxSz = 2;
    f = oeffne(2);
    f->chkKan[0]->setChecked(true);
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 2);
    QCOMPARE(env_->messages.back().text, QStringLiteral("Kein weiterer Speicher mehr frei !"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form_);
  }

  void automationProposesTheNextPeriod() {
    InputAutomation& a = inputAutomation();
    a.IncTag = 15;
    FrmEingPZ* f = oeffne(0);
    f->chkKan[0]->setChecked(true);
    f->Lstvonmon->setCurrentRow(11);
    f->Listvontag->setCurrentRow(19);
    f->LstbisMon->setCurrentRow(11);
    f->listbistag->setCurrentRow(30);
    f->Chkautopil->setChecked(true);
    QCOMPARE(a.AutoAktiv, int16_t(1));
    QVERIFY(f->Cmdalleok->isHidden());  // new mode: no accept-all
    f->cmdPzOk_Click();
    QCOMPARE(anzahl(), 1);
    QCOMPARE(f->txtvonTag->text(), QStringLiteral("4. "));
    QCOMPARE(f->txtvonMon->text(), QStringLiteral("Januar"));
    QCOMPARE(f->txtbistag->text(), QStringLiteral("15. "));
    QCOMPARE(f->txtbisMon->text(), QStringLiteral("Januar"));
    QCOMPARE(f->lstvonJahr->currentRow(), 0);
    // The holiday binding switches the automation off.
    f->chk_bew_Feiertage->setChecked(true);
    QCOMPARE(a.AutoAktiv, int16_t(0));
  }

  void automationSettings() {
    profile().Geraetefamilie = 0;
    auto* d = qobject_cast<FrmAutoEinst*>(Oeffne_AutoEinst());
    QVERIFY(d);
    QCOMPARE(d->LblincMin->text(), QStringLiteral("1 Minute"));
    QVERIFY(d->hsbwert->isHidden());
    QVERIFY(!d->chkincZust->isHidden());
    QCOMPARE(d->cbovonregel->currentText(), QStringLiteral("letzten "));
    QCOMPARE(d->cbobiswtag->currentText(), QStringLiteral("Sonntag"));
    d->hsbincmin->setValue(50);
    QTest::keyClick(d->hsbincmin, Qt::Key_9);
    QCOMPARE(d->hsbincmin->value(), 50);
    QTest::keyClick(d->hsbincmin, Qt::Key_5);
    QCOMPARE(d->LblincMin->text(), QStringLiteral("55 Minuten"));
    d->HsbincTag->setValue(100);
    QTest::keyClick(d->HsbincTag, Qt::Key_3);
    QCOMPARE(d->HsbincTag->value(), 103);
    d->chkincPrio->setChecked(true);
    // Cancel stores nothing.
    d->cmdEinstend->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(inputAutomation().IncMin, int16_t(1));
    QCOMPARE(inputAutomation().IncPrio, int16_t(0));
    // OK copies; family 1 offers the value instead of the toggle.
    profile().Geraetefamilie = 1;
    d = qobject_cast<FrmAutoEinst*>(Oeffne_AutoEinst());
    QVERIFY(!d->hsbwert->isHidden());
    QVERIFY(d->chkincZust->isHidden());
    d->hsbwert->setValue(5);
    QCOMPARE(d->lblwert->text(), QStringLiteral("Zust.:   5"));
    d->hsbincmin->setValue(15);
    d->cbovonregel->setCurrentIndex(0);
    d->ChkEinstOk->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(inputAutomation().IncMin, int16_t(15));
    QCOMPARE(inputAutomation().IncZustand, int16_t(5));
    QCOMPARE(inputAutomation().SwRegelVon, int16_t(0));
  }
};

QTEST_MAIN(TstEingPZ)
#include "tst_eingpz.moc"
